#include "ui/calcolo/FinestraOttimizza.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QProgressBar>
#include <QScreen>
#include <QPushButton>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTableView>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include <cmath>
#include <filesystem>

#include "ui/comune/Acceleratori.h"
#include "ui/comune/Testi.h"
#include "ui/interaction/LavoroSeguito.h"
#include "ui/isolum/TIsolum.h"
#include "ui/motore/MotoreRisultati.h"
#include "ui/principale/Aiuto.h"
#include "ui/risultati/GraficoSoluzioni.h"
#include "ui/risultati/ModelloSoluzioni.h"
#include "ui/report/AperturaStampa.h"

namespace nottaro::ui {

QString DurataTesto(double secondi) {
    if (!(secondi >= 0)) return QStringLiteral("—");
    const long long s = std::llround(secondi);
    return QStringLiteral("%1:%2:%3")
        .arg(s / 3600)
        .arg((s / 60) % 60, 2, 10, QLatin1Char('0'))
        .arg(s % 60, 2, 10, QLatin1Char('0'));
}

namespace {

QPushButton* Bottone(QWidget* g, const QString& nome, const QString& testo) {
    auto* b = new QPushButton(testo, g);
    b->setObjectName(nome);
    return b;
}

QLabel* Testo(QWidget* g, const QString& nome, const QString& testo = {}) {
    auto* l = new QLabel(testo, g);
    l->setObjectName(nome);
    return l;
}

}  // namespace

FinestraOttimizza::FinestraOttimizza(StatoProgetto& stato, Interazione& ui, bool percorso, QWidget* genitore)
    : QDialog(genitore),
      stato_(stato),
      ui_(ui),
      percorso_(percorso) {
    setObjectName(percorso ? QStringLiteral("TCalcolaa") : QStringLiteral("TCalcola"));
    setWindowTitle(Qm(159));
    lavoro_ = new LavoroSeguito(ui, [this](const Avanzamento& a) { Progresso(a); }, this);
    pagine_ = new QStackedWidget(this);
    auto* corsa = new QWidget;
    auto* browser = new QWidget;
    CostruisciCorsa(corsa);
    CostruisciBrowser(browser);
    pagine_->addWidget(corsa);
    pagine_->addWidget(browser);
    auto* l = new QVBoxLayout(this);
    l->addWidget(pagine_);
    resize(460, 260);
    AcceleratoriDelDialogo(this);
    ImpostaAiuto(this, objectName());
}

FinestraOttimizza::~FinestraOttimizza() {
    // A window going away stops its run and takes what it left.
    chiusura_ = true;
    lavoro_->Annulla();
    lavoro_->Attendi();
}

void FinestraOttimizza::CostruisciCorsa(QWidget* p) {
    auto* l = new QVBoxLayout(p);
    label1_ = Testo(p, QStringLiteral("Label1"), Qm(142));
    label2_ = Testo(p, QStringLiteral("Label2"));
    label2_->setWordWrap(true);
    barra_ = new QProgressBar(p);
    barra_->setObjectName(QStringLiteral("ProgressBar1"));
    barra_->setRange(0, 100);
    barra_->setValue(0);
    label4_ = Testo(p, QStringLiteral("Label4"), QStringLiteral("0%"));
    candidati_ = Testo(p, QStringLiteral("Candidati"));
    trovati_ = Testo(p, QStringLiteral("Trovati"));
    trascorso_ = Testo(p, QStringLiteral("Trascorso"));
    rimanente_ = Testo(p, QStringLiteral("Rimanente"));
    for (QWidget* w : {static_cast<QWidget*>(label1_), static_cast<QWidget*>(label2_)}) l->addWidget(w);
    auto* rigaBarra = new QHBoxLayout;
    rigaBarra->addWidget(barra_, 1);
    rigaBarra->addWidget(label4_);
    l->addLayout(rigaBarra);
    for (QLabel* w : {candidati_, trovati_, trascorso_, rimanente_}) l->addWidget(w);
    l->addStretch();
    auto* bottoni = new QHBoxLayout;
    interrompiBtn_ = Bottone(p, QStringLiteral("BitBtn1"), Qm(278));
    okBtn_ = Bottone(p, QStringLiteral("BitBtn2"), QStringLiteral("OK"));
    okBtn_->hide();
    bottoni->addStretch();
    bottoni->addWidget(interrompiBtn_);
    bottoni->addWidget(okBtn_);
    l->addLayout(bottoni);
    lavoro_->CollegaStop(interrompiBtn_);
    connect(okBtn_, &QPushButton::clicked, this, [this] { MostraBrowser(); });
}

void FinestraOttimizza::CostruisciBrowser(QWidget* p) {
    auto* l = new QVBoxLayout(p);
    // Requirements of the run and the number of solutions.
    auto* requisiti = new QHBoxLayout;
    auto* nRis = Testo(p, QStringLiteral("Label16"), Qm(151));
    requisiti->addWidget(nRis);
    for (int k = 0; k < 5; ++k) {
        etichette_[k] = Testo(p, QStringLiteral("Label%1").arg(17 + k));
        requisiti->addWidget(etichette_[k]);
        requisiti->addSpacing(12);
    }
    requisiti->addStretch();
    l->addLayout(requisiti);

    // Height/overhang filter, range, criteria.
    auto* scelte = new QGridLayout;
    scelte->addWidget(Testo(p, QStringLiteral("Label153"), Qm(153)), 0, 0, 1, 4);
    altezze_ = new QComboBox(p);
    altezze_->setObjectName(QStringLiteral("ComboBox1"));
    sbracci_ = new QComboBox(p);
    sbracci_->setObjectName(QStringLiteral("ComboBox2"));
    for (QComboBox* c : {altezze_, sbracci_}) c->setMinimumContentsLength(6);
    scelte->addWidget(altezze_, 1, 0);
    scelte->addWidget(sbracci_, 1, 1);
    auto* filtro = Bottone(p, QStringLiteral("BitBtn3"), Qm(424));
    auto* tutto = Bottone(p, QStringLiteral("BitBtn4"), Qm(425));
    scelte->addWidget(filtro, 1, 2);
    scelte->addWidget(tutto, 1, 3);
    scelte->addWidget(Testo(p, QStringLiteral("Label152"), Qm(152)), 0, 4, 1, 3);
    intervalloEdit_ = new QLineEdit(QStringLiteral("0"), p);
    intervalloEdit_->setObjectName(QStringLiteral("Edit1"));
    intervalloEdit_->setReadOnly(true);
    intervalloEdit_->setFixedWidth(60);
    intervalloEdit_->setAlignment(Qt::AlignRight);
    auto* su = new QToolButton(p);
    su->setObjectName(QStringLiteral("UpDown1Su"));
    su->setArrowType(Qt::UpArrow);
    auto* giu = new QToolButton(p);
    giu->setObjectName(QStringLiteral("UpDown1Giu"));
    giu->setArrowType(Qt::DownArrow);
    auto* updown = new QWidget(p);
    updown->setObjectName(QStringLiteral("UpDown1"));
    auto* lud = new QHBoxLayout(updown);
    lud->setContentsMargins(0, 0, 0, 0);
    lud->setSpacing(0);
    lud->addWidget(su);
    lud->addWidget(giu);
    scelte->addWidget(intervalloEdit_, 1, 4);
    scelte->addWidget(updown, 1, 5);
    criteri_ = new QComboBox(p);
    criteri_->setObjectName(QStringLiteral("ComboBox3"));
    criteri_->addItem(QString());
    for (int m = 257; m <= 277; ++m) criteri_->addItem(Qm(m));
    criteri_->addItem(Qm(2400));  // MIN Dp
    criteri_->addItem(Qm(2401));  // MIN De
    criteri_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    criteri_->setMinimumContentsLength(40);
    scelte->addWidget(criteri_, 1, 6);
    scelte->setColumnStretch(6, 1);
    l->addLayout(scelte);

    // Column header lines above the grid, the grid and the chart.
    auto* intest1 = Testo(p, QStringLiteral("Label141"), Qm(percorso_ ? 477 : 141));
    auto* intest2 = Testo(p, QStringLiteral("Label143"), Qm(percorso_ ? 478 : 143));
    QFont fisso(QStringLiteral("DejaVu Sans Mono"));
    fisso.setStyleHint(QFont::Monospace);
    for (QLabel* i : {intest1, intest2}) {
        i->setFont(fisso);
        l->addWidget(i);
    }
    schede_ = new QTabWidget(p);
    schede_->setObjectName(QStringLiteral("SchedeRisultati"));
    griglia_ = new QTableView(p);
    griglia_->setObjectName(QStringLiteral("DBGrid1"));
    griglia_->setSelectionBehavior(QAbstractItemView::SelectRows);
    griglia_->setSelectionMode(QAbstractItemView::SingleSelection);
    griglia_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    griglia_->horizontalHeader()->setDefaultSectionSize(110);
    griglia_->horizontalHeader()->setTextElideMode(Qt::ElideRight);
    griglia_->verticalHeader()->setDefaultSectionSize(22);
    parziale_ = Testo(p, QStringLiteral("ElencoParziale"), Qm(2206));
    parziale_->setStyleSheet(QStringLiteral("color: #a00000; font-weight: bold"));
    parziale_->hide();
    l->addWidget(parziale_);
    schede_->addTab(griglia_, Qm(1615));
    grafico_ = new GraficoSoluzioni(tabella_, p);
    schede_->addTab(grafico_, Qm(1616));
    l->addWidget(schede_, 1);
    auto* sottoGriglia = new QHBoxLayout;
    legenda_ = Testo(p, QStringLiteral("LegendaCriteri"), Qm(2204));
    legenda_->hide();
    mostrate_ = Testo(p, QStringLiteral("RigheMostrate"));
    sottoGriglia->addWidget(legenda_);
    sottoGriglia->addStretch();
    sottoGriglia->addWidget(mostrate_);
    l->addLayout(sottoGriglia);

    auto* bottoni = new QHBoxLayout;
    auto* progetto = Bottone(p, QStringLiteral("BitBtn7"), Qm(380));
    auto* ridotta = Bottone(p, QStringLiteral("BitBtn5"), Qm(156));
    auto* completa = Bottone(p, QStringLiteral("BitBtn6"), Qm(157));
    connect(ridotta, &QPushButton::clicked, this, [this] {
        StampaElencoBrowser(this, stato_, percorso_, filtroCorrente_, TipoElenco::Ridotto, ui_, dialogoStampa);
    });
    connect(completa, &QPushButton::clicked, this, [this] {
        StampaElencoBrowser(this, stato_, percorso_, filtroCorrente_, TipoElenco::Completo, ui_, dialogoStampa);
    });
    auto* esci = Bottone(p, QStringLiteral("BitBtn8"), Qm(6));
    auto* aiuto = Bottone(p, QStringLiteral("BitBtn9"), Qm(70));
    for (QPushButton* b : {progetto, ridotta, completa}) bottoni->addWidget(b);
    bottoni->addStretch();
    bottoni->addWidget(aiuto);
    bottoni->addWidget(esci);
    l->addLayout(bottoni);

    connect(filtro, &QPushButton::clicked, this, [this] { Filtra(false); });
    connect(tutto, &QPushButton::clicked, this, [this] { Tutto(); });
    connect(su, &QToolButton::clicked, this, [this] { CambiaIntervallo(1); });
    connect(giu, &QToolButton::clicked, this, [this] { CambiaIntervallo(-1); });
    // "activated": choosing the shown item again applies a new range.
    connect(criteri_, &QComboBox::activated, this, [this](int) { Filtra(true); });
    connect(griglia_, &QTableView::doubleClicked, this,
            [this](const QModelIndex& i) { ApriDettaglio(modello_->RigaTabella(i.row())); });
    connect(progetto, &QPushButton::clicked, this, [this] {
        const QModelIndex i = griglia_->currentIndex();
        ApriDettaglio(i.isValid() && modello_ ? modello_->RigaTabella(i.row()) : 0);
    });
    // Closing asks once, whether to keep the results (closeEvent).
    connect(esci, &QPushButton::clicked, this, [this] { close(); });
    PulsanteAiuto(aiuto, this, QStringLiteral("Risultati"));
    connect(grafico_, &GraficoSoluzioni::RigaScelta, this, [this](int r) {
        schede_->setCurrentIndex(0);
        const int vista = modello_->RigaVista(r);
        griglia_->selectRow(vista);
        griglia_->scrollTo(modello_->index(vista, 1));
    });
    connect(schede_, &QTabWidget::currentChanged, this, [this](int i) {
        if (i == 1) grafico_->Aggiorna();
    });
}

void FinestraOttimizza::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    if (!avviata_) {
        avviata_ = true;
        QTimer::singleShot(0, this, [this] { Avvia(); });
    }
}

