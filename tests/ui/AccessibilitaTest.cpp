// Keyboard use in every language: one Alt+letter per command in each dialog,
// main-window tab and menu, every enabled control reachable with Tab, and F1
// opening the window's own section of the current language's help.
#include <QAbstractButton>
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <QTextBrowser>

#include <functional>
#include <memory>

#include "Finestre.h"
#include "SupportoUi.h"
#include "core/i18n/Lingua.h"
#include "core/state/Inizializza.h"
#include "ui/comune/Acceleratori.h"
#include "ui/dialoghi/TAboutBox.h"
#include "ui/dialoghi/TDefCalc.h"
#include "ui/dialoghi/TDefProg.h"
#include "ui/dialoghi/TDefProgettoA.h"
#include "ui/dialoghi/TFormDisposizione.h"
#include "ui/dialoghi/TLampProg.h"
#include "ui/dialoghi/TSourceProg.h"
#include "ui/principale/Aiuto.h"

using namespace nottaro;
using namespace nottaro::ui;

namespace {

// Accelerators that appear twice among `testi`, as "letter: caption, caption".
QStringList Doppi(const QStringList& testi) {
    QMap<QChar, QStringList> per;
    for (const QString& t : testi) {
        const QChar c = Acceleratore(t);
        if (!c.isNull()) per[c] << t;
    }
    QStringList doppi;
    for (auto it = per.cbegin(); it != per.cend(); ++it)
        if (it->size() > 1) doppi << QString(it.key()) + QStringLiteral(": ") + it->join(QStringLiteral(", "));
    return doppi;
}

QStringList Testi(const QList<QAbstractButton*>& pulsanti) {
    QStringList t;
    for (const QAbstractButton* b : pulsanti) t << b->text();
    return t;
}

QStringList Testi(const QList<QAction*>& voci) {
    QStringList t;
    for (const QAction* v : voci) t << v->text();
    return t;
}

// Controls that Tab should reach: shown, enabled, taking focus by Tab. The
// items of a radio group count as one: Tab enters the group, arrows move in it.
QList<QWidget*> Raggiungibili(QWidget* finestra) {
    QList<QWidget*> r;
    for (QWidget* w : finestra->findChildren<QWidget*>()) {
        if (!w->isVisible() || !w->isEnabled() || !(w->focusPolicy() & Qt::TabFocus) || w->focusProxy()) continue;
        r << w;
    }
    return r;
}

QObject* Gruppo(QWidget* w) { return qobject_cast<QRadioButton*>(w) ? w->parent() : w; }

QStringList NonRaggiunti(QWidget* finestra) {
    finestra->show();
    QApplication::setActiveWindow(finestra);
    if (!QTest::qWaitForWindowActive(finestra)) return {QStringLiteral("window not active")};
    const QList<QWidget*> attesi = Raggiungibili(finestra);
    if (attesi.isEmpty()) return {};
    attesi.first()->setFocus(Qt::TabFocusReason);
    QSet<QObject*> visti;
    for (int i = 0; i < attesi.size() * 3; ++i) {
        visti.insert(Gruppo(QApplication::focusWidget()));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    QStringList mancanti;
    for (QWidget* w : attesi)
        if (!visti.contains(Gruppo(w))) mancanti << w->objectName() + QLatin1Char('/') + QLatin1String(w->metaObject()->className());
    return mancanti;
}

StatoProgetto Predefinito(int lingua) {
    StatoProgetto s;
    Inizializza(s);
    s.Lingua = lingua;
    return s;
}

// Every design dialog over `s`.
std::vector<std::unique_ptr<QDialog>> Dialoghi(StatoProgetto& s, Interazione& ui) {
    std::vector<std::unique_ptr<QDialog>> d;
    d.push_back(std::make_unique<TDefProg>(s, ui));
    d.push_back(std::make_unique<TDefProgettoA>(s, ui));
    d.push_back(std::make_unique<TDefCalc>(s, ui));
    d.push_back(std::make_unique<TSourceProg>(s, ui, true));
    d.push_back(std::make_unique<TFormDisposizione>(false, 0));
    d.push_back(std::make_unique<TFormDisposizione>(true, 0));
    d.push_back(std::make_unique<TAboutBox>());
    d.push_back(std::make_unique<TLampProg>(DatiLampada{}, ui));
    return d;
}

}  // namespace

class AccessibilitaTest : public QObject {
    Q_OBJECT
private slots:
    void AcceleratoriUnici_data() {
        QTest::addColumn<int>("lingua");
        for (int l = 0; l < 5; ++l) QTest::newRow(Msg(66 + (l == 4 ? 183 : l), l).c_str()) << l;
    }
    void AcceleratoriUnici() {
        QFETCH(int, lingua);
        test::Banco b(lingua);
        auto* schede = b.Trova<QTabWidget>("PageControl1");
        QList<QAbstractButton*> comuni;
        for (const char* n : {"BitBtn4", "BitBtn3", "BitBtn5", "BitBtn8", "BitBtn7"}) comuni << b.Trova<QAbstractButton>(n);
        for (int t = 0; t < schede->count(); ++t) {
            const QStringList doppi = Doppi(Testi(comuni) + Testi(schede->widget(t)->findChildren<QAbstractButton*>()));
            QVERIFY2(doppi.isEmpty(), qPrintable(schede->tabText(t) + QStringLiteral(" - ") + doppi.join(QStringLiteral("; "))));
        }
        QVERIFY2(Doppi(Testi(b.finestra->menuBar()->actions())).isEmpty(), "menu bar");
        for (QMenu* m : b.finestra->findChildren<QMenu*>())
            QVERIFY2(Doppi(Testi(m->actions())).isEmpty(), qPrintable(m->title() + Doppi(Testi(m->actions())).join(QLatin1Char(';'))));
        StatoProgetto s = Predefinito(lingua);
        for (auto& d : Dialoghi(s, b.ui)) {
            const QStringList doppi = Doppi(Testi(d->findChildren<QAbstractButton*>()));
            QVERIFY2(doppi.isEmpty(), qPrintable(d->objectName() + QStringLiteral(": ") + doppi.join(QStringLiteral("; "))));
        }
    }

