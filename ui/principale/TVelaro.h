#pragma once
// The main window: load a photometry, describe the road or the path on its
// tab, set requirements and calculation parameters in the dialogs, optimise.
#include <QMainWindow>

#include <atomic>
#include <functional>
#include <memory>

#include "core/state/Inizializza.h"
#include "core/state/StatoProgetto.h"
#include "ui/interaction/InterazioneQt.h"
#include "ui/principale/FinestreCollegate.h"
#include "ui/principale/VociMenu.h"

class QAction;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTabWidget;

namespace nottaro::ui {

class CampoDecimale;
class DisegnoImpianto;
class FinestraOttimizza;
class FrecceSuGiu;
class RiepilogoProgetto;

// What a file dialog is asked for; tests answer it without a dialog.
struct RichiestaFile {
    QString titolo;
    QString cartella;
    QStringList filtri;
    bool salva = false;
    QString suffisso;  // added to a saved name without one
    bool soloCartelle = false;  // a folder, not a file
};
using ScegliFile = std::function<QString(QWidget* genitore, const RichiestaFile&)>;

// The controls of one design tab.
struct SchedaProgetto {
    QWidget* scheda = nullptr;
    QComboBox* sceltaAltezza = nullptr;
    CampoDecimale* altezza = nullptr;
    QComboBox* sceltaSbraccio = nullptr;
    CampoDecimale* sbraccio = nullptr;
    QComboBox* sceltaInclina = nullptr;
    QSpinBox* inclina = nullptr;
    QLineEdit* larghezza = nullptr;
    FrecceSuGiu* frecceLarghezza = nullptr;
    QLabel* definire = nullptr;      // Label1 / Label18
    QLabel* fotometria = nullptr;    // Label6 / Label14
    QLabel* disposizione = nullptr;  // Label5 / Label15
    QLabel* riassunto[3] = {};       // road: surface, factor, Lm; path: class, factor, Em
    RiepilogoProgetto* riepilogo = nullptr;  // class, tolerance, lamps, locked spacing
    QPushButton* parametri = nullptr;
    QPushButton* pali = nullptr;
    QPushButton* ottimizza = nullptr;
    DisegnoImpianto* disegno = nullptr;
    QLabel* didascalie[7] = {};      // overlay labels, null where the tab has none
    QLabel* didascalieProprie[5] = {};  // the drawing's own Italian captions beside the controls
};

class TVelaro : public QMainWindow {
    Q_OBJECT
public:
    // `stato` outlives the window; `ui` answers with dialogs over it unless
    // a test passes its own. Runs the window steps of the start-up: relabel,
    // reset, caption, Masterplan folders.
    explicit TVelaro(StatoProgetto& stato, Interazione* ui = nullptr, QWidget* genitore = nullptr);
    ~TVelaro() override;

    StatoProgetto& Stato() { return stato_; }
    Interazione& Ui() { return *ui_; }
    void ImpostaSceltaFile(ScegliFile f) { scegliFile_ = std::move(f); }
    // Thread count of the runs (0: every core).
    void ImpostaThread(int n) { thread_ = n; }
    // Shows the run window of "&Ottimizza" (modal by default); tests drive it.
    void ImpostaMostraCalcolo(std::function<void(FinestraOttimizza&)> f) { mostraCalcolo_ = std::move(f); }

    // Commands, as the buttons and menus run them.
    void CaricaLdt();
    void CaricaProgetto();
    void CaricaProgettoDa(const QString& file);
    // Into the project last loaded or saved; asks for a name when there is none.
    void SalvaProgetto();
    void SalvaProgettoCome();
    // Something in the design changed since it was last loaded, saved or reset.
    bool Modificato() const;
    void ChiudiElenco();
    void InizializzaComando();
    bool Ottimizza(bool percorso);
    void CambiaLingua(int lingua);
    bool CalcoloInCorso() const { return inCorso_; }
    // Summary labels, photometry label and enabling rules from the design
    // state, after another window changed it.
    void MostraStato();
    // The Masterplan tab's commands: a folder (0 photometric files, 1
    // luminaire photographs, 2 application photographs, 3 project), the
    // project workbook, and "&Masterplan".
    void CartellaMasterplan(int quale);
    void FileMasterplan();
    void AvviaMasterplan();

protected:
    void closeEvent(QCloseEvent* e) override;
    void changeEvent(QEvent* e) override;

private:
    void Costruisci();
    QWidget* CostruisciScheda(SchedaProgetto& s, bool percorso);
    QWidget* CostruisciMasterplan();
    QWidget* CostruisciComandiComuni();
    void CostruisciMenu();
    void CollegaScheda(SchedaProgetto& s, bool percorso);

