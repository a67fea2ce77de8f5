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

// The figure of the row a criterion reads, by the criterion's name ("Lm",
// "Uo", "Ul", "TI", "EIR", "Em", "Emin"); nullopt when the row has none. The
// caller finds the figure's column through the solution-row schema.
using LetturaFigura = std::function<std::optional<double>(std::string_view criterio)>;

// The verdict of one stored row. A figure the row lacks reads as not a
// number, and fails every criterion that judges it.
std::vector<Criterio> GiudicaRiga(const RequisitiClasse& r, const LetturaFigura& figura);

}  // namespace nottaro
