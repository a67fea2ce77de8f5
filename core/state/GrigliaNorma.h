#pragma once
// The road calculation grids the two standards lay down: the EN 13201 grid
// (first row half a step after the pole, 3 points across each lane, 10 rows
// up to 30 m, rows at most 3 m apart beyond) and the UNI 10439 grid (rows on
// the pole, 5 points, 10 rows up to 50 m, at most 5 m apart). The parameter
// dialog's choice and the Masterplan, which always uses the EN grid, set the
// design values from here.
#include "core/state/StatoProgetto.h"

namespace nottaro {

struct GrigliaNorma {
    int GrigliaEN;        // 1 EN 13201, 0 UNI 10439
    int NPtiCorsia;       // points across each lane
    int InterMaxGriglia;  // m, largest spacing with 10 rows
    int NPtiCorsia2;      // m, largest row distance beyond it (the glare observer's step)
};

inline constexpr GrigliaNorma GrigliaEN13201{1, 3, 30, 3};
inline constexpr GrigliaNorma GrigliaUNI10439{0, 5, 50, 5};

inline void ImpostaGriglia(StatoProgetto& s, const GrigliaNorma& g) {
    s.GrigliaEN = g.GrigliaEN;
    s.NPtiCorsia = g.NPtiCorsia;
    s.InterMaxGriglia = g.InterMaxGriglia;
    s.NPtiCorsia2 = g.NPtiCorsia2;
}

}  // namespace nottaro
