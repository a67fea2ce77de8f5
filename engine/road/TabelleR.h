#pragma once
// The six standard road-surface reflection tables (reduced luminance
// coefficient r x 10^4), indexed by ClassePav: 0 C1, 1 C2, 2 R1, 3 R2, 4 R3, 5 R4.
// T[0][1..20]: beta angles 0..180 degrees; T[1..29][0]: tan gamma 0..12
// (steps of 0.25 up to 2, then 0.5); T[i][j]: r x 10^4; cells the standard
// leaves empty hold 0.
#include <array>

namespace nottaro {

inline constexpr int RigheR = 30;
inline constexpr int ColonneR = 21;
using TabellaR = std::array<std::array<double, ColonneR>, RigheR>;

extern const std::array<TabellaR, 6> TabelleR;

}  // namespace nottaro
