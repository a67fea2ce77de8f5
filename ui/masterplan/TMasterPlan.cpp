#include "ui/masterplan/TMasterPlan.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPageLayout>
#include <QPageSetupDialog>
#include <QPageSize>
#include <QPrintDialog>
#include <QPrinter>
#include <QProgressBar>
#include <QProgressDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <system_error>

#include "core/i18n/Argomenti.h"
#include "core/i18n/Messaggi.h"
#include "masterplan/OpzioniMP.h"
#include "ui/comune/SceltaEdizione.h"
#include "masterplan/progetto/CartellaProgetto.h"
#include "masterplan/progetto/StatoMasterplan.h"
#include "masterplan/workbook/EsportaLista.h"
#include "masterplan/report/StampaMasterplan.h"
#include "report/StampaProgetto.h"
#include "ui/calcolo/FinestraOttimizza.h"
#include "ui/comune/Acceleratori.h"
#include "ui/comune/FrecceSuGiu.h"
#include "ui/comune/Testi.h"
#include "ui/interaction/LavoroSeguito.h"
#include "ui/motore/MotoreStampa.h"
#include "ui/masterplan/ModelloTabellaMP.h"
#include "ui/motore/MotoreMasterplan.h"
#include "ui/principale/Aiuto.h"
#include "ui/report/TFormVerifica.h"

