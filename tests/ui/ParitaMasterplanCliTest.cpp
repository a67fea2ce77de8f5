// The Masterplan window's table after a check and run started by its button
// holds, cell for cell, the rows `nottaro-cli masterplan --json` prints for
// the same workbook and photometric folder with the same settings.
#include <QAbstractItemModel>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>

#include "CartellaMasterplan.h"
#include "InterazioneScritta.h"
#include "SupportoUi.h"
#include "core/i18n/Messaggi.h"
#include "masterplan/OpzioniMP.h"
#include "masterplan/TabellaMP.h"
#include "ui/masterplan/TMasterPlan.h"

using namespace nottaro;
using namespace nottaro::test;

class ParitaMasterplanCliTest : public QObject {
    Q_OBJECT
private slots:
    void TabellaDellaFinestraComeQuellaDellaRigaDiComando() {
        CartellaMasterplan base;
        auto alta = StradaProva("R2", "Via Alta");
        alta[5] = "ME1";  // no spacing meets it: a row of no results
        const std::string cartella =
            base.Cartella({StradaProva("R1", "Via Uno"), alta, PercorsoProva("P1", "Pista"), RotatoriaProva("T1"),
                           StradaProva("R3", "Via Tre", "25", "2", "1")});
        ImpostaLinguaCatalogo(0);
        StatoProgetto stato;
        stato.Inizializza();
        stato.Lingua = 0;
        stato.DirProg = base.dir.path().toStdString();
        stato.DirLdtMaster = base.ldt;
        stato.FileMaster = cartella;
        mp::ImpostaErrMasterplan(stato);  // as the main window opens the batch
        InterazioneScritta ui;
        ui::TMasterPlan finestra(stato, ui);
        finestra.thread = 2;
        finestra.show();
        QSignalSpy fine(&finestra, &ui::TMasterPlan::CorsaFinita);
        // "Verifica": a clean workbook runs at once.
        QTest::mouseClick(finestra.findChild<QPushButton*>(QStringLiteral("BitBtn7")), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(fine.count() > 0 && !finestra.InCorso(), 120000);
        const QAbstractItemModel* tabella = finestra.findChild<QTableView*>(QStringLiteral("StringGrid1"))->model();

        QProcess p;
        p.start(QStringLiteral(NOTTARO_CLI),
                {QStringLiteral("masterplan"), QString::fromStdString(cartella), QStringLiteral("--ldt"),
                 QString::fromStdString(base.ldt), QStringLiteral("--threads"), QStringLiteral("2"), QStringLiteral("--json"),
                 QStringLiteral("--out"), base.dir.filePath(QStringLiteral("cli.xlsx")), QStringLiteral("--lang"),
                 QStringLiteral("it")});
        QVERIFY(p.waitForFinished(120000));
        const QJsonArray righe = QJsonDocument::fromJson(p.readAllStandardOutput()).object()[QStringLiteral("rows")].toArray();
        QVERIFY2(righe.size() == 5, p.readAllStandardError().constData());
        QCOMPARE(tabella->rowCount(), static_cast<int>(righe.size()));
        const auto& intestazioni = mp::IntestazioniTabella();
        int confrontate = 0;
        for (int r = 0; r < tabella->rowCount(); ++r) {
            const QJsonObject riga = righe[r].toObject();
            for (int k = 0; k < mp::NumColonneTabella; ++k) {
                const QString titolo = QString::fromStdString(intestazioni[static_cast<std::size_t>(k)]);
                if (titolo == QStringLiteral("-")) continue;
                QCOMPARE(tabella->headerData(k, Qt::Horizontal).toString(), titolo);
                const QString cella = tabella->data(tabella->index(r, k), Qt::EditRole).toString();
                QVERIFY2(cella == riga[titolo].toString(),
                         qPrintable(QStringLiteral("row %1, %2: window \"%3\", command line \"%4\"")
                                        .arg(r + 1).arg(titolo, cella, riga[titolo].toString())));
                ++confrontate;
            }
        }
        QVERIFY(confrontate > 5 * 10);
    }
};

NOTTARO_TEST_UI(ParitaMasterplanCliTest);
#include "ParitaMasterplanCliTest.moc"
