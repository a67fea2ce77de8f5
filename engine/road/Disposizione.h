#pragma once
// Pole layout along the road for one arrangement, height and spacing: the
// poles up to 5 H before the field (which starts at the pole at x = 0) and up
// to 12 H after it.
#include <vector>

#include "engine/road/ParametriStrada.h"

namespace nottaro {

struct Apparecchio {
    double x = 0;  // pole foot along the road, m
    double y = 0;  // pole foot across: 0 right edge, W left edge, W/2 centre
};

// Rewrites apparecchi with the layout of p.DispPali, p.HPalo, p.Interdist,
// p.LargStrada (the overhang is applied by the callers). Returns false and
// leaves the list unchanged for an arrangement outside 1..6 or a spacing or
// height that is not positive. The list grows as needed.
bool DisponiApparecchi(const ParametriStrada& p, std::vector<Apparecchio>& apparecchi);

// Signed reach of a pole (light centre at y - s): -Sbraccio for a pole on the
// right edge (y = 0) of arrangements 2, 4, 5, 6, else Sbraccio.
// With DoppioCentro every pole below the centre line counts as right-hand.
inline double SbraccioSegnato(const ParametriStrada& p, const Apparecchio& a) {
    const bool lato = p.DoppioCentro ? a.y < p.LargStrada / 2 : a.y == 0;
    const bool destra = lato && (p.DispPali == 2 || p.DispPali == 4 || p.DispPali == 5 || p.DispPali == 6);
    return destra ? -p.Sbraccio : p.Sbraccio;
}

// A pole standing at y != 0 faces the -y side.
inline bool GuardaMenoY(const Apparecchio& a) { return a.y != 0; }
// The same, or with DoppioCentro every pole from the centre line up.
inline bool GuardaMenoY(const ParametriStrada& p, const Apparecchio& a) {
    return p.DoppioCentro ? !(a.y < p.LargStrada / 2) : GuardaMenoY(a);
}

}  // namespace nottaro
