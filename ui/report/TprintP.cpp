#include "ui/report/TprintP.h"

#include <QCheckBox>
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
#include "ui/interaction/LavoroSeguito.h"
#include "ui/principale/Aiuto.h"
#include "ui/report/SceltaFile.h"

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
    // Shown only while the pages are drawn.
    interrompi_ = new QPushButton(Qm(278), this);
    interrompi_->setObjectName(QStringLiteral("Interrompi"));
    interrompi_->hide();
    for (QPushButton* b : {setup, stampa, pdf, esci, interrompi_}) bottoni->addWidget(b);
    radice->addLayout(bottoni);
    AcceleratoriDelDialogo(this);
    comandi_ = {gruppo, sezioni_[0], sezioni_[1], sezioni_[2], sezioni_[3], standard_, mappe_, setup, stampa, pdf, esci};
    lavoro_ = new LavoroSeguito(ui_, [this](const nottaro::Avanzamento& a) {
        if (a.totale <= 0) return;
        barra_->setMaximum(static_cast<int>(a.totale));
        barra_->setValue(static_cast<int>(a.fatti + 1));
    }, this);
    lavoro_->CollegaStop(interrompi_);

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

// The pages are drawn on a worker; meanwhile only "Interrompi" takes a click
// (a second "Stampa" would paint on a printer already in use) and the bar
// follows the pages.
EsitoStampa TprintP::Esegui(RichiestaStampaReport r) {
    barra_->setValue(0);
    for (QWidget* w : comandi_) w->setEnabled(false);
    interrompi_->show();
    EsitoStampa e;
    lavoro_->Avvia([r = std::move(r)](Riscontro& riscontro) { return EseguiStampaReport(r, riscontro); },
                   [&e](EsitoStampa esito) { e = std::move(esito); });
    lavoro_->Attendi();
    interrompi_->hide();
    for (QWidget* w : comandi_) w->setEnabled(true);
    // The radio buttons' own locks, not a plain enable.
    Completo(completo_->isChecked());
    return e;
}

void TprintP::Mostra(const EsitoStampa& e) {
    if (!e.errore.empty()) ui_.Avviso(e.errore);
    if (const std::string a = AvvisoImmagini(e.immaginiIlleggibili, dati_.Lingua); !a.empty()) ui_.Avviso(a);
    if (const std::string a = AvvisoTestiTagliati(e.testiTagliati, dati_.Lingua); !a.empty()) ui_.Avviso(a);
}

void TprintP::Stampa() {
    if (std::string c = VerificaCaratteri(); !c.empty()) {
        ui_.Avviso(c);
        return;
    }
    stampante_->setPageOrientation(QPageLayout::Portrait);
    RichiestaStampaReport r;
    r.dati = dati_;
    r.opzioni = Opzioni();
    r.stampante = stampante_.get();
    Mostra(Esegui(std::move(r)));
}

void TprintP::StampaPdf() {
    const QString file =
        FileDaSalvare(sceltaFilePdf, this, Qm(1707), QString(), Qm(1708), QStringLiteral("pdf"), &ui_);
    if (file.isEmpty()) return;
    RichiestaStampaReport r;
    r.dati = dati_;
    r.opzioni = Opzioni();
    r.filePdf = Ss(file);
    Mostra(Esegui(std::move(r)));
}

}  // namespace nottaro::ui
