// The main window driven as a designer drives it: enabling rules, inline
// edits and key filters, arrows, language switch, loads and saves.
#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

#include "Finestre.h"
#include "SupportoUi.h"
#include "core/state/DisposizioniStrada.h"
#include "ui/comune/FrecceSuGiu.h"
#include "ui/dialoghi/TFormDisposizione.h"
#include "ui/masterplan/ModelloTabellaMP.h"
#include "ui/principale/FinestreCollegate.h"

using namespace nottaro;
using namespace nottaro::test;

namespace {

const QString Ldt = QString::fromStdString(Fixture("photometry/eulumdat-analysis_sample_19_LEDiL_STRADA_street_isym0.ldt"));

void Clicca(ui::FrecceSuGiu* f, bool su, int volte) {
    for (int i = 0; i < volte; ++i) (su ? f->Su() : f->Giu())->click();
}

}  // namespace

class TVelaroTest : public QObject {
    Q_OBJECT
private slots:
    void RegoleROptimizeSoloConDisegnoCompleto_data() {
        QTest::addColumn<bool>("foto");
        QTest::addColumn<int>("disposizione");
        QTest::addColumn<double>("ti");
        QTest::addColumn<int>("giuLarghezza");
        QTest::addColumn<bool>("atteso");
        QTest::newRow("complete") << true << 2 << 15.0 << 0 << true;
        QTest::newRow("no photometry") << false << 2 << 15.0 << 0 << false;
        QTest::newRow("no arrangement") << true << 0 << 15.0 << 0 << false;
        QTest::newRow("no TI") << true << 2 << 0.0 << 0 << false;
        QTest::newRow("width stepped to its last tenth") << true << 2 << 15.0 << 69 << true;
    }
    void RegoleROptimizeSoloConDisegnoCompleto() {
        QFETCH(bool, foto);
        QFETCH(int, disposizione);
        QFETCH(double, ti);
        QFETCH(int, giuLarghezza);
        QFETCH(bool, atteso);
        Banco b;
        if (foto) {
            b.fileScelti << Ldt;
            b.finestra->CaricaLdt();
        }
        b.stato->DispPali = disposizione;
        b.stato->LmMin = 1;
        b.stato->UoMin = 40;
        b.stato->UlMin = 50;
        b.stato->TiMax = ti;
        b.finestra->MostraStato();
        Clicca(b.Trova<ui::FrecceSuGiu>("UpDown2"), false, giuLarghezza);
        QCOMPARE(!b.Trova<QPushButton>("BitBtn6")->isHidden(), atteso);
        QCOMPARE(b.Trova<QAction>("ProgettoStradale1")->isEnabled(), atteso);
        QCOMPARE(!b.Trova<QWidget>("RadioGroup1")->isHidden(), atteso);
        QVERIFY(b.Trova<QPushButton>("BitBtn9")->isHidden());
    }

    void RegoleNascondonoDopoChiusuraElenco() {
        Banco b;
        b.fileScelti << Ldt;
        b.finestra->CaricaLdt();
        b.stato->DispPaliA = 1;
        b.stato->EmMin = 10;
        b.finestra->MostraStato();
        QVERIFY(!b.Trova<QPushButton>("BitBtn9")->isHidden());
        b.finestra->ChiudiElenco();
        QVERIFY(b.Trova<QPushButton>("BitBtn9")->isHidden());
        QVERIFY(!b.Trova<QAction>("ProgettoCiclo1")->isEnabled());
        QCOMPARE(b.Trova<QLabel>("Label14")->text(), QString());
    }

