// The optimisation window runs the sweep on a worker: its rows are the
// command line's, the window answers while it runs, a stop or a close keeps a
// valid table, an empty run explains itself, and closing saves the table
// safely.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTableView>
#include <QTimer>

#include <filesystem>

#include "InterazioneScritta.h"
#include "ProgettiProva.h"
#include "Schermata.h"
#include "SupportoRisultati.h"
#include "SupportoUi.h"
#include "core/i18n/Messaggi.h"
#include "ui/comune/Testi.h"
#include "ui/isolum/TIsolum.h"
#include "ui/risultati/ModelloSoluzioni.h"

using namespace nottaro;
using namespace nottaro::ui;
using test::Figlio;

namespace {

// A sweep long enough to be stopped: height, overhang and tilt swept.
void SweepLungo(StatoProgetto& s) {
    s.HPalo = 0;
    s.Sbraccio = 99;
    s.Inclina = 99;
}

bool Mostrato(const test::InterazioneScritta& ui, const std::string& tipo, const std::string& testo) {
    for (const auto& v : ui.mostrati)
        if (v.tipo == tipo && v.testo.find(testo) != std::string::npos) return true;
    return false;
}

}  // namespace

class FinestraOttimizzaTest : public QObject {
    Q_OBJECT
private slots:
    void RigheUgualiAllaRigaDiComando_data() {
        QTest::addColumn<QString>("progetto");
        QTest::addColumn<bool>("percorso");
        QTest::newRow("road") << "strada.nt0" << false;
        QTest::newRow("path") << "percorso.nt0" << true;
    }
    void RigheUgualiAllaRigaDiComando() {
        QFETCH(QString, progetto);
        QFETCH(bool, percorso);
        QTemporaryDir dir, dirCli;
        StatoProgetto s;
        QVERIFY(test::CaricaProgettoProva(s, progetto.toStdString(), dir));
        test::InterazioneScritta ui;
        FinestraOttimizza f(s, ui, percorso);
        QVERIFY(test::EseguiFinestra(f));
        QVERIFY(Figlio<QPushButton>(f, "BitBtn1")->isHidden());
        QVERIFY(!Figlio<QPushButton>(f, "BitBtn2")->isHidden());
        QCOMPARE(Figlio<QLabel>(f, "Label4")->text(), QStringLiteral("100%"));
        Figlio<QPushButton>(f, "BitBtn2")->click();

        test::Cli({"optimise", "--project", QString::fromStdString(test::FileFixture("projects/" + progetto.toStdString())),
                   "--all-results", "--out", dirCli.path(), "--threads", "2"});
        const test::Righe attese =
            test::RigheDelFile((dirCli.path() + (percorso ? "/ntrluxa.dbf" : "/ntrlux.dbf")).toStdString());
        QVERIFY(attese.size() > 10);
        QCOMPARE(test::RigheDi(f.Tabella()), attese);
        QCOMPARE(f.Modello()->rowCount(), static_cast<int>(attese.size()));
        QCOMPARE(Figlio<QLabel>(f, "Label17")->text(), QString::number(attese.size()));
        QCOMPARE(Figlio<QLabel>(f, "Label19")->text(),
                 percorso ? QStringLiteral("Em = 10lx") : QStringLiteral("Lm = 1cd/m^2"));
        QCOMPARE(Figlio<QLabel>(f, "Label141")->text(), QString::fromStdString(Msg(percorso ? 477 : 141)));
        QVERIFY(Figlio<QTableView>(f, "DBGrid1")->isColumnHidden(0));
        QCOMPARE(ui.Conta("informazione"), 0);
        ui.predefinita = false;  // no save
        f.close();
    }

