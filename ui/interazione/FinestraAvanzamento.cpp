#include "ui/interazione/FinestraAvanzamento.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

#include "ui/comune/Testi.h"
#include "ui/interazione/InterazioneQt.h"

namespace nottaro::ui {

FinestraAvanzamento::FinestraAvanzamento(QWidget* genitore) : QDialog(genitore) {
    setObjectName(QStringLiteral("FinestraAvanzamento"));
    setWindowTitle(TitoloApplicazione());
    setWindowModality(Qt::WindowModal);
    testo_ = new QLabel(this);
    testo_->setObjectName(QStringLiteral("TestoAvanzamento"));
    testo_->setMinimumWidth(320);
    barra_ = new QProgressBar(this);
    barra_->setRange(0, 0);
    Interrompi_ = new QPushButton(Qm(278), this);
    Interrompi_->setObjectName(QStringLiteral("Interrompi"));
    connect(Interrompi_, &QPushButton::clicked, this, [this] {
        Interrompi_->setEnabled(false);
        emit interrompi();
    });
    auto* colonna = new QVBoxLayout(this);
    colonna->addWidget(testo_);
    colonna->addWidget(barra_);
    colonna->addWidget(Interrompi_, 0, Qt::AlignRight);
    Mostra(Avanzamento{});
}

void FinestraAvanzamento::Mostra(const Avanzamento& a) {
    QStringList righe;
    righe << Qm(1202).arg(a.fatti).arg(a.totale > 0 ? QString::number(a.totale) : QStringLiteral("?"));
    righe << Qm(1203).arg(a.trovati);
    righe << Qm(1204).arg(static_cast<long long>(std::lround(a.secondi)));
    righe << Qm(1205).arg(a.secondiRimasti >= 0 ? QString::number(std::lround(a.secondiRimasti))
                                                : QStringLiteral("?"));
    testo_->setText(righe.join(QLatin1Char('\n')));
    if (a.totale > 0) {
        // Per mille, so counts beyond an int's range still show.
        barra_->setRange(0, 1000);
        barra_->setValue(static_cast<int>(std::min<long long>(1000, a.fatti * 1000 / a.totale)));
    }
}

void FinestraAvanzamento::reject() {
    if (Interrompi_->isEnabled()) Interrompi_->click();
}

}  // namespace nottaro::ui
