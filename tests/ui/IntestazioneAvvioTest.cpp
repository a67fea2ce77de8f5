// The main window loads Intestazioni/custom.LP of its program folder at
// start-up, and "C&onfigura Report di Stampa" opens the letterhead dialog
// on it.
#include <QAction>
#include <QDir>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

#include "Finestre.h"
#include "SupportoUi.h"
#include "report/LetteraIntestata.h"

using namespace nottaro;

class IntestazioneAvvioTest : public QObject {
    Q_OBJECT
private slots:
    void AvvioCaricaCustomLpEMenuApreIlDialogo() {
        QTemporaryDir dir;
        QDir(dir.path()).mkpath(QStringLiteral("Intestazioni"));
        Intestazione i;
        i.Societa = "Studio Città";
        QCOMPARE(ScriviLP((dir.path() + "/Intestazioni/custom.LP").toStdString(), i, "logo ditta.png"), std::string());
        StatoProgetto s;
        s.DirProg = dir.path().toStdString();
        test::InterazioneScritta ui;
        ui::TVelaro finestra(s, &ui);
        QCOMPARE(s.Intest.Societa, std::string("Studio Città"));
        QCOMPARE(s.LogoIntest, std::string("logo ditta.png"));  // the whole name, inner blank kept
        QCOMPARE(s.DirIntest, (dir.path() + "/Intestazioni/").toStdString());
        QCOMPARE(ui.Conta("avviso"), 0);

        QString aperto, societa;
        test::AlProssimoDialogo([&](QDialog* d) {
            aperto = d->objectName();
            if (auto* e = d->findChild<QLineEdit*>(QStringLiteral("Edit1"))) societa = e->text();
            d->reject();
        });
        auto* voce = finestra.findChild<QAction*>(QStringLiteral("ConfiguraReport1"));
        QVERIFY(voce && voce->isEnabled());
        voce->trigger();
        QCOMPARE(aperto, QStringLiteral("TPersonal"));
        QCOMPARE(societa, QStringLiteral("Studio Città"));
    }
};

NOTTARO_TEST_UI(IntestazioneAvvioTest);
#include "IntestazioneAvvioTest.moc"
