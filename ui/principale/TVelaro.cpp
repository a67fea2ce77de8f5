#include "ui/principale/TVelaro.h"

#include <QAction>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/files/FileProgetto.h"
#include "ui/comune/Testi.h"

namespace nottaro::ui {

TVelaro::TVelaro(StatoProgetto& stato, Interazione* ui, QWidget* genitore)
    : QMainWindow(genitore), stato_(stato) {
    setObjectName(QStringLiteral("Velaro"));
    if (!ui) {
        uiPropria_ = std::make_unique<InterazioneQt>(this);
        ui = uiPropria_.get();
    }
    ui_ = ui;
    setWindowTitle(QStringLiteral("Lucerno - Nottaro ") + QString::fromLatin1(VersioneProgramma));

    auto* centro = new QWidget(this);
    auto* colonna = new QVBoxLayout(centro);
    auto* BitBtn5 = new QPushButton(Qm(61), centro);
    BitBtn5->setObjectName(QStringLiteral("BitBtn5"));
    colonna->addWidget(BitBtn5);
    setCentralWidget(centro);

    auto* dati = menuBar()->addMenu(Qm(60));
    auto* DatiFotometrici1 = dati->addAction(Qm(61));
    DatiFotometrici1->setObjectName(QStringLiteral("Datifotometrici1"));
    Collega(BitBtn5, DatiFotometrici1, ApriDatiFotometrici());
}

TVelaro::~TVelaro() = default;

void TVelaro::Collega(QWidget* pulsante, QAction* voce, const ApriFinestra& apri) {
    if (apri) {
        if (auto* b = qobject_cast<QPushButton*>(pulsante)) connect(b, &QPushButton::clicked, this, [this, apri] { Apri(apri); });
        if (voce) connect(voce, &QAction::triggered, this, [this, apri] { Apri(apri); });
        return;
    }
    if (pulsante) {
        pulsante->setEnabled(false);
        pulsante->setToolTip(Qm(1201));
    }
    if (voce) {
        voce->setEnabled(false);
        voce->setToolTip(Qm(1201));
    }
}

void TVelaro::Apri(const ApriFinestra& apri) {
    if (apri) apri({this, stato_, *ui_});
}

}  // namespace nottaro::ui
