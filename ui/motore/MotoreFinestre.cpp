#include "ui/motore/MotoreFinestre.h"

#include "core/interaction/Riscontro.h"
#include "engine/area/OttimizzaArea.h"
#include "engine/road/OttimizzaStrada.h"
#include "engine/sweep/RichiestaCalcolo.h"
#include "store/soluzioni/RigaDbf.h"
#include "store/TabellaDbf.h"

namespace nottaro::ui {

EsitoOttimizza EseguiOttimizzazione(const RichiestaOttimizza& richiesta, Riscontro& riscontro) {
    EsitoOttimizza esito;
    TabellaDbf tabella;
    tabella.Collega(richiesta.cartella, richiesta.percorso ? "NTRLUXA" : "NTRLUX");
    esito.tabella = tabella.Percorso();
    if (EsitoTabella e = tabella.Svuota(); !e) {
        esito.errore = e.errore;
        return esito;
    }
    if (EsitoTabella e = tabella.Apri(); !e) {
        esito.errore = e.errore;
        return esito;
    }
    OpzioniOttimizza opz;
    opz.thread = richiesta.thread;
    opz.limiteRighe = richiesta.limiteRighe;
    const TipoImpianto tipo = richiesta.percorso ? TipoImpianto::Percorso : TipoImpianto::Strada;
    const RichiestaCalcolo calcolo = RichiestaDaStato(*richiesta.stato, tipo, opz);
    RigheInTabella righe(tabella, tipo);
    esito.risultato = richiesta.percorso ? OttimizzaArea(calcolo, righe, riscontro)
                                         : OttimizzaStrada(calcolo, righe, riscontro);
    tabella.Chiudi();
    if (!esito.risultato.errore.Vuoto()) esito.errore = esito.risultato.errore.Testo();
    return esito;
}

void ApplicaEsitoOttimizzazione(StatoProgetto& stato, const RichiestaOttimizza& richiesta,
                                const EsitoOttimizza& esito) {
    const TipoImpianto tipo = richiesta.percorso ? TipoImpianto::Percorso : TipoImpianto::Strada;
    ApplicaRisultato(stato, tipo, esito.risultato);
}

std::span<const ClasseArea> ClassiPercorso() { return ClassiArea(); }

}  // namespace nottaro::ui
