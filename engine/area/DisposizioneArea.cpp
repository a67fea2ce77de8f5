#include "engine/area/DisposizioneArea.h"

#include <cmath>

namespace nottaro {

bool DisponiApparecchiA(const ParametriArea& p, std::vector<ApparecchioA>& app) {
    const double S = p.Interdist, W = p.LargStradaA;
    if (p.DispPaliA < 1 || p.DispPaliA > 6 || !(S > 0) || !(W > 0) || !std::isfinite(S) || !std::isfinite(W))
        return false;
    app.clear();
    for (int k = 0; k < 12; ++k) {
        const double avanti = (k - 5) * S, indietro = (5 - k) * S;
        switch (p.DispPaliA) {
        case 1: app.push_back({avanti, W}); break;
        case 2: app.push_back({avanti, 0}); break;
        case 3: app.push_back({avanti, W / 2}); break;
        case 4: app.push_back({avanti, k % 2 == 0 ? 0 : W}); break;
        case 5:
            // The 1 cm gap gives each luminaire of the pair its own side.
            app.push_back({indietro, W / 2 + 0.01});
            app.push_back({indietro, W / 2 - 0.01});
            break;
        case 6:
            app.push_back({indietro, W});
            app.push_back({indietro, 0});
            break;
        }
    }
    return true;
}

}  // namespace nottaro
