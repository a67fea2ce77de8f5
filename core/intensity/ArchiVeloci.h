#pragma once
// Arc tangent and arc cosine without branches, for the loops that turn every
// luminaire-point direction by the tilt: the compiler can run them several
// directions at a time. Both agree with the C library's functions to a few
// units in the last place (the classic rational approximations for double
// precision, peak relative error about 2e-16 after range reduction). Every
// angle of the program is formed with them, so that a direction formed alone
// and the same direction formed in a block give the very same bits.
#include <cmath>

namespace nottaro {

// atan(y / x) for x != 0, without forming y / x first: the range reduction
// and the quotient share one division. |y| + |x| must not overflow (the
// program passes unit vector components and distances in metres).
inline double AtanRapporto(double y, double x) {
    constexpr double PiMezzi = 1.57079632679489661923, PiQuarti = 7.85398163397448309616e-1;
    constexpr double BitInPiu = 6.123233995736765886130e-17;  // pi/2 minus its double
    constexpr double Tan3PiOttavi = 2.41421356237309504880;
    const double ay = std::fabs(y), ax = std::fabs(x);
    // |y/x| beyond tan(3 pi / 8) by the complement, beyond 0.66 about pi/4.
    const bool grande = ay > Tan3PiOttavi * ax;
    const bool medio = ay > 0.66 * ax;
    const double num = grande ? -ax : medio ? ay - ax : ay;
    const double den = grande ? ay : medio ? ay + ax : ax;
    const double r = num / den;
    const double base = grande ? PiMezzi : medio ? PiQuarti : 0.0;
    const double extra = grande ? 0.5 * BitInPiu : medio ? 0.25 * BitInPiu : 0.0;
    const double z = r * r;
    const double p = (((-8.750608600031904122785e-1 * z - 1.615753718733365076637e1) * z -
                       7.500855792314704667340e1) * z - 1.228866684490136173410e2) * z -
                     6.485021904942025371773e1;
    const double q = ((((z + 2.485846490142306297962e1) * z + 1.650270098316988542046e2) * z +
                       4.328810604912902668951e2) * z + 4.853903996359136964868e2) * z +
                     1.945506571482613964425e2;
    const double a = base + ((r * (z * p / q) + r) + extra);
    return (y < 0) != (x < 0) ? -a : a;
}

inline double AtanVeloce(double x) { return AtanRapporto(x, 1.0); }

// arccos x, x in [-1, 1]: through the arcsine of a half-angle argument near
// +-1, so that one rational serves the whole range.
inline double AcosVeloce(double x) {
    constexpr double Pi = 3.14159265358979323846, PiQuarti = 7.85398163397448309616e-1;
    constexpr double BitInPiu = 6.123233995736765886130e-17;
    const bool alto = x > 0.5, basso = x < -0.5;
    // One square root for both ends: 1 - |x| is 1 - x above, 1 + x below.
    const double radice = std::sqrt(0.5 * (1.0 - std::fabs(x)));
    const double a = std::fabs(x) > 0.5 ? radice : x;
    // arcsin a = a + a^3 P(a^2) / Q(a^2), |a| <= 0.5.
    const double zz = a * a;
    const double p = ((((4.253011369004428248960e-3 * zz - 6.019598008014123785661e-1) * zz +
                        5.444622390564711410273e0) * zz - 1.626247967210700244449e1) * zz +
                      1.956261983317594739197e1) * zz - 8.198089802484824371615e0;
    const double q = ((((zz - 1.474091372988853791896e1) * zz + 7.049610280856842141659e1) * zz -
                       1.471791292232726029859e2) * zz + 1.395105614657485689735e2) * zz -
                     4.918853881490881290097e1;
    const double as = a * (zz * p / q) + a;
    const double medio = ((PiQuarti - as) + BitInPiu) + PiQuarti;
    return alto ? 2.0 * as : basso ? Pi - 2.0 * as : medio;
}

}  // namespace nottaro
