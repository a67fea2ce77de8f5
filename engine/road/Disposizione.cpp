#include "engine/road/Disposizione.h"

namespace nottaro {

bool DisponiApparecchi(const ParametriStrada& p, std::vector<Apparecchio>& app) {
    const double H = p.HPalo, S = p.Interdist, W = p.LargStrada;
    if (p.DispPali < 1 || p.DispPali > 6 || !(S > 0) || !(H > 0)) return false;
    app.clear();
    switch (p.DispPali) {
    case 1:
    case 2:
    case 3: {
        const double y = p.DispPali == 1 ? W : p.DispPali == 2 ? 0 : W / 2;
        const int nB = static_cast<int>(5 * H / S);
        int nA = static_cast<int>(12 * H / S);
        if (nA < 1) nA = 1;
        for (int b = 0; b < nB; ++b) app.push_back({-(nB - b) * S, y});
        for (int a = 0; a <= nA; ++a) app.push_back({a * S, y});
        break;
    }
    case 5:
        if (p.DoppioCentro) {
            int k = 1;
            do {
                app.push_back({-k * S, W / 2 + 0.01});
                app.push_back({-k * S, W / 2 - 0.01});
                ++k;
            } while (5 * H >= k * S);
            app.push_back({0, W / 2 + 0.01});
            app.push_back({0, W / 2 - 0.01});
            k = 1;
            do {
                app.push_back({k * S, W / 2 + 0.01});
                app.push_back({k * S, W / 2 - 0.01});
                ++k;
            } while (12 * H >= k * S);
            break;
        }
        [[fallthrough]];
    case 4: {
        // Staggered: the first side holds the pole at x = 0, the other side
        // sits half a spacing off.
        const double primo = p.DispPali == 4 ? W : 0, altro = p.DispPali == 4 ? 0 : W;
        int k = 1;
        do {
            app.push_back({-k * S, primo});
            app.push_back({-k * S + S / 2, altro});
            ++k;
        } while (5 * H >= k * S);
        app.push_back({0, primo});
        k = 1;
        do {
            app.push_back({k * S, primo});
            app.push_back({k * S - S / 2, altro});
            ++k;
        } while (12 * H >= k * S);
        break;
    }
    case 6: {
        int k = 1;
        do {
            app.push_back({-k * S, 0});
            app.push_back({-k * S, W});
            ++k;
        } while (5 * H >= k * S);
        app.push_back({0, 0});
        app.push_back({0, W});
        k = 1;
        do {
            app.push_back({k * S, 0});
            app.push_back({k * S, W});
            ++k;
        } while (12 * H >= k * S);
        break;
    }
    }
    return true;
}

}  // namespace nottaro
