#include "ui/report/TPersonal.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/files/SostituisciFile.h"
#include "core/i18n/Argomenti.h"
#include "core/i18n/Messaggi.h"
#include "report/LetteraIntestata.h"
#include "ui/comune/Acceleratori.h"
#include "ui/comune/Testi.h"
#include "ui/principale/Aiuto.h"
#include "ui/report/SceltaFile.h"

namespace nottaro::ui {
namespace {

std::string Intestazione::*const Campi[8] = {
    &Intestazione::Societa,  &Intestazione::Unita, &Intestazione::Indirizzo, &Intestazione::Indirizzo2,
    &Intestazione::Localita, &Intestazione::Telefono, &Intestazione::Fax,    &Intestazione::Operatore};
constexpr int Lunghezze[8] = {80, 80, 80, 80, 80, 20, 20, 80};
constexpr int Etichette[8] = {111, 112, 113, 113, 114, 109, 110, 115};
constexpr int LargAnteprima = 200, AltAnteprima = 169;

QString ConSeparatore(QString cartella) {
    if (!cartella.isEmpty() && !cartella.endsWith(QLatin1Char('/'))) cartella += QLatin1Char('/');
    return cartella;
}

}  // namespace

TPersonal::TPersonal(StatoProgetto& stato, Interazione& ui, QWidget* genitore)
    : QDialog(genitore), stato_(stato), ui_(ui) {
    setObjectName(QStringLiteral("TPersonal"));
    setWindowTitle(Qm(108));
    auto* radice = new QHBoxLayout(this);
    auto* campi = new QGridLayout;
    for (int k = 0; k < 8; ++k) {
        auto* l = new QLabel(Qm(Etichette[k]), this);
        l->setObjectName(QStringLiteral("Label%1").arg(k < 5 ? k + 3 : k == 5 ? 1 : k == 6 ? 2 : 8));
        edit_[k] = new QLineEdit(this);
        edit_[k]->setObjectName(QStringLiteral("Edit%1").arg(k + 1));
        edit_[k]->setMaxLength(Lunghezze[k]);
        edit_[k]->setMinimumWidth(k == 5 || k == 6 ? 160 : 320);
        l->setBuddy(edit_[k]);
        campi->addWidget(l, k, 0);
        campi->addWidget(edit_[k], k, 1);
    }
    auto* nota = new QLabel(Qm(120), this);
    nota->setObjectName(QStringLiteral("Label9"));
    campi->addWidget(nota, 8, 0, 1, 2);
    radice->addLayout(campi, 1);

    auto* destra = new QVBoxLayout;
    bevel_ = new QFrame(this);
    bevel_->setObjectName(QStringLiteral("Bevel1"));
    bevel_->setFrameShape(QFrame::Box);
    bevel_->setFixedSize(LargAnteprima + 2, AltAnteprima + 2);
    immagine_ = new QLabel(bevel_);
    immagine_->setObjectName(QStringLiteral("Image1"));
    destra->addWidget(bevel_);
    auto* logo = new QPushButton(Qm(116), this);
    logo->setObjectName(QStringLiteral("Button1"));
    auto* ok = new QPushButton(QStringLiteral("&OK"), this);
    ok->setObjectName(QStringLiteral("BitBtn1"));
    auto* apri = new QPushButton(Qm(118), this);
    apri->setObjectName(QStringLiteral("BitBtn2"));
    auto* salva = new QPushButton(Qm(117), this);
    salva->setObjectName(QStringLiteral("BitBtn3"));
    for (QPushButton* b : {logo, apri, salva, ok}) destra->addWidget(b);
    destra->addStretch();
    radice->addLayout(destra);
    AcceleratoriDelDialogo(this);

    connect(logo, &QPushButton::clicked, this, [this] { SelezionaLogo(); });
    connect(apri, &QPushButton::clicked, this, [this] { Apri(); });
    connect(salva, &QPushButton::clicked, this, [this] { Salva(); });
    connect(ok, &QPushButton::clicked, this, [this] { Ok(); });

    logoIniziale_ = stato_.Intest.Logo;
    Intestazione senzaBlanchi = stato_.Intest;
    for (auto c : Campi) senzaBlanchi.*c = SenzaBlanchiFinali(senzaBlanchi.*c);
    MostraCampi(senzaBlanchi);
    Anteprima();
    ImpostaAiuto(this, objectName());
}

QString TPersonal::Cartella() const {
    return Qs(stato_.DirIntest.empty() ? CartellaIntestazioni(stato_) : stato_.DirIntest);
}

void TPersonal::MostraCampi(const Intestazione& i) {
    for (int k = 0; k < 8; ++k) edit_[k]->setText(Qs(i.*Campi[k]));
}

Intestazione TPersonal::DaiCampi() const {
    Intestazione i;
    for (int k = 0; k < 8; ++k) i.*Campi[k] = Ss(edit_[k]->text());
    return i;
}

bool TPersonal::AnteprimaVisibile() const { return !immagine_->isHidden(); }

// The logo fitted into the preview box and centred in it; hidden when the
// file is not there or cannot be read.
void TPersonal::Anteprima() {
    AnteprimaInScatola(immagine_, stato_.LogoIntest.empty() ? QString() : Qs(stato_.DirIntest) + Qs(stato_.LogoIntest),
                       LargAnteprima, AltAnteprima);
}

void TPersonal::SelezionaLogo() {
    const QString cartella = Cartella();
    const QString scelto = sceltaLogo ? sceltaLogo()
                                      : QFileDialog::getOpenFileName(this, QString(Qm(116)).remove(QLatin1Char('&')),
                                                                     cartella, Qm(1718));
    if (scelto.isEmpty()) return;
    // The report looks for the logo in the letterhead folder: a logo chosen
    // elsewhere is copied there, asking before an existing file is replaced.
    const QFileInfo origine(scelto);
    QDir().mkpath(cartella);
    const QString destinazione = ConSeparatore(cartella) + origine.fileName();
    if (QFileInfo(destinazione).absoluteFilePath() != origine.absoluteFilePath()) {
        const bool esiste = QFileInfo::exists(destinazione);
        if (!esiste || ui_.Conferma(ConArgomenti(Msg(1714), {Ss(origine.fileName())}))) {
            // The old logo is replaced only by a whole copy of the new one.
            if (!SostituisciConCopia(Ss(destinazione), Ss(scelto)).empty()) {
                ui_.Avviso(ConArgomenti(Msg(1715), {Ss(scelto), Ss(destinazione)}));
                return;
            }
        }
    }
    stato_.DirIntest = Ss(ConSeparatore(cartella));
    stato_.LogoIntest = Ss(origine.fileName());
    Anteprima();
}

void TPersonal::Apri() {
    const QString scelto = sceltaApri ? sceltaApri() : QFileDialog::getOpenFileName(this, Qm(1720), Cartella(), Qm(1719));
    if (scelto.isEmpty()) return;
    const LetturaLP l = LeggiLP(Ss(scelto));
    if (!l.letto) {
        ui_.Avviso(Ss(scelto) + " - " + Msg(25));
        return;
    }
    if (l.record.corto) ui_.Avviso(ConArgomenti(Msg(1700), {Ss(scelto)}));
    if (!l.record.logoRifiutato.empty()) ui_.Avviso(ConArgomenti(Msg(2102), {l.record.logoRifiutato, Ss(scelto)}));
    stato_.DirIntest = Ss(ConSeparatore(QFileInfo(scelto).absolutePath()));
    stato_.Intest = l.record.intest;
    MostraCampi(l.record.intest);
    stato_.LogoIntest = l.record.logoInUso;
    logoIniziale_ = stato_.LogoIntest;
    Anteprima();
    if (!stato_.LogoIntest.empty() && !AnteprimaVisibile()) ui_.Avviso(stato_.LogoIntest + " - " + Msg(25));
}

bool TPersonal::Salva() {
    // The letterhead folder of a program folder that has none yet is where
    // the save dialog starts.
    if (stato_.DirIntest.empty()) QDir().mkpath(Cartella());
    const QString scelto = FileDaSalvare(sceltaSalva, this, Qm(1721), Cartella(), Qm(1719), QStringLiteral("LP"));
    if (scelto.isEmpty()) return false;
    const QString cartella = ConSeparatore(QFileInfo(scelto).absolutePath());
    // A letterhead saved into another folder takes its logo along, so the
    // report still finds it there.
    const QString logo = Qs(stato_.DirIntest) + Qs(stato_.LogoIntest);
    const QString logoAccanto = cartella + Qs(stato_.LogoIntest);
    if (!stato_.LogoIntest.empty() && QFileInfo(logo).isFile() && !QFileInfo::exists(logoAccanto) &&
        !SostituisciConCopia(Ss(logoAccanto), Ss(logo)).empty())
        ui_.Avviso(ConArgomenti(Msg(1715), {Ss(logo), Ss(logoAccanto)}));
    const Intestazione nuova = DaiCampi();
    if (const std::string e = ScriviLP(Ss(scelto), nuova, stato_.LogoIntest); !e.empty()) {
        ui_.Avviso(ConArgomenti(Msg(1716), {Ss(scelto), e}));
        return false;
    }
    stato_.DirIntest = Ss(cartella);
    // What the file holds now (texts cut to their fields).
    stato_.Intest = DecodificaLP(CodificaLP(nuova, stato_.LogoIntest)).intest;
    logoIniziale_ = stato_.LogoIntest;
    return true;
}

void TPersonal::Ok() {
    bool diverso = SenzaBlanchiFinali(logoIniziale_) != SenzaBlanchiFinali(stato_.LogoIntest);
    for (int k = 0; k < 8; ++k)
        diverso = diverso || SenzaBlanchiFinali(stato_.Intest.*Campi[k]) != SenzaBlanchiFinali(Ss(edit_[k]->text()));
    // Yes saves; a cancelled or failed save keeps the dialog and its edits.
    if (diverso && ui_.Conferma(Msg(119)) && !Salva()) return;
    accept();
}

}  // namespace nottaro::ui