void FinestraOttimizza::Avvia() {
    stato_.TipoProgetto = percorso_ ? 1 : 0;
    tabella_.Collega(stato_.DirProg, percorso_ ? "NTRLUXA" : "NTRLUX");
    // The table must be ready before anything runs.
    EsitoTabella pronta = tabella_.Svuota();
    if (pronta) pronta = tabella_.Apri();
    tabella_.Chiudi();
    if (!pronta) {
        ui_.Avviso(Ss(Qm(1606).arg(Qs(tabella_.Percorso()), Qs(pronta.errore))));
        fase_ = Fase::Finita;
        interrompiBtn_->hide();
        emit CalcoloFinito();
        reject();
        return;
    }
    if (!stato_.FileLista.empty()) label2_->setText(Qs(stato_.FileLista));
    richiesta_.stato = std::make_shared<const StatoProgetto>(stato_);
    richiesta_.percorso = percorso_;
    richiesta_.cartella = stato_.DirProg;
    richiesta_.limiteRighe = limiteRighe;
    fase_ = Fase::InCorso;
    QApplication::setOverrideCursor(Qt::BusyCursor);
    lavoro_->Avvia([r = richiesta_](Riscontro& riscontro) { return EseguiOttimizzazione(r, riscontro); },
                   [this](EsitoOttimizza e) { Concludi(std::move(e)); });
}