namespace nottaro::ui {

namespace {

QPushButton* Bottone(QWidget* g, const char* nome, int messaggio) {
    auto* b = new QPushButton(Qm(messaggio), g);
    b->setObjectName(QLatin1String(nome));
    b->setAutoDefault(false);
    return b;
}

QLabel* Etichetta(QWidget* g, const char* nome, const QString& testo = {}) {
    auto* l = new QLabel(testo, g);
    l->setObjectName(QLatin1String(nome));
    return l;
}

// A factor shown with two decimals, kept within 0.01 .. 1.00 (0 would divide
// the efficiency index by zero, above 1 is no longer a reduction).
double PassoFattore(double x, int verso) {
    const double n = std::round(x * 100) + verso;
    return std::clamp(n, 1.0, 100.0) / 100;
}

}  // namespace

TMasterPlan::TMasterPlan(StatoProgetto& stato, Interazione& ui, QWidget* genitore, std::optional<StatoProgetto> prima)
    : QDialog(genitore),
      stato_(stato),
      ui_(ui),
      prima_(prima ? std::move(*prima) : stato),
      stampante_(std::make_unique<QPrinter>(QPrinter::HighResolution)) {
    setObjectName(QStringLiteral("TMasterPlan"));
    setWindowTitle(QStringLiteral("Masterplan"));
    lavoro_ = new LavoroSeguito(ui, [this](const Avanzamento& a) { Progresso(a); }, this);
    Costruisci();
    lavoro_->CollegaStop(interrompiBtn_);
    // What the original did at every activation runs once, at opening: the
    // factors, the table's headers and the workbook.
    Deprezz_->setText(Generale(stato_.Deprezz));
    RiduzioneF_->setText(Generale(fattRiduzione_));
    ApriCartellaLavoro();
    AcceleratoriDelDialogo(this);
    ImpostaAiuto(this, objectName());
}

TMasterPlan::~TMasterPlan() {
    // A window going away stops its job and takes what it left.
    chiusura_ = true;
    lavoro_->Annulla();
    lavoro_->Attendi();
    Congeda();
}

void TMasterPlan::Costruisci() {
    // Settings of the run.
    auto* impostazioni = new QGridLayout;
    Deprezz_ = new QLineEdit(this);
    Deprezz_->setObjectName(QStringLiteral("Deprezz"));
    UpDown3_ = new FrecceSuGiu(0, 99, 79, this);
    UpDown3_->setObjectName(QStringLiteral("UpDown3"));
    RiduzioneF_ = new QLineEdit(this);
    RiduzioneF_->setObjectName(QStringLiteral("RiduzioneF"));
    UpDown1_ = new FrecceSuGiu(0, 200, 100, this);
    UpDown1_->setObjectName(QStringLiteral("UpDown1"));
    Edit2_ = new QLineEdit(QStringLiteral("7"), this);
    Edit2_->setObjectName(QStringLiteral("Edit2"));
    for (QLineEdit* e : {Deprezz_, RiduzioneF_, Edit2_}) {
        e->setFixedWidth(60);
        e->setAlignment(Qt::AlignRight);
    }
    Deprezz_->setReadOnly(true);
    RiduzioneF_->setReadOnly(true);
    etichettaEdit2_ = Etichetta(this, "Label3", Qm(1903));
    percentoEdit2_ = Etichetta(this, "Label5", QStringLiteral("%"));
    impostazioni->addWidget(Etichetta(this, "Label1", Qm(1900)), 0, 0);
    impostazioni->addWidget(Deprezz_, 0, 1);
    impostazioni->addWidget(UpDown3_, 0, 2);
    impostazioni->addWidget(Etichetta(this, "Label2", Qm(1901)), 1, 0);
    impostazioni->addWidget(RiduzioneF_, 1, 1);
    impostazioni->addWidget(UpDown1_, 1, 2);
    impostazioni->addWidget(Etichetta(this, "Label6", Qm(1902)), 2, 0, 1, 3);
    impostazioni->addWidget(etichettaEdit2_, 3, 0);
    impostazioni->addWidget(Edit2_, 3, 1);
    impostazioni->addWidget(percentoEdit2_, 3, 2);
    ComboBox1_ = new QComboBox(this);
    ComboBox1_->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1_->addItems({QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("2")});
    impostazioni->addWidget(Etichetta(this, "Label8", QStringLiteral("M")), 4, 0, Qt::AlignRight);
    impostazioni->addWidget(ComboBox1_, 4, 1);
    // The class tables the rows are judged by; the design's choice to start.
    edizione_ = AggiungiSceltaEdizione(impostazioni, 5, stato_.EdizioneEN, this);
    impostazioni->setRowStretch(6, 1);

    RadioGroup1_ = new QGroupBox(Qm(1904), this);
    RadioGroup1_->setObjectName(QStringLiteral("RadioGroup1"));
    auto* voci = new QVBoxLayout(RadioGroup1_);
    for (int i = 0; i < 4; ++i) {
        strisce_[i] = new QRadioButton(Qm(1905 + i).trimmed(), RadioGroup1_);
        strisce_[i]->setObjectName(QStringLiteral("RadioGroup1Voce%1").arg(i));
        voci->addWidget(strisce_[i]);
    }
    strisce_[1]->setChecked(true);

    // Print options.
    auto* stampa = new QGroupBox(Qm(413), this);
    stampa->setObjectName(QStringLiteral("OpzioniStampa"));
    auto* colonnaStampa = new QGridLayout(stampa);
    static const char* const nomiOpzioni[] = {"CheckBox1", "CheckBox2", "CheckBox3", "CheckBox4",
                                              "CheckBox5", "CheckBox6", "CheckBox8"};
    for (int i = 0; i < 7; ++i) {
        opzioni_[i] = new QCheckBox(Qm(1909 + i), stampa);
        opzioni_[i]->setObjectName(QLatin1String(nomiOpzioni[i]));
        colonnaStampa->addWidget(opzioni_[i], i % 4, i / 4);
    }
    etichettaEdit1_ = Etichetta(stampa, "Label9", Qm(1916));
    Edit1_ = new QLineEdit(stampa);
    Edit1_->setObjectName(QStringLiteral("Edit1"));
    colonnaStampa->addWidget(etichettaEdit1_, 3, 1);
    colonnaStampa->addWidget(Edit1_, 4, 0, 1, 2);

    // Commands, in the order of the work.
    pulsanti_ = new QWidget(this);
    auto* comandi = new QGridLayout(pulsanti_);
    comandi->setContentsMargins(0, 0, 0, 0);
    BitBtn7_ = Bottone(pulsanti_, "BitBtn7", 1917);
    BitBtn2_ = Bottone(pulsanti_, "BitBtn2", 1918);
    BitBtn4_ = Bottone(pulsanti_, "BitBtn4", 1919);
    BitBtn5_ = Bottone(pulsanti_, "BitBtn5", 1920);
    BitBtn6_ = Bottone(pulsanti_, "BitBtn6", 1921);
    BitBtn8_ = Bottone(pulsanti_, "BitBtn8", 1922);
    BitBtn9_ = Bottone(pulsanti_, "BitBtn9", 1923);
    BitBtn1_ = Bottone(pulsanti_, "BitBtn1", 1924);
    BitBtn12_ = Bottone(pulsanti_, "BitBtn12", 1925);
    BitBtn13_ = Bottone(pulsanti_, "BitBtn13", 1926);
    BitBtn3_ = Bottone(this, "BitBtn3", 59);
    const QPushButton* ordine[] = {BitBtn7_, BitBtn2_, BitBtn4_, BitBtn5_, BitBtn6_,
                                   BitBtn8_, BitBtn9_, BitBtn1_, BitBtn12_, BitBtn13_};
    for (int i = 0; i < 10; ++i) comandi->addWidget(const_cast<QPushButton*>(ordine[i]), i % 5, i / 5);
    comandi->setRowStretch(5, 1);
    for (QPushButton* b : {BitBtn1_, BitBtn2_, BitBtn4_, BitBtn5_, BitBtn6_, BitBtn8_, BitBtn9_, BitBtn12_, BitBtn13_})
        b->setVisible(false);
    MostraOpzioniStampa(false);

    auto* alto = new QHBoxLayout;
    alto->addLayout(impostazioni);
    alto->addWidget(RadioGroup1_);
    alto->addWidget(stampa);
    alto->addWidget(pulsanti_, 1);

    griglia_ = new QTableView(this);
    griglia_->setObjectName(QStringLiteral("StringGrid1"));
    modello_ = new ModelloTabellaMP(this);
    griglia_->setModel(modello_);
    griglia_->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                              QAbstractItemView::AnyKeyPressed);
    griglia_->setContextMenuPolicy(Qt::CustomContextMenu);
    // Fixed row heights and column widths: a table of 2,000 rows scrolls
    // without measuring its cells.
    griglia_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    griglia_->verticalHeader()->setDefaultSectionSize(22);
    griglia_->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    const QFontMetrics fm = griglia_->horizontalHeader()->fontMetrics();
    for (int c = 0; c < mp::NumColonneTabella; ++c) {
        const QString t = Qs(mp::IntestazioniTabella()[static_cast<std::size_t>(c)]);
        griglia_->setColumnWidth(c, std::clamp(fm.horizontalAdvance(t) + 24, 48, 160));
    }
    griglia_->setColumnWidth(mp::TVia, 160);
    // The note and the spacing remark read whole (a missing-data verdict, "medio I/H: 4.2").
    const int larghezzaTesto = std::max(fm.horizontalAdvance(QStringLiteral("Dati mancanti")), fm.horizontalAdvance(Qm(2314))) + 24;
    griglia_->setColumnWidth(mp::TNote, larghezzaTesto);
    griglia_->setColumnWidth(mp::TLR17, larghezzaTesto);
    griglia_->setVisible(false);
    modello_->modificata = [this](int r, int c, const std::string& t) { CellaModificata(r, c, t); };

