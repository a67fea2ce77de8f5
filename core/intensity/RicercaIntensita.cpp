#include "core/intensity/RicercaIntensita.h"

#include <algorithm>
#include <cmath>

#include "core/intensity/PerOgniVettore.h"

namespace nottaro {

void AsseAngoli::Imposta(std::vector<double> angoli, int n) {
    ang_ = std::move(angoli);
    n_ = n;
    crescente_ = true;
    for (int k = 2; k <= n; ++k)
        if (!(ang_[k] > ang_[k - 1])) crescente_ = false;
    uniforme_ = false;
    if (crescente_ && n >= 2) {
        primo_ = ang_[1];
        passo_ = (ang_[n] - ang_[1]) / (n - 1);
        uniforme_ = true;
        for (int k = 2; k <= n && uniforme_; ++k)
            if (std::abs(ang_[k] - ang_[k - 1] - passo_) > 1e-9 * std::max(1.0, std::abs(passo_))) uniforme_ = false;
        inversoPasso_ = 1 / passo_;
    }
}

// Uneven, out-of-order or NaN cases of PrimoNonMinore.
int AsseAngoli::PrimoNonMinoreCerca(double x) const {
    if (std::isnan(x)) return n_ + 1;
    if (!crescente_) {
        // A table out of order is searched the plain way.
        int k = 1;
        while (k <= n_ && !(ang_[k] >= x)) ++k;
        return k;
    }
    const double* inizio = ang_.data() + 1;
    return static_cast<int>(std::lower_bound(inizio, inizio + n_, x) - inizio) + 1;
}

void RicercaIntensita::Imposta(const Fotometria& foto, int lampCalc) {
    const int N = foto.NumC, G = foto.NumG;
    std::vector<double> c(static_cast<std::size_t>(N) + 2, 0.0), g(static_cast<std::size_t>(G) + 2, 0.0);
    for (int k = 1; k <= N; ++k) c[k] = foto.Intens[k][0];
    for (int k = 1; k <= G; ++k) g[k] = foto.Intens[0][k];
    asseC_.Imposta(std::move(c), N);
    asseG_.Imposta(std::move(g), G);
    invC_.assign(static_cast<std::size_t>(N) + 2, {});
    for (int k = 2; k <= N - 1; ++k) invC_[k] = dettaglio::InversiLagrange(asseC_(k - 1), asseC_(k), asseC_(k + 1));
    invG_.assign(static_cast<std::size_t>(G) + 2, {});
    for (int k = 1; k <= G - 2; ++k) invG_[k] = dettaglio::InversiLagrange(asseG_(k), asseG_(k + 1), asseG_(k + 2));
    passo_ = G + 1;
    val_.assign(static_cast<std::size_t>(N + 1) * passo_, 0.0);
    for (int i = 1; i <= N; ++i)
        for (int j = 1; j <= G; ++j) val_[static_cast<std::size_t>(i) * passo_ + j] = foto.Intens[i][j];
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
