#pragma once
// Iso-lines of a calculation field for the printed plans: the levels worth
// drawing over a field's range and the line segments where the field,
// interpolated linearly between neighbouring points, takes each level.
// Positions are in the plan's own units (millimetres on the page).
#include <array>
#include <vector>

namespace nottaro {

// Round levels strictly inside (minimo, massimo): multiples of a step of 1,
// 2, 2.5 or 5 times a power of ten, at most `massimi` of them. None when
// the range is empty or not finite.
std::vector<double> LivelliIso(double minimo, double massimo, int massimi = 6);

struct SegmentoIso {
    std::array<double, 2> a, b;  // (x, y) of the two ends
};

// Segments of the level `livello` over a field of nx × ny values (value of
// point (i, j) at valori[i * ny + j]) standing at xs[i], ys[j]. Each square
// of four neighbouring points is cut where the level falls between its
// corners; a square whose opposite corners lie on opposite sides is
// resolved by the mean of its four values.
std::vector<SegmentoIso> SegmentiIso(const std::vector<double>& valori, const std::vector<double>& xs,
                                     const std::vector<double>& ys, double livello);

}  // namespace nottaro
