#pragma once
// What a Masterplan row is judged by under the chosen class tables, and the
// energy indicators of its solutions.
#include <array>

#include "masterplan/SoluzioniMP.h"

namespace nottaro::mp {

// The row's requirements: its class's own under the program's tables; under
// EN 13201-2:2015 those of the 2015 class of the same letter and number
// ("me3a" and "m3" are M3, "s2" and "p2" P2, "ce1" and "c1" C1), with the
// edge ratio minimum of an M class in eirMin (0 otherwise). A code with no
// 2015 class keeps its own requirements.
RequisitiMP RequisitiEdizioneMP(const DatiRigaMP& d, const OpzioniMP& o, double& eirMin);

// Dp and De of a solution: the lamp power P (W) of one luminaire over the
// spacing it lights (m), the carriageway or path of width W (m) at Em (lx),
// and every strip beside it whose illuminance was computed (widths wSx, wDx)
// counted as a lit sub-area.
void IndicatoriMP(SoluzioneMP& c, double P, double spaziatura, double W, double Em, double wSx, double wDx,
                  const OpzioniMP& o);

}  // namespace nottaro::mp
