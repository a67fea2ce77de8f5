#include "engine/sweep/SweepParallelo.h"

#include <algorithm>
#include <chrono>
#include <exception>
#include <stdexcept>
#include <thread>

#include "engine/sweep/InOrdineInParallelo.h"


namespace nottaro {
namespace {

double Adesso() {
    using namespace std::chrono;
    return duration<double>(steady_clock::now().time_since_epoch()).count();
}

// What a worker hands back for one group.
struct EsitoGruppo {
    std::vector<RigaTrovata> righe;
    long long valutati = 0;       // candidates evaluated, a prefix of the group
    bool completo = true;         // false: stopped inside the group
    Candidato ultimo;             // last candidate evaluated
    std::string errore;           // an exception escaped the work object
};

}  // namespace

MotoreSweep::MotoreSweep(OpzioniSweep opzioni, Riscontro& riscontro, DestinazioneRighe& righe, long long totale)
    : opz_(std::move(opzioni)), riscontro_(riscontro), righeDest_(righe), totale_(totale) {
    nThread_ = opz_.thread > 0 ? opz_.thread : static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
    inizio_ = Adesso();
}

double MotoreSweep::Secondi() const { return Adesso() - inizio_; }

void MotoreSweep::Progresso(bool forza) {
    const double t = Adesso();
    if (!forza && ultimoProgresso_ >= 0 && t - ultimoProgresso_ < opz_.intervalloProgresso) return;
    ultimoProgresso_ = t;
    // The rows about to be reported are made safe first.
    if (std::string e = righeDest_.Consegna(); !e.empty()) {
        if (errore_.empty()) errore_ = e;
        return;
    }
    Avanzamento a;
    a.fatti = fatti_.load();
    a.totale = totale_;
    a.trovati = righe_;
    a.secondi = t - inizio_;
    if (a.fatti > 0 && totale_ > a.fatti) a.secondiRimasti = a.secondi * static_cast<double>(totale_ - a.fatti) / static_cast<double>(a.fatti);
    else if (totale_ > 0 && a.fatti >= totale_) a.secondiRimasti = 0;
    riscontro_.Progresso(a);
    riscontro_.ConsegnaSeChiamante();
}

bool MotoreSweep::Memorizza(RigaTrovata& r) {
    const long long num = righe_ + 1;
    return std::visit(
        [&](auto& riga) {
            riga.NUM = num;
            const std::string esito = righeDest_.Aggiungi(riga);
            if (!esito.empty()) {
                // A destination that can take no further row (the disk refused
                // the bytes) ends the run with its reason; otherwise the row is
                // reported and skipped: the file, the row's number and why.
                if (righeDest_.Guasta()) {
                    errore_ = esito;
                    return false;
                }
                riscontro_.Messaggio({1100, {opz_.fileCorrente, std::to_string(num), esito}});
                return false;
            }
            righe_ = num;
            AggiornaRiepilogo(riepilogo_, riga);
            return true;
        },
        r.dati);
}

void MotoreSweep::ProgressoFinale() { Progresso(true); }

bool MotoreSweep::Esegui(const std::vector<GruppoCandidati>& gruppi, const std::vector<double>& sbracci,
                         const std::vector<double>& inclinazioni, const FabbricaLavoro& fabbrica) {
    OpzioniInOrdine par;
    par.thread = nThread_;
    par.finestra = static_cast<std::size_t>(nThread_) * 8;
    par.intervallo = std::min(0.05, opz_.intervalloProgresso);

    // One group on a worker, with that worker's own work object.
    auto valutaGruppo = [&](std::size_t indice, std::unique_ptr<LavoroSweep>& lavoro, const FermataLavori& fermata) {
        EsitoGruppo e;
        const GruppoCandidati& g = gruppi[indice];
        try {
            if (!lavoro) throw std::runtime_error("no work context");
            const bool pronto = lavoro->PreparaGruppo(g);
            for (double o : sbracci) {
                for (double t : inclinazioni) {
                    if (fermata()) {
                        e.completo = false;
                        break;
                    }
                    Candidato c{g.lampada, g.H, g.S, o, t};
                    RigaTrovata riga;
                    if (pronto && lavoro->Valuta(c, riga)) {
                        riga.candidato = c;
                        riga.posizione = e.valutati;
                        e.righe.push_back(std::move(riga));
                    }
                    e.ultimo = c;
                    ++e.valutati;
                    fatti_.fetch_add(1, std::memory_order_relaxed);
                }
                if (!e.completo) break;
            }
        } catch (const std::exception& ex) {
            e.errore = ex.what();
            e.completo = false;
        } catch (...) {
            e.errore = "unknown failure";
            e.completo = false;
        }
        return e;
    };

    // The group's rows stored in loop order; false ends the run after it.
    auto memorizzaGruppo = [&](std::size_t, EsitoGruppo& e) {
        for (RigaTrovata& r : e.righe) {
            if (!Memorizza(r)) {
                if (!errore_.empty()) return false;
                continue;
            }
            if (righe_ >= opz_.limiteRighe) {
                // The last row the table takes is stored; the run stops after it.
                limite_ = true;
                e.valutati = r.posizione + 1;
                e.ultimo = r.candidato;
                riscontro_.Messaggio({480, {}});
                break;
            }
        }
        valutati_ += e.valutati;
        if (e.valutati > 0) ultimo_ = e.ultimo;
        if (!e.errore.empty()) {
            errore_ = e.errore;
            return false;
        }
        if (limite_) return false;
        if (!e.completo) {
            interrotto_ = true;
            return false;
        }
        return true;
    };

    InOrdineInParallelo(
        gruppi.size(), par,
        [&] {
            std::unique_ptr<LavoroSweep> lavoro;
            try {
                lavoro = fabbrica();
            } catch (...) {
            }
            return lavoro;
        },
        valutaGruppo, memorizzaGruppo, [&] { return riscontro_.Annullato(); }, [&] { Progresso(false); });
    if (!limite_ && errore_.empty() && riscontro_.Annullato()) interrotto_ = true;
    return !(interrotto_ || limite_ || !errore_.empty());
}

}  // namespace nottaro
