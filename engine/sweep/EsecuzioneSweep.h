#pragma once
// One optimisation run, road or path: the files of the luminaire list (or
// the request's photometry), their lamp sets, the heights, spacings,
// overhangs and tilts, evaluated on every core and stored in the order a
// single-threaded run stores them. The run reads only its request (a copy of
// the design values and a shared read-only record) and returns what it found;
// the caller writes back what a finished run leaves in the state
// (ApplicaRisultato).
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/interaction/Riscontro.h"
#include "core/state/StatoProgetto.h"
#include "engine/sweep/EnergiaCosti.h"
#include "engine/sweep/RichiestaCalcolo.h"
#include "engine/sweep/RiepilogoSweep.h"
#include "engine/sweep/RigheSoluzione.h"
#include "engine/sweep/SweepParallelo.h"

namespace nottaro {

struct RisultatoSweep {
    long long NRisultati = 0;      // rows stored
    long long candidati = 0;       // candidates evaluated
    long long totale = 0;          // candidates the run would evaluate (progress estimate)
    double secondi = 0;
    int thread = 1;
    bool interrotto = false;
    bool limiteRaggiunto = false;  // stopped at the row limit (message 480 shown)
    MessaggioCatalogo errore;      // the run could not start or failed (Vuoto(): fine)
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

// The run itself, for either kind (the request's). Used by OttimizzaStrada
// and OttimizzaArea.
RisultatoSweep EseguiSweep(const RichiestaCalcolo& richiesta, DestinazioneRighe& righe, Riscontro& riscontro,
                           const CreaLavoro& crea);

// The files of a luminaire list, each entry resolved as RisolviVoceLista
// does (an entry found nowhere stays as written, so the run names it);
// blank lines skipped. False when the list cannot be read.
bool LeggiListaFile(const std::string& percorso, std::vector<std::string>& righe, const std::string& dirProg = {});

// The fields road and path rows share for candidate c of file cf.
DatiRiga DatiComuni(const ContestoFile& cf, const Candidato& c, const FigureRiga& fr);

// Writes into the state what the run leaves there: the sweep variables of the
// project's kind after their last step and TipoProgetto. Nothing when no
// candidate was evaluated.
void ApplicaRisultato(StatoProgetto& stato, TipoImpianto tipo, const RisultatoSweep& r);

}  // namespace nottaro
