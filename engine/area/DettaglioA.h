#pragma once
// Detail of one stored path solution (a row of an NTRLUXA table;
// store/soluzioni/RigaAperta.h opens the current row): the row's
// photometric file is reloaded when a luminaire list is in use, the lamp set
// is the one whose flux the row shows, and the illuminance field, its
// statistics, the class test and the utilisation factor are computed again.
#include <string>

#include "core/interaction/Interazione.h"
#include "core/state/StatoProgetto.h"
#include "engine/area/ValutaPercorso.h"
#include "engine/sweep/RigaScelta.h"

namespace nottaro {

struct DettaglioPercorso {
    bool ok = false;        // false: message 140 shown, or the row could not be read
    int LampCalc = 0;
    RisultatoPercorso risultato;  // grid, layout, Illum, EmCalc/EminCalc/EmaxCalc, FattUtil
};

// Recomputes the row `r`. Writes into the state SolLumen,
// SolPotenza, SolLampada, CatNomeFile, HPaloA, SbraccioA, Interdist,
// InclinaA, TipoProgetto 1 and, with a list, the reloaded FileFoto and
// photometry.
DettaglioPercorso DettaglioA(const RigaScelta& r, StatoProgetto& s, Interazione& ui);

}  // namespace nottaro
