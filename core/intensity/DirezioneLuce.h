#pragma once
// The calling order of one luminaire and one point, shared by every luminance,
// illuminance and glare routine: gamma and C of the direction, the luminaire's
// orientation, the tilt rotation and the intensity.
#include "core/intensity/Intensita.h"

namespace nottaro {

struct DirezioneLuce {
    double Gamma = 0;  // unrotated gamma (degrees): incidence, cosine law, r-table
    double C = 0;      // oriented C (degrees, (0, 360]) before the tilt rotation
    double I = 0;      // intensity toward the point (cd), tilt applied
};

// C brought into (0, 360] after the orientation: a luminaire facing the -y
// side sees the direction turned by 180 degrees.
inline double OrientaC(double c, bool versoMenoY) {
    if (versoMenoY) {
        c += 180;
        if (c >= 360) c -= 360;
    }
    if (c <= 0) c += 360;
    return c;
}

// Light centre at (xl, yl - s, H) (s the signed reach), point (xp, yp) on the
// surface. lookup(ctx, gamma, c) is IntensitaDiretta or RicercaIntensita.
// Returns false, with ErrCalcolo raised, when gamma or C cannot be formed;
// the intensity may still raise it (check ctx.ErrCalcolo after use).
template <class Lookup>
bool CalcolaDirezione(ContestoCalcolo& ctx, const Lookup& lookup, double xp, double yp, double xl, double yl,
                      double s, double H, double inclina, bool versoMenoY, DirezioneLuce& esito) {
    esito.Gamma = CalcGamma(ctx, xp, yp, xl, yl, s, H);
    const double c = CalcC(ctx, xp, yp, xl, yl, s, inclina);
    if (ctx.ErrCalcolo) return false;
    esito.C = OrientaC(c, versoMenoY);
    if (inclina == 0) {
        esito.I = lookup(ctx, esito.Gamma, esito.C);
    } else {
        RuotaInclinazione(ctx, esito.Gamma, esito.C, inclina);
        esito.I = lookup(ctx, ctx.GammaRuot, ctx.CRuot);
    }
    return !ctx.ErrCalcolo;
}

}  // namespace nottaro
