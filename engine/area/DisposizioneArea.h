#pragma once
// Luminaire layout of a path: a fixed run of 12 positions around the
// calculation spacing 0..S (pairs for the double arrangements).
#include <vector>

#include "engine/area/ParametriArea.h"

namespace nottaro {

struct ApparecchioA {
    double x = 0;  // pole foot along the path, m
    double y = 0;  // pole foot across: 0 right edge, W left edge
};

// Rewrites app from p.DispPaliA, p.Interdist and p.LargStradaA:
//   1 left edge, 2 right edge, 3 centre line: 12 poles at x = (k - 5) S;
//   4 staggered: the same x, y = 0 for even k, W for odd k;
//   5 double centre: 12 pairs at x = (5 - k) S, y = W/2 + 0.01 then W/2 - 0.01;
//   6 both edges: 12 pairs at x = (5 - k) S, y = W then 0.
// Returns false and leaves app unchanged for an arrangement outside 1..6 or a
// spacing or width that is not positive.
bool DisponiApparecchiA(const ParametriArea& p, std::vector<ApparecchioA>& app);

// A pole on the far half (y >= W/2, the centre line included) reaches toward
// -y and faces the -y side; a pole on the near half reaches toward +y.
inline bool MetaLontana(const ParametriArea& p, const ApparecchioA& a) { return !(a.y < p.LargStradaA / 2); }

// Across position of the light centre: the overhang always reaches into the path.
inline double YTestaA(const ParametriArea& p, const ApparecchioA& a) {
    return MetaLontana(p, a) ? a.y - p.SbraccioA : a.y + p.SbraccioA;
}

}  // namespace nottaro
