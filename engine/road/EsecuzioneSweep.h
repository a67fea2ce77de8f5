#pragma once
// One optimisation run, road or path: the files of the luminaire list (or
// the loaded photometry), their lamp sets, the heights, spacings, overhangs
// and tilts, evaluated on every core and appended to an open solution table
// in the order a single-threaded run appends them. The run reads a const
// snapshot of the design state and returns what it found; the caller writes
// back what a finished run leaves in the state (ApplicaRisultato).
#include <atomic>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/interaction/Interazione.h"
#include "core/state/StatoProgetto.h"
#include "engine/road/EnergiaCosti.h"
#include "engine/road/RiepilogoSweep.h"
#include "engine/road/SweepParallelo.h"
#include "store/TabellaDbf.h"

namespace nottaro {

struct OpzioniOttimizza {
    int thread = 0;                                 // 0: every core
    long long limiteRighe = 65000;                  // message 480 after this row
    const std::atomic<bool>* interrompi = nullptr;  // "Interrompi" / Ctrl-C
    double intervalloProgresso = 0.25;              // s between progress reports
    // Evaluate every candidate with the plain reference transcription instead
    // of the fast path: same rows, slower; for equality tests and benchmarks.
    bool valutazionePiana = false;
};

struct RisultatoSweep {
    long long NRisultati = 0;      // rows stored
    long long candidati = 0;       // candidates evaluated
    long long totale = 0;          // candidates the run would evaluate (progress estimate)
    double secondi = 0;
    int thread = 1;
    bool interrotto = false;
    bool limiteRaggiunto = false;  // stopped at the row limit (message 480 shown)
    std::string errore;            // the run could not start or failed (empty: fine)
    RiepilogoSweep riepilogo;
    std::vector<std::string> fileScartati;  // list entries that could not be read
    // The sweep variables after their last step (fixed values unchanged);
    // valid when candidati > 0.
    double HPalo = 0, Sbraccio = 0, Inclina = 0, Interdist = 0;
    int LampCalc = 0;
};

// Lamp set data formed once per lamp set, before the geometric loops.
struct LampadaSweep {
    LampadaProgetto lampada;
    CostiPunto costi;
};

// The photometric file a work object evaluates.
struct ContestoFile {
    const Fotometria* foto = nullptr;
    std::string fileLdt;                 // FILELDT of the rows
    std::vector<LampadaSweep> lampade;   // indexed by lamp set
};

using CreaLavoro = std::function<std::unique_ptr<LavoroSweep>(const ContestoFile&)>;

// The run itself, for either kind. `tabella` must be open (emptied by the
// caller). Used by OttimizzaStrada and OttimizzaArea.
RisultatoSweep EseguiSweep(const StatoProgetto& stato, TipoImpianto tipo, TabellaDbf& tabella, Interazione& ui,
                           const OpzioniOttimizza& opz, const CreaLavoro& crea);

// The files of a luminaire list, each entry resolved as RisolviVoceLista
// does (an entry found nowhere stays as written, so the run names it);
// blank lines skipped. False when the list cannot be read.
bool LeggiListaFile(const std::string& percorso, std::vector<std::string>& righe, const std::string& dirProg = {});

// Text cut to at most n characters (code points), as a fixed-width field holds it.
std::string TroncaTesto(const std::string& s, std::size_t n);

// The values of a road or path solution row without NUM, in field order:
// geometry, the four light figures of the table (Lm, Uo, Ul, TI on a road;
// Em, Uo, Emin, Emax on a path), the lamp set, CORPO, the file and the
// energy and cost figures.
std::vector<ValoreCampo> ValoriRiga(const ContestoFile& cf, const Candidato& c, const double (&luce)[4],
                                    const std::string& corpo, const FigureRiga& fr);

// Writes into the state what the run leaves there: the sweep variables of the
// project's kind after their last step and TipoProgetto. Nothing when no
// candidate was evaluated.
void ApplicaRisultato(StatoProgetto& stato, TipoImpianto tipo, const RisultatoSweep& r);

}  // namespace nottaro
