#pragma once
// Keeping the run summary up to date as rows are stored.
#include "core/state/RiepilogoSweep.h"
#include "engine/sweep/RigheSoluzione.h"

namespace nottaro {

// Takes one stored row into the summary.
void AggiornaRiepilogo(RiepilogoSweep& r, const DatiRiga& riga);

}  // namespace nottaro
