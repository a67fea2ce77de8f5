#include "core/photometry/Fotometria.h"

#include <algorithm>

namespace nottaro {

void TabellaIntensita::Dimensiona(int numC, int numG) {
    Cambia();
    numC_ = std::max(numC, 0);
    numG_ = std::max(numG, 0);
    angC_.assign(static_cast<std::size_t>(numC_), 0.0);
    angG_.assign(static_cast<std::size_t>(numG_), 0.0);
    val_.assign(static_cast<std::size_t>(numC_) * static_cast<std::size_t>(numG_), 0.0);
    // A smaller table read after a larger one gives its memory back.
    angC_.shrink_to_fit();
    angG_.shrink_to_fit();
    val_.shrink_to_fit();
}

void TabellaIntensita::Azzera() {
    Cambia();
    std::fill(angC_.begin(), angC_.end(), 0.0);
    std::fill(angG_.begin(), angG_.end(), 0.0);
    std::fill(val_.begin(), val_.end(), 0.0);
}

}  // namespace nottaro