    Label4_ = Etichetta(this, "Label4");
    Label4_->setStyleSheet(QStringLiteral("font-weight: bold"));
    Label4_->setWordWrap(true);
    Label7_ = Etichetta(this, "Label7");
    avanzamento_ = Etichetta(this, "Avanzamento");
    barra_ = new QProgressBar(this);
    barra_->setObjectName(QStringLiteral("ProgressBar1"));
    barra_->setRange(0, 100);
    interrompiBtn_ = Bottone(this, "Interrompi", 278);
    barra_->setVisible(false);
    interrompiBtn_->setVisible(false);
    auto* revisione = Etichetta(this, "LabelRev", QStringLiteral("Rev. 31/07/2022"));
    auto* basso = new QHBoxLayout;
    auto* testi = new QVBoxLayout;
    testi->addWidget(Label4_);
    testi->addWidget(avanzamento_);
    testi->addWidget(Label7_);
    basso->addLayout(testi, 1);
    basso->addWidget(barra_, 1);
    basso->addWidget(interrompiBtn_);
    basso->addWidget(revisione, 0, Qt::AlignBottom);
    basso->addWidget(BitBtn3_, 0, Qt::AlignBottom);

    auto* l = new QVBoxLayout(this);
    l->addLayout(alto);
    l->addWidget(griglia_, 1);
    l->addLayout(basso);
    resize(1180, 720);

    connect(UpDown3_, &FrecceSuGiu::su, this, [this] {
        stato_.Deprezz = PassoFattore(stato_.Deprezz, 1);
        Deprezz_->setText(Generale(stato_.Deprezz));
    });
    connect(UpDown3_, &FrecceSuGiu::giu, this, [this] {
        stato_.Deprezz = PassoFattore(stato_.Deprezz, -1);
        Deprezz_->setText(Generale(stato_.Deprezz));
    });
    connect(UpDown1_, &FrecceSuGiu::su, this, [this] {
        fattRiduzione_ = PassoFattore(fattRiduzione_, 1);
        RiduzioneF_->setText(Generale(fattRiduzione_));
    });
    connect(UpDown1_, &FrecceSuGiu::giu, this, [this] {
        fattRiduzione_ = PassoFattore(fattRiduzione_, -1);
        RiduzioneF_->setText(Generale(fattRiduzione_));
    });
    connect(Edit2_, &QLineEdit::editingFinished, this, [this] {
        const auto v = Numero(Edit2_->text().trimmed());
        if (v && *v >= 0 && *v <= 100) {
            taglioAli_ = *v;
            return;
        }
        Edit2_->setText(Generale(taglioAli_));
        ui_.Avviso(Ss(Qm(1946).arg(Generale(taglioAli_))));
    });
    connect(BitBtn7_, &QPushButton::clicked, this, [this] { Verifica(); });
    connect(BitBtn2_, &QPushButton::clicked, this, [this] { Ripristina(); });
    connect(BitBtn4_, &QPushButton::clicked, this, [this] { Revisione(); });
    connect(BitBtn5_, &QPushButton::clicked, this, [this] { Esporta(); });
    connect(BitBtn6_, &QPushButton::clicked, this, [this] { VerificaImmagini(); });
    connect(BitBtn8_, &QPushButton::clicked, this, [this] { CopiaLdt(); });
    connect(BitBtn13_, &QPushButton::clicked, this, [this] { SetupStampante(); });
    connect(BitBtn12_, &QPushButton::clicked, this, [this] { ConfiguraReport(); });
    connect(BitBtn1_, &QPushButton::clicked, this, [this] { StampaMasterplan(); });
    connect(BitBtn9_, &QPushButton::clicked, this, [this] { StampaTabFotometriche(); });
    connect(BitBtn3_, &QPushButton::clicked, this, [this] { close(); });
    connect(griglia_, &QTableView::customContextMenuRequested, this, [this](const QPoint& p) { MenuRiga(p); });
}

