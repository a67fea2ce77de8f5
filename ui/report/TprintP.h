#pragma once
// The project report dialog: complete or detail (the four sections), the
// standard style, false-colour maps, the printer set-up (the chosen printer
// stays for the next print), print, "PDF…", a progress bar and "Interrompi"
// while the pages are drawn.
#include <QDialog>

#include <functional>
#include <memory>
#include <vector>

#include "core/interaction/Interazione.h"
#include "report/DatiReport.h"
#include "report/StampaProgetto.h"
#include "ui/motore/MotoreStampa.h"

class QCheckBox;
class QPrinter;
class QProgressBar;
class QPushButton;
class QRadioButton;

namespace nottaro::ui {

class LavoroSeguito;

class TprintP : public QDialog {
    Q_OBJECT
public:
    TprintP(DatiReport dati, Interazione& ui, QWidget* genitore = nullptr);
    ~TprintP() override;

    // What the check boxes choose now.
    OpzioniReport Opzioni() const;
    QPrinter& Stampante() { return *stampante_; }

    // "Setup di Stampa": the print dialog on the kept printer; tests replace it.
    std::function<bool(QPrinter&)> sceltaStampante;
    // "PDF…": the file to write, "" to cancel; the save dialog when not set.
    std::function<QString()> sceltaFilePdf;

    void Stampa();     // BitBtn3: on the kept printer
    void StampaPdf();  // BitBtnPdf

private:
    void Completo(bool completo);
    void Mostra(const EsitoStampa& e);
    EsitoStampa Esegui(RichiestaStampaReport r);

    DatiReport dati_;
    Interazione& ui_;
    std::unique_ptr<QPrinter> stampante_;
    QRadioButton* completo_ = nullptr;
    QRadioButton* dettaglio_ = nullptr;
    QCheckBox* sezioni_[4] = {};
    QCheckBox* standard_ = nullptr;
    QCheckBox* mappe_ = nullptr;
    QProgressBar* barra_ = nullptr;
    QPushButton* interrompi_ = nullptr;
    std::vector<QWidget*> comandi_;  // locked while the pages are drawn
    LavoroSeguito* lavoro_ = nullptr;
};

}  // namespace nottaro::ui
