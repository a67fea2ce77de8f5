#pragma once
// What a caller asks of a whole design (the command line, the table view,
// the report, the batch): whether it can run, and the evaluation of its fixed
// geometry, road or path by the request's kind.
#include <optional>

#include "core/interaction/Riscontro.h"
#include "engine/area/ValutaPercorso.h"
#include "engine/road/ValutaStradaFissa.h"
#include "engine/sweep/RichiestaCalcolo.h"

namespace nottaro {

enum class ScopoCalcolo {
    Valutazione,  // the fixed geometry: height, overhang, tilt and spacing must be set
    Sweep,        // a sweep: an arrangement and (unless every result is kept) a requirement
};

// Empty when the request can run; else why not: a value outside its range
// (1110), no photometry (1103, 1115), a geometry value still variable (1106),
// no spacing (1107), no arrangement (1108), no requirement (1109).
MessaggioCatalogo VerificaRichiesta(const RichiestaCalcolo& r, ScopoCalcolo scopo);

// The evaluation of the request's fixed geometry with its photometry's lamp
// set; `errore` says why there is none (VerificaRichiesta, the layout, a
// calculation error: then erroreCalcolo).
struct ValutazioneProgetto {
    MessaggioCatalogo errore;
    bool erroreCalcolo = false;
    std::optional<RisultatoValutaStrada> strada;    // a road request
    std::optional<RisultatoPercorso> percorso;      // a path request
    ParametriStrada parametriStrada;                // what was evaluated
    ParametriArea parametriArea;
};
ValutazioneProgetto ValutaProgetto(const RichiestaCalcolo& r);

}  // namespace nottaro