void TMasterPlan::ApriCartellaLavoro() {
    cartella_ = std::make_shared<mp::Cartella>();
    std::string errore;
    cartellaLetta_ = !stato_.FileMaster.empty() && mp::LeggiCartella(stato_.FileMaster, *cartella_, errore) &&
                     !cartella_->Fogli.empty();
    if (!cartellaLetta_) {
        BitBtn7_->setEnabled(false);
        ui_.Avviso(Ss(Qm(1941).arg(Qs(errore.empty() ? stato_.FileMaster : errore))));
        return;
    }
    mappa_ = mp::MappaColonneMP(cartella_->Fogli.front());
    // Formula cells without a stored value read as empty: say which.
    if (!cartella_->Avvisi.empty()) {
        std::string testo;
        for (const auto& a : cartella_->Avvisi) testo += (testo.empty() ? "" : "\n") + a;
        ui_.Avviso(testo);
    }
}

mp::OpzioniMP TMasterPlan::OpzioniCorrenti() const {
    mp::OpzioniMP o = mp::OpzioniDaStato(stato_);
    o.ErrLm = stato_.ErrLm;
    o.ErrEm = stato_.ErrEm;
    o.FattRiduzione = fattRiduzione_;
    o.TaglioAli = taglioAli_;
    o.OpzioneStrisce = 1;
    for (int i = 0; i < 4; ++i)
        if (strisce_[i]->isChecked()) o.OpzioneStrisce = i;
    o.M = ComboBox1_->currentIndex();
    o.EdizioneEN = edizione_->currentIndex();
    return o;
}

void TMasterPlan::Verifica() {
    if (!cartellaLetta_ || inCorso_) return;
    RichiestaVerificaMasterplan r;
    r.foglio = std::shared_ptr<const mp::Foglio>(cartella_, &cartella_->Fogli.front());
    r.mappa = mappa_;
    r.formatoXls = cartella_->FormatoXls;
    r.lingua = stato_.Lingua;
    verificaInCorso_ = true;
    rigaInCorsa_ = 0;
    ImpostaOccupata(true);
    lavoro_->Avvia([r = std::move(r)](Riscontro& riscontro) { return EseguiVerificaMasterplan(r, riscontro); },
                   [this](mp::EsitoVerifica v) {
                       DopoVerifica(std::move(v));
                       // A check that leads into the run ends with the run.
                       if (!inCorso_) emit CorsaFinita();
                   });
}

void TMasterPlan::DopoVerifica(mp::EsitoVerifica v) {
    verificaInCorso_ = false;
    ImpostaOccupata(false);
    if (chiusura_) return;
    if (v.Interrotta) {
        // Nothing of a stopped check is kept: the table stays as it was.
        ui_.Informazione(Msg(2750));
        return;
    }
    verifica_ = std::move(v);
    Label7_->setText(Qm(1939).arg(verifica_.Esaminate));
    using mp::FineVerifica;
    if (verifica_.Fine == FineVerifica::Trattino) {
        ui_.Avviso(verifica_.Messaggio);
        return;
    }
    if (verifica_.Fine == FineVerifica::Pulito) {
        griglia_->setVisible(false);
        for (QPushButton* b : {BitBtn8_, BitBtn9_, BitBtn2_}) b->setVisible(true);
        Ripristina();
        return;
    }
    ui_.Avviso(verifica_.Messaggio);
    std::vector<mp::CelleRiga> elencate;
    for (const auto& r : verifica_.Elencate) elencate.push_back(r.Celle);
    modello_->Imposta(std::move(elencate), false);
    tabellaRisultati_ = false;
    griglia_->setVisible(true);
    // Rows with data errors are to be corrected in the workbook; the run is
    // offered all the same (it skips what it cannot use).
    BitBtn2_->setVisible(true);
}

