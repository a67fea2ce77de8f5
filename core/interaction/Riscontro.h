#pragma once
// The feedback of one long job (a sweep, a batch): its progress, a stop
// request and the messages it has for the person at the screen.
//
// Compute code, on any thread, reports progress, queues messages and polls
// Annullato(); it never talks to a window. The caller's Interazione receives
// the progress and the messages on the caller's own thread only: through
// Consegna(), which the caller runs (a window from its timer while the job
// runs on a worker thread), or which the job runs itself where it was started
// on the caller's thread (the command line). Annulla() may be called from
// any thread, and from a signal handler.
#include <atomic>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "core/interaction/Interazione.h"

namespace nottaro {

// A catalogue message with its arguments: "%1" … "%9" in the text take the
// arguments in order; arguments beyond the text's markers follow it, each
// after a blank (the old messages were built by concatenation).
struct MessaggioCatalogo {
    int numero = -1;  // -1: no message
    std::vector<std::string> argomenti;
    bool Vuoto() const { return numero < 0; }
    // The text in the language the catalogue shows.
    std::string Testo() const;
};

class Riscontro {
public:
    enum class Tipo { Avviso, Informazione };

    // ui may be null (nobody to tell: progress and messages are dropped).
    // The calling thread is the one Consegna() serves.
    explicit Riscontro(Interazione* ui = nullptr);

    // --- stop request -----------------------------------------------------
    void Annulla() { annullato_.store(true, std::memory_order_relaxed); }
    bool Annullato() const { return annullato_.load(std::memory_order_relaxed); }

    // --- from the job, any thread ------------------------------------------
    // The latest progress (elapsed and time left are the job's to fill).
    void Progresso(const Avanzamento& a);
    void Messaggio(MessaggioCatalogo m, Tipo tipo = Tipo::Avviso);
    // Delivers now when called on the caller's thread; else leaves it to the
    // caller's own call.
    void ConsegnaSeChiamante();

    // --- the caller's thread ----------------------------------------------
    // Hands the queued messages (in order) and the latest progress, when new,
    // to the Interazione.
    void Consegna();

    // The latest progress, whoever asks.
    Avanzamento UltimoProgresso() const;

private:
    struct Voce {
        MessaggioCatalogo messaggio;
        Tipo tipo;
    };
    Interazione* ui_;
    std::thread::id chiamante_;
    std::atomic<bool> annullato_{false};
    mutable std::mutex m_;
    std::vector<Voce> coda_;
    Avanzamento progresso_;
    bool progressoNuovo_ = false;
};

}  // namespace nottaro
