#pragma once
// Every call the windows make into the lighting engines goes through this
// file, so the windows do not depend on how a run is asked for.
#include <memory>
#include <span>
#include <string>

#include "core/interaction/Riscontro.h"
#include "core/state/StatoProgetto.h"
#include "engine/comune/ClassiArea.h"
#include "engine/sweep/EsecuzioneSweep.h"

namespace nottaro::ui {

// What an optimisation run reads: a frozen copy of the design state taken on
// the window thread, the project's kind and the folder of the solution table.
struct RichiestaOttimizza {
    std::shared_ptr<const StatoProgetto> stato;
    bool percorso = false;        // cycle/pedestrian path (NTRLUXA) instead of road (NTRLUX)
    std::string cartella;         // folder of the table (DirProg)
    int thread = 0;               // 0: every core
    long long limiteRighe = 65000;  // message 480 after this row
};

struct EsitoOttimizza {
    RisultatoSweep risultato;
    std::string tabella;          // path of the table written
    std::string errore;           // the table could not be emptied or opened, or the run failed
};

// Runs on a worker: empties and fills the table, reports to `riscontro` and
// stops at its stop request. The table is closed, complete and valid, when
// this returns.
EsitoOttimizza EseguiOttimizzazione(const RichiestaOttimizza& richiesta, Riscontro& riscontro);

// On the window thread: writes back what a finished run leaves in the state.
void ApplicaEsitoOttimizzazione(StatoProgetto& stato, const RichiestaOttimizza& richiesta,
                                const EsitoOttimizza& esito);

// Lighting classes the parameter dialogs list.
std::span<const ClasseArea> ClassiPercorso();

}  // namespace nottaro::ui
