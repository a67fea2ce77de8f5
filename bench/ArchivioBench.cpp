// Writing solution rows: the table store alone, committing the header after
// every row or after every group of rows, and full sweeps that keep every
// candidate (--all-results) up to the 65,000-row limit on 2 threads, where
// the store's share of the run shows.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "bench/Registrazioni.h"
#include "bench/Scenari.h"
#include "engine/area/OttimizzaArea.h"
#include "engine/road/OttimizzaStrada.h"
#include "engine/sweep/RichiestaCalcolo.h"
#include "core/interaction/Riscontro.h"

namespace nottaro::bench {
namespace {

// A road row whose figures change from row to row.
std::vector<ValoreCampo> RigaProva(const Layout& l, long long n) {
    std::vector<ValoreCampo> r;
    r.reserve(l.size());
    for (std::size_t i = 0; i < l.size(); ++i) {
        if (l[i].tipo == TipoCampo::Testo) r.emplace_back(std::string("SAP 150W"));
        else r.emplace_back(i == 0 ? static_cast<double>(n) : 0.125 * static_cast<double>(n % 977) + static_cast<double>(i));
    }
    return r;
}

// `gruppo` rows between explicit commits on the table a sweep writes (rows
// gathered): 1, every row handed over with its header, two writes a row as
// the store kept it before; 0, none, the rows go in one write per 64 KiB and
// the count every 0.2 s.
void AggiungiRighe(benchmark::State& st, long long righe, int gruppo) {
    TabellaTemporanea tab("NTRLUX");
    TabellaDbf& t = tab.Tabella();
    std::vector<std::vector<ValoreCampo>> valori;
    for (long long n = 1; n <= 1000; ++n) valori.push_back(RigaProva(t.Campi(), n));
    for (auto _ : st) {
        st.PauseTiming();
        t.Svuota();
        st.ResumeTiming();
        for (long long n = 1; n <= righe; ++n) {
            if (!t.Aggiungi(valori[static_cast<std::size_t>(n % 1000)])) {
                st.SkipWithError("append failed");
                return;
            }
            if (gruppo > 0 && n % gruppo == 0) t.Consolida();
        }
        t.Consolida();
    }
    st.counters["righe/s"] =
        benchmark::Counter(static_cast<double>(righe) * static_cast<double>(st.iterations()), benchmark::Counter::kIsRate);
}

void TuttiRisultati(benchmark::State& st, bool strada, Ampiezza a) {
    StatoProgetto stato = strada ? StatoStradaME3b(a) : StatoPercorsoP2(a);
    stato.TuttiRisultati = true;
    TabellaTemporanea tab(strada ? "NTRLUX" : "NTRLUXA");
    OpzioniOttimizza o;
    o.thread = 2;
    const RichiestaCalcolo richiesta =
        RichiestaDaStato(stato, strada ? TipoImpianto::Strada : TipoImpianto::Percorso, o);
    RisultatoSweep r;
    for (auto _ : st) {
        st.PauseTiming();
        tab.Tabella().Svuota();
        Riscontro riscontro;
        st.ResumeTiming();
        r = strada ? OttimizzaStrada(richiesta, tab.Destinazione(), riscontro)
                   : OttimizzaArea(richiesta, tab.Destinazione(), riscontro);
        if (!r.errore.Vuoto()) {
            const std::string testo = r.errore.Testo();
            st.SkipWithError(testo.c_str());
            return;
        }
    }
    using benchmark::Counter;
    st.counters["righe"] = Counter(static_cast<double>(r.NRisultati));
    st.counters["righe/s"] = Counter(static_cast<double>(r.NRisultati) * static_cast<double>(st.iterations()), Counter::kIsRate);
}

}  // namespace

void RegistraArchivio(bool piccolo) {
    const long long righe = piccolo ? 1000 : 100000;
    for (int gruppo : {1, 0})
        benchmark::RegisterBenchmark(("Archivio/aggiungi/" + std::to_string(gruppo)).c_str(),
                                     [righe, gruppo](benchmark::State& st) { AggiungiRighe(st, righe, gruppo); })
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime();
    // Heights every metre: more candidates than the 65,000 rows the run stops at.
    const Ampiezza a = piccolo ? Ampiezza::Minima : Ampiezza::Ampia;
    for (bool strada : {true, false})
        benchmark::RegisterBenchmark(strada ? "TuttiRisultati/strada/2" : "TuttiRisultati/percorso/2",
                                     [strada, a](benchmark::State& st) { TuttiRisultati(st, strada, a); })
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime();
}

}  // namespace nottaro::bench
