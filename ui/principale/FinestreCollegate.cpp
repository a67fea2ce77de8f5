#include "ui/principale/FinestreCollegate.h"

#include "ui/catalogo/AperturaCatalogo.h"
#include "ui/fotometria/TEulumdat.h"
#include "ui/masterplan/AperturaMasterplan.h"
#include "ui/stampa/TPersonal.h"

namespace nottaro::ui {

// Replace `return {};` with the window's opener when it lands, e.g.
//   return [](const ContestoFinestra& c) { TEulumdat(c.stato, c.ui, c.genitore).exec(); };
ApriFinestra ApriDatiFotometrici() { return [](const ContestoFinestra& c) { TEulumdat(c.stato, c.ui, c.genitore).exec(); }; }
ApriFinestra ApriCatalogo() { return ApriCatalogoPerFoto; }
ApriFinestra ApriElencoLdt() { return ApriFinestraElenco; }
ApriFinestra ApriConfiguraReport() { return [](const ContestoFinestra& c) { TPersonal(c.stato, c.ui, c.genitore).exec(); }; }
ApriFinestra ApriMasterplan() {
    return [](const ContestoFinestra& c) { ApriFinestraMasterplan(c, c.stato); };
}

}  // namespace nottaro::ui
