#include "core/intensity/DirezioniInclinabili.h"

#include <cmath>

#include "core/intensity/ArchiVeloci.h"

namespace nottaro {

void DirezioniInclinabili::Ridimensiona(std::size_t n) {
    for (auto* v : {&gamma, &cPiana, &sg, &cg, &sc, &cc}) v->resize(n);
}

void DirezioniInclinabili::Imposta(std::size_t k, double gammaK, double cPianaK, double cInclinataK) {
    gamma[k] = gammaK;
    cPiana[k] = cPianaK;
    const double g = gammaK * RadPerGrado, c = cInclinataK * RadPerGrado;
    sg[k] = std::sin(g);
    cg[k] = std::cos(g);
    sc[k] = std::sin(c);
    cc[k] = std::cos(c);
}

namespace {

// One build per vector width, chosen when the program starts: the arithmetic
// is the same (no fused multiply-add), so every machine gets the same angles.
#if defined(__x86_64__) && defined(__GNUC__) && !defined(__clang__)
#define NOTTARO_PER_OGNI_VETTORE __attribute__((target_clones("avx512f", "avx2", "default")))
#else
#define NOTTARO_PER_OGNI_VETTORE
#endif

NOTTARO_PER_OGNI_VETTORE
void RuotaBlocco(const double* __restrict sgv, const double* __restrict cgv, const double* __restrict scv,
                 const double* __restrict ccv, std::size_t n, double st, double ct, double* __restrict gammaR,
                 double* __restrict cR) {
    for (std::size_t k = 0; k < n; ++k) {
        const double sg = sgv[k], cg = cgv[k], sc = scv[k], cc = ccv[k];
        double cosg = cg * ct + sg * st * sc;
        cosg = cosg > 1 ? 1 : cosg;
        cosg = cosg < -1 ? -1 : cosg;
        gammaR[k] = Gradi(AcosVeloce(cosg));
        const double Y = sg * sc * ct - cg * st;
        const double Z = sg * cc;
        // Z / Y is formed for Y = 0 too and then not used.
        const double a = Gradi(AtanVeloce(Z / Y));
        const double suAsse = Z == 0 ? 90.0 : Z > 0 ? 0.0 : 180.0;
        double cn = Y > 0 ? 90 - a : Y < 0 ? -90 - a : suAsse;
        cn = cn < 0 ? cn + 360 : cn;
        cn = cn > 360 ? cn - 360 : cn;
        cR[k] = cn;
    }
}

}  // namespace

void RuotaInclinazioni(const DirezioniInclinabili& d, std::size_t n, double inclina, double* gammaR, double* cR) {
    const double t = inclina * RadPerGrado;
    RuotaBlocco(d.sg.data(), d.cg.data(), d.sc.data(), d.cc.data(), n, std::sin(t), std::cos(t), gammaR, cR);
}

bool IntensitaInclinate::Calcola(ContestoCalcolo& ctx, const RicercaIntensita& ricerca,
                                 const DirezioniInclinabili& d, double inclina, double* I) {
    const std::size_t n = d.size();
    const double* g = d.gamma.data();
    const double* c = d.cPiana.data();
    if (inclina != 0) {
        gammaR_.resize(n);
        cR_.resize(n);
        RuotaInclinazioni(d, n, inclina, gammaR_.data(), cR_.data());
        g = gammaR_.data();
        c = cR_.data();
    }
    for (std::size_t k = 0; k < n; ++k) {
        I[k] = ricerca(ctx, g[k], c[k]);
        if (ctx.ErrCalcolo) return false;
    }
    return true;
}

}  // namespace nottaro
