// End to end: the road and path sweeps with height, overhang and tilt swept.
// The plain and the fast sweep run the same candidates on one thread and
// their tables are compared row by row; the full sweep runs on 1 and on 2
// threads.
#include <benchmark/benchmark.h>

#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "bench/Registrazioni.h"
#include "bench/Scenari.h"
#include "bench/SweepPiani.h"
#include "engine/area/OttimizzaArea.h"
#include "engine/road/OttimizzaStrada.h"

namespace nottaro::bench {

Confronto& ConfrontoStrada() {
    static Confronto c;
    return c;
}
Confronto& ConfrontoArea() {
    static Confronto c;
    return c;
}

namespace {

using Righe = std::vector<std::vector<std::string>>;
using Sweep = std::function<RisultatoSweep(const RichiestaCalcolo&, DestinazioneRighe&, Riscontro&)>;

struct Tipo {
    const char* tabella;
    TipoImpianto tipo;
    Sweep veloce, piano;
    std::function<StatoProgetto(Ampiezza)> stato;
    std::function<long long(const StatoProgetto&)> lookup;
    Confronto& (*confronto)();
};

const Tipo& Strada() {
    static const Tipo t{"NTRLUX", TipoImpianto::Strada, OttimizzaStrada, OttimizzaStradaPiana, StatoStradaME3b, LookupStrada,
                        ConfrontoStrada};
    return t;
}
const Tipo& Area() {
    static const Tipo t{"NTRLUXA", TipoImpianto::Percorso, OttimizzaArea, OttimizzaAreaPiana, StatoPercorsoP2, LookupArea, ConfrontoArea};
    return t;
}

// Rows of the last plain and the last fast run, per table: repetitions may
// come in any order, and each new run is compared with the other kind's last.
struct UltimeRighe {
    Righe piane, veloci;
    bool conPiane = false, conVeloci = false;
};
std::map<std::string, UltimeRighe>& Ultime() {
    static std::map<std::string, UltimeRighe> r;
    return r;
}

std::string ChiaveRighe(const Tipo& t, Ampiezza a) { return std::string(t.tabella) + "/" + std::to_string(static_cast<int>(a)); }

void Confronta(const Tipo& t, Ampiezza a, long long candidati) {
    Confronto& c = t.confronto();
    const UltimeRighe& u = Ultime()[ChiaveRighe(t, a)];
    if (!u.conPiane || !u.conVeloci) return;
    const Righe& piane = u.piane;
    const Righe& veloci = u.veloci;
    // Over repetitions one difference is enough to fail the comparison.
    c.identiche = (c.eseguito ? c.identiche : true) && piane == veloci;
    c.eseguito = true;
    c.righe = static_cast<long long>(veloci.size());
    c.candidati = candidati;
    if (!c.differenza.empty()) return;
    if (piane.size() != veloci.size()) {
        c.differenza = "plain " + std::to_string(piane.size()) + " rows, fast " + std::to_string(veloci.size());
        return;
    }
    for (std::size_t i = 0; i < piane.size() && c.differenza.empty(); ++i)
        for (std::size_t k = 0; k < piane[i].size(); ++k)
            if (piane[i][k] != veloci[i][k]) {
                c.differenza = "row " + std::to_string(i + 1) + " field " + std::to_string(k + 1) + ": plain " +
                               piane[i][k] + ", fast " + veloci[i][k];
                break;
            }
}

// One run of a sweep per iteration on a freshly emptied table.
void EseguiSweepBench(benchmark::State& st, const Tipo& t, Ampiezza a, bool piano, int thread, bool confronta) {
    OpzioniOttimizza o;
    o.thread = thread;
    const RichiestaCalcolo richiesta = RichiestaDaStato(t.stato(a), t.tipo, o);
    TabellaTemporanea tab(t.tabella);
    Riscontro riscontro;
    RisultatoSweep r;
    for (auto _ : st) {
        st.PauseTiming();
        tab.Tabella().Svuota();
        st.ResumeTiming();
        r = (piano ? t.piano : t.veloce)(richiesta, tab.Destinazione(), riscontro);
        if (!r.errore.Vuoto()) {
            st.SkipWithError(r.errore.Testo().c_str());
            return;
        }
    }
    using benchmark::Counter;
    st.counters["candidati"] = Counter(static_cast<double>(r.candidati));
    st.counters["righe"] = Counter(static_cast<double>(r.NRisultati));
    st.counters["thread"] = Counter(r.thread);
    st.counters["cand/s"] = Counter(static_cast<double>(r.candidati) * static_cast<double>(st.iterations()), Counter::kIsRate);
    if (!piano) {
        // Counted once per kind and size: every repetition makes the same lookups.
        static std::map<std::pair<std::string, int>, long long> conteggi;
        const auto chiave = std::make_pair(std::string(t.tabella), static_cast<int>(a));
        if (!conteggi.count(chiave)) conteggi[chiave] = t.lookup(t.stato(a));
        const long long lookup = conteggi[chiave];
        st.counters["lookup"] = Counter(static_cast<double>(lookup));
        st.counters["lookup/s"] = Counter(static_cast<double>(lookup) * static_cast<double>(st.iterations()), Counter::kIsRate);
    }
    if (confronta) {
        UltimeRighe& u = Ultime()[ChiaveRighe(t, a)];
        (piano ? u.piane : u.veloci) = tab.Righe();
        (piano ? u.conPiane : u.conVeloci) = true;
        Confronta(t, a, r.candidati);
    }
}

// The road sweep with its rows' illuminance figures (Dp and De; EIR under the
// 2015 edition) against the same sweep without them, side by side.
void IndicatoriBench(benchmark::State& st, Ampiezza a, int edizione, bool senza) {
    OpzioniOttimizza o;
    o.thread = 1;
    o.senzaIndicatori = senza;
    StatoProgetto s = Strada().stato(a);
    s.EdizioneEN = edizione;
    const RichiestaCalcolo richiesta = RichiestaDaStato(s, TipoImpianto::Strada, o);
    TabellaTemporanea tab(Strada().tabella);
    Riscontro riscontro;
    RisultatoSweep r;
    for (auto _ : st) {
        st.PauseTiming();
        tab.Tabella().Svuota();
        st.ResumeTiming();
        r = OttimizzaStrada(richiesta, tab.Destinazione(), riscontro);
        if (!r.errore.Vuoto()) {
            st.SkipWithError(r.errore.Testo().c_str());
            return;
        }
    }
    st.counters["righe"] = benchmark::Counter(static_cast<double>(r.NRisultati));
}

void Registra(const std::string& nome, const Tipo& t, Ampiezza a, bool piano, int thread, bool confronta) {
    benchmark::RegisterBenchmark(nome.c_str(),
                                 [&t, a, piano, thread, confronta](benchmark::State& st) {
                                     EseguiSweepBench(st, t, a, piano, thread, confronta);
                                 })
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
}

}  // namespace

void RegistraSweep(bool piccolo) {
    const Ampiezza confronto = piccolo ? Ampiezza::Minima : Ampiezza::Ridotta;
    const Ampiezza completa = piccolo ? Ampiezza::Minima : Ampiezza::Media;
    for (const auto* t : {&Strada(), &Area()}) {
        const std::string base = t == &Strada() ? "SweepStrada" : "SweepPercorso";
        // Same candidates on both sides: the plain sweep first, then the fast one.
        Registra(base + "/piana/1", *t, confronto, true, 1, true);
        Registra(base + "/veloce/1", *t, confronto, false, 1, true);
        // The full road sweep plain and fast, rows compared too: the figure
        // the fast path is judged by.
        const bool stradale = t == &Strada();
        if (stradale) Registra(base + "/piana/completa/1", *t, completa, true, 1, true);
        Registra(base + "/completa/1", *t, completa, false, 1, stradale);
        Registra(base + "/completa/2", *t, completa, false, 2, false);
    }
    const struct {
        const char* nome;
        int edizione;
        bool senza;
    } indicatori[] = {{"Indicatori/senza", 0, true}, {"Indicatori/con", 0, false}, {"Indicatori/con2015", 1, false}};
    for (const auto& k : indicatori)
        benchmark::RegisterBenchmark(k.nome, [completa, k](benchmark::State& st) { IndicatoriBench(st, completa, k.edizione, k.senza); })
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime();
}

}  // namespace nottaro::bench
