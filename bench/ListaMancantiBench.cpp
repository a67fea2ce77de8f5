// A luminaire list from another machine, none of whose entries exists here:
// every entry falls through to the letter-case search of the list's folder
// and of the program folder's ldt/. Resolved per list (each folder scanned
// once) against per entry (each folder scanned for every entry), on the same
// list; the per-list resolver is shown to give the very same answers.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "bench/Registrazioni.h"
#include "core/files/ListaFile.h"

namespace nottaro::bench {
namespace {

namespace fs = std::filesystem;

// A list folder and a program folder, each with `file` photometric files,
// and a list of `voci` entries naming files of another machine.
struct ListaMancanti {
    fs::path radice;
    std::string lista, dirProg;
    std::vector<std::string> voci;

    ListaMancanti(int voci_, int file) {
        radice = fs::temp_directory_path() / ("nottaro-bench-lista-" + std::to_string(::getpid()));
        fs::create_directories(radice / "liste");
        fs::create_directories(radice / "programma" / "ldt");
        for (int i = 0; i < file; ++i) {
            std::ofstream(radice / "liste" / ("accanto_" + std::to_string(i) + ".ldt")) << "x";
            std::ofstream(radice / "programma" / "ldt" / ("Lume_" + std::to_string(i) + ".LDT")) << "x";
        }
        std::ofstream l(radice / "liste" / "altra.ntr", std::ios::binary);
        for (int i = 0; i < voci_; ++i) l << "C:\\Progetti\\altra macchina\\ldt\\manca_" << i << ".ldt\r\n";
        l.close();
        lista = (radice / "liste" / "altra.ntr").string();
        dirProg = (radice / "programma").string();
    }
    ~ListaMancanti() {
        std::error_code ec;
        fs::remove_all(radice, ec);
    }
};

void Mancanti(benchmark::State& st, bool perLista) {
    const int voci = static_cast<int>(st.range(0));
    ListaMancanti l(voci, 200);
    const std::string cartella = fs::path(l.lista).parent_path().string();
    long long trovate = 0;
    for (auto _ : st) {
        std::vector<std::string> righe;
        if (!LeggiListaNtr(l.lista, righe)) {
            st.SkipWithError("list not read");
            return;
        }
        if (perLista) {
            RisolutoreLista r(cartella, l.dirProg);
            for (const auto& v : righe) trovate += !r.Risolvi(v).empty();
        } else {
            for (const auto& v : righe) trovate += !RisolviVoceLista(v, cartella, l.dirProg).empty();
        }
    }
    if (trovate != 0) st.SkipWithError("a missing entry was found");
    st.counters["voci"] = voci;
    st.SetItemsProcessed(st.iterations() * voci);
}

// The two resolvers on one list holding missing, present and differently
// cased entries: the same file for every entry, or the figures mean nothing.
bool StesseRisposte() {
    ListaMancanti l(50, 20);
    const std::string cartella = fs::path(l.lista).parent_path().string();
    std::vector<std::string> voci = {"accanto_3.ldt", "ACCANTO_4.LDT", "D:\\x\\lume_5.ldt", "lume_19.LDT", ""};
    for (int i = 0; i < 50; ++i) voci.push_back("C:\\y\\manca_" + std::to_string(i) + ".ldt");
    RisolutoreLista r(cartella, l.dirProg);
    for (const auto& v : voci)
        if (r.Risolvi(v) != RisolviVoceLista(v, cartella, l.dirProg)) return false;
    return true;
}

}  // namespace

void RegistraListe(bool piccolo) {
    if (!StesseRisposte()) {
        std::fprintf(stderr, "the per-list resolver differs from the per-entry one\n");
        std::exit(1);
    }
    // The per-entry way takes tens of seconds for the whole list: it is
    // measured on a tenth and compared per entry.
    const int voci = piccolo ? 1000 : 100000;
    benchmark::RegisterBenchmark("ListaMancanti/per_lista", Mancanti, true)
        ->Arg(voci)->Unit(benchmark::kMillisecond)->UseRealTime();
    benchmark::RegisterBenchmark("ListaMancanti/per_voce", Mancanti, false)
        ->Arg(voci / 10)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);
}

}  // namespace nottaro::bench