void TMasterPlan::Ripristina() {
    if (!cartellaLetta_ || inCorso_) return;
    if (progettiModificati_ && !ui_.Conferma(Msg(1927))) return;
    Avvia(Corsa::Completa, 0);
}

void TMasterPlan::Revisione() {
    if (inCorso_ || ris_.Righe.empty()) return;
    progettiModificati_ = true;
    Avvia(Corsa::Revisione, 0);
}

void TMasterPlan::CellaModificata(int riga, int colonna, const std::string& testo) {
    if (riga < 0 || riga >= static_cast<int>(ris_.Righe.size())) return;
    ris_.Righe[static_cast<std::size_t>(riga)].Celle[static_cast<std::size_t>(colonna)] = testo;
    progettiModificati_ = true;
    // Editing another row runs the row edited before it again.
    const int precedente = rigaModificata_;
    rigaModificata_ = riga;
    if (precedente >= 0 && precedente != riga) Avvia(Corsa::Riga, precedente);
}

void TMasterPlan::UsaSoluzione(int riga, int sol) {
    if (inCorso_ || riga < 0 || riga >= static_cast<int>(ris_.Righe.size()) || sol < 0 || sol > 1) return;
    auto& r = ris_.Righe[static_cast<std::size_t>(riga)];
    const std::string spaziatura = r.Celle[static_cast<std::size_t>((sol == 0 ? mp::TSol1 : mp::TSol2) + mp::SInt)];
    if (spaziatura.empty()) return;
    // A roundabout's spacing is its luminaire count, which it takes from
    // "Disposizione" ("Int.Progetto" is the island's radius there).
    const bool rotatoria = r.Dati && r.Dati->Req.Tipo == mp::TipoRiga::Rotatoria;
    r.Celle[rotatoria ? mp::TDisposizione : mp::TIntProgetto] = spaziatura;
    modello_->AggiornaRiga(riga, r.Celle, {});
    progettiModificati_ = true;
    if (rigaModificata_ == riga) rigaModificata_ = -1;
    Avvia(Corsa::Riga, riga);
}

bool TMasterPlan::ApriNelProgetto(int riga) {
    if (inCorso_ || riga < 0 || riga >= static_cast<int>(ris_.Righe.size())) return false;
    const auto& r = ris_.Righe[static_cast<std::size_t>(riga)];
    // The design as it was, the batch's kept values, then the row over it.
    StatoProgetto s = mp::StatoDopoMasterplan(prima_, stato_);
    std::string errore;
    if (!mp::PortaRigaNelProgetto(s, r, 0, OpzioniCorrenti(), errore)) {
        ui_.Avviso(Ss(Qm(1944).arg(riga + 1).arg(Qs(errore))));
        return false;
    }
    stato_ = std::move(s);
    portata_ = true;
    close();
    return true;
}

void TMasterPlan::MenuRiga(const QPoint& punto) {
    const QModelIndex i = griglia_->indexAt(punto);
    if (!i.isValid() || inCorso_ || !tabellaRisultati_ || i.row() >= static_cast<int>(ris_.Righe.size())) return;
    const int riga = i.row();
    const auto& r = ris_.Righe[static_cast<std::size_t>(riga)];
    QMenu menu(this);
    auto* usa1 = menu.addAction(Qm(1934), this, [this, riga] { UsaSoluzione(riga, 0); });
    auto* usa2 = menu.addAction(Qm(1935), this, [this, riga] { UsaSoluzione(riga, 1); });
    menu.addSeparator();
    auto* apri = menu.addAction(Qm(1936), this, [this, riga] { ApriNelProgetto(riga); });
    usa1->setObjectName(QStringLiteral("UsaSoluzione1"));
    usa2->setObjectName(QStringLiteral("UsaSoluzione2"));
    apri->setObjectName(QStringLiteral("ApriNelProgetto"));
    usa1->setEnabled(!r.Celle[mp::TSol1 + mp::SInt].empty());
    usa2->setEnabled(!r.Celle[mp::TSol2 + mp::SInt].empty());
    apri->setEnabled(mp::PuoPortareNelProgetto(r, 0));
    menu.exec(griglia_->viewport()->mapToGlobal(punto));
}

void TMasterPlan::ImpostaOccupata(bool occupata) {
    inCorso_ = occupata;
    pulsanti_->setEnabled(!occupata);
    modello_->ImpostaModificabile(!occupata && tabellaRisultati_);
    barra_->setVisible(occupata);
    interrompiBtn_->setVisible(occupata);
    if (occupata) {
        barra_->setValue(0);
        avanzamento_->clear();
        QApplication::setOverrideCursor(Qt::BusyCursor);
    } else {
        QApplication::restoreOverrideCursor();
    }
}

