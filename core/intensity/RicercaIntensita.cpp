#include "core/intensity/RicercaIntensita.h"

#include <algorithm>
#include <cmath>


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

TabellaBlocco RicercaIntensita::Blocco() const {
    TabellaBlocco t;
    t.angC = asseC_.Dati();
    t.angG = asseG_.Dati();
    t.N = asseC_.Numero();
    t.G = asseG_.Numero();
    t.uniformeC = asseC_.Uniforme();
    t.uniformeG = asseG_.Uniforme();
    t.primoC = asseC_.Primo();
    t.inversoPassoC = asseC_.InversoPasso();
    t.primoG = asseG_.Primo();
    t.inversoPassoG = asseG_.InversoPasso();
    t.val = val_;
    t.passo = passo_;
    t.invC = invC_;
    t.invG = invG_;
    t.scala = scala_;
    // The nodes InterpolaIntensita takes across the seam, formed the same way.
    const int N = t.N;
    if (N >= 3) {
        auto nodi = [](int p0, double a, int p1, double b, int p2, double c) {
            NodiCucitura n;
            n.p0 = p0, n.p1 = p1, n.p2 = p2, n.a = a, n.b = b, n.c = c;
            const dettaglio::InversiLagrange inv(a, b, c);
            n.i1 = inv.i1, n.i2 = inv.i2;
            return n;
        };
        t.dopoUltimo = nodi(N, asseC_(N), 1, asseC_(1) + 360, 2, asseC_(2) + 360);
        t.traUltimi = nodi(N - 1, asseC_(N - 1), N, asseC_(N), 1, asseC_(1) + 360);
        t.primaDelPrimo = nodi(N, asseC_(N) - 360, 1, asseC_(1), 2, asseC_(2));
    }
    t.utilizzabile = val_ && t.N >= 3 && t.G >= 3 && asseC_.Crescente() && asseG_.Crescente();
    return t;
}

namespace {

template <class Blocco>
bool CercaABlocchi(ContestoCalcolo& ctx, const RicercaIntensita& ricerca, const double* gamma, const double* c,
                   std::size_t n, double* I, const Blocco& blocco) {
    if (n == 0) return true;
    if (ctx.ErrCalcolo) {  // already failed: the first lookup, as one by one
        I[0] = ricerca(ctx, gamma[0], c[0]);
        return false;
    }
    const TabellaBlocco t = ricerca.Blocco();
    int fatto[DirezioniPerBlocco];
    for (std::size_t da = 0; da < n; da += DirezioniPerBlocco) {
        const std::size_t m = std::min(DirezioniPerBlocco, n - da);
        blocco(t, gamma + da, c + da, m, I + da, fatto);
        for (std::size_t q = 0; q < m; ++q) {
            if (fatto[q]) continue;
            I[da + q] = ricerca(ctx, gamma[da + q], c[da + q]);
            if (ctx.ErrCalcolo) return false;
        }
    }
    return true;
}

}  // namespace

bool CercaIntensita(ContestoCalcolo& ctx, const RicercaIntensita& ricerca, const double* gamma, const double* c,
                    std::size_t n, double* I) {
    return CercaABlocchi(ctx, ricerca, gamma, c, n, I, InterpolaBlocco);
}

bool CercaIntensita(ContestoCalcolo& ctx, const RicercaIntensita& ricerca, const double* gamma, const double* c,
                    std::size_t n, double* I, LarghezzaVettore larghezza) {
    return CercaABlocchi(ctx, ricerca, gamma, c, n, I,
                         [larghezza](const TabellaBlocco& t, const double* g, const double* cc, std::size_t m,
                                     double* out, int* fatto) { InterpolaBloccoCon(larghezza, t, g, cc, m, out, fatto); });
}

}  // namespace nottaro
