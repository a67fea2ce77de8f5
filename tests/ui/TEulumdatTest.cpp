// The photometric viewer, driven by its controls' names: what it shows for
// each record, the lamp set it stores on OK, its zoom, checks and export.
#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <filesystem>

#include "InterazioneScritta.h"
#include "Schermata.h"
#include "SupportoUi.h"
#include "core/i18n/Messaggi.h"
#include "core/photometry/LettoriFotometria.h"
#include "engine/FotometrieProva.h"
#include "support/Percorsi.h"
#include "ui/photometry/ModelloTabella.h"
#include "ui/photometry/TEulumdat.h"
#include "ui/photometry/Ttabform.h"

using namespace nottaro;
using namespace nottaro::ui;

namespace {

StatoProgetto Strada() {
    StatoProgetto s;
    test::InterazioneScritta ui;
    LeggiFotometria(test::Fixture("photometry/eulumdat-analysis_sample_19_LEDiL_STRADA_street_isym0.ldt"), s.Foto, ui);
    return s;
}

StatoProgetto ConLampade(int n) {
    StatoProgetto s;
    s.Foto = test::FotometriaDa(test::Angoli(0, 15, 24), test::Angoli(0, 5, 37),
                                [](double, double g) { return g < 90 ? 200.0 : 0.0; }, 1000);
    s.Foto.NumLampade = n;
    for (int i = 0; i < MaxLampade; ++i) {
        s.Foto.TipoLamp[i] = "LED " + std::to_string(i + 1);
        s.Foto.FlussoLamp[i] = 1000 * (i + 1);
        s.Foto.PotLamp[i] = 10 * (i + 1);
    }
    return s;
}

template <class T>
T* Trova(QWidget* w, const char* nome) {
    T* t = w->findChild<T*>(QLatin1String(nome));
    if (!t) qFatal("no control %s", nome);
    return t;
}

}  // namespace

class TEulumdatTest : public QObject {
    Q_OBJECT
private slots:
    void SymmetryTextFollowsTheIndicatorButNotForIes() {
        struct Caso {
            int simmetria;
            const char* file;
            int messaggio;  // -1: empty
        };
        for (const Caso c : {Caso{0, "a.ldt", 128}, Caso{1, "a.ldt", 129}, Caso{2, "a.LDT", 130}, Caso{3, "a.elx", 131},
                             Caso{4, "a.ldt", 132}, Caso{7, "a.ldt", -1}, Caso{1, "a.ies", -1}}) {
            StatoProgetto s = ConLampade(1);
            s.Foto.Simmetria = c.simmetria;
            s.Foto.FileLdt = c.file;
            test::InterazioneScritta ui;
            TEulumdat v(s, ui);
            const QString atteso = c.messaggio < 0 ? QString() : QString::fromStdString(Msg(c.messaggio));
            QCOMPARE(Trova<QLabel>(&v, "Label12")->text(), atteso);
        }
    }

    void ShowsARowPerLampSetAndChecksTheSetInUse() {
        struct Caso {
            int lampade, sel;
        };
        for (const Caso c : {Caso{1, 0}, Caso{7, 6}, Caso{11, 8}}) {
            StatoProgetto s = ConLampade(c.lampade);
            s.Foto.LampSel = c.sel;
            test::InterazioneScritta ui;
            TEulumdat v(s, ui);
            v.show();
            for (int i = 1; i <= RigheLampade; ++i) {
                const QString n = QString::number(i);
                auto* radio = v.findChild<QRadioButton*>(QStringLiteral("RadioButton") + n);
                QCOMPARE(radio->isVisible(), i <= c.lampade);
                QCOMPARE(radio->isChecked(), i == c.sel + 1);
                QCOMPARE(v.findChild<QLineEdit*>(QStringLiteral("lumen") + n)->text(), QString::number(1000 * i));
            }
            if (c.lampade == 11) test::SalvaSchermata(&v, QStringLiteral("TEulumdat_11_lampade"));
            // OK keeps a set beyond the seventh.
            QTest::mouseClick(Trova<QPushButton>(&v, "BitBtn1"), Qt::LeftButton);
            QCOMPARE(v.result(), int(QDialog::Accepted));
            QCOMPARE(s.Foto.LampSel, c.sel);
        }
    }

    void OkStoresOnlyTheCheckedSet() {
        StatoProgetto s = ConLampade(7);
        test::InterazioneScritta ui;
        TEulumdat v(s, ui);
        v.show();
        Trova<QLineEdit>(&v, "lumen1")->setText(QStringLiteral("555"));
        Trova<QLineEdit>(&v, "lumen4")->setText(QStringLiteral("12345"));
        Trova<QLineEdit>(&v, "watt4")->setText(QStringLiteral("99"));
        Trova<QRadioButton>(&v, "RadioButton4")->setChecked(true);
        QTest::mouseClick(Trova<QPushButton>(&v, "BitBtn1"), Qt::LeftButton);
        QCOMPARE(s.Foto.LampSel, 3);
        QCOMPARE(s.Foto.FlussoLamp[3], 12345.0);
        QCOMPARE(s.Foto.PotLamp[3], 99.0);
        QCOMPARE(s.Foto.FlussoLamp[0], 1000.0);
        QCOMPARE(ui.Conta("avviso"), 0);
        QVERIFY(s.Foto.Modificata);  // the project must carry the new flux along
        // Choosing another set without changing its figures is no edit.
        StatoProgetto t = ConLampade(7);
        TEulumdat w(t, ui);
        w.show();
        Trova<QRadioButton>(&w, "RadioButton2")->setChecked(true);
        QTest::mouseClick(Trova<QPushButton>(&w, "BitBtn1"), Qt::LeftButton);
        QCOMPARE(t.Foto.LampSel, 1);
        QVERIFY(!t.Foto.Modificata);
    }