    void Disposizione3ImponeAvanzamentoZero() {
        Banco b;
        b.stato->Sbraccio = 1.5;
        AlProssimoDialogo([](QDialog* d) { d->findChild<QPushButton*>(QStringLiteral("Button3"))->click(); });
        b.Trova<QPushButton>("BitBtn2")->click();
        QCOMPARE(b.stato->DispPali, 3);
        QCOMPARE(b.stato->Sbraccio, 0.0);
        QCOMPARE(b.Trova<QComboBox>("ComboBox1")->currentIndex(), 1);
        QCOMPARE(b.Trova<QLineEdit>("LSbraccio")->text(), QStringLiteral("0"));
        QVERIFY(b.Trova<QLineEdit>("LSbraccio")->isVisible());
        QCOMPARE(b.Trova<QLabel>("Label5")->text(), QString::fromStdString(Msg(20)));
    }

    // The road picker's seventh choice is the double centre row: the design
    // takes it, the tab names it, and the path picker keeps its six.
    void DisposizioneDoppioCentroScelta() {
        Banco b;
        b.stato->Sbraccio = 1.5;
        AlProssimoDialogo([](QDialog* d) {
            QVERIFY(d->findChild<QLabel*>(QStringLiteral("Label7")));
            d->findChild<QPushButton*>(QStringLiteral("Button7"))->click();
        });
        b.Trova<QPushButton>("BitBtn2")->click();
        QCOMPARE(b.stato->DispPali, DispDoppioCentro);
        QCOMPARE(b.stato->Sbraccio, 1.5);
        QCOMPARE(b.Trova<QLabel>("Label5")->text(), QString::fromStdString(Msg(2002)));
        ui::TFormDisposizione percorso(true, 0);
        QVERIFY(!percorso.findChild<QPushButton*>(QStringLiteral("Button7")));
    }

    void FiltriDeiTasti_data() {
        QTest::addColumn<QString>("campo");
        QTest::addColumn<QString>("iniziale");
        QTest::addColumn<QString>("tasti");
        QTest::addColumn<QString>("atteso");
        QTest::addColumn<int>("rifiuti");
        QTest::newRow("second point dropped") << "HPaloT" << "" << "1.2.3" << "1.23" << 1;
        QTest::newRow("loaded 8.5 takes no point") << "HPaloT" << "8.5" << "." << "8.5" << 1;
        QTest::newRow("minus refused in a height") << "HPaloT" << "" << "-8" << "8" << 1;
        QTest::newRow("letters refused") << "HPaloTA" << "" << "7a" << "7" << 1;
        QTest::newRow("minus leads an overhang") << "LSbraccio" << "" << "-1.5" << "-1.5" << 0;
        QTest::newRow("limit edit, three characters") << "MaskEdit1" << "" << "2.55" << "2.5" << 0;
    }
    void FiltriDeiTasti() {
        QFETCH(QString, campo);
        QFETCH(QString, iniziale);
        QFETCH(QString, tasti);
        QFETCH(QString, atteso);
        QFETCH(int, rifiuti);
        Banco b;
        auto* e = b.Trova<QLineEdit>(campo.toLatin1().constData());
        e->setVisible(true);
        e->setText(iniziale);
        e->setFocus();
        QSignalSpy beep(e, &QLineEdit::inputRejected);
        QTest::keyClicks(e, tasti);
        QCOMPARE(e->text(), atteso);
        if (campo != QStringLiteral("MaskEdit1")) QCOMPARE(static_cast<int>(beep.count()), rifiuti);
    }

    void IncollareTestoNonNumericoNonCambiaNulla() {
        Banco b;
        auto* e = b.Trova<QLineEdit>("HPaloT");
        e->setVisible(true);
        e->setText(QStringLiteral("8"));
        QSignalSpy beep(e, &QLineEdit::inputRejected);
        e->selectAll();
        e->insert(QStringLiteral("x9"));
        QCOMPARE(e->text(), QStringLiteral("8"));
        QCOMPARE(beep.count(), 1);
    }