    void OgniControlloRaggiungibileConTab() {
        test::Banco b;
        b.stato->DispPali = 1;
        b.stato->LmMin = b.stato->UoMin = b.stato->UlMin = b.stato->TiMax = 1;
        b.fileScelti << QString::fromStdString(test::Fixture("photometry/eulumdat-plot_sample_01_isym3.ldt"));
        b.finestra->CaricaLdt();
        b.finestra->MostraStato();
        auto* schede = b.Trova<QTabWidget>("PageControl1");
        for (int t = 0; t < schede->count(); ++t) {
            schede->setCurrentIndex(t);
            const QStringList mancanti = NonRaggiunti(b.finestra.get());
            QVERIFY2(mancanti.isEmpty(), qPrintable(schede->tabText(t) + QStringLiteral(": ") + mancanti.join(QStringLiteral(", "))));
        }
        b.finestra->hide();
        StatoProgetto s = Predefinito(0);
        for (auto& d : Dialoghi(s, b.ui)) {
            const QStringList mancanti = NonRaggiunti(d.get());
            QVERIFY2(mancanti.isEmpty(), qPrintable(d->objectName() + QStringLiteral(": ") + mancanti.join(QStringLiteral(", "))));
            d->hide();
        }
    }

    void F1ApreLaSezioneNellaLinguaCorrente() {
        StatoProgetto s = Predefinito(LinguaSpagnolo);
        s.DirProg = std::string(NOTTARO_SOURCE_DIR) + "/data";
        AdottaLingua(s);
        ImpostaFileAiuto(QString::fromStdString(s.FileHelp));
        test::InterazioneScritta ui;
        TDefProgettoA d(s, ui);
        d.show();
        QApplication::setActiveWindow(&d);
        QVERIFY(QTest::qWaitForWindowActive(&d));
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : &d, Qt::Key_F1);
        QTextBrowser* browser = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == QStringLiteral("FinestraAiuto") && w->isVisible())
                browser = w->findChild<QTextBrowser*>();
        QVERIFY(browser);
        QCOMPARE(browser->source().fragment(), QStringLiteral("TDefProgettoA"));
        QVERIFY(browser->source().path().endsWith(QStringLiteral("help/es/index.html")));
        QVERIFY(browser->toPlainText().contains(QStringLiteral("Parámetros del proyecto ciclista/peatonal")));
        browser->window()->close();

        ImpostaFileAiuto(QStringLiteral("/manca/help/es/index.html"));
        ApriAiuto(nullptr, QStringLiteral("TVelaro"));
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == QStringLiteral("FinestraAiuto") && w->isVisible())
                browser = w->findChild<QTextBrowser*>();
        QVERIFY(browser->toPlainText().contains(QStringLiteral("/manca/help/es/index.html")));
        browser->window()->close();
    }
};

NOTTARO_TEST_UI(AccessibilitaTest);
#include "AccessibilitaTest.moc"
