// The design dialogs: what Ok stores, what it refuses, and what a class
// choice writes at once.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

#include "Finestre.h"
#include "InterazioneScritta.h"
#include "SupportoUi.h"
#include "core/i18n/Messaggi.h"
#include "core/state/Inizializza.h"
#include "core/text/Testo.h"
#include "ui/comune/FrecceSuGiu.h"
#include "ui/dialoghi/TDefCalc.h"
#include "ui/dialoghi/TDefProg.h"
#include "ui/dialoghi/TDefProgettoA.h"
#include "ui/dialoghi/TLampProg.h"
#include "ui/dialoghi/TSourceProg.h"

using namespace nottaro;
using namespace nottaro::ui;

namespace {

template <class T>
T* Figlio(QWidget* d, const char* nome) {
    auto* w = d->findChild<T*>(QLatin1String(nome));
    if (!w) qFatal("no control %s", nome);
    return w;
}

void Scegli(QWidget* d, const char* combo, int i) {
    auto* c = Figlio<QComboBox>(d, combo);
    c->setCurrentIndex(i);
    emit c->activated(i);
}

void Testo(QWidget* d, const char* edit, const QString& t) { Figlio<QLineEdit>(d, edit)->setText(t); }

StatoProgetto Predefinito() {
    StatoProgetto s;
    Inizializza(s);
    return s;
}

}  // namespace

class DialoghiTest : public QObject {
    Q_OBJECT
private slots:
    void init() { ImpostaLinguaCatalogo(0); }

    void TDefProgOkSenzaModo_data() {
        QTest::addColumn<double>("lmPrima");
        QTest::addColumn<double>("lmDopo");
        QTest::addColumn<double>("tiDopo");
        QTest::newRow("no requirements yet: the initial texts") << 0.0 << 0.5 << 15.0;
        QTest::newRow("requirements set: kept") << 1.5 << 1.5 << 10.0;
    }
    void TDefProgOkSenzaModo() {
        QFETCH(double, lmPrima);
        QFETCH(double, lmDopo);
        QFETCH(double, tiDopo);
        StatoProgetto s = Predefinito();
        if (lmPrima != 0) {
            s.LmMin = lmPrima;
            s.UoMin = 40;
            s.UlMin = 70;
            s.TiMax = 10;
        }
        s.CodClasse = "me2";
        test::InterazioneScritta ui;
        TDefProg d(s, ui);
        Figlio<QPushButton>(&d, "BitBtn1")->click();
        QCOMPARE(d.result(), int(QDialog::Accepted));
        QCOMPARE(s.LmMin, lmDopo);
        QCOMPARE(s.TiMax, tiDopo);
        QCOMPARE(s.CodClasse, std::string("me2"));
    }

    void TDefProgClasseModificataERiglia() {
        StatoProgetto s = Predefinito();
        test::InterazioneScritta ui;
        TDefProg d(s, ui);
        Scegli(&d, "ComboBox2", 1);
        Scegli(&d, "ComboBox5", 2);  // ME3a
        QCOMPARE(s.UlMin, 70.0);      // written at once
        Testo(&d, "MaskEdit3", QStringLiteral("60"));
        Figlio<QRadioButton>(&d, "RadioGroup1Voce1")->setChecked(true);
        Figlio<QPushButton>(&d, "BitBtn1")->click();
        QCOMPARE(s.UlMin, 60.0);
        QCOMPARE(s.CodClasse, std::string("m3"));
        QCOMPARE(s.NPtiCorsia, 3);
        QCOMPARE(s.InterMaxGriglia, 30);
        QCOMPARE(s.GrigliaEN, 1);
        TDefProg riaperto(s, ui);
        QVERIFY(Figlio<QRadioButton>(&riaperto, "RadioGroup1Voce1")->isChecked());
    }

    void TDefProgInTedescoSenzaCategorieEConCategoriaUrbana() {
        StatoProgetto s = Predefinito();
        test::InterazioneScritta ui;
        s.Lingua = 3;
        TDefProg tedesco(s, ui);
        QCOMPARE(Figlio<QComboBox>(&tedesco, "ComboBox2")->count(), 3);
        s.Lingua = 0;
        TDefProg d(s, ui);
        Scegli(&d, "ComboBox2", 3);
        Scegli(&d, "ComboBox4", 7);  // Urbana locale
        QCOMPARE(Figlio<QLabel>(&d, "Label17")->text(), QStringLiteral("strade urbane."));
        QVERIFY(!Figlio<QLabel>(&d, "Label18")->isVisibleTo(&d));
        QCOMPARE(s.LmMin, 0.5);
        QCOMPARE(s.CodClasse, std::string("me5"));
    }

