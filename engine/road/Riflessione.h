#pragma once
// Road-surface reflection: the beta angle between the planes of incidence and
// of observation, and the reduced luminance coefficient r of an r-table.
#include "core/intensity/Intensita.h"
#include "engine/road/TabelleR.h"

namespace nottaro {

// Beta (degrees, 0..180) at the point (xp, yp) between the direction from the
// light centre's foot (xl, yl - s) and the direction from the observer
// (xo, yo): 0 when the luminaire stands beyond the point in the line of sight.
// A point straight under the light centre gives 0 without error (r does not
// depend on beta there). An observer on the point, or a cosine outside
// (-1.1, 1.1), raises ErrCalcolo (result -1, 0.001).
double CalcBeta(ContestoCalcolo&, double xp, double yp, double xl, double yl, double xo, double yo, double s);

// r (the table value / 10^4) at (gamma, beta) in degrees: quadratic in
// tan gamma and in beta, bilinear beyond beta 165, linear in beta on the
// tan gamma = 11 row up to tan gamma 12, 0 beyond. Plain scans of the axes.
// A non-finite result raises ErrCalcolo and returns -1.
double CoeffR(ContestoCalcolo&, const TabellaR& T, double gamma, double beta);

// The same figures with the axes searched by index (a direct computation for
// the even tan gamma steps, binary search over the beta angles).
double CoeffRIndice(ContestoCalcolo&, const TabellaR& T, double gamma, double beta);

}  // namespace nottaro
