#include "ui/principale/TVelaro.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

#include "core/files/Configurazione.h"
#include "core/files/FileProgetto.h"
#include "core/state/Inizializza.h"
#include "report/LetteraIntestata.h"
#include "ui/comune/CampoDecimale.h"
#include "ui/comune/FrecceSuGiu.h"
#include "ui/comune/Testi.h"
#include "ui/principale/Aiuto.h"
#include "ui/principale/DisegnoImpianto.h"
#include "ui/principale/RiepilogoProgetto.h"
#include "ui/principale/VociMenu.h"

namespace nottaro::ui {

namespace {

QLabel* NuovaEtichetta(const char* nome, QWidget* genitore) {
    auto* l = new QLabel(genitore);
    l->setObjectName(QLatin1String(nome));
    return l;
}

QPushButton* NuovoPulsante(const char* nome, QWidget* genitore) {
    auto* b = new QPushButton(genitore);
    b->setObjectName(QLatin1String(nome));
    b->setAutoDefault(false);
    return b;
}

}  // namespace

TVelaro::TVelaro(StatoProgetto& stato, Interazione* ui, QWidget* genitore) : QMainWindow(genitore), stato_(stato) {
    setObjectName(QStringLiteral("Velaro"));
    if (!ui) {
        uiPropria_ = std::make_unique<InterazioneQt>(this);
        ui = uiPropria_.get();
    }
    ui_ = ui;
    Costruisci();
    // Start-up, window steps: relabel, reset, caption, letterhead, Masterplan folders.
    Rietichetta();
    AgganciInizializza agganci;
    AgganciaInizializza(agganci);
    Inizializza(stato_, agganci);
    setWindowTitle(QStringLiteral("Lucerno - Nottaro ") + QString::fromLatin1(VersioneProgramma));
    for (SchedaProgetto* s : {&strada_, &percorso_}) {
        s->fotometria->clear();
        s->disposizione->clear();
        for (QLabel* l : s->riassunto) l->clear();
    }
    CaricaIntestazione(stato_, *ui_);
    LeggiMasterplan(stato_.DirProg, stato_);
    MostraSchedaMasterplan();
    RicordaSalvato();
    ImpostaAiuto(this, QStringLiteral("TVelaro"));
}

TVelaro::~TVelaro() = default;

void TVelaro::Costruisci() {
    auto* centro = new QWidget(this);
    auto* colonna = new QVBoxLayout(centro);
    PageControl1_ = new QTabWidget(centro);
    PageControl1_->setObjectName(QStringLiteral("PageControl1"));
    PageControl1_->addTab(CostruisciScheda(strada_, false), QString());
    PageControl1_->addTab(CostruisciScheda(percorso_, true), QString());
    PageControl1_->addTab(CostruisciMasterplan(), QStringLiteral("Masterplan"));
    colonna->addWidget(PageControl1_, 1);
    colonna->addWidget(CostruisciComandiComuni());
    setCentralWidget(centro);
    CostruisciMenu();
    CollegaScheda(strada_, false);
    CollegaScheda(percorso_, true);
    connect(PageControl1_, &QTabWidget::currentChanged, this, [this](int i) {
        const bool progetto = i != 2;
        for (QWidget* b : {static_cast<QWidget*>(BitBtn3_), static_cast<QWidget*>(BitBtn7_),
                           static_cast<QWidget*>(BitBtn8_)})
            b->setVisible(progetto);
    });
}

QWidget* TVelaro::CostruisciScheda(SchedaProgetto& s, bool percorso) {
    auto* scheda = new QWidget;
    s.scheda = scheda;
    scheda->setObjectName(percorso ? QStringLiteral("TabSheet2") : QStringLiteral("TabSheet1"));
    auto n = [percorso](const char* strada, const char* sentiero) { return percorso ? sentiero : strada; };

    s.sceltaAltezza = new QComboBox(scheda);
    s.sceltaAltezza->setObjectName(QLatin1String(n("ComboBox2", "ComboBox5")));
    s.altezza = new CampoDecimale(false, 4, scheda);
    s.altezza->setObjectName(QLatin1String(n("HPaloT", "HPaloTA")));
    s.sceltaSbraccio = new QComboBox(scheda);
    s.sceltaSbraccio->setObjectName(QLatin1String(n("ComboBox1", "ComboBox6")));
    s.sbraccio = new CampoDecimale(true, 5, scheda);
    s.sbraccio->setObjectName(QLatin1String(n("LSbraccio", "LSbraccioA")));
    s.sceltaInclina = new QComboBox(scheda);
    s.sceltaInclina->setObjectName(QLatin1String(n("ComboBox3", "ComboBox4")));
    s.inclina = new QSpinBox(scheda);
    s.inclina->setObjectName(QLatin1String(n("SpinEdit1", "SpinEdit2")));
    s.inclina->setRange(-20, 20);
    s.inclina->findChild<QLineEdit*>()->setReadOnly(true);  // arrows only
    s.larghezza = new QLineEdit(scheda);
    s.larghezza->setObjectName(QLatin1String(n("LStrada", "LStradaA")));
    s.frecceLarghezza = new FrecceSuGiu(0, 250, 69, scheda);
    s.frecceLarghezza->setObjectName(QLatin1String(n("UpDown2", "UpDown1")));
    for (QWidget* w : {static_cast<QWidget*>(s.altezza), static_cast<QWidget*>(s.sbraccio),
                       static_cast<QWidget*>(s.larghezza)})
        w->setFixedWidth(64);
    s.inclina->setFixedWidth(64);

    auto* griglia = new QGridLayout;
    // Rows: height, overhang, tilt, width, lanes (road only).
    const char* didascalie[] = {n("Label11", "Label22"), n("Label9", "Label23"), n("Label12", "Label20"),
                                n("Label8", "Label24")};
    static const char* const proprie[] = {"Altezza apparecchio [m]", "Avanzamento [m]", "Inclinazione [°]",
                                          "Larghezza [m]", "N° corsie"};
    const int righe = percorso ? 4 : 5;
    for (int r = 0; r < righe; ++r) {
        QLabel* d = r < 4 ? NuovaEtichetta(didascalie[r], scheda) : NuovaEtichetta("Label7", scheda);
        s.didascalie[r] = d;
        s.didascalieProprie[r] = new QLabel(QString::fromUtf8(proprie[r]), scheda);
        s.didascalieProprie[r]->setObjectName(QStringLiteral("DidascaliaDisegno%1").arg(r));
        griglia->addWidget(d, r, 0);
        griglia->addWidget(s.didascalieProprie[r], r, 0);
    }
    griglia->addWidget(s.sceltaAltezza, 0, 1);
    griglia->addWidget(s.altezza, 0, 2);
    griglia->addWidget(s.sceltaSbraccio, 1, 1);
    griglia->addWidget(s.sbraccio, 1, 2);
    griglia->addWidget(s.sceltaInclina, 2, 1);
    griglia->addWidget(s.inclina, 2, 2);
    auto* rigaLarghezza = new QHBoxLayout;
    rigaLarghezza->addWidget(s.larghezza);
    rigaLarghezza->addWidget(s.frecceLarghezza);
    rigaLarghezza->addStretch();
    griglia->addLayout(rigaLarghezza, 3, 1, 1, 2);
    if (!percorso) {
        NCorsieT_ = new QLineEdit(scheda);
        NCorsieT_->setObjectName(QStringLiteral("NCorsieT"));
        NCorsieT_->setReadOnly(true);
        NCorsieT_->setFixedWidth(64);
        UpDown4_ = new FrecceSuGiu(2, 7, 3, scheda);
        UpDown4_->setObjectName(QStringLiteral("UpDown4"));
        auto* rigaCorsie = new QHBoxLayout;
        rigaCorsie->addWidget(NCorsieT_);
        rigaCorsie->addWidget(UpDown4_);
        rigaCorsie->addStretch();
        griglia->addLayout(rigaCorsie, 4, 1, 1, 2);
    }
    griglia->setColumnStretch(3, 1);

    // The drawing with its two overlay labels.
    s.disegno = new DisegnoImpianto(!percorso, scheda);
    s.disegno->setObjectName(QLatin1String(n("Image3", "Image2")));
    s.didascalie[5] = NuovaEtichetta(n("Label10", "Label25"), s.disegno);
    s.didascalie[6] = NuovaEtichetta(n("Label13", "Label21"), s.disegno);
    auto* posaDisegno = new QGridLayout(s.disegno);
    posaDisegno->addWidget(s.didascalie[6], 0, 0, Qt::AlignTop | Qt::AlignRight);
    posaDisegno->addWidget(s.didascalie[5], 1, 0, Qt::AlignBottom | Qt::AlignHCenter);

    // Summary panel and commands.
    auto* pannello = new QGroupBox(scheda);
    pannello->setObjectName(QLatin1String(n("Panel1", "Panel2")));
    auto* colonnaPannello = new QVBoxLayout(pannello);
    s.definire = NuovaEtichetta(n("Label1", "Label18"), pannello);
    s.definire->setStyleSheet(QStringLiteral("font-weight: bold"));
    s.fotometria = NuovaEtichetta(n("Label6", "Label14"), pannello);
    s.disposizione = NuovaEtichetta(n("Label5", "Label15"), pannello);
    s.riassunto[0] = NuovaEtichetta(n("Label2", "Label16"), pannello);
    s.riassunto[1] = NuovaEtichetta(n("Label3", "Label17"), pannello);
    s.riassunto[2] = NuovaEtichetta(n("Label4", "Label19"), pannello);
    for (QLabel* l : {s.definire, s.fotometria, s.disposizione, s.riassunto[0], s.riassunto[1], s.riassunto[2]}) {
        l->setWordWrap(true);
        colonnaPannello->addWidget(l);
    }
    s.riepilogo = new RiepilogoProgetto(stato_, percorso, pannello);
    colonnaPannello->addWidget(s.riepilogo);
    connect(s.riepilogo, &RiepilogoProgetto::InterdistanzaLiberata, this, [this] { AggiornaRiepilogo(); });
    colonnaPannello->addStretch();
    pannello->setMinimumWidth(280);
    s.parametri = NuovoPulsante(n("BitBtn1", "BitBtn10"), scheda);
    s.pali = NuovoPulsante(n("BitBtn2", "BitBtn11"), scheda);
    s.ottimizza = NuovoPulsante(n("BitBtn6", "BitBtn9"), scheda);
    s.ottimizza->setStyleSheet(QStringLiteral("font-weight: bold"));

    auto* sinistra = new QVBoxLayout;
    sinistra->addWidget(s.disegno, 1);
    sinistra->addLayout(griglia);
    auto* destra = new QVBoxLayout;
    destra->addWidget(pannello, 1);
    destra->addWidget(s.parametri);
    destra->addWidget(s.pali);
    destra->addWidget(s.ottimizza);
    auto* riga = new QHBoxLayout(scheda);
    riga->addLayout(sinistra, 3);
    riga->addLayout(destra, 2);
    return scheda;
}

QWidget* TVelaro::CostruisciMasterplan() {
    auto* scheda = new QWidget;
    scheda->setObjectName(QStringLiteral("TabSheet3"));
    auto* griglia = new QGridLayout(scheda);
    // Captions and the labels' "not defined" are set by Rietichetta and
    // MostraSchedaMasterplan, in the current language.
    struct Cartella {
        const char* pulsante;
        const char* etichetta;
    };
    static const Cartella voci[] = {
        {"BitBtn17", "Label29"}, {"BitBtn14", "Label26"}, {"BitBtn15", "Label27"}, {"BitBtn16", "Label28"}, {"BitBtn13", "Label32"},
    };
    int r = 0;
    const bool masterplan = static_cast<bool>(ApriMasterplan());
    for (const Cartella& v : voci) {
        auto* b = NuovoPulsante(v.pulsante, scheda);
        b->setEnabled(masterplan);
        auto* l = NuovaEtichetta(v.etichetta, scheda);
        l->setTextInteractionFlags(Qt::TextSelectableByMouse);
        griglia->addWidget(b, r, 0);
        griglia->addWidget(l, r, 1);
        ++r;
        const int quale = r == 1 ? -1 : r - 2;  // BitBtn17 is the workbook, then the four folders
        connect(b, &QPushButton::clicked, this, [this, quale] {
            if (quale < 0) FileMasterplan();
            else CartellaMasterplan(quale);
        });
    }
    auto* Label31 = NuovaEtichetta("Label31", scheda);
    DeprezzMaster_ = new QLineEdit(scheda);
    DeprezzMaster_->setObjectName(QStringLiteral("Deprezz"));
    DeprezzMaster_->setReadOnly(true);
    DeprezzMaster_->setFixedWidth(64);
    auto* UpDown3 = new FrecceSuGiu(0, 99, 79, scheda);
    UpDown3->setObjectName(QStringLiteral("UpDown3"));
    UpDown3->setEnabled(masterplan);
    connect(UpDown3, &FrecceSuGiu::su, this, [this] { PassoDeprezzMasterplan(1); });
    connect(UpDown3, &FrecceSuGiu::giu, this, [this] { PassoDeprezzMasterplan(-1); });
    auto* rigaDeprezz = new QHBoxLayout;
    rigaDeprezz->addWidget(Label31);
    rigaDeprezz->addWidget(DeprezzMaster_);
    rigaDeprezz->addWidget(UpDown3);
    rigaDeprezz->addStretch();
    griglia->addLayout(rigaDeprezz, r++, 0, 1, 2);
    auto* comandi = new QHBoxLayout;
    for (auto [nome, testo] : {std::pair{"BitBtn19", "&Masterplan"}, {"BitBtn12", "Elenca &LDT"},
                               {"BitBtn18", "Apri &XLS"}}) {
        auto* b = NuovoPulsante(nome, scheda);
        b->setText(QString::fromUtf8(testo));
        b->setVisible(false);
        comandi->addWidget(b);
        if (b->objectName() == QLatin1String("BitBtn19"))
            connect(b, &QPushButton::clicked, this, [this] { AvviaMasterplan(); });
    }
    griglia->addLayout(comandi, r++, 0, 1, 2);
    griglia->setRowStretch(r, 1);
    griglia->setColumnStretch(1, 1);
    return scheda;
}

QWidget* TVelaro::CostruisciComandiComuni() {
    auto* zona = new QWidget;
    auto* riga = new QHBoxLayout(zona);
    riga->setContentsMargins(0, 0, 0, 0);
    BitBtn4_ = NuovoPulsante("BitBtn4", zona);
    RadioGroup2_ = new QGroupBox(zona);
    RadioGroup2_->setObjectName(QStringLiteral("RadioGroup2"));
    auto* colonnaLimiti = new QGridLayout(RadioGroup2_);
    for (int i = 0; i < 4; ++i) {
        limiti_[i] = new QRadioButton(RadioGroup2_);
        limiti_[i]->setObjectName(QStringLiteral("RadioGroup2Voce%1").arg(i));
        colonnaLimiti->addWidget(limiti_[i], i, 0);
        connect(limiti_[i], &QRadioButton::clicked, this, [this] { ImpostaLimite(); });
    }
    limiti_[0]->setChecked(true);
    MaskEdit1_ = new CampoDecimale(false, 3, RadioGroup2_);
    MaskEdit1_->setObjectName(QStringLiteral("MaskEdit1"));
    MaskEdit1_->setFixedWidth(48);
    colonnaLimiti->addWidget(MaskEdit1_, 1, 1, 3, 1, Qt::AlignVCenter);
    connect(MaskEdit1_, &QLineEdit::editingFinished, this, [this] { ImpostaLimite(); });
    RadioGroup1_ = new QGroupBox(zona);
    RadioGroup1_->setObjectName(QStringLiteral("RadioGroup1"));
    auto* colonnaRisultati = new QVBoxLayout(RadioGroup1_);
    for (int i = 0; i < 2; ++i) {
        risultati_[i] = new QRadioButton(RadioGroup1_);
        risultati_[i]->setObjectName(QStringLiteral("RadioGroup1Voce%1").arg(i));
        colonnaRisultati->addWidget(risultati_[i]);
    }
    risultati_[0]->setChecked(true);
    BitBtn5_ = NuovoPulsante("BitBtn5", zona);
    BitBtn3_ = NuovoPulsante("BitBtn3", zona);
    BitBtn8_ = NuovoPulsante("BitBtn8", zona);
    BitBtn7_ = NuovoPulsante("BitBtn7", zona);
    BitBtn8_->setText(QStringLiteral("Catalogo"));
    auto* colonnaFoto = new QGridLayout;
    colonnaFoto->addWidget(BitBtn3_, 0, 0, 1, 2);
    colonnaFoto->addWidget(BitBtn8_, 1, 0);
    colonnaFoto->addWidget(BitBtn7_, 1, 1);
    colonnaFoto->addWidget(BitBtn5_, 2, 0, 1, 2);
    riga->addWidget(BitBtn4_, 0, Qt::AlignTop);
    riga->addWidget(RadioGroup2_);
    riga->addWidget(RadioGroup1_);
    riga->addStretch();
    riga->addLayout(colonnaFoto);
    connect(BitBtn4_, &QPushButton::clicked, this, [this] { ParametriCalcolo(); });
    connect(BitBtn3_, &QPushButton::clicked, this, [this] { CaricaLdt(); });
    return zona;
}

}  // namespace nottaro::ui
