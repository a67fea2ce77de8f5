#pragma once
// The path (cycle/pedestrian) optimisation sweep: every height, spacing,
// overhang and tilt of the design state's ranges, for every lamp set and list
// file asked for, evaluated with the illuminance field; the geometries that
// meet the class (all of them with TuttiRisultati) go to the open NTRLUXA
// table with their energy and cost figures. A geometry whose evaluation
// raises a calculation error is dropped.
#include "engine/area/ParametriArea.h"
#include "engine/sweep/EsecuzioneSweep.h"

namespace nottaro {

// The path values of the design state a candidate needs; the geometry is the caller's.
ParametriArea ParametriAreaDaStato(const StatoProgetto& s);
RequisitiArea RequisitiAreaDaStato(const StatoProgetto& s);

// Runs the path sweep on `tabella` (open NTRLUXA, emptied by the caller).
RisultatoSweep OttimizzaArea(const StatoProgetto& stato, TabellaDbf& tabella, Interazione& ui,
                             const OpzioniOttimizza& opz);

}  // namespace nottaro
