#include "engine/road/RiflessioneBlocco.h"

#include "core/intensity/PerOgniVettore.h"
#include "core/intensity/SenoCosenoVeloci.h"
#include "engine/road/Riflessione.h"

namespace nottaro {

NOTTARO_PER_OGNI_VETTORE
bool BetaBlocco(const double* __restrict xp, const double* __restrict yp, std::size_t n, double xl, double yl,
                double s, double xo, double yo, double* __restrict beta) {
    unsigned errori = 0;
    for (std::size_t k = 0; k < n; ++k) {
        bool e = false;
        beta[k] = formule::Beta(xp[k] - xl, yp[k] - (yl - s), xp[k] - xo, yp[k] - yo, e);
        errori |= static_cast<unsigned>(e);
    }
    return errori != 0;
}

NOTTARO_PER_OGNI_VETTORE
void TanGammaBlocco(const double* __restrict gamma, std::size_t n, double* __restrict tanGamma) {
    for (std::size_t k = 0; k < n; ++k) tanGamma[k] = TanVeloce(gamma[k] * RadPerGrado);
}

}  // namespace nottaro
