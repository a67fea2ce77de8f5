#include "ui/catalogue/Tcatalogue.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

#include "catalogue/ImmagineApparecchio.h"
#include "ui/comune/Acceleratori.h"
#include "ui/comune/ModelloTabellaDbf.h"
#include "ui/comune/Testi.h"
#include "ui/principale/Aiuto.h"

namespace nottaro::ui {
namespace {

constexpr std::array<const char*, NumListeFiltro> NomiCombo{"ComboLinea",   "ComboDisposizione", "ComboLampada",
                                                            "ComboPotenza", "ComboModello",      "ComboProduttore"};

// Grid columns: field, title (message or fixed text) and width in pixels.
struct ColonnaCatalogo {
    const char* campo;
    int messaggio;       // 0: the fixed title below
    const char* fisso;
    int larghezza;
};
constexpr ColonnaCatalogo Colonne[] = {
    {"LINEA", 358, "", 97},      {"MODELLO", 359, "", 89},   {"PRODUTTORE", 357, "", 100},
    {"TIPOLAMP", 1, "", 96},     {"POSLAMP", 0, "Pos.", 82}, {"LUMEN", 0, "[lm]", 34},
    {"POTENZAR", 0, "[W]", 26},  {"IPVL", 0, "IP", 28},      {"CLASSEI", 399, "", 36},
    {"ATTACCO", 402, "", 47},    {"MARCHI", 439, "", 28},
};

QPushButton* Pulsante(const QString& testo, const char* nome, QWidget* genitore) {
    auto* b = new QPushButton(testo, genitore);
    b->setObjectName(QString::fromLatin1(nome));
    return b;
}

}  // namespace

Tcatalogue::Tcatalogue(const std::string& dirProg, bool sceltaPerLista, Interazione& ui, QWidget* genitore)
    : QDialog(genitore), ui_(ui), perLista_(sceltaPerLista) {
    setObjectName(QStringLiteral("catalogue"));
    setWindowTitle(Qm(356));
    std::string errore;
    if (!catalogo_.Apri(dirProg, errore)) ui_.Avviso(errore);
    Costruisci();
    AcceleratoriDelDialogo(this);
    ImpostaAiuto(this, QStringLiteral("Tcatalogue"));
}

Tcatalogue::~Tcatalogue() = default;

void Tcatalogue::Costruisci() {
    auto* righe = new QVBoxLayout(this);
    auto* sopra = new QHBoxLayout;
    righe->addLayout(sopra);

    // Filter panel: six lists under their captions, then "&Mostra Tutto".
    auto* filtri = new QVBoxLayout;
    sopra->addLayout(filtri);
    for (int i = 0; i < NumListeFiltro; ++i) {
        auto* didascalia = new QLabel(Qm(MessaggioListaFiltro(static_cast<ListaFiltro>(i))), this);
        auto* c = new QComboBox(this);
        c->setObjectName(QString::fromLatin1(NomiCombo[static_cast<std::size_t>(i)]));
        for (const VoceFiltro& v : catalogo_.Liste()[static_cast<std::size_t>(i)]) c->addItem(Qs(v.testo));
        // Models and makers are many: typing finds them; a text that matches
        // no entry does not filter.
        if (i >= static_cast<int>(ListaFiltro::Modello)) {
            c->setEditable(true);
            c->setInsertPolicy(QComboBox::NoInsert);
            connect(c->lineEdit(), &QLineEdit::editingFinished, this, [this] { ApplicaFiltro(); });
        }
        c->setMinimumContentsLength(18);
        didascalia->setBuddy(c);
        connect(c, &QComboBox::activated, this, [this] { ApplicaFiltro(); });
        combo_[static_cast<std::size_t>(i)] = c;
        filtri->addWidget(didascalia);
        filtri->addWidget(c);
    }
    auto* mostraTutto = Pulsante(Qm(365), "BtnMostraTutto", this);
    connect(mostraTutto, &QPushButton::clicked, this, [this] { MostraTutto(); });
    filtri->addSpacing(8);
    filtri->addWidget(mostraTutto);
    filtri->addStretch(1);

    // Data sheet: caption and value per line, values in labels named after their fields.
    auto* scheda = new QVBoxLayout;
    sopra->addLayout(scheda, 1);
    auto* titolo = new QLabel(Qm(363), this);
    titolo->setObjectName(QStringLiteral("LabelSelezione"));
    QFont grassetto = titolo->font();
    grassetto.setBold(true);
    titolo->setFont(grassetto);
    scheda->addWidget(titolo);
    auto* dettagli = new QGridLayout;
    dettagli->setColumnStretch(1, 1);
    dettagli->setVerticalSpacing(2);
    scheda->addLayout(dettagli);
    int r = 0;
    for (const VoceDettaglio& v : nottaro::MostraDettagli([](const char*) { return std::optional<std::string>(); }, {})) {
        auto* valore = new QLabel(this);
        valore->setObjectName(Qs(v.campo));
        valore->setTextInteractionFlags(Qt::TextSelectableByMouse);
        valore->setWordWrap(true);
        if (v.grassetto) valore->setFont(grassetto);
        if (v.campo == "NOTA") {
            QFont corsivo = valore->font();
            corsivo.setItalic(true);
            valore->setFont(corsivo);
            dettagli->addWidget(valore, r++, 0, 1, 2);
        } else {
            auto* didascalia = new QLabel(Qs(v.didascalia), this);
            didascalia->setObjectName(QStringLiteral("Didascalia") + Qs(v.campo));
            dettagli->addWidget(didascalia, r, 0, Qt::AlignTop);
            dettagli->addWidget(valore, r++, 1);
        }
        valori_[v.campo] = valore;
    }
    scheda->addStretch(1);

    // Picture, buttons and the count.
    auto* destra = new QVBoxLayout;
    sopra->addLayout(destra);
    immagine_ = new QLabel(this);
    immagine_->setObjectName(QStringLiteral("ImmagineApparecchio"));
    immagine_->setFixedSize(LatoRiquadroImmagine, LatoRiquadroImmagine);
    immagine_->setFrameShape(QFrame::StyledPanel);
    destra->addWidget(immagine_);
    seleziona_ = Pulsante(Qm(364), "BtnSeleziona", this);
    auto* ok = Pulsante(QStringLiteral("&Ok"), "BtnOk", this);
    auto* esci = Pulsante(Qm(6), "BtnEsci", this);
    connect(seleziona_, &QPushButton::clicked, this, [this] { Seleziona(); });
    connect(ok, &QPushButton::clicked, this, [this] { accept(); });
    connect(esci, &QPushButton::clicked, this, [this] {
        scelte_.Svuota();
        scelta_.reset();
        reject();
    });
    for (QPushButton* b : {seleziona_, ok, esci}) {
        b->setAutoDefault(false);
        destra->addWidget(b);
    }
    conteggio_ = new QLabel(this);
    conteggio_->setObjectName(QStringLiteral("LabelConteggio"));
    destra->addWidget(conteggio_);
    destra->addStretch(1);

    // The rows.
    std::vector<ColonnaGriglia> colonne;
    const QFontMetrics fm(font());
    for (const ColonnaCatalogo& c : Colonne)
        colonne.push_back({c.campo, c.messaggio ? Qm(c.messaggio) : QString::fromUtf8(c.fisso), c.larghezza});
    modello_ = new ModelloTabellaDbf(catalogo_.Tabella(), std::move(colonne), this);
    griglia_ = new QTableView(this);
    griglia_->setObjectName(QStringLiteral("GrigliaCatalogo"));
    griglia_->setModel(modello_);
    griglia_->setSelectionBehavior(QAbstractItemView::SelectRows);
    griglia_->setSelectionMode(QAbstractItemView::SingleSelection);
    griglia_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    griglia_->verticalHeader()->setDefaultSectionSize(fm.height() + 6);
    griglia_->setMinimumHeight(6 * (fm.height() + 6));
    AdattaColonne();
    righe->addWidget(griglia_, 1);
    connect(griglia_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& i) {
                seleziona_->setEnabled(i.isValid());
                if (i.isValid()) MostraDettagli(i.row());
            });
    connect(griglia_, &QTableView::clicked, this, [this](const QModelIndex& i) { MostraDettagli(i.row()); });
    seleziona_->setEnabled(false);
    AggiornaConteggio();
    // Room for data sheets whose long values wrap onto a second line.
    resize(std::max(sizeHint().width(), 960), sizeHint().height() + 6 * fm.height());
}