    void EmptyOrZeroFieldIsRefusedNamingItAndNothingIsStored() {
        struct Caso {
            const char* campo;
            const char* testo;
            int didascalia;
        };
        for (const Caso c : {Caso{"lumen2", "", 126}, Caso{"lumen2", "0", 126}, Caso{"watt2", "", 127},
                             Caso{"watt2", "0", 127}}) {
            StatoProgetto s = ConLampade(3);
            ImpostaLinguaCatalogo(1);
            test::InterazioneScritta ui;
            TEulumdat v(s, ui);
            v.show();
            Trova<QRadioButton>(&v, "RadioButton2")->setChecked(true);
            Trova<QLineEdit>(&v, "lumen2")->setText(QStringLiteral("7000"));
            Trova<QLineEdit>(&v, c.campo)->setText(QLatin1String(c.testo));
            QTest::mouseClick(Trova<QPushButton>(&v, "BitBtn1"), Qt::LeftButton);
            QVERIFY(v.isVisible());
            QCOMPARE(ui.Conta("avviso"), 1);
            QVERIFY(QString::fromStdString(ui.mostrati[0].testo).startsWith(QString::fromStdString(Msg(c.didascalia))));
            QVERIFY(ui.mostrati[0].testo.find("lamp 2") != std::string::npos);
            QCOMPARE(s.Foto.LampSel, 0);
            QCOMPARE(s.Foto.FlussoLamp[1], 2000.0);
        }
    }

    void LoadedFractionalPowerIsKeptAndTypingTakesWholeNumbersOnly() {
        StatoProgetto s = ConLampade(1);
        s.Foto.PotLamp[0] = 37.5;
        test::InterazioneScritta ui;
        TEulumdat v(s, ui);
        v.show();
        QCOMPARE(Trova<QLineEdit>(&v, "watt1")->text(), QStringLiteral("37.5"));
        QTest::mouseClick(Trova<QPushButton>(&v, "BitBtn1"), Qt::LeftButton);
        QCOMPARE(s.Foto.PotLamp[0], 37.5);

        TEulumdat w(s, ui);
        w.show();
        auto* lumen = Trova<QLineEdit>(&w, "lumen1");
        auto* watt = Trova<QLineEdit>(&w, "watt1");
        lumen->clear();
        QTest::keyClicks(lumen, QStringLiteral("12a.3-456789"));
        QCOMPARE(lumen->text(), QStringLiteral("12345"));
        QTest::keyClick(lumen, Qt::Key_Backspace);
        QCOMPARE(lumen->text(), QStringLiteral("1234"));
        watt->clear();
        QTest::keyClicks(watt, QStringLiteral("1500"));
        QCOMPARE(watt->text(), QStringLiteral("150"));
    }

    void ZoomStartsFromTheDiagramSizeAndStepsByATenth() {
        StatoProgetto s = Strada();
        test::InterazioneScritta ui;
        TEulumdat v(s, ui);
        v.show();
        auto* zoom = Trova<QLineEdit>(&v, "ZoomXY");
        auto* box = Trova<QWidget>(&v, "PaintBox1");
        QVERIFY(zoom->isReadOnly());
        QCOMPARE(zoom->text(), QStringLiteral("0.3"));
        QCOMPARE(v.Zoom(), 0.34);
        QCOMPARE(box->width(), 247);
        test::SalvaSchermata(&v, QStringLiteral("TEulumdat_") + QString::number(LinguaCatalogo()));
        QTest::mouseClick(Trova<QToolButton>(&v, "UpDown2Su"), Qt::LeftButton);
        QCOMPARE(zoom->text(), QStringLiteral("0.4"));
        QCOMPARE(box->width(), 291);  // 2 x 364.44 x 0.4
        for (int k = 0; k < 5; ++k) QTest::mouseClick(Trova<QToolButton>(&v, "UpDown2Giu"), Qt::LeftButton);
        QCOMPARE(zoom->text(), QStringLiteral("0.1"));
        QCOMPARE(box->height(), 72);

        struct Caso {
            double intensita;
            const char* zoom;
            int lato;
        };
        // A dark table, and one whose diagram is too large for two decimals.
        for (const Caso c : {Caso{0, "0.1", 250}, Caso{20000, "0.00625", 250}}) {
            StatoProgetto t = ConLampade(1);
            t.Foto = test::FotometriaDa({0}, {0, 90}, [&](double, double g) { return g == 0 ? c.intensita : 0.0; }, 1000);
            TEulumdat w(t, ui);
            QCOMPARE(Trova<QLineEdit>(&w, "ZoomXY")->text(), QLatin1String(c.zoom));
            QCOMPARE(Trova<QWidget>(&w, "PaintBox1")->width(), c.lato);
            w.Zoom(false);
            QCOMPARE(Trova<QLineEdit>(&w, "ZoomXY")->text(), QLatin1String(c.zoom));
        }
    }

