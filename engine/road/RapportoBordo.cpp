#include "engine/road/RapportoBordo.h"

#include <algorithm>

#include "engine/road/IllumSoluzione.h"

namespace nottaro {

bool GrigliaStrisce(const ParametriStrada& p, double w, GrigliaStrada& g) {
    if (!CreaGriglia(p, g)) return false;
    const double W = p.LargStrada, passo = w / PuntiStriscia;
    double y[4 * PuntiStriscia];
    for (int k = 0; k < PuntiStriscia; ++k) {
        const double d = passo * (k + 0.5);  // distance from the edge
        y[k] = -d;
        y[PuntiStriscia + k] = d;
        y[2 * PuntiStriscia + k] = W - d;
        y[3 * PuntiStriscia + k] = W + d;
    }
    const int nLong = g.NPtiLong, nTrasv = 4 * PuntiStriscia;
    std::vector<double> xs(static_cast<std::size_t>(nLong));
    for (int i = 0; i < nLong; ++i) xs[static_cast<std::size_t>(i)] = g(i, 0).x;
    g.NPtiTrasv = nTrasv;
    g.Punti.resize(static_cast<std::size_t>(nLong) * nTrasv);
    for (int i = 0; i < nLong; ++i)
        for (int j = 0; j < nTrasv; ++j) g.Punti[static_cast<std::size_t>(i) * nTrasv + j] = {xs[static_cast<std::size_t>(i)], y[j]};
    return true;
}

namespace {

double MediaStriscia(const CampoIllum& c, int striscia) {
    double somma = 0;
    for (int i = 0; i < c.NPtiLong; ++i)
        for (int k = 0; k < PuntiStriscia; ++k) somma += c(i, striscia * PuntiStriscia + k);
    return somma / (static_cast<double>(c.NPtiLong) * PuntiStriscia);
}

// The strips' field with the plain lookup (the reference) ...
bool CampoStrisce(ContestoCalcolo& ctx, const Fotometria& foto, const ParametriStrada& p,
                  const std::vector<Apparecchio>& app, double w, LavoroBordo& l) {
    if (!GrigliaStrisce(p, w, l.griglia)) return false;
    StatisticheIllum stat;
    return IllumSoluzione(ctx, foto, p, app, l.griglia, l.campo, stat);
}

// ... and with the indexed one, its directions kept from tilt to tilt.
bool CampoStrisce(ContestoCalcolo& ctx, const RicercaIntensita& ricerca, const ParametriStrada& p,
                  const std::vector<Apparecchio>& app, double w, LavoroBordo& l) {
    return l.veloci.Calcola(ctx, ricerca, p, app, w, l.campo);
}

template <class Lookup>
bool EIRCon(ContestoCalcolo& ctx, const Lookup& lookup, const ParametriStrada& p, const std::vector<Apparecchio>& app,
            double largLaterale, LavoroBordo& l, double& eir) {
    const double w = LarghezzaStriscia(p.LargStrada, largLaterale);
    if (!(w > 0) || !CampoStrisce(ctx, lookup, p, app, w, l)) return false;
    const double fuoriDx = MediaStriscia(l.campo, 0), dentroDx = MediaStriscia(l.campo, 1);
    const double dentroSx = MediaStriscia(l.campo, 2), fuoriSx = MediaStriscia(l.campo, 3);
    const double dx = dentroDx > 0 ? fuoriDx / dentroDx : 0;
    const double sx = dentroSx > 0 ? fuoriSx / dentroSx : 0;
    eir = std::min(dx, sx);
    return true;
}

template <class Lookup>
bool StrisceCon(ContestoCalcolo& ctx, const Lookup& lookup, const ParametriStrada& p,
                const std::vector<Apparecchio>& app, double w, LavoroBordo& l, double& emDx, double& emSx) {
    if (!(w > 0) || !CampoStrisce(ctx, lookup, p, app, w, l)) return false;
    emDx = MediaStriscia(l.campo, 0);
    emSx = MediaStriscia(l.campo, 3);
    return true;
}

}  // namespace

double LarghezzaStriscia(double largStrada, double largLaterale) {
    double w = std::min(LargStrisciaMax, largStrada / 2);
    if (largLaterale > 0) w = std::min(w, largLaterale);
    return w;
}

bool CalcolaEIR(ContestoCalcolo& ctx, const RicercaIntensita& ricerca, const ParametriStrada& p,
                const std::vector<Apparecchio>& app, double largLaterale, LavoroBordo& lavoro, double& eir) {
    return EIRCon(ctx, ricerca, p, app, largLaterale, lavoro, eir);
}

bool CalcolaEIR(ContestoCalcolo& ctx, const Fotometria& foto, const ParametriStrada& p,
                const std::vector<Apparecchio>& app, double largLaterale, LavoroBordo& lavoro, double& eir) {
    return EIRCon(ctx, foto, p, app, largLaterale, lavoro, eir);
}

bool IllumStrisceLaterali(ContestoCalcolo& ctx, const RicercaIntensita& ricerca, const ParametriStrada& p,
                          const std::vector<Apparecchio>& app, double w, LavoroBordo& lavoro, double& emDx,
                          double& emSx) {
    return StrisceCon(ctx, ricerca, p, app, w, lavoro, emDx, emSx);
}

bool IllumStrisceLaterali(ContestoCalcolo& ctx, const Fotometria& foto, const ParametriStrada& p,
                          const std::vector<Apparecchio>& app, double w, LavoroBordo& lavoro, double& emDx,
                          double& emSx) {
    return StrisceCon(ctx, foto, p, app, w, lavoro, emDx, emSx);
}

}  // namespace nottaro