    // A value that is no number: a warning naming the field, nothing stored, the dialog open.
    void CampoNonNumericoNonMemorizzaNulla() {
        test::InterazioneScritta ui;
        {
            StatoProgetto s = Predefinito();
            TDefProg d(s, ui);
            Scegli(&d, "ComboBox2", 2);
            Testo(&d, "MaskEdit1", QStringLiteral("."));
            Figlio<QRadioButton>(&d, "RadioGroup2Voce1")->setChecked(true);
            Figlio<QPushButton>(&d, "BitBtn1")->click();
            QCOMPARE(d.result(), int(QDialog::Rejected));
            QCOMPARE(s.OssUNI, 0);
        }
        {
            StatoProgetto s = Predefinito();
            TDefProgettoA d(s, ui);
            Scegli(&d, "ComboBox5", 1);
            Testo(&d, "MaskEdit4", QStringLiteral("."));
            Figlio<QPushButton>(&d, "BitBtn1")->click();
            QCOMPARE(d.result(), int(QDialog::Rejected));
            QCOMPARE(s.DeprezzA, 0.8);
        }
        {
            StatoProgetto s = Predefinito();
            TDefCalc d(s, ui);
            Testo(&d, "OreAcc", QStringLiteral("3000"));
            Testo(&d, "CostoM", QStringLiteral("."));
            Figlio<QPushButton>(&d, "BitBtn1")->click();
            QCOMPARE(d.result(), int(QDialog::Rejected));
            QCOMPARE(s.OreAcc, 4200.0);
        }
        {
            StatoProgetto s = Predefinito();
            TSourceProg d(s, ui, true);
            Testo(&d, "Edit1", QStringLiteral("."));
            Figlio<QPushButton>(&d, "BitBtn1")->click();
            QCOMPARE(d.result(), int(QDialog::Rejected));
            QCOMPARE(s.SorgDurata, 0.0);
        }
        QCOMPARE(ui.Conta("avviso"), 4);
        for (const auto& v : ui.mostrati) QVERIFY2(v.testo.find("\".\"") != std::string::npos || v.testo.find("«.»") != std::string::npos, v.testo.c_str());
    }

    void TDefProgettoAClassiEGriglia_data() {
        QTest::addColumn<int>("classe");
        QTest::addColumn<QString>("secondo");
        QTest::addColumn<double>("em");
        QTest::addColumn<double>("emin");
        QTest::addColumn<double>("ue");
        QTest::addColumn<QString>("codice");
        QTest::newRow("C2 o CE2") << 8 << QString() << 20.0 << 0.0 << 40.0 << QStringLiteral("C2 o CE2");
        QTest::newRow("P3 o S3, Emin typed") << 2 << QStringLiteral("2") << 7.5 << 2.0 << 0.0 << QStringLiteral("P3 o S3");
        QTest::newRow("C3 o CE3 as shown") << 9 << QString() << 15.0 << 0.0 << 40.0 << QStringLiteral("C3 o CE3");
    }
    void TDefProgettoAClassiEGriglia() {
        QFETCH(int, classe);
        QFETCH(QString, secondo);
        QFETCH(double, em);
        QFETCH(double, emin);
        QFETCH(double, ue);
        QFETCH(QString, codice);
        StatoProgetto s = Predefinito();
        test::InterazioneScritta ui;
        TDefProgettoA d(s, ui);
        Scegli(&d, "ComboBox5", classe);
        if (!secondo.isEmpty()) Testo(&d, "MaskEdit4", secondo);
        Figlio<QPushButton>(&d, "BitBtn1")->click();
        QCOMPARE(d.result(), int(QDialog::Accepted));
        QCOMPARE(s.EmMin, em);
        QCOMPARE(s.EminMin, emin);
        QCOMPARE(s.UeMin, ue);
        // The stored code keeps its Italian "o"; the list shows the two classes
        // as "X / Y" in every language.
        QCOMPARE(QString::fromStdString(s.ClasseA), codice);
        QCOMPARE(Figlio<QComboBox>(&d, "ComboBox5")->currentText(), QString(codice).replace(QStringLiteral(" o "), QStringLiteral(" / ")));
    }

