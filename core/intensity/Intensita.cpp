#include "core/intensity/Intensita.h"

#include <cmath>

namespace nottaro {

double Angolo2(double a, double b) {
    constexpr double pi = 3.14159265358979323846;
    if (b == 0) {
        if (a > 0) return pi / 2;
        if (a < 0) return 3 * pi / 2;
        return 0;
    }
    if (b > 0) return std::atan(a / b);
    return std::atan(a / b) + pi;
}

double Arrotonda(double x, int n) {
    const double scala = std::pow(10.0, n);
    const double v = x * scala;
    const double intero = std::trunc(v);
    if (v - intero > 0.5) return std::trunc(v + 1) / scala;
    return intero / scala;
}

namespace {

double GammaVerso(ContestoCalcolo& ctx, double xp, double yp, double xl, double yl, double s, double h) {
    const double dx = xl - xp;
    const double dy = (yl - s) - yp;
    const double d = std::sqrt(dx * dx + dy * dy + h * h);
    const double c = h / (1 * d);
    if (!std::isfinite(c)) {
        ctx.ErrCalcolo = true;
        return -1;
    }
    if (c > 1) {
        ctx.ErrCalcolo = true;
        return 89.999;
    }
    return Gradi(std::acos(c));
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
    if (inclina == 0) return Gradi(Angolo2(u, w));
    const double r2 = u * u + w * w;
    // Straight under the light centre: the tilt rotation alone fixes the
    // direction (gamma 0), so any C will do.
    if (r2 <= 0) return 0;
    const double c = u / std::sqrt(r2);
    if (!std::isfinite(c)) {
        ctx.ErrCalcolo = true;
        return -1;
    }
    if (c >= -1 && c <= 1) {
        const double t = Gradi(std::acos(c));
        return w > 0 ? 90 - t : 90 + t;
    }
    if (c > 1 && c < 1.1) return 90;
    if (c < -1 && c > -1.1) return w > 0 ? -90 : 270;
    ctx.ErrCalcolo = true;
    return 0.001;
}

void RuotaInclinazione(ContestoCalcolo& ctx, double gamma, double c, double inclina) {
    const double g = gamma * RadPerGrado, cr = c * RadPerGrado, t = inclina * RadPerGrado;
    RuotaInclinazioneSC(ctx, std::sin(g), std::cos(g), std::sin(cr), std::cos(cr), std::sin(t), std::cos(t));
}

double IntensitaLum(ContestoCalcolo& ctx, const Fotometria& foto, int lampCalc, double gamma, double c) {
    if (lampCalc < 0 || lampCalc >= MaxLampade) {
        ctx.ErrCalcolo = true;
        return -1;
    }
    const int N = foto.NumC, G = foto.NumG;
    const auto& T = foto.Intens;
    // Plain scans of the angle rows, as the reference for the indexed lookup.
    int j = 1;
    while (j <= G && !(T[0][j] >= gamma)) ++j;
    int i = 1;
    while (i <= N && !(T[i][0] >= c)) ++i;
    auto angC = [&T](int k) { return T[k][0]; };
    auto angG = [&T](int k) { return T[0][k]; };
    auto val = [&T](int pi, int gj) { return T[pi][gj]; };
    const double rel = dettaglio::InterpolaIntensita(angC, N, angG, G, val, gamma, c, i, j);
    const double cd = rel * (foto.FlussoLamp[lampCalc] / 1000.0);
    if (!std::isfinite(cd)) {
        ctx.ErrCalcolo = true;
        return -1;
    }
    return cd;
}

}  // namespace nottaro
