#include "ui/dialoghi/TDefProgettoA.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <cmath>

#include "ui/comune/CampoDecimale.h"
#include "ui/comune/Campi.h"
#include "ui/comune/FattoreManutenzione.h"
#include "ui/comune/FrecceSuGiu.h"
#include "ui/comune/Acceleratori.h"
#include "ui/comune/SceltaEdizione.h"
#include "ui/comune/Testi.h"
#include "ui/dialoghi/Dialoghi.h"
#include "ui/motore/MotoreFinestre.h"
#include "ui/principale/Aiuto.h"

namespace nottaro::ui {

namespace {
QString Sv(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }
}  // namespace

TDefProgettoA::TDefProgettoA(StatoProgetto& stato, Interazione& ui, QWidget* genitore)
    : QDialog(genitore), stato_(stato), ui_(ui), nx_(stato.NPtiX), ny_(stato.NPtiY) {
    setObjectName(QStringLiteral("TDefProgettoA"));
    setWindowTitle(Qm(149));
    auto* colonna = new QVBoxLayout(this);

    fattore_ = new FattoreManutenzione(stato_.DeprezzA, QStringLiteral("DeprezzA"), this);
    fattore_->setObjectName(QStringLiteral("GroupBox1"));
    colonna->addWidget(fattore_);

    auto* gruppoClasse = new QGroupBox(Qm(472), this);
    gruppoClasse->setObjectName(QStringLiteral("GroupBox2"));
    auto* posaClasse = new QGridLayout(gruppoClasse);
    auto* Label2 = new QLabel(Qm(205), gruppoClasse);
    Label2->setObjectName(QStringLiteral("Label2"));
    ComboBox5_ = new QComboBox(gruppoClasse);
    ComboBox5_->setObjectName(QStringLiteral("ComboBox5"));
    for (const ClasseArea& c : ClassiPercorso()) ComboBox5_->addItem(NomeClasse(c.Nome), Sv(c.Nome));
    ComboBox5_->setCurrentIndex(ComboBox5_->findData(Qs(stato_.ClasseA)));
    Label8_ = new QLabel(Qm(473), gruppoClasse);
    Label8_->setObjectName(QStringLiteral("Label8"));
    MaskEdit3_ = new CampoDecimale(false, 6, gruppoClasse);
    MaskEdit3_->setObjectName(QStringLiteral("MaskEdit3"));
    MaskEdit3_->setText(Generale(stato_.EmMin));
    MaskEdit3_->setFixedWidth(64);
    Label10_ = new QLabel(gruppoClasse);
    Label10_->setObjectName(QStringLiteral("Label10"));
    Label23_ = new QLabel(gruppoClasse);
    Label23_->setObjectName(QStringLiteral("Label23"));
    MaskEdit4_ = new CampoDecimale(false, 5, gruppoClasse);
    MaskEdit4_->setObjectName(QStringLiteral("MaskEdit4"));
    MaskEdit4_->setFixedWidth(64);
    MaskEdit4_->setText(Generale(ClasseS() ? stato_.EminMin : stato_.UeMin));
    if (const ClasseArea* c = TrovaClasseArea(stato_.ClasseA)) Label23_->setText(Sv(EtichettaSecondoRequisito(*c)).simplified());
    Label10_->setText(NomeSecondoRequisito(ClasseS()));
    posaClasse->addWidget(Label2, 0, 0);
    posaClasse->addWidget(ComboBox5_, 0, 1, 1, 2);
    posaClasse->addWidget(Label8_, 1, 0);
    posaClasse->addWidget(MaskEdit3_, 1, 1);
    posaClasse->addWidget(new QLabel(QStringLiteral("lx"), gruppoClasse), 1, 2);
    posaClasse->addWidget(Label10_, 2, 0);
    posaClasse->addWidget(MaskEdit4_, 2, 1);
    posaClasse->addWidget(Label23_, 2, 2);
    edizione_ = AggiungiSceltaEdizione(posaClasse, 3, stato_.EdizioneEN, gruppoClasse);
    posaClasse->setColumnStretch(0, 1);
    colonna->addWidget(gruppoClasse);

    auto* RadioGroup1 = new QGroupBox(Qm(382), this);
    RadioGroup1->setObjectName(QStringLiteral("RadioGroup1"));
    auto* posaGriglia = new QGridLayout(RadioGroup1);
    griglia_[0] = new QRadioButton(Qm(469), RadioGroup1);
    // The custom item's caption ends with an "X" meant to stand between the counts.
    QString personalizzata = Qm(470);
    if (personalizzata.endsWith(QLatin1Char('X'))) personalizzata = personalizzata.chopped(1).trimmed();
    griglia_[1] = new QRadioButton(personalizzata, RadioGroup1);
    for (int i = 0; i < 2; ++i) griglia_[i]->setObjectName(QStringLiteral("RadioGroup1Voce%1").arg(i));
    griglia_[stato_.GrigliaPers != 0 ? 1 : 0]->setChecked(true);
    MaskEdit1_ = new QLineEdit(QString::number(nx_), RadioGroup1);
    MaskEdit1_->setObjectName(QStringLiteral("MaskEdit1"));
    MaskEdit2_ = new QLineEdit(QString::number(ny_), RadioGroup1);
    MaskEdit2_->setObjectName(QStringLiteral("MaskEdit2"));
    auto* UpDown1 = new FrecceSuGiu(0, 80, 0, RadioGroup1);
    UpDown1->setObjectName(QStringLiteral("UpDown1"));
    auto* UpDown2 = new FrecceSuGiu(0, 30, 9, RadioGroup1);
    UpDown2->setObjectName(QStringLiteral("UpDown2"));
    for (QLineEdit* e : {MaskEdit1_, MaskEdit2_}) {
        e->setReadOnly(true);
        e->setFixedWidth(40);
    }
    connect(UpDown1, &FrecceSuGiu::su, this, [this] { MaskEdit1_->setText(QString::number(++nx_)); });
    connect(UpDown1, &FrecceSuGiu::giu, this, [this] { MaskEdit1_->setText(QString::number(--nx_)); });
    connect(UpDown2, &FrecceSuGiu::su, this, [this] { MaskEdit2_->setText(QString::number(++ny_)); });
    connect(UpDown2, &FrecceSuGiu::giu, this, [this] { MaskEdit2_->setText(QString::number(--ny_)); });
    posaGriglia->addWidget(griglia_[0], 0, 0, 1, 6);
    posaGriglia->addWidget(griglia_[1], 1, 0);
    posaGriglia->addWidget(MaskEdit1_, 1, 1);
    posaGriglia->addWidget(UpDown1, 1, 2);
    posaGriglia->addWidget(new QLabel(QStringLiteral("X"), RadioGroup1), 1, 3);
    posaGriglia->addWidget(MaskEdit2_, 1, 4);
    posaGriglia->addWidget(UpDown2, 1, 5);
    posaGriglia->setColumnStretch(6, 1);
    colonna->addWidget(RadioGroup1);

    auto* pulsanti = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    auto* ok = pulsanti->button(QDialogButtonBox::Ok);
    ok->setObjectName(QStringLiteral("BitBtn1"));
    ok->setDefault(true);
    connect(pulsanti, &QDialogButtonBox::accepted, this, &TDefProgettoA::Ok);
    colonna->addWidget(pulsanti);
    connect(ComboBox5_, &QComboBox::activated, this, &TDefProgettoA::ScegliClasse);
    AcceleratoriDelDialogo(this);
    ImpostaAiuto(this, QStringLiteral("TDefProgettoA"));
}

// The second requirement of a P/S class is the minimum illuminance, of a
// C/CE class the uniformity.
QString TDefProgettoA::NomeSecondoRequisito(bool classeS) { return Qm(classeS ? 482 : 474); }

bool TDefProgettoA::ClasseS() const {
    const ClasseArea* c = TrovaClasseArea(Ss(ComboBox5_->currentData().toString()));
    return !c || c->ClasseS;
}

void TDefProgettoA::ScegliClasse(int i) {
    const auto classi = ClassiPercorso();
    if (i < 0 || i >= static_cast<int>(classi.size())) return;
    const ClasseArea& c = classi[static_cast<std::size_t>(i)];
    stato_.EmMin = c.EmMin;
    stato_.EminMin = c.EminMin;
    stato_.UeMin = c.UeMin;
    stato_.ClasseA = std::string(c.Nome);
    Label23_->setText(Sv(EtichettaSecondoRequisito(c)).simplified());
    Label10_->setText(NomeSecondoRequisito(c.ClasseS));
    MaskEdit3_->setText(Generale(c.EmMin));
    MaskEdit4_->setText(Generale(c.ClasseS ? c.EminMin : c.UeMin));
}

void TDefProgettoA::Ok() {
    if (ComboBox5_->currentIndex() < 0) return;
    const auto em = NumeroDelCampo(MaskEdit3_, Label8_->text(), ui_);
    if (!em) return;
    const auto secondo = NumeroDelCampo(MaskEdit4_, Label23_->text(), ui_);
    if (!secondo) return;
    const bool personalizzata = griglia_[1]->isChecked();
    // A grid needs at least one point each way.
    if (personalizzata && (nx_ < 1 || ny_ < 1)) {
        ui_.Avviso(Ss(Qm(1208).arg(SenzaAcceleratore(griglia_[1]->text()))));
        return;
    }
    stato_.DeprezzA = fattore_->Fattore();
    stato_.EmMin = *em;
    stato_.ClasseA = Ss(ComboBox5_->currentData().toString());
    stato_.EdizioneEN = edizione_->currentIndex();
    if (ClasseS()) {
        stato_.EminMin = *secondo;
        stato_.UeMin = 0;
    } else {
        stato_.EminMin = 0;
        stato_.UeMin = *secondo;
    }
    stato_.GrigliaPers = personalizzata ? 1 : 0;
    stato_.NPtiX = personalizzata ? nx_ : 0;
    stato_.NPtiY = personalizzata ? ny_ : 0;
    accept();
}

bool EseguiTDefProgettoA(QWidget* genitore, StatoProgetto& stato, Interazione& ui) {
    TDefProgettoA d(stato, ui, genitore);
    return d.exec() == QDialog::Accepted;
}

}  // namespace nottaro::ui
