#pragma once
// Opens the Masterplan window modally over the design state. `prima` is the
// state to put back when it closes (taken before the tab wrote the batch's
// options); returns whether a row was carried into the design.
#include "core/state/StatoProgetto.h"
#include "ui/principale/FinestreCollegate.h"

namespace nottaro::ui {

bool ApriFinestraMasterplan(const ContestoFinestra& c, const StatoProgetto& prima, int thread = 0);

}  // namespace nottaro::ui