void TMasterPlan::Avvia(Corsa tipo, int riga) {
    RichiestaMasterplan r;
    r.opzioni = OpzioniCorrenti();
    r.thread = thread;
    // The settings pass the same ranges as on the command line.
    if (const std::string fuori = mp::VerificaOpzioniMP(r.opzioni, r.thread); !fuori.empty()) {
        ui_.Avviso(fuori);
        return;
    }
    if (tipo == Corsa::Completa) {
        r.tipo = RichiestaMasterplan::Tipo::Completa;
        r.foglio = std::shared_ptr<const mp::Foglio>(cartella_, &cartella_->Fogli.front());
        r.mappa = mappa_;
        r.correzioni = verifica_.Corretti;
        // The table goes while the rows are run again from the workbook.
        griglia_->setVisible(false);
        modello_->Imposta({}, false);
        tabellaRisultati_ = false;
        ris_ = {};
        rigaModificata_ = -1;
    } else {
        r.tipo = RichiestaMasterplan::Tipo::Revisione;
        r.tabella = ris_;
        r.riga = tipo == Corsa::Riga ? riga + 1 : 0;
        if (tipo == Corsa::Revisione) rigaModificata_ = -1;
    }
    rigaInCorsa_ = tipo == Corsa::Riga ? riga + 1 : 0;
    ImpostaOccupata(true);
    lavoro_->Avvia([r = std::move(r)](Riscontro& riscontro) mutable { return EseguiMasterplan(std::move(r), riscontro); },
                   [this, tipo](mp::RisultatoMP ris) { Concludi(tipo, std::move(ris)); });
}

void TMasterPlan::Progresso(const Avanzamento& a) {
    if (!inCorso_) return;
    if (avanzamentoStampa_) {
        MostraAvanzamento(*avanzamentoStampa_, a,
                          a.totale > 0 ? Qm(1994).arg(std::min(a.fatti + 1, a.totale)).arg(a.totale) : QString());
        return;
    }
    if (verificaInCorso_) {
        barra_->setValue(a.totale > 0 ? static_cast<int>(std::min<long long>(100, a.fatti * 100 / a.totale)) : 0);
        Label7_->setText(Qm(1939).arg(a.fatti));
        return;
    }
    const int perc = a.totale > 0 ? static_cast<int>(std::min<long long>(100, a.fatti * 100 / a.totale)) : 0;
    barra_->setValue(perc);
    avanzamento_->setText(Qm(1937).arg(a.fatti).arg(a.totale).arg(a.trovati) + QStringLiteral("   ") +
                          Qm(1603).arg(DurataTesto(a.secondiRimasti)));
    const long long inMano = rigaInCorsa_ > 0 ? rigaInCorsa_ : std::min(a.fatti + 1, a.totale);
    Label7_->setText(Qm(1938).arg(inMano));
}

std::vector<mp::CelleRiga> TMasterPlan::CelleRisultato() const {
    std::vector<mp::CelleRiga> c;
    c.reserve(ris_.Righe.size());
    for (const auto& r : ris_.Righe) c.push_back(r.Celle);
    return c;
}

namespace {

// The messages a row's evaluation collected, for the note's tooltip.
std::string NotaRiga(const mp::RigaTabellaMP& r) {
    std::string n;
    for (const auto& a : r.Esito.Avvisi) n += (n.empty() ? "" : "\n") + a;
    return n;
}

}  // namespace

void TMasterPlan::MostraTabella() {
    std::vector<std::string> note;
    note.reserve(ris_.Righe.size());
    for (const auto& r : ris_.Righe) note.push_back(NotaRiga(r));
    modello_->Imposta(CelleRisultato(), true, std::move(note));
    tabellaRisultati_ = true;
    // The table stays in view whether or not rows are left to check: it is
    // where rows are revised and solutions picked.
    griglia_->setVisible(true);
}

void TMasterPlan::Concludi(Corsa tipo, mp::RisultatoMP ris) {
    ris_ = std::move(ris);
    ImpostaOccupata(false);
    if (chiusura_) {
        emit CorsaFinita();
        return;
    }
    barra_->setValue(100);
    if (tipo == Corsa::Completa) progettiModificati_ = false;  // nothing revised since this run
    // One row run again: only that row changes, the view stays where it is.
    const auto k = static_cast<std::size_t>(rigaInCorsa_ - 1);
    if (tipo == Corsa::Riga && tabellaRisultati_ && k < ris_.Righe.size() &&
        modello_->rowCount() == static_cast<int>(ris_.Righe.size())) {
        modello_->AggiornaRiga(static_cast<int>(k), ris_.Righe[k].Celle, NotaRiga(ris_.Righe[k]));
        modello_->ImpostaModificabile(true);
    } else {
        MostraTabella();
    }
    MostraDopoCorsa();
    Label7_->setText(rigaInCorsa_ > 0 ? Qm(1938).arg(rigaInCorsa_) : QString());
    // A revision stopped keeps the rows not reached as they were.
    const bool interrotta = tipo == Corsa::Completa ? ris_.Interrotto : lavoro_->Annullato();
    if (interrotta) ui_.Informazione(Msg(1945));
    if (tipo == Corsa::Completa && ris_.Pronto && !ris_.Interrotto) ui_.Informazione(ris_.TestoFine);
    emit CorsaFinita();
}