    void TDefProgettoAGrigliaPersonalizzata() {
        StatoProgetto s = Predefinito();
        test::InterazioneScritta ui;
        {
            TDefProgettoA d(s, ui);
            Scegli(&d, "ComboBox5", 1);
            Figlio<QRadioButton>(&d, "RadioGroup1Voce1")->setChecked(true);
            Figlio<QPushButton>(&d, "BitBtn1")->click();  // counts 0 x 0: refused
            QCOMPARE(d.result(), int(QDialog::Rejected));
            QCOMPARE(ui.Conta("avviso"), 1);
            auto* x = Figlio<FrecceSuGiu>(&d, "UpDown1");
            for (int i = 0; i < 10; ++i) x->Su()->click();
            auto* y = Figlio<FrecceSuGiu>(&d, "UpDown2");
            for (int i = 0; i < 3; ++i) y->Su()->click();
            Figlio<QPushButton>(&d, "BitBtn1")->click();
            QCOMPARE(d.result(), int(QDialog::Accepted));
        }
        QCOMPARE(s.GrigliaPers, 1);
        QCOMPARE(s.NPtiX, 10);
        QCOMPARE(s.NPtiY, 3);
        TDefProgettoA d(s, ui);
        Figlio<QRadioButton>(&d, "RadioGroup1Voce0")->setChecked(true);
        Figlio<QPushButton>(&d, "BitBtn1")->click();
        QCOMPARE(s.NPtiX, 0);
        QCOMPARE(s.NPtiY, 0);
    }

    void TDefCalcNuovoImpiantoTuttoONiente_data() {
        QTest::addColumn<QString>("w");
        QTest::addColumn<QString>("t");
        QTest::addColumn<QString>("costo");
        QTest::addColumn<bool>("chiude");
        QTest::newRow("all zero") << "0" << "0" << "0" << true;
        QTest::newRow("all set") << "100" << "12000" << "15" << true;
        QTest::newRow("mixed") << "100" << "0" << "15" << false;
    }
    void TDefCalcNuovoImpiantoTuttoONiente() {
        QFETCH(QString, w);
        QFETCH(QString, t);
        QFETCH(QString, costo);
        QFETCH(bool, chiude);
        StatoProgetto s = Predefinito();
        test::InterazioneScritta ui;
        TDefCalc d(s, ui);
        Testo(&d, "NLampW", w);
        Testo(&d, "NLampT", t);
        Testo(&d, "MaskEdit12", costo);
        Figlio<QPushButton>(&d, "BitBtn1")->click();
        QCOMPARE(d.result() == QDialog::Accepted, chiude);
        QCOMPARE(ui.Conta("avviso"), chiude ? 0 : 1);
        if (!chiude) QCOMPARE(ui.mostrati.back().testo, Msg(391));
    }

    // The sweep steps can be typed: a step the sweep can take is stored at
    // OK, one it cannot is refused naming the field, the old step shown again
    // and the dialog kept open.
    void TDefCalcPassoScritto_data() {
        QTest::addColumn<QString>("campo");
        QTest::addColumn<QString>("scritto");
        QTest::addColumn<double>("atteso");
        QTest::addColumn<bool>("rifiutato");
        QTest::newRow("height step typed") << "StepAlt1" << "0.25" << 0.25 << false;
        QTest::newRow("zero spacing step") << "StepInt1" << "0" << 0.4 << true;
        QTest::newRow("not a number") << "StepAng1" << "x" << 1.0 << true;
    }
    void TDefCalcPassoScritto() {
        QFETCH(QString, campo);
        QFETCH(QString, scritto);
        QFETCH(double, atteso);
        QFETCH(bool, rifiutato);
        StatoProgetto s = Predefinito();
        s.StepAlt = 0.4;
        s.StepInt = 0.4;
        s.StepAng = 1;
        test::InterazioneScritta ui;
        TDefCalc d(s, ui);
        auto* e = Figlio<QLineEdit>(&d, campo.toLatin1().constData());
        QVERIFY(!e->isReadOnly());
        e->setText(scritto);
        Figlio<QPushButton>(&d, "BitBtn1")->click();
        QCOMPARE(d.result() == QDialog::Accepted, !rifiutato);
        QCOMPARE(ui.Conta("avviso"), rifiutato ? 1 : 0);
        if (rifiutato) {
            QCOMPARE(e->text(), QString::fromStdString(FormatoGenerale(atteso)));
            e->setText(e->text());
            Figlio<QPushButton>(&d, "BitBtn1")->click();  // the step shown again is taken
            QCOMPARE(d.result(), static_cast<int>(QDialog::Accepted));
        }
        QCOMPARE(s.*(campo == "StepAlt1" ? &StatoProgetto::StepAlt : campo == "StepInt1" ? &StatoProgetto::StepInt
                                                                                           : &StatoProgetto::StepAng),
                 atteso);
    }

