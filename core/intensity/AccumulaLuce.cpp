#include "core/intensity/AccumulaLuce.h"

#include "core/intensity/PerOgniVettore.h"

namespace nottaro {

NOTTARO_PER_OGNI_VETTORE
void AccumulaLuce(double* __restrict somma, const double* __restrict I, const double* __restrict k, std::size_t n,
                  double H2, double f) {
    for (std::size_t q = 0; q < n; ++q) somma[q] += I[q] * k[q] / H2 * f;
}

}  // namespace nottaro
