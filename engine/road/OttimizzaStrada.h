#pragma once
// The road optimisation sweep: every height, spacing, overhang and tilt of
// the design state's ranges, for every lamp set and list file asked for,
// evaluated with the luminance field and the glare of the road engine; the
// candidates that meet the class (all of them with TuttiRisultati) go to the
// open NTRLUX table with their energy and cost figures.
//
// Per candidate: the quick estimate is computed but rejects nothing (a single
// pole says too little once its neighbours add their light); Ul over the
// lanes (below UlMin: dropped unless TuttiRisultati); Lm and Uo (outside
// LmMin .. LmMin (1 + ErrLm/100) or below UoMin: dropped unless
// TuttiRisultati); TI over the lanes. A calculation error at any step drops
// the candidate, also in the glare step: a solution of unknown glare is not
// offered.
#include "engine/road/ParametriStrada.h"
#include "engine/sweep/EsecuzioneSweep.h"

namespace nottaro {

// The road values of the design state a candidate needs (arrangement, road,
// surface, grid, observers, maintenance factor, geometry) and the lamp set
// (the state's own photometry's LampSel unless given).
ParametriStrada ParametriStradaDaStato(const StatoProgetto& s);
ParametriStrada ParametriStradaDaStato(const StatoProgetto& s, int lampCalc);

// Runs the road sweep of the request into `righe`.
RisultatoSweep OttimizzaStrada(const RichiestaCalcolo& richiesta, DestinazioneRighe& righe, Riscontro& riscontro);

}  // namespace nottaro
