#pragma once
// Indexed intensity lookup: the photometric table of one luminaire and one
// lamp set copied into flat arrays with axis descriptors, built once per
// evaluation. The angle search is a direct index on an even angle grid and a
// binary search otherwise; the interpolation is the one of IntensitaLum, so
// the intensities are bit-identical to the plain scan.
#include <algorithm>
#include <cmath>
#include <vector>

#include "core/intensity/Intensita.h"

namespace nottaro {

// One axis of the table: ascending angles at 1..n (index 0 unused).
class AsseAngoli {
public:
    void Imposta(std::vector<double> angoli1Based, int n);
    // First index k in 1..n with angolo(k) >= x; n + 1 when there is none.
    int PrimoNonMinore(double x) const {
        if (uniforme_ && x == x) {
            const double stima = std::ceil((x - primo_) * inversoPasso_) + 1;
            int k = stima < 1 ? 1 : stima > n_ + 1 ? n_ + 1 : static_cast<int>(stima);
            // The estimate is at most a rounding step off; settle it on the table.
            while (k > 1 && ang_[k - 1] >= x) --k;
            while (k <= n_ && !(ang_[k] >= x)) ++k;
            return k;
        }
        return PrimoNonMinoreCerca(x);
    }
    double operator()(int k) const { return ang_[static_cast<std::size_t>(k)]; }
    int Numero() const { return n_; }
    bool Uniforme() const { return uniforme_; }

private:
    int PrimoNonMinoreCerca(double x) const;

    std::vector<double> ang_;
    int n_ = 0;
    bool uniforme_ = false;
    bool crescente_ = true;
    double primo_ = 0, passo_ = 0, inversoPasso_ = 0;
};

class RicercaIntensita {
public:
    RicercaIntensita() = default;
    RicercaIntensita(const Fotometria& foto, int lampCalc) { Imposta(foto, lampCalc); }
    // Copies the table of foto for lamp set lampCalc (0..MaxLampade-1; any
    // other set makes every lookup raise ErrCalcolo).
    void Imposta(const Fotometria& foto, int lampCalc);

    // Intensity in cd toward (gamma, c), as IntensitaLum; a non-finite
    // result raises ErrCalcolo and gives -1.
    double operator()(ContestoCalcolo& ctx, double gamma, double c) const {
        const int j = asseG_.PrimoNonMinore(gamma);
        const int i = asseC_.PrimoNonMinore(c);
        const double* v = val_.data();
        const int passo = passo_;
        auto val = [v, passo](int pi, int gj) { return v[static_cast<std::size_t>(pi) * passo + gj]; };
        const dettaglio::InversiLagrange* ic = invC_.data();
        const dettaglio::InversiLagrange* ig = invG_.data();
        auto invC = [ic](int k) { return ic[k]; };
        auto invG = [ig](int k) { return ig[k]; };
        const double rel = dettaglio::InterpolaIntensita(asseC_, asseC_.Numero(), asseG_, asseG_.Numero(), val, invC,
                                                         invG, gamma, c, i, j);
        const double cd = rel * scala_;
        if (!std::isfinite(cd)) {
            ctx.ErrCalcolo = true;
            return -1;
        }
        return cd;
    }

    const AsseAngoli& AsseC() const { return asseC_; }
    const AsseAngoli& AsseG() const { return asseG_; }

private:
    AsseAngoli asseC_, asseG_;
    std::vector<double> val_;  // (NumC + 1) x (NumG + 1), plane-major, 1-based
    // Weight reciprocals of the node triples: planes k - 1, k, k + 1 and
    // gamma columns k, k + 1, k + 2, kept so that a lookup divides nothing.
    std::vector<dettaglio::InversiLagrange> invC_, invG_;
    int passo_ = 0;
    double scala_ = 0;  // lamp flux / 1000
};

// I[k] = ricerca(ctx, gamma[k], c[k]) for k in [0, n): the loop every
// evaluation looks its intensities up with, built for the widest vector unit
// of the machine. False as soon as a lookup raises ErrCalcolo.
bool CercaIntensita(ContestoCalcolo& ctx, const RicercaIntensita& ricerca, const double* gamma, const double* c,
                    std::size_t n, double* I);

// The plain reference lookup behind the same call shape.
struct IntensitaDiretta {
    const Fotometria& foto;
    int lampCalc;
    double operator()(ContestoCalcolo& ctx, double gamma, double c) const {
        return IntensitaLum(ctx, foto, lampCalc, gamma, c);
    }
};

}  // namespace nottaro
