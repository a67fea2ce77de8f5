// The main window's summary names what shapes the next run: the class and its
// standard, an unusual tolerance, the lamp set and a spacing locked by a
// loaded project, which the designer can free. Road Design Parameters shows
// the class the design follows when it reopens, in every language.
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "Finestre.h"
#include "SupportoUi.h"
#include "engine/sweep/ScegliClasse.h"
#include "ui/comune/Testi.h"
#include "ui/principale/RiepilogoProgetto.h"

using namespace nottaro;
using namespace nottaro::test;

namespace {

const QString Ldt = QString::fromStdString(Fixture("photometry/eulumdat-analysis_sample_19_LEDiL_STRADA_street_isym0.ldt"));

void ScegliStrada(StatoProgetto& s, const char* nome) {
    std::string errore;
    QVERIFY2(ScegliClasse(s, TipoImpianto::Strada, nome, errore), errore.c_str());
}

}  // namespace

class RiepilogoProgettoTest : public QObject {
    Q_OBJECT
private slots:
    // A spacing kept from a loaded project is named on both tabs until freed;
    // freeing it on one tab frees the design, so both lines go.
    void InterdistanzaFissataEDaLiberare() {
        Banco b(1);
        b.stato->DaProgetto = true;
        b.stato->Interdist = 22;
        b.finestra->MostraStato();
        for (const char* nome : {"EtichettaInterdistanza", "EtichettaInterdistanzaA"}) {
            QCOMPARE(b.Trova<QLabel>(nome)->text(), QStringLiteral("Spacing fixed by the loaded project: 22 m"));
            QVERIFY(!b.Trova<QLabel>(nome)->isHidden());
        }
        QCOMPARE(b.Trova<QPushButton>("LiberaInterdistanzaA")->text(), QStringLiteral("Free spacing"));
        b.Trova<QPushButton>("LiberaInterdistanzaA")->click();
        QVERIFY(!b.stato->DaProgetto);
        for (const char* nome : {"EtichettaInterdistanza", "EtichettaInterdistanzaA", "LiberaInterdistanza",
                                 "LiberaInterdistanzaA"})
            QVERIFY2(b.Trova<QWidget>(nome)->isHidden(), nome);
    }

    void ClasseEdizioneENorma_data() {
        QTest::addColumn<QString>("classe");
        QTest::addColumn<int>("edizione");
        QTest::addColumn<bool>("aMano");
        QTest::addColumn<QString>("atteso");
        QTest::newRow("EN item") << "ME3b" << 0 << false << "Class: M3 / ME3b (EN 13201-2)";
        QTest::newRow("EN item, 2015 tables") << "ME4b" << 1 << false << "Class: ME4b (EN 13201-2:2015)";
        QTest::newRow("UNI index") << "4" << 0 << false << "Class: 4 (UNI 10439)";
        QTest::newRow("Lm typed over the class") << "ME3b" << 0 << true << "";
    }
    void ClasseEdizioneENorma() {
        QFETCH(QString, classe);
        QFETCH(int, edizione);
        QFETCH(bool, aMano);
        QFETCH(QString, atteso);
        ImpostaLinguaCatalogo(1);
        StatoProgetto s;
        ScegliStrada(s, classe.toUtf8().constData());
        s.EdizioneEN = edizione;
        if (aMano) s.LmMin = 1.2;
        QCOMPARE(ui::TestoClasseStrada(s), atteso);
    }

    // The path names its standard on its class line.
    void ClassePercorsoConNorma() {
        Banco b(1);
        std::string errore;
        QVERIFY(ScegliClasse(*b.stato, TipoImpianto::Percorso, "P2", errore));
        b.stato->EdizioneEN = 1;
        b.finestra->MostraStato();
        QVERIFY(b.Trova<QLabel>("Label16")->text().endsWith(QStringLiteral("P2 / S2 (EN 13201-2:2015)")));
    }