    void ChecksAreListedFailuresInRedAndRepeatedAfterAStoredEdit() {
        StatoProgetto s = ConLampade(1);
        ImpostaLinguaCatalogo(1);
        test::InterazioneScritta ui;
        ui.risposte = {true};
        TEulumdat v(s, ui);
        v.show();
        auto* alto = Trova<QLabel>(&v, "Verifica_upward_light");
        QVERIFY(alto->text().startsWith(QStringLiteral("Upward light")));
        QVERIFY(alto->palette().color(QPalette::WindowText) != QColor(255, 0, 0));
        const double imax = v.Curva().IMax;
        // The editor raises a cell at gamma 90° to 3 cd/klm and stores it.
        QTimer::singleShot(0, this, [] {
            auto* t = qobject_cast<Ttabform*>(QApplication::activeModalWidget());
            QVERIFY(t);
            t->Modello()->setData(t->Modello()->Cella(5, 19), QStringLiteral("3"), Qt::EditRole);
            t->Modello()->setData(t->Modello()->Cella(5, 1), QStringLiteral("900"), Qt::EditRole);
            t->accept();
        });
        QTest::mouseClick(Trova<QPushButton>(&v, "BitBtn2"), Qt::LeftButton);
        QCOMPARE(s.Foto.Intens.Valore(5, 19), 3.0);
        QCOMPARE(v.Curva().IMax, 900.0);
        QVERIFY(v.Curva().IMax != imax);
        alto = Trova<QLabel>(&v, "Verifica_upward_light");
        QCOMPARE(alto->palette().color(QPalette::WindowText), QColor(255, 0, 0));
        QVERIFY(alto->text().contains(QStringLiteral("= 3 cd/klm at C 60° gamma 90°")));
    }

    void ExportWritesTheChosenFormatAsksBeforeReplacingAndWarnsOnFailure() {
        StatoProgetto s = Strada();
        QTemporaryDir dir;
        auto File = [&](const char* nome) { return dir.filePath(QLatin1String(nome)).toStdString(); };
        test::InterazioneScritta ui;
        TEulumdat v(s, ui);
        v.show();
        const QString base = dir.filePath(QStringLiteral("curva"));
        QVERIFY(v.Esporta(base, false));
        QVERIFY(QFile::exists(base + QStringLiteral(".png")));
        QVERIFY(v.Esporta(base, true));
        QVERIFY(QFile::exists(base + QStringLiteral(".svg")));
        QCOMPARE(ui.Conta("conferma"), 0);
        // Replacing: asked; No keeps the file as it was.
        const auto prima = std::filesystem::last_write_time(File("curva.png"));
        ui.risposte = {false};
        QVERIFY(!v.Esporta(base + QStringLiteral(".png"), true));
        QCOMPARE(ui.Conta("conferma"), 1);
        QCOMPARE(std::filesystem::last_write_time(File("curva.png")), prima);
        // Nowhere to write.
        const QString altrove = dir.filePath(QStringLiteral("manca/curva.png"));
        QVERIFY(!v.Esporta(altrove, false));
        QCOMPARE(ui.Conta("avviso"), 1);
        QVERIFY(ui.mostrati.back().testo.find(altrove.toStdString()) != std::string::npos);
        QVERIFY(!QFile::exists(altrove));
    }

    void CaptionsFollowTheLanguage() {
        for (int lingua : {0, 1, 3}) {
            ImpostaLinguaCatalogo(lingua);
            StatoProgetto s = Strada();
            test::InterazioneScritta ui;
            TEulumdat v(s, ui);
            v.show();
            QVERIFY(QTest::qWaitForWindowExposed(&v));
            test::SalvaSchermata(&v, QStringLiteral("TEulumdat_lingua%1").arg(lingua));
            Ttabform t(s.Foto, ui, &v);
            t.show();
            QVERIFY(QTest::qWaitForWindowExposed(&t));
            test::SalvaSchermata(&t, QStringLiteral("Ttabform_lingua%1").arg(lingua));
            QCOMPARE(t.windowTitle(), QString::fromStdString(Msg(38)));
            QCOMPARE(v.windowTitle(), QString::fromStdString(Msg(121)));
            QCOMPARE(Trova<QGroupBox>(&v, "PannelloVerifiche")->title(), QString::fromStdString(Msg(1500)));
            QCOMPARE(Trova<QLabel>(&t, "Label5")->text(), QString::fromStdString(Msg(43)));
        }
    }
};

NOTTARO_TEST_UI(TEulumdatTest);
#include "TEulumdatTest.moc"
