#pragma once
// Beta and tan gamma of a block of points at once, for the geometry a road
// evaluation keeps across tilts: the same figures as CalcBeta and the tangent
// inside CoeffR, several points per instruction.
#include <cstddef>

namespace nottaro {

// beta[k] at the points (xp[k], yp[k]), k < n, for the light centre's foot
// (xl, yl - s) and the observer (xo, yo), as CalcBeta forms it. True when
// some beta could not be formed.
bool BetaBlocco(const double* xp, const double* yp, std::size_t n, double xl, double yl, double s, double xo,
                double yo, double* beta);

// tanGamma[k] = tan(gamma[k] in radians), as CoeffR forms it.
void TanGammaBlocco(const double* gamma, std::size_t n, double* tanGamma);

}  // namespace nottaro
