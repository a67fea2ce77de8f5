#pragma once
// The points of the spacing/power chart, gathered from the rows the browser
// shows. Rows that share spacing, installed power per km and energy class
// would be drawn on one another: each such trio is one point, standing for
// the first of its rows, so a table of 65,000 rows draws only what can be
// seen. Nothing here touches a widget: a worker may gather them.
#include <QPointF>

#include <string>
#include <vector>

#include "store/TabellaDbf.h"

namespace nottaro::ui {

struct SerieGrafico {
    int ordine = 9;        // energy class, best first: 0 A++ ... 8 G, 9 anything else
    std::string classe;    // the class as the table holds it
    std::vector<QPointF> punti;  // spacing m, installed power W/km
    std::vector<int> righe;      // the shown row each point stands for
};

struct PuntiGrafico {
    std::vector<SerieGrafico> serie;  // by class, best first
    double xmin = 0, xmax = 0, ymin = 0, ymax = 0;
    bool Vuoto() const { return serie.empty(); }
    std::size_t Punti() const;
};

// From the rows `t` shows now.
PuntiGrafico RaccogliPunti(const TabellaDbf& t);
// The same rows read through a table of its own on `percorso`, filtered with
// `filtro` when `filtroAttivo`: the browser's table stays with the window
// thread. A file that does not open gives no points.
PuntiGrafico RaccogliPuntiDaFile(const std::string& percorso, const std::string& filtro, bool filtroAttivo);

}  // namespace nottaro::ui
