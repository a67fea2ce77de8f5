#pragma once
// Opening a stored solution from its table: the current row of an open road
// (NTRLUX) or path (NTRLUXA) solution table read into the values a detail
// takes, and the road recomputation and path detail of that row.
#include "core/interaction/Interazione.h"
#include "core/state/StatoProgetto.h"
#include "engine/area/DettaglioA.h"
#include "engine/road/RicalcolaSoluzione.h"
#include "engine/sweep/RigaScelta.h"
#include "store/TabellaDbf.h"

namespace nottaro {

// Reads the current row; false when there is none or a field is missing.
bool LeggiRigaScelta(const TabellaDbf& t, RigaScelta& r);

// The detail of the current row of `t`; not ok when the row cannot be read.
SoluzioneStrada RicalcolaSoluzione(const TabellaDbf& t, StatoProgetto& s, Interazione& ui);
DettaglioPercorso DettaglioA(const TabellaDbf& t, StatoProgetto& s, Interazione& ui);

}  // namespace nottaro
