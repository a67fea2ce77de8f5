#pragma once
// The sum every field of a candidate is made of: somma[q] += I[q] k[q] / H2 x f
// for a block of points (k the reflection or cosine factor, H2 the squared
// mounting height, f the maintenance factor), built for the widest vector
// unit of the machine. The products and quotient are formed in that order, as
// the per-point formulas form them, so the sums are the same to the last bit.
#include <cstddef>

namespace nottaro {

void AccumulaLuce(double* somma, const double* I, const double* k, std::size_t n, double H2, double f);

}  // namespace nottaro
