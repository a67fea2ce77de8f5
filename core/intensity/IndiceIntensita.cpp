#include "core/intensity/IndiceIntensita.h"

#include <algorithm>
#include <cmath>

namespace nottaro {

void AsseAngoli::Imposta(std::vector<double> angoli, int n) {
    ang_ = std::move(angoli);
    n_ = n;
    // An axis with an angle that is not finite (an edited table) is only
    // ever scanned: no index is formed from it.
    crescente_ = true;
    for (int k = 1; k <= n; ++k)
        if (!std::isfinite(ang_[k]) || (k > 1 && !(ang_[k] > ang_[k - 1]))) crescente_ = false;
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

IndiceIntensita::IndiceIntensita(const TabellaIntensita& t) {
    const int N = t.NumC(), G = t.NumG();
    std::vector<double> c(static_cast<std::size_t>(N) + 2, 0.0), g(static_cast<std::size_t>(G) + 2, 0.0);
    for (int k = 1; k <= N; ++k) c[k] = t.AngoloC(k);
    for (int k = 1; k <= G; ++k) g[k] = t.AngoloG(k);
    asseC_.Imposta(std::move(c), N);
    asseG_.Imposta(std::move(g), G);
    invC_.assign(static_cast<std::size_t>(N) + 2, {});
    for (int k = 2; k <= N - 1; ++k) invC_[k] = dettaglio::InversiLagrange(asseC_(k - 1), asseC_(k), asseC_(k + 1));
    invG_.assign(static_cast<std::size_t>(G) + 2, {});
    for (int k = 1; k <= G - 2; ++k) invG_[k] = dettaglio::InversiLagrange(asseG_(k), asseG_(k + 1), asseG_(k + 2));
    passo_ = G + 1;
    val_.assign(static_cast<std::size_t>(N + 1) * passo_, 0.0);
    for (int i = 1; i <= N; ++i) std::copy_n(t.Piano(i).data(), G, val_.data() + static_cast<std::size_t>(i) * passo_ + 1);
}

std::shared_ptr<const IndiceIntensita> TabellaIntensita::Indice() const {
    auto p = indice_.Prendi();
    if (!p) {
        // Two threads may both build it; either copy is the same table's.
        p = std::make_shared<const IndiceIntensita>(*this);
        indice_.Metti(p);
    }
    return p;
}

}  // namespace nottaro
