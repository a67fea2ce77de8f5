#pragma once
// Road design parameters: the four minimum requirements (by UNI 10439 index,
// EN 13201-2 class, by hand or by road category), the road surface, the
// maintenance factor, the calculation grid and the observers.
#include <QDialog>

#include "core/interaction/Interazione.h"
#include "core/state/StatoProgetto.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace nottaro::ui {

class CampoDecimale;
class FattoreManutenzione;

class TDefProg : public QDialog {
    Q_OBJECT
public:
    TDefProg(StatoProgetto& stato, Interazione& ui, QWidget* genitore = nullptr);

private:
    void CambiaModo(int i);
    void MostraRequisiti(double lm, double uo, double ul, double ti);
    void ScriviRequisiti(double lm, double uo, double ul, double ti, const char* codice);
    void MostraInformazioni(int categoria);
    void MostraClasseScelta();
    void Ok();

    StatoProgetto& stato_;
    Interazione& ui_;
    QComboBox* ComboBox2_;
    QComboBox* ComboBox3_;
    QComboBox* ComboBox5_;
    QComboBox* ComboBox4_;
    QComboBox* ComboBox1_;
    QComboBox* edizione_;
    QLabel* etichettaLaterale_;
    QLineEdit* LargLaterale_;
    QLabel* Label7_;
    QLabel* informazioni_[8];
    QWidget* requisiti_;
    CampoDecimale* edit_[4];
    QLabel* didascalie_[4];
    FattoreManutenzione* fattore_;
    QRadioButton* griglia_[2];
    QRadioButton* osservatori_[2];
};

}  // namespace nottaro::ui
