#pragma once
// The angle formulas of one luminaire and one point, written without
// branches so that the same text serves the per-pair routines (CalcGamma,
// CalcC, Angolo2) and the loops that form a whole block of pairs at once:
// both give the very same bits. A value that cannot be formed raises errore
// (never lowers it) and gives the routine's fallback value.
#include <cmath>

#include "core/intensity/ArchiVeloci.h"
#include "core/intensity/Intensita.h"

namespace nottaro::formule {

inline constexpr double Pi = 3.14159265358979323846;

// Angle in radians of the vector (b, a): atan(a/b), quadrant-corrected into
// [-pi/2, 3pi/2); pi/2, 3pi/2 or 0 when b = 0.
inline double Angolo2(double a, double b) {
    const double t = AtanRapporto(a, b);
    const double suAsse = a > 0 ? Pi / 2 : a < 0 ? 3 * Pi / 2 : 0.0;
    return b > 0 ? t : b < 0 ? t + Pi : suAsse;
}

// Gamma (degrees) toward a point dx, dy away on the surface from the foot of
// a light centre h above it: 89.999 when the cosine exceeds 1, -1 when it is
// not finite.
inline double Gamma(double dx, double dy, double h, bool& errore) {
    const double d = std::sqrt(dx * dx + dy * dy + h * h);
    const double c = h / (1 * d);
    const bool nonFinito = !std::isfinite(c);
    const bool oltre = !nonFinito & (c > 1);
    errore = errore | nonFinito | oltre;
    const double g = Gradi(AcosVeloce(c));
    return nonFinito ? -1.0 : oltre ? 89.999 : g;
}

// C (degrees) of the untilted form from u across and w along the road.
inline double CPiana(double u, double w) { return Gradi(Angolo2(u, w)); }

// C (degrees) of the tilted form: from the arccos of u / r, with a tolerance
// of 0.1 past +-1; 0.001 and an error beyond. Straight under the light centre
// 0: the tilt rotation alone fixes that direction (gamma 0), any C will do.
inline double CInclinata(double u, double w, bool& errore) {
    const double r2 = u * u + w * w;
    const bool sotto = r2 <= 0;
    const double c = u / std::sqrt(r2);
    const bool nonFinito = !sotto & !std::isfinite(c);
    const bool dentro = (c >= -1) & (c <= 1);
    const double t = Gradi(AcosVeloce(c));
    const double normale = w > 0 ? 90 - t : 90 + t;
    const double sopra = 90.0, sottoMeno = w > 0 ? -90.0 : 270.0;
    const bool quasiSopra = (c > 1) & (c < 1.1), quasiSotto = (c < -1) & (c > -1.1);
    const bool fuori = !sotto & !nonFinito & !dentro & !quasiSopra & !quasiSotto;
    errore = errore | nonFinito | fuori;
    // The cases in rising precedence, each overriding the ones before.
    double r = 0.001;
    r = quasiSotto ? sottoMeno : r;
    r = quasiSopra ? sopra : r;
    r = dentro ? normale : r;
    r = nonFinito ? -1.0 : r;
    r = sotto ? 0.0 : r;
    return r;
}

}  // namespace nottaro::formule
