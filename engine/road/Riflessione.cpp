#include "engine/road/Riflessione.h"

#include <algorithm>
#include <cmath>

#include "core/intensity/InterpolaIntensita.inl"
#include "core/intensity/SenoCosenoVeloci.h"

namespace nottaro {

double CalcBeta(ContestoCalcolo& ctx, double xp, double yp, double xl, double yl, double xo, double yo, double s) {
    return formule::Beta(xp - xl, yp - (yl - s), xp - xo, yp - yo, ctx.ErrCalcolo);
}

namespace {

// r x 10^4 once the row rw (first tan gamma >= t) and the column col (first
// beta >= beta) are known; shared by the scan and the indexed search.
// invT(rw), invB(col): the weight reciprocals of the row and column triples.
template <class InversiT, class InversiB>
double InterpolaR(const TabellaR& T, const InversiT& invT, const InversiB& invB, double t, double beta, int rw,
                  int col) {
    using dettaglio::PesiLagrange;
    if (col < 20) {
        // The weights in tan gamma serve the three beta columns.
        const PesiLagrange pesiT(T[rw - 1][0], T[rw][0], T[rw + 1][0], invT(rw), t);
        double f[3];
        for (int k = 0; k < 3; ++k) {
            const int cc = col - 1 + k;
            f[k] = pesiT(T[rw - 1][cc], T[rw][cc], T[rw + 1][cc]);
        }
        return PesiLagrange(T[0][col - 1], T[0][col], T[0][col + 1], invB(col), beta)(f[0], f[1], f[2]);
    }
    // 165 < beta < 180: bilinear.
    auto lungoBeta = [&](int r) { return T[r][19] + (T[r][20] - T[r][19]) * (beta - T[0][19]) / (T[0][20] - T[0][19]); };
    const double fa = lungoBeta(rw - 1), fb = lungoBeta(rw);
    return fa + (fb - fa) * (t - T[rw - 1][0]) / (T[rw][0] - T[rw - 1][0]);
}

dettaglio::InversiLagrange InversiRiga(const TabellaR& T, int rw) {
    return dettaglio::InversiLagrange(T[rw - 1][0], T[rw][0], T[rw + 1][0]);
}
dettaglio::InversiLagrange InversiColonna(const TabellaR& T, int col) {
    return dettaglio::InversiLagrange(T[0][col - 1], T[0][col], T[0][col + 1]);
}

// Steps 1 to 4 of the coefficient; returns true with the final r in esito
// when they settle it, else leaves t for the interpolation.
bool CasiDiretti(const TabellaR& T, double gamma, double tanGamma, double& beta, double& t, double& esito) {
    if (beta == 0) beta = 0.001;
    if (beta == 180) beta = 179.999;
    if (gamma == 0) {
        esito = T[1][1] / 1e4;
        return true;
    }
    t = tanGamma;
    // A direction at or beyond the horizon reflects nothing.
    if (t > 12 || !(t > 0)) {
        esito = 0;
        return true;
    }
    if (t > 11) {
        if (beta >= 20) {
            esito = 0;
            return true;
        }
        int k = 1;
        while (k <= 6 && !(T[0][k] >= beta)) ++k;
        if (k < 2) k = 2;
        esito = (T[27][k - 1] - (T[27][k - 1] - T[27][k]) * (beta - T[0][k - 1]) / (T[0][k] - T[0][k - 1])) / 1e4;
        return true;
    }
    return false;
}

// Without a branch on r, so that the next coefficient of a block need not
// wait for this one's last division.
double Verifica(ContestoCalcolo& ctx, double r) {
    const bool finito = std::isfinite(r);
    ctx.ErrCalcolo = ctx.ErrCalcolo | !finito;
    return finito ? r : -1.0;
}

double TanGamma(double gamma) { return TanVeloce(gamma * RadPerGrado); }

}  // namespace

IndiceR::IndiceR(const TabellaR& t) : T(&t) {
    for (int rw = 1; rw + 1 < RigheR; ++rw) invT[rw] = InversiRiga(t, rw);
    for (int col = 1; col + 1 < ColonneR; ++col) invB[col] = InversiColonna(t, col);
    for (int g = 0; g < static_cast<int>(colDaGrado.size()); ++g) {
        int col = 1;
        while (col < ColonneR && !(t[0][col] >= g)) ++col;
        colDaGrado[g] = col;
    }
}

const std::array<IndiceR, 6>& IndiciR() {
    static const std::array<IndiceR, 6> indici{IndiceR(TabelleR[0]), IndiceR(TabelleR[1]), IndiceR(TabelleR[2]),
                                               IndiceR(TabelleR[3]), IndiceR(TabelleR[4]), IndiceR(TabelleR[5])};
    return indici;
}

double CoeffR(ContestoCalcolo& ctx, const TabellaR& T, double gamma, double beta) {
    double t = 0, r = 0;
    if (CasiDiretti(T, gamma, TanGamma(gamma), beta, t, r)) return Verifica(ctx, r);
    int rw = 0;
    while (rw < RigheR && !(T[rw][0] >= t)) ++rw;
    int col = 0;
    while (col < ColonneR && !(T[0][col] >= beta)) ++col;
    if (col < 2) col = 2;  // beta is at least 0.001
    if (col > 20) col = 20;
    auto invT = [&T](int k) { return InversiRiga(T, k); };
    auto invB = [&T](int k) { return InversiColonna(T, k); };
    return Verifica(ctx, InterpolaR(T, invT, invB, t, beta, rw, col) / 1e4);
}

namespace {

// The indexed coefficient, inlined into the block loop so that consecutive
// points overlap.
[[gnu::always_inline]] inline double CoeffRIndiceCorpo(ContestoCalcolo& ctx, const IndiceR& indice, double gamma,
                                                       double tanGamma, double beta) {
    const TabellaR& T = *indice.T;
    double t = 0, r = 0;
    if (CasiDiretti(T, gamma, tanGamma, beta, t, r)) return Verifica(ctx, r);
    // tan gamma rows: 0.25 apart up to 2 (row 9), then 0.5.
    int rw = t <= 2 ? 1 + static_cast<int>(std::ceil(t / 0.25)) : 9 + static_cast<int>(std::ceil((t - 2) / 0.5));
    rw = std::clamp(rw, 1, RigheR - 1);
    while (rw > 1 && T[rw - 1][0] >= t) --rw;
    while (rw < RigheR - 1 && !(T[rw][0] >= t)) ++rw;
    // The first column with angle >= beta, from the whole degree above it.
    const double grado = std::ceil(beta);
    int col = indice.colDaGrado[grado >= 0 ? (grado <= 181 ? static_cast<int>(grado) : 181) : 0];
    while (col > 1 && T[0][col - 1] >= beta) --col;
    while (col < ColonneR && !(T[0][col] >= beta)) ++col;
    if (col < 2) col = 2;
    if (col > 20) col = 20;
    const auto* iT = indice.invT.data();
    const auto* iB = indice.invB.data();
    auto invT = [iT](int k) { return iT[k]; };
    auto invB = [iB](int k) { return iB[k]; };
    return Verifica(ctx, InterpolaR(T, invT, invB, t, beta, rw, col) / 1e4);
}

}  // namespace

double CoeffRIndice(ContestoCalcolo& ctx, const IndiceR& indice, double gamma, double beta) {
    return CoeffRIndiceCorpo(ctx, indice, gamma, TanGamma(gamma), beta);
}

void CoeffRIndiceBlocco(ContestoCalcolo& ctx, const IndiceR& T, const double* gamma, const double* tanGamma,
                        const double* beta, std::size_t n, double* r) {
    // A local context, kept in a register: the error word of the caller's
    // would chain every coefficient to the one before through memory.
    ContestoCalcolo locale;
    for (std::size_t k = 0; k < n; ++k) r[k] = CoeffRIndiceCorpo(locale, T, gamma[k], tanGamma[k], beta[k]);
    if (locale.ErrCalcolo) ctx.ErrCalcolo = true;
}

}  // namespace nottaro