void FinestraOttimizza::Progresso(const Avanzamento& a) {
    if (fase_ != Fase::InCorso) return;
    if (!a.testo.empty() && stato_.FileLista.empty()) label2_->setText(Qs(a.testo));
    const long long n = a.totale;
    const int perc = n > 0 ? static_cast<int>(std::min<long long>(100, a.fatti * 100 / n)) : 0;
    barra_->setValue(perc);
    label4_->setText(QStringLiteral("%1%").arg(perc));
    candidati_->setText(Qm(1600).arg(a.fatti).arg(n));
    trovati_->setText(Qm(1601).arg(a.trovati));
    trascorso_->setText(Qm(1602).arg(DurataTesto(a.secondi)));
    rimanente_->setText(Qm(1603).arg(DurataTesto(a.secondiRimasti)));
}

void FinestraOttimizza::Concludi(EsitoOttimizza esito) {
    QApplication::restoreOverrideCursor();
    esito_ = std::move(esito);
    // Read before the write-back, which clears it for the next run.
    const bool apriPrimaRiga = percorso_ && stato_.DaProgetto;
    ApplicaEsitoOttimizzazione(stato_, richiesta_, esito_);
    fase_ = Fase::Finita;
    tabella_.Apri();
    if (chiusura_) {
        emit CalcoloFinito();
        return;
    }
    const RisultatoSweep& r = esito_.risultato;
    if (r.interrotto) {
        // The bar stays where the run stopped: the list holds what was found until then.
        const int perc = r.totale > 0 ? static_cast<int>(std::min<long long>(100, r.candidati * 100 / r.totale)) : 0;
        barra_->setValue(perc);
        label4_->setText(QStringLiteral("%1%").arg(perc));
        candidati_->setText(Qm(2205).arg(perc).arg(QLocale().toString(r.candidati), QLocale().toString(r.totale)));
        rimanente_->setText(Qm(1603).arg(DurataTesto(-1)));
    } else {
        barra_->setValue(100);
        label4_->setText(QStringLiteral("100%"));
        rimanente_->setText(Qm(1603).arg(DurataTesto(0)));
    }
    trovati_->setText(Qm(1601).arg(r.NRisultati));
    label1_->hide();  // no longer calculating
    interrompiBtn_->hide();
    okBtn_->show();
    if (!esito_.risultato.fileScartati.empty()) {
        std::string elenco = Ss(Qm(1604));
        for (const std::string& f : esito_.risultato.fileScartati) elenco += "\n" + f;
        ui_.Avviso(elenco);
    }
    if (!esito_.errore.empty()) ui_.Avviso(Ss(Qm(1605).arg(Qs(esito_.errore))));
    emit CalcoloFinito();
    // A path run continuing a loaded project opens its first row at once.
    if (apriPrimaRiga) {
        MostraBrowser();
        if (tabella_.NumeroRighe() > 0) ApriDettaglio(0);
    }
}

