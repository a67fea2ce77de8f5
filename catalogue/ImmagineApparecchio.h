#pragma once
// The luminaire picture of the catalogue's data sheet: which file, and where
// it stands in the 180 x 180 pixel box.
#include <string>

namespace nottaro {

inline constexpr int LatoRiquadroImmagine = 180;

struct RiquadroImmagine {
    int x = 0, y = 0;           // offset inside the box, pixels
    int larghezza = 0, altezza = 0;
};

// A picture of w x h pixels fitted into the box keeping its aspect ratio
// (whole pixels, fractions cut off) and centred: one smaller than the box on
// both sides is enlarged until a side reaches 180, one wider or taller is
// reduced. 360 x 90 gives 180 x 45 at y 67; 60 x 120 gives 90 x 180 at x 45.
// A picture without area gives an empty frame at the box's corner.
RiquadroImmagine AdattaImmagine(int w, int h);

// dirProg/img/<filefoto> when FILEFOTO is set, names a file of img (no folder
// part, letter case ignored) and that file exists; "" otherwise.
std::string PercorsoImmagine(const std::string& dirProg, const std::string& filefoto);

// The placeholder shown when a luminaire has no picture: dirProg/img/ND.jpg
// ("" when missing).
std::string PercorsoImmagineMancante(const std::string& dirProg);

}  // namespace nottaro
