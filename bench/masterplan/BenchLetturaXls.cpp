// Cost of reading an .xls workbook in a child process against reading it
// in-process, side by side in one run: REPETITIONS reads each way, the
// fastest of each enters the figures. Fails when the two reads differ.
//   nottaro_bench_lettura_xls [--cartella FILE.xls] [--ripetizioni R]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "masterplan/workbook/Cartella.h"

using namespace nottaro::mp;

int main(int argc, char** argv) {
    int ripetizioni = 20;
    std::string percorso = std::string(NOTTARO_SOURCE_DIR) + "/data/masterplan/esempio.xls";
    for (int k = 1; k + 1 < argc; k += 2) {
        const std::string a = argv[k];
        if (a == "--ripetizioni") ripetizioni = std::max(1, std::atoi(argv[k + 1]));
        else if (a == "--cartella") percorso = argv[k + 1];
    }
    double migliore[2] = {1e300, 1e300};
    Cartella lette[2];
    for (int r = 0; r < ripetizioni; ++r)
        for (int modo = 0; modo < 2; ++modo) {
            Cartella c;
            std::string errore;
            const auto inizio = std::chrono::steady_clock::now();
            const bool ok = modo == 0 ? LeggiXlsDiretto(percorso, c, errore) : LeggiXls(percorso, c, errore);
            const double s = std::chrono::duration<double>(std::chrono::steady_clock::now() - inizio).count();
            if (!ok) {
                std::fprintf(stderr, "%s\n", errore.c_str());
                return 1;
            }
            migliore[modo] = std::min(migliore[modo], s);
            lette[modo] = std::move(c);
        }
    bool uguali = lette[0].Fogli.size() == lette[1].Fogli.size();
    for (std::size_t f = 0; uguali && f < lette[0].Fogli.size(); ++f)
        uguali = lette[0].Fogli[f].Nome == lette[1].Fogli[f].Nome && lette[0].Fogli[f].Righe == lette[1].Fogli[f].Righe;
    std::printf(".xls read, fastest of %d (%d sheet rows)\n", ripetizioni,
                lette[0].Fogli.empty() ? 0 : lette[0].Fogli[0].NumRighe());
    std::printf("  in-process       %9.4f s\n", migliore[0]);
    std::printf("  child process    %9.4f s\n", migliore[1]);
    std::printf("  child / in-process   %.2f\n", migliore[1] / migliore[0]);
    std::printf("  cells read both ways %s\n", uguali ? "identical" : "DIFFER");
    return uguali ? 0 : 1;
}
