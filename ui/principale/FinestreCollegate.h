#pragma once
// The windows the main window opens but does not build itself. Each opener
// is empty until its window exists; the main window then keeps the command
// disabled with a tooltip saying it comes in a later version. Plugging a
// window in is one line in FinestreCollegate.cpp.
#include <functional>

#include "core/interaction/Interazione.h"
#include "core/state/StatoProgetto.h"

class QWidget;

namespace nottaro::ui {

struct ContestoFinestra {
    QWidget* genitore;     // the main window
    StatoProgetto& stato;  // the design state the window reads and writes
    Interazione& ui;       // messages on the window thread
};
using ApriFinestra = std::function<void(const ContestoFinestra&)>;

// "&Dati Fotometrici" (BitBtn5 and the Dati menu): the photometric viewer of
// the current record.
ApriFinestra ApriDatiFotometrici();
// BitBtn8: the luminaire catalogue. A pick sets FileFoto (and DaCatalogo,
// FlussoCatalogo); the main window then loads it as "&Carica LDT" does.
ApriFinestra ApriCatalogo();
// BitBtn7 and "C&arica Elenco LDT": the luminaire list window. A list left
// open sets FileLista; the main window then shows it.
ApriFinestra ApriElencoLdt();
// "C&onfigura Report di Stampa": the letterhead dialog.
ApriFinestra ApriConfiguraReport();
// The Masterplan tab's "&Masterplan" run, with its folders in the state.
ApriFinestra ApriMasterplan();

}  // namespace nottaro::ui