void FinestraOttimizza::MostraBrowser() {
    if (fase_ == Fase::Browser) return;
    fase_ = Fase::Browser;
    const RiepilogoSweep& riep = percorso_ ? stato_.RiepilogoA : stato_.Riepilogo;
    const long long n = percorso_ ? stato_.NRisultatiA : stato_.NRisultati;
    etichette_[0]->setText(QString::number(n));
    if (percorso_) {
        etichette_[1]->setText(QStringLiteral("Em + %1%").arg(Generale(stato_.ErrEm)));
        etichette_[2]->setText(QStringLiteral("Em = %1lx").arg(Generale(stato_.EmMin)));
        etichette_[3]->setText(stato_.UeMin != 0 ? QStringLiteral("Uo = %1%").arg(Generale(stato_.UeMin)) : QString());
        etichette_[4]->setText(stato_.EminMin != 0 ? QStringLiteral("Emin = %1lx").arg(Generale(stato_.EminMin)) : QString());
    } else {
        etichette_[1]->setText(QStringLiteral("Lm + %1%").arg(Generale(stato_.ErrLm)));
        etichette_[2]->setText(QStringLiteral("Lm = %1cd/m^2").arg(Generale(stato_.LmMin)));
        etichette_[3]->setText(QStringLiteral("Uo = %1%").arg(Generale(stato_.UoMin)));
        etichette_[4]->setText(QStringLiteral("Ul = %1%").arg(Generale(stato_.UlMin)));
    }
    altezze_->clear();
    sbracci_->clear();
    altezze_->addItem(QString());
    sbracci_->addItem(QString());
    for (const std::string& a : ScelteAltezze(riep)) altezze_->addItem(Qs(a));
    for (const std::string& s : ScelteSbracci(riep)) sbracci_->addItem(Qs(s));
    modello_ = new ModelloSoluzioni(tabella_, percorso_, percorso_ ? 0 : stato_.TiMax, this);
    // Rows kept whatever their figures: each criterion cell says whether it meets the class.
    if (richiesta_.stato && richiesta_.stato->TuttiRisultati)
        modello_->ImpostaRequisiti(*richiesta_.stato);
    legenda_->setVisible(modello_->GiudicaColonne());
    parziale_->setVisible(esito_.risultato.interrotto);
    griglia_->setModel(modello_);
    // A header click sorts the rows shown; they open in the table's order.
    griglia_->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    griglia_->setSortingEnabled(true);
    griglia_->setColumnHidden(0, true);
    griglia_->horizontalHeader()->setMinimumHeight(3 * griglia_->fontMetrics().height() + 8);
    // Each column as wide as its title (within bounds; the tooltip has it all).
    const QFontMetrics fm = griglia_->horizontalHeader()->fontMetrics();
    for (int c = 1; c < modello_->columnCount(); ++c) {
        const auto& campo = tabella_.Campi()[static_cast<std::size_t>(c)];
        int larghezza = campo.tipo == TipoCampo::Testo ? 160 : 90;
        for (const QString& riga : modello_->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString().split('\n'))
            larghezza = std::max(larghezza, fm.horizontalAdvance(riga) + 18);
        griglia_->setColumnWidth(c, std::min(larghezza, 280));
    }
    pagine_->setCurrentIndex(1);
    AggiornaMostrate();
    AdattaAlloSchermo(QSize(1100, 640), QSize(750, 480));
    if (n == 0) {
        std::string spiegazione = Msg(134) + "\n" + Msg(135) + "\n" + Msg(136) + "\n" + Msg(137);
        // A spacing kept from a loaded project is the first thing to free.
        if (richiesta_.stato && richiesta_.stato->DaProgetto && richiesta_.stato->Interdist > 0)
            spiegazione += "\n" + Ss(Qm(2209).arg(Generale(richiesta_.stato->Interdist)));
        ui_.Informazione(spiegazione);
    }
}

