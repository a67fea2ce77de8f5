// The main window's Masterplan tab: folders, the project workbook with its
// header scan, the "&Masterplan" button, and the design state the batch
// window leaves behind.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

#include <sstream>

#include "CartellaMasterplan.h"
#include "Finestre.h"
#include "SupportoUi.h"
#include "core/files/FileProgetto.h"
#include "ui/comune/CampoDecimale.h"
#include "ui/comune/FrecceSuGiu.h"
#include "ui/masterplan/TMasterPlan.h"

using namespace nottaro;
using namespace nottaro::test;

namespace {

std::string TestoProgetto(const StatoProgetto& s) {
    std::ostringstream o;
    ScriviFileProgetto(o, s);
    return o.str();
}

// Runs `f` on the Masterplan window once it is up, then closes it.
void NellaFinestra(std::function<void(ui::TMasterPlan*)> f) {
    AlProssimoDialogo([f](QDialog* d) {
        auto* w = qobject_cast<ui::TMasterPlan*>(d);
        QVERIFY(w);
        f(w);
        if (w->isVisible()) w->close();
    });
}

void AttendiCorsa(ui::TMasterPlan* w) {
    if (!w->InCorso()) return;
    QSignalSpy fine(w, &ui::TMasterPlan::CorsaFinita);
    QVERIFY(fine.wait(60000));
}

}  // namespace

class SchedaMasterplanTest : public QObject {
    Q_OBJECT
private slots:
    void CartellaAnnullataNonResta() {
        Banco b;
        b.fileScelti << b.cartella.path();
        b.Trova<QPushButton>("BitBtn14")->click();
        QCOMPARE(b.Trova<QLabel>("Label26")->text(), b.cartella.path());
        QVERIFY(b.richieste.back().soloCartelle);
        b.Trova<QPushButton>("BitBtn14")->click();  // cancelled
        QCOMPARE(b.ui.mostrati.back().testo, Msg(1932));
        QCOMPARE(b.Trova<QLabel>("Label26")->text(), QStringLiteral("Non definita"));
        QVERIFY(b.stato->DirLdtMaster.empty());
    }

    void CartellaDiLavoroControllataEPulsanteMasterplan() {
        Banco b;
        CartellaMasterplan base;
        auto senza = IntestazioniProva();
        senza[1] = "Strada";   // no "Via"
        senza[5] = "Classi";   // no "Classe"
        const std::string rifiutata = base.Cartella({StradaProva("R1", "Via")}, "senza.xlsx", senza);
        const std::string buona = base.Cartella({StradaProva("R1", "Via")}, "PIANO.XLSX");
        auto* masterplan = b.Trova<QPushButton>("BitBtn19");

        b.fileScelti << QString::fromStdString(rifiutata);
        b.Trova<QPushButton>("BitBtn17")->click();
        const QStringList filtri = b.richieste.back().filtri;
        for (const char* f : {"*.xls", "*.xlsm", "*.xlsx", "*.XLSX"}) QVERIFY2(filtri.join(' ').contains(QLatin1String(f)), f);
        const std::string messaggio = b.ui.mostrati.back().testo;
        QVERIFY(messaggio.find("VIA;") != std::string::npos && messaggio.find("CLASSE;") != std::string::npos);
        QCOMPARE(b.Trova<QLabel>("Label29")->text(), QStringLiteral("Non definito"));
        QVERIFY(b.stato->FileMaster.empty());

        // A workbook away from its photometry: the folder is still to choose.
        QDir().mkpath(QString::fromStdString(base.Percorso("altrove")));
        const std::string lontana = base.Percorso("altrove/PIANO.xlsx");
        QVERIFY(QFile::copy(QString::fromStdString(buona), QString::fromStdString(lontana)));
        b.fileScelti << QString::fromStdString(lontana);
        b.Trova<QPushButton>("BitBtn17")->click();
        QCOMPARE(b.Trova<QLabel>("Label29")->text(), QString::fromStdString(lontana));
        QVERIFY(masterplan->isHidden());  // no photometric folder yet
        QVERIFY(b.stato->DirLdtMaster.empty());
        QVERIFY(!b.Trova<QWidget>("RadioGroup1")->isHidden());
        b.fileScelti << QString::fromStdString(base.ldt);
        b.Trova<QPushButton>("BitBtn14")->click();
        QVERIFY(!masterplan->isHidden());
    }

    // The workbook kept with its photometry in ldt/ beside it (the shipped
    // sample) runs without a folder chosen; a folder already set stays.
    void CartellaLdtAccantoAlFileDiProgetto() {
        CartellaMasterplan base;
        const std::string piano = base.Cartella({StradaProva("R1", "Via")}, "PIANO.XLSX");
        {
            Banco b;
            b.fileScelti << QString::fromStdString(piano);
            b.Trova<QPushButton>("BitBtn17")->click();
            QCOMPARE(QDir::cleanPath(QString::fromStdString(b.stato->DirLdtMaster)), QString::fromStdString(base.ldt));
            QCOMPARE(QDir::cleanPath(b.Trova<QLabel>("Label26")->text()), QString::fromStdString(base.ldt));
            QVERIFY(!b.Trova<QPushButton>("BitBtn19")->isHidden());
        }
        {
            Banco b;
            b.stato->DirLdtMaster = base.Percorso("mia");
            b.fileScelti << QString::fromStdString(piano);
            b.Trova<QPushButton>("BitBtn17")->click();
            QCOMPARE(b.stato->DirLdtMaster, base.Percorso("mia"));
        }
    }

