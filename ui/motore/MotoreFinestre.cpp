#include "ui/motore/MotoreFinestre.h"

#include <chrono>
#include <thread>

#include "core/interaction/Riscontro.h"
#include "engine/area/OttimizzaArea.h"
#include "engine/road/OttimizzaStrada.h"
#include "engine/sweep/RichiestaCalcolo.h"
#include "store/soluzioni/RigaDbf.h"
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
    const TipoImpianto tipo = richiesta.percorso ? TipoImpianto::Percorso : TipoImpianto::Strada;
    const RichiestaCalcolo calcolo = RichiestaDaStato(*richiesta.stato, tipo, opz);
    RigheInTabella righe(tabella, tipo);
    // Built on this worker: its messages reach `ui`, which carries them to the window.
    Riscontro riscontro(&ui);
    // The window's "Interrompi" sets its own flag; pass it on to the run.
    std::atomic<bool> finito{false};
    std::thread sentinella([&] {
        while (!finito.load()) {
            if (interrompi.load()) {
                riscontro.Annulla();
                return;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
    });
    esito.risultato = richiesta.percorso ? OttimizzaArea(calcolo, righe, riscontro)
                                         : OttimizzaStrada(calcolo, righe, riscontro);
    finito = true;
    sentinella.join();
    riscontro.Consegna();
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
