// The main window's commands: loads, saves, the inline edits, the dialogs and
// the optimisation run.
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStatusBar>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

#include <memory>
#include <sstream>

#include "catalogue/CaricaScelta.h"
#include "core/files/FileProgetto.h"
#include "core/i18n/Lingua.h"
#include "core/photometry/LettoriFotometria.h"
#include "core/state/Inizializza.h"
#include "ui/comune/CampoDecimale.h"
#include "ui/comune/FrecceSuGiu.h"
#include "ui/comune/Testi.h"
#include "ui/dialoghi/Dialoghi.h"
#include "ui/dialoghi/TAboutBox.h"
#include "ui/calcolo/FinestraOttimizza.h"
#include "ui/principale/Aiuto.h"
#include "ui/principale/Avvio.h"
#include "ui/principale/ProgettiRecenti.h"
#include "ui/principale/TVelaro.h"
#include "ui/principale/VociMenu.h"

namespace nottaro::ui {

namespace {

QStringList FiltriFotometria() {
    return {QStringLiteral("Eulumdat ver. 1 (*.ldt *.LDT)"), QStringLiteral("Eulumdat ver. 2 (*.elx *.ELX)"),
            QStringLiteral("LM-63 (1995, 2002, 2019) (*.ies *.IES)"), QStringLiteral("All Files (*)")};
}

}  // namespace

QString TVelaro::Scegli(const RichiestaFile& r) {
    if (scegliFile_) return scegliFile_(this, r);
    const QString filtri = r.filtri.join(QStringLiteral(";;"));
    if (!r.salva) return QFileDialog::getOpenFileName(this, r.titolo, r.cartella, filtri);
    QFileDialog d(this, r.titolo, r.cartella, filtri);
    d.setAcceptMode(QFileDialog::AcceptSave);
    d.setDefaultSuffix(r.suffisso);
    d.setOption(QFileDialog::DontConfirmOverwrite);  // asked below, in the program's language
    return d.exec() == QDialog::Accepted && !d.selectedFiles().isEmpty() ? d.selectedFiles().first() : QString();
}

void TVelaro::CollegaScheda(SchedaProgetto& s, bool percorso) {
    double& altezza = percorso ? stato_.HPaloA : stato_.HPalo;
    double& sbraccio = percorso ? stato_.SbraccioA : stato_.Sbraccio;
    double& inclina = percorso ? stato_.InclinaA : stato_.Inclina;
    auto scelta = [](QComboBox* c, std::function<void(int)> f) {
        QObject::connect(c, &QComboBox::activated, c, [c, f](int i) {
            // Choosing again what is already chosen changes nothing.
            if (c->property("scelta").toInt() == i && c->property("scelta").isValid()) return;
            c->setProperty("scelta", i);
            f(i);
        });
    };
    scelta(s.sceltaAltezza, [&s, &altezza](int i) {
        s.altezza->clear();
        s.altezza->setVisible(i == SceltaDefinita);
        if (i == SceltaVariabile) altezza = HPaloVariabile;
    });
    scelta(s.sceltaSbraccio, [&s, &sbraccio](int i) {
        s.sbraccio->clear();
        s.sbraccio->setVisible(i == SceltaDefinita);
        if (i == SceltaVariabile) sbraccio = SbraccioVariabile;
    });
    scelta(s.sceltaInclina, [this, &s, &inclina](int i) {
        // "Definita" lets the designer set the tilt; "Variabile" sweeps it.
        const QSignalBlocker blocco(s.inclina);
        s.inclina->setValue(0);
        s.inclina->setEnabled(i == SceltaDefinita);
        if (i == SceltaDefinita) {
            inclina = 0;
        } else {
            ui_->Avviso(Msg(378));
            inclina = InclinaVariabile;
        }
    });
    connect(s.inclina, &QSpinBox::valueChanged, this, [&s, &inclina](int v) {
        if (s.sceltaInclina->currentIndex() == SceltaDefinita) inclina = v;
    });
    connect(s.altezza, &QLineEdit::editingFinished, this, [this, &s, &altezza, percorso] {
        LeggiCampo(s.altezza, altezza, HPaloVariabile, (percorso ? percorso_ : strada_).didascalie[0]->text());
    });
    connect(s.sbraccio, &QLineEdit::editingFinished, this, [this, &s, &sbraccio, percorso] {
        LeggiCampo(s.sbraccio, sbraccio, SbraccioVariabile, (percorso ? percorso_ : strada_).didascalie[1]->text());
    });
    connect(s.larghezza, &QLineEdit::editingFinished, this, [this, &s, percorso] { LarghezzaScritta(s, percorso); });
    connect(s.frecceLarghezza, &FrecceSuGiu::su, this, [this, &s, percorso] { PassoLarghezza(s, percorso, 1); });
    connect(s.frecceLarghezza, &FrecceSuGiu::giu, this, [this, &s, percorso] { PassoLarghezza(s, percorso, -1); });
    if (!percorso) {
        connect(UpDown4_, &FrecceSuGiu::su, this, [this] { PassoCorsie(1); });
        connect(UpDown4_, &FrecceSuGiu::giu, this, [this] { PassoCorsie(-1); });
    }
    connect(s.parametri, &QPushButton::clicked, this, [this, percorso] {
        percorso ? ParametriPercorso() : ParametriStrada();
    });
    connect(s.pali, &QPushButton::clicked, this, [this, percorso] {
        percorso ? DisposizionePercorso() : DisposizioneStrada();
    });
    connect(s.ottimizza, &QPushButton::clicked, this, [this, percorso] { Ottimizza(percorso); });
}

// An empty edit stores `vuoto`; a text that is no number stores nothing and
// is named in a warning.
bool TVelaro::LeggiCampo(CampoDecimale* campo, double& valore, double vuoto, const QString& nome) {
    if (!campo->isVisible() && campo->text().isEmpty()) return true;
    if (campo->text().isEmpty()) {
        valore = vuoto;
        return true;
    }
    if (auto v = Numero(campo->text())) {
        valore = *v;
        return true;
    }
    ui_->Avviso(Ss(Qm(1200).arg(nome.isEmpty() ? campo->objectName() : nome, campo->text())));
    return false;
}

void TVelaro::ImpostaLimite() {
    int tipo = 0;
    for (int i = 0; i < 4; ++i)
        if (limiti_[i]->isChecked()) tipo = i;
    MaskEdit1_->setVisible(tipo != 0);
    stato_.TipoLimite = tipo;
    if (MaskEdit1_->text().isEmpty()) stato_.ValLimite = 0;
    else if (auto v = Numero(MaskEdit1_->text())) stato_.ValLimite = *v;
    else ui_->Avviso(Ss(Qm(1200).arg(limiti_[tipo]->text(), MaskEdit1_->text())));
}

void TVelaro::MostraNomeFotometria(const QString& testo) {
    for (SchedaProgetto* s : {&strada_, &percorso_}) {
        s->fotometria->setText(testo);
        s->fotometria->setToolTip(Qs(stato_.FileLista.empty() ? stato_.FileFoto : stato_.FileLista));
    }
}

void TVelaro::FotometriaCaricata() {
    BitBtn5_->setVisible(true);
    BitBtn5_->setEnabled(datiFotometriciDisponibili_);
    voci_[VoceDatiFotometrici]->setEnabled(datiFotometriciDisponibili_);
    MostraNomeFotometria(Qs(NomeFile(stato_.FileFoto)));
    Regole();
}

void TVelaro::CaricaLdt() {
    std::string file = stato_.FileFoto;
    if (!stato_.DaCatalogo) {
        const QString scelto = Scegli({Qm(76), Qs(stato_.DirProg), FiltriFotometria(), false, {}});
        if (scelto.isEmpty()) return;
        file = Ss(scelto);
    }
    const bool daCatalogo = stato_.DaCatalogo;
    stato_.DaCatalogo = false;
    if (file.empty()) return;
    // Read into a copy: a file that is not there leaves the current record.
    auto nuova = std::make_unique<Fotometria>(stato_.Foto);
    if (LeggiFotometria(file, *nuova, *ui_) != 0) return;
    if (!stato_.FileLista.empty()) {
        if (!ui_->Conferma(Msg(52))) return;
        stato_.FileLista.clear();
    }
    stato_.Foto = std::move(*nuova);
    stato_.FileFoto = file;
    stato_.FotoCaricata = true;
    if (daCatalogo) {
        for (int k = 0; k < 7 && k < stato_.Foto.NumLampade; ++k)
            if (stato_.Foto.FlussoLamp[k] == stato_.FlussoCatalogo) {
                stato_.Foto.LampSel = k;
                break;
            }
    }
    FotometriaCaricata();
}

void TVelaro::DopoCatalogo() {
    if (stato_.DaCatalogo) CaricaLdt();
    // The catalogue's opener loads its pick itself (CaricaSceltaCatalogo):
    // show the photometry now current, unless a list stayed open.
    else if (stato_.FotoCaricata && stato_.FileLista.empty() && !stato_.FileFoto.empty()) FotometriaCaricata();
}

void TVelaro::DopoElenco(bool conPrefisso) {
    // Without a list the labels go back to the loaded photometry, if any.
    DopoElencoLdt(stato_);
    MostraNomeFotometria(Qs(EtichettaFotometria(stato_, conPrefisso)));
    Regole();
}

void TVelaro::ChiudiElenco() {
    stato_.FileLista.clear();
    stato_.FotoCaricata = false;
    MostraNomeFotometria(QString());
    Regole();
}

void TVelaro::InizializzaComando() {
    if (!ui_->Conferma(Msg(49))) return;
    AgganciInizializza agganci;
    AgganciaInizializza(agganci);
    Inizializza(stato_, agganci);
    stato_.StradaDef = stato_.StradaDefA = true;
    for (SchedaProgetto* s : {&strada_, &percorso_}) {
        s->fotometria->clear();
        s->disposizione->clear();
        for (QLabel* l : s->riassunto) l->clear();
    }
    fileProgetto_.clear();
    RicordaSalvato();
    AggiornaRiepilogo();
}

void TVelaro::CaricaProgetto() {
    const QString scelto =
        Scegli({Qm(390), Qs(stato_.DirProg),
                {QStringLiteral("Project File (*.nt0 *.NT0)"), QStringLiteral("Eulumdat Project File (*.nt1 *.NT1)"),
                 QStringLiteral("All Files (*)")},
                false, {}});
    if (!scelto.isEmpty()) CaricaProgettoDa(scelto);
}

void TVelaro::CaricaProgettoDa(const QString& file) {
    AgganciProgetto agganci;
    AgganciaInizializza(agganci.Inizializza);
    agganci.MostraProgetto = [this](const StatoProgetto& s) { MostraProgetto(s); };
    agganci.FotometriaCaricata = [this](const StatoProgetto&) { FotometriaCaricata(); };
    const EsitoCaricaProgetto esito = nottaro::CaricaProgetto(Ss(file), stato_, *ui_, agganci);
    if (!esito.letto) return;
    // Only a project file is saved again under its own name; an EULUMDAT
    // project asks for one.
    fileProgetto_ = QFileInfo(file).suffix().compare(QStringLiteral("nt0"), Qt::CaseInsensitive) == 0 ? file : QString();
    ProgettiRecenti(Qs(stato_.DirProg)).Aggiungi(file);
    RicordaSalvato();
    Regole();
    if (esito.avviaCalcolo) Ottimizza(stato_.TipoProgetto != 0);
}

void TVelaro::SalvaProgetto() {
    if (fileProgetto_.isEmpty()) SalvaProgettoCome();
    else Salva(fileProgetto_);
}

void TVelaro::SalvaProgettoCome() {
    QString scelto = Scegli({Qm(387), fileProgetto_.isEmpty() ? Qs(stato_.DirProg) : fileProgetto_,
                             {QStringLiteral("Project File (*.nt0 *.NT0)"), QStringLiteral("All Files (*)")},
                             true, QStringLiteral("nt0")});
    if (scelto.isEmpty()) return;
    if (QFileInfo(scelto).suffix().isEmpty()) scelto += QStringLiteral(".nt0");
    if (QFileInfo::exists(scelto) && !ui_->Conferma(Ss(Qm(1207).arg(scelto)))) return;
    Salva(scelto);
}

bool TVelaro::Salva(const QString& file) {
    // The edits in progress belong to the design that is saved.
    for (SchedaProgetto* s : {&strada_, &percorso_}) {
        const bool percorso = s == &percorso_;
        if (!LeggiCampo(s->altezza, percorso ? stato_.HPaloA : stato_.HPalo, HPaloVariabile, s->didascalie[0]->text()) ||
            !LeggiCampo(s->sbraccio, percorso ? stato_.SbraccioA : stato_.Sbraccio, SbraccioVariabile,
                        s->didascalie[1]->text()))
            return false;
    }
    if (!nottaro::SalvaProgetto(Ss(file), stato_, *ui_)) return false;
    fileProgetto_ = file;
    ProgettiRecenti(Qs(stato_.DirProg)).Aggiungi(file);
    RicordaSalvato();
    statusBar()->showMessage(Qm(2211).arg(QDir::toNativeSeparators(file)));
    return true;
}

namespace {
std::string ImmagineProgetto(const StatoProgetto& s) {
    std::ostringstream o;
    ScriviFileProgetto(o, s);
    // An edited photometry is saved beside the project, so it is part of it.
    o << s.Foto.Modificata;
    return o.str();
}
}  // namespace

void TVelaro::RicordaSalvato() {
    immagineSalvata_ = ImmagineProgetto(stato_);
    MostraModificato();
}

void TVelaro::MostraModificato() {
    if (!modificato_) {
        modificato_ = new QLabel(this);
        modificato_->setObjectName(QStringLiteral("StatoModificato"));
        statusBar()->addPermanentWidget(modificato_);
    }
    // Only a design with something in it has changes to lose.
    const bool si = stato_.FotoCaricata && Modificato();
    modificato_->setText(si ? Qm(2217) : QString());
    modificato_->setVisible(si);
}

bool TVelaro::Modificato() const { return ImmagineProgetto(stato_) != immagineSalvata_; }

void TVelaro::MostraRecenti() {
    recenti_->clear();
    const QStringList file = ProgettiRecenti(Qs(stato_.DirProg)).Elenco();
    int n = 0;
    for (const QString& f : file) {
        // "&1 name" opens with its digit; the full path is in the tooltip.
        QAction* a = recenti_->addAction(QStringLiteral("&%1 %2").arg(++n).arg(QFileInfo(f).fileName()));
        a->setToolTip(QDir::toNativeSeparators(f));
        a->setObjectName(QStringLiteral("ProgettoRecente%1").arg(n));
        connect(a, &QAction::triggered, this, [this, f] { CaricaProgettoDa(f); });
    }
    recenti_->setToolTipsVisible(true);
    recenti_->setEnabled(!file.isEmpty());
}

void TVelaro::CambiaLingua(int lingua) {
    const EsitoCambioLingua e = ImpostaLingua(stato_, lingua, [this] {
        InstallaTraduzioniQt(stato_.Lingua);
        Rietichetta();
    });
    if (e == EsitoCambioLingua::NonSalvata) ui_->Avviso(Ss(Qm(1211).arg(Qs(stato_.DirProg))));
}

void TVelaro::ParametriStrada() {
    if (!EseguiTDefProg(this, stato_, *ui_)) return;
    Regole();
    if (stato_.LmMin != 0) AggiornaRiassuntoStrada();
}

void TVelaro::ParametriPercorso() {
    if (!EseguiTDefProgettoA(this, stato_, *ui_)) return;
    Regole();
    AggiornaRiassuntoPercorso();
}

void TVelaro::DisposizioneStrada() {
    EseguiTForm1(this, stato_);
    AggiornaDisposizione();
    if (stato_.DispPali == 3) {
        // Poles in the middle of the carriageway stand without an arm.
        ImpostaScelta(strada_.sceltaSbraccio, SceltaDefinita);
        strada_.sbraccio->setText(QStringLiteral("0"));
        strada_.sbraccio->setVisible(true);
        stato_.Sbraccio = 0;
    }
    Regole();
}

void TVelaro::DisposizionePercorso() {
    EseguiTForm2(this, stato_);
    AggiornaDisposizione();
    Regole();
}

void TVelaro::ParametriCalcolo() {
    EseguiTDefCalc(this, stato_, *ui_);
    AggiornaRiepilogo();
}

void TVelaro::Versione() {
    TAboutBox about(this);
    about.exec();
}

bool TVelaro::Ottimizza(bool percorso) {
    if (inCorso_) return false;
    SchedaProgetto& s = percorso ? percorso_ : strada_;
    // 1. A fixed height or overhang needs a number.
    const bool hFissa = s.sceltaAltezza->currentIndex() == SceltaDefinita;
    const bool sFisso = s.sceltaSbraccio->currentIndex() == SceltaDefinita;
    const auto h = Numero(s.altezza->text());
    const auto sb = Numero(s.sbraccio->text());
    if ((hFissa && !h) || (sFisso && !sb)) {
        ui_->Avviso(Msg(242));
        return false;
    }
    const Larghezza& l = percorso ? larghezzaPercorso_ : larghezzaStrada_;
    if (!l.definita || !corsie_.definite) return false;
    // 2.-6. The design values the run reads.
    stato_.NCorsie = corsie_.n;
    (percorso ? stato_.LargStradaA : stato_.LargStrada) = l.centimetri / 100.0;
    (percorso ? stato_.SbraccioA : stato_.Sbraccio) = sFisso ? *sb : SbraccioVariabile;
    (percorso ? stato_.HPaloA : stato_.HPalo) = hFissa ? *h : HPaloVariabile;
    (percorso ? stato_.InclinaA : stato_.Inclina) =
        s.sceltaInclina->currentIndex() == SceltaDefinita ? s.inclina->value() : InclinaVariabile;
    if (!stato_.DaProgetto) stato_.Interdist = 0;
    stato_.TuttiRisultati = risultati_[1]->isChecked();
    ImpostaLimite();
    if (stato_.TipoLimite == 0) stato_.ValLimite = 0;

    // 7. The run window of the kind: it empties the table, sweeps on a worker
    // over a frozen copy of the state, then becomes the solution browser.
    std::unique_ptr<FinestraOttimizza> finestra;
    if (percorso) finestra = std::make_unique<TCalcolaa>(stato_, *ui_, this);
    else finestra = std::make_unique<TCalcola>(stato_, *ui_, this);
    finestra->Richiesta().thread = thread_;
    finestra->resize(std::max(finestra->width(), 270), std::max(finestra->height(), 160));
    if (const QScreen* schermo = screen())
        finestra->move(schermo->availableGeometry().center() - finestra->rect().center());
    inCorso_ = true;
    if (mostraCalcolo_) mostraCalcolo_(*finestra);
    else finestra->exec();
    inCorso_ = false;
    const bool riuscita = !finestra->Esito().tabella.empty() && finestra->Esito().errore.empty();
    finestra.reset();
    Regole();
    activateWindow();
    return riuscita;
}

void TVelaro::closeEvent(QCloseEvent* e) {
    if (inCorso_) {
        // The run window is modal and answers for its run; the program ends after it.
        e->ignore();
        return;
    }
    // Nothing to lose when the design is as it was last loaded or saved.
    if (stato_.FotoCaricata && Modificato() && !ui_->Conferma(Msg(46))) {
        e->ignore();
        return;
    }
    e->accept();
}

void TVelaro::changeEvent(QEvent* e) {
    if (e->type() == QEvent::ActivationChange && isActiveWindow()) {
        Regole();
        if (!stato_.DirProgetto.empty())
            if (auto* l = findChild<QLabel*>(QStringLiteral("Label32"))) l->setText(Qs(stato_.DirProgetto));
    }
    QMainWindow::changeEvent(e);
}

}  // namespace nottaro::ui
