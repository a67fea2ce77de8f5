#pragma once
// The road and path sweeps run with the plain reference evaluation (every
// pole, point and observer recomputed with the scanning lookups) on the same
// loop and the same rows as the real sweeps, so the two can be timed and
// their tables compared candidate for candidate; and a counting pass that
// tells how many intensity lookups a sweep's candidates ask for.
#include "core/state/StatoProgetto.h"
#include "engine/sweep/EsecuzioneSweep.h"

namespace nottaro::bench {

// OttimizzaStrada / OttimizzaArea with the plain evaluation (valutazionePiana).
RisultatoSweep OttimizzaStradaPiana(const RichiestaCalcolo& richiesta, DestinazioneRighe& righe, Riscontro& riscontro);
RisultatoSweep OttimizzaAreaPiana(const RichiestaCalcolo& richiesta, DestinazioneRighe& righe, Riscontro& riscontro);

// Intensity lookups the real sweep performs over all its candidates (quick
// estimate, lane lines, field, glare row, each as far as the candidate gets).
long long LookupStrada(const StatoProgetto& stato);
long long LookupArea(const StatoProgetto& stato);

}  // namespace nottaro::bench