void FinestraOttimizza::DopoFiltro(const EsitoTabella& e) {
    if (!e) {
        // A refused filter leaves the table unfiltered: say so, show every row.
        ui_.Avviso(Ss(Qm(1607).arg(Qs(e.errore))));
        filtroCorrente_.clear();
        tabella_.ImpostaFiltro("");
        tabella_.AttivaFiltro(true);
    }
    if (modello_) modello_->Ricarica();
    AggiornaMostrate();
    if (schede_->currentIndex() == 1) grafico_->Aggiorna();
}

void FinestraOttimizza::AggiornaMostrate() {
    const long long totale = percorso_ ? stato_.NRisultatiA : stato_.NRisultati;
    mostrate_->setText(Qm(2210).arg(QLocale().toString(static_cast<qlonglong>(tabella_.NumeroRighe())),
                                    QLocale().toString(totale)));
}

void FinestraOttimizza::AdattaAlloSchermo(QSize voluta, QSize minima) {
    // Within the screen the window is on, grown around its own centre, so a
    // small laptop screen still shows every button.
    const QScreen* schermo = screen();
    const QRect disponibile = schermo ? schermo->availableGeometry() : QRect(0, 0, 1366, 728);
    // Room for the frame the window manager adds.
    const QSize massima = disponibile.size() - QSize(16, 40);
    setMinimumSize(minima.boundedTo(massima));
    const QSize nuova = voluta.expandedTo(size()).boundedTo(massima);
    const QPoint centro = isVisible() ? geometry().center() : disponibile.center();
    QRect g(QPoint(0, 0), nuova);
    g.moveCenter(centro);
    // Kept inside the available area.
    if (g.right() > disponibile.right()) g.moveRight(disponibile.right());
    if (g.bottom() > disponibile.bottom()) g.moveBottom(disponibile.bottom());
    if (g.left() < disponibile.left()) g.moveLeft(disponibile.left());
    if (g.top() < disponibile.top() + 30) g.moveTop(disponibile.top() + 30);
    resize(g.size());
    if (isVisible()) move(g.topLeft() - (geometry().topLeft() - pos()));
}

