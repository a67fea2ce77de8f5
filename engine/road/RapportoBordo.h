#pragma once
// Edge illuminance ratio EIR of a road solution: on each side of the
// carriageway, the mean horizontal illuminance on a strip just outside the
// edge over the mean on a strip of equal width just inside it; the smaller
// of the two sides. A road without surroundings lit tells a driver nothing of
// what stands at its edge, hence a minimum per class.
#include <vector>

#include "core/intensity/RicercaIntensita.h"
#include "engine/comune/CampoIllum.h"
#include "engine/road/Disposizione.h"
#include "engine/road/Griglia.h"
#include "engine/road/ParametriStrada.h"
#include "engine/road/StrisceBordoVeloci.h"

namespace nottaro {

// Points across each strip (centres of equal parts), as across a lane.
inline constexpr int PuntiStriscia = 3;
// The widest strip judged, m.
inline constexpr double LargStrisciaMax = 5.0;

// Width of the strips: the least of 5 m, half the carriageway and the
// unobstructed strip beside it (largLaterale m; 0 or less: not given).
double LarghezzaStriscia(double largStrada, double largLaterale);

// The strips' grid of width w: the field rows of the spacing (CreaGriglia),
// and across, right edge (y = 0) first, the columns outside right, inside
// right, inside left and outside left, PuntiStriscia points each. False when
// the field rows cannot be formed.
bool GrigliaStrisce(const ParametriStrada& p, double w, GrigliaStrada& g);

// Work arrays of one evaluation, reused from candidate to candidate.
struct LavoroBordo {
    GrigliaStrada griglia;
    CampoIllum campo;
    StrisceBordoVeloci veloci;  // the indexed lookup's directions, kept while only the tilt changes
};

// EIR of the solution p with poles app (feet, the overhang applied here as in
// the illuminance of the solution). The strips' rows are the field rows of
// the spacing (CreaGriglia). Returns false, with ErrCalcolo raised or the
// grid not formed, when the ratio cannot be computed; an inside strip in the
// dark gives EIR 0.
bool CalcolaEIR(ContestoCalcolo& ctx, const RicercaIntensita& ricerca, const ParametriStrada& p,
                const std::vector<Apparecchio>& app, double largLaterale, LavoroBordo& lavoro, double& eir);
// The same with the plain lookup of foto (the reference).
bool CalcolaEIR(ContestoCalcolo& ctx, const Fotometria& foto, const ParametriStrada& p,
                const std::vector<Apparecchio>& app, double largLaterale, LavoroBordo& lavoro, double& eir);

// Mean horizontal illuminance (lx) of the lit strips of width w beside the
// right (y < 0) and left (y > W) edges, as the strips of CalcolaEIR: the
// field rows, PuntiStriscia points across. They count as lit sub-areas of
// the power density. False as CalcolaEIR.
bool IllumStrisceLaterali(ContestoCalcolo& ctx, const RicercaIntensita& ricerca, const ParametriStrada& p,
                          const std::vector<Apparecchio>& app, double w, LavoroBordo& lavoro, double& emDx,
                          double& emSx);
bool IllumStrisceLaterali(ContestoCalcolo& ctx, const Fotometria& foto, const ParametriStrada& p,
                          const std::vector<Apparecchio>& app, double w, LavoroBordo& lavoro, double& emDx,
                          double& emSx);

}  // namespace nottaro