void Tcatalogue::AdattaColonne() {
    // The catalogue's widths, widened where a title or a value would be cut.
    for (int c = 0; c < modello_->columnCount(); ++c) {
        griglia_->resizeColumnToContents(c);  // header and cells
        griglia_->setColumnWidth(c, std::max(griglia_->columnWidth(c), modello_->Larghezza(c)));
    }
}

int Tcatalogue::RigaCorrente() const {
    const QModelIndex i = griglia_->selectionModel()->currentIndex();
    return i.isValid() ? i.row() : -1;
}

void Tcatalogue::ApplicaFiltro() {
    if (!catalogo_.Tabella().Aperta()) return;
    ScelteFiltro scelte{};
    for (std::size_t i = 0; i < combo_.size(); ++i) {
        QComboBox* c = combo_[i];
        scelte[i] = c->isEditable() ? c->findText(c->currentText(), Qt::MatchExactly) : c->currentIndex();
    }
    if (catalogo_.ApplicaFiltro(scelte, ui_) == EsitoFiltro::Nessuna) {
        for (std::size_t i = 0; i < combo_.size(); ++i) {
            const QSignalBlocker blocca(combo_[i]);
            combo_[i]->setCurrentIndex(scelte[i]);
        }
    }
    modello_->Aggiorna();
    AdattaColonne();
    AggiornaConteggio();
    if (modello_->rowCount() > 0) {
        griglia_->setCurrentIndex(modello_->index(0, 0));
        MostraDettagli(0);
    } else {
        seleziona_->setEnabled(false);
    }
}