void FinestraOttimizza::Filtra(bool criterio) {
    scelta_.altezza = Ss(altezze_->currentText());
    scelta_.sbraccio = Ss(sbracci_->currentText());
    scelta_.intervallo = intervallo_;
    const RiepilogoSweep& riep = percorso_ ? stato_.RiepilogoA : stato_.Riepilogo;
    if (criterio) DopoFiltro(ApplicaCriterio(tabella_, criteri_->currentIndex(), scelta_, riep, filtroCorrente_));
    else DopoFiltro(FiltraScelta(tabella_, scelta_, filtroCorrente_));
}

void FinestraOttimizza::Tutto() {
    altezze_->setCurrentIndex(0);
    sbracci_->setCurrentIndex(0);
    criteri_->setCurrentIndex(0);
    intervallo_ = 0;
    intervalloEdit_->setText(QStringLiteral("0"));
    MostraOgniRiga(tabella_, scelta_, filtroCorrente_);
    DopoFiltro({});
}

void FinestraOttimizza::CambiaIntervallo(int passo) {
    // Without limits; it applies the next time a criterion is chosen.
    intervallo_ += passo;
    intervalloEdit_->setText(QString::number(intervallo_));
}

void FinestraOttimizza::ApriDettaglio(int riga) {
    if (riga < 0 || !tabella_.VaiA(static_cast<std::size_t>(riga))) return;
    EsitoDettaglio d = CalcolaDettaglio(tabella_, stato_, ui_, percorso_);
    if (!d.ok) {
        if (!d.errore.empty()) ui_.Avviso(Ss(Qm(1608).arg(Qs(d.errore))));
        return;
    }
    TIsolum vista(std::move(d.vista), ui_, this);
    vista.CollegaIdentifica([this, &vista] { ApriIdentificazione(&vista, stato_, ui_, vista.Vista()); });
    if (mostraDettaglio) mostraDettaglio(vista);
    else vista.exec();
}

