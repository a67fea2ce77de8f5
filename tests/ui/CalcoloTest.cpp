// The optimisation run from the main window: the same rows as the command
// line, a stop that leaves a valid table, a window thread that stays free.
#include <QComboBox>
#include <algorithm>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <QLabel>
#include <QProgressBar>

#include "Finestre.h"
#include "SupportoUi.h"
#include "store/TabellaDbf.h"
#include "ui/calcolo/FinestraOttimizza.h"
#include "ui/comune/Testi.h"

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

// Closes the run window as soon as its run has ended (the browser's
// question 139 is answered by the scripted interaction).
void ChiudiAllaFine(QDialog* d) {
    auto* f = qobject_cast<ui::FinestraOttimizza*>(d);
    QVERIFY2(f, "the run window did not open");
    const auto chiudi = [f] { QTimer::singleShot(0, f, [f] { f->close(); }); };
    using Fase = ui::FinestraOttimizza::Fase;
    if (f->FaseCorrente() == Fase::Pronta || f->FaseCorrente() == Fase::InCorso)
        QObject::connect(f, &ui::FinestraOttimizza::CalcoloFinito, f, chiudi);
    else chiudi();
}

}  // namespace

class CalcoloTest : public QObject {
    Q_OBJECT
private slots:
    void UnProgettoCaricatoDaLeRigheDellaRigaDiComando() {
        const QString progetto = QString::fromStdString(Fixture("projects/percorso.nt0"));
        Banco b;
        b.finestra->ImpostaMostraCalcolo({});  // the window as the program shows it: modal
        int scatti = 0;
        QTimer timer;
        connect(&timer, &QTimer::timeout, this, [&] { ++scatti; });
        timer.start(1);
        b.fileScelti << progetto;
        // The load runs the project at its fixed spacing of 20 m, where nothing
        // complies: the path window opens its browser at once and says so.
        AlProssimoDialogo(ChiudiAllaFine);
        b.finestra->CaricaProgetto();
        QCOMPARE(b.stato->NRisultatiA, 0LL);
        QVERIFY(!b.stato->DaProgetto);
        // The explanation names the spacing the loaded project fixed.
        const std::string nessuna = Msg(134) + "\n" + Msg(135) + "\n" + Msg(136) + "\n" + Msg(137) + "\n" +
                                    ui::Ss(ui::Qm(2209).arg(QStringLiteral("20")));
        QVERIFY(std::any_of(b.ui.mostrati.begin(), b.ui.mostrati.end(), [&](const auto& v) { return v.testo == nessuna; }));
        // Then without a spacing limit, as the command line runs it by default.
        b.Trova<QRadioButton>("RadioGroup2Voce0")->click();
        QString titolo;
        AlProssimoDialogo([&](QDialog* d) {
            titolo = d->objectName();
            ChiudiAllaFine(d);
        });
        QVERIFY(b.finestra->Ottimizza(true));
        QCOMPARE(titolo, QStringLiteral("TCalcolaa"));
        QVERIFY(!b.finestra->CalcoloInCorso());
        const QString tabella = b.cartella.filePath(QStringLiteral("ntrluxa.dbf"));
        QVERIFY(b.stato->NRisultatiA > 0);
        QVERIFY2(scatti > 0, "the window thread stopped serving its timer during the run");

        QTemporaryDir altra;
        Cli({QStringLiteral("optimise"), QStringLiteral("--project"), progetto, QStringLiteral("--out"), altra.path()});
        const QByteArray attese = Cli({QStringLiteral("table"), altra.filePath(QStringLiteral("ntrluxa.dbf")), QStringLiteral("--csv")});
        const QByteArray trovate = Cli({QStringLiteral("table"), tabella, QStringLiteral("--csv")});
        QVERIFY(attese.count('\n') > 1);
        QCOMPARE(trovate, attese);
        QCOMPARE(RigheTabella(tabella.toStdString()), b.stato->NRisultatiA);
    }

    // The road button opens the road window with the tab's values; a stop
    // there leaves a table holding exactly the rows the design state counts.
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
        bool fermata = false;
        b.finestra->ImpostaMostraCalcolo([&](ui::FinestraOttimizza& f) {
            QCOMPARE(f.objectName(), QStringLiteral("TCalcola"));
            QCOMPARE(f.Richiesta().thread, 2);
            // "Interrompi" as soon as the run is under way.
            f.show();
            QTRY_VERIFY(f.FaseCorrente() != ui::FinestraOttimizza::Fase::Pronta);
            QCOMPARE(f.Richiesta().stato->HPalo, HPaloVariabile);  // the tab's swept height reached the run
            if (f.FaseCorrente() == ui::FinestraOttimizza::Fase::InCorso) {
                f.findChild<QPushButton*>(QStringLiteral("BitBtn1"))->click();
                fermata = true;
            }
            QTRY_VERIFY(f.FaseCorrente() == ui::FinestraOttimizza::Fase::Finita);
            // A stopped run says so; a run that ended first reads 100 %.
            const bool interrotta = f.Esito().risultato.interrotto;
            const auto& r = f.Esito().risultato;
            const int perc = interrotta ? static_cast<int>(r.candidati * 100 / std::max(r.totale, 1LL)) : 100;
            QCOMPARE(f.findChild<QProgressBar*>(QStringLiteral("ProgressBar1"))->value(), perc);
            if (interrotta)
                QVERIFY(f.findChild<QLabel*>(QStringLiteral("Candidati"))->text().startsWith(ui::Qm(2205).section(QLatin1Char('%'), 0, 0)));
            f.close();
        });
        b.Trova<QPushButton>("BitBtn6")->click();
        QVERIFY(fermata);
        const std::string tabella = b.cartella.filePath(QStringLiteral("ntrlux.dbf")).toStdString();
        QCOMPARE(RigheTabella(tabella), b.stato->NRisultati);
        QVERIFY(!b.finestra->CalcoloInCorso());
    }
};
NOTTARO_TEST_UI(CalcoloTest);
#include "CalcoloTest.moc"
