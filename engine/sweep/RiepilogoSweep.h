#pragma once
// Keeping the run summary up to date as rows are stored.
#include <vector>

#include "core/state/RiepilogoSweep.h"
#include "store/LayoutTabelle.h"

namespace nottaro {

// Positions, in a row without NUM, of the fields the summary reads.
struct IndiciRiepilogo {
    int HPALO = -1, SBRACCIO = -1, INTER = -1, INDICER = -1, INDICEI = -1, POTENZAKM = -1, NPALI = -1,
        RISPMANUTE = -1, RISPMANUTA = -1, BREAKEVEN = -1;
};
// From a table layout whose first field is NUM.
IndiciRiepilogo IndiciDaLayout(const Layout& layout);

// Takes one stored row (values without NUM) into the summary.
void AggiornaRiepilogo(RiepilogoSweep& r, const IndiciRiepilogo& ind, const std::vector<ValoreCampo>& valori);

}  // namespace nottaro
