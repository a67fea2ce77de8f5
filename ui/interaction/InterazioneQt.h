#pragma once
// The desktop answer to the compute code's questions: modal message boxes of
// the three kinds (with the system beep), the lamp data prompt and the
// progress of a long job. Lives on the window thread; a job on a worker
// reaches it through its Riscontro, which the window drains (LavoroSeguito).
#include <QPointer>
#include <QString>
#include <QWidget>

#include "core/interaction/Interazione.h"

namespace nottaro::ui {

class InterazioneQt : public Interazione {
public:
    explicit InterazioneQt(QWidget* genitore = nullptr) : genitore_(genitore) {}

    void Avviso(const std::string& testo) override;
    bool Conferma(const std::string& testo) override;
    void Informazione(const std::string& testo) override;
    bool ChiediDatiLampada(DatiLampada& dati) override;
    // Nothing: a run shows its progress in its own window (TCalcola, TCalcolaa).
    void Progresso(const Avanzamento&) override {}
    // Nothing: compute code runs on a worker, the window thread stays free.

    QWidget* Genitore() const { return genitore_; }

private:
    QPointer<QWidget> genitore_;
};

// Title of every message box.
QString TitoloApplicazione();

}  // namespace nottaro::ui
