#include "ui/dialoghi/TLampProg.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/i18n/Lingua.h"
#include "core/i18n/Messaggi.h"
#include "core/photometry/ProntoLampada.h"
#include "ui/comune/Campi.h"
#include "ui/comune/Testi.h"
#include "ui/principale/Aiuto.h"

namespace nottaro::ui {

namespace {
QString Sv(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }
}  // namespace

TLampProg::TLampProg(const DatiLampada& dati, Interazione& ui, QWidget* genitore)
    : QDialog(genitore), risposta_(dati), ui_(ui) {
    setObjectName(QStringLiteral("TLampProg"));
    const TestiLampProg& t = TestiPromptLampada(LinguaCatalogo());
    setWindowTitle(Sv(t.titolo));

    auto* Label6 = new QLabel(Qs(dati.LampTipo), this);
    Label6->setObjectName(QStringLiteral("Label6"));
    auto* Label7 = new QLabel(this);
    Label7->setObjectName(QStringLiteral("Label7"));
    Edit2_ = new QLineEdit(Generale(dati.LampWatt), this);
    Edit2_->setObjectName(QStringLiteral("Edit2"));
    Edit2_->setMaxLength(4);
    Edit1_ = new QLineEdit(Generale(dati.LampFlusso), this);
    Edit1_->setObjectName(QStringLiteral("Edit1"));
    Edit1_->setMaxLength(6);

    auto* modulo = new QFormLayout;
    modulo->addRow(Sv(t.lampada), Label6);
    modulo->addRow(Sv(t.potenza), Edit2_);
    modulo->addRow(Sv(t.flusso), Edit1_);
    modulo->addRow(QString(), Label7);

    RadioGroup1_ = new QGroupBox(Sv(t.gruppo), this);
    RadioGroup1_->setObjectName(QStringLiteral("RadioGroup1"));
    auto* gruppo = new QVBoxLayout(RadioGroup1_);
    for (int i = 0; i < 5; ++i) {
        famiglie_[i] = new QRadioButton(Sv(t.famiglie[static_cast<std::size_t>(i)]), RadioGroup1_);
        famiglie_[i]->setObjectName(QStringLiteral("Famiglia%1").arg(i));
        gruppo->addWidget(famiglie_[i]);
    }
    famiglie_[0]->setChecked(true);

    auto* pulsanti = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    pulsanti->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("BitBtn1"));
    connect(pulsanti, &QDialogButtonBox::accepted, this, &TLampProg::Ok);

    auto* colonna = new QVBoxLayout(this);
    colonna->addLayout(modulo);
    colonna->addWidget(RadioGroup1_);
    colonna->addWidget(pulsanti);
    setMinimumWidth(340);
    ImpostaAiuto(this, QStringLiteral("TLampProg"));
}

void TLampProg::Ok() {
    // Both numbers are checked before either is kept.
    const auto flusso = NumeroDelCampo(Edit1_, Sv(TestiPromptLampada(LinguaCatalogo()).flusso), ui_);
    if (!flusso) return;
    const auto watt = NumeroDelCampo(Edit2_, Sv(TestiPromptLampada(LinguaCatalogo()).potenza), ui_);
    if (!watt) return;
    int famiglia = 0;
    for (int i = 0; i < 5; ++i)
        if (famiglie_[i]->isChecked()) famiglia = i;
    risposta_.LampFlusso = *flusso;
    risposta_.LampWatt = *watt;
    risposta_.Famiglia = famiglia;
    risposta_.LampTipo = std::string(PrefissoFamiglia(famiglia)) + FormatoGenerale(*watt);
    accept();
}

}  // namespace nottaro::ui
