#pragma once
// A calculation field as a CSV file. First the solution it belongs to, one
// "NAME [unit],value" line each (the solution table's field names, and the
// observer's lateral position for a luminance field); a blank line; then the
// grid: the quantity with its unit and "Y [m] \ X [m]" in the corner, the x
// of every row on that line, then per point across (the left-hand edge
// first, as the table shows it) its y and the values at full precision.
// Coordinates are rounded to the centimetre; "." decimals, CR LF.
#include <optional>
#include <string>

#include "ui/motore/MotoreRisultati.h"

namespace nottaro::ui {

struct SoluzioneCsv {
    double HPalo = 0, Sbraccio = 0, Interdist = 0, Inclina = 0;
    std::optional<double> osservatoreY;  // m, luminance fields only
    std::string grandezza;               // "L [cd/m²]", "E [lx]"
};

// The solution of `v` and the field's quantity: luminance of observer
// `osservatore`, or the illuminance when it is negative.
SoluzioneCsv SoluzioneDelCampo(const VistaSoluzione& v, int osservatore);

std::string TestoCsv(const CampoVista& c, const SoluzioneCsv& s);
// Writes TestoCsv to `percorso`; empty on success, else the reason.
std::string EsportaCsv(const CampoVista& c, const SoluzioneCsv& s, const std::string& percorso);

}  // namespace nottaro::ui
