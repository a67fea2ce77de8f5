#pragma once
// The lamp data prompt: a photometric file whose first lamp set has no usable
// flux or wattage asks the designer for the lamp. Its captions are fixed per
// language, not catalogue texts.
#include <QDialog>

#include "core/interaction/Interazione.h"

class QLabel;
class QLineEdit;
class QRadioButton;
class QGroupBox;

namespace nottaro::ui {

class TLampProg : public QDialog {
    Q_OBJECT
public:
    // `dati` holds the file's first lamp set; `ui` warns about a bad number.
    TLampProg(const DatiLampada& dati, Interazione& ui, QWidget* genitore = nullptr);
    // The answer after Ok: flux and watts typed, the family chosen and the
    // type "<family prefix><watts>".
    const DatiLampada& Risposta() const { return risposta_; }

private:
    void Ok();
    DatiLampada risposta_;
    Interazione& ui_;
    QLineEdit* Edit1_;  // lumen
    QLineEdit* Edit2_;  // watts
    QGroupBox* RadioGroup1_;
    QRadioButton* famiglie_[5];
};

}  // namespace nottaro::ui
