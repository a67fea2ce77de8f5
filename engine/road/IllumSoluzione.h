#pragma once
// Maintained horizontal illuminance of a road solution over its luminance
// grid, for the detailed recomputation, the table view and the report.
#include <vector>

#include "core/intensity/RicercaIntensita.h"
#include "engine/comune/CampoIllum.h"
#include "engine/comune/FattUtil.h"
#include "engine/road/Disposizione.h"
#include "engine/road/Griglia.h"
#include "engine/road/ParametriStrada.h"

namespace nottaro {

// Sizes campo to the grid and adds, for every pole of app (in order) and every
// grid point, I cos^3(gamma) / HPalo^2 x Deprezz: gamma unrotated, I with the
// tilt rotation, the poles' signed reach and orientation of the road layout.
// Then stat gets EmCalc (average), EminCalc and EmaxCalc over the points (lx).
// Returns false as soon as ErrCalcolo is raised (stat unchanged), and without
// raising it when g holds fewer points than its counts say.
// This overload is the plain reference (intensity by linear scans).
bool IllumSoluzione(ContestoCalcolo& ctx, const Fotometria& foto, const ParametriStrada& p,
                    const std::vector<Apparecchio>& app, const GrigliaStrada& g, CampoIllum& campo,
                    StatisticheIllum& stat);
// The same with the indexed lookup (the same figures to the last bit).
bool IllumSoluzione(ContestoCalcolo& ctx, const RicercaIntensita& ricerca, const ParametriStrada& p,
                    const std::vector<Apparecchio>& app, const GrigliaStrada& g, CampoIllum& campo,
                    StatisticheIllum& stat);

// Utilisation factor of a road solution from its illuminance field.
inline std::optional<double> FattUtilStrada(const CampoIllum& campo, const ParametriStrada& p, double flusso) {
    return FattUtil(campo, p.Interdist, p.LargStrada, ApparecchiPerInterdistStrada(p.DispPali), flusso);
}

}  // namespace nottaro
