#include "core/intensity/DirezioniInclinabili.h"

#include <algorithm>
#include <cmath>

#include "core/intensity/ArchiVeloci.h"
#include "core/intensity/FormuleAngoli.h"
#include "core/intensity/PerOgniVettore.h"
#include "core/intensity/SenoCosenoVeloci.h"

namespace nottaro {

void DirezioniInclinabili::Ridimensiona(std::size_t n) {
    for (auto* v : {&gamma, &cPiana, &sg, &cg, &sc, &cc}) v->resize(n);
}

void DirezioniInclinabili::Imposta(std::size_t k, double gammaK, double cPianaK, double cInclinataK) {
    gamma[k] = gammaK;
    cPiana[k] = cPianaK;
    SinCosVeloce(gammaK * RadPerGrado, sg[k], cg[k]);
    SinCosVeloce(cInclinataK * RadPerGrado, sc[k], cc[k]);
}

void DirezioniInclinabili::Aggiungi(double gammaK, double cPianaK, double cInclinataK) {
    Ridimensiona(size() + 1);
    Imposta(size() - 1, gammaK, cPianaK, cInclinataK);
}

namespace {

NOTTARO_PER_OGNI_VETTORE
void SeniBlocco(const double* __restrict gamma, const double* __restrict cInc, std::size_t n, double* __restrict sg,
                double* __restrict cg, double* __restrict sc, double* __restrict cc) {
    for (std::size_t k = 0; k < n; ++k) {
        SinCosVeloce(gamma[k] * RadPerGrado, sg[k], cg[k]);
        SinCosVeloce(cInc[k] * RadPerGrado, sc[k], cc[k]);
    }
}

NOTTARO_PER_OGNI_VETTORE
unsigned AngoliBloccoVettore(const double* __restrict xp, const double* __restrict yp, std::size_t n, double xl,
                             double yl, double s, double H, double* __restrict gamma, double* __restrict cPiana,
                             double* __restrict cInclinata) {
    // Errors as bits of one word, so that the loop stays a plain reduction.
    unsigned errori = 0;
    for (std::size_t k = 0; k < n; ++k) {
        bool eg = false, ei = false;
        const double u = yp[k] - (yl - s), w = xp[k] - xl;
        gamma[k] = formule::Gamma(xl - xp[k], (yl - s) - yp[k], H, eg);
        cPiana[k] = formule::CPiana(u, w);
        cInclinata[k] = formule::CInclinata(u, w, ei);
        errori |= static_cast<unsigned>(eg) | (static_cast<unsigned>(ei) << 1);
    }
    return errori;
}

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
        // The arc is formed for Y = 0 too and then not used.
        const double a = Gradi(AtanRapporto(Z, Y));
        const double suAsse = Z == 0 ? 90.0 : Z > 0 ? 0.0 : 180.0;
        double cn = Y > 0 ? 90 - a : Y < 0 ? -90 - a : suAsse;
        cn = cn < 0 ? cn + 360 : cn;
        cn = cn > 360 ? cn - 360 : cn;
        cR[k] = cn;
    }
}

}  // namespace

void DirezioniInclinabili::ImpostaBlocco(std::size_t da, std::size_t n, const double* gammaB,
                                         const double* cPianaB, const double* cInclinataB) {
    std::copy(gammaB, gammaB + n, gamma.begin() + static_cast<std::ptrdiff_t>(da));
    std::copy(cPianaB, cPianaB + n, cPiana.begin() + static_cast<std::ptrdiff_t>(da));
    SeniBlocco(gammaB, cInclinataB, n, sg.data() + da, cg.data() + da, sc.data() + da, cc.data() + da);
}

void AngoliBlocco(const double* xp, const double* yp, std::size_t n, double xl, double yl, double s, double H,
                  double* gamma, double* cPiana, double* cInclinata, ErroriAngoli& errori) {
    const unsigned e = AngoliBloccoVettore(xp, yp, n, xl, yl, s, H, gamma, cPiana, cInclinata);
    errori.gamma = errori.gamma || (e & 1u) != 0;
    errori.inclinata = errori.inclinata || (e & 2u) != 0;
}

void RuotaInclinazioni(const DirezioniInclinabili& d, std::size_t n, double inclina, double* gammaR, double* cR) {
    const double t = inclina * RadPerGrado;
    double st, ct;
    SinCosVeloce(t, st, ct);
    RuotaBlocco(d.sg.data(), d.cg.data(), d.sc.data(), d.cc.data(), n, st, ct, gammaR, cR);
}

bool IntensitaInclinate::Calcola(ContestoCalcolo& ctx, const RicercaIntensita& ricerca,
                                 const DirezioniInclinabili& d, double inclina, double* I) {
    const std::size_t n = d.size();
    if (inclina == 0) return CercaIntensita(ctx, ricerca, d.gamma.data(), d.cPiana.data(), n, I);
    gammaR_.resize(n);
    cR_.resize(n);
    RuotaInclinazioni(d, n, inclina, gammaR_.data(), cR_.data());
    return CercaIntensita(ctx, ricerca, gammaR_.data(), cR_.data(), n, I);
}

}  // namespace nottaro
