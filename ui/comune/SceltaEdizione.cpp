#include "ui/comune/SceltaEdizione.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>

#include "ui/comune/Testi.h"

namespace nottaro::ui {

QComboBox* AggiungiSceltaEdizione(QGridLayout* griglia, int riga, int edizione, QWidget* genitore) {
    auto* didascalia = new QLabel(Qm(2405), genitore);
    didascalia->setObjectName(QStringLiteral("LabelEdizioneEN"));
    auto* scelta = new QComboBox(genitore);
    scelta->setObjectName(QStringLiteral("EdizioneEN"));
    scelta->addItems({Qm(2406), Qm(2407)});
    scelta->setCurrentIndex(edizione == 1 ? 1 : 0);
    didascalia->setBuddy(scelta);
    griglia->addWidget(didascalia, riga, 0);
    griglia->addWidget(scelta, riga, 1, 1, 2);
    return scelta;
}

}  // namespace nottaro::ui
