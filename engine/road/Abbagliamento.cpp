#include "engine/road/Abbagliamento.h"

namespace nottaro {

void FilaAbbagliamento(const ParametriStrada& p, double x0, std::vector<CentroLuce>& fila) {
    fila.clear();
    const double S = p.Interdist, W = p.LargStrada, s = p.Sbraccio;
    if (p.DispPali < 1 || p.DispPali > 6 || !(S > 0)) return;
    const double limite = 500 + S;
    if (p.DispPali == 5 && p.DoppioCentro) {
        // Pairs on the centre line, each reaching toward its own side.
        for (int k = 0;; ++k) {
            fila.push_back({k * S, W / 2 + 0.01 - s, 1});
            fila.push_back({k * S, W / 2 - 0.01 + s, -1});
            if (k > 0 && !(std::abs(fila[fila.size() - 3].x - x0) <= limite)) break;
        }
        return;
    }
    if (p.DispPali == 6) {
        // Pairs facing each other; the row goes on while the second luminaire
        // of the previous pair lies within 500 m + S of x0.
        for (int k = 0;; ++k) {
            fila.push_back({k * S, s});
            fila.push_back({k * S, W - s});
            if (k > 0 && !(std::abs(fila[fila.size() - 3].x - x0) <= limite)) break;
        }
        return;
    }
    auto posizione = [&](int i) -> CentroLuce {
        switch (p.DispPali) {
        case 1: return {i * S, W - s};
        case 2: return {i * S, s};
        case 3: return {i * S, W / 2 + s};
        case 4: return {i * S / 2, i % 2 == 0 ? W - s : s};
        default: return {i * S / 2, i % 2 == 0 ? s : W - s};
        }
    };
    for (int i = 0;; ++i) {
        fila.push_back(posizione(i));
        if (i > 0 && !(std::abs(fila[fila.size() - 2].x - x0) <= limite)) break;
    }
}

}  // namespace nottaro
