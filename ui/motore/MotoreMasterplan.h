#pragma once
// The Masterplan window's calls into the batch: the full run from the
// workbook and the revision of table rows, each on a worker with the
// window's progress and stop flag. The worker gets its own copies; the
// window takes the result back on its thread.
#include <atomic>
#include <memory>

#include "core/interaction/Interazione.h"
#include "masterplan/CalcolaMasterplan.h"
#include "masterplan/OpzioniMP.h"
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

// On a worker. `ui` must already carry progress over to the window thread.
mp::RisultatoMP EseguiMasterplan(RichiestaMasterplan richiesta, Interazione& ui, const std::atomic<bool>& ferma);

}  // namespace nottaro::ui
