// The main window's menus, enabling rules, summary labels and relabelling.
#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStyle>
#include <QTabWidget>

#include <cmath>

#include "core/i18n/Lingua.h"
#include "core/state/DisposizioniStrada.h"
#include "core/state/Inizializza.h"
#include "ui/comune/Acceleratori.h"
#include "ui/comune/CampoDecimale.h"
#include "ui/comune/Campi.h"
#include "ui/comune/FrecceSuGiu.h"
#include "ui/comune/Testi.h"
#include "ui/principale/Aiuto.h"
#include "ui/principale/Avvio.h"
#include "ui/principale/DisegnoImpianto.h"
#include "ui/principale/RiepilogoProgetto.h"
#include "ui/principale/TVelaro.h"
#include "ui/principale/VociMenu.h"

namespace nottaro::ui {

void TVelaro::CostruisciMenu() {
    const int primaVoce[] = {VoceInizializza, VoceDatiFotometrici, VoceProgettoStradale, VoceItaliano, VoceAiuto};
    const int ultimaVoce[] = {VoceEsci, VoceParametriCalcolo, VoceProgettoCiclo, VoceSpagnolo, VoceVersione};
    const char* nomiMenu[] = {"File1", "Dati1", "Ottimizza1", "Lingua1", "Aiuto1"};
    for (int m = 0; m < 5; ++m) {
        menu_[m] = menuBar()->addMenu(QString());
        menu_[m]->setObjectName(QLatin1String(nomiMenu[m]));
        for (int v = primaVoce[m]; v <= ultimaVoce[m]; ++v) {
            if (v == VoceConfiguraReport || v == VoceEsci || v == VoceParametriProgetto || v == VoceVersione)
                menu_[m]->addSeparator();
            voci_[v] = menu_[m]->addAction(QString());
            voci_[v]->setObjectName(QLatin1String(DatiVoci[v].nome));
        }
    }
    voci_[VoceCaricaEulumdat]->setShortcut(Qt::Key_F4);
    voci_[VoceSalvaProgetto]->setShortcut(QKeySequence::Save);
    recenti_ = new QMenu(menu_[0]);
    recenti_->setObjectName(QStringLiteral("ProgettiRecenti1"));
    menu_[0]->insertMenu(voci_[VoceSalvaProgetto], recenti_);
    connect(menu_[0], &QMenu::aboutToShow, this, [this] { MostraRecenti(); });
    voci_[VoceProgettoStradale]->setEnabled(false);
    voci_[VoceProgettoCiclo]->setEnabled(false);

    connect(voci_[VoceInizializza], &QAction::triggered, this, [this] { InizializzaComando(); });
    connect(voci_[VoceCaricaEulumdat], &QAction::triggered, this, [this] { CaricaLdt(); });
    connect(voci_[VoceCaricaProgetto], &QAction::triggered, this, [this] { CaricaProgetto(); });
    connect(voci_[VoceSalvaProgetto], &QAction::triggered, this, [this] { SalvaProgetto(); });
    connect(voci_[VoceSalvaProgettoCome], &QAction::triggered, this, [this] { SalvaProgettoCome(); });
    connect(voci_[VoceChiudiElenco], &QAction::triggered, this, [this] { ChiudiElenco(); });
    connect(voci_[VoceEsci], &QAction::triggered, this, [this] { close(); });
    connect(voci_[VoceParametriProgetto], &QAction::triggered, this, [this] {
        PageControl1_->currentIndex() == 1 ? ParametriPercorso() : ParametriStrada();
    });
    connect(voci_[VoceDisposizionePali], &QAction::triggered, this, [this] {
        PageControl1_->currentIndex() == 1 ? DisposizionePercorso() : DisposizioneStrada();
    });
    connect(voci_[VoceParametriCalcolo], &QAction::triggered, this, [this] { ParametriCalcolo(); });
    connect(voci_[VoceProgettoStradale], &QAction::triggered, this, [this] { Ottimizza(false); });
    connect(voci_[VoceProgettoCiclo], &QAction::triggered, this, [this] { Ottimizza(true); });
    const int lingue[] = {LinguaItaliano, LinguaInglese, LinguaFrancese, LinguaTedesco, LinguaSpagnolo};
    for (int i = 0; i < 5; ++i)
        connect(voci_[VoceItaliano + i], &QAction::triggered, this, [this, l = lingue[i]] { CambiaLingua(l); });
    connect(voci_[VoceAiuto], &QAction::triggered, this, [this] { ApriAiuto(this); });
    connect(voci_[VoceVersione], &QAction::triggered, this, [this] { Versione(); });

    // Windows built elsewhere: enabled once their opener exists.
    Collega(BitBtn8_, nullptr, ApriCatalogo());
    Collega(BitBtn7_, voci_[VoceCaricaElenco], ApriElencoLdt());
    Collega(nullptr, voci_[VoceConfiguraReport], ApriConfiguraReport());
    datiFotometriciDisponibili_ = static_cast<bool>(ApriDatiFotometrici());
    Collega(BitBtn5_, voci_[VoceDatiFotometrici], ApriDatiFotometrici());
    BitBtn8_->setIcon(style()->standardIcon(QStyle::SP_DirOpenIcon));
    BitBtn7_->setIcon(style()->standardIcon(QStyle::SP_FileDialogDetailedView));
}

void TVelaro::Collega(QWidget* pulsante, QAction* voce, const ApriFinestra& apri) {
    if (apri) {
        if (auto* b = qobject_cast<QPushButton*>(pulsante)) {
            if (b == BitBtn8_) connect(b, &QPushButton::clicked, this, [this, apri] { Apri(apri); DopoCatalogo(); });
            else if (b == BitBtn7_) connect(b, &QPushButton::clicked, this, [this, apri] { Apri(apri); DopoElenco(true); });
            else connect(b, &QPushButton::clicked, this, [this, apri] { Apri(apri); });
        }
        if (voce) {
            if (voce == voci_[VoceCaricaElenco])
                connect(voce, &QAction::triggered, this, [this, apri] { Apri(apri); DopoElenco(false); });
            else connect(voce, &QAction::triggered, this, [this, apri] { Apri(apri); });
        }
        return;
    }
    if (pulsante) {
        pulsante->setEnabled(false);
        pulsante->setProperty("nottaroNonDisponibile", true);
    }
    if (voce) {
        voce->setEnabled(false);
        voce->setProperty("nottaroNonDisponibile", true);
    }
}

void TVelaro::Apri(const ApriFinestra& apri) {
    if (apri) apri({this, stato_, *ui_});
}

void TVelaro::Rietichetta() {
    ImpostaFileAiuto(Qs(stato_.FileHelp));
    const bool italiano = stato_.Lingua == LinguaItaliano;
    static const int menu[] = {53, 60, 78, 65, 70};
    for (int m = 0; m < 5; ++m) menu_[m]->setTitle(Qm(menu[m]));
    for (int v = 0; v < NumVoci; ++v) voci_[v]->setText(Qm(DatiVoci[v].messaggio));
    recenti_->setTitle(Qm(2212));
    MostraRecenti();
    PageControl1_->setTabText(0, Qm(457));
    PageControl1_->setTabText(1, Qm(458));
    static const int didascalie[] = {247, 245, 248, 244, 243, 246, 379};
    for (SchedaProgetto* s : {&strada_, &percorso_}) {
        s->parametri->setText(Qm(62));
        s->parametri->setToolTip(Qm(73));
        s->pali->setText(Qm(63));
        s->pali->setToolTip(Qm(74));
        s->ottimizza->setText(Qm(78));
        s->ottimizza->setToolTip(Qm(79));
        s->definire->setText(Qm(47));
        for (QComboBox* c : {s->sceltaAltezza, s->sceltaSbraccio, s->sceltaInclina}) {
            // The index is the choice, so it survives the new texts.
            const int scelta = c->currentIndex();
            const QSignalBlocker blocco(c);
            c->clear();
            c->addItems({Qm(45), Qm(48)});
            c->setCurrentIndex(scelta < 0 ? SceltaVariabile : scelta);
        }
        for (int i = 0; i < 7; ++i) {
            if (!s->didascalie[i]) continue;
            s->didascalie[i]->setText(Qm(i == 3 && s == &percorso_ ? 2300 : didascalie[i]).trimmed());
            s->didascalie[i]->setVisible(!italiano);
        }
        for (QLabel* l : s->didascalieProprie)
            if (l) l->setVisible(italiano);
        s->disegno->ImpostaDidascalieProprie(italiano);
    }
    MostraLarghezza(strada_, false);
    MostraLarghezza(percorso_, true);
    MostraCorsie();
    BitBtn3_->setText(Qm(75));
    BitBtn3_->setToolTip(Qm(76));
    BitBtn4_->setText(Qm(64));
    BitBtn5_->setText(Qm(61));
    BitBtn5_->setToolTip(Qm(77));
    BitBtn8_->setToolTip(Qm(80));
    BitBtn7_->setToolTip(Qm(81));
    BitBtn8_->setText(QString());
    for (QPushButton* b : {BitBtn5_, BitBtn7_, BitBtn8_})
        if (b->property("nottaroNonDisponibile").toBool())
            b->setToolTip((b->toolTip().isEmpty() ? QString() : b->toolTip() + QLatin1Char('\n')) + Qm(1201));
    for (QAction* v : voci_)
        if (v->property("nottaroNonDisponibile").toBool()) v->setToolTip(Qm(1201));
    menuBar()->setToolTipDuration(-1);
    for (QMenu* m : menu_) m->setToolTipsVisible(true);
    RadioGroup2_->setTitle(Qm(465));
    static const int limiti[] = {466, 467, 479, 468};
    for (int i = 0; i < 4; ++i) limiti_[i]->setText(Qm(limiti[i]));
    RadioGroup1_->setTitle(Qm(447));
    risultati_[0]->setText(Qm(448));
    risultati_[1]->setText(Qm(449));
    // The Masterplan tab: the workbook, then the four folders.
    static const char* const schedaMasterplan[] = {"BitBtn17", "BitBtn14", "BitBtn15", "BitBtn16", "BitBtn13"};
    for (int i = 0; i < 5; ++i)
        if (auto* b = findChild<QPushButton*>(QLatin1String(schedaMasterplan[i]))) b->setText(Qm(2305 + i));
    if (auto* l = findChild<QLabel*>(QStringLiteral("Label31"))) l->setText(Qm(2312));
    MostraSchedaMasterplan();
    // One Alt+letter per command. The menu bar's letters come first: Alt+letter
    // of a title opens its menu, so no button of the window may take one. Then
    // the commands common to the tabs, then each tab's own.
    RendiAcceleratoriUnici(menuBar()->actions());
    QSet<QChar> comuni;
    for (QAction* a : menuBar()->actions())
        if (const QChar c = Acceleratore(a->text()); !c.isNull()) comuni.insert(c);
    RendiAcceleratoriUnici({BitBtn4_, BitBtn3_, BitBtn5_, BitBtn8_, BitBtn7_, limiti_[0], limiti_[1], limiti_[2],
                            limiti_[3], risultati_[0], risultati_[1]},
                           comuni);
    for (int t = 0; t < PageControl1_->count(); ++t) {
        QSet<QChar> usate = comuni;
        RendiAcceleratoriUnici(PageControl1_->widget(t)->findChildren<QAbstractButton*>(), usate);
    }
    for (QMenu* m : menu_) RendiAcceleratoriUnici(m->actions());
    if (MsgDisposizioneStrada(stato_.DispPali)) strada_.disposizione->setText(Qm(MsgDisposizioneStrada(stato_.DispPali)));
    if (stato_.DispPaliA) percorso_.disposizione->setText(Qm(458 + stato_.DispPaliA));
    if (stato_.LmMin != 0 && stato_.UoMin != 0 && stato_.UlMin != 0 && stato_.TiMax != 0) AggiornaRiassuntoStrada();
    if (stato_.EmMin != 0) AggiornaRiassuntoPercorso();
}

void TVelaro::AggiornaRiepilogo() {
    strada_.riepilogo->Aggiorna();
    percorso_.riepilogo->Aggiorna();
    MostraModificato();
}

void TVelaro::MostraStato() {
    AggiornaDisposizione();
    if (stato_.LmMin != 0) AggiornaRiassuntoStrada();
    if (stato_.EmMin != 0) AggiornaRiassuntoPercorso();
    Regole();
}

void TVelaro::AggiornaRiassuntoStrada() {
    static const char* const pavimenti[] = {"C1", "C2", "R1", "R2", "R3", "R4"};
    const int p = stato_.ClassePav >= 0 && stato_.ClassePav < 6 ? stato_.ClassePav : 1;
    strada_.riassunto[0]->setText(Qm(50) + QStringLiteral(": ") + QLatin1String(pavimenti[p]));
    strada_.riassunto[1]->setText(Qm(51) + QStringLiteral(": ") + Generale(stato_.Deprezz * 100) + QLatin1Char('%'));
    strada_.riassunto[2]->setText(QStringLiteral("Lm= ") + Generale(stato_.LmMin) + QStringLiteral(" cd/m2"));
}

void TVelaro::AggiornaRiassuntoPercorso() {
    // The class with the standard whose tables give its requirements.
    percorso_.riassunto[0]->setText(Qm(205) + QLatin1Char(' ') + NomeClasse(stato_.ClasseA) +
                                    (stato_.ClasseA.empty() ? QString() : QStringLiteral(" (") + TestoNormaClasse(stato_) + QLatin1Char(')')));
    percorso_.riassunto[1]->setText(Qm(51) + QStringLiteral(": ") + Generale(stato_.DeprezzA * 100) + QLatin1Char('%'));
    percorso_.riassunto[2]->setText(QStringLiteral("Em= ") + Generale(stato_.EmMin) + QStringLiteral(" lx"));
}

void TVelaro::AggiornaDisposizione() {
    const int testo = MsgDisposizioneStrada(stato_.DispPali);
    strada_.disposizione->setText(testo ? Qm(testo) : QString());
    percorso_.disposizione->setText(stato_.DispPaliA ? Qm(458 + stato_.DispPaliA) : QString());
}

// Rule R, which also hides: a design that lost its photometry, arrangement,
// requirements or road description cannot be run.
void TVelaro::RegolaR() {
    const bool si = stato_.FotoCaricata && stato_.DispPali != 0 && stato_.LmMin != 0 && stato_.UoMin != 0 &&
                    stato_.UlMin != 0 && stato_.TiMax != 0 && stato_.StradaDef;
    strada_.ottimizza->setVisible(si);
    voci_[VoceProgettoStradale]->setEnabled(si);
    const bool opzioni = si || voci_[VoceProgettoCiclo]->isEnabled();
    RadioGroup1_->setVisible(opzioni);
    RadioGroup2_->setVisible(opzioni);
}

void TVelaro::RegolaA() {
    const bool si = stato_.FotoCaricata && stato_.DispPaliA != 0 && stato_.EmMin != 0 && stato_.StradaDefA;
    percorso_.ottimizza->setVisible(si);
    voci_[VoceProgettoCiclo]->setEnabled(si);
    const bool opzioni = si || voci_[VoceProgettoStradale]->isEnabled();
    RadioGroup1_->setVisible(opzioni);
    RadioGroup2_->setVisible(opzioni);
}

void TVelaro::MostraLarghezza(SchedaProgetto& s, bool percorso) {
    const Larghezza& l = percorso ? larghezzaPercorso_ : larghezzaStrada_;
    s.larghezza->setText(l.definita ? Generale(l.centimetri / 100.0) : Qm(47));
}

void TVelaro::MostraCorsie() { NCorsieT_->setText(corsie_.definite ? QString::number(corsie_.n) : Qm(47)); }

void TVelaro::PassoLarghezza(SchedaProgetto& s, bool percorso, int verso) {
    Larghezza& l = percorso ? larghezzaPercorso_ : larghezzaStrada_;
    if (!l.definita) {
        if (verso > 0) l = {10, true};
    } else {
        l.centimetri += 10 * verso;
        if (l.centimetri <= 0) l.definita = false;
    }
    if (l.definita) (percorso ? stato_.LargStradaA : stato_.LargStrada) = l.centimetri / 100.0;
    MostraLarghezza(s, percorso);
    ImpostaDefinizione();
}

// A typed width is taken when the field is left, within the widths a design
// may have; anything else is refused with the field named and the width shown
// before comes back. "Definire" left as it is changes nothing.
void TVelaro::LarghezzaScritta(SchedaProgetto& s, bool percorso) {
    Larghezza& l = percorso ? larghezzaPercorso_ : larghezzaStrada_;
    const QString testo = s.larghezza->text().trimmed();
    if (testo == Qm(47) || (l.definita && testo == Generale(l.centimetri / 100.0))) return;
    const QString nome = s.didascalie[3]->text().isEmpty() ? s.didascalieProprie[3]->text() : s.didascalie[3]->text();
    const auto v = NumeroNelLimite(s.larghezza, nome, percorso ? "LargStradaA" : "LargStrada", *ui_);
    if (v) {
        l = {static_cast<int>(std::lround(*v * 100)), true};
        (percorso ? stato_.LargStradaA : stato_.LargStrada) = l.centimetri / 100.0;
        s.frecceLarghezza->ImpostaPosizione(static_cast<int>(std::lround(*v * 10)) - 1);
    }
    MostraLarghezza(s, percorso);
    ImpostaDefinizione();
}

void TVelaro::ImpostaDefinizione() {
    stato_.StradaDef = larghezzaStrada_.definita && corsie_.definite;
    stato_.StradaDefA = larghezzaPercorso_.definita && corsie_.definite;
    Regole();
}

void TVelaro::PassoCorsie(int verso) {
    if (!corsie_.definite) {
        if (verso > 0) corsie_ = {1, true};
    } else {
        corsie_.n += verso;
        if (corsie_.n < 1) corsie_.definite = false;
    }
    if (corsie_.definite) stato_.NCorsie = corsie_.n;
    MostraCorsie();
    stato_.StradaDef = larghezzaStrada_.definita && corsie_.definite;
    stato_.StradaDefA = larghezzaPercorso_.definita && corsie_.definite;
    Regole();
}

// The window's part of the reset.
void TVelaro::AgganciaInizializza(AgganciInizializza& a) {
    a.RipristinaFinestra = [this] { RipristinaFinestra(); };
    a.SvuotaNomiApparecchio = [this] {
        strada_.fotometria->clear();
        percorso_.fotometria->clear();
    };
    a.MostraDeprezzMasterplan = [this](double d) { DeprezzMaster_->setText(Generale(d)); };
}

void TVelaro::RipristinaFinestra() {
    const QSignalBlocker b1(risultati_[0]);
    risultati_[0]->setChecked(true);
    limiti_[0]->setChecked(true);
    MaskEdit1_->clear();
    MaskEdit1_->setVisible(false);
    BitBtn5_->setVisible(false);
    voci_[VoceDatiFotometrici]->setEnabled(false);
    for (SchedaProgetto* s : {&strada_, &percorso_}) {
        ImpostaScelta(s->sceltaInclina, SceltaDefinita);
        s->inclina->setValue(0);
        s->inclina->setEnabled(true);
        ImpostaScelta(s->sceltaAltezza, SceltaVariabile);
        ImpostaScelta(s->sceltaSbraccio, SceltaVariabile);
        s->altezza->clear();
        s->altezza->setVisible(false);
        s->sbraccio->clear();
        s->sbraccio->setVisible(false);
        s->frecceLarghezza->ImpostaPosizione(69);
        s->disposizione->clear();
        for (QLabel* l : s->riassunto) l->clear();
    }
    larghezzaStrada_ = {700, true};
    larghezzaPercorso_ = {700, true};
    corsie_ = {2, true};
    UpDown4_->ImpostaPosizione(3);
    MostraLarghezza(strada_, false);
    MostraLarghezza(percorso_, true);
    MostraCorsie();
    strada_.ottimizza->setVisible(false);
    percorso_.ottimizza->setVisible(false);
    voci_[VoceProgettoStradale]->setEnabled(false);
    voci_[VoceProgettoCiclo]->setEnabled(false);
    RadioGroup1_->setVisible(false);
    RadioGroup2_->setVisible(false);
}

void TVelaro::ImpostaScelta(QComboBox* c, int scelta) {
    const QSignalBlocker blocco(c);
    c->setCurrentIndex(scelta);
    c->setProperty("scelta", scelta);
}

void TVelaro::MostraProgetto(const StatoProgetto& s) {
    auto geometria = [this](SchedaProgetto& t, double h, double sb, double incl) {
        const bool hFissa = h != HPaloVariabile;
        ImpostaScelta(t.sceltaAltezza, hFissa ? SceltaDefinita : SceltaVariabile);
        t.altezza->setVisible(hFissa);
        t.altezza->setText(hFissa ? Generale(h) : QString());
        const bool sFisso = sb != SbraccioVariabile;
        ImpostaScelta(t.sceltaSbraccio, sFisso ? SceltaDefinita : SceltaVariabile);
        t.sbraccio->setVisible(sFisso);
        t.sbraccio->setText(sFisso ? Generale(sb) : QString());
        const bool iFissa = incl != InclinaVariabile;
        ImpostaScelta(t.sceltaInclina, iFissa ? SceltaDefinita : SceltaVariabile);
        const QSignalBlocker blocco(t.inclina);
        t.inclina->setValue(iFissa ? static_cast<int>(std::lround(incl)) : 0);
        t.inclina->setEnabled(iFissa);
    };
    geometria(strada_, s.HPalo, s.Sbraccio, s.Inclina);
    geometria(percorso_, s.HPaloA, s.SbraccioA, s.InclinaA);
    auto larghezza = [](double m) {
        const long centimetri = std::lround(m * 100);
        return Larghezza{static_cast<int>(centimetri), centimetri > 0};
    };
    larghezzaStrada_ = larghezza(s.LargStrada);
    larghezzaPercorso_ = larghezza(s.LargStradaA);
    corsie_ = {s.NCorsie, s.NCorsie >= 1};
    strada_.frecceLarghezza->ImpostaPosizione(static_cast<int>(std::lround(larghezzaStrada_.centimetri / 10.0)) - 1);
    percorso_.frecceLarghezza->ImpostaPosizione(static_cast<int>(std::lround(larghezzaPercorso_.centimetri / 10.0)) - 1);
    UpDown4_->ImpostaPosizione(corsie_.n + 1);
    MostraLarghezza(strada_, false);
    MostraLarghezza(percorso_, true);
    MostraCorsie();
    stato_.StradaDef = larghezzaStrada_.definita && corsie_.definite;
    stato_.StradaDefA = larghezzaPercorso_.definita && corsie_.definite;
    AggiornaDisposizione();
    AggiornaRiassuntoStrada();
    if (s.TipoProgetto != 0) AggiornaRiassuntoPercorso();
    if (s.TipoLimite == 1) {
        limiti_[1]->setChecked(true);
        MaskEdit1_->setText(Generale(s.ValLimite));
        MaskEdit1_->setVisible(true);
    }
}

}  // namespace nottaro::ui
