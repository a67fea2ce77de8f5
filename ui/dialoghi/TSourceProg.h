#pragma once
// The design light source picker: a lamp family with its default life and
// price, which Ok stores (for the family and as the chosen source).
#include <QDialog>

#include "core/interaction/Interazione.h"
#include "core/state/StatoProgetto.h"

class QLineEdit;
class QRadioButton;

namespace nottaro::ui {

class TSourceProg : public QDialog {
    Q_OBJECT
public:
    TSourceProg(StatoProgetto& stato, Interazione& ui, bool modificabile,
                QWidget* genitore = nullptr);

private:
    void MostraFamiglia();
    void Ok();
    int Famiglia() const;

    StatoProgetto& stato_;
    Interazione& ui_;
    QRadioButton* famiglie_[4];
    QLineEdit* Edit2_;  // life, h
    QLineEdit* Edit1_;  // price, €
};

}  // namespace nottaro::ui
