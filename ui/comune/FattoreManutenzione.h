#pragma once
// The maintenance factor box of the parameter dialogs: the factor in a
// read-only edit, moved by 0.01 per arrow click. The arrows start at position
// 79 of 0 … 99 at every opening, so one opening moves it at most 79 steps down
// and 20 up. The factor is counted in hundredths, so steps never drift.
#include <QGroupBox>

class QLineEdit;

namespace nottaro::ui {

class FattoreManutenzione : public QGroupBox {
    Q_OBJECT
public:
    // `nomeEdit` is the edit's object name ("Deprezz", "DeprezzA").
    FattoreManutenzione(double fattore, const QString& nomeEdit, QWidget* genitore = nullptr);
    double Fattore() const { return centesimi_ / 100.0; }

private:
    int centesimi_;
    QLineEdit* edit_;
};

}  // namespace nottaro::ui
