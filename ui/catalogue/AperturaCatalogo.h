#pragma once
// Openers of the catalogue (single mode, from the main window) and of the
// luminaire list window, with what the main window does after each.
#include "ui/principale/FinestreCollegate.h"

namespace nottaro::ui {

// Message 429 when the program folder has no catalogue; otherwise the
// catalogue window, and a pick is loaded at once (CaricaSceltaCatalogo).
void ApriCatalogoPerFoto(const ContestoFinestra& c);

// The list window; the main window then shows the list (DopoElencoLdt).
void ApriFinestraElenco(const ContestoFinestra& c);

}  // namespace nottaro::ui