    // An empty run, and a run stopped by the row limit.
    void CorseCheSiFermanoOSonoVuote_data() {
        QTest::addColumn<bool>("vuota");
        QTest::newRow("no row meets the class") << true;
        QTest::newRow("row limit") << false;
    }
    void CorseCheSiFermanoOSonoVuote() {
        QFETCH(bool, vuota);
        QTemporaryDir dir;
        StatoProgetto s;
        QVERIFY(test::CaricaProgettoProva(s, "strada.nt0", dir));
        if (vuota) {
            s.TuttiRisultati = false;
            s.LmMin = 1000;
        }
        test::InterazioneScritta ui;
        FinestraOttimizza f(s, ui, false);
        f.limiteRighe = 5;
        QVERIFY(test::EseguiFinestra(f));
        Figlio<QPushButton>(f, "BitBtn2")->click();
        const std::size_t righe = vuota ? 0 : 5;
        QCOMPARE(f.Tabella().NumeroRighe(), righe);
        QCOMPARE(test::RigheDelFile(f.Tabella().Percorso()).size(), righe);
        QCOMPARE(Mostrato(ui, "avviso", Msg(480)), !vuota);
        const std::string spiegazione = Msg(134) + "\n" + Msg(135) + "\n" + Msg(136) + "\n" + Msg(137);
        QCOMPARE(Mostrato(ui, "informazione", spiegazione), vuota);
        ui.predefinita = false;
        f.close();
    }

    // A path run continuing a loaded project opens the browser and its first
    // row at once, without OK, and the next run sweeps the spacing again.
    void PercorsoDaProgettoApreLaPrimaRiga() {
        QTemporaryDir dir;
        StatoProgetto s;
        QVERIFY(test::CaricaProgettoProva(s, "percorso.nt0", dir));
        s.DaProgetto = true;
        s.Interdist = 20;
        test::InterazioneScritta ui;
        FinestraOttimizza f(s, ui, true);
        double interAperta = 0;
        f.mostraDettaglio = [&](TIsolum& v) { interAperta = v.Vista().Interdist; };
        QVERIFY(test::EseguiFinestra(f));
        QCOMPARE(f.FaseCorrente(), FinestraOttimizza::Fase::Browser);
        QVERIFY(!s.DaProgetto);
        QCOMPARE(interAperta, 20.0);
        ui.predefinita = false;
        f.close();
    }

    // "Interrompi" at the first progress report: the table then holds exactly
    // the rows the run reports, and the window thread served a timer meanwhile.
    void FermataAlPrimoProgresso() {
        QTemporaryDir dir;
        StatoProgetto s;
        QVERIFY(test::CaricaProgettoProva(s, "strada.nt0", dir));
        SweepLungo(s);
        test::InterazioneScritta ui;
        FinestraOttimizza f(s, ui, false);
        int battiti = 0;
        QTimer timer;
        connect(&timer, &QTimer::timeout, [&] { ++battiti; });
        timer.start(5);
        f.show();
        QVERIFY(QTest::qWaitFor([&] { return !Figlio<QLabel>(f, "Candidati")->text().isEmpty(); }, 30000));
        const int battitiAllaFermata = battiti;
        test::SalvaSchermata(&f, QStringLiteral("TCalcola-corsa"));
        Figlio<QPushButton>(f, "BitBtn1")->click();
        QVERIFY(test::EseguiFinestra(f));
        QVERIFY(f.Esito().risultato.interrotto);
        QVERIFY(f.Esito().risultato.candidati < f.Esito().risultato.totale);
        QCOMPARE(static_cast<long long>(test::RigheDelFile(f.Tabella().Percorso()).size()),
                 f.Esito().risultato.NRisultati);
        QCOMPARE(s.NRisultati, f.Esito().risultato.NRisultati);
        QVERIFY2(battitiAllaFermata > 0, "the window thread was blocked by the run");
        f.close();
    }

