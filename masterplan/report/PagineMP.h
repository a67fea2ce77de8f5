#pragma once
// The Masterplan's own pages: the data page with the MIN and MAX solutions
// side by side ("RIEPILOGO") and the page of the strips beside the road.
#include "masterplan/report/ProgettoMP.h"
#include "report/PaginaReport.h"

namespace nottaro::mp {

// The row's design, both solutions' geometry and results (the real TI),
// the luminaire with its photograph and polar diagram, and the two files.
void StampaDatiMP(PaginaReport& pg, const ProgettoMP& p);

// The carriageway band with the strips beside it and the illuminance of
// every strip point, then a result block per strip (left at 15 mm, right at
// 100 mm). The plans' solution, or solution 1 when no plans are printed.
void StampaAreeLaterali(PaginaReport& pg, const ProgettoMP& p);

// Whether the strip page has anything to show: a road row with a strip
// width above 0 whose points were computed.
bool HaAreeLaterali(const ProgettoMP& p);

}  // namespace nottaro::mp
