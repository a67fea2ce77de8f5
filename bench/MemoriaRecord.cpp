// Heap held by many loaded photometric records, as a luminaire list, the
// catalogue or a batch holds them: 100 reads of the street luminaire of the
// fixtures (72 C planes x 181 gamma angles), then the same records with the
// indexed form of their tables built for the fast lookup.
#include <malloc.h>

#include <cstdio>
#include <vector>

#include "bench/Registrazioni.h"
#include "bench/Scenari.h"

namespace nottaro::bench {

namespace {
// Allocated bytes, including the large blocks malloc maps on their own.
double MiBInUso() {
    const auto m = mallinfo2();
    return static_cast<double>(m.uordblks + m.hblkhd) / (1024.0 * 1024.0);
}
}  // namespace

int MemoriaRecord() {
    constexpr int n = 100;
    const double base = MiBInUso();
    std::vector<Fotometria> record;
    record.reserve(n);
    for (int k = 0; k < n; ++k) record.push_back(CaricaFotometria(FileStradale));
    const double letti = MiBInUso();
    for (const Fotometria& f : record) f.Intens.Indice();
    const double indicizzati = MiBInUso();
    std::printf("%d photometric records (%d x %d): %.2f MiB of heap read, %.2f MiB with their indexed forms\n", n,
                record.front().NumC(), record.front().NumG(), letti - base, indicizzati - base);
    return 0;
}

}  // namespace nottaro::bench
