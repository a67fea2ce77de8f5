#include "ui/stampa/TprintP.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPrintDialog>
#include <QPrinter>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/i18n/Argomenti.h"
#include "report/PaginaReport.h"
#include "ui/comune/Acceleratori.h"
#include "ui/comune/Testi.h"
#include "ui/principale/Aiuto.h"
#include "ui/stampa/SceltaFile.h"

namespace nottaro::ui {

TprintP::TprintP(DatiReport dati, Interazione& ui, QWidget* genitore)
    : QDialog(genitore), dati_(std::move(dati)), ui_(ui), stampante_(std::make_unique<QPrinter>(QPrinter::HighResolution)) {
    setObjectName(QStringLiteral("TprintP"));
    setWindowTitle(Qm(91).remove(QLatin1Char('&')));
    stampante_->setPageSize(QPageSize(QPageSize::A4));
    stampante_->setPageOrientation(QPageLayout::Portrait);
    stampante_->setDocName(Qm(413) + QStringLiteral(": ") + Qm(159));

    auto* radice = new QVBoxLayout(this);
    auto* gruppo = new QGroupBox(Qm(159), this);
    gruppo->setObjectName(QStringLiteral("RadioGroup1"));
    auto* lg = new QHBoxLayout(gruppo);
    completo_ = new QRadioButton(Qm(414), gruppo);
    completo_->setObjectName(QStringLiteral("Completo"));
    dettaglio_ = new QRadioButton(Qm(415), gruppo);
    dettaglio_->setObjectName(QStringLiteral("Dettaglio"));
    lg->addWidget(completo_);
    lg->addWidget(dettaglio_);
    radice->addWidget(gruppo);
    const int testi[] = {416, 417, 418, 419};
    for (int k = 0; k < 4; ++k) {
        sezioni_[k] = new QCheckBox(Qm(testi[k]), this);
        sezioni_[k]->setObjectName(QStringLiteral("CheckBox%1").arg(k + 1));
        radice->addWidget(sezioni_[k]);
    }
    standard_ = new QCheckBox(Qm(2304), this);
    standard_->setObjectName(QStringLiteral("CheckBox5"));
    radice->addWidget(standard_);
    mappe_ = new QCheckBox(Qm(1713), this);
    mappe_->setObjectName(QStringLiteral("CheckMappe"));
    radice->addWidget(mappe_);
    barra_ = new QProgressBar(this);
    barra_->setObjectName(QStringLiteral("ProgressBar1"));
    barra_->setValue(0);
    radice->addWidget(barra_);

    auto* bottoni = new QHBoxLayout;
    auto* setup = new QPushButton(Qm(412), this);
    setup->setObjectName(QStringLiteral("BitBtn1"));
    auto* stampa = new QPushButton(Qm(413), this);
    stampa->setObjectName(QStringLiteral("BitBtn3"));
    auto* pdf = new QPushButton(Qm(1707), this);
    pdf->setObjectName(QStringLiteral("BitBtnPdf"));
    auto* esci = new QPushButton(Qm(6), this);
    esci->setObjectName(QStringLiteral("BitBtn2"));
    for (QPushButton* b : {setup, stampa, pdf, esci}) bottoni->addWidget(b);
    radice->addLayout(bottoni);
    AcceleratoriDelDialogo(this);

    connect(completo_, &QRadioButton::toggled, this, [this](bool si) { Completo(si); });
    connect(setup, &QPushButton::clicked, this, [this] {
        if (sceltaStampante) sceltaStampante(*stampante_);
        else QPrintDialog(stampante_.get(), this).exec();
    });
    connect(stampa, &QPushButton::clicked, this, [this] { Stampa(); });
    connect(pdf, &QPushButton::clicked, this, [this] { StampaPdf(); });
    connect(esci, &QPushButton::clicked, this, &QDialog::accept);

    standard_->setChecked(false);
    completo_->setChecked(true);
    Completo(true);
    ImpostaAiuto(this, objectName());
}

TprintP::~TprintP() = default;

void TprintP::Completo(bool completo) {
    const bool percorso = dati_.TipoProgetto == 1;
    for (int k = 0; k < 4; ++k) {
        // A path has no luminance: its box stays unchecked and locked.
        const bool bloccata = k == 2 && percorso;
        if (completo || bloccata) sezioni_[k]->setChecked(!bloccata);
        sezioni_[k]->setEnabled(!completo && !bloccata);
    }
}

OpzioniReport TprintP::Opzioni() const {
    OpzioniReport o;
    o.sezioni = {sezioni_[0]->isChecked(), sezioni_[1]->isChecked(), sezioni_[2]->isChecked(), sezioni_[3]->isChecked()};
    o.stile.standard = standard_->isChecked();
    o.stile.mappe = mappe_->isChecked();
    return o;
}

namespace {

// While the pages are drawn the bar is redrawn between pages, so the dialog
// takes no click meanwhile: a second "Stampa" would paint on a printer
// already in use.
class Occupato {
public:
    explicit Occupato(QWidget* w) : w_(w) { w_->setEnabled(false); }
    ~Occupato() { w_->setEnabled(true); }
    Occupato(const Occupato&) = delete;
    Occupato& operator=(const Occupato&) = delete;

private:
    QWidget* w_;
};

}  // namespace

AvanzamentoStampa TprintP::Avanzamento() {
    return [this](int pagina, int pagine) {
        barra_->setMaximum(pagine);
        barra_->setValue(pagina);
        QCoreApplication::processEvents();
        return true;
    };
}

void TprintP::Mostra(const EsitoStampa& e) {
    if (!e.errore.empty()) ui_.Avviso(e.errore);
    if (const std::string a = AvvisoImmagini(e.immaginiIlleggibili, dati_.Lingua); !a.empty()) ui_.Avviso(a);
}

void TprintP::Stampa() {
    if (std::string c = VerificaCaratteri(); !c.empty()) {
        ui_.Avviso(c);
        return;
    }
    stampante_->setPageOrientation(QPageLayout::Portrait);
    barra_->setValue(0);
    const Occupato occupato(this);
    Mostra(StampaProgetto(*stampante_, dati_, Opzioni(), Avanzamento()));
}

void TprintP::StampaPdf() {
    const QString file =
        FileDaSalvare(sceltaFilePdf, this, Qm(1707), QString(), Qm(1708), QStringLiteral("pdf"), &ui_);
    if (file.isEmpty()) return;
    barra_->setValue(0);
    const Occupato occupato(this);
    Mostra(StampaProgettoPdf(Ss(file), dati_, Opzioni(), Avanzamento()));
}

}  // namespace nottaro::ui
