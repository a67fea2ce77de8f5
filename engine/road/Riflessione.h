#pragma once
// Road-surface reflection: the beta angle between the planes of incidence and
// of observation, and the reduced luminance coefficient r of an r-table.
#include <array>
#include <cmath>
#include <cstddef>

#include "core/intensity/ArchiVeloci.h"
#include "core/intensity/Intensita.h"
#include "engine/road/TabelleR.h"

namespace nottaro {

namespace formule {
// Beta from v1 (light centre's foot to the point) and v2 (observer to the
// point), without branches: the text CalcBeta and the block of RiflessioneBlocco.h share.
inline double Beta(double v1x, double v1y, double v2x, double v2y, bool& errore) {
    const double m1 = std::sqrt(v1x * v1x + v1y * v1y), m2 = std::sqrt(v2x * v2x + v2y * v2y);
    const bool sottoLuce = (m1 == 0) & (m2 != 0);
    const double m = m1 * m2;
    const bool nullo = !sottoLuce & (m == 0);
    const double c = (v1x * v2x + v1y * v2y) / m;
    const bool nonFinito = !sottoLuce & !nullo & !std::isfinite(c);
    const bool dentro = (c >= -1) & (c <= 1);
    const bool quasiSopra = (c > 1) & (c < 1.1), quasiSotto = (c < -1) & (c > -1.1);
    const bool fuori = !sottoLuce & !nullo & !nonFinito & !dentro & !quasiSopra & !quasiSotto;
    errore = errore | nullo | nonFinito | fuori;
    const double b = 180 - Gradi(AcosVeloce(c));
    // The cases in rising precedence, each overriding the ones before.
    double r = 0.001;
    r = quasiSotto ? 0.0 : r;
    r = quasiSopra ? 180.0 : r;
    r = dentro ? b : r;
    r = (nullo | nonFinito) ? -1.0 : r;
    r = sottoLuce ? 0.0 : r;
    return r;
}
}  // namespace formule

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

// An r-table ready for the indexed coefficient: the reciprocals of the
// weight denominators of its node triples (tan gamma rows rw - 1, rw, rw + 1
// at rw; beta columns col - 1, col, col + 1 at col) are kept.
struct IndiceR {
    const TabellaR* T = nullptr;
    std::array<dettaglio::InversiLagrange, RigheR> invT{};
    std::array<dettaglio::InversiLagrange, ColonneR> invB{};
    // colDaGrado[g]: the first beta column (from 1) whose angle is >= g
    // degrees, the column of every beta in (g - 1, g] when the table's beta
    // angles are whole degrees (the search settles it otherwise).
    std::array<int, 182> colDaGrado{};
    explicit IndiceR(const TabellaR& t);
};
// The six standard tables, indexed once and never changed.
const std::array<IndiceR, 6>& IndiciR();

// The same figures as CoeffR with the axes searched by index (a direct
// computation for the even tan gamma steps, a start column per whole degree
// of beta) and the kept reciprocals.
double CoeffRIndice(ContestoCalcolo&, const IndiceR& T, double gamma, double beta);
// r[k] = CoeffRIndice(ctx, T, gamma[k], beta[k]) for k < n, with tan gamma
// already formed (TanGammaBlocco), once for every observer.
void CoeffRIndiceBlocco(ContestoCalcolo&, const IndiceR& T, const double* gamma, const double* tanGamma,
                        const double* beta, std::size_t n, double* r);

}  // namespace nottaro
