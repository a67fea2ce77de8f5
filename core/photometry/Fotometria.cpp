#include "core/photometry/Fotometria.h"

#include <algorithm>

namespace nottaro {

void TabellaIntensita::Azzera(int righe, int colonne) {
    righe = std::clamp(righe, 0, Righe);
    colonne = std::clamp(colonne, 0, Colonne);
    for (int i = 0; i < righe; ++i) std::fill_n((*this)[i], colonne, 0.0);
}

}  // namespace nottaro