bool FinestraOttimizza::SalvaTabella() {
    namespace fs = std::filesystem;
    while (true) {
        QString file;
        if (sceltaFileSalva) {
            file = sceltaFileSalva();
        } else {
            QFileDialog d(this, Qm(1609), Qs(stato_.DirProg), Qm(1610));
            d.setAcceptMode(QFileDialog::AcceptSave);
            d.setDefaultSuffix(QStringLiteral("dbf"));
            d.setOption(QFileDialog::DontConfirmOverwrite);
            d.selectFile(QStringLiteral("prova1.dbf"));
            if (d.exec() == QDialog::Accepted && !d.selectedFiles().isEmpty()) file = d.selectedFiles().front();
        }
        if (file.isEmpty()) return false;  // back to the browser
        const fs::path scelto = fs::weakly_canonical(fs::path(Ss(file)));
        const fs::path propria = fs::weakly_canonical(fs::path(stato_.DirProg));
        const std::string nome = QFileInfo(file).fileName().toLower().toStdString();
        if (scelto.parent_path() == propria && (nome == "ntrlux.dbf" || nome == "ntrluxa.dbf")) {
            ui_.Avviso(Ss(Qm(1612).arg(file)));
            continue;
        }
        if (QFileInfo::exists(file) && !ui_.Conferma(Ss(Qm(1207).arg(file)))) continue;
        const std::string errore = SalvaCopiaTabella(tabella_, Ss(file));
        if (!errore.empty()) {
            ui_.Avviso(Ss(Qm(1611).arg(file, Qs(errore))));
            return false;
        }
        return true;
    }
}

bool FinestraOttimizza::ChiudiBrowser() {
    if (ui_.Conferma(Msg(139)) && !SalvaTabella()) return false;
    tabella_.AttivaFiltro(false);
    tabella_.Scollega();
    return true;
}

void FinestraOttimizza::closeEvent(QCloseEvent* e) {
    if (fase_ == Fase::InCorso) {
        if (!ui_.Conferma(Msg(138))) {
            e->ignore();
            return;
        }
        chiusura_ = true;
        lavoro_->Annulla();
        lavoro_->Attendi();
        e->accept();
        return;
    }
    if (fase_ == Fase::Browser && !ChiudiBrowser()) {
        e->ignore();
        return;
    }
    tabella_.Scollega();
    e->accept();
}

void FinestraOttimizza::reject() {
    // Esc and the close box take the same way as closing.
    close();
}

}  // namespace nottaro::ui
