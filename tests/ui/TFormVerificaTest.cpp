// The identification dialog: clearing touches only the dialog, printing
// takes the edits and the solution's evaluation, saving writes a project
// file that loads back with them, photographs and the description's limit.
#include <QApplication>
#include <QFileDialog>
#include <QImage>
#include <QTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>

#include "CampioneUi.h"
#include "InterazioneScritta.h"
#include "SupportoUi.h"
#include "core/files/FileProgetto.h"
#include "core/state/Inizializza.h"
#include "ui/report/TFormVerifica.h"

using namespace nottaro;
using namespace nottaro::ui;
using test::Figlio;

class TFormVerificaTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        ui_ = test::InterazioneScritta{};
        stato_ = StatoProgetto{};
        Inizializza(stato_);
        stato_.DirProg = dir_.path().toStdString();
        stato_.PrjRiga1 = "P-1";
        stato_.PrjRiga3 = "Via Roma";
        stato_.PrjDescr = "prima riga\nseconda";
    }

    void CancellaEdEsciLascianoLIdentificazione() {
        TFormVerifica d(stato_, ui_, {});
        QCOMPARE(Figlio<QLineEdit>(d, "Edit1")->text(), QStringLiteral("P-1"));
        QCOMPARE(Figlio<QPlainTextEdit>(d, "Memo1")->toPlainText(), QStringLiteral("prima riga\nseconda"));
        ui_.risposte = {false, true};
        test::Clic(d, "BitBtn3");  // No: nothing cleared
        QCOMPARE(Figlio<QLineEdit>(d, "Edit1")->text(), QStringLiteral("P-1"));
        test::Clic(d, "BitBtn3");  // Yes
        QVERIFY(Figlio<QLineEdit>(d, "Edit1")->text().isEmpty());
        QVERIFY(Figlio<QPlainTextEdit>(d, "Memo1")->toPlainText().isEmpty());
        test::Clic(d, "BitBtn1");
        QCOMPARE(stato_.PrjRiga1, std::string("P-1"));
        QCOMPARE(stato_.PrjDescr, std::string("prima riga\nseconda"));
    }

    void StampaPassaLeRigheELaValutazione() {
        TFormVerifica d(stato_, ui_, [](DatiReport& r) {
            r.osservatori.resize(3);
            r.EmCalc = 7;
        });
        DatiReport ricevuti;
        d.apriStampa = [&](DatiReport r) { ricevuti = std::move(r); };
        Figlio<QLineEdit>(d, "Edit1")->setText(QStringLiteral("P-2"));
        Figlio<QLineEdit>(d, "Edit5")->setText(QStringLiteral("dal palo 3 al palo 9"));
        test::Clic(d, "BitBtn2");
        QCOMPARE(ricevuti.PrjRiga1, std::string("P-2"));
        QCOMPARE(ricevuti.PrjRiga5, std::string("dal palo 3 al palo 9"));
        QCOMPARE(ricevuti.osservatori.size(), std::size_t(3));
        QCOMPARE(ricevuti.EmCalc, 7.0);
        QCOMPARE(stato_.PrjRiga1, std::string("P-2"));
    }

    void SalvaScriveUnProgettoCheSiRilegge() {
        const QString file = dir_.path() + "/salvato.nt0";
        TFormVerifica d(stato_, ui_, {});
        d.sceltaSalva = [&] { return file; };
        Figlio<QLineEdit>(d, "Edit3")->setText(QStringLiteral("Lungomare"));
        Figlio<QPlainTextEdit>(d, "Memo1")->setPlainText(QStringLiteral("riga 1\nriga 2"));
        test::Clic(d, "BitBtn5");
        StatoProgetto letto;
        Inizializza(letto);
        test::InterazioneScritta muto;
        QVERIFY(CaricaProgetto(file.toStdString(), letto, muto).letto);
        QCOMPARE(letto.PrjRiga3, std::string("Lungomare"));
        QCOMPARE(letto.PrjDescr, std::string("riga 1\nriga 2"));
        QCOMPARE(letto.PrjRiga1, std::string("P-1"));
        // Cancelled: nothing written, the state keeps its texts.
        d.sceltaSalva = [] { return QString(); };
        Figlio<QLineEdit>(d, "Edit3")->setText(QStringLiteral("Altro"));
        test::Clic(d, "BitBtn5");
        QCOMPARE(stato_.PrjRiga3, std::string("Lungomare"));
    }

    void IlSalvataggioOffreIlFileDiProgetto() {
        TFormVerifica d(stato_, ui_, {});
        QStringList filtri;
        QString suffisso;
        QTimer::singleShot(0, [&] {
            if (auto* f = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
                filtri = f->nameFilters();
                suffisso = f->defaultSuffix();
                f->reject();
            }
        });
        test::Clic(d, "BitBtn5");
        QCOMPARE(suffisso, QStringLiteral("nt0"));
        QVERIFY2(!filtri.isEmpty() && filtri.front().contains(QStringLiteral("(*.nt0)")), qPrintable(filtri.join(';')));
    }

    void FotografieEDescrizioneLimitata() {
        QImage i(300, 100, QImage::Format_RGB32);
        i.fill(Qt::darkGreen);
        const QString foto = dir_.path() + "/impianto.png";
        i.save(foto);
        TFormVerifica d(stato_, ui_, {});
        d.sceltaFotografia = [&] { return foto; };
        test::Clic(d, "Button1");
        QCOMPARE(stato_.FotoImpianto, foto.toStdString());
        auto* img = Figlio<QLabel>(d, "Image1");
        QVERIFY(!img->isHidden());
        QCOMPARE(img->width(), 137);  // fitted: 300 x 100 into 137 x 121
        QCOMPARE(img->height(), 45);
        QVERIFY(Figlio<QLabel>(d, "Image2")->isHidden());
        auto* memo = Figlio<QPlainTextEdit>(d, "Memo1");
        memo->setPlainText(QString(500, QLatin1Char('x')));
        QCOMPARE(memo->toPlainText().size(), TFormVerifica::MaxDescrizione);
        const int lunghezze[] = {50, 50, 120, 120, 120};
        for (int k = 0; k < 5; ++k)
            QCOMPARE(Figlio<QLineEdit>(d, QStringLiteral("Edit%1").arg(k + 1).toLatin1().constData())->maxLength(), lunghezze[k]);
    }

private:
    QTemporaryDir dir_;
    StatoProgetto stato_;
    test::InterazioneScritta ui_;
};

NOTTARO_TEST_UI(TFormVerificaTest);
#include "TFormVerificaTest.moc"
