#include "ui/motore/MotoreMasterplan.h"

namespace nottaro::ui {

mp::RisultatoMP EseguiMasterplan(RichiestaMasterplan r, Riscontro& riscontro) {
    if (r.tipo == RichiestaMasterplan::Tipo::Completa)
        return mp::CalcolaMasterplan(*r.foglio, r.mappa, r.correzioni, r.opzioni, r.thread, riscontro);
    // A revision stopped keeps the rows it did not reach as they were; the
    // table is still whole, so it is not marked as cut.
    mp::RicalcolaRighe(r.tabella, r.riga, r.opzioni, r.thread, riscontro);
    return std::move(r.tabella);
}

mp::EsitoVerifica EseguiVerificaMasterplan(const RichiestaVerificaMasterplan& r, Riscontro& riscontro) {
    return mp::VerificaDati(*r.foglio, r.mappa, r.formatoXls, r.lingua, &riscontro);
}

}  // namespace nottaro::ui