    void TDefCalcPercentualeDiMortalita_data() {
        QTest::addColumn<double>("prima");
        QTest::addColumn<QString>("scritto");
        QTest::addColumn<double>("dopo");
        QTest::newRow("7 typed") << 0.06 << "7" << 0.07;
        QTest::newRow("0.065 kept") << 0.065 << "" << 0.065;
    }
    void TDefCalcPercentualeDiMortalita() {
        QFETCH(double, prima);
        QFETCH(QString, scritto);
        QFETCH(double, dopo);
        StatoProgetto s = Predefinito();
        s.CoeffMorte = prima;
        test::InterazioneScritta ui;
        {
            TDefCalc d(s, ui);
            if (!scritto.isEmpty()) Testo(&d, "coeffmorte", scritto);
            d.close();  // the close box stores too
        }
        QCOMPARE(s.CoeffMorte, dopo);
        TDefCalc riaperto(s, ui);
        QCOMPARE(Figlio<QLineEdit>(&riaperto, "coeffmorte")->text(), QString::fromStdString(FormatoGenerale(dopo * 100)));
    }

    void TDefCalcPassiEdEtichettaDellaLarghezza() {
        StatoProgetto s = Predefinito();
        s.LargStrada = 9;
        test::InterazioneScritta ui;
        TDefCalc d(s, ui);
        QCOMPARE(Figlio<QLabel>(&d, "Label13")->text(), QStringLiteral("+/- 4.5 m"));
        auto* passo = Figlio<FrecceSuGiu>(&d, "UpDown1");
        for (int i = 0; i < 10; ++i) passo->Giu()->click();  // stops at the arrow's end: 4 steps
        QCOMPARE(Figlio<QLineEdit>(&d, "StepAlt1")->text(), QStringLiteral("0.1"));
        Figlio<QCheckBox>(&d, "CheckBox2")->setChecked(true);
        QVERIFY(s.ChiediLampada);  // at once
        Figlio<QPushButton>(&d, "BitBtn1")->click();
        QCOMPARE(s.StepAlt, 0.1);
        TDefCalc riaperto(s, ui);
        QVERIFY(!Figlio<QCheckBox>(&riaperto, "CheckBox2")->isChecked());
    }

    void TSourceProgOkEdEsci_data() {
        QTest::addColumn<bool>("ok");
        QTest::newRow("Ok on mercury vapour") << true;
        QTest::newRow("Esci stores nothing") << false;
    }
    void TSourceProgOkEdEsci() {
        QFETCH(bool, ok);
        StatoProgetto s = Predefinito();
        test::InterazioneScritta ui;
        TSourceProg d(s, ui, true);
        Figlio<QRadioButton>(&d, "RadioGroup1Voce3")->setChecked(true);
        Figlio<QPushButton>(&d, ok ? "BitBtn1" : "BitBtn2")->click();
        QCOMPARE(s.SorgDurata, ok ? 8000.0 : 0.0);
        QCOMPARE(s.SorgCosto, ok ? 12.0 : 0.0);
    }

    void TDefCalcSorgenteEsciNonCambiaLeCaselle() {
        StatoProgetto s = Predefinito();
        test::InterazioneScritta ui;
        TDefCalc d(s, ui);
        Testo(&d, "LampT", QStringLiteral("9999"));
        test::AlProssimoDialogo([](QDialog* sorgente) { sorgente->findChild<QPushButton*>(QStringLiteral("BitBtn2"))->click(); });
        Figlio<QToolButton>(&d, "SpeedButton1")->click();
        QCOMPARE(Figlio<QLineEdit>(&d, "LampT")->text(), QStringLiteral("9999"));
        test::AlProssimoDialogo([](QDialog* sorgente) {
            sorgente->findChild<QRadioButton*>(QStringLiteral("RadioGroup1Voce1"))->setChecked(true);
            sorgente->findChild<QPushButton*>(QStringLiteral("BitBtn1"))->click();
        });
        Figlio<QToolButton>(&d, "SpeedButton1")->click();
        QCOMPARE(Figlio<QLineEdit>(&d, "LampT")->text(), QStringLiteral("10000"));
        QCOMPARE(Figlio<QLineEdit>(&d, "MaskEdit13")->text(), QStringLiteral("13"));
    }

    void TLampProgRispostaEFamiglia() {
        test::InterazioneScritta ui;
        DatiLampada dati{"", 0, 0, 0};
        TLampProg d(dati, ui);
        Testo(&d, "Edit1", QStringLiteral("16000"));
        Testo(&d, "Edit2", QStringLiteral("150"));
        Figlio<QRadioButton>(&d, "Famiglia4")->setChecked(true);
        Figlio<QPushButton>(&d, "BitBtn1")->click();
        QCOMPARE(d.result(), int(QDialog::Accepted));
        QCOMPARE(d.Risposta().LampFlusso, 16000.0);
        QCOMPARE(d.Risposta().LampWatt, 150.0);
        QCOMPARE(d.Risposta().Famiglia, 4);
        QCOMPARE(d.Risposta().LampTipo, std::string("LED 150"));
    }

};

NOTTARO_TEST_UI(DialoghiTest);
#include "DialoghiTest.moc"
