#pragma once
// Sine, cosine and tangent without branches, the companions of ArchiVeloci.h
// for the loops over luminaire-point pairs. For the angles of this program
// (|x| up to a few turns; the quadrant count must fit an int) the error is
// about one unit in the last place, and about 1e-31 absolute next to the
// zeros of the function (pi/2 is carried in three parts, not exactly).
#include <cmath>

namespace nottaro {

inline void SinCosVeloce(double x, double& seno, double& coseno) {
    // x = j pi/2 + r, |r| <= pi/4: j rounded to nearest by the 1.5 x 2^52
    // shift, r formed with pi/2 in three parts so that it stays exact.
    constexpr double DuePiGreco = 0.63661977236758134308;  // 2 / pi
    constexpr double Spinta = 6755399441055744.0;
    constexpr double P1 = 2 * 7.85398125648498535156e-1, P2 = 2 * 3.77489470793079817668e-8,
                     P3 = 2 * 2.69515142907905952645e-15;
    const double j = (x * DuePiGreco + Spinta) - Spinta;
    const double r = ((x - j * P1) - j * P2) - j * P3;
    const double zz = r * r;
    const double sr = r + r * zz * (((((1.58962301576546568060e-10 * zz - 2.50507477628578072866e-8) * zz +
                                       2.75573136213857245213e-6) * zz - 1.98412698295895385996e-4) * zz +
                                     8.33333333332211858878e-3) * zz - 1.66666666666666307295e-1);
    const double cr = (1.0 - 0.5 * zz) + zz * zz * (((((-1.13585365213876817300e-11 * zz +
                                                        2.08757008419747316778e-9) * zz -
                                                       2.75573141792967388112e-7) * zz +
                                                      2.48015872888517045348e-5) * zz -
                                                     1.38888888888730564116e-3) * zz +
                                                    4.16666666666665929218e-2);
    // Quadrant j mod 4: (sin, cos) = (sr, cr), (cr, -sr), (-sr, -cr), (-cr, sr).
    const int q = static_cast<int>(j) & 3;
    const double s0 = (q & 1) ? cr : sr, c0 = (q & 1) ? sr : cr;
    seno = (q & 2) ? -s0 : s0;
    coseno = ((q + 1) & 2) ? -c0 : c0;
}

inline double CosVeloce(double x) {
    double s, c;
    SinCosVeloce(x, s, c);
    return c;
}

inline double TanVeloce(double x) {
    double s, c;
    SinCosVeloce(x, s, c);
    return s / c;
}

}  // namespace nottaro
