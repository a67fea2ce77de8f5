#include "core/intensity/RicercaIntensita.h"

#include <algorithm>
#include <cmath>

#include "core/intensity/PerOgniVettore.h"

namespace nottaro {

void RicercaIntensita::Imposta(const Fotometria& foto, int lampCalc) {
    tieni_ = foto.Intens.Indice();
    ind_ = tieni_.get();
    // A lamp set outside the record makes every lookup fail (ErrCalcolo).
    scala_ = lampCalc >= 0 && lampCalc < MaxLampade ? foto.FlussoLamp[lampCalc] / 1000.0 : std::nan("");
}

// The lookup of an empty table, before Imposta: every intensity 0.
const IndiceIntensita& RicercaIntensita::Vuoto() {
    static const IndiceIntensita vuoto{TabellaIntensita{}};
    return vuoto;
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
