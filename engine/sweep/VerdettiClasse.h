#pragma once
// The class requirements of a design as a list of criteria, each judging one
// column of the solution table: what the browser colours pass/fail, so a row
// kept by "All results" shows which figure misses the class and by how much.
// A criterion with no requirement (0 in the design) is not in the list.
#include <optional>
#include <string>
#include <vector>

#include "core/state/StatoProgetto.h"

namespace nottaro {

struct CriterioClasse {
    std::string nome;               // as the designer reads it: "Lm", "Uo", "Ul", "TI", "Em", "Emin"
    std::string campo;              // solution-table field it judges
    std::optional<double> minimo;   // in the table's unit (uniformities as ratios)
    std::optional<double> massimo;
    bool Soddisfatto(double valore) const;
};

// Road: Lm within LmMin .. LmMin (1 + ErrLm/100), Uo and Ul at least their
// minimum, TI at most TiMax. Path: Em within EmMin .. EmMin (1 + ErrEm/100),
// Emin at least EminMin, Emin/Em at least UeMin.
std::vector<CriterioClasse> CriteriClasse(const StatoProgetto& s, bool percorso);

}  // namespace nottaro
