#include "ui/dialoghi/TSourceProg.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "ui/comune/CampoDecimale.h"
#include "ui/comune/Campi.h"
#include "ui/comune/Testi.h"
#include "ui/dialoghi/Dialoghi.h"
#include "ui/principale/Aiuto.h"

namespace nottaro::ui {

namespace {
struct ValoriFamiglia {
    double StatoProgetto::* durata;
    double StatoProgetto::* costo;
};
constexpr ValoriFamiglia Famiglie[] = {
    {&StatoProgetto::DurataSAP, &StatoProgetto::CostoSAP},
    {&StatoProgetto::DurataSBP, &StatoProgetto::CostoSBP},
    {&StatoProgetto::DurataHID, &StatoProgetto::CostoHID},
    {&StatoProgetto::DurataHG, &StatoProgetto::CostoHG},
};
}  // namespace

TSourceProg::TSourceProg(StatoProgetto& stato, Interazione& ui, bool modificabile, QWidget* genitore)
    : QDialog(genitore), stato_(stato), ui_(ui) {
    setObjectName(QStringLiteral("TSourceProg"));
    setWindowTitle(Qm(0));
    auto* colonna = new QVBoxLayout(this);
    auto* RadioGroup1 = new QGroupBox(Qm(5), this);
    RadioGroup1->setObjectName(QStringLiteral("RadioGroup1"));
    auto* posaFamiglie = new QVBoxLayout(RadioGroup1);
    for (int i = 0; i < 4; ++i) {
        famiglie_[i] = new QRadioButton(Qm(7 + i), RadioGroup1);
        famiglie_[i]->setObjectName(QStringLiteral("RadioGroup1Voce%1").arg(i));
        posaFamiglie->addWidget(famiglie_[i]);
        connect(famiglie_[i], &QRadioButton::toggled, this, [this](bool si) {
            if (si) MostraFamiglia();
        });
    }
    colonna->addWidget(RadioGroup1);

    auto* griglia = new QGridLayout;
    auto* Label5 = new QLabel(Qm(1), this);
    Label5->setObjectName(QStringLiteral("Label5"));
    auto* Label1 = new QLabel(Qm(2), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    auto* Label2 = new QLabel(Qm(3), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Edit2_ = new CampoDecimale(false, 6, this);
    Edit2_->setObjectName(QStringLiteral("Edit2"));
    Edit1_ = new CampoDecimale(false, 6, this);
    Edit1_->setObjectName(QStringLiteral("Edit1"));
    for (QLineEdit* e : {Edit2_, Edit1_}) {
        e->setEnabled(modificabile);
        e->setFixedWidth(72);
    }
    auto* Label4 = new QLabel(Qm(4), this);
    Label4->setObjectName(QStringLiteral("Label4"));
    griglia->addWidget(Label5, 0, 0, 1, 3);
    griglia->addWidget(Label1, 1, 0);
    griglia->addWidget(Edit2_, 1, 1);
    griglia->addWidget(Label4, 1, 2);
    griglia->addWidget(Label2, 2, 0);
    griglia->addWidget(Edit1_, 2, 1);
    griglia->addWidget(new QLabel(QStringLiteral("€"), this), 2, 2);
    colonna->addLayout(griglia);

    auto* pulsanti = new QHBoxLayout;
    auto* ok = new QPushButton(QStringLiteral("&Ok"), this);
    ok->setObjectName(QStringLiteral("BitBtn1"));
    ok->setDefault(true);
    auto* esci = new QPushButton(Qm(6), this);
    esci->setObjectName(QStringLiteral("BitBtn2"));
    esci->setAutoDefault(false);
    pulsanti->addStretch();
    pulsanti->addWidget(ok);
    pulsanti->addWidget(esci);
    colonna->addLayout(pulsanti);
    connect(ok, &QPushButton::clicked, this, &TSourceProg::Ok);
    connect(esci, &QPushButton::clicked, this, &QDialog::reject);
    famiglie_[0]->setChecked(true);
    ImpostaAiuto(this, QStringLiteral("TSourceProg"));
}

int TSourceProg::Famiglia() const {
    for (int i = 0; i < 4; ++i)
        if (famiglie_[i]->isChecked()) return i;
    return 0;
}

void TSourceProg::MostraFamiglia() {
    const ValoriFamiglia& f = Famiglie[Famiglia()];
    Edit2_->setText(Generale(stato_.*f.durata));
    Edit1_->setText(Generale(stato_.*f.costo));
}

void TSourceProg::Ok() {
    if (Edit2_->text().isEmpty() || Edit1_->text().isEmpty()) {
        accept();
        return;
    }
    const auto durata = NumeroDelCampo(Edit2_, Qm(2), ui_);
    if (!durata) return;
    const auto costo = NumeroDelCampo(Edit1_, Qm(3), ui_);
    if (!costo) return;
    const ValoriFamiglia& f = Famiglie[Famiglia()];
    stato_.*f.durata = *durata;
    stato_.*f.costo = *costo;
    stato_.SorgDurata = *durata;
    stato_.SorgCosto = *costo;
    accept();
}

bool EseguiTSourceProg(QWidget* genitore, StatoProgetto& stato, Interazione& ui, bool modificabile) {
    TSourceProg d(stato, ui, modificabile, genitore);
    return d.exec() == QDialog::Accepted;
}

}  // namespace nottaro::ui
