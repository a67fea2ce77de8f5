// The report dialog: complete and detail modes of a road and a path, the
// printer path (a QPrinter writing PDF prints what the PDF writer prints),
// the "PDF…" button, and the table view's identify-and-print button.
#include <QCheckBox>
#include <QFile>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QProgressBar>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include "CampioneUi.h"
#include "InterazioneScritta.h"
#include "ParolePdf.h"
#include "Schermata.h"
#include "SupportoUi.h"
#include "report/StampaProgetto.h"
#include "ui/isolum/TIsolum.h"
#include "ui/report/TprintP.h"

using namespace nottaro;
using namespace nottaro::ui;
using test::Figlio;
using test::Parole;
using test::TestoPdf;

namespace {

DatiReport Dati(int tipo) {
    DatiReport d;
    d.TipoProgetto = tipo;
    d.NCorsie = 2;
    d.LargStrada = 7.5;
    d.LargStradaA = 3;
    d.Interdist = 30;
    d.PrjRiga1 = "P-17";
    d.Intest.Societa = "Studio Luce";
    d.EmCalc = 12.5, d.EminCalc = 4, d.EmaxCalc = 30;
    CampoReport c{3, 2, {1, 2, 3, 4, 5, 6}};
    d.illuminamenti = c;
    if (tipo == 0) d.osservatori = {{1.875, 1.1, 0.4, 0.6, c}, {5.625, 1.2, 0.45, 0.65, c}};
    return d;
}

}  // namespace

class StampaProgettoTest : public QObject {
    Q_OBJECT
private slots:
    void CompletoEDettaglio_data() {
        QTest::addColumn<int>("tipo");
        QTest::newRow("road") << 0;
        QTest::newRow("path") << 1;
    }
    void CompletoEDettaglio() {
        QFETCH(int, tipo);
        TprintP d(Dati(tipo), ui_);
        QCheckBox* box[4];
        for (int k = 0; k < 4; ++k) box[k] = Figlio<QCheckBox>(d, QStringLiteral("CheckBox%1").arg(k + 1).toLatin1().constData());
        QVERIFY(!Figlio<QCheckBox>(d, "CheckBox5")->isChecked());
        QVERIFY(!Figlio<QCheckBox>(d, "CheckMappe")->isChecked());
        // Complete: every section of the kind checked and locked.
        QVERIFY(Figlio<QRadioButton>(d, "Completo")->isChecked());
        for (int k = 0; k < 4; ++k) {
            QCOMPARE(box[k]->isChecked(), !(k == 2 && tipo == 1));
            QVERIFY(!box[k]->isEnabled());
        }
        // Detail: the user's choice, a path's luminance still locked off.
        Figlio<QRadioButton>(d, "Dettaglio")->click();
        for (int k = 0; k < 4; ++k) QCOMPARE(box[k]->isEnabled(), !(k == 2 && tipo == 1));
        QVERIFY(!box[2]->isChecked() || tipo == 0);
        box[0]->setChecked(false);
        box[1]->setChecked(false);
        const OpzioniReport o = d.Opzioni();
        QVERIFY(!o.sezioni.presentazione && !o.sezioni.dati && o.sezioni.illuminamenti);
        QCOMPARE(o.sezioni.luminanze, tipo == 0);
        Figlio<QRadioButton>(d, "Completo")->click();
        QVERIFY(box[0]->isChecked() && box[1]->isChecked());
    }

    // A text that cannot fit even wrapped is printed cut and the window's
    // one warning names its field.
    void TestoTroppoLungoTagliatoEAvvisato() {
        QTemporaryDir dir;
        DatiReport dati = Dati(0);
        dati.PrjDescr = "riga 1\nriga 2\nriga 3\nriga 4\nriga 5\nriga 6\nriga 7";
        TprintP d(dati, ui_);
        Figlio<QCheckBox>(d, "CheckBox5")->setChecked(true);
        const QString pdf = dir.path() + "/lungo.pdf";
        d.sceltaFilePdf = [&] { return pdf; };
        const std::size_t prima = ui_.mostrati.size();
        test::Clic(d, "BitBtnPdf");
        QVERIFY(QFile::exists(pdf));
        QCOMPARE(ui_.mostrati.size(), prima + 1);
        const std::string& avviso = ui_.mostrati.back().testo;
        QVERIFY2(avviso.find("Descrizione Progetto Illuminotecnico") != std::string::npos, avviso.c_str());
        QVERIFY(!TestoPdf(pdf).contains(QStringLiteral("riga 7")));
        ui_.mostrati.pop_back();  // the other cases count their own warnings
    }

    void StampantePdfStampaComeIlPdfWriter() {
        QTemporaryDir dir;
        const DatiReport d = Dati(0);
        OpzioniReport o;
        QVERIFY(StampaProgettoPdf((dir.path() + "/writer.pdf").toStdString(), d, o).ok);
        QPrinter stampante(QPrinter::HighResolution);
        stampante.setOutputFormat(QPrinter::PdfFormat);
        stampante.setOutputFileName(dir.path() + "/printer.pdf");
        stampante.setPageSize(QPageSize(QPageSize::A4));
        const EsitoStampa e = StampaProgetto(stampante, d, o);
        QVERIFY(e.ok);
        QCOMPARE(e.pagine, 6);  // with the verification page after the data
        const QString t = TestoPdf(dir.path() + "/printer.pdf");
        QVERIFY(t.contains(QStringLiteral("Pagina 5 di 6")));
        // The same words on the same pages (the reading order of text at
        // nearly equal heights may differ between the two resolutions).
        QCOMPARE(Parole(t), Parole(TestoPdf(dir.path() + "/writer.pdf")));
    }

