// The browser's "&Ridotta" and "&Completa": the rows under the window's
// current filter, in stored order, on the printer chosen in the print
// dialog (here a PDF), its page range honoured; printing starts no run.
#include <QComboBox>
#include <QFile>
#include <QPrinter>
#include <QProcess>
#include <QProgressDialog>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "InterazioneScritta.h"
#include "core/i18n/Messaggi.h"
#include "ProgettiProva.h"
#include "SupportoRisultati.h"
#include "SupportoUi.h"

using namespace nottaro;
using namespace nottaro::ui;
using test::Figlio;

namespace {

QString TestoPdf(const QString& pdf) {
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

int PaginePdf(const QString& pdf) {
    QProcess p;
    p.start(QStringLiteral("pdfinfo"), {pdf});
    p.waitForFinished(30000);
    const auto m = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(QString::fromUtf8(p.readAllStandardOutput()));
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

// Row numbers printed: the first word of lines that start with a number.
QStringList Numeri(const QString& testo) {
    QStringList n;
    const QRegularExpression riga(QStringLiteral("^(\\d+)\\s"));
    for (const QString& l : testo.split(QLatin1Char('\n'))) {
        const auto m = riga.match(l);
        if (m.hasMatch()) n << m.captured(1);
    }
    return n;
}

}  // namespace

class ElenchiBrowserTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        finestra_ = test::BrowserStrada(stato_, ui_, dir_);
        QVERIFY(finestra_);
        QVERIFY(finestra_->Tabella().NumeroRighe() > 50);
    }
    void cleanupTestCase() {
        ui_.predefinita = false;
        finestra_->close();
        finestra_.reset();
    }

    void RidottaStampaLeRigheDelFiltroCorrente() {
        FinestraOttimizza& f = *finestra_;
        auto* altezze = Figlio<QComboBox>(f, "ComboBox1");
        QVERIFY(altezze && altezze->count() > 2);
        altezze->setCurrentIndex(2);
        Figlio<QPushButton>(f, "BitBtn3")->click();  // "Filtro"
        QVERIFY(!f.FiltroCorrente().empty());
        std::vector<std::string> attesi;
        for (std::size_t i = 0; i < f.Tabella().NumeroRighe(); ++i) attesi.push_back(*f.Tabella().TestoRiga(i, "NUM"));
        std::sort(attesi.begin(), attesi.end(), [](const auto& a, const auto& b) { return std::stoi(a) < std::stoi(b); });
        const QString pdf = pdfDir_.path() + "/ridotta.pdf";
        f.dialogoStampa = [&](QPrinter& p) {
            p.setOutputFormat(QPrinter::PdfFormat);
            p.setOutputFileName(pdf);
            return true;
        };
        auto* ridotta = Figlio<QPushButton>(f, "BitBtn5");
        QVERIFY(!ridotta->isHidden());
        const auto fase = f.FaseCorrente();
        ridotta->click();
        QCOMPARE(f.FaseCorrente(), fase);
        const QStringList stampati = Numeri(TestoPdf(pdf));
        QCOMPARE(static_cast<std::size_t>(stampati.size()), attesi.size());
        for (int i = 0; i < stampati.size(); ++i) QCOMPARE(stampati[i].toStdString(), attesi[static_cast<std::size_t>(i)]);
    }

    void CompletaConIntervalloDiPagine() {
        FinestraOttimizza& f = *finestra_;
        Figlio<QPushButton>(f, "BitBtn4")->click();  // "Tutto": every row again
        QVERIFY(f.FiltroCorrente().empty());
        const QString pdf = pdfDir_.path() + "/completa.pdf";
        f.dialogoStampa = [&](QPrinter& p) {
            p.setOutputFormat(QPrinter::PdfFormat);
            p.setOutputFileName(pdf);
            p.setPrintRange(QPrinter::PageRange);
            p.setFromTo(2, 3);
            return true;
        };
        Figlio<QPushButton>(f, "BitBtn6")->click();
        QCOMPARE(PaginePdf(pdf), 2);
        // Pages 2 and 3 of the complete list: rows 4 to 9, no title band.
        QCOMPARE(Numeri(TestoPdf(pdf)), (QStringList{"4", "5", "6", "7", "8", "9"}));
        // The only warnings: the luminaire column's long file names were cut.
        std::string colonna = Msg(124);
        colonna.pop_back();  // its caption without the colon
        for (const auto& m : ui_.mostrati)
            if (m.tipo == "avviso") QVERIFY2(m.testo.find(colonna) != std::string::npos, m.testo.c_str());
    }

    void AnnullataNonLasciaIlPdf() {
        FinestraOttimizza& f = *finestra_;
        const QString pdf = pdfDir_.path() + "/annullata.pdf";
        f.dialogoStampa = [&](QPrinter& p) {
            p.setOutputFormat(QPrinter::PdfFormat);
            p.setOutputFileName(pdf);
            return true;
        };
        // "Interrompi" on the progress window as soon as it shows.
        QTimer::singleShot(0, &f, [&f] {
            if (auto* d = f.findChild<QProgressDialog*>(QStringLiteral("AvanzamentoElenco")))
                d->findChild<QPushButton*>()->click();
        });
        Figlio<QPushButton>(f, "BitBtn6")->click();
        QVERIFY(!QFile::exists(pdf));
    }

private:
    QTemporaryDir dir_, pdfDir_;
    StatoProgetto stato_;
    test::InterazioneScritta ui_;
    std::unique_ptr<FinestraOttimizza> finestra_;
};

NOTTARO_TEST_UI(ElenchiBrowserTest);
#include "ElenchiBrowserTest.moc"
