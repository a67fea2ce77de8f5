#include "engine/sweep/VerdettiClasse.h"

#include <cmath>

namespace nottaro {

bool CriterioClasse::Soddisfatto(double valore) const {
    if (!std::isfinite(valore)) return false;
    // The table keeps few decimals: a figure the sweep accepted at the bound
    // must not read as failing once stored.
    const auto margine = [](double limite) { return 1e-9 * std::max(1.0, std::abs(limite)); };
    if (minimo && valore < *minimo - margine(*minimo)) return false;
    if (massimo && valore > *massimo + margine(*massimo)) return false;
    return true;
}

std::vector<CriterioClasse> CriteriClasse(const StatoProgetto& s, bool percorso) {
    std::vector<CriterioClasse> c;
    const auto finestra = [&](const char* nome, const char* campo, double minimo, double eccesso) {
        if (minimo > 0) c.push_back({nome, campo, minimo, minimo * (1 + eccesso / 100)});
    };
    const auto almeno = [&](const char* nome, const char* campo, double minimo) {
        if (minimo > 0) c.push_back({nome, campo, minimo, std::nullopt});
    };
    if (percorso) {
        finestra("Em", "EM", s.EmMin, s.ErrEm);
        almeno("Emin", "EMIN", s.EminMin);
        almeno("Uo", "UO", s.UeMin / 100);
    } else {
        finestra("Lm", "LUMINA", s.LmMin, s.ErrLm);
        almeno("Uo", "UNIFG", s.UoMin / 100);
        almeno("Ul", "UNIFL", s.UlMin / 100);
        if (s.TiMax > 0) c.push_back({"TI", "TI", std::nullopt, s.TiMax});
    }
    return c;
}

}  // namespace nottaro