    void FrecceLarghezzaECorsie() {
        Banco b;
        auto* larghezza = b.Trova<QLineEdit>("LStrada");
        auto* frecce = b.Trova<ui::FrecceSuGiu>("UpDown2");
        Clicca(frecce, false, 69);
        QCOMPARE(larghezza->text(), QStringLiteral("0.1"));
        QCOMPARE(b.stato->LargStrada, 0.1);
        Clicca(frecce, false, 3);  // the arrows stop at their end
        QCOMPARE(larghezza->text(), QStringLiteral("0.1"));
        Clicca(frecce, true, 69);
        QCOMPARE(larghezza->text(), QStringLiteral("7"));
        QCOMPARE(b.stato->LargStrada, 7.0);
        auto* corsie = b.Trova<ui::FrecceSuGiu>("UpDown4");
        Clicca(corsie, false, 5);
        QCOMPARE(b.Trova<QLineEdit>("NCorsieT")->text(), QStringLiteral("1"));
        Clicca(corsie, true, 9);
        QCOMPARE(b.Trova<QLineEdit>("NCorsieT")->text(), QStringLiteral("6"));
        QCOMPARE(b.stato->NCorsie, 6);
        QVERIFY(b.stato->StradaDef);
    }

    void SceltaDefinitaSopravviveAlCambioLinguaERisceglierlaNonScriveNulla() {
        Banco b;
        auto* scelta = b.Trova<QComboBox>("ComboBox2");
        scelta->setCurrentIndex(1);
        emit scelta->activated(1);
        auto* altezza = b.Trova<QLineEdit>("HPaloT");
        QVERIFY(altezza->isVisible());
        altezza->setText(QStringLiteral("9"));
        emit altezza->editingFinished();
        QCOMPARE(b.stato->HPalo, 9.0);
        b.finestra->CambiaLingua(1);
        QCOMPARE(scelta->currentText(), QString::fromStdString(Msg(48, 1)));
        b.finestra->CambiaLingua(0);
        QCOMPARE(scelta->currentText(), QString::fromStdString(Msg(48, 0)));
        QCOMPARE(b.Trova<QLabel>("Label11")->isVisible(), false);  // overlay labels hidden in Italian
        emit scelta->activated(1);  // the same choice again
        QCOMPARE(altezza->text(), QStringLiteral("9"));
        QCOMPARE(b.stato->HPalo, 9.0);
        b.finestra->CambiaLingua(1);
        QVERIFY(b.Trova<QLabel>("Label11")->isVisible());
        QCOMPARE(b.Trova<QLabel>("Label11")->text(), QString::fromStdString(Msg(247, 1)).trimmed());
    }

    // The path tab names its own width, and the Masterplan tab and the batch's
    // verdicts follow the chosen language; the verdict stored stays Italian.
    void TestiDelleSchedeNellaLinguaScelta() {
        Banco b;
        b.finestra->CambiaLingua(1);
        QCOMPARE(b.Trova<QLabel>("Label24")->text(), QStringLiteral("Path width [m]"));
        QCOMPARE(b.Trova<QLabel>("Label8")->text(), QStringLiteral("Width of carriageway [m]"));
        QCOMPARE(b.Trova<QPushButton>("BitBtn13")->text().remove(QLatin1Char('&')), QStringLiteral("Project folder"));
        QCOMPARE(b.Trova<QLabel>("Label31")->text(), QStringLiteral("Maintenance factor"));
        if (b.stato->DirProgetto.empty()) QCOMPARE(b.Trova<QLabel>("Label32")->text(), QStringLiteral("Not defined"));
        QCOMPARE(ui::ParolaEsito("ESATTO"), QStringLiteral("EXACT"));
        QCOMPARE(ui::ParolaEsito("Dati mancanti"), QStringLiteral("Missing data"));
        QCOMPARE(ui::ParolaEsito("medio I/H: 4.2"), QStringLiteral("medio I/H: 4.2"));
        b.finestra->CambiaLingua(0);
        QCOMPARE(b.Trova<QPushButton>("BitBtn13")->text().remove(QLatin1Char('&')), QStringLiteral("Cartella di Progetto"));
    }

