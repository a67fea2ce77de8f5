#include "ui/motore/MotoreMasterplan.h"

namespace nottaro::ui {

mp::RisultatoMP EseguiMasterplan(RichiestaMasterplan r, Interazione& ui, const std::atomic<bool>& ferma) {
    if (r.tipo == RichiestaMasterplan::Tipo::Completa)
        return mp::CalcolaMasterplan(*r.foglio, r.mappa, r.correzioni, r.opzioni, r.thread, &ui, &ferma);
    mp::RicalcolaRighe(r.tabella, r.riga, r.opzioni, r.thread, &ui, &ferma);
    return std::move(r.tabella);
}

}  // namespace nottaro::ui
