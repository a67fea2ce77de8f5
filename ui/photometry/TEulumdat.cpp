#include "ui/photometry/TEulumdat.h"

#include <QApplication>
#include <QEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QToolButton>
#include <QVBoxLayout>

#include "core/i18n/Argomenti.h"
#include "core/i18n/MessaggiFotometria.h"
#include "core/text/Testo.h"
#include "grafica/DisegnaCurva.h"
#include "grafica/EsportaDiagramma.h"
#include "ui/comune/Acceleratori.h"
#include "ui/comune/Campi.h"
#include "ui/comune/Testi.h"
#include "ui/photometry/Ttabform.h"
#include "ui/principale/Aiuto.h"

namespace nottaro::ui {
namespace {

// Published names of the lamp-type labels of rows 1..7; rows 8..11 follow on.
constexpr const char* NomiTipo[RigheLampade] = {"Label41", "Label43", "Label44", "Label46", "Label47", "Label49",
                                                "Label50", "Label51", "Label52", "Label53", "Label54"};
// Whole lumens up to 99999 and whole watts up to 999 can be typed; a longer
// value loaded from the file (37.5 W) is shown and kept whole.
constexpr int CifreFlusso = 5;
constexpr int CifrePotenza = 3;

// Flux and power fields take digits and Backspace only, and no more digits
// than the field is meant for; anything else beeps.
class SoloCifre : public QObject {
public:
    SoloCifre(QObject* genitore) : QObject(genitore) {}
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() != QEvent::KeyPress) return false;
        auto* k = static_cast<QKeyEvent*>(e);
        auto* campo = static_cast<QLineEdit*>(o);
        if (k->key() == Qt::Key_Backspace) return false;
        const QString t = k->text();
        if (t.isEmpty() || !t.at(0).isPrint() || (k->modifiers() & (Qt::ControlModifier | Qt::AltModifier)))
            return false;  // arrows, Tab, Enter, shortcuts
        const bool cifra = t.size() == 1 && t.at(0) >= QLatin1Char('0') && t.at(0) <= QLatin1Char('9');
        const auto lunghezza = campo->text().size() - campo->selectedText().size();
        if (!cifra || lunghezza >= campo->property("cifre").toInt()) {
            QApplication::beep();
            return true;
        }
        return false;
    }
};

class DiagrammaPolare : public QWidget {
public:
    DiagrammaPolare(const Fotometria& f, const DatiCurva& d, const double& zoom, QWidget* genitore)
        : QWidget(genitore), f_(f), d_(d), zoom_(zoom) {}

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.fillRect(rect(), Qt::white);
        p.setFont(font());
        DisegnaCurva(p, width(), height(), zoom_, f_, d_);
    }

private:
    const Fotometria& f_;
    const DatiCurva& d_;
    const double& zoom_;
};

QLabel* NuovaLabel(QWidget* genitore, const QString& nome, const QString& testo = {}) {
    auto* l = new QLabel(testo, genitore);
    l->setObjectName(nome);
    return l;
}

void Colore(QWidget* w, const QColor& c) {
    QPalette pal = w->palette();
    pal.setColor(QPalette::WindowText, c);
    w->setPalette(pal);
}

}  // namespace

