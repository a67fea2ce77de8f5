#pragma once
// The letterhead dialog: company, department, two address lines, locality,
// telephone, fax, operator and the logo, opened and saved as .LP files in
// the letterhead folder. It edits the design state's Intest, DirIntest and
// LogoIntest.
#include <QDialog>

#include <functional>
#include <string>

#include "core/interaction/Interazione.h"
#include "core/state/StatoProgetto.h"

class QFrame;
class QLabel;
class QLineEdit;

namespace nottaro::ui {

class TPersonal : public QDialog {
    Q_OBJECT
public:
    TPersonal(StatoProgetto& stato, Interazione& ui, QWidget* genitore = nullptr);

    // File choices ("" cancels); the file dialogs when not set (tests set them).
    std::function<QString()> sceltaLogo;     // "&Seleziona il Logo"
    std::function<QString()> sceltaApri;     // "&Default"
    std::function<QString()> sceltaSalva;    // "&Salva"

    void SelezionaLogo();  // Button1
    void Apri();           // BitBtn2
    bool Salva();          // BitBtn3: false when nothing was written
    void Ok();             // BitBtn1

    bool AnteprimaVisibile() const;

private:
    QString Cartella() const;
    void MostraCampi(const Intestazione& i);
    Intestazione DaiCampi() const;
    void Anteprima();

    StatoProgetto& stato_;
    Interazione& ui_;
    std::string logoIniziale_;
    QLineEdit* edit_[8] = {};
    QFrame* bevel_ = nullptr;
    QLabel* immagine_ = nullptr;
};

}  // namespace nottaro::ui
