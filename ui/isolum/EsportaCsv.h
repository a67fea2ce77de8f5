#pragma once
// A calculation field as a CSV file: "Y/X" and the x of every row on the
// first line, then per point across (the left-hand edge first, as the table
// shows it) its y and the values at full precision; "." decimals, CR LF.
#include <string>

#include "ui/motore/MotoreRisultati.h"

namespace nottaro::ui {

std::string TestoCsv(const CampoVista& c);
// Writes TestoCsv to `percorso`; empty on success, else the reason.
std::string EsportaCsv(const CampoVista& c, const std::string& percorso);

}  // namespace nottaro::ui
