#include "engine/road/IllumSoluzione.h"

#include "core/intensity/DirezioneLuce.h"

namespace nottaro {

namespace {

template <class Lookup>
bool IllumSoluzioneCon(ContestoCalcolo& ctx, const Lookup& lookup, const ParametriStrada& p,
                       const std::vector<Apparecchio>& app, const GrigliaStrada& g, CampoIllum& campo,
                       StatisticheIllum& stat) {
    AzzeraIllum(campo, g.NPtiLong, g.NPtiTrasv);
    const double H = p.HPalo, D = p.Deprezz * p.FattRiduzione;
    const std::size_t nPunti = static_cast<std::size_t>(g.NPtiLong) * g.NPtiTrasv;
    if (g.Punti.size() < nPunti) return false;
    DirezioneLuce d;
    for (const auto& a : app) {
        const double s = SbraccioSegnato(p, a);
        const bool versoMenoY = GuardaMenoY(p, a);
        for (std::size_t k = 0; k < nPunti; ++k) {
            const auto& q = g.Punti[k];
            if (!CalcolaDirezione(ctx, lookup, q.x, q.y, a.x, a.y, s, H, p.Inclina, versoMenoY, d)) return false;
            campo.Illum[k] += IllumOrizzontale(d.I, d.Gamma, H, D);
        }
    }
    stat = CalcolaStatisticheIllum(campo);
    return true;
}

}  // namespace

bool IllumSoluzione(ContestoCalcolo& ctx, const Fotometria& foto, const ParametriStrada& p,
                    const std::vector<Apparecchio>& app, const GrigliaStrada& g, CampoIllum& campo,
                    StatisticheIllum& stat) {
    return IllumSoluzioneCon(ctx, IntensitaDiretta{foto, p.LampCalc}, p, app, g, campo, stat);
}

bool IllumSoluzione(ContestoCalcolo& ctx, const RicercaIntensita& ricerca, const ParametriStrada& p,
                    const std::vector<Apparecchio>& app, const GrigliaStrada& g, CampoIllum& campo,
                    StatisticheIllum& stat) {
    return IllumSoluzioneCon(ctx, ricerca, p, app, g, campo, stat);
}

}  // namespace nottaro