    // Open, check, run, close: the design is as it was, its own Lm and Em
    // excesses included, but for the factor set in the window.
    void StatoDelProgettoRipristinatoAllaChiusura() {
        Banco b;
        CartellaMasterplan base;
        b.stato->DirLdtMaster = base.ldt;
        b.stato->FileMaster = base.Cartella({StradaProva("R1", "Via Uno"), PercorsoProva("P1", "Pista")});
        b.stato->HPalo = 9;
        b.stato->Interdist = 31;
        b.stato->LmMin = 1.5;
        b.stato->DispPali = 4;
        b.stato->ErrLm = 25;
        b.stato->ErrEm = 30;
        b.finestra->MostraStato();
        b.finestra->findChild<QTabWidget*>(QStringLiteral("PageControl1"))->setCurrentIndex(2);
        StatoProgetto atteso = *b.stato;
        NellaFinestra([](ui::TMasterPlan* w) {
            w->Verifica();
            AttendiCorsa(w);
            QCOMPARE(static_cast<int>(w->Risultato().Righe.size()), 2);
            w->findChild<ui::FrecceSuGiu*>(QStringLiteral("UpDown3"))->Su()->click();
        });
        b.Trova<QPushButton>("BitBtn19")->click();
        atteso.Deprezz = 0.81;
        QCOMPARE(TestoProgetto(*b.stato), TestoProgetto(atteso));
        QCOMPARE(b.stato->Interdist, 31.0);
        QCOMPARE(b.stato->TuttiRisultati, atteso.TuttiRisultati);
        QCOMPARE(b.stato->TipoLimite, atteso.TipoLimite);
        QCOMPARE(b.stato->FotoCaricata, atteso.FotoCaricata);
        QCOMPARE(b.Trova<QLineEdit>("Deprezz")->text(), QStringLiteral("0.81"));
    }

    void ApriNelProgettoRiempieLaScheda() {
        Banco b;
        CartellaMasterplan base;
        b.stato->DirLdtMaster = base.ldt;
        b.stato->FileMaster = base.Cartella({StradaProva("R1", "Via Uno", "", "1", "2"), PercorsoProva("P1", "Pista", "S3")});
        std::string spaziatura, file;
        for (int riga : {0, 1}) {
            NellaFinestra([&, riga](ui::TMasterPlan* w) {
                w->Verifica();
                AttendiCorsa(w);
                const auto& c = w->Risultato().Righe[static_cast<std::size_t>(riga)].Celle;
                spaziatura = c[mp::TSol1 + mp::SInt];
                file = c[mp::TSol1 + mp::SFotometrica];
                QVERIFY(w->ApriNelProgetto(riga));
            });
            b.Trova<QPushButton>("BitBtn19")->click();
            QCOMPARE(b.stato->Interdist, std::stod(spaziatura));
            QVERIFY(b.stato->DaProgetto);
            QCOMPARE(QString::fromStdString(b.stato->FileFoto), QString::fromStdString(base.ldt + "/" + file));
            QVERIFY(b.stato->FotoCaricata);
            QCOMPARE(b.stato->ErrLm, 20.0);  // the design's own, not the batch's
            QCOMPARE(b.stato->ErrEm, 20.0);
        }
        // The road row is still in the road tab; the path row is in the path tab.
        QCOMPARE(b.stato->HPalo, 8.0);
        QCOMPARE(b.stato->LmMin, 0.75);
        QCOMPARE(b.stato->DispPali, 1);
        QCOMPARE(b.stato->NCorsie, 2);
        QCOMPARE(b.Trova<QLineEdit>("HPaloT")->text(), QStringLiteral("8"));
        QCOMPARE(b.Trova<QLineEdit>("LSbraccio")->text(), QStringLiteral("0.5"));
        QCOMPARE(b.Trova<QLineEdit>("LStrada")->text(), QStringLiteral("7"));
        QCOMPARE(b.stato->TipoProgetto, 1);
        QCOMPARE(b.stato->HPaloA, 5.0);
        QCOMPARE(b.stato->EmMin, 7.5);
        QCOMPARE(b.stato->ClasseA, std::string("P3 o S3"));
        QCOMPARE(b.Trova<QLineEdit>("HPaloTA")->text(), QStringLiteral("5"));
        QCOMPARE(b.Trova<QLineEdit>("LStradaA")->text(), QStringLiteral("3"));
        QCOMPARE(b.Trova<QLabel>("Label6")->text(), QString::fromStdString(file));
        QCOMPARE(b.finestra->findChild<QTabWidget*>(QStringLiteral("PageControl1"))->currentIndex(), 1);
    }
};

NOTTARO_TEST_UI(SchedaMasterplanTest);
#include "SchedaMasterplanTest.moc"
