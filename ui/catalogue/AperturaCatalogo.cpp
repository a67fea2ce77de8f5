#include "ui/catalogue/AperturaCatalogo.h"

#include "catalogue/CaricaScelta.h"
#include "core/i18n/Messaggi.h"
#include "ui/catalogue/TElencoldt.h"
#include "ui/catalogue/Tcatalogue.h"

namespace nottaro::ui {

void ApriCatalogoPerFoto(const ContestoFinestra& c) {
    if (FileCatalogo(c.stato.DirProg).empty()) {
        c.ui.Avviso(Msg(429));
        return;
    }
    Tcatalogue finestra(c.stato.DirProg, false, c.ui, c.genitore);
    finestra.exec();
    if (finestra.Scelta()) CaricaSceltaCatalogo(c.stato, *finestra.Scelta(), c.ui);
}

void ApriFinestraElenco(const ContestoFinestra& c) {
    TElencoldt finestra(c.stato, c.ui, c.genitore);
    finestra.exec();
}

}  // namespace nottaro::ui
