#pragma once
// Plain transcription of the road luminance routines: every pole, point and
// observer recomputed from scratch with the scanning intensity lookup and
// r-table search. This is the reference the fast evaluation is checked
// against; it is not meant for sweeps.
#include "core/intensity/Intensita.h"
#include "engine/road/CampoStrada.h"

namespace nottaro::riferimento {

// Maintained luminance (cd/m2) at (xp, yp) from one pole seen by the observer
// (xo, yo): I r / H^2 x Deprezz. ErrCalcolo raised: the value is meaningless.
double LuminanzaPalo(ContestoCalcolo&, const Fotometria&, const ParametriStrada&, const Apparecchio&, double xp,
                     double yp, double xo, double yo);

// Adds every pole into the field of observer k; sets LmOss[k], UoOss[k].
// False (figures unset) when ErrCalcolo is raised.
bool LumOsservatore(ContestoCalcolo&, const Fotometria&, const ParametriStrada&, CampoStrada&, int k, double xo,
                    double yo);
// Luminance along the centre line of lane k for the observer (xo, yo); sets UlOss[k].
bool UlOsservatore(ContestoCalcolo&, const Fotometria&, const ParametriStrada&, CampoStrada&, int k, double xo,
                   double yo);
// Largest single-pole luminance of the pole at x = 0 on the first field row;
// 0 without such a pole, -1 when ErrCalcolo is raised.
double StimaRapida(ContestoCalcolo&, const Fotometria&, const ParametriStrada&, const CampoStrada&, double xo,
                   double yo);

// The whole candidate as the sweep runs it: layout, grid, observers, quick
// estimate, Ul over the lanes, Lm and Uo, TI over the lanes. With soglie the
// sweep's early exits and acceptance apply; without, every figure is computed.
RisultatoStrada ValutaStrada(const Fotometria&, const ParametriStrada&, const SoglieStrada* soglie, CampoStrada&);

}  // namespace nottaro::riferimento
