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

// The path values of the design state a candidate needs, geometry included,
// and the lamp set (the state's own photometry's LampSel unless given).
ParametriArea ParametriAreaDaStato(const StatoProgetto& s);
ParametriArea ParametriAreaDaStato(const StatoProgetto& s, int lampCalc);
RequisitiArea RequisitiAreaDaStato(const StatoProgetto& s);

// Runs the path sweep of the request into `righe`.
RisultatoSweep OttimizzaArea(const RichiestaCalcolo& richiesta, DestinazioneRighe& righe, Riscontro& riscontro);

}  // namespace nottaro
