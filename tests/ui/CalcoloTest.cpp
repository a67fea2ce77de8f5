// The optimisation run from the main window: the same rows as the command
// line, a stop that leaves a valid table, a window thread that stays free.
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include "Finestre.h"
#include "SupportoUi.h"
#include "store/TabellaDbf.h"

using namespace nottaro;
using namespace nottaro::test;

namespace {

QByteArray Cli(const QStringList& argomenti) {
    QProcess p;
    p.start(QStringLiteral(NOTTARO_CLI), argomenti);
    p.waitForFinished(120000);
    return p.readAllStandardOutput();
}

long long RigheTabella(const std::string& percorso) {
    TabellaDbf t;
    t.CollegaFile(percorso);
    if (!t.Apri(true)) return -1;
    const auto n = static_cast<long long>(t.NumeroRighe());
    t.Chiudi();
    return n;
}

}  // namespace

class CalcoloTest : public QObject {
    Q_OBJECT
private slots:
    void UnProgettoCaricatoDaLeRigheDellaRigaDiComando() {
        const QString progetto = QString::fromStdString(Fixture("projects/percorso.nt0"));
        Banco b;
        int scatti = 0;
        QTimer timer;
        connect(&timer, &QTimer::timeout, this, [&] { ++scatti; });
        timer.start(1);
        b.fileScelti << progetto;
        // The load runs the project at its fixed spacing of 20 m, where nothing complies.
        b.finestra->CaricaProgetto();
        QCOMPARE(b.stato->NRisultatiA, 0LL);
        QCOMPARE(b.ui.mostrati.back().testo, Msg(134) + "\n" + Msg(135) + "\n" + Msg(136) + "\n" + Msg(137));
        // Then without a spacing limit, as the command line runs it by default.
        b.Trova<QRadioButton>("RadioGroup2Voce0")->click();
        QVERIFY(b.finestra->Ottimizza(true));
        const QString tabella = b.cartella.filePath(QStringLiteral("ntrluxa.dbf"));
        QVERIFY(b.stato->NRisultatiA > 0);
        QVERIFY(!b.ui.progressi.empty());
        QVERIFY2(scatti > 0, "the window thread stopped serving its timer during the run");

        QTemporaryDir altra;
        Cli({QStringLiteral("optimise"), QStringLiteral("--project"), progetto, QStringLiteral("--out"), altra.path()});
        const QByteArray attese = Cli({QStringLiteral("table"), altra.filePath(QStringLiteral("ntrluxa.dbf")), QStringLiteral("--csv")});
        const QByteArray trovate = Cli({QStringLiteral("table"), tabella, QStringLiteral("--csv")});
        QVERIFY(attese.count('\n') > 1);
        QCOMPARE(trovate, attese);
        QCOMPARE(RigheTabella(tabella.toStdString()), b.stato->NRisultatiA);
    }

    void InterrompereLasciaUnaTabellaValida() {
        Banco b;
        b.fileScelti << QString::fromStdString(Fixture("projects/strada.nt0"));
        b.finestra->CaricaProgetto();  // a short run over the project's fixed geometry
        // Then every geometry value swept, a run long enough to be stopped.
        for (const char* n : {"ComboBox2", "ComboBox1", "ComboBox3"}) {
            auto* c = b.Trova<QComboBox>(n);
            c->setCurrentIndex(0);
            emit c->activated(0);
        }
        b.stato->DaProgetto = false;
        // Stop and close act as soon as the progress window is up: the whole
        // sweep of this project can take well under 100 ms.
        AlProssimoDialogo([](QDialog* d) {
            QTimer::singleShot(0, d, [d] { d->findChild<QPushButton*>(QStringLiteral("Interrompi"))->click(); });
        });
        b.finestra->Ottimizza(false);
        const std::string tabella = b.cartella.filePath(QStringLiteral("ntrlux.dbf")).toStdString();
        QCOMPARE(RigheTabella(tabella), b.stato->NRisultati);
        QVERIFY(!b.finestra->CalcoloInCorso());

        // Closing the window during a run stops it, waits for the table, then closes.
        AlProssimoDialogo([&b](QDialog*) { QTimer::singleShot(0, b.finestra.get(), [&b] { b.finestra->close(); }); });
        b.finestra->Ottimizza(false);
        QVERIFY(!b.finestra->isVisible());
        QCOMPARE(RigheTabella(tabella), b.stato->NRisultati);
    }
};

NOTTARO_TEST_UI(CalcoloTest);
#include "CalcoloTest.moc"
