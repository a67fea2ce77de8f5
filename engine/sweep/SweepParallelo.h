#pragma once
// The candidate loop shared by the road and the path sweep, run on several
// threads with the result of a single-threaded loop: candidates are grouped
// by (lamp set, height, spacing) in loop order, each worker evaluates whole
// groups with its own work object (layout and grid built once per group),
// and the calling thread appends the rows group by group in loop order. Only
// a window of groups ahead of the last appended one is in flight, so memory
// stays bounded. The row limit cuts at the same row whatever the thread
// count; a stop request ends every worker after its current candidate and
// the rows of the candidates before it are kept, so the table holds exactly
// what a single-threaded run stopped at that candidate would hold.
//
// The calling thread alone stores the rows and reports to the Riscontro
// (progress a few times a second, the row-limit warning, refused rows);
// every loop level polls its stop request.
#include <functional>
#include <memory>
#include <string>
#include <variant>
#include <vector>

#include "core/interaction/Riscontro.h"
#include "engine/sweep/RiepilogoSweep.h"
#include "engine/sweep/RigheSoluzione.h"

namespace nottaro {

// Candidates sharing a lamp set, a pole height and a spacing.
struct GruppoCandidati {
    int lampada = 0;
    double H = 0;
    double S = 0;
};

struct Candidato {
    int lampada = 0;
    double H = 0, S = 0, Sbraccio = 0, Inclina = 0;
};

// One row found by a worker; NUM is given when it is stored.
struct RigaTrovata {
    std::variant<RigaStrada, RigaPercorso> dati;
    // Filled by the sweep: the candidate and its position inside its group.
    Candidato candidato;
    long long posizione = 0;
};

// Per-thread evaluation context: owns every work array of a candidate.
class LavoroSweep {
public:
    virtual ~LavoroSweep() = default;
    // Layout and grid for a group; false drops the whole group.
    virtual bool PreparaGruppo(const GruppoCandidati& g) = 0;
    // Evaluates one candidate of the prepared group; true when a row is to be
    // stored (`riga.dati` filled).
    virtual bool Valuta(const Candidato& c, RigaTrovata& riga) = 0;
};
using FabbricaLavoro = std::function<std::unique_ptr<LavoroSweep>()>;

struct OpzioniSweep {
    int thread = 0;                        // workers; 0 = every core
    long long limiteRighe = 65000;         // the last row stored; message 480 follows it
    double intervalloProgresso = 0.25;     // s between progress reports
    std::string fileCorrente;              // FILELDT named by a refused row's message
};

class MotoreSweep {
public:
    // `righe` stores the rows (with their NUM), `totale` is the candidate
    // count of the whole run for the progress figures.
    MotoreSweep(OpzioniSweep opzioni, Riscontro& riscontro, DestinazioneRighe& righe, long long totale);

    // Runs the groups of one photometric file, each over every overhang and
    // tilt. Returns false when the run must end (stop request, row limit,
    // error); later files are then not started.
    bool Esegui(const std::vector<GruppoCandidati>& gruppi, const std::vector<double>& sbracci,
                const std::vector<double>& inclinazioni, const FabbricaLavoro& fabbrica);

    // The file a refused row's message names, per file.
    void ImpostaFileCorrente(std::string f) { opz_.fileCorrente = std::move(f); }

    // Last progress report, forced (end of run).
    void ProgressoFinale();

    long long Righe() const { return righe_; }                // rows stored
    long long CandidatiValutati() const { return valutati_; } // candidates evaluated, in loop order
    bool Interrotto() const { return interrotto_; }
    bool LimiteRaggiunto() const { return limite_; }
    const std::string& Errore() const { return errore_; }
    const RiepilogoSweep& Riepilogo() const { return riepilogo_; }
    // The last candidate evaluated in loop order (valid when CandidatiValutati() > 0).
    const Candidato& UltimoCandidato() const { return ultimo_; }
    double Secondi() const;
    // The number of workers actually used.
    int Thread() const { return nThread_; }

private:
    void Progresso(bool forza);
    // Stores one row; false when the destination refused it.
    bool Memorizza(RigaTrovata& r);

    OpzioniSweep opz_;
    Riscontro& riscontro_;
    DestinazioneRighe& righeDest_;
    long long totale_;
    int nThread_ = 1;
    long long righe_ = 0;
    long long valutati_ = 0;
    std::atomic<long long> fatti_{0};  // evaluated by workers, any order (progress only)
    bool interrotto_ = false, limite_ = false;
    std::string errore_;
    RiepilogoSweep riepilogo_;
    Candidato ultimo_;
    double inizio_ = 0, ultimoProgresso_ = -1;
};

}  // namespace nottaro
