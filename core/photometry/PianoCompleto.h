#pragma once
// Full-circle photometry, for the readers only: a file that lists both C = 0
// and C = 360 gives the same direction twice.
#include <string>

#include "core/interaction/Interazione.h"
#include "core/photometry/Fotometria.h"

namespace nottaro {

// When the table's planes run from C = 0 to a last plane at C = 360, drops
// that last plane so that NumC counts distinct directions and no lookup
// meets a segment of zero width. If its intensities differ from the C = 0
// plane's by more than 1 % of the table's maximum, the C = 0 plane is kept
// and one warning naming the file is shown.
void TogliPiano360(Fotometria& foto, const std::string& path, Interazione& ui);

}  // namespace nottaro