    void CaricamentoFallitoTieneLaFotometriaPrecedente() {
        Banco b;
        b.fileScelti << Ldt << QStringLiteral("/nessuna/cartella/manca.ldt");
        b.finestra->CaricaLdt();
        const Fotometria prima = b.stato->Foto;
        const std::string file = b.stato->FileFoto;
        const QString etichetta = b.Trova<QLabel>("Label6")->text();
        b.finestra->CaricaLdt();
        QCOMPARE(b.stato->FileFoto, file);
        QCOMPARE(b.stato->Foto.NomeApp, prima.NomeApp);
        QCOMPARE(b.stato->Foto.NumC(), prima.NumC());
        QVERIFY(b.stato->FotoCaricata);
        QCOMPARE(b.Trova<QLabel>("Label6")->text(), etichetta);
        QCOMPARE(b.ui.Conta("avviso"), 1);  // the reader named the missing file
    }

    void FotometriaConElencoApertoChiedeConferma_data() {
        QTest::addColumn<bool>("risposta");
        QTest::newRow("yes closes the list") << true;
        QTest::newRow("no keeps the list") << false;
    }
    void FotometriaConElencoApertoChiedeConferma() {
        QFETCH(bool, risposta);
        Banco b;
        b.stato->FileLista = "/tmp/elenco.ntr";
        b.stato->FotoCaricata = true;
        b.ui.risposte = {risposta};
        b.fileScelti << Ldt;
        b.finestra->CaricaLdt();
        QCOMPARE(b.ui.Conta("conferma"), 1);
        QCOMPARE(b.stato->FileLista.empty(), risposta);
        QCOMPARE(!b.stato->FileFoto.empty(), risposta);
    }

    void SalvaERicaricaDallaFinestraDannoLoStessoProgetto() {
        Banco b;
        b.fileScelti << Ldt;
        b.finestra->CaricaLdt();
        b.stato->DispPali = 2;
        b.stato->LmMin = 1;
        b.stato->UoMin = 40;
        b.stato->UlMin = 50;
        b.stato->TiMax = 15;
        b.finestra->MostraStato();
        auto* scelta = b.Trova<QComboBox>("ComboBox1");
        scelta->setCurrentIndex(1);
        emit scelta->activated(1);
        b.Trova<QLineEdit>("LSbraccio")->setText(QStringLiteral("-0.5"));
        Clicca(b.Trova<ui::FrecceSuGiu>("UpDown2"), true, 5);
        const QString file = b.cartella.filePath(QStringLiteral("prova"));
        b.fileScelti << file;
        b.finestra->SalvaProgetto();
        QVERIFY(QFile::exists(file + QStringLiteral(".nt0")));
        QCOMPARE(b.richieste.back().suffisso, QStringLiteral("nt0"));
        QCOMPARE(b.stato->Sbraccio, -0.5);

        Banco c;
        c.fileScelti << file + QStringLiteral(".nt0");
        c.finestra->CaricaProgetto();
        QCOMPARE(c.stato->Sbraccio, -0.5);
        QCOMPARE(c.stato->LargStrada, 7.5);
        QCOMPARE(c.stato->DispPali, 2);
        QCOMPARE(c.stato->FileFoto, b.stato->FileFoto);
        QCOMPARE(c.Trova<QLineEdit>("LSbraccio")->text(), QStringLiteral("-0.5"));
        QCOMPARE(c.Trova<QComboBox>("ComboBox1")->currentIndex(), 1);
        QCOMPARE(c.Trova<QComboBox>("ComboBox2")->currentIndex(), 0);
        QCOMPARE(c.Trova<QLineEdit>("LStrada")->text(), QStringLiteral("7.5"));
        QCOMPARE(c.Trova<QLabel>("Label5")->text(), QString::fromStdString(Msg(19)));
    }

