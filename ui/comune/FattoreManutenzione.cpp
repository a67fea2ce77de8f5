#include "ui/comune/FattoreManutenzione.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

#include <cmath>

#include "ui/comune/FrecceSuGiu.h"
#include "ui/comune/Testi.h"

namespace nottaro::ui {

FattoreManutenzione::FattoreManutenzione(double fattore, const QString& nomeEdit, QWidget* genitore)
    : QGroupBox(Qm(202), genitore), centesimi_(static_cast<int>(std::lround(fattore * 100))) {
    auto* posa = new QHBoxLayout(this);
    auto* etichetta = new QLabel(Qm(51), this);
    etichetta->setObjectName(QStringLiteral("Label4"));
    edit_ = new QLineEdit(Generale(fattore), this);
    edit_->setObjectName(nomeEdit);
    edit_->setReadOnly(true);
    edit_->setFixedWidth(56);
    auto* frecce = new FrecceSuGiu(0, 99, 79, this);
    frecce->setObjectName(QStringLiteral("UpDown4"));
    connect(frecce, &FrecceSuGiu::su, this, [this] { edit_->setText(Generale(++centesimi_ / 100.0)); });
    connect(frecce, &FrecceSuGiu::giu, this, [this] { edit_->setText(Generale(--centesimi_ / 100.0)); });
    posa->addWidget(etichetta);
    posa->addWidget(edit_);
    posa->addWidget(frecce);
    posa->addStretch();
}

}  // namespace nottaro::ui
