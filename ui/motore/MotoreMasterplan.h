#pragma once
// The Masterplan window's calls into the batch: the data check, the full run
// from the workbook and the revision of table rows, each a job on a worker
// with its request and the window's Riscontro. The worker gets its own
// copies; the window takes the result back on its thread.
#include <memory>

#include "core/interaction/Riscontro.h"
#include "masterplan/CalcolaMasterplan.h"
#include "masterplan/OpzioniMP.h"
#include "masterplan/VerificaDati.h"
#include "masterplan/workbook/Cartella.h"

namespace nottaro::ui {

struct RichiestaMasterplan {
    enum class Tipo { Completa, Revisione };
    Tipo tipo = Tipo::Completa;
    std::shared_ptr<const mp::Foglio> foglio;  // the full run's sheet
    mp::MappaColonne mappa;
    mp::Correzioni correzioni;
    mp::OpzioniMP opzioni;
    mp::RisultatoMP tabella;  // the revision's table (a copy)
    int riga = 0;             // the revision's row, 1-based; 0 every row
    int thread = 0;           // 0: every core
};

// On a worker. A stopped revision leaves the rows it did not reach as they
// were (the table stays whole: Interrotto is the full run's cut).
mp::RisultatoMP EseguiMasterplan(RichiestaMasterplan richiesta, Riscontro& riscontro);

struct RichiestaVerificaMasterplan {
    std::shared_ptr<const mp::Foglio> foglio;
    mp::MappaColonne mappa;
    bool formatoXls = false;
    int lingua = 0;
};

// The data check on a worker; a stopped check comes back with Interrotta set.
mp::EsitoVerifica EseguiVerificaMasterplan(const RichiestaVerificaMasterplan& richiesta, Riscontro& riscontro);

}  // namespace nottaro::ui