    void SovrascrivereChiedeEUnNoLasciaIlFile() {
        Banco b;
        const QString file = b.cartella.filePath(QStringLiteral("esistente.nt0"));
        QFile f(file);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("vecchio");
        f.close();
        b.ui.risposte = {false};
        b.fileScelti << file;
        b.finestra->SalvaProgetto();
        QCOMPARE(b.ui.Conta("conferma"), 1);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("vecchio"));
    }

    void ProgettoGuastoNonCambiaNulla() {
        Banco b;
        b.stato->DispPali = 5;
        const QString file = b.cartella.filePath(QStringLiteral("rotto.nt0"));
        QFile f(file);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("5.8d\r\nnon un numero\r\n");
        f.close();
        b.fileScelti << file;
        b.finestra->CaricaProgetto();
        QCOMPARE(b.stato->DispPali, 5);
        QCOMPARE(b.ui.Conta("avviso"), 1);
    }

    void AltezzaDefinitaSenzaNumeroNonAvviaIlCalcolo() {
        Banco b;
        auto* scelta = b.Trova<QComboBox>("ComboBox2");
        scelta->setCurrentIndex(1);
        emit scelta->activated(1);
        b.Trova<QLineEdit>("HPaloT")->setText(QStringLiteral("."));
        QVERIFY(!b.finestra->Ottimizza(false));
        QCOMPARE(b.ui.mostrati.back().testo, Msg(242));
    }

    void EsciChiedeSoloConUnaFotometria() {
        Banco b;
        QVERIFY(b.finestra->close());
        QCOMPARE(b.ui.Conta("conferma"), 0);
        Banco c;
        c.fileScelti << Ldt;
        c.finestra->CaricaLdt();
        c.ui.risposte = {false};
        QVERIFY(!c.finestra->close());
        QCOMPARE(c.ui.mostrati.back().testo, Msg(46));
    }

    void SchedaMasterplanNascondeICaricamenti() {
        Banco b;
        auto* schede = b.Trova<QTabWidget>("PageControl1");
        schede->setCurrentIndex(2);
        for (const char* n : {"BitBtn3", "BitBtn7", "BitBtn8"}) QVERIFY(!b.Trova<QPushButton>(n)->isVisible());
        schede->setCurrentIndex(0);
        for (const char* n : {"BitBtn3", "BitBtn7", "BitBtn8"}) QVERIFY(b.Trova<QPushButton>(n)->isVisible());
    }

    // A command opening a window built elsewhere is on exactly when that
    // window's opener exists; when off, its tooltip says why.
    void FinestreNonAncoraDisponibiliSonoSpenteConIlMotivo() {
        Banco b;
        const QString motivo = QString::fromStdString(Msg(1201));
        const struct {
            const char* pulsante;
            bool disponibile;
            bool motivoNelSuggerimento;
        } pulsanti[] = {
            {"BitBtn8", static_cast<bool>(ui::ApriCatalogo()), true},
            {"BitBtn7", static_cast<bool>(ui::ApriElencoLdt()), true},
            {"BitBtn13", static_cast<bool>(ui::ApriMasterplan()), false},
        };
        for (const auto& c : pulsanti) {
            auto* p = b.Trova<QPushButton>(c.pulsante);
            QCOMPARE(p->isEnabled(), c.disponibile);
            if (c.motivoNelSuggerimento) QCOMPARE(p->toolTip().contains(motivo), !c.disponibile);
        }
        const struct {
            const char* voce;
            bool disponibile;
        } voci[] = {
            {"CaricaElencoLDT1", static_cast<bool>(ui::ApriElencoLdt())},
            {"ConfiguraReport1", static_cast<bool>(ui::ApriConfiguraReport())},
        };
        for (const auto& c : voci) {
            auto* v = b.Trova<QAction>(c.voce);
            QCOMPARE(v->isEnabled(), c.disponibile);
            QCOMPARE(v->toolTip().contains(motivo), !c.disponibile);
        }
        QVERIFY(b.Trova<QAction>("Tedesco1")->isEnabled());
    }
};

NOTTARO_TEST_UI(TVelaroTest);
#include "TVelaroTest.moc"
