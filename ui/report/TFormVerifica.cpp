#include "ui/report/TFormVerifica.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/files/FileProgetto.h"
#include "core/i18n/Messaggi.h"
#include "ui/comune/Acceleratori.h"
#include "ui/comune/Testi.h"
#include "ui/principale/Aiuto.h"
#include "ui/report/SceltaFile.h"
#include "ui/report/TPersonal.h"
#include "ui/report/TprintP.h"

namespace nottaro::ui {
namespace {

constexpr int LargFoto = 137, AltFoto = 121;
std::string StatoProgetto::*const Righe[5] = {&StatoProgetto::PrjRiga1, &StatoProgetto::PrjRiga2,
                                              &StatoProgetto::PrjRiga3, &StatoProgetto::PrjRiga4,
                                              &StatoProgetto::PrjRiga5};

}  // namespace

TFormVerifica::TFormVerifica(StatoProgetto& stato, Interazione& ui, std::function<void(DatiReport&)> valutazione,
                             QWidget* genitore)
    : QDialog(genitore), stato_(stato), ui_(ui), valutazione_(std::move(valutazione)) {
    setObjectName(QStringLiteral("TFormVerifica"));
    setWindowTitle(Qm(85));
    auto* radice = new QVBoxLayout(this);
    auto* campi = new QGridLayout;
    const int etichette[5] = {86, 87, 88, 89, 90};
    const int lunghezze[5] = {50, 50, 120, 120, 120};
    for (int k = 0; k < 5; ++k) {
        auto* l = new QLabel(Qm(etichette[k]), this);
        l->setObjectName(QStringLiteral("Label%1").arg(k + 1));
        edit_[k] = new QLineEdit(this);
        edit_[k]->setObjectName(QStringLiteral("Edit%1").arg(k + 1));
        edit_[k]->setMaxLength(lunghezze[k]);
        edit_[k]->setMinimumWidth(k < 2 ? 220 : 440);
        campi->addWidget(l, k, 0);
        campi->addWidget(edit_[k], k, 1);
    }
    auto* suggerimento = new QLabel(Qm(94), this);
    suggerimento->setObjectName(QStringLiteral("Label7"));
    campi->addWidget(suggerimento, 5, 1);
    auto* descr = new QLabel(Qm(96), this);
    descr->setObjectName(QStringLiteral("Label6"));
    campi->addWidget(descr, 6, 0, 1, 2);
    memo_ = new QPlainTextEdit(this);
    memo_->setObjectName(QStringLiteral("Memo1"));
    memo_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memo_->setMinimumHeight(90);
    campi->addWidget(memo_, 7, 0, 1, 2);
    connect(memo_, &QPlainTextEdit::textChanged, this, [this] {
        // At most 470 characters, as the project file and the page hold them.
        const QString t = memo_->toPlainText();
        if (t.size() <= MaxDescrizione) return;
        QTextCursor c = memo_->textCursor();
        const int pos = c.position();
        memo_->setPlainText(t.left(MaxDescrizione));
        c = memo_->textCursor();
        c.setPosition(std::min(pos, MaxDescrizione));
        memo_->setTextCursor(c);
    });
    radice->addLayout(campi);

    auto* foto = new QHBoxLayout;
    const int didascalie[2] = {385, 450};
    QPushButton* fotoBtn[2] = {};
    for (int k = 0; k < 2; ++k) {
        auto* colonna = new QVBoxLayout;
        auto* bevel = new QFrame(this);
        bevel->setObjectName(QStringLiteral("Bevel%1").arg(k + 1));
        bevel->setFrameShape(QFrame::Box);
        bevel->setFixedSize(LargFoto + 2, AltFoto + 2);
        image_[k] = new QLabel(bevel);
        image_[k]->setObjectName(QStringLiteral("Image%1").arg(k + 1));
        image_[k]->hide();
        fotoBtn[k] = new QPushButton(Qm(didascalie[k]), this);
        fotoBtn[k]->setObjectName(QStringLiteral("Button%1").arg(k + 1));
        colonna->addWidget(bevel);
        colonna->addWidget(fotoBtn[k]);
        foto->addLayout(colonna);
    }
    foto->addStretch();
    auto* bottoni = new QVBoxLayout;
    auto* stampa = new QPushButton(Qm(91), this);
    stampa->setObjectName(QStringLiteral("BitBtn2"));
    auto* salva = new QPushButton(Qm(386), this);
    salva->setObjectName(QStringLiteral("BitBtn5"));
    auto* cancella = new QPushButton(Qm(93), this);
    cancella->setObjectName(QStringLiteral("BitBtn3"));
    auto* configura = new QPushButton(Qm(92), this);
    configura->setObjectName(QStringLiteral("BitBtn4"));
    auto* esci = new QPushButton(Qm(6), this);
    esci->setObjectName(QStringLiteral("BitBtn1"));
    for (QPushButton* b : {stampa, salva, cancella, configura, esci}) bottoni->addWidget(b);
    foto->addLayout(bottoni);
    radice->addLayout(foto);
    AcceleratoriDelDialogo(this);

    connect(fotoBtn[0], &QPushButton::clicked, this, [this] { Fotografia(false); });
    connect(fotoBtn[1], &QPushButton::clicked, this, [this] { Fotografia(true); });
    connect(stampa, &QPushButton::clicked, this, [this] { Stampa(); });
    connect(salva, &QPushButton::clicked, this, [this] { SalvaProgetto(); });
    connect(cancella, &QPushButton::clicked, this, [this] { Cancella(); });
    connect(configura, &QPushButton::clicked, this, [this] {
        if (apriIntestazione) apriIntestazione();
        else TPersonal(stato_, ui_, this).exec();
    });
    connect(esci, &QPushButton::clicked, this, &QDialog::reject);

    for (int k = 0; k < 5; ++k) edit_[k]->setText(Qs(stato_.*Righe[k]));
    memo_->setPlainText(Qs(stato_.PrjDescr));
    Anteprima(image_[0], stato_.FotoImpianto);
    Anteprima(image_[1], stato_.FotoApp);
    ImpostaAiuto(this, objectName());
}

void TFormVerifica::Anteprima(QLabel* img, const std::string& file) { AnteprimaInScatola(img, Qs(file), LargFoto, AltFoto); }

void TFormVerifica::Identificazione() {
    for (int k = 0; k < 5; ++k) stato_.*Righe[k] = Ss(edit_[k]->text());
    stato_.PrjDescr = Ss(memo_->toPlainText());
}

void TFormVerifica::Fotografia(bool apparecchio) {
    auto& scelta = apparecchio ? sceltaFotoApparecchio : sceltaFotografia;
    const QString file = scelta ? scelta()
                                : QFileDialog::getOpenFileName(this, apparecchio ? QString(Qm(450)).remove(QLatin1Char('&')) : Qm(388),
                                                               Qs(stato_.DirProg), Qm(1718));
    if (file.isEmpty()) return;
    const std::string percorso = Ss(QFileInfo(file).absoluteFilePath());
    (apparecchio ? stato_.FotoApp : stato_.FotoImpianto) = percorso;
    Anteprima(image_[apparecchio ? 1 : 0], percorso);
}

void TFormVerifica::Cancella() {
    if (!ui_.Conferma(Msg(95))) return;
    for (QLineEdit* e : edit_) e->clear();
    memo_->clear();
}

void TFormVerifica::Stampa() {
    Identificazione();
    DatiReport d = DatiReportDaStato(stato_);
    if (valutazione_) valutazione_(d);
    if (apriStampa) {
        apriStampa(std::move(d));
        return;
    }
    TprintP dialogo(std::move(d), ui_, this);
    dialogo.exec();
}

bool TFormVerifica::SalvaProgetto() {
    const QString file = FileDaSalvare(sceltaSalva, this, Qm(387), Qs(stato_.DirProg), Qm(1717), QStringLiteral("nt0"));
    if (file.isEmpty()) return false;
    Identificazione();
    return nottaro::SalvaProgetto(Ss(file), stato_, ui_);
}

}  // namespace nottaro::ui
