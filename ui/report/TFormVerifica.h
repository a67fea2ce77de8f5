#pragma once
// The project identification dialog: number, date, title, location, road
// section, description and two photographs; it opens the report dialog, the
// letterhead dialog, or saves the whole project file.
#include <QDialog>

#include <functional>

#include "core/interaction/Interazione.h"
#include "core/state/StatoProgetto.h"
#include "report/DatiReport.h"

class QFrame;
class QLabel;
class QLineEdit;
class QPlainTextEdit;

namespace nottaro::ui {

class TFormVerifica : public QDialog {
    Q_OBJECT
public:
    // `valutazione` adds the printed solution's evaluation to the report data
    // taken from the state when "&Stampa Progetto" is pressed.
    TFormVerifica(StatoProgetto& stato, Interazione& ui, std::function<void(DatiReport&)> valutazione,
                  QWidget* genitore = nullptr);

    // File choices ("" cancels); the dialogs when not set (tests set them).
    std::function<QString()> sceltaFotografia, sceltaFotoApparecchio, sceltaSalva;
    // Opens the report dialog and the letterhead dialog modally; tests replace them.
    std::function<void(DatiReport)> apriStampa;
    std::function<void()> apriIntestazione;

    void Stampa();       // BitBtn2
    bool SalvaProgetto();  // BitBtn5
    void Cancella();     // BitBtn3
    void Fotografia(bool apparecchio);  // Button1, Button2

    static constexpr int MaxDescrizione = 470;

private:
    void Identificazione();
    void Anteprima(QLabel* img, const std::string& file);

    StatoProgetto& stato_;
    Interazione& ui_;
    std::function<void(DatiReport&)> valutazione_;
    QLineEdit* edit_[5] = {};
    QPlainTextEdit* memo_ = nullptr;
    QLabel* image_[2] = {};
};

}  // namespace nottaro::ui
