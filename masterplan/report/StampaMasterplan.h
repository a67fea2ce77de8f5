#pragma once
// The two Masterplan documents on any paged device (a printer or a PDF):
// one lighting project per printable table row, and the photometric data of
// the luminaires the result uses.
#include <string>
#include <vector>

#include "masterplan/report/ProgettoMP.h"
#include "report/StampaProgetto.h"

class QPagedPaintDevice;

namespace nottaro::mp {

struct EsitoStampaMP {
    EsitoStampa stampa;                // pages drawn, cancelled, pictures, error
    int progetti = 0;                  // projects (or photometric files) printed
    std::vector<std::string> nonStampate;  // "row - identifier - street: reason"
};

// Called before each printable row with its place among them (1-based) and
// their count; false stops the document after the pages drawn.
using AvanzamentoRighe = std::function<bool(int riga, int righe)>;

// Per project: presentation (with the footer in the standard format), data
// page, the plans when the row gives its spacing (or with "Tab. Lm/Em se
// MIN/MAX", solution 2's), the strip page; footers "page - project number".
// A row whose file cannot be read or whose solution cannot be computed again
// is left out and named.
EsitoStampaMP StampaMasterplan(QPagedPaintDevice& dispositivo, const std::vector<RigaTabellaMP>& righe,
                               const OpzioniMP& o, const OpzioniStampaMP& s, const AmbienteStampaMP& a,
                               const AvanzamentoRighe& avanzamento = {});

// Per table row with a file in "Fotometrica2" (else "Fotometrica1"): the
// luminaire's data page and its intensity table in blocks of 32 C planes by
// 75 gamma angles, one page each; footers "page - " through the document.
EsitoStampaMP StampaTabFotometriche(QPagedPaintDevice& dispositivo, const std::vector<RigaTabellaMP>& righe,
                                    const OpzioniStampaMP& s, const AmbienteStampaMP& a, int lingua,
                                    const AvanzamentoRighe& avanzamento = {});

// Both as PDF files (A4, the report library's PDF path).
EsitoStampaMP StampaMasterplanPdf(const std::string& file, const std::vector<RigaTabellaMP>& righe,
                                  const OpzioniMP& o, const OpzioniStampaMP& s, const AmbienteStampaMP& a,
                                  const AvanzamentoRighe& avanzamento = {});
EsitoStampaMP StampaTabFotometrichePdf(const std::string& file, const std::vector<RigaTabellaMP>& righe,
                                       const OpzioniStampaMP& s, const AmbienteStampaMP& a, int lingua,
                                       const AvanzamentoRighe& avanzamento = {});

// The rows left out, one per line after message 1993 ("" when none).
std::string TestoNonStampate(const EsitoStampaMP& e, int lingua);

}  // namespace nottaro::mp
