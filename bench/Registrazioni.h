#pragma once
// The benchmarks of the program, registered by name so the summary can find
// them: kernels (intensity lookup, r-table, one road and one path candidate)
// and end-to-end sweeps.
#include <string>

namespace nottaro::bench {

// With `piccolo` every sweep runs its smallest size (the smoke run).
void RegistraKernel();
// Pure arithmetic on 1 and 2 threads: the parallel capacity the machine gives.
void RegistraMacchina();
void RegistraSweep(bool piccolo);
// Writing rows: the store committing per row or per group, and sweeps that
// keep every candidate up to the row limit.
void RegistraArchivio(bool piccolo);
// A list of 100,000 entries none of which exists: resolved per list against
// per entry (exits 1 when the two resolve any entry differently).
void RegistraListe(bool piccolo);
// Prints the heap that 100 loaded photometric records hold.
int MemoriaRecord();

// Filled by the sweep benchmarks: whether the fast sweep wrote the very rows
// of the plain one (false until both have run), and how many.
struct Confronto {
    bool eseguito = false;
    bool identiche = false;
    long long righe = 0;
    long long candidati = 0;
    std::string differenza;  // first difference found
};
Confronto& ConfrontoStrada();
Confronto& ConfrontoArea();

}  // namespace nottaro::bench
