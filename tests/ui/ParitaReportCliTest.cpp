// The desktop report of a project's solution prints the figures
// `nottaro-cli report` prints for the same project: the sweep window stores
// the project's fixed geometry, the detail recomputation of that row and
// the verdict of the table view go to the report dialog, whose "PDF…"
// button writes the pages; the command line evaluates the project file.
// Both PDFs hold the same words on the same pages.
#include <QCheckBox>
#include <QFileInfo>
#include <QProcess>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include "CampioneUi.h"
#include "InterazioneScritta.h"
#include "ParolePdf.h"
#include "ProgettiProva.h"
#include "SupportoUi.h"
#include "core/text/Testo.h"
#include "report/DatiReport.h"
#include "store/TabellaDbf.h"
#include "ui/calcolo/FinestraOttimizza.h"
#include "ui/motore/MotoreRisultati.h"
#include "ui/report/AperturaStampa.h"
#include "ui/report/TprintP.h"

using namespace nottaro;
using namespace nottaro::ui;
using test::Figlio;

namespace {

QString Esegui(const QString& programma, const QStringList& argomenti) {
    QProcess p;
    p.start(programma, argomenti);
    p.waitForFinished(120000);
    return QString::fromUtf8(p.readAllStandardOutput()) + QString::fromUtf8(p.readAllStandardError());
}

}  // namespace

class ParitaReportCliTest : public QObject {
    Q_OBJECT
private slots:
    void ReportDelDesktopComeQuelloDellaRigaDiComando_data() {
        QTest::addColumn<QString>("progetto");
        QTest::addColumn<bool>("percorso");
        QTest::newRow("road") << QStringLiteral("strada.nt0") << false;
        QTest::newRow("path") << QStringLiteral("percorso.nt0") << true;
    }
    void ReportDelDesktopComeQuelloDellaRigaDiComando() {
        QFETCH(QString, progetto);
        QFETCH(bool, percorso);
        QTemporaryDir dir;
        test::InterazioneScritta ui;
        StatoProgetto s;
        QVERIFY(test::CaricaProgettoProva(s, progetto.toStdString(), dir));
        // The project's own geometry, stored whatever its figures.
        s.TipoLimite = 1;
        s.ValLimite = s.Interdist;
        s.Lingua = 0;
        {
            FinestraOttimizza f(s, ui, percorso);
            f.show();
            QVERIFY(QTest::qWaitFor([&] { return f.FaseCorrente() == FinestraOttimizza::Fase::Finita ||
                                                 f.FaseCorrente() == FinestraOttimizza::Fase::Browser; }, 120000));
        }
        TabellaDbf t;
        t.Collega(s.DirProg, percorso ? "NTRLUXA" : "NTRLUX");
        QVERIFY(t.Apri(true));
        // One row per lamp set swept: the project's chosen one is the set of its flux.
        const std::optional<double> lumen = ConvertiReale(s.SolLumen);
        std::size_t riga = 0;
        while (lumen && riga + 1 < t.NumeroRighe() && t.NumeroRiga(riga, "LUMEN") != lumen) ++riga;
        QVERIFY(t.VaiA(riga));
        const EsitoDettaglio dettaglio = CalcolaDettaglio(t, s, ui, percorso);
        QVERIFY2(dettaglio.ok, dettaglio.errore.c_str());
        t.Chiudi();
        // What "Identifica" then "Stampa" hand the report dialog.
        DatiReport d = DatiReportDaStato(s);
        AggiungiVista(d, dettaglio.vista);
        AggiungiVerificaStato(d, s);
        d.FileProgetto = QFileInfo(progetto).fileName().toStdString();
        TprintP dialogo(std::move(d), ui);
        const QString pdfDesktop = dir.filePath(QStringLiteral("desktop.pdf"));
        dialogo.sceltaFilePdf = [&] { return pdfDesktop; };
        Figlio<QRadioButton>(dialogo, "Dettaglio")->click();
        Figlio<QCheckBox>(dialogo, "CheckBox1")->setChecked(false);  // the presentation carries the letterhead
        test::Clic(dialogo, "BitBtnPdf");
        QCOMPARE(ui.Conta("avviso"), 0);

        const QString pdfCli = dir.filePath(QStringLiteral("cli.pdf"));
        const QString sezioni = percorso ? QStringLiteral("data,illuminance") : QStringLiteral("data,luminance,illuminance");
        const QString uscita = Esegui(QStringLiteral(NOTTARO_CLI),
                                      {QStringLiteral("report"), QStringLiteral("--project"),
                                       QString::fromStdString(test::FileFixture("projects/" + progetto.toStdString())),
                                       QStringLiteral("--sections"), sezioni, QStringLiteral("--lang"), QStringLiteral("it"),
                                       QStringLiteral("--out"), pdfCli});
        const QStringList desktop = test::Parole(test::TestoPdf(pdfDesktop)), cli = test::Parole(test::TestoPdf(pdfCli));
        QVERIFY2(desktop.size() > 2, qPrintable(uscita));
        QCOMPARE(desktop.size(), cli.size());
        for (qsizetype k = 0; k < desktop.size(); ++k) QCOMPARE(desktop[k], cli[k]);
    }
};

NOTTARO_TEST_UI(ParitaReportCliTest);
#include "ParitaReportCliTest.moc"
