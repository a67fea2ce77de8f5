#pragma once
// The optimisation window of a road (TCalcola) or path (TCalcolaa): shown,
// it empties the solution table and runs the sweep on a worker while the
// window shows the progress and the "Interrompi" button stops it; after OK
// it is the browser of the stored solutions (filters, ranking criteria,
// chart) from which one row opens in detail (TIsolum).
#include <QDialog>

#include <functional>
#include <memory>

#include "core/interaction/Interazione.h"
#include "core/state/StatoProgetto.h"
#include "store/soluzioni/BrowserSoluzioni.h"
#include "store/TabellaDbf.h"

class QPrinter;
#include "ui/motore/MotoreFinestre.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QStackedWidget;
class QTabWidget;
class QTableView;

namespace nottaro::ui {

class GraficoSoluzioni;
class LavoroSeguito;
class ModelloSoluzioni;
class TIsolum;

class FinestraOttimizza : public QDialog {
    Q_OBJECT
public:
    FinestraOttimizza(StatoProgetto& stato, Interazione& ui, bool percorso, QWidget* genitore = nullptr);
    ~FinestraOttimizza() override;

    enum class Fase { Pronta, InCorso, Finita, Browser };
    Fase FaseCorrente() const { return fase_; }
    bool Percorso() const { return percorso_; }
    TabellaDbf& Tabella() { return tabella_; }
    const std::string& FiltroCorrente() const { return filtroCorrente_; }
    const EsitoOttimizza& Esito() const { return esito_; }
    ModelloSoluzioni* Modello() const { return modello_; }
    GraficoSoluzioni* Grafico() const { return grafico_; }

    // Options of the run (tests: a small row limit, a thread count).
    RichiestaOttimizza& Richiesta() { return richiesta_; }
    long long limiteRighe = 65000;
    // Where closing saves the table; the save dialog when not set (tests).
    std::function<QString()> sceltaFileSalva;
    // The print dialog of the solution lists; tests replace it.
    std::function<bool(QPrinter&)> dialogoStampa;
    // Opens the table view of a recomputed row modally; tests replace it.
    std::function<void(TIsolum&)> mostraDettaglio;

    // "OK": the browser. Row `riga` (0-based, of the rows shown) in detail.
    void MostraBrowser();
    void ApriDettaglio(int riga);

signals:
    void CalcoloFinito();

protected:
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void reject() override;

private:
    void CostruisciCorsa(QWidget* pagina);
    void CostruisciBrowser(QWidget* pagina);
    void Avvia();
    void Progresso(const Avanzamento& a);
    void Concludi(EsitoOttimizza esito);
    void Filtra(bool criterio);
    void Tutto();
    void CambiaIntervallo(int passo);
    void DopoFiltro(const EsitoTabella& e);
    void AggiornaMostrate();
    void AdattaAlloSchermo(QSize voluta, QSize minima);
    bool ChiudiBrowser();  // false: stay (cancelled or failed save)
    bool SalvaTabella();

    StatoProgetto& stato_;
    Interazione& ui_;
    bool percorso_;
    Fase fase_ = Fase::Pronta;
    bool avviata_ = false, chiusura_ = false, chiusuraConfermata_ = false;
    LavoroSeguito* lavoro_ = nullptr;
    RichiestaOttimizza richiesta_;
    EsitoOttimizza esito_;
    TabellaDbf tabella_;
    SceltaBrowser scelta_;
    std::string filtroCorrente_;
    int intervallo_ = 0;

    QStackedWidget* pagine_ = nullptr;
    QLabel *label1_ = nullptr, *label2_ = nullptr, *label4_ = nullptr;
    QLabel *trovati_ = nullptr, *trascorso_ = nullptr, *rimanente_ = nullptr, *candidati_ = nullptr;
    QProgressBar* barra_ = nullptr;
    QPushButton *interrompiBtn_ = nullptr, *okBtn_ = nullptr;
    QLabel* etichette_[5] = {};  // Label17..21
    QLabel *parziale_ = nullptr, *legenda_ = nullptr, *mostrate_ = nullptr;
    QComboBox *altezze_ = nullptr, *sbracci_ = nullptr, *criteri_ = nullptr;
    QLineEdit* intervalloEdit_ = nullptr;
    QTableView* griglia_ = nullptr;
    QTabWidget* schede_ = nullptr;
    ModelloSoluzioni* modello_ = nullptr;
    GraficoSoluzioni* grafico_ = nullptr;
};

// The form classes of the two kinds.
class TCalcola : public FinestraOttimizza {
public:
    TCalcola(StatoProgetto& s, Interazione& ui, QWidget* g = nullptr) : FinestraOttimizza(s, ui, false, g) {}
};
class TCalcolaa : public FinestraOttimizza {
public:
    TCalcolaa(StatoProgetto& s, Interazione& ui, QWidget* g = nullptr) : FinestraOttimizza(s, ui, true, g) {}
};

// "h:mm:ss"; "—" for a negative (unknown) time.
QString DurataTesto(double secondi);

}  // namespace nottaro::ui
