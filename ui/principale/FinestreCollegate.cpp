#include "ui/principale/FinestreCollegate.h"

#include "ui/catalogue/AperturaCatalogo.h"
#include "ui/photometry/TEulumdat.h"
#include "ui/masterplan/AperturaMasterplan.h"
#include "ui/report/TPersonal.h"

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
