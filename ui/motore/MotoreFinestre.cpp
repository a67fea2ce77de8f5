#include "ui/motore/MotoreFinestre.h"

#include "engine/area/OttimizzaArea.h"
#include "engine/road/OttimizzaStrada.h"
#include "store/TabellaDbf.h"

namespace nottaro::ui {

EsitoOttimizza EseguiOttimizzazione(const RichiestaOttimizza& richiesta, Interazione& ui,
                                   const std::atomic<bool>& interrompi) {
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
    opz.interrompi = &interrompi;
    esito.risultato = richiesta.percorso ? OttimizzaArea(*richiesta.stato, tabella, ui, opz)
                                         : OttimizzaStrada(*richiesta.stato, tabella, ui, opz);
    tabella.Chiudi();
    esito.errore = esito.risultato.errore;
    return esito;
}

void ApplicaEsitoOttimizzazione(StatoProgetto& stato, const RichiestaOttimizza& richiesta,
                                const EsitoOttimizza& esito) {
    const TipoImpianto tipo = richiesta.percorso ? TipoImpianto::Percorso : TipoImpianto::Strada;
    ApplicaRisultato(stato, tipo, esito.risultato);
}

std::span<const ClasseArea> ClassiPercorso() { return ClassiArea(); }

}  // namespace nottaro::ui
