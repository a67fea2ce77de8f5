#pragma once
// Start-up of the desktop program.
#include <string>

class QApplication;

namespace nottaro {
struct StatoProgetto;
}

namespace nottaro::ui {

// Program folder and language: DirProg = `cartella`; the language from its
// ntr.cfg (a value it cannot take is warned of), or from the first-start
// dialog, which then writes ntr.cfg; the catalogue, the help file and Qt's
// own texts follow it.
void PreparaLingua(StatoProgetto& stato, const std::string& cartella);

// Qt's standard texts (buttons, file dialogs) in `lingua`.
void InstallaTraduzioniQt(int lingua);

// The whole program: start-up, main window, event loop; the exit status.
int EseguiProgramma(QApplication& app);

}  // namespace nottaro::ui
