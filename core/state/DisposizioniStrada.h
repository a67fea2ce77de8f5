#pragma once
// The road arrangements beyond the six single-row and edge layouts: pairs of
// luminaires on the centre line, each facing its own half of the carriageway.
namespace nottaro {

// Road arrangement with a double row at the centre line (`DispPali`).
inline constexpr int DispDoppioCentro = 7;
inline constexpr int DispPaliMax = DispDoppioCentro;

// The catalogue message naming a road arrangement; 0 for none chosen or
// a value outside the known ones.
constexpr int MsgDisposizioneStrada(int disp) {
    if (disp >= 1 && disp <= 6) return 17 + disp;
    return disp == DispDoppioCentro ? 2002 : 0;
}

}  // namespace nottaro
