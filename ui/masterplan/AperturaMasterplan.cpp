#include "ui/masterplan/AperturaMasterplan.h"

#include "ui/masterplan/TMasterPlan.h"

namespace nottaro::ui {

bool ApriFinestraMasterplan(const ContestoFinestra& c, const StatoProgetto& prima, int thread) {
    TMasterPlan finestra(c.stato, c.ui, c.genitore, prima);
    finestra.thread = thread;
    finestra.exec();
    return finestra.RigaPortata();
}

}  // namespace nottaro::ui
