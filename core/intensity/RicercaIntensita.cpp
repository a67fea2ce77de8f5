#include "core/intensity/RicercaIntensita.h"

#include <algorithm>
#include <cmath>

#include "core/intensity/PerOgniVettore.h"

namespace nottaro {

void RicercaIntensita::Imposta(const Fotometria& foto, int lampCalc) {
    tieni_ = foto.Intens.Indice();
    const IndiceIntensita& t = *tieni_;
    asseC_ = t.AsseC();
    asseG_ = t.AsseG();
    val_ = t.Valori();
    invC_ = t.InversiC();
    invG_ = t.InversiG();
    passo_ = t.Passo();
    // A lamp set outside the record makes every lookup fail (ErrCalcolo).
    scala_ = lampCalc >= 0 && lampCalc < MaxLampade ? foto.FlussoLamp[lampCalc] / 1000.0 : std::nan("");
}

NOTTARO_PER_OGNI_VETTORE
bool CercaIntensita(ContestoCalcolo& ctx, const RicercaIntensita& ricerca, const double* gamma, const double* c,
                    std::size_t n, double* I) {
    for (std::size_t k = 0; k < n; ++k) {
        I[k] = ricerca(ctx, gamma[k], c[k]);
        if (ctx.ErrCalcolo) return false;
    }
    return true;
}

}  // namespace nottaro
