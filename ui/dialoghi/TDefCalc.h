#pragma once
// Calculation parameters: the sweep steps and tolerances (first page) and the
// economic inputs that rank the solutions by cost and energy (second page).
// The check boxes act at once; every other value is stored when the dialog
// closes, after all of them were read as numbers.
#include <QDialog>

#include <vector>

#include "core/interaction/Interazione.h"
#include "core/state/StatoProgetto.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QTabWidget;

namespace nottaro::ui {

class TDefCalc : public QDialog {
    Q_OBJECT
public:
    TDefCalc(StatoProgetto& stato, Interazione& ui, QWidget* genitore = nullptr);
    QTabWidget* Pagine() const { return PageControl1_; }

    void done(int r) override;

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    struct Passo;
    struct Campo {
        QLineEdit* edit;
        double StatoProgetto::* valore;
        double scala;  // shown value = stored value x scala
        QString nome;
    };
    QWidget* PaginaCalcolo();
    QWidget* PaginaEconomica();
    QLineEdit* NuovoCampo(const char* nome, double StatoProgetto::* valore, const QString& didascalia,
                          double scala = 1);
    void Sorgente(bool vecchia);
    bool Ok();
    // Reads every edit; false (after a warning naming the field) when one is no number.
    bool Memorizza();

    StatoProgetto& stato_;
    Interazione& ui_;
    QTabWidget* PageControl1_;
    std::vector<Campo> campi_;
    struct ValorePasso {
        QLineEdit* edit;
        double StatoProgetto::* valore;
        double corrente;
        QString nome;            // the caption, named when a typed value is refused
        std::string valoreNome;  // the design value, whose range the field keeps
    };
    bool LeggiPasso(ValorePasso& p);
    std::vector<ValorePasso> passi_;
    QRadioButton* rapporto_[2];
    QLineEdit* LampT_ = nullptr;
    QLineEdit* MaskEdit13_ = nullptr;
    QLineEdit* NLampT_ = nullptr;
    QLineEdit* MaskEdit12_ = nullptr;
    QLineEdit* NLampW_ = nullptr;
    QLineEdit* MaskEdit11_ = nullptr;
    QLineEdit* MaskEdit10_ = nullptr;
    bool memorizzato_ = false;
};

}  // namespace nottaro::ui
