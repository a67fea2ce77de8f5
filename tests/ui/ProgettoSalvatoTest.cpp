// Project hygiene on the main window: Ctrl+S saves where the design came
// from, File offers the last projects, a save says so, and leaving asks only
// when something would be lost. Typed widths are taken or refused as the
// other fields.
#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QStatusBar>
#include <QTest>
#include <QToolButton>

#include "Finestre.h"
#include "SupportoUi.h"
#include "ui/comune/FrecceSuGiu.h"
#include "ui/comune/Testi.h"
#include "ui/principale/ProgettiRecenti.h"

using namespace nottaro;
using namespace nottaro::test;

namespace {

const QString Ldt = QString::fromStdString(Fixture("photometry/eulumdat-analysis_sample_19_LEDiL_STRADA_street_isym0.ldt"));

QByteArray Contenuto(const QString& file) {
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

}  // namespace

class ProgettoSalvatoTest : public QObject {
    Q_OBJECT
private slots:
    // The exit question (message 46) comes only when the design differs from
    // what was last saved or loaded.
    void EsciChiedeSoloSeModificato_data() {
        QTest::addColumn<bool>("salva");
        QTest::addColumn<bool>("cambiaDopo");
        QTest::addColumn<bool>("chiede");
        QTest::newRow("photometry loaded, never saved") << false << false << true;
        QTest::newRow("saved, nothing changed") << true << false << false;
        QTest::newRow("saved, then the width changed") << true << true << true;
    }
    void EsciChiedeSoloSeModificato() {
        QFETCH(bool, salva);
        QFETCH(bool, cambiaDopo);
        QFETCH(bool, chiede);
        Banco b;
        b.fileScelti << Ldt;
        b.finestra->CaricaLdt();
        if (salva) {
            b.fileScelti << b.cartella.filePath(QStringLiteral("uscita.nt0"));
            b.finestra->SalvaProgetto();
            QVERIFY(!b.finestra->Modificato());
        }
        if (cambiaDopo) b.Trova<ui::FrecceSuGiu>("UpDown2")->Su()->click();
        QCOMPARE(b.finestra->Modificato(), chiede);
        b.finestra->MostraStato();
        QCOMPARE(!b.Trova<QLabel>("StatoModificato")->isHidden(), chiede);
        b.ui.risposte = {false};
        QCOMPARE(b.finestra->close(), !chiede);
        QCOMPARE(b.ui.Conta("conferma"), chiede ? 1 : 0);
    }

    // Ctrl+S writes the current project again without a dialog and says so in
    // the status bar; "Save as" asks; both join the recent projects.
    void CtrlSSalvaNelProgettoCorrente() {
        Banco b;
        b.fileScelti << Ldt;
        b.finestra->CaricaLdt();
        const QString primo = b.cartella.filePath(QStringLiteral("primo.nt0"));
        b.fileScelti << primo;
        b.finestra->SalvaProgetto();  // no project yet: asks for a name
        QCOMPARE(b.richieste.size(), std::size_t{2});
        QVERIFY(b.finestra->statusBar()->currentMessage().contains(QStringLiteral("primo.nt0")));
        const QByteArray prima = Contenuto(primo);

        Clicca(b.Trova<ui::FrecceSuGiu>("UpDown2"), 5);
        QVERIFY(b.finestra->Modificato());
        auto* salva = b.Trova<QAction>("SalvaProgetto1");
        QCOMPARE(salva->shortcut(), QKeySequence(QKeySequence::Save));
        salva->trigger();
        QCOMPARE(b.richieste.size(), std::size_t{2});  // no dialog
        QVERIFY(Contenuto(primo) != prima);
        QVERIFY(!b.finestra->Modificato());
        QCOMPARE(b.ui.Conta("conferma"), 0);  // its own file is not "overwritten"

        const QString secondo = b.cartella.filePath(QStringLiteral("secondo.nt0"));
        b.fileScelti << secondo;
        b.Trova<QAction>("SalvaProgettoCome1")->trigger();
        QVERIFY(QFile::exists(secondo));
        auto* recenti = b.Trova<QMenu>("ProgettiRecenti1");
        b.Trova<QMenu>("File1")->popup({0, 0});  // the list is read as the menu opens
        QStringList voci;
        for (QAction* a : recenti->actions()) voci << a->toolTip();
        b.Trova<QMenu>("File1")->close();
        QCOMPARE(voci, (QStringList{QDir::toNativeSeparators(secondo), QDir::toNativeSeparators(primo)}));
    }

    // Five projects at most, newest first, each once; vanished files are not offered.
    void RecentiCinqueSenzaDoppioni() {
        QTemporaryDir dir;
        ui::ProgettiRecenti r(dir.path());
        QStringList file;
        for (int i = 0; i < 7; ++i) {
            file << dir.filePath(QStringLiteral("p%1.nt0").arg(i));
            QFile f(file.back());
            QVERIFY(f.open(QIODevice::WriteOnly));
            r.Aggiungi(file.back());
        }
        r.Aggiungi(file[4]);
        QCOMPARE(r.Elenco(), (QStringList{file[4], file[6], file[5], file[3], file[2]}));
        QFile::remove(file[6]);
        QCOMPARE(r.Elenco(), (QStringList{file[4], file[5], file[3], file[2]}));
    }

    // A typed width is taken on leaving the field, to the centimetre; text and
    // widths no design has are refused naming the field, the width stays.
    void LarghezzaScritta_data() {
        QTest::addColumn<QString>("testo");
        QTest::addColumn<double>("attesa");
        QTest::addColumn<int>("avvisi");
        QTest::newRow("accepted") << "7.25" << 7.25 << 0;
        QTest::newRow("not a number") << "7,5" << 7.0 << 1;
        QTest::newRow("below the range") << "0.5" << 7.0 << 1;
        QTest::newRow("above the range") << "120" << 7.0 << 1;
    }
    void LarghezzaScritta() {
        QFETCH(QString, testo);
        QFETCH(double, attesa);
        QFETCH(int, avvisi);
        Banco b(1);
        b.stato->LargStrada = 7;
        auto* e = b.Trova<QLineEdit>("LStrada");
        QVERIFY(!e->isReadOnly());
        e->setText(testo);
        emit e->editingFinished();
        QCOMPARE(b.stato->LargStrada, attesa);
        QCOMPARE(e->text(), ui::Generale(attesa));
        QCOMPARE(b.ui.Conta("avviso"), avvisi);
        if (avvisi) QVERIFY(QString::fromStdString(b.ui.mostrati.back().testo).contains(QStringLiteral("Width")));
        // The arrows go on from the width shown.
        b.Trova<ui::FrecceSuGiu>("UpDown2")->Su()->click();
        QCOMPARE(b.stato->LargStrada, attesa + 0.1);
    }

private:
    static void Clicca(ui::FrecceSuGiu* f, int volte) {
        for (int i = 0; i < volte; ++i) f->Su()->click();
    }
};

NOTTARO_TEST_UI(ProgettoSalvatoTest);
#include "ProgettoSalvatoTest.moc"