    // Closing while the run goes on asks first: Yes stops it and closes with
    // the worker gone, No runs on. A window destroyed mid-run stops and joins.
    void ChiusuraDuranteLaCorsa_data() {
        QTest::addColumn<bool>("si");
        QTest::newRow("Yes") << true;
        QTest::newRow("No") << false;
    }
    void ChiusuraDuranteLaCorsa() {
        QFETCH(bool, si);
        QTemporaryDir dir;
        StatoProgetto s;
        QVERIFY(test::CaricaProgettoProva(s, "strada.nt0", dir));
        SweepLungo(s);
        test::InterazioneScritta ui;
        auto f = std::make_unique<FinestraOttimizza>(s, ui, false);
        f->show();
        QVERIFY(QTest::qWaitFor([&] { return f->FaseCorrente() == FinestraOttimizza::Fase::InCorso; }, 10000));
        ui.risposte = {si};
        f->close();
        QCOMPARE(ui.mostrati.back().testo, Msg(138));
        if (si) {
            QVERIFY(!f->isVisible());
            QCOMPARE(f->FaseCorrente(), FinestraOttimizza::Fase::Finita);
            QVERIFY(f->Esito().risultato.interrotto);
            QCOMPARE(static_cast<long long>(test::RigheDelFile(f->Tabella().Percorso()).size()),
                     f->Esito().risultato.NRisultati);
        } else {
            QVERIFY(f->isVisible());
            QCOMPARE(f->FaseCorrente(), FinestraOttimizza::Fase::InCorso);
            const std::string tabella = dir.path().toStdString() + "/ntrlux.dbf";
            f.reset();  // stops and joins
            QCOMPARE(test::RigheDelFile(tabella).size(), static_cast<std::size_t>(s.NRisultati));
        }
    }

    // Closing the browser: message 139, then the save dialog's choices.
    void SalvataggioAllaChiusura_data() {
        QTest::addColumn<QString>("caso");
        QTest::newRow("new file") << "nuovo";
        QTest::newRow("overwrite confirmed") << "sovrascrivi";
        QTest::newRow("target cannot be replaced") << "fallito";
        QTest::newRow("the run's own table") << "propria";
        QTest::newRow("dialog cancelled") << "annulla";
    }
    void SalvataggioAllaChiusura() {
        QFETCH(QString, caso);
        QTemporaryDir dir, altrove;
        StatoProgetto s;
        QVERIFY(test::CaricaProgettoProva(s, "strada.nt0", dir));
        test::InterazioneScritta ui;
        FinestraOttimizza f(s, ui, false);
        QVERIFY(test::EseguiFinestra(f));
        Figlio<QPushButton>(f, "BitBtn2")->click();
        QString destinazione = altrove.filePath("prova1.dbf");
        const QByteArray vecchio("old contents");
        if (caso == "sovrascrivi") {
            QFile v(destinazione);
            QVERIFY(v.open(QIODevice::WriteOnly));
            v.write(vecchio);
        }
        if (caso == "fallito") {
            // A folder in the way: the copy cannot be renamed over it.
            QVERIFY(QDir(altrove.path()).mkpath("prova1.dbf/dentro"));
        }
        if (caso == "propria") destinazione = dir.filePath("NTRLUX.DBF");
        QStringList scelte = {caso == "annulla" ? QString() : destinazione, QString()};
        f.sceltaFileSalva = [&] { return scelte.isEmpty() ? QString() : scelte.takeFirst(); };
        ui.risposte = {true, true};  // 139: save; 1207: replace
        f.close();
        const bool chiusa = caso == "nuovo" || caso == "sovrascrivi";
        QCOMPARE(!f.isVisible(), chiusa);
        QCOMPARE(ui.mostrati.front().testo, Msg(139));
        if (chiusa) {
            QCOMPARE(test::RigheDelFile(destinazione.toStdString()), test::RigheDelFile(dir.filePath("ntrlux.dbf").toStdString()));
            QCOMPARE(Mostrato(ui, "conferma", Ss(Qm(1207).arg(destinazione))), caso == "sovrascrivi");
        }
        if (caso == "fallito") {
            QVERIFY(Mostrato(ui, "avviso", Ss(Qm(1611).arg(destinazione, QString()))));
            QVERIFY(QFileInfo(destinazione + "/dentro").isDir());
            QCOMPARE(QDir(altrove.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).size(), 1);
        }
        if (caso == "propria") QVERIFY(Mostrato(ui, "avviso", Ss(Qm(1612).arg(destinazione))));
        if (!chiusa) {
            QCOMPARE(f.FaseCorrente(), FinestraOttimizza::Fase::Browser);
            QCOMPARE(test::RigheDi(f.Tabella()).size(), static_cast<std::size_t>(s.NRisultati));
            ui.risposte = {false};
            f.close();
        }
    }
};

NOTTARO_TEST_UI(FinestraOttimizzaTest);
#include "FinestraOttimizzaTest.moc"
