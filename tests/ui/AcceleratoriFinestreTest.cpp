// Alt+letter in every window and language: the accelerators a window shows
// at one time (buttons, menu bar, tabs, labels of fields, checkable frames)
// are found at run time, so controls added later are held to the same rule:
// no letter twice, and each press reaches its own control at the first go.
#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QShortcutEvent>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

#include "Finestre.h"
#include "SupportoUi.h"
#include "TutteLeFinestre.h"
#include "core/i18n/Lingua.h"
#include "core/state/Inizializza.h"
#include "ui/comune/Campi.h"
#include "ui/comune/Acceleratori.h"

using namespace nottaro;
using namespace nottaro::ui;

namespace {

// A control that answers an Alt+letter: the object the key reaches and a
// name for the failure messages.
struct Portatore {
    QChar lettera;
    QObject* destinatario;
    QString nome;
};

QString Nome(const QObject* o, const QString& testo) {
    return o->objectName() + QLatin1Char('/') + QLatin1String(o->metaObject()->className()) + QStringLiteral(" \"") +
           testo + QLatin1Char('"');
}

// Every accelerator the window shows now.
QList<Portatore> Portatori(QWidget* finestra) {
    QList<Portatore> p;
    auto aggiungi = [&p](const QString& testo, QObject* destinatario, const QString& nome) {
        const QChar c = Acceleratore(testo);
        if (!c.isNull()) p.append({c, destinatario, nome});
    };
    for (QAbstractButton* b : finestra->findChildren<QAbstractButton*>())
        if (b->isVisible() && b->isEnabled()) aggiungi(b->text(), b, Nome(b, b->text()));
    for (QLabel* l : finestra->findChildren<QLabel*>())
        if (l->isVisible() && l->buddy()) aggiungi(l->text(), l, Nome(l, l->text()));
    for (QGroupBox* g : finestra->findChildren<QGroupBox*>())
        if (g->isVisible() && g->isEnabled() && g->isCheckable()) aggiungi(g->title(), g, Nome(g, g->title()));
    for (QTabBar* t : finestra->findChildren<QTabBar*>())
        if (t->isVisible())
            for (int i = 0; i < t->count(); ++i)
                if (t->isTabEnabled(i) && t->isTabVisible(i)) aggiungi(t->tabText(i), t, Nome(t, t->tabText(i)));
    for (QMenuBar* m : finestra->findChildren<QMenuBar*>())
        if (m->isVisible())
            for (QAction* a : m->actions())
                if (a->isVisible() && a->isEnabled()) aggiungi(a->text(), m, Nome(m, a->text()));
    return p;
}

// Records which objects an Alt+letter reached, and whether Qt found the key
// ambiguous; the event is taken, so nothing is clicked or opened.
class Spia : public QObject {
public:
    struct Colpo {
        QObject* destinatario;
        bool ambiguo;
    };
    QList<Colpo> colpi;
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() != QEvent::Shortcut) return false;
        colpi.append({o, static_cast<QShortcutEvent*>(e)->isAmbiguous()});
        return true;
    }
};

// The faults of the window as it is shown now.
QStringList Difetti(QWidget* finestra, const QString& vista) {
    QStringList difetti;
    const QList<Portatore> portatori = Portatori(finestra);
    QMap<QChar, QStringList> perLettera;
    for (const Portatore& p : portatori) perLettera[p.lettera] << p.nome;
    for (auto it = perLettera.cbegin(); it != perLettera.cend(); ++it)
        if (it->size() > 1) difetti << vista + QStringLiteral(": Alt+") + it.key() + QStringLiteral(" on ") + it->join(QStringLiteral(", "));
    Spia spia;
    qApp->installEventFilter(&spia);
    for (const Portatore& p : portatori) {
        if (perLettera[p.lettera].size() > 1) continue;
        spia.colpi.clear();
        QWidget* bersaglio = QApplication::focusWidget() ? QApplication::focusWidget() : finestra;
        QTest::keyClick(bersaglio, Qt::Key(p.lettera.toUpper().unicode()), Qt::AltModifier);
        const bool giusto = spia.colpi.size() == 1 && spia.colpi[0].destinatario == p.destinatario && !spia.colpi[0].ambiguo;
        if (!giusto)
            difetti << vista + QStringLiteral(": Alt+") + p.lettera + QStringLiteral(" does not reach ") + p.nome +
                           QStringLiteral(" (%1 events)").arg(spia.colpi.size());
    }
    qApp->removeEventFilter(&spia);
    return difetti;
}

// The window shown and active, then each page of each of its tab widgets.
QStringList DifettiDiOgniPagina(QWidget* finestra, const QString& nome) {
    finestra->show();
    QApplication::setActiveWindow(finestra);
    if (!QTest::qWaitForWindowActive(finestra)) return {nome + QStringLiteral(": window not active")};
    QStringList difetti = Difetti(finestra, nome);
    for (QTabWidget* schede : finestra->findChildren<QTabWidget*>()) {
        if (!schede->isVisible()) continue;
        const int prima = schede->currentIndex();
        for (int t = 0; t < schede->count(); ++t) {
            if (t == prima || !schede->isTabEnabled(t) || !schede->isTabVisible(t)) continue;
            schede->setCurrentIndex(t);
            QApplication::processEvents();
            difetti += Difetti(finestra, nome + QLatin1Char('/') + SenzaAcceleratore(schede->tabText(t)));
        }
        schede->setCurrentIndex(prima);
    }
    finestra->hide();
    return difetti;
}

}  // namespace

class AcceleratoriFinestreTest : public QObject {
    Q_OBJECT
private slots:
    void OgniTastoRaggiungeIlSuoControllo_data() {
        QTest::addColumn<int>("lingua");
        const char* codici[] = {"it", "en", "fr", "de", "es"};
        for (int l = 0; l < 5; ++l) QTest::newRow(codici[l]) << l;
    }
    void OgniTastoRaggiungeIlSuoControllo() {
        QFETCH(int, lingua);
        QStringList difetti;
        {
            test::Banco b(lingua);
            b.fileScelti << QString::fromStdString(test::Fixture("photometry/eulumdat-plot_sample_01_isym3.ldt"));
            b.finestra->CaricaLdt();
            b.stato->DispPali = 1;
            b.stato->DispPaliA = 1;
            b.stato->LmMin = b.stato->UoMin = b.stato->UlMin = b.stato->TiMax = 1;
            b.stato->EmMin = 1;
            b.finestra->MostraStato();
            difetti += DifettiDiOgniPagina(b.finestra.get(), QStringLiteral("TVelaro"));
        }
        test::InterazioneScritta ui;
        ui.predefinita = false;
        for (const test::Finestra& f : test::TutteLeFinestre()) {
            StatoProgetto s;
            Inizializza(s);
            s.Lingua = lingua;
            ImpostaLinguaCatalogo(lingua);
            test::PreparaStato(s, ui);
            const auto finestra = f.costruisci(s, ui);
            difetti += DifettiDiOgniPagina(finestra.get(), QLatin1String(f.nome));
        }
        QVERIFY2(difetti.isEmpty(), qPrintable(difetti.join(QLatin1Char('\n'))));
    }
};

NOTTARO_TEST_UI(AcceleratoriFinestreTest);
#include "AcceleratoriFinestreTest.moc"
