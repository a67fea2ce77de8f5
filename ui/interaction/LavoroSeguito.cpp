#include "ui/interaction/LavoroSeguito.h"

#include <algorithm>

#include <QAbstractButton>
#include <QEventLoop>
#include <QProgressBar>
#include <QProgressDialog>

namespace nottaro::ui {

// Messages to the window's Interazione, progress to the window.
class LavoroSeguito::Ponte : public Interazione {
public:
    Ponte(Interazione& ui, std::function<void(const Avanzamento&)> progresso)
        : ui_(ui), progresso_(std::move(progresso)) {}
    void Avviso(const std::string& t) override { ui_.Avviso(t); }
    bool Conferma(const std::string& t) override { return ui_.Conferma(t); }
    void Informazione(const std::string& t) override { ui_.Informazione(t); }
    bool ChiediDatiLampada(DatiLampada& d) override { return ui_.ChiediDatiLampada(d); }
    void Progresso(const Avanzamento& a) override {
        if (progresso_) progresso_(a);
    }

private:
    Interazione& ui_;
    std::function<void(const Avanzamento&)> progresso_;
};

LavoroSeguito::LavoroSeguito(Interazione& ui, std::function<void(const Avanzamento&)> progresso, QObject* genitore)
    : QObject(genitore), ponte_(std::make_unique<Ponte>(ui, std::move(progresso))) {
    timer_.setInterval(100);
    connect(&timer_, &QTimer::timeout, this, [this] {
        if (riscontro_) riscontro_->Consegna();
    });
}

LavoroSeguito::~LavoroSeguito() {
    // The result is not wanted any more, only the worker's end. The worker
    // never waits for this thread, so blocking here cannot hang.
    // Marked first: a job the pool had not started yet runs right here, and
    // its continuation with it.
    *vivo_ = false;
    Annulla();
    lavoro_.waitForFinished();
}

void LavoroSeguito::Inizia() {
    // A fresh feedback per job, built here: its Consegna() serves this thread.
    riscontro_ = std::make_shared<Riscontro>(ponte_.get());
    inCorso_ = true;
    timer_.start();
}

void LavoroSeguito::Concludi() {
    timer_.stop();
    riscontro_->Consegna();
    inCorso_ = false;
}

void LavoroSeguito::Annulla() {
    if (inCorso_ && riscontro_) riscontro_->Annulla();
}

void LavoroSeguito::CollegaStop(QAbstractButton* b) {
    connect(b, &QAbstractButton::clicked, this, &LavoroSeguito::Annulla);
}

void LavoroSeguito::CollegaStop(QProgressDialog* d) {
    // The Cancel button; QProgressDialog::cancel() alone only hides the window.
    connect(d, &QProgressDialog::canceled, this, &LavoroSeguito::Annulla);
}

void MostraAvanzamento(QProgressDialog& d, const Avanzamento& a, const QString& testo) {
    if (auto* barra = d.findChild<QProgressBar*>()) {
        barra->setRange(0, static_cast<int>(std::max<long long>(a.totale, 1)));
        barra->setValue(static_cast<int>(std::min(a.fatti, std::max<long long>(a.totale, 1))));
    }
    if (!testo.isEmpty()) d.setLabelText(testo);
}

void LavoroSeguito::Attendi() {
    if (!inCorso_) return;
    QEventLoop ciclo;
    connect(this, &LavoroSeguito::Finito, &ciclo, &QEventLoop::quit);
    if (inCorso_) ciclo.exec();
}

}  // namespace nottaro::ui
