#pragma once
// Indexed form of an intensity table for fast lookups: the angles as axes
// with a direct index on an even grid and a binary search otherwise, the
// intensities padded with a zero row and column, and the reciprocals of the
// interpolation weights of every node triple. Built once per table
// (TabellaIntensita::Indice) and shared, read-only, by every lookup.
#include <cmath>
#include <vector>

#include "core/intensity/InterpolaIntensita.inl"
#include "core/photometry/Fotometria.h"

namespace nottaro {

// One axis of the table: ascending angles at 1..n (index 0 and n + 1 read 0).
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
    // Finite and strictly ascending: every node triple has two widths.
    bool Crescente() const { return crescente_; }
    // The angles at 0..n + 1, and the even grid's first angle and reciprocal
    // step (Uniforme only), for the block lookup that forms many indices at once.
    const double* Dati() const { return ang_.data(); }
    double Primo() const { return primo_; }
    double InversoPasso() const { return inversoPasso_; }

private:
    int PrimoNonMinoreCerca(double x) const;

    std::vector<double> ang_;
    int n_ = 0;
    bool uniforme_ = false;
    bool crescente_ = true;
    double primo_ = 0, passo_ = 0, inversoPasso_ = 0;
};

class IndiceIntensita {
public:
    explicit IndiceIntensita(const TabellaIntensita& t);

    const AsseAngoli& AsseC() const { return asseC_; }
    const AsseAngoli& AsseG() const { return asseG_; }
    // cd/klm of plane i (0..NumC) at gamma column j (0..NumG); row and
    // column 0 read 0.
    double Valore(int i, int j) const { return val_[static_cast<std::size_t>(i) * passo_ + j]; }
    const double* Valori() const { return val_.data(); }
    int Passo() const { return passo_; }
    // Reciprocals of the planes k - 1, k, k + 1 and of the gamma columns
    // k, k + 1, k + 2, kept so that a lookup divides nothing.
    const dettaglio::InversiLagrange* InversiC() const { return invC_.data(); }
    const dettaglio::InversiLagrange* InversiG() const { return invG_.data(); }

private:
    AsseAngoli asseC_, asseG_;
    std::vector<double> val_;  // (NumC + 1) x (NumG + 1), plane-major, 1-based
    std::vector<dettaglio::InversiLagrange> invC_, invG_;
    int passo_ = 0;
};

}  // namespace nottaro
