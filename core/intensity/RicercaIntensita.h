#pragma once
// Indexed intensity lookup: the indexed form of one luminaire's table
// (IndiceIntensita, built once per record and shared) and the flux of one
// lamp set. The angle search is a direct index on an even angle grid and a
// binary search otherwise; the interpolation is the one of IntensitaLum, so
// the intensities are bit-identical to the plain scan.
#include <algorithm>
#include <cmath>
#include <vector>

#include "core/intensity/IndiceIntensita.h"
#include "core/intensity/IntensitaBlocco.h"
#include "core/intensity/Intensita.h"

namespace nottaro {

class RicercaIntensita {
public:
    RicercaIntensita() = default;
    RicercaIntensita(const Fotometria& foto, int lampCalc) { Imposta(foto, lampCalc); }
    // Takes the indexed form of foto's table and the flux of lamp set
    // lampCalc (0..MaxLampade-1; any other set makes every lookup raise
    // ErrCalcolo). The record's table must not change while this is in use.
    void Imposta(const Fotometria& foto, int lampCalc);

    // Intensity in cd toward (gamma, c), as IntensitaLum; a non-finite
    // result raises ErrCalcolo and gives -1.
    double operator()(ContestoCalcolo& ctx, double gamma, double c) const {
        const int j = asseG_.PrimoNonMinore(gamma);
        const int i = asseC_.PrimoNonMinore(c);
        const double* v = val_;
        const int passo = passo_;
        auto val = [v, passo](int pi, int gj) { return v[static_cast<std::size_t>(pi) * passo + gj]; };
        const dettaglio::InversiLagrange* ic = invC_;
        const dettaglio::InversiLagrange* ig = invG_;
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
    // The same table as raw arrays for the block lookup.
    TabellaBlocco Blocco() const;

private:
    std::shared_ptr<const IndiceIntensita> tieni_;  // keeps the shared arrays alive
    // The axes are copied (a few hundred angles) so that a lookup reads them
    // straight from here; the intensities and weights stay shared.
    AsseAngoli asseC_, asseG_;
    const double* val_ = nullptr;
    const dettaglio::InversiLagrange* invC_ = nullptr;
    const dettaglio::InversiLagrange* invG_ = nullptr;
    int passo_ = 0;
    double scala_ = 0;  // lamp flux / 1000
};

// I[k] = ricerca(ctx, gamma[k], c[k]) for k in [0, n), to the last bit: the
// lookup every evaluation calls, a block of directions at a time on the
// machine's widest vector unit (IntensitaBlocco.h), the rest one by one.
// False as soon as a lookup raises ErrCalcolo; the intensities before that
// direction are final.
bool CercaIntensita(ContestoCalcolo& ctx, const RicercaIntensita& ricerca, const double* gamma, const double* c,
                    std::size_t n, double* I);
// The same on a given vector width, which the processor must run (benchmarks).
bool CercaIntensita(ContestoCalcolo& ctx, const RicercaIntensita& ricerca, const double* gamma, const double* c,
                    std::size_t n, double* I, LarghezzaVettore larghezza);

// The plain reference lookup behind the same call shape.
struct IntensitaDiretta {
    const Fotometria& foto;
    int lampCalc;
    double operator()(ContestoCalcolo& ctx, double gamma, double c) const {
        return IntensitaLum(ctx, foto, lampCalc, gamma, c);
    }
};

}  // namespace nottaro
