#include "ui/dialoghi/TAboutBox.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/files/FileProgetto.h"
#include "ui/comune/Campi.h"
#include "ui/comune/Acceleratori.h"
#include "ui/comune/Testi.h"
#include "ui/principale/Aiuto.h"

namespace nottaro::ui {

TAboutBox::TAboutBox(QWidget* genitore) : QDialog(genitore) {
    setObjectName(QStringLiteral("TAboutBox"));
    setWindowTitle(SenzaAcceleratore(Qm(72)).remove(QLatin1Char('.')));
    auto* colonna = new QVBoxLayout(this);
    auto* titolo = new QLabel(QStringLiteral("<b>Lucerno - Nottaro</b>"), this);
    titolo->setObjectName(QStringLiteral("ProductName"));
    auto* versione = new QLabel(QStringLiteral("ver. ") + QLatin1String(VersioneProgramma), this);
    versione->setObjectName(QStringLiteral("Version"));
    auto* slogan = new QLabel(Qm(99), this);
    slogan->setObjectName(QStringLiteral("Comments"));
    for (QLabel* l : {titolo, versione, slogan}) colonna->addWidget(l, 0, Qt::AlignHCenter);
    auto* licenza = new QPushButton(Qm(97), this);
    licenza->setObjectName(QStringLiteral("BitBtn2"));
    licenza->setAutoDefault(false);
    auto* ok = new QPushButton(QStringLiteral("&Ok"), this);
    ok->setObjectName(QStringLiteral("OKButton"));
    ok->setDefault(true);
    PulsanteAiuto(licenza, this, QStringLiteral("licenza"));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* pulsanti = new QHBoxLayout;
    pulsanti->addWidget(licenza);
    pulsanti->addStretch();
    pulsanti->addWidget(ok);
    colonna->addLayout(pulsanti);
    setMinimumWidth(300);
    AcceleratoriDelDialogo(this);
    ImpostaAiuto(this, QStringLiteral("TAboutBox"));
}

}  // namespace nottaro::ui
