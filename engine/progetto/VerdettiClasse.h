#pragma once
// The class verdict of a stored solution row, for the results browser: the
// row's figures go through the same routine as evaluate and the report
// (GiudicaClasse), and each criterion is shown on the table column of the
// figure it judges, so a row kept by "All results" shows which figure misses
// the class and by how much.
#include <functional>
#include <optional>
#include <string_view>
#include <vector>

#include "engine/progetto/GiudizioProgetto.h"

namespace nottaro {

// The solution-table field a criterion judges ("Lm" -> "LUMINA", a path's
// "Em" -> "EM", ...); nullptr for a criterion of no column.
const char* CampoCriterio(std::string_view criterio, bool percorso);

// The figure of a field of the row, nullopt when the row has none.
using LetturaCampo = std::function<std::optional<double>(const char* campo)>;

// The verdict of one stored row. A figure the row lacks reads as not a
// number, and fails every criterion that judges it.
std::vector<Criterio> GiudicaRiga(const RequisitiClasse& r, const LetturaCampo& campo);

}  // namespace nottaro