void TMasterPlan::MostraDopoCorsa() {
    Label4_->setText(ris_.Pronto ? Qm(1408) : Qs(ris_.TestoFine));
    for (QPushButton* b : {BitBtn4_, BitBtn5_, BitBtn6_, BitBtn8_, BitBtn1_, BitBtn9_, BitBtn12_, BitBtn13_})
        b->setVisible(true);
    MostraOpzioniStampa(true);
}

void TMasterPlan::MostraOpzioniStampa(bool si) {
    for (QWidget* w : {static_cast<QWidget*>(Edit1_), static_cast<QWidget*>(etichettaEdit1_),
                       static_cast<QWidget*>(Edit2_), static_cast<QWidget*>(etichettaEdit2_),
                       static_cast<QWidget*>(percentoEdit2_)})
        w->setVisible(si);
    for (QCheckBox* c : opzioni_) c->setVisible(si);
}

QString TMasterPlan::ScegliCartella(const QString& titolo, const QString& cartella) {
    if (sceltaCartella) return sceltaCartella(titolo, cartella);
    return QFileDialog::getExistingDirectory(this, titolo, cartella.isEmpty() ? QDir::currentPath() : cartella,
                                             QFileDialog::ShowDirsOnly);
}

void TMasterPlan::VerificaImmagini() {
    const auto mancanti = mp::ImmaginiMancanti(ris_.Righe, stato_.DirImmagini, opzioni_[6]->isChecked());
    if (mancanti.empty()) {
        ui_.Avviso(Msg(1929));
        return;
    }
    const std::string file = mp::PercorsoElencoMancanti(stato_.DirProg);
    std::string errore;
    if (!mp::ScriviElencoMancanti(file, mancanti, errore)) {
        ui_.Avviso(Ss(Qm(1942).arg(Qs(errore))));
        return;
    }
    ui_.Avviso(Msg(1928) + file);
}

void TMasterPlan::CopiaLdt() {
    if (stato_.DirProgetto.empty()) {
        ui_.Avviso(Msg(1930));
        const QString scelta = ScegliCartella(Qm(1933), QDir::currentPath());
        if (scelta.isEmpty()) {
            ui_.Avviso(Msg(1932));
            return;
        }
        stato_.DirProgetto = Ss(scelta);
    }
    const auto esito = mp::CopiaFotometriche(ris_.Righe, stato_.DirLdtMaster, stato_.DirProgetto);
    if (!esito.errori.empty()) {
        std::string testo = Msg(1943);
        for (const auto& e : esito.errori) testo += "\n" + e;
        ui_.Avviso(testo);
        return;
    }
    ui_.Avviso(Msg(1931));
}

void TMasterPlan::Esporta() {
    // The rows of a cut run never take the name of a whole table.
    const std::string completo = mp::PercorsoElenco(stato_.FileMaster);
    const std::string percorso = ris_.Interrotto ? mp::PercorsoElencoParziale(completo, true) : completo;
    std::error_code ec;
    if (std::filesystem::exists(std::filesystem::symlink_status(percorso, ec)) &&
        !ui_.Conferma(ConArgomenti(Msg(2000), {percorso})))
        return;
    std::string errore;
    std::vector<std::string> tagliate;
    if (mp::EsportaLista(CelleRisultato(), percorso, errore, &tagliate)) ui_.Avviso(percorso + Msg(1411));
    else ui_.Avviso(Msg(1412) + ": " + errore);
    for (const auto& t : tagliate) ui_.Avviso(t);
}

void TMasterPlan::SetupStampante() {
    QPageSetupDialog d(stampante_.get(), this);
    d.setObjectName(QStringLiteral("SetupStampante"));
    d.exec();
}

void TMasterPlan::ConfiguraReport() {
    // The identification and letterhead the Masterplan prints with; the
    // dialog's own print button belongs to the single project.
    TFormVerifica d(stato_, ui_, [](DatiReport&) {}, this);
    if (auto* b = d.findChild<QPushButton*>(QStringLiteral("BitBtn2"))) b->hide();
    d.exec();
}