    void Rietichetta();
    void RipristinaFinestra();
    void AgganciaInizializza(AgganciInizializza& a);
    void MostraProgetto(const StatoProgetto& s);
    void FotometriaCaricata();
    void RegolaR();
    void RegolaA();
    void Regole() { RegolaR(); RegolaA(); AggiornaRiepilogo(); }
    void AggiornaRiepilogo();
    void AggiornaRiassuntoStrada();
    void AggiornaRiassuntoPercorso();
    void AggiornaDisposizione();
    void MostraNomeFotometria(const QString& testo);
    void PassoLarghezza(SchedaProgetto& s, bool percorso, int verso);
    void PassoCorsie(int verso);
    void MostraLarghezza(SchedaProgetto& s, bool percorso);
    void LarghezzaScritta(SchedaProgetto& s, bool percorso);
    void ImpostaDefinizione();
    void MostraCorsie();
    void ImpostaScelta(QComboBox* c, int scelta);
    bool LeggiCampo(CampoDecimale* campo, double& valore, double vuoto, const QString& nome);
    void ParametriStrada();
    void ParametriPercorso();
    void DisposizioneStrada();
    void DisposizionePercorso();
    void ParametriCalcolo();
    void Versione();
    void Collega(QWidget* pulsante, QAction* voce, const ApriFinestra& apri);
    void Apri(const ApriFinestra& apri);
    void DopoCatalogo();
    void DopoElenco(bool conPrefisso);
    void ImpostaLimite();
    bool Salva(const QString& file);
    void RicordaSalvato();
    void MostraRecenti();
    void MostraModificato();
    QString Scegli(const RichiestaFile& r);
    QString ScegliCartella(const QString& titolo, const QString& iniziale);
    void MostraSchedaMasterplan();
    void PassoDeprezzMasterplan(int verso);

    StatoProgetto& stato_;
    std::unique_ptr<InterazioneQt> uiPropria_;
    Interazione* ui_;
    ScegliFile scegliFile_;
    int thread_ = 0;
    std::function<void(FinestraOttimizza&)> mostraCalcolo_;
    bool inCorso_ = false;

    // Width in centimetres: the arrows' 0.1 m steps stay exact and a typed or
    // loaded 7.25 m is kept as it is. `definita` false shows "Definire".
    struct Larghezza {
        int centimetri = 700;
        bool definita = true;
    } larghezzaStrada_, larghezzaPercorso_;
    struct Corsie {
        int n = 2;
        bool definite = true;
    } corsie_;

    QTabWidget* PageControl1_ = nullptr;
    SchedaProgetto strada_, percorso_;
    QLineEdit* NCorsieT_ = nullptr;
    FrecceSuGiu* UpDown4_ = nullptr;
    QPushButton* BitBtn3_ = nullptr;
    QPushButton* BitBtn4_ = nullptr;
    QPushButton* BitBtn5_ = nullptr;
    QPushButton* BitBtn7_ = nullptr;
    QPushButton* BitBtn8_ = nullptr;
    QGroupBox* RadioGroup1_ = nullptr;
    QRadioButton* risultati_[2] = {};
    QGroupBox* RadioGroup2_ = nullptr;
    QRadioButton* limiti_[4] = {};
    CampoDecimale* MaskEdit1_ = nullptr;
    QLineEdit* DeprezzMaster_ = nullptr;
    QMenu* menu_[5] = {};
    QAction* voci_[NumVoci] = {};
    QMenu* recenti_ = nullptr;
    QLabel* modificato_ = nullptr;  // status bar: the design differs from its project file
    QString fileProgetto_;          // the project the design was last loaded from or saved to
    std::string immagineSalvata_;   // the design as it was then, as a project file holds it
    bool datiFotometriciDisponibili_ = false;
};

}  // namespace nottaro::ui
