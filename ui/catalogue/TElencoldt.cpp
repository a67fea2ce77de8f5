#include "ui/catalogue/TElencoldt.h"

#include <QCloseEvent>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include "catalogue/Catalogo.h"
#include "core/files/ListaFile.h"
#include "ui/catalogue/Tcatalogue.h"
#include "ui/comune/Acceleratori.h"
#include "ui/comune/Testi.h"
#include "ui/principale/Aiuto.h"

namespace nottaro::ui {
namespace {

constexpr int MsgFileNonTrovati = 1802;

// Filters matching either letter case of the extensions.
const QString FiltroListe = QStringLiteral("Nottaro List (*.ntr *.NTR)");
const QString FiltroFotometrie = QStringLiteral(
    "Eulumdat ver. 1 (*.ldt *.LDT);;Eulumdat ver. 2 (*.elx *.ELX);;LM-63 (1995, 2002, 2019) (*.ies *.IES);;Tutti i Files (*)");

std::optional<std::string> Scelto(const QString& percorso) {
    if (percorso.isEmpty()) return std::nullopt;
    return Ss(percorso);
}

}  // namespace

TElencoldt::TElencoldt(StatoProgetto& stato, Interazione& ui, QWidget* genitore, DialoghiElenco dialoghi)
    : QDialog(genitore), stato_(stato), ui_(ui), elenco_(stato, ui), dialoghi_(std::move(dialoghi)) {
    setObjectName(QStringLiteral("Elencoldt"));
    setWindowTitle(Qm(81));
    // No close box: the list is left with "&Ok", which asks about unsaved changes.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    const DialoghiElenco predefiniti = DialoghiPredefiniti();
    if (!dialoghi_.apriLista) dialoghi_.apriLista = predefiniti.apriLista;
    if (!dialoghi_.salvaLista) dialoghi_.salvaLista = predefiniti.salvaLista;
    if (!dialoghi_.fileDaDisco) dialoghi_.fileDaDisco = predefiniti.fileDaDisco;
    if (!dialoghi_.daCatalogo) dialoghi_.daCatalogo = predefiniti.daCatalogo;
    Costruisci();
    elenco_.Apri();
    Mostra();
    AcceleratoriDelDialogo(this);
    ImpostaAiuto(this, QStringLiteral("TElencoldt"));
}

DialoghiElenco TElencoldt::DialoghiPredefiniti() {
    DialoghiElenco d;
    d.apriLista = [this] { return Scelto(QFileDialog::getOpenFileName(this, Qm(103).remove('&'), QString(), FiltroListe)); };
    d.salvaLista = [this] {
        QFileDialog dlg(this, Qm(104).remove('&'), QString(), FiltroListe);
        dlg.setAcceptMode(QFileDialog::AcceptSave);
        dlg.setDefaultSuffix(QStringLiteral("ntr"));
        return dlg.exec() == QDialog::Accepted && !dlg.selectedFiles().isEmpty() ? Scelto(dlg.selectedFiles().first())
                                                                                : std::nullopt;
    };
    d.fileDaDisco = [this] {
        QFileDialog dlg(this, Qm(101).remove('&'), QString(), FiltroFotometrie);
        dlg.setFileMode(QFileDialog::ExistingFiles);
        dlg.setOption(QFileDialog::ReadOnly, false);
        std::vector<std::string> file;
        if (dlg.exec() == QDialog::Accepted)
            for (const QString& f : dlg.selectedFiles()) file.push_back(Ss(f));
        return file;
    };
    d.daCatalogo = [this] {
        Tcatalogue catalogo(stato_.DirProg, true, ui_, this);
        catalogo.exec();
        return catalogo.Scelte();
    };
    return d;
}

void TElencoldt::Costruisci() {
    auto* righe = new QHBoxLayout(this);
    auto* sinistra = new QVBoxLayout;
    righe->addLayout(sinistra, 1);
    auto* titolo = new QLabel(Qm(100), this);
    titolo->setObjectName(QStringLiteral("LabelElenco"));
    nomeLista_ = new QLabel(this);
    nomeLista_->setObjectName(QStringLiteral("LabelNomeLista"));
    lista_ = new QListWidget(this);
    lista_->setObjectName(QStringLiteral("ListaFile"));
    lista_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    lista_->setMinimumSize(420, 260);
    mancanti_ = new QLabel(this);
    mancanti_->setObjectName(QStringLiteral("LabelMancanti"));
    for (QWidget* w : {static_cast<QWidget*>(titolo), static_cast<QWidget*>(nomeLista_)}) sinistra->addWidget(w);
    sinistra->addWidget(lista_, 1);
    sinistra->addWidget(mancanti_);

    auto* pulsanti = new QVBoxLayout;
    righe->addLayout(pulsanti);
    auto pulsante = [this, pulsanti](int messaggio, const char* nome, auto azione) {
        auto* b = new QPushButton(messaggio ? Qm(messaggio) : QStringLiteral("&Ok"), this);
        b->setObjectName(QString::fromLatin1(nome));
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, azione);
        pulsanti->addWidget(b);
        return b;
    };
    pulsante(103, "BtnCaricaLista", [this] {
        elenco_.Carica(dialoghi_.apriLista, dialoghi_.salvaLista);
        Mostra();
    });
    pulsante(104, "BtnSalvaLista", [this] {
        elenco_.Salva(dialoghi_.salvaLista);
        Mostra();
    });
    pulsante(105, "BtnChiudiLista", [this] {
        elenco_.Chiudi();
        Mostra();
    });
    pulsanti->addSpacing(12);
    auto* catalogo = pulsante(101, "BtnAggiungiCatalogo", [this] { AggiungiDaCatalogo(); });
    catalogo->setToolTip(Qm(80));
    auto* disco = pulsante(101, "BtnAggiungiFile", [this] {
        elenco_.Aggiungi(dialoghi_.fileDaDisco());
        Mostra();
    });
    // Both buttons carry the same caption: the picture and the hint tell
    // the catalogue from the disk.
    disco->setToolTip(Qm(1000));
    catalogo->setIcon(style()->standardIcon(QStyle::SP_FileDialogListView));
    disco->setIcon(style()->standardIcon(QStyle::SP_DirOpenIcon));
    pulsante(102, "BtnElimina", [this] {
        std::vector<int> scelte;
        for (const QModelIndex& i : lista_->selectionModel()->selectedRows()) scelte.push_back(i.row());
        elenco_.Elimina(scelte);
        Mostra();
    });
    pulsanti->addStretch(1);
    pulsante(0, "BtnOk", [this] { Ok(); });
}

void TElencoldt::Mostra() {
    nomeLista_->setText(Qs(elenco_.NomeLista()));
    lista_->clear();
    int mancanti = 0;
    for (std::size_t i = 0; i < elenco_.Voci().size(); ++i) {
        auto* voce = new QListWidgetItem(Qs(elenco_.Voci()[i]), lista_);
        if (elenco_.FileVoce(i).empty()) {
            voce->setForeground(Qt::red);
            voce->setToolTip(Qm(25));
            ++mancanti;
        }
    }
    mancanti_->setText(mancanti ? Qm(MsgFileNonTrovati) + QStringLiteral(" ") + QString::number(mancanti) : QString());
}

void TElencoldt::AggiungiDaCatalogo() {
    if (FileCatalogo(stato_.DirProg).empty()) {
        ui_.Avviso(Msg(429));
        return;
    }
    elenco_.Aggiungi(dialoghi_.daCatalogo());
    Mostra();
}

void TElencoldt::Ok() {
    if (elenco_.Ok(dialoghi_.salvaLista)) done(QDialog::Accepted);
    else Mostra();
}

void TElencoldt::closeEvent(QCloseEvent* e) { e->ignore(); }

}  // namespace nottaro::ui
