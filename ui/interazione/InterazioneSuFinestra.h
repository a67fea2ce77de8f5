#pragma once
// The bridge from compute code on a worker thread to the window thread's
// interaction: messages, questions and the lamp prompt wait for the answer
// (blocking); progress is queued and never holds the worker up. Called on the
// window thread itself it answers directly.
//
// Whoever waits for the worker must keep the window thread's event loop
// running (QEventLoop, a modal dialog), never block on the future, or a
// question from the worker would wait forever.
#include <QObject>

#include "core/interaction/Interazione.h"

namespace nottaro::ui {

class InterazioneSuFinestra : public QObject, public Interazione {
    Q_OBJECT
public:
    // Create on the window thread; `finestra` is used there only.
    explicit InterazioneSuFinestra(Interazione& finestra, QObject* genitore = nullptr);

    void Avviso(const std::string& testo) override;
    bool Conferma(const std::string& testo) override;
    void Informazione(const std::string& testo) override;
    bool ChiediDatiLampada(DatiLampada& dati) override;
    void Progresso(const Avanzamento& stato) override;

private:
    template <class F>
    void SullaFinestra(F&& f);
    Interazione& finestra_;
};

}  // namespace nottaro::ui