TEulumdat::TEulumdat(StatoProgetto& stato, Interazione& ui, QWidget* genitore)
    : QDialog(genitore), stato_(stato), ui_(ui) {
    setObjectName(QStringLiteral("TEulumdat"));
    setModal(true);
    const Fotometria& f = stato.Foto;

    Label1_ = NuovaLabel(this, QStringLiteral("Label1"));
    Label2_ = NuovaLabel(this, QStringLiteral("Label2"), Qs(f.NomeApp));
    Label11_ = NuovaLabel(this, QStringLiteral("Label11"));
    Label12_ = NuovaLabel(this, QStringLiteral("Label12"));
    Label13_ = NuovaLabel(this, QStringLiteral("Label13"));
    Label14_ = NuovaLabel(this, QStringLiteral("Label14"), Generale(f.InclinaMis));
    // An IES file's symmetry field holds its photometric type, not a symmetry.
    if (EstensioneMinuscola(f.FileLdt) != ".ies" && f.Simmetria >= 0 && f.Simmetria <= 4)
        Label12_->setText(Qm(128 + f.Simmetria));
    auto* testa = new QGridLayout;
    testa->addWidget(Label1_, 0, 0);
    testa->addWidget(Label2_, 0, 1, 1, 2);
    testa->addWidget(Label11_, 1, 0);
    testa->addWidget(Label12_, 1, 1, 1, 2);
    testa->addWidget(Label13_, 2, 0);
    auto* inclinazione = new QHBoxLayout;
    inclinazione->setSpacing(0);
    inclinazione->addWidget(Label14_);
    inclinazione->addWidget(new QLabel(QStringLiteral("°"), this));
    inclinazione->addStretch();
    testa->addLayout(inclinazione, 2, 1, 1, 2);
    testa->setColumnStretch(1, 1);

    // Lamp sets: a row for each set of the file.
    auto* filtro = new SoloCifre(this);
    auto* lampade = new QGridLayout;
    Label3_ = NuovaLabel(this, QStringLiteral("Label3"));
    lampade->addWidget(Label3_, 0, 0, 1, 2);
    for (int i = 0; i < RigheLampade; ++i) {
        const QString n = QString::number(i + 1);
        radio_[i] = new QRadioButton(this);
        radio_[i]->setObjectName(QStringLiteral("RadioButton") + n);
        tipo_[i] = NuovaLabel(this, QLatin1String(NomiTipo[i]), Qs(f.TipoLamp[i]));
        etFlusso_[i] = new QLabel(this);
        flusso_[i] = new QLineEdit(Generale(f.FlussoLamp[i]), this);
        flusso_[i]->setObjectName(QStringLiteral("lumen") + n);
        flusso_[i]->setProperty("cifre", CifreFlusso);
        lumen_[i] = new QLabel(QStringLiteral("lumen"), this);
        etPotenza_[i] = new QLabel(this);
        potenza_[i] = new QLineEdit(Generale(f.PotLamp[i]), this);
        potenza_[i]->setObjectName(QStringLiteral("watt") + n);
        potenza_[i]->setProperty("cifre", CifrePotenza);
        watt_[i] = new QLabel(QStringLiteral("Watt"), this);
        for (QLineEdit* e : {flusso_[i], potenza_[i]}) {
            e->installEventFilter(filtro);
            e->setFixedWidth(64);
        }
        const int r = i + 1;
        lampade->addWidget(radio_[i], r, 0);
        lampade->addWidget(tipo_[i], r, 1);
        lampade->addWidget(etFlusso_[i], r, 2);
        lampade->addWidget(flusso_[i], r, 3);
        lampade->addWidget(lumen_[i], r, 4);
        lampade->addWidget(etPotenza_[i], r, 5);
        lampade->addWidget(potenza_[i], r, 6);
        lampade->addWidget(watt_[i], r, 7);
        const bool mostrata = i == 0 || f.NumLampade >= i + 1;
        for (QWidget* w : std::initializer_list<QWidget*>{radio_[i], tipo_[i], etFlusso_[i], flusso_[i], lumen_[i],
                                                           etPotenza_[i], potenza_[i], watt_[i]})
            w->setVisible(mostrata);
    }
    lampade->setColumnStretch(1, 1);
    if (f.LampSel >= 0 && f.LampSel < RigheLampade) radio_[f.LampSel]->setChecked(true);

    // The diagram in a scroll box, with its zoom.
    PaintBox1_ = new DiagrammaPolare(f, curva_, zoom_, this);
    PaintBox1_->setObjectName(QStringLiteral("PaintBox1"));
    ScrollBox1_ = new QScrollArea(this);
    ScrollBox1_->setObjectName(QStringLiteral("ScrollBox1"));
    ScrollBox1_->setWidget(PaintBox1_);
    ScrollBox1_->setFixedSize(LatoDiagramma + 6, LatoDiagramma + 6);
    ScrollBox1_->setAlignment(Qt::AlignCenter);
    ZoomXY_ = new QLineEdit(this);
    ZoomXY_->setObjectName(QStringLiteral("ZoomXY"));
    ZoomXY_->setReadOnly(true);
    ZoomXY_->setFixedWidth(70);
    auto* UpDown2 = new QWidget(this);
    UpDown2->setObjectName(QStringLiteral("UpDown2"));
    zoomSu_ = new QToolButton(UpDown2);
    zoomSu_->setObjectName(QStringLiteral("UpDown2Su"));
    zoomSu_->setArrowType(Qt::UpArrow);
    zoomGiu_ = new QToolButton(UpDown2);
    zoomGiu_->setObjectName(QStringLiteral("UpDown2Giu"));
    zoomGiu_->setArrowType(Qt::DownArrow);
    auto* frecce = new QHBoxLayout(UpDown2);
    frecce->setContentsMargins(0, 0, 0, 0);
    frecce->addWidget(zoomSu_);
    frecce->addWidget(zoomGiu_);
    connect(zoomSu_, &QToolButton::clicked, this, [this] { Zoom(true); });
    connect(zoomGiu_, &QToolButton::clicked, this, [this] { Zoom(false); });
    auto* zoom = new QHBoxLayout;
    zoom->addWidget(new QLabel(QStringLiteral("Zoom"), this));
    zoom->addWidget(ZoomXY_);
    zoom->addWidget(UpDown2);
    zoom->addStretch();

    PannelloVerifiche_ = new QGroupBox(this);
    PannelloVerifiche_->setObjectName(QStringLiteral("PannelloVerifiche"));
    righeVerifiche_ = new QVBoxLayout(PannelloVerifiche_);

    auto* BitBtn2 = new QPushButton(this);
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));
    BitBtn2_ = BitBtn2;
    connect(BitBtn2, &QPushButton::clicked, this, &TEulumdat::ApriTabella);
    auto* esporta = new QPushButton(this);
    esporta->setObjectName(QStringLiteral("BitBtnEsporta"));
    esporta_ = esporta;
    connect(esporta, &QPushButton::clicked, this, &TEulumdat::ChiediEsporta);
    auto* BitBtn1 = new QPushButton(QStringLiteral("&Ok"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setDefault(true);
    connect(BitBtn1, &QPushButton::clicked, this, &TEulumdat::Ok);

    auto* sinistra = new QVBoxLayout;
    sinistra->addLayout(testa);
    sinistra->addSpacing(8);
    sinistra->addLayout(lampade);
    sinistra->addStretch();
    auto* destra = new QVBoxLayout;
    destra->addWidget(ScrollBox1_);
    destra->addLayout(zoom);
    destra->addStretch();
    auto* sopra = new QHBoxLayout;
    sopra->addLayout(sinistra, 1);
    sopra->addLayout(destra);
    auto* pulsanti = new QHBoxLayout;
    pulsanti->addWidget(BitBtn2);
    pulsanti->addWidget(esporta);
    pulsanti->addStretch();
    pulsanti->addWidget(BitBtn1);
    auto* colonna = new QVBoxLayout(this);
    colonna->addLayout(sopra);
    colonna->addWidget(PannelloVerifiche_);
    colonna->addLayout(pulsanti);

    Calcola();
    const ZoomCurva z = ZoomIniziale(curva_.RaggioCurva, LatoDiagramma);
    zoom_ = z.zoom;
    ZoomXY_->setText(Generale(z.mostrato));
    PaintBox1_->setFixedSize(z.latoScatola, z.latoScatola);
    ImpostaTesti();
    AcceleratoriDelDialogo(this);
    ImpostaAiuto(this, QStringLiteral("TEulumdat"));
}

void TEulumdat::ImpostaTesti() {
    setWindowTitle(Qm(121));
    Label11_->setText(Qm(122));
    Label13_->setText(Qm(123));
    Label1_->setText(Qm(124));
    Label3_->setText(Qm(125));
    for (int i = 0; i < RigheLampade; ++i) {
        radio_[i]->setText(Qm(125));
        etFlusso_[i]->setText(Qm(126));
        etPotenza_[i]->setText(Qm(127));
    }
    static_cast<QPushButton*>(BitBtn2_)->setText(Qm(61));
    static_cast<QPushButton*>(esporta_)->setText(Qm(MsgEsportaPulsante));
    PannelloVerifiche_->setTitle(Qm(MsgPannelloVerifiche));
    // The check lines are worded in the language now shown.
    verifiche_ = VerificaFotometria(stato_.Foto);
    MostraVerifiche();
}

void TEulumdat::changeEvent(QEvent* e) {
    if (e->type() == QEvent::ActivationChange && isActiveWindow()) ImpostaTesti();
    QDialog::changeEvent(e);
}

void TEulumdat::Calcola() {
    curva_ = MisuraCurva(stato_.Foto);
    verifiche_ = VerificaFotometria(stato_.Foto);
    MostraVerifiche();
}

void TEulumdat::MostraVerifiche() {
    while (QLayoutItem* it = righeVerifiche_->takeAt(0)) {
        delete it->widget();
        delete it;
    }
    for (const auto& v : verifiche_) {
        auto* l = NuovaLabel(PannelloVerifiche_, QStringLiteral("Verifica_") + Qs(v.nome), Qs(v.testo));
        l->setWordWrap(true);
        if (!v.ok) Colore(l, QColor(255, 0, 0));
        righeVerifiche_->addWidget(l);
        l->show();
    }
}

void TEulumdat::Zoom(bool su) {
    const double mostrato = Numero(ZoomXY_->text()).value_or(zoom_);
    const double nuovo = PassoZoom(mostrato, su);
    if (nuovo == mostrato) return;
    ZoomXY_->setText(Generale(nuovo));
    zoom_ = nuovo;
    const int lato = LatoScatola(curva_.RaggioCurva, zoom_, LatoDiagramma);
    PaintBox1_->setFixedSize(lato, lato);
    PaintBox1_->update();
}

void TEulumdat::ApriTabella() {
    Ttabform tabella(stato_.Foto, ui_, this);
    tabella.exec();
    if (!tabella.Memorizzata()) return;
    Calcola();
    const int lato = LatoScatola(curva_.RaggioCurva, zoom_, LatoDiagramma);
    PaintBox1_->setFixedSize(lato, lato);
    PaintBox1_->update();
}

void TEulumdat::ChiediEsporta() {
    const QString png = Qm(MsgFiltroPng), svg = Qm(MsgFiltroSvg);
    QString filtro = png;
    const QString nome = QFileDialog::getSaveFileName(this, Qm(MsgEsportaTitolo), QString(), png + QStringLiteral(";;") + svg,
                                                      &filtro, QFileDialog::DontConfirmOverwrite);
    if (!nome.isEmpty()) Esporta(nome, filtro == svg);
}

bool TEulumdat::Esporta(QString percorso, bool svg) {
    const QString suffisso = QFileInfo(percorso).suffix().toLower();
    if (suffisso != QLatin1String("png") && suffisso != QLatin1String("svg"))
        percorso += svg ? QStringLiteral(".svg") : QStringLiteral(".png");
    if (QFileInfo::exists(percorso) && !ui_.Conferma(ConArgomenti(Msg(1207), {Ss(percorso)}))) return false;
    const std::string p = Ss(percorso);
    if (!ScriviDiagramma(p, FormatoDaNome(p), PaintBox1_->width(), PaintBox1_->height(), zoom_, PaintBox1_->font(),
                         stato_.Foto, curva_)) {
        ui_.Avviso(ConArgomenti(Msg(MsgScritturaFallita), {p}));
        return false;
    }
    return true;
}

void TEulumdat::Ok() {
    int k = RigheLampade - 1;
    for (int i = 0; i < RigheLampade; ++i)
        if (radio_[i]->isChecked()) k = i;
    // Both fields of the chosen set are checked before anything is kept.
    double valori[2] = {0, 0};
    QLineEdit* campi[2] = {flusso_[k], potenza_[k]};
    const int didascalie[2] = {126, 127};
    for (int j = 0; j < 2; ++j) {
        const auto v = Numero(campi[j]->text());
        if (!v || *v <= 0) {
            ui_.Avviso(ConArgomenti(Msg(MsgCampoLampadaVuoto),
                                    {Ss(SenzaAcceleratore(Qm(didascalie[j]))), std::to_string(k + 1)}));
            campi[j]->setFocus();
            return;
        }
        valori[j] = *v;
    }
    Fotometria& f = stato_.Foto;
    f.LampSel = k;
    // A changed flux or power makes the record differ from its file: the
    // project then carries it along.
    if (f.FlussoLamp[k] != valori[0] || f.PotLamp[k] != valori[1]) f.Modificata = true;
    f.FlussoLamp[k] = valori[0];
    f.PotLamp[k] = valori[1];
    accept();
}

}  // namespace nottaro::ui
