#pragma once
// Direction from a luminaire to a point in the C-gamma system, the tilt
// rotation, and the luminous intensity read from the photometric record.
// Road coordinates: x along the road in the observers' direction of view,
// y across (0 on the right-hand edge), heights above the surface; metres.
// Angles are degrees at every interface.
#include <cmath>

#include "core/intensity/ArchiVeloci.h"
#include "core/photometry/Fotometria.h"

namespace nottaro {

// Per-evaluation context. ErrCalcolo is raised (never lowered) by the routines
// when a value cannot be formed; the caller decides and clears it.
// GammaRuot/CRuot hold the angles of the last tilt rotation.
struct ContestoCalcolo {
    bool ErrCalcolo = false;
    double GammaRuot = 0;
    double CRuot = 0;
};

inline constexpr double RadPerGrado = 3.14159265358979323846 / 180.0;

// rad * 57.29577951 (the program's fixed constant).
inline double Gradi(double rad) { return rad * 57.29577951; }
// Angle in radians of the vector (b, a): atan(a/b), quadrant-corrected into
// [-pi/2, 3pi/2); pi/2, 3pi/2 or 0 when b = 0.
double Angolo2(double a, double b);
// x to n decimals; an exact half goes down (truncation toward zero).
double Arrotonda(double x, int n);

// Gamma (degrees, 0..90) of the direction from the light centre (xl, yl - s, H)
// to the surface point (xp, yp). A cosine above 1 or a non-finite value
// raises ErrCalcolo and returns 89.999 (-1 for a non-finite value).
double CalcGamma(ContestoCalcolo&, double xp, double yp, double xl, double yl, double s, double H);
// Same towards an eye 1.5 m above the surface (H - 1.5 in place of H).
double CalcGammaOcchio(ContestoCalcolo&, double xp, double yp, double xl, double yl, double s, double H);
// C angle (degrees, -90 <= C < 270) of the direction from the light centre's
// foot to the point, before orientation. A point straight under the light
// centre gives 0 without error, tilted or not. With a tilt, a cosine outside
// (-1.1, 1.1) raises ErrCalcolo and returns 0.001.
double CalcC(ContestoCalcolo&, double xp, double yp, double xl, double yl, double s, double inclina);
// Turns (gamma, c) about the road axis by the tilt (degrees, positive lifts
// the C = 90 side); writes GammaRuot (0..180) and CRuot ([0, 360]). The arcs
// are those of ArchiVeloci.h, so that the rotation of many directions in one
// pass (DirezioniInclinabili.h) gives these very angles.
void RuotaInclinazione(ContestoCalcolo&, double gamma, double c, double inclina);
// The same from the sines and cosines of gamma, C and the tilt (radians taken
// as degrees x RadPerGrado), for callers that keep them across tilts: the
// result is bit-identical to RuotaInclinazione.
// Inline so that the per-point loops of the fast evaluations keep the
// rotated angles in registers instead of a call per lookup.
inline void RuotaInclinazioneSC(ContestoCalcolo& ctx, double sg, double cg, double sc, double cc, double st,
                                double ct) {
    double cosg = cg * ct + sg * st * sc;
    // Rounding can carry the cosine a few ulps past 1.
    if (cosg > 1) cosg = 1;
    if (cosg < -1) cosg = -1;
    ctx.GammaRuot = Gradi(AcosVeloce(cosg));
    const double Y = sg * sc * ct - cg * st;
    const double Z = sg * cc;
    double cn;
    if (Y > 0) cn = 90 - Gradi(AtanRapporto(Z, Y));
    else if (Y < 0) cn = -90 - Gradi(AtanRapporto(Z, Y));
    else if (Z == 0) cn = 90;
    else cn = Z > 0 ? 0 : 180;
    if (cn < 0) cn += 360;
    if (cn > 360) cn -= 360;
    ctx.CRuot = cn;
}

// Intensity in cd toward (gamma, c) of lamp set lampCalc: the cd/klm table
// interpolated (quadratic in C and gamma; linear across planes at the nadir)
// times FlussoLamp[lampCalc] / 1000. c in (0, 360] (0 allowed at gamma 0).
// A gamma beyond the last tabulated angle gives 0. Plain reference: linear
// scans of the angle rows. A non-finite result or a lamp set outside
// 0..MaxLampade-1 raises ErrCalcolo and returns -1.
double IntensitaLum(ContestoCalcolo&, const Fotometria&, int lampCalc, double gamma, double c);

namespace dettaglio {
// Interpolation shared by the plain and the indexed lookup, so that both give
// the same figures: i is the first plane with angle >= c (1..NumC+1),
// j the first gamma column with angle >= gamma (1..NumG+1).
// angC(k), k = 1..N, and angG(k), k = 1..G, the angles; val(i, j) the cd/klm
// of plane i at gamma column j; invC, invG the reciprocals of the weight
// denominators of the node triples (formed on the spot or kept).
template <class AngoliC, class AngoliG, class Valore, class InversiC, class InversiG>
double InterpolaIntensita(const AngoliC& angC, int N, const AngoliG& angG, int G, const Valore& val,
                          const InversiC& invC, const InversiG& invG, double gamma, double c, int i, int j);
}  // namespace dettaglio

}  // namespace nottaro

#include "core/intensity/InterpolaIntensita.inl"
