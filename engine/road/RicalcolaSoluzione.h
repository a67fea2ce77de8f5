#pragma once
// Detailed recomputation of one stored road solution (a row of an NTRLUX
// table; store/soluzioni/RigaAperta.h opens the current row): the row's
// photometric file is reloaded when a luminaire list is in use, the lamp set
// is the one whose flux the row shows, and the luminance field of every
// observer, Lm, Uo, Ul, TI, the illuminance field of the same grid and the
// utilisation factor are computed again.
#include <optional>
#include <string>

#include "core/interaction/Interazione.h"
#include "core/state/StatoProgetto.h"
#include "engine/comune/CampoIllum.h"
#include "engine/road/CampoStrada.h"
#include "engine/sweep/RigaScelta.h"

namespace nottaro {

struct SoluzioneStrada {
    bool ok = false;            // false: message 140 shown, or the row could not be read
    std::string errore;         // why the figures could not be formed (the layout, a calculation error)
    int LampCalc = 0;
    double SolLm = 0, SolUo = 0, SolUl = 0, TICalc = 0;
    CampoStrada campo;          // layout, grid and luminance fields
    CampoIllum illum;           // lx over the same grid
    StatisticheIllum stat;      // EmCalc, EminCalc, EmaxCalc
    std::optional<double> FattUtil;
};

// Recomputes the row `r`. Writes into the state what the chosen
// solution leaves there: SolLumen, SolPotenza, SolLampada, CatNomeFile,
// HPalo, Sbraccio, Interdist, Inclina, TipoProgetto 0 and, with a list, the
// reloaded FileFoto and photometry.
SoluzioneStrada RicalcolaSoluzione(const RigaScelta& r, StatoProgetto& s, Interazione& ui);

}  // namespace nottaro
