#pragma once
// The batch run over a project workbook: every row with a known application
// becomes a table row with its result word and its two solutions. Rows are
// independent: workers take whole rows, and the table is the same on any
// number of threads. Nothing writes the workbook or the design state.
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/interaction/Riscontro.h"
#include "masterplan/ColonneMP.h"
#include "masterplan/FileLdtMP.h"
#include "masterplan/SoluzioniMP.h"
#include "masterplan/TabellaMP.h"

namespace nottaro::mp {

struct RigaTabellaMP {
    CelleRiga Celle;
    RigaMP Origine;              // the texts the row was run from (LR17/00 as given)
    bool DaVerificare = false;   // "0 Risultati", "LDT mancante" or "Dati mancanti"
    std::optional<DatiRigaMP> Dati;  // the numbers it was evaluated with
    EsitoRigaMP Esito;
};

struct RisultatoMP {
    std::vector<RigaTabellaMP> Righe;
    int DaVerificare = 0;
    bool Interrotto = false;     // stopped: only the finished rows are here
    bool Pronto = false;         // no row to check
    std::string TestoFine;       // the end message
    std::shared_ptr<ArchivioLdt> Archivio;  // the photometric files the rows point into
};

// The numbers of a row, or the note that stops it ("Dati mancanti", "LDT
// mancante"). Matching file names are looked up in the archive, which must
// already hold them (Carica) for the evaluation.
std::optional<DatiRigaMP> PreparaRiga(const RigaMP& r, const ArchivioLdt& archivio, std::string& nota);

// One row: its evaluation and its table cells (column 0 left empty).
RigaTabellaMP EseguiRiga(const RigaMP& r, const ArchivioLdt& archivio, const OpzioniMP& o);

// The full run from the sheet (with the check's corrections). thread <= 0
// uses every core. `riscontro` gets the progress (rows done, rows to check,
// time left); its stop request ends the run after the rows in hand.
RisultatoMP CalcolaMasterplan(const Foglio& foglio, const MappaColonne& m, const Correzioni& corr,
                              const OpzioniMP& o, int thread, Riscontro& riscontro);
// Nobody to tell and no stop.
RisultatoMP CalcolaMasterplan(const Foglio& foglio, const MappaColonne& m, const Correzioni& corr,
                              const OpzioniMP& o, int thread);

// Runs table row `riga` (1-based; 0 = every row) again from the table's own
// cells, writing back into the same row(s). `riscontro` as for
// CalcolaMasterplan: a stop leaves the rows not reached as they were, and
// returns false.
bool RicalcolaRighe(RisultatoMP& ris, int riga, const OpzioniMP& o, int thread, Riscontro& riscontro);
void RicalcolaRighe(RisultatoMP& ris, int riga, const OpzioniMP& o, int thread = 1);

// Writes the end message and the counts from the rows.
void ChiudiRisultato(RisultatoMP& ris, int lingua);

}  // namespace nottaro::mp