mp::OpzioniStampaMP TMasterPlan::OpzioniStampa() const {
    mp::OpzioniStampaMP s;
    bool* campi[] = {&s.TabMinMax, &s.ConIntestazione, &s.Descrizione, &s.Marciapiedi,
                     &s.FormatoStandard, &s.NumeroIdentificativo, &s.FotoInLR17};
    for (int i = 0; i < 7; ++i) *campi[i] = opzioni_[i]->isChecked();
    s.Luogo = Ss(Edit1_->text());
    return s;
}

bool TMasterPlan::ScegliStampante(const QString& titolo) {
    stampante_->setPageOrientation(QPageLayout::Portrait);
    stampante_->setPageSize(QPageSize(QPageSize::A4));
    stampante_->setDocName(titolo);
    if (sceltaStampante) return sceltaStampante(*stampante_);
    QPrintDialog d(stampante_.get(), this);
    return d.exec() == QDialog::Accepted;
}

// Prints on the window's printer from a worker, with a progress dialog whose
// Cancel ends the document after the project in hand; then names the rows
// left out. Every row is computed again and drawn on the worker: the window
// stays responsive, and the modal dialog keeps it from being used meanwhile.
void TMasterPlan::StampaConAvanzamento(const QString& titolo, RichiestaStampaMasterplan::Documento documento) {
    if (inCorso_ || ris_.Righe.empty() || !ScegliStampante(titolo)) return;
    RichiestaStampaMasterplan r;
    r.documento = documento;
    r.righe = ris_.Righe;
    r.opzioni = OpzioniCorrenti();
    r.stampa = OpzioniStampa();
    r.ambiente.DirLdtMaster = stato_.DirLdtMaster;
    r.ambiente.DirCorpi = stato_.DirCorpi;
    r.ambiente.DirImmagini = stato_.DirImmagini;
    r.ambiente.base = DatiReportDaStato(stato_);
    r.stampante = stampante_.get();
    QProgressDialog avanzamento(titolo, Qm(278).remove(QLatin1Char('&')), 0, 100, this);
    avanzamento.setObjectName(QStringLiteral("AvanzamentoStampa"));
    avanzamento.setWindowModality(Qt::WindowModal);
    avanzamento.setMinimumDuration(0);
    lavoro_->CollegaStop(&avanzamento);
    avanzamentoStampa_ = &avanzamento;
    inCorso_ = true;
    mp::EsitoStampaMP e;
    lavoro_->Avvia([r = std::move(r)](Riscontro& riscontro) { return EseguiStampaMasterplan(r, riscontro); },
                   [&e](mp::EsitoStampaMP esito) { e = std::move(esito); });
    avanzamento.show();
    lavoro_->Attendi();
    inCorso_ = false;
    avanzamentoStampa_ = nullptr;
    avanzamento.hide();
    if (chiusura_) return;
    if (!e.stampa.errore.empty()) ui_.Avviso(e.stampa.errore);
    if (const std::string t = mp::TestoNonStampate(e, stato_.Lingua); !t.empty()) ui_.Avviso(t);
    if (const std::string t = AvvisoImmagini(e.stampa.immaginiIlleggibili, stato_.Lingua); !t.empty()) ui_.Avviso(t);
    if (const std::string t = AvvisoTestiTagliati(e.stampa.testiTagliati, stato_.Lingua); !t.empty()) ui_.Avviso(t);
    if (e.progetti == 0 && e.nonStampate.empty() && !e.stampa.annullato && e.stampa.errore.empty())
        ui_.Avviso(Msg(1995));
}

void TMasterPlan::StampaMasterplan() {
    StampaConAvanzamento(Qm(413) + QStringLiteral(": ") + Qm(159), RichiestaStampaMasterplan::Documento::Progetti);
}

void TMasterPlan::StampaTabFotometriche() {
    StampaConAvanzamento(Qm(413) + QStringLiteral(": ") + Qm(1923), RichiestaStampaMasterplan::Documento::TabFotometriche);
}

void TMasterPlan::closeEvent(QCloseEvent* e) {
    if (inCorso_ && !chiusura_) {
        if (!ui_.Conferma(Msg(1940))) {
            e->ignore();
            return;
        }
        chiusura_ = true;
        lavoro_->Annulla();
        lavoro_->Attendi();
    }
    Congeda();
    e->accept();
}

void TMasterPlan::reject() {
    // Esc and the close box take the same way as "&Esci".
    close();
}

void TMasterPlan::done(int r) {
    Congeda();
    QDialog::done(r);
}

void TMasterPlan::Congeda() {
    if (congedata_) return;
    congedata_ = true;
    if (!portata_) stato_ = mp::StatoDopoMasterplan(prima_, stato_);
}

}  // namespace nottaro::ui
