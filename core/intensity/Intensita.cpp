#include "core/intensity/Intensita.h"

#include <cmath>

#include "core/intensity/FormuleAngoli.h"
#include "core/intensity/SenoCosenoVeloci.h"

namespace nottaro {

double Angolo2(double a, double b) { return formule::Angolo2(a, b); }

double Arrotonda(double x, int n) {
    const double scala = std::pow(10.0, n);
    const double v = x * scala;
    const double intero = std::trunc(v);
    if (v - intero > 0.5) return std::trunc(v + 1) / scala;
    return intero / scala;
}

namespace {

double GammaVerso(ContestoCalcolo& ctx, double xp, double yp, double xl, double yl, double s, double h) {
    return formule::Gamma(xl - xp, (yl - s) - yp, h, ctx.ErrCalcolo);
}

}  // namespace

double CalcGamma(ContestoCalcolo& ctx, double xp, double yp, double xl, double yl, double s, double H) {
    return GammaVerso(ctx, xp, yp, xl, yl, s, H);
}

double CalcGammaOcchio(ContestoCalcolo& ctx, double xp, double yp, double xl, double yl, double s, double H) {
    return GammaVerso(ctx, xp, yp, xl, yl, s, H - 1.5);
}

double CalcC(ContestoCalcolo& ctx, double xp, double yp, double xl, double yl, double s, double inclina) {
    const double u = yp - (yl - s);
    const double w = xp - xl;
    if (inclina == 0) return formule::CPiana(u, w);
    return formule::CInclinata(u, w, ctx.ErrCalcolo);
}

void RuotaInclinazione(ContestoCalcolo& ctx, double gamma, double c, double inclina) {
    double sg, cg, sc, cc, st, ct;
    SinCosVeloce(gamma * RadPerGrado, sg, cg);
    SinCosVeloce(c * RadPerGrado, sc, cc);
    SinCosVeloce(inclina * RadPerGrado, st, ct);
    RuotaInclinazioneSC(ctx, sg, cg, sc, cc, st, ct);
}

double IntensitaLum(ContestoCalcolo& ctx, const Fotometria& foto, int lampCalc, double gamma, double c) {
    if (lampCalc < 0 || lampCalc >= MaxLampade) {
        ctx.ErrCalcolo = true;
        return -1;
    }
    const TabellaIntensita& T = foto.Intens;
    const int N = T.NumC(), G = T.NumG();
    // Plain scans of the angle axes, as the reference for the indexed lookup.
    // Outside the table an angle or an intensity reads 0, as in the indexed form.
    auto angC = [&T, N](int k) { return k >= 1 && k <= N ? T.AngoloC(k) : 0.0; };
    auto angG = [&T, G](int k) { return k >= 1 && k <= G ? T.AngoloG(k) : 0.0; };
    auto val = [&T, N, G](int pi, int gj) { return pi >= 1 && pi <= N && gj >= 1 && gj <= G ? T.Valore(pi, gj) : 0.0; };
    int j = 1;
    while (j <= G && !(T.AngoloG(j) >= gamma)) ++j;
    int i = 1;
    while (i <= N && !(T.AngoloC(i) >= c)) ++i;
    auto invC = [&angC](int k) { return dettaglio::InversiLagrange(angC(k - 1), angC(k), angC(k + 1)); };
    auto invG = [&angG](int k) { return dettaglio::InversiLagrange(angG(k), angG(k + 1), angG(k + 2)); };
    const double rel = dettaglio::InterpolaIntensita(angC, N, angG, G, val, invC, invG, gamma, c, i, j);
    const double cd = rel * (foto.FlussoLamp[lampCalc] / 1000.0);
    if (!std::isfinite(cd)) {
        ctx.ErrCalcolo = true;
        return -1;
    }
    return cd;
}

}  // namespace nottaro
