#pragma once
// The Masterplan window: checks the project workbook, runs every row on a
// worker (progress, "Interrompi"), lets the designer revise rows from the
// table's own cells, pick a solution per row or carry a row into the design,
// and exports, checks photographs, copies photometric files and prints.
// The design state the window opened over is put back when it closes, but
// for the values the batch leaves (ErrLm, ErrEm, Deprezz, folders), or with
// the row carried across by "Apri nel progetto".
#include <QDialog>

#include <functional>
#include <memory>
#include <optional>

#include "core/interaction/Interazione.h"
#include "core/state/StatoProgetto.h"
#include "masterplan/CalcolaMasterplan.h"
#include "masterplan/VerificaDati.h"
#include "masterplan/workbook/Cartella.h"
#include "masterplan/report/StampaMasterplan.h"
#include "ui/motore/MotoreStampa.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPrinter;
class QProgressDialog;
class QPushButton;
class QRadioButton;
class QTableView;

namespace nottaro::ui {

class FrecceSuGiu;
class LavoroSeguito;
class ModelloTabellaMP;

class TMasterPlan : public QDialog {
    Q_OBJECT
public:
    // `prima`: the state to put back at closing (before the tab's own writes);
    // the state as it is now when not given.
    TMasterPlan(StatoProgetto& stato, Interazione& ui, QWidget* genitore = nullptr,
                std::optional<StatoProgetto> prima = std::nullopt);
    ~TMasterPlan() override;

    // --- the steps, as the buttons run them ---------------------------------
    void Verifica();                      // "&1 - Verifica dati XLS"
    void Ripristina();                    // "&3 - Ripristina Progetti Iniziali"
    void Revisione();                     // "&2 - Revisione/modifica Progetti"
    void UsaSoluzione(int riga, int sol); // table row 0-based, solution 0 or 1
    bool ApriNelProgetto(int riga);       // closes the window when carried
    void VerificaImmagini();
    void CopiaLdt();
    void Esporta();
    void SetupStampante();               // "S&etup Stampante"
    void ConfiguraReport();              // "C&onfigura Report": the identification dialog
    void StampaMasterplan();             // "&Stampa Masterplan"
    void StampaTabFotometriche();        // "Tab Fotometriche"
    mp::OpzioniStampaMP OpzioniStampa() const;
    QPrinter& Stampante() { return *stampante_; }

    bool InCorso() const { return inCorso_; }
    bool ProgettiModificati() const { return progettiModificati_; }
    const mp::RisultatoMP& Risultato() const { return ris_; }
    const mp::EsitoVerifica& EsitoCheck() const { return verifica_; }
    ModelloTabellaMP* Modello() const { return modello_; }
    // The run's options from the window's settings and the design state.
    mp::OpzioniMP OpzioniCorrenti() const;
    // Whether "Apri nel progetto" carried a row into the design.
    bool RigaPortata() const { return portata_; }

    // Worker threads of the runs (0: every core); tests use fewer.
    int thread = 0;
    // Folder chooser (title, start folder) -> folder or empty; the folder
    // dialog when not set.
    std::function<QString(const QString&, const QString&)> sceltaCartella;
    // The print dialog on the window's printer; true to print. Tests set the
    // printer to a PDF file instead.
    std::function<bool(QPrinter&)> sceltaStampante;

signals:
    void CorsaFinita();

protected:
    void closeEvent(QCloseEvent* e) override;
    void reject() override;
    void done(int r) override;

private:
    enum class Corsa { Completa, Revisione, Riga };
    void Costruisci();
    void Congeda();  // the design state put back, once
    bool ScegliStampante(const QString& titolo);
    void StampaConAvanzamento(const QString& titolo, RichiestaStampaMasterplan::Documento documento);
    void DopoVerifica(mp::EsitoVerifica v);
    void ApriCartellaLavoro();
    void Avvia(Corsa tipo, int riga);
    void Progresso(const Avanzamento& a);
    void Concludi(Corsa tipo, mp::RisultatoMP ris);
    void MostraTabella();
    void CellaModificata(int riga, int colonna, const std::string& testo);
    void MostraDopoCorsa();
    void MostraOpzioniStampa(bool si);  // print options, place/date, wing cut
    void MenuRiga(const QPoint& punto);
    void ImpostaOccupata(bool occupata);
    QString ScegliCartella(const QString& titolo, const QString& cartella);
    std::vector<mp::CelleRiga> CelleRisultato() const;

    StatoProgetto& stato_;
    Interazione& ui_;
    StatoProgetto prima_;
    std::unique_ptr<QPrinter> stampante_;  // the printer the print commands use
    LavoroSeguito* lavoro_ = nullptr;      // the check, the runs and the printing, one at a time
    QProgressDialog* avanzamentoStampa_ = nullptr;  // while a document is drawn
    bool verificaInCorso_ = false;
    bool inCorso_ = false, chiusura_ = false, congedata_ = false, portata_ = false;
    bool progettiModificati_ = false;
    bool tabellaRisultati_ = false;  // the grid shows the result rows (not the check's list)
    double fattRiduzione_ = 1.0;
    double taglioAli_ = 7;
    int rigaModificata_ = -1;  // the row edited last, waiting for its re-run
    int rigaInCorsa_ = 0;

    std::shared_ptr<mp::Cartella> cartella_;
    mp::MappaColonne mappa_;
    bool cartellaLetta_ = false;
    mp::EsitoVerifica verifica_;
    mp::RisultatoMP ris_;

    QLineEdit *Deprezz_ = nullptr, *RiduzioneF_ = nullptr, *Edit1_ = nullptr, *Edit2_ = nullptr;
    FrecceSuGiu *UpDown3_ = nullptr, *UpDown1_ = nullptr;
    QGroupBox* RadioGroup1_ = nullptr;
    QRadioButton* strisce_[4] = {};
    QComboBox* ComboBox1_ = nullptr;
    QComboBox* edizione_ = nullptr;
    QCheckBox* opzioni_[7] = {};  // CheckBox1..6, CheckBox8
    QLabel *etichettaEdit1_ = nullptr, *etichettaEdit2_ = nullptr, *percentoEdit2_ = nullptr;
    QLabel *Label4_ = nullptr, *Label7_ = nullptr, *avanzamento_ = nullptr;
    QProgressBar* barra_ = nullptr;
    QPushButton* interrompiBtn_ = nullptr;
    QPushButton *BitBtn1_ = nullptr, *BitBtn2_ = nullptr, *BitBtn3_ = nullptr, *BitBtn4_ = nullptr,
                *BitBtn5_ = nullptr, *BitBtn6_ = nullptr, *BitBtn7_ = nullptr, *BitBtn8_ = nullptr,
                *BitBtn9_ = nullptr, *BitBtn12_ = nullptr, *BitBtn13_ = nullptr;
    QWidget* pulsanti_ = nullptr;
    QTableView* griglia_ = nullptr;
    ModelloTabellaMP* modello_ = nullptr;
};

}  // namespace nottaro::ui