void Tcatalogue::MostraTutto() {
    for (QComboBox* c : combo_) {
        const QSignalBlocker blocca(c);
        c->setCurrentIndex(0);
    }
    ApplicaFiltro();
}

void Tcatalogue::MostraDettagli(int riga) {
    if (riga < 0 || static_cast<std::size_t>(riga) >= catalogo_.NumeroRighe()) return;
    for (const VoceDettaglio& v : catalogo_.Dettagli(static_cast<std::size_t>(riga)))
        if (QLabel* l = valori_[v.campo]) l->setText(Qs(v.valore));
    MostraImmagine(riga);
}

void Tcatalogue::MostraImmagine(int riga) {
    QPixmap tela(LatoRiquadroImmagine, LatoRiquadroImmagine);
    tela.fill(palette().color(QPalette::Window));
    QPainter p(&tela);
    const std::string file = catalogo_.Immagine(static_cast<std::size_t>(riga));
    if (QImage foto; !file.empty() && foto.load(Qs(file))) {
        const RiquadroImmagine q = AdattaImmagine(foto.width(), foto.height());
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawImage(QRect(q.x, q.y, q.larghezza, q.altezza), foto);
    } else if (QImage nd; nd.load(Qs(PercorsoImmagineMancante(catalogo_.DirProg())))) {
        p.drawImage(QPoint(0, 0), nd);  // the placeholder as it is, not refitted
    }
    p.end();
    immagine_->setPixmap(tela);
}

void Tcatalogue::Seleziona() {
    const int riga = RigaCorrente();
    if (riga < 0) return;
    std::optional<SceltaCatalogo> s = catalogo_.Scegli(static_cast<std::size_t>(riga), ui_);
    if (!s) return;
    if (!perLista_) {
        scelta_ = std::move(s);
        accept();
        return;
    }
    scelte_.Aggiungi(s->file);
    AggiornaConteggio();
}

void Tcatalogue::AggiornaConteggio() {
    QString t = Qm(366) + QStringLiteral(" ") + QString::number(catalogo_.NumeroRighe()) + QStringLiteral(" - ");
    if (perLista_ && !scelte_.Scelte().empty()) t += QString::number(scelte_.Scelte().size());
    conteggio_->setText(t);
}

}  // namespace nottaro::ui
