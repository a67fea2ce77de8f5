// Kernels: the intensity lookup (plain scans against the indexed lookup, on
// an even and an uneven angle grid), the r-table coefficient, one road
// candidate and one path candidate.
#include <benchmark/benchmark.h>

#include <cmath>
#include <string>
#include <vector>

#include "bench/Registrazioni.h"
#include "bench/Scenari.h"
#include "core/intensity/DirezioniInclinabili.h"
#include "core/intensity/RicercaIntensita.h"
#include "engine/area/IlluminamentoArea.h"
#include "engine/area/OttimizzaArea.h"
#include "engine/road/OttimizzaStrada.h"
#include "engine/road/Riflessione.h"
#include "engine/road/ValutazioneStrada.h"
#include "engine/road/reference/LuminanzaRiferimento.h"

namespace nottaro::bench {
namespace {

const Fotometria& Foto(const char* file) {
    static const Fotometria pari = CaricaFotometria(FileStradale, 20000);
    static const Fotometria irregolare = CaricaFotometria(FileGammaIrregolare);
    return file == FileStradale ? pari : irregolare;
}

const std::vector<Direzione>& Direzioni() {
    static const std::vector<Direzione> d = DirezioniStrada();
    return d;
}

void IntensitaPiana(benchmark::State& st, const char* file) {
    const auto& foto = Foto(file);
    const auto& dir = Direzioni();
    for (auto _ : st) {
        ContestoCalcolo ctx;
        double somma = 0;
        for (const auto& d : dir) somma += IntensitaLum(ctx, foto, 0, d.gamma, d.c);
        benchmark::DoNotOptimize(somma);
    }
    st.SetItemsProcessed(st.iterations() * static_cast<long long>(dir.size()));
}

// The indexed lookup as the evaluations call it: a block of directions.
void IntensitaVeloce(benchmark::State& st, const char* file) {
    const RicercaIntensita ricerca(Foto(file), 0);
    std::vector<double> gamma, c;
    for (const auto& d : Direzioni()) {
        gamma.push_back(d.gamma);
        c.push_back(d.c);
    }
    std::vector<double> I(gamma.size());
    for (auto _ : st) {
        ContestoCalcolo ctx;
        CercaIntensita(ctx, ricerca, gamma.data(), c.data(), gamma.size(), I.data());
        benchmark::DoNotOptimize(I.data());
        benchmark::ClobberMemory();
    }
    st.SetItemsProcessed(st.iterations() * static_cast<long long>(gamma.size()));
}

// The block lookup on one vector width, and the indexed lookup one direction
// at a time (what every evaluation called before the block lookup).
void IntensitaLarghezza(benchmark::State& st, LarghezzaVettore larghezza) {
    const RicercaIntensita ricerca(Foto(FileStradale), 0);
    std::vector<double> gamma, c;
    for (const auto& d : Direzioni()) {
        gamma.push_back(d.gamma);
        c.push_back(d.c);
    }
    std::vector<double> I(gamma.size());
    for (auto _ : st) {
        ContestoCalcolo ctx;
        CercaIntensita(ctx, ricerca, gamma.data(), c.data(), gamma.size(), I.data(), larghezza);
        benchmark::DoNotOptimize(I.data());
        benchmark::ClobberMemory();
    }
    st.SetItemsProcessed(st.iterations() * static_cast<long long>(gamma.size()));
}

void IntensitaUnaAllaVolta(benchmark::State& st) {
    const RicercaIntensita ricerca(Foto(FileStradale), 0);
    const auto& dir = Direzioni();
    std::vector<double> I(dir.size());
    for (auto _ : st) {
        ContestoCalcolo ctx;
        for (std::size_t k = 0; k < dir.size(); ++k) I[k] = ricerca(ctx, dir[k].gamma, dir[k].c);
        benchmark::DoNotOptimize(I.data());
        benchmark::ClobberMemory();
    }
    st.SetItemsProcessed(st.iterations() * static_cast<long long>(dir.size()));
}

// What a tilted candidate asks per pole and point once gamma and C are kept:
// the tilt rotation of the whole block, then the indexed lookup.
void IntensitaVeloceInclinata(benchmark::State& st) {
    const RicercaIntensita ricerca(Foto(FileStradale), 0);
    const auto& nonRuotate = DirezioniStradaNonRuotate();
    DirezioniInclinabili dir;
    dir.Ridimensiona(nonRuotate.size());
    for (std::size_t k = 0; k < nonRuotate.size(); ++k)
        dir.Imposta(k, nonRuotate[k].gamma, nonRuotate[k].c, nonRuotate[k].c);
    IntensitaInclinate inclinate;
    std::vector<double> I(dir.size());
    for (auto _ : st) {
        ContestoCalcolo ctx;
        inclinate.Calcola(ctx, ricerca, dir, InclinaTipica, I.data());
        benchmark::DoNotOptimize(I.data());
        benchmark::ClobberMemory();
    }
    st.SetItemsProcessed(st.iterations() * static_cast<long long>(dir.size()));
}

template <bool Indice>
void CoeffRBench(benchmark::State& st) {
    static const std::vector<Direzione> angoli = AngoliRiflessione();
    const TabellaR& T = TabelleR[4];
    const IndiceR& indice = IndiciR()[4];
    for (auto _ : st) {
        ContestoCalcolo ctx;
        double somma = 0;
        for (const auto& a : angoli)
            somma += Indice ? CoeffRIndice(ctx, indice, a.gamma, a.c) : CoeffR(ctx, T, a.gamma, a.c);
        benchmark::DoNotOptimize(somma);
    }
    st.SetItemsProcessed(st.iterations() * static_cast<long long>(angoli.size()));
}

// The road candidate of the ME3b design at H 10 m, S 30 m, overhang 1 m.
ParametriStrada CandidatoStrada() {
    const StatoProgetto s = StatoStradaME3b(Ampiezza::Minima);
    ParametriStrada p = ParametriStradaDaStato(s);
    p.HPalo = 10;
    p.Interdist = 30;
    p.Sbraccio = 1;
    p.Inclina = 10;
    p.LampCalc = 0;
    return p;
}

void StradaPiana(benchmark::State& st) {
    const auto& foto = Foto(FileStradale);
    const ParametriStrada p = CandidatoStrada();
    CampoStrada campo;
    for (auto _ : st) benchmark::DoNotOptimize(riferimento::ValutaStrada(foto, p, nullptr, campo).Lm);
}

// As in a sweep: the tilt changes from call to call, the rest stays, so the
// geometry of the pole-point pairs is reused and only the intensities change.
void StradaVeloceInclinazione(benchmark::State& st) {
    ParametriStrada p = CandidatoStrada();
    ValutazioneStrada v;
    v.ImpostaFotometria(Foto(FileStradale), 0);
    int k = 0;
    for (auto _ : st) {
        p.Inclina = -20 + 5 * (k++ % 9);
        benchmark::DoNotOptimize(v.Valuta(p, nullptr).Lm);
    }
}

// The first tilt of a new overhang: geometry, r and intensities all new.
void StradaVeloceGeometria(benchmark::State& st) {
    ParametriStrada p = CandidatoStrada();
    ValutazioneStrada v;
    v.ImpostaFotometria(Foto(FileStradale), 0);
    int k = 0;
    for (auto _ : st) {
        p.Sbraccio = (k++ % 2) ? 1.0 : 0.5;
        benchmark::DoNotOptimize(v.Valuta(p, nullptr).Lm);
    }
}

ParametriArea CandidatoArea() {
    const StatoProgetto s = StatoPercorsoP2(Ampiezza::Minima);
    ParametriArea p = ParametriAreaDaStato(s);
    p.HPaloA = 5;
    p.Interdist = 20;
    p.SbraccioA = 0.5;
    p.InclinaA = 10;
    p.LampCalc = 0;
    return p;
}

const Fotometria& FotometriaArea() {
    static const Fotometria f = CaricaFotometria(FileStradale, 2500);
    return f;
}

void PercorsoPiano(benchmark::State& st) {
    const ParametriArea p = CandidatoArea();
    LavoroArea lavoro;
    lavoro.Prepara(p);
    CampoIllum campo;
    StatisticheIllum stat;
    for (auto _ : st) {
        ContestoCalcolo ctx;
        CalcolaIllum(ctx, FotometriaArea(), p, lavoro.Griglia(), lavoro.Apparecchi(), campo, stat);
        benchmark::DoNotOptimize(stat.EmCalc);
    }
}

void PercorsoVeloce(benchmark::State& st) {
    ParametriArea p = CandidatoArea();
    const RicercaIntensita ricerca(FotometriaArea(), 0);
    LavoroArea lavoro;
    lavoro.Prepara(p);
    int k = 0;
    for (auto _ : st) {
        p.InclinaA = -20 + 5 * (k++ % 9);
        ContestoCalcolo ctx;
        lavoro.Valuta(ctx, ricerca, p);
        benchmark::DoNotOptimize(lavoro.Statistiche().EmCalc);
    }
}

}  // namespace

void RegistraKernel() {
    using benchmark::RegisterBenchmark;
    RegisterBenchmark("IntensitaLum/piana/pari", IntensitaPiana, FileStradale);
    RegisterBenchmark("IntensitaLum/veloce/pari", IntensitaVeloce, FileStradale);
    RegisterBenchmark("IntensitaLum/veloce/pari/inclinata", IntensitaVeloceInclinata);
    RegisterBenchmark("IntensitaLum/veloce/pari/una", IntensitaUnaAllaVolta);
    for (LarghezzaVettore l : LarghezzeDisponibili())
        RegisterBenchmark((std::string("IntensitaLum/blocco/") + NomeLarghezza(l)).c_str(), IntensitaLarghezza, l);
    RegisterBenchmark("IntensitaLum/piana/irregolare", IntensitaPiana, FileGammaIrregolare);
    RegisterBenchmark("IntensitaLum/veloce/irregolare", IntensitaVeloce, FileGammaIrregolare);
    RegisterBenchmark("CoeffR/piana", CoeffRBench<false>);
    RegisterBenchmark("CoeffR/indice", CoeffRBench<true>);
    RegisterBenchmark("CandidatoStrada/piana", StradaPiana)->Unit(benchmark::kMicrosecond);
    RegisterBenchmark("CandidatoStrada/veloce/inclinazione", StradaVeloceInclinazione)->Unit(benchmark::kMicrosecond);
    RegisterBenchmark("CandidatoStrada/veloce/geometria", StradaVeloceGeometria)->Unit(benchmark::kMicrosecond);
    RegisterBenchmark("CandidatoPercorso/piana", PercorsoPiano)->Unit(benchmark::kMicrosecond);
    RegisterBenchmark("CandidatoPercorso/veloce", PercorsoVeloce)->Unit(benchmark::kMicrosecond);
}

}  // namespace nottaro::bench
