// Opening a solution from the browser: the engine's share of it, the chosen
// row read back, its photometric file loaded and the design evaluated again
// with its illuminance field (what the detail window then draws).
#include <benchmark/benchmark.h>

#include <string>

#include "bench/Registrazioni.h"
#include "bench/Scenari.h"
#include "core/interaction/Riscontro.h"
#include "engine/area/DettaglioA.h"
#include "engine/area/OttimizzaArea.h"
#include "engine/road/OttimizzaStrada.h"
#include "engine/road/RicalcolaSoluzione.h"
#include "engine/sweep/RichiestaCalcolo.h"

namespace nottaro::bench {
namespace {

void ApriSoluzione(benchmark::State& st, bool strada) {
    StatoProgetto stato = strada ? StatoStradaME3b(Ampiezza::Minima) : StatoPercorsoP2(Ampiezza::Minima);
    stato.TuttiRisultati = true;
    TabellaTemporanea tab(strada ? "NTRLUX" : "NTRLUXA");
    OpzioniOttimizza o;
    o.thread = 1;
    const RichiestaCalcolo richiesta = RichiestaDaStato(stato, strada ? TipoImpianto::Strada : TipoImpianto::Percorso, o);
    Riscontro riscontro;
    const RisultatoSweep r = strada ? OttimizzaStrada(richiesta, tab.Destinazione(), riscontro)
                                    : OttimizzaArea(richiesta, tab.Destinazione(), riscontro);
    TabellaDbf& t = tab.Tabella();
    if (!r.errore.Vuoto() || r.NRisultati < 1 || !t.VaiA(0)) {
        st.SkipWithError("no solution row to open");
        return;
    }
    InterazioneMuta ui;
    for (auto _ : st) {
        StatoProgetto s = stato;
        if (strada) {
            const SoluzioneStrada sol = RicalcolaSoluzione(t, s, ui);
            if (!sol.ok || !sol.errore.empty()) {
                st.SkipWithError("the road solution did not open");
                return;
            }
            benchmark::DoNotOptimize(sol.SolLm);
        } else {
            const DettaglioPercorso d = DettaglioA(t, s, ui);
            if (!d.ok || !d.risultato.Valido()) {
                st.SkipWithError("the path solution did not open");
                return;
            }
            benchmark::DoNotOptimize(d.risultato.Stat.EmCalc);
        }
    }
}

}  // namespace

void RegistraApriSoluzione() {
    benchmark::RegisterBenchmark("ApriSoluzione/strada", ApriSoluzione, true)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("ApriSoluzione/percorso", ApriSoluzione, false)->Unit(benchmark::kMillisecond);
}

}  // namespace nottaro::bench