    // The tolerance is named only when it is not the usual 20 %, each tab its own.
    void TolleranzaSoloSeInsolita() {
        Banco b(1);
        b.stato->ErrLm = 20;
        b.stato->ErrEm = 150;
        b.finestra->MostraStato();
        QVERIFY(b.Trova<QLabel>("EtichettaTolleranza")->isHidden());
        QCOMPARE(b.Trova<QLabel>("EtichettaTolleranzaA")->text(), QStringLiteral("Em tolerance 150%"));
        QVERIFY(!b.Trova<QLabel>("EtichettaTolleranzaA")->isHidden());
    }

    // The lamp set the run uses, or every set when all are optimised.
    void LampadeDellaFotometria() {
        Banco b(1);
        b.fileScelti << Ldt;
        b.finestra->CaricaLdt();
        const Fotometria& f = b.stato->Foto;
        QVERIFY(f.NumLampade >= 1);
        const QString testo = b.Trova<QLabel>("EtichettaLampade")->text();
        QVERIFY2(testo.startsWith(QStringLiteral("Lamps: ")), qPrintable(testo));
        QVERIFY2(testo.contains(ui::Generale(f.FlussoLamp[static_cast<std::size_t>(f.LampSel)]) + QStringLiteral(" lm")),
                 qPrintable(testo));
        b.finestra->ChiudiElenco();
        QVERIFY(b.Trova<QLabel>("EtichettaLampade")->isHidden());
    }

    // Reopened, the dialog shows the list and the item the requirements came
    // from; a category is offered in every language but German.
    void ClasseSceltaAllaRiapertura_data() {
        QTest::addColumn<int>("lingua");
        QTest::addColumn<QString>("classe");
        QTest::addColumn<int>("modo");
        QTest::addColumn<QString>("lista");
        QTest::addColumn<int>("voce");
        for (int lingua = 0; lingua < 5; ++lingua) {
            const QByteArray l = QByteArray::number(lingua);
            QTest::newRow("EN class, language " + l) << lingua << "ME3b" << 1 << "ComboBox5" << 3;
            QTest::newRow("UNI index, language " + l) << lingua << "5" << 0 << "ComboBox3" << 4;
        }
        QTest::newRow("road category") << 1 << "category" << 3 << "ComboBox4" << 3;
    }
    void ClasseSceltaAllaRiapertura() {
        QFETCH(int, lingua);
        QFETCH(QString, classe);
        QFETCH(int, modo);
        QFETCH(QString, lista);
        QFETCH(int, voce);
        Banco b(lingua);
        if (classe == QLatin1String("category")) {
            const ClasseStrada& c = CategorieStrada()[static_cast<std::size_t>(voce)].classe;
            b.stato->LmMin = c.LmMin;
            b.stato->UoMin = c.UoMin;
            b.stato->UlMin = c.UlMin;
            b.stato->TiMax = c.TiMax;
            b.stato->CodClasse = c.CodClasse;
        } else {
            ScegliStrada(*b.stato, classe.toUtf8().constData());
        }
        const StatoProgetto prima = *b.stato;
        int modoVisto = -2, voceVista = -2;
        bool listaVisibile = false;
        AlProssimoDialogo([&](QDialog* d) {
            modoVisto = d->findChild<QComboBox*>(QStringLiteral("ComboBox2"))->currentIndex();
            auto* c = d->findChild<QComboBox*>(lista);
            voceVista = c->currentIndex();
            listaVisibile = !c->isHidden();
            d->reject();
        });
        b.Trova<QPushButton>("BitBtn1")->click();
        QCOMPARE(modoVisto, modo);
        QCOMPARE(voceVista, voce);
        QVERIFY(listaVisibile);
        QCOMPARE(b.stato->LmMin, prima.LmMin);
        QCOMPARE(b.stato->UlMin, prima.UlMin);
        QCOMPARE(b.stato->CodClasse, prima.CodClasse);
    }
};

NOTTARO_TEST_UI(RiepilogoProgettoTest);
#include "RiepilogoProgettoTest.moc"
