#pragma once
// The stored solution a detail (road or path) opens: the values it takes
// from the chosen row of a solution table, its photometric file (reloaded
// from the luminaire list when one is in use) and the lamp set whose flux the
// row shows. Reading the row from its table is store/soluzioni/RigaAperta.h.
#include <string>

#include "core/interaction/Interazione.h"
#include "core/state/StatoProgetto.h"

namespace nottaro {

// What every detail (road or path) takes from the current row.
struct RigaScelta {
    std::string SolLumen, SolPotenza, SolLampada, CatNomeFile;  // LUMEN, POTENZA, LAMPADA, FILELDT as texts
    double lumen = 0;
    double HPalo = 0, Sbraccio = 0, Interdist = 0, Inclina = 0;
};

// Makes the row's photometry current: with a luminaire list (FileLista) the
// first list entry whose file name equals FILELDT (case ignored) becomes
// FileFoto and is read with the reader its name calls for. False when no
// entry matches or the file cannot be read; message 140 is then shown as
// information. Without a list the loaded photometry stays.
bool CaricaFotometriaRiga(StatoProgetto& s, const RigaScelta& r, Interazione& ui);

// The first lamp set (0 .. NumLampade - 1) whose flux equals the row's LUMEN
// (as stored, to 1e-6 relative), else LampSel.
int LampadaPerFlusso(const Fotometria& f, double lumen);

// The start every detail (road or path) shares: hands the row's lamp and
// file texts to the report values (SolLumen, SolPotenza, SolLampada,
// CatNomeFile), makes its photometry current and picks its lamp set. False
// when its photometry is missing (message 140 shown).
bool ApriRigaScelta(const RigaScelta& r, StatoProgetto& s, Interazione& ui, int& lampCalc);

}  // namespace nottaro
