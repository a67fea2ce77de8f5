#pragma once
// Cycle/pedestrian path parameters: the class with its Em and Emin or Ue
// requirement, the maintenance factor and the calculation grid.
#include <QDialog>

#include "core/interaction/Interazione.h"
#include "core/state/StatoProgetto.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace nottaro::ui {

class CampoDecimale;
class FattoreManutenzione;
class FrecceSuGiu;

class TDefProgettoA : public QDialog {
    Q_OBJECT
public:
    TDefProgettoA(StatoProgetto& stato, Interazione& ui, QWidget* genitore = nullptr);

private:
    void ScegliClasse(int i);
    void Ok();
    bool ClasseS() const;
    static QString NomeSecondoRequisito(bool classeS);

    StatoProgetto& stato_;
    Interazione& ui_;
    int nx_, ny_;
    FattoreManutenzione* fattore_;
    QComboBox* ComboBox5_;
    QComboBox* edizione_;
    QLineEdit* MaskEdit3_;
    CampoDecimale* MaskEdit4_;
    QLabel* Label10_;
    QLabel* Label23_;
    QLabel* Label8_;
    QRadioButton* griglia_[2];
    QLineEdit* MaskEdit1_;
    QLineEdit* MaskEdit2_;
};

}  // namespace nottaro::ui
