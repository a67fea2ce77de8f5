#pragma once
// What a sweep or the evaluation of a fixed design is asked to compute: a
// value the caller builds on its own thread and hands over. It holds its own
// copy of the design values and shares the photometric record read-only, so
// the design state may change (a window edits it) while the run goes on.
#include <memory>

#include "core/photometry/Fotometria.h"
#include "core/state/StatoProgetto.h"
#include "engine/sweep/EnergiaCosti.h"

namespace nottaro {

struct OpzioniOttimizza {
    int thread = 0;                     // 0: every core
    long long limiteRighe = 65000;      // message 480 after this row
    double intervalloProgresso = 0.25;  // s between progress reports
    // Evaluate every candidate with the plain reference transcription instead
    // of the fast path: same rows, slower; for equality tests and benchmarks.
    bool valutazionePiana = false;
    // Rows without the illuminance figures (EIR, Dp, De; no judgement of TI
    // and EIR): the baseline the benchmark measures their cost against.
    bool senzaIndicatori = false;
};

struct RichiestaCalcolo {
    TipoImpianto tipo = TipoImpianto::Strada;
    // A copy of the design values; its own Foto is empty (the record is `foto`).
    std::shared_ptr<const StatoProgetto> valori;
    // The luminaire, with its chosen lamp set (LampSel). May be empty when
    // valori->FileLista names a luminaire list: each file is read in turn.
    std::shared_ptr<const Fotometria> foto;
    OpzioniOttimizza opzioni;

    const StatoProgetto& Valori() const { return *valori; }
    bool ConLista() const { return valori && !valori->FileLista.empty(); }
};

// Snapshot of the state for a run of the given kind (or of the project's own
// kind, TipoProgetto): copies the design values and the photometric record.
RichiestaCalcolo RichiestaDaStato(const StatoProgetto& s, TipoImpianto tipo, OpzioniOttimizza opzioni = {});
RichiestaCalcolo RichiestaDaStato(const StatoProgetto& s);

}  // namespace nottaro