    void BottonePdfScriveLeSezioniScelte() {
        QTemporaryDir dir;
        TprintP d(Dati(1), ui_);
        const QString pdf = dir.path() + "/percorso.pdf";
        d.sceltaFilePdf = [&] { return pdf; };
        Figlio<QRadioButton>(d, "Dettaglio")->click();
        Figlio<QCheckBox>(d, "CheckBox1")->setChecked(false);
        Figlio<QCheckBox>(d, "CheckBox2")->setChecked(false);
        // While the pages are drawn nothing in the dialog takes a click.
        bool cliccabile = false;
        connect(Figlio<QProgressBar>(d, "ProgressBar1"), &QProgressBar::valueChanged, &d,
                [&](int v) { cliccabile |= v > 0 && Figlio<QPushButton>(d, "BitBtn3")->isEnabled(); });
        test::Clic(d, "BitBtnPdf");
        QVERIFY(!cliccabile);
        QVERIFY(Figlio<QPushButton>(d, "BitBtn3")->isEnabled());
        const QString t = TestoPdf(pdf);
        QVERIFY2(t.contains(QStringLiteral("Distribuzione Illuminamenti")), qPrintable(t));
        QVERIFY(t.contains(QStringLiteral("Pagina 1")));
        QVERIFY(!t.contains(QStringLiteral("Pagina 2")));
        QCOMPARE(ui_.Conta("avviso"), 0);
        // An existing file is replaced only after a Yes.
        QCOMPARE(ui_.Conta("conferma"), 0);
        Figlio<QCheckBox>(d, "CheckBox2")->setChecked(true);
        ui_.risposte = {false, true};
        test::Clic(d, "BitBtnPdf");
        QCOMPARE(ui_.Conta("conferma"), 1);
        QVERIFY(!TestoPdf(pdf).contains(QStringLiteral("Pagina 2")));
        test::Clic(d, "BitBtnPdf");
        QVERIFY(TestoPdf(pdf).contains(QStringLiteral("Pagina 2")));
    }

    // "Interrompi" shows only while the pages are drawn and stops them: the
    // PDF is not written, the dialog takes clicks again.
    void InterrompiFermaLaStampa() {
        QTemporaryDir dir;
        DatiReport dati = Dati(0);
        // Many observers, a luminance page each: a long document.
        dati.NCorsie = 60;
        dati.osservatori.resize(60, dati.osservatori.front());
        TprintP d(dati, ui_);
        d.show();
        const QString pdf = dir.path() + "/lungo.pdf";
        d.sceltaFilePdf = [&] { return pdf; };
        auto* interrompi = Figlio<QPushButton>(d, "Interrompi");
        QVERIFY(interrompi->isHidden());
        bool premuto = false;
        connect(Figlio<QProgressBar>(d, "ProgressBar1"), &QProgressBar::valueChanged, &d, [&](int v) {
            if (v < 2 || premuto) return;
            premuto = true;
            QVERIFY(interrompi->isVisible() && interrompi->isEnabled());
            test::SalvaSchermata(&d, QStringLiteral("TprintP-stampa"));
            interrompi->click();
        });
        test::Clic(d, "BitBtnPdf");
        QVERIFY(premuto);
        QVERIFY(!QFile::exists(pdf));
        QVERIFY(interrompi->isHidden());
        QVERIFY(Figlio<QPushButton>(d, "BitBtn3")->isEnabled());
        QCOMPARE(ui_.Conta("avviso"), 0);
    }

    void LaStampanteSceltaRestaPerLaStampa() {
        QTemporaryDir dir;
        TprintP d(Dati(0), ui_);
        const QString pdf = dir.path() + "/stampante.pdf";
        d.sceltaStampante = [&](QPrinter& p) {
            p.setOutputFormat(QPrinter::PdfFormat);
            p.setOutputFileName(pdf);
            return true;
        };
        test::Clic(d, "BitBtn1");  // "Setup di Stampa"
        QVERIFY(!QFile::exists(pdf));
        test::Clic(d, "BitBtn3");  // "Stampa" on the printer chosen
        QVERIFY(TestoPdf(pdf).contains(QStringLiteral("Pagina 5")));
        QCOMPARE(ui_.Conta("avviso"), 0);
    }

    void VistaMostraIdentificaSoloQuandoCollegata() {
        VistaSoluzione v;
        TIsolum vista(v, ui_);
        auto* b = Figlio<QPushButton>(vista, "BitBtn1");
        QVERIFY(b->isHidden());
        int aperture = 0;
        vista.CollegaIdentifica([&] { ++aperture; });
        QVERIFY(!b->isHidden());
        b->click();
        QCOMPARE(aperture, 1);
    }

private:
    test::InterazioneScritta ui_;
};

NOTTARO_TEST_UI(StampaProgettoTest);
#include "StampaProgettoTest.moc"
