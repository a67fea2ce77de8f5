#pragma once
// One road geometry evaluated in full, as the detailed view of a solution,
// the table view, the report, the command line and the batch need it: the
// luminance field of every observer, Lm, Uo, Ul, TI and the quick estimate,
// the illuminance of the same grid and the utilisation factor. The road's
// counterpart of ValutaPercorso.
#include <optional>

#include "core/interaction/Riscontro.h"
#include "core/photometry/Fotometria.h"
#include "engine/comune/CampoIllum.h"
#include "engine/road/CampoStrada.h"
#include "engine/road/ParametriStrada.h"

namespace nottaro {

struct RisultatoValutaStrada {
    // Refused (the road cannot be laid out: 1105) or a calculation error
    // (1104 naming the routine, 1111 naming a figure that is not finite);
    // nothing below is meaningful then.
    MessaggioCatalogo errore;
    bool ErrCalcolo = false;           // errore is a calculation error
    double Lm = 0, Uo = 0, Ul = 0, TI = 0, StimaRapida = 0;
    CampoStrada campo;                 // layout, grid, per-observer figures and luminances
    CampoIllum illum;                  // lx over the same grid
    StatisticheIllum stat;             // EmCalc, EminCalc, EmaxCalc
    std::optional<double> FattUtil;    // empty when the lamp set has no flux
    bool Valido() const { return errore.Vuoto(); }
};

// Evaluates p with foto's lamp set p.LampCalc (indexed lookup; the same
// figures as the plain reference to the last bit).
RisultatoValutaStrada ValutaStradaFissa(const Fotometria& foto, const ParametriStrada& p);

}  // namespace nottaro
