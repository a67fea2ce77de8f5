#pragma once
// Every call the results browser and the table view make into the engines:
// ranking and filtering of the open solution table, the detailed
// recomputation of one row, and the figures the table view shows, gathered
// into a value the window keeps (nothing of it stays in the design state).
#include <optional>
#include <string>
#include <vector>

#include "core/interaction/Interazione.h"
#include "core/state/StatoProgetto.h"
#include "store/soluzioni/BrowserSoluzioni.h"
#include "store/TabellaDbf.h"

namespace nottaro::ui {

// One calculation field as the tables show it.
struct CampoVista {
    std::vector<double> x;       // m, per row along the road
    std::vector<double> y;       // m, per point across
    std::vector<double> valori;  // (i, j) at i * y.size() + j
    double Valore(std::size_t i, std::size_t j) const { return valori[i * y.size() + j]; }
};

struct OsservatoreVista {
    double y = 0;                // m, the observer stands at (-60, y, 1.5)
    double Lm = 0, Uo = 0, Ul = 0;
    CampoVista luminanze;        // cd/m²
};

// What the table view shows of one recomputed solution.
struct VistaSoluzione {
    bool percorso = false;
    double HPalo = 0, Sbraccio = 0, Interdist = 0, Inclina = 0;
    double SolLm = 0, SolUo = 0, SolUl = 0, TICalc = 0;
    std::vector<OsservatoreVista> osservatori;  // road: one per lane, or the single UNI observer
    CampoVista illuminamenti;                   // lx
    double EmCalc = 0, EminCalc = 0, EmaxCalc = 0;
    std::optional<double> FattUtil;
    double LORL = 0, DFF = 0;                   // %, of the photometric record
    double larghezza = 0;                       // m, road or path width
    std::vector<double> centriX, centriY;       // light centres as the engine placed them
};

struct EsitoDettaglio {
    bool ok = false;          // false: nothing to show (message 140 already shown, or an error)
    std::string errore;       // the routine that raised a calculation error
    VistaSoluzione vista;
};

// Recomputes the current row of `t` (road or path, as the table's kind)
// and writes into the state what the chosen solution leaves there.
EsitoDettaglio CalcolaDettaglio(const TabellaDbf& t, StatoProgetto& s, Interazione& ui, bool percorso);

// The browser's filters and criteria (see BrowserSoluzioni.h).
std::vector<std::string> ScelteAltezze(const RiepilogoSweep& r);
std::vector<std::string> ScelteSbracci(const RiepilogoSweep& r);
EsitoTabella FiltraScelta(TabellaDbf& t, const SceltaBrowser& s, std::string& filtroCorrente);
EsitoTabella ApplicaCriterio(TabellaDbf& t, int voce, const SceltaBrowser& s, const RiepilogoSweep& r,
                             std::string& filtroCorrente);
void MostraOgniRiga(TabellaDbf& t, SceltaBrowser& s, std::string& filtroCorrente);

// Copies the bound table's file to `destinazione` through a temporary file
// in the same folder renamed over it, so a failure leaves an existing file
// as it was. Empty on success, else the reason.
std::string SalvaCopiaTabella(TabellaDbf& t, const std::string& destinazione);

}  // namespace nottaro::ui
