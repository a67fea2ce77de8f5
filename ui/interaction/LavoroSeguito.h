#pragma once
// The one way a window runs a long job: the job takes its request (captured
// by value) and a Riscontro, and runs on a worker; this helper, on the window
// thread, drains the Riscontro on a timer (progress to the window, messages
// to its Interazione), turns Stop/Interrompi/Cancel into the Riscontro's stop
// request and hands the result back on the window thread.
//
// A window keeps one helper and runs one job at a time through it. Whoever
// waits for the job (closing, a modal print) waits with the event loop
// running, so the timer, repaints and the Cancel button go on working.
#include <QFuture>
#include <QObject>
#include <QTimer>
#include <QtConcurrent/QtConcurrentRun>

#include <functional>
#include <memory>
#include <type_traits>
#include <utility>

#include "core/interaction/Interazione.h"
#include "core/interaction/Riscontro.h"

class QAbstractButton;
class QProgressDialog;

namespace nottaro::ui {

class LavoroSeguito : public QObject {
    Q_OBJECT
public:
    // Messages go to `ui`, each new progress to `progresso`; both on the
    // window thread. Create on the window thread.
    LavoroSeguito(Interazione& ui, std::function<void(const Avanzamento&)> progresso, QObject* genitore = nullptr);
    // Stops a job still running and waits for it.
    ~LavoroSeguito() override;

    // Runs `calcola(riscontro)` on a worker; `scrivi(risultato)` follows on
    // the window thread, after the last progress and messages were handed
    // over. Refused (false) while a job runs.
    template <class Calcola, class Scrivi>
    bool Avvia(Calcola calcola, Scrivi scrivi);

    // The stop request of the job in hand (any button, closing the window).
    void Annulla();
    // Every click of `b` / every Cancel of `d` stops the job in hand.
    void CollegaStop(QAbstractButton* b);
    void CollegaStop(QProgressDialog* d);

    bool InCorso() const { return inCorso_; }
    // Whether the last job was asked to stop.
    bool Annullato() const { return riscontro_ && riscontro_->Annullato(); }
    // Waits for the job in hand with the event loop running.
    void Attendi();
    // How often the feedback is drained, in ms.
    void ImpostaIntervallo(int ms) { timer_.setInterval(ms); }

signals:
    void Finito();

private:
    void Inizia();
    void Concludi();

    class Ponte;
    std::unique_ptr<Interazione> ponte_;
    std::shared_ptr<Riscontro> riscontro_;
    QFuture<void> lavoro_;  // the worker's own run
    std::shared_ptr<bool> vivo_ = std::make_shared<bool>(true);
    QTimer timer_;
    bool inCorso_ = false;
};

// A progress window's bar and text, set without QProgressDialog::setValue,
// which for a modal window runs the event loop itself (and would re-enter
// whoever is drawing it). `testo` empty keeps the text.
void MostraAvanzamento(QProgressDialog& d, const Avanzamento& a, const QString& testo);

template <class Calcola, class Scrivi>
bool LavoroSeguito::Avvia(Calcola calcola, Scrivi scrivi) {
    if (inCorso_) return false;
    Inizia();
    using Risultato = std::invoke_result_t<Calcola, Riscontro&>;
    QFuture<Risultato> lavoro =
        QtConcurrent::run([calcola = std::move(calcola), r = riscontro_]() mutable { return calcola(*r); });
    lavoro_ = lavoro;
    lavoro.then(this, [this, vivo = vivo_, scrivi = std::move(scrivi)](Risultato risultato) mutable {
        // The helper may have gone meanwhile: then nobody wants the result.
        if (!*vivo) return;
        Concludi();
        scrivi(std::move(risultato));
        // A job started from `scrivi` ends with its own signal.
        if (!inCorso_) emit Finito();
    });
    return true;
}

}  // namespace nottaro::ui
