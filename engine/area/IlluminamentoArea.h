#pragma once
// Maintained horizontal illuminance of a path for one geometry: every
// luminaire of the layout at every grid point, E += I cos^3(gamma) / H^2 x DeprezzA.
#include <cmath>
#include <optional>
#include <vector>

#include "core/intensity/DirezioneLuce.h"
#include "core/intensity/DirezioniInclinabili.h"
#include "core/intensity/Intensita.h"
#include "core/intensity/RicercaIntensita.h"
#include "engine/comune/CampoIllum.h"
#include "engine/comune/FattUtil.h"
#include "engine/area/DisposizioneArea.h"
#include "engine/area/GrigliaArea.h"
#include "engine/area/ParametriArea.h"

namespace nottaro {

// C oriented for a path luminaire: C <= 0 is brought into (0, 360], then a
// far-half luminaire turns it by 180 degrees (C = 90 always points across the
// path, away from the luminaire's own edge). The result lies in [0, 360].
inline double OrientaCA(double c, bool lontana) {
    if (c <= 0) c += 360;
    if (lontana) {
        c += 180;
        if (c >= 360) c -= 360;
    }
    return c;
}

// Gamma (unrotated, degrees) and oriented C of the direction from luminaire a
// to the point (xp, yp), with the C form the tilt asks for. False, with
// ErrCalcolo raised, when either angle cannot be formed.
inline bool AngoliA(ContestoCalcolo& ctx, const ParametriArea& p, const ApparecchioA& a, double xp, double yp,
                    double& gamma, double& c) {
    // Light centre at y - s in the shared angle routines.
    const double s = a.y - YTestaA(p, a);
    gamma = CalcGamma(ctx, xp, yp, a.x, a.y, s, p.HPaloA);
    const double c0 = CalcC(ctx, xp, yp, a.x, a.y, s, p.InclinaA);
    if (ctx.ErrCalcolo) return false;
    c = OrientaCA(c0, MetaLontana(p, a));
    return true;
}

// Intensity (cd) toward (gamma, c) with the luminaire's tilt applied.
template <class Lookup>
double IntensitaA(ContestoCalcolo& ctx, const Lookup& lookup, double inclina, double gamma, double c) {
    if (inclina == 0) return lookup(ctx, gamma, c);
    RuotaInclinazione(ctx, gamma, c, inclina);
    return lookup(ctx, ctx.GammaRuot, ctx.CRuot);
}

// One luminaire and one point: unrotated gamma, oriented C, intensity.
template <class Lookup>
bool DirezioneA(ContestoCalcolo& ctx, const Lookup& lookup, const ParametriArea& p, const ApparecchioA& a, double xp,
                double yp, DirezioneLuce& d) {
    if (!AngoliA(ctx, p, a, xp, yp, d.Gamma, d.C)) return false;
    d.I = IntensitaA(ctx, lookup, p.InclinaA, d.Gamma, d.C);
    return !ctx.ErrCalcolo;
}

// Plain reference (intensity by linear scans of the record, every angle
// recomputed): AzzeraIllum to the grid's size, then every luminaire (in
// layout order) at every point, then the statistics. Returns false as soon as
// ErrCalcolo is raised (stat then left unchanged; the field is partial).
bool CalcolaIllum(ContestoCalcolo& ctx, const Fotometria& foto, const ParametriArea& p, const GrigliaArea& g,
                  const std::vector<ApparecchioA>& app, CampoIllum& campo, StatisticheIllum& stat);
// The same with the indexed lookup (same figures).
bool CalcolaIllum(ContestoCalcolo& ctx, const RicercaIntensita& ricerca, const ParametriArea& p, const GrigliaArea& g,
                  const std::vector<ApparecchioA>& app, CampoIllum& campo, StatisticheIllum& stat);

// The compliance test of the last evaluation: Em within [EmMin, EmMin (1 +
// ErrEm/100)], Emin/Em >= UeMin/100 and Emin >= EminMin.
bool VerificaClasseA(const StatisticheIllum& stat, const RequisitiArea& req);

// Work of one path evaluation, reused candidate after candidate: grid, layout,
// field and the tilt-independent geometry of every luminaire-point pair.
// Nothing is allocated once the arrays have grown to the largest candidate.
class LavoroArea {
public:
    // Grid and layout for p's spacing, width, arrangement and grid choice; call
    // when any of them changes (the sweep: once per spacing). On a status
    // other than Ok nothing can be evaluated until the next Ok.
    EsitoA Prepara(const ParametriArea& p);

    // AzzeraIllum + CalcolaIllum on the prepared grid and layout with the
    // indexed lookup. Gamma, both C forms, cos^3 gamma and the sines and
    // cosines the tilt rotation needs are reused from the previous call when
    // height and overhang are unchanged, so a tilt sweep only turns the
    // angles (all pairs in one pass) and looks up. Gives the figures of the
    // plain CalcolaIllum. False with ErrCalcolo raised on a calculation error,
    // or without it when the last Prepara failed or p changed what Prepara
    // used.
    bool Valuta(ContestoCalcolo& ctx, const RicercaIntensita& ricerca, const ParametriArea& p);

    const GrigliaArea& Griglia() const { return griglia_; }
    const std::vector<ApparecchioA>& Apparecchi() const { return app_; }
    const CampoIllum& Campo() const { return campo_; }
    const StatisticheIllum& Statistiche() const { return stat_; }

private:
    bool PreparaGeometria(ContestoCalcolo& ctx, const ParametriArea& p);

    GrigliaArea griglia_;
    std::vector<ApparecchioA> app_;
    CampoIllum campo_;
    StatisticheIllum stat_;
    bool pronto_ = false;
    ParametriArea preparati_;  // what the grid and layout were built from

    // Per pair (luminaire-major, then the grid's row-major order), kept while
    // height and overhang stay: the directions and cos^3 gamma. An angle that
    // cannot be formed marks every candidate that needs it: gamma all of
    // them, the tilted C the tilted ones.
    bool geoValida_ = false, errGamma_ = false, errInclinata_ = false;
    double hGeo_ = 0, sbrGeo_ = 0;
    DirezioniInclinabili dir_;
    std::vector<double> cos3_;
    IntensitaInclinate inclinate_;
    std::vector<double> iCoppia_;  // intensity per pair of the candidate in hand
    // Block work arrays: the grid's points and the forming of one luminaire's directions.
    std::vector<double> xs_, ys_;
    FormaDirezioni forma_;
};

// Utilisation factor of a path solution from its illuminance field.
inline std::optional<double> FattUtilArea(const CampoIllum& campo, const ParametriArea& p, double flusso) {
    return FattUtil(campo, p.Interdist, p.LargStradaA, ApparecchiPerInterdistArea(p.DispPaliA), flusso);
}

}  // namespace nottaro
