#pragma once
// What the batch window leaves in the design state. The window works on its
// own copies; the design the user had open is put back when it closes, with
// the few values the batch is meant to leave behind, or with one table row
// carried across into the road or path tab when the user asks for it.
#include <string>

#include "core/state/StatoProgetto.h"
#include "masterplan/CalcolaMasterplan.h"

namespace nottaro::mp {

// `prima` (the state when the window opened) with, from `dopo`, the
// maintenance factor the user set on the tab or in the window, the batch folders and workbook, and
// the identification and letterhead the report settings may have changed.
// The wide Lm and Em excesses the batch accepts for its own rows stay with
// the batch: the design keeps the ones it had, so the next road run is
// judged against the class as before.
StatoProgetto StatoDopoMasterplan(const StatoProgetto& prima, const StatoProgetto& dopo);

// Whether row `r` can be carried into the design: a road or path row with
// solution `soluzione` (0 or 1) present.
bool PuoPortareNelProgetto(const RigaTabellaMP& r, int soluzione);

// The design's road arrangement for a batch road row's: the batch's 5 is
// the double centre row, not the staggered layout 5 of the design.
int DisposizioneStradaNelProgetto(int dispRiga);

// Writes row `r` into the road tab (roads) or the path tab (paths and
// areas): fixed height, overhang, tilt 0, width, lanes, arrangement, the
// class with its requirements and the batch's grid, surface and observers,
// the run's maintenance factor, and solution `soluzione`'s spacing (with
// DaProgetto) and photometric file (read into the record as the batch read
// it, without the lamp data prompt) with its lamp set. False with `errore`
// set, leaving `s` unchanged, when the row cannot be carried or the file
// cannot be read.
bool PortaRigaNelProgetto(StatoProgetto& s, const RigaTabellaMP& r, int soluzione, const OpzioniMP& o,
                          std::string& errore);

}  // namespace nottaro::mp
