// Masterplan batch timing: the data rows of data/masterplan/esempio.xlsx
// repeated to N rows (2,000 by default), the whole run (file reading, every
// row's evaluation, the table) on 1 and 2 threads, each REPETITIONS times;
// the fastest run of each enters the figures. Fails when the two tables differ.
//   nottaro_bench_masterplan [--righe N] [--ripetizioni R] [--cartella FILE]
#include <algorithm>
#include <chrono>
#include <ctime>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "masterplan/CalcolaMasterplan.h"
#include "masterplan/VerificaDati.h"

using namespace nottaro::mp;

int main(int argc, char** argv) {
    int righe = 2000, ripetizioni = 1;
    std::string percorso = std::string(NOTTARO_SOURCE_DIR) + "/data/masterplan/esempio.xlsx";
    for (int k = 1; k + 1 < argc; k += 2) {
        const std::string a = argv[k];
        if (a == "--righe") righe = std::atoi(argv[k + 1]);
        else if (a == "--ripetizioni") ripetizioni = std::max(1, std::atoi(argv[k + 1]));
        else if (a == "--cartella") percorso = argv[k + 1];
    }
    Cartella c;
    std::string errore;
    if (!LeggiCartella(percorso, c, errore)) {
        std::fprintf(stderr, "%s\n", errore.c_str());
        return 1;
    }
    // The sample's data rows copied down until there are `righe` of them.
    const Foglio& campione = c.Fogli[0];
    Foglio f;
    for (int r = 1; r < PrimaRigaMP; ++r)
        for (int col = 1; col <= 40; ++col) f.Imposta(r, col, campione.Testo(r, col));
    const int nCampione = campione.NumRighe() - PrimaRigaMP + 1;
    for (int k = 0; k < righe; ++k)
        for (int col = 1; col <= 40; ++col)
            f.Imposta(PrimaRigaMP + k, col, campione.Testo(PrimaRigaMP + k % nCampione, col));
    const MappaColonne m = MappaColonneMP(f);
    const EsitoVerifica v = VerificaDati(f, m, false, 1);
    OpzioniMP o;
    o.DirLdtMaster = std::string(NOTTARO_SOURCE_DIR) + "/data/masterplan/ldt";

    std::vector<CelleRiga> tabelle[2];
    double migliore[2] = {1e300, 1e300}, cpu[2] = {1e300, 1e300};
    std::size_t nTabella = 0;
    for (int t = 1; t <= 2; ++t)
        for (int r = 0; r < ripetizioni; ++r) {
            const auto inizio = std::chrono::steady_clock::now();
            const std::clock_t c0 = std::clock();
            const RisultatoMP ris = CalcolaMasterplan(f, m, v.Corretti, o, t);
            const double s = std::chrono::duration<double>(std::chrono::steady_clock::now() - inizio).count();
            migliore[t - 1] = std::min(migliore[t - 1], s);
            cpu[t - 1] = std::min(cpu[t - 1], static_cast<double>(std::clock() - c0) / CLOCKS_PER_SEC);
            tabelle[t - 1].clear();
            for (const auto& x : ris.Righe) tabelle[t - 1].push_back(x.Celle);
            nTabella = ris.Righe.size();
        }
    const bool uguali = tabelle[0] == tabelle[1];
    std::printf("Masterplan batch: %d sheet rows (%zu table rows), fastest of %d\n", righe, nTabella, ripetizioni);
    // On a shared machine the processor time tells the work apart from the waiting.
    std::printf("  1 thread   %8.2f s   %8.1f rows/s   processor %8.2f s\n", migliore[0], righe / migliore[0], cpu[0]);
    std::printf("  2 threads  %8.2f s   %8.1f rows/s   processor %8.2f s\n", migliore[1], righe / migliore[1], cpu[1]);
    std::printf("  2 threads / 1 thread   %.2f\n", migliore[0] / migliore[1]);
    std::printf("  tables on 1 and 2 threads %s\n", uguali ? "identical" : "DIFFER");
    return uguali ? 0 : 1;
}
