#pragma once
// Where the windows start printing: the table view's "&Identifica e Stampa
// Progetto" (the identification dialog with the solution it shows) and the
// browsers' "&Ridotta"/"&Completa" (the solution lists on a printer or PDF
// chosen in the print dialog).
#include <QString>

#include <functional>
#include <string>

#include "core/interaction/Interazione.h"
#include "core/state/StatoProgetto.h"
#include "report/DatiReport.h"
#include "report/ElencoSoluzioni.h"
#include "ui/motore/MotoreRisultati.h"

class QPrinter;
class QWidget;

namespace nottaro::ui {

// The evaluation the table view shows, as the report prints it.
void AggiungiVista(DatiReport& d, const VistaSoluzione& v);

// The class verdict, energy indicators, luminaire and calculation data of
// the design in `stato` (left out when it cannot be evaluated).
void AggiungiVerificaStato(DatiReport& d, const StatoProgetto& stato);

// Opens the identification dialog modally for the solution `v`.
void ApriIdentificazione(QWidget* genitore, StatoProgetto& stato, Interazione& ui, const VistaSoluzione& v);

// Prints the list of the solution table of the project kind in stato.DirProg
// under the browser's filter on `stampante` (its page range honoured), with
// a cancellable progress window; a cancelled PDF is removed. Errors (table,
// filter, printer) are shown through `ui`. Returns the result.
EsitoStampa StampaElencoSu(QPrinter& stampante, const StatoProgetto& stato, bool percorso, const std::string& filtro,
                           TipoElenco tipo, Interazione& ui, QWidget* genitore = nullptr);

// "&Ridotta"/"&Completa": the print dialog (`dialogo` in tests; the system's
// when not set), then StampaElencoSu.
void StampaElencoBrowser(QWidget* genitore, const StatoProgetto& stato, bool percorso, const std::string& filtro,
                         TipoElenco tipo, Interazione& ui, const std::function<bool(QPrinter&)>& dialogo = {});

}  // namespace nottaro::ui
