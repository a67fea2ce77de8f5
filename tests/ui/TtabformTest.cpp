// The table editor: keys in a cell, the gamma = 90° figures and their
// colour, storing on close after Yes, nothing on No or on a bad cell.
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QTableWidget>
#include <QTest>

#include <cmath>

#include "InterazioneScritta.h"
#include "SupportoUi.h"
#include "core/i18n/Messaggi.h"
#include "engine/FotometrieProva.h"
#include "ui/photometry/ModelloTabella.h"
#include "ui/photometry/Ttabform.h"

using namespace nottaro;
using namespace nottaro::ui;

namespace {

// Planes C0, C90, C180, C270; gamma 0, 45, 90; cd/klm = 100 below 90°, `a90` at 90°.
Fotometria Piccola(double a90) {
    return test::FotometriaDa({0, 90, 180, 270}, {0, 45, 90}, [&](double, double g) { return g == 90 ? a90 : 100.0; },
                              1000);
}

QColor ColoreTesto(QWidget* w) { return w->palette().color(QPalette::WindowText); }

template <class T>
T* Trova(QWidget* w, const char* nome) {
    T* t = w->findChild<T*>(QLatin1String(nome));
    if (!t) qFatal("no control %s", nome);
    return t;
}

// Types `tasti` into the cell of plane c at gamma column g and commits with Enter.
void Digita(Ttabform& t, int c, int g, const QString& tasti) {
    auto* griglia = Trova<QTableView>(&t, "StringGrid1");
    griglia->setFocus();
    griglia->setCurrentIndex(t.Modello()->Cella(c, g));
    for (const QChar ch : tasti) {
        QWidget* bersaglio = QApplication::focusWidget() ? QApplication::focusWidget() : griglia;
        QTest::keyClick(bersaglio, ch.toLatin1());
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCoreApplication::processEvents();  // the cell takes the text on the next turn of the loop
}

}  // namespace

class TtabformTest : public QObject {
    Q_OBJECT
private slots:
    void init() { ImpostaLinguaCatalogo(1); }

    void OnePointPerCellVisitAndOnlyNumberKeys() {
        Fotometria f = Piccola(0);
        test::InterazioneScritta ui;
        Ttabform t(f, ui);
        t.show();
        QVERIFY(QTest::qWaitForWindowExposed(&t));
        QApplication::setActiveWindow(&t);
        QVERIFY(!t.TabModificata());
        Digita(t, 1, 1, QStringLiteral("1.2.5"));
        QCOMPARE(t.Modello()->Testo(1, 1), QStringLiteral("1.25"));
        QVERIFY(t.TabModificata());
        // A letter never reaches the cell.
        Digita(t, 2, 1, QStringLiteral("7x8"));
        QCOMPARE(t.Modello()->Testo(2, 1), QStringLiteral("78"));
        // Another cell of the same column takes a point again.
        Digita(t, 2, 2, QStringLiteral("."));
        QVERIFY(t.PuntoDigitato());
        Digita(t, 2, 3, QStringLiteral("0.5"));
        QCOMPARE(t.Modello()->Testo(2, 3), QStringLiteral("0.5"));
        // Back in the same cell without moving: the point is still spent.
        QVERIFY(t.PuntoDigitato());
        QVERIFY(!t.TastoCella(QStringLiteral(".")));
        QVERIFY(t.TastoCella(QStringLiteral("\b")));
        QVERIFY(!t.TastoCella(QStringLiteral("-")));
    }

    void NinetyDegreeFiguresAndTheirColour() {
        struct Caso {
            double a90;
            const char* max;
            const char* media;
            QColor colore;
        };
        for (const Caso c : {Caso{1.0, "1", "1", QColor(0, 0, 128)}, Caso{1.01, "1.01", "1.01", QColor(255, 0, 0)},
                             Caso{0.456, "0.456", "0.45", QColor(0, 0, 128)}}) {
            Fotometria f = Piccola(c.a90);
            test::InterazioneScritta ui;
            Ttabform t(f, ui);
            QCOMPARE(Trova<QLabel>(&t, "Label7")->text(), QLatin1String(c.max));
            QCOMPARE(Trova<QLabel>(&t, "Label8")->text(), QLatin1String(c.media));
            QCOMPARE(ColoreTesto(Trova<QLabel>(&t, "Label7")), c.colore);
            QCOMPARE(ColoreTesto(Trova<QLabel>(&t, "Label8")), c.colore);
            auto* riga = Trova<QTableWidget>(&t, "StringGrid2");
            QCOMPARE(riga->columnCount(), 4);
            QCOMPARE(riga->item(0, 2)->text(), t.Modello()->Testo(3, 3));
        }
        // Editing a 90° cell updates the figures at once.
        Fotometria f = Piccola(0.5);
        test::InterazioneScritta ui;
        Ttabform t(f, ui);
        t.Modello()->setData(t.Modello()->Cella(2, 3), QStringLiteral("2.5"), Qt::EditRole);
        QCOMPARE(Trova<QLabel>(&t, "Label7")->text(), QStringLiteral("2.5"));
        QCOMPARE(Trova<QLabel>(&t, "Label8")->text(), QStringLiteral("1"));
        QCOMPARE(ColoreTesto(Trova<QLabel>(&t, "Label7")), QColor(255, 0, 0));
        QCOMPARE(Trova<QTableWidget>(&t, "StringGrid2")->item(0, 1)->text(), QStringLiteral("2.5"));
    }

    void NoNinetyDegreeRowHidesTheCheck() {
        Fotometria f = test::FotometriaDa({0, 180}, {0, 42.5, 85}, [](double, double) { return 5.0; }, 1000);
        test::InterazioneScritta ui;
        Ttabform t(f, ui);
        t.show();
        for (const char* nome : {"StringGrid2", "Label2", "Label3", "Label4", "Label5", "Label6", "Label7", "Label8"})
            QVERIFY2(!Trova<QWidget>(&t, nome)->isVisible(), nome);
        QVERIFY(Trova<QWidget>(&t, "StringGrid1")->isVisible());
        QCOMPARE(t.Modello()->headerData(1, Qt::Vertical, Qt::DisplayRole).toString(), QStringLiteral("42.5°"));
        QCOMPARE(t.Modello()->headerData(1, Qt::Horizontal, Qt::DisplayRole).toString(), QStringLiteral("180°"));
    }

    void ClosingAfterAnEditAsksAndStoresOnlyOnYes() {
        struct Caso {
            bool si;
            double atteso;
        };
        for (const Caso c : {Caso{true, 42.5}, Caso{false, 100}}) {
            Fotometria f = Piccola(0);
            test::InterazioneScritta ui;
            ui.risposte = {c.si};
            Ttabform t(f, ui);
            t.show();
            t.Modello()->setData(t.Modello()->Cella(3, 2), QStringLiteral("42.5"), Qt::EditRole);
            QTest::mouseClick(Trova<QPushButton>(&t, "BitBtn1"), Qt::LeftButton);
            QVERIFY(!t.isVisible());
            QCOMPARE(ui.Conta("conferma"), 1);
            QCOMPARE(ui.mostrati[0].testo, Msg(37));
            QCOMPARE(f.Intens.Valore(3, 2), c.atteso);
            QCOMPARE(t.Memorizzata(), c.si);
            QCOMPARE(f.Modificata, c.si);
        }
        // Unedited: closes without asking.
        Fotometria f = Piccola(0);
        test::InterazioneScritta ui;
        Ttabform t(f, ui);
        t.show();
        t.close();
        QCOMPARE(ui.Conta("conferma"), 0);
        QVERIFY(!t.isVisible());
    }

    void ABadCellStoresNothingAndKeepsTheEditorOpenOnIt() {
        Fotometria f = Piccola(0);
        test::InterazioneScritta ui;
        ui.risposte = {true};
        Ttabform t(f, ui);
        t.show();
        t.Modello()->setData(t.Modello()->Cella(1, 1), QStringLiteral("7"), Qt::EditRole);
        t.Modello()->setData(t.Modello()->Cella(2, 2), QString(), Qt::EditRole);  // emptied
        t.close();  // the close box
        QVERIFY(t.isVisible());
        QCOMPARE(f.Intens.Valore(1, 1), 100.0);
        QCOMPARE(ui.Conta("avviso"), 1);
        QCOMPARE(ui.mostrati.back().testo, std::string("Invalid value in the cell C 90° gamma 45°: \"\". The table was not stored."));
        QCOMPARE(Trova<QTableView>(&t, "StringGrid1")->currentIndex(), t.Modello()->Cella(2, 2));
        // Mended, the next close stores it all.
        t.Modello()->setData(t.Modello()->Cella(2, 2), QStringLiteral("8"), Qt::EditRole);
        ui.risposte = {true};
        t.close();
        QVERIFY(!t.isVisible());
        QCOMPARE(f.Intens.Valore(1, 1), 7.0);
        QCOMPARE(f.Intens.Valore(2, 2), 8.0);
    }

    void LargestTableOpensAndStores() {
        Fotometria f = test::FotometriaDa(test::Angoli(0, 0.5, 720), test::Angoli(0, 0.25, 721),
                                          [](double c, double g) { return c + g; }, 1000);
        test::InterazioneScritta ui;
        ui.risposte = {true};
        Ttabform t(f, ui);
        t.show();
        QCOMPARE(t.Modello()->columnCount(), 720);
        QCOMPARE(t.Modello()->rowCount(), 721);
        QCOMPARE(t.Modello()->Testo(720, 721), QStringLiteral("539.5"));
        QCOMPARE(Trova<QLabel>(&t, "Label7")->text(), QStringLiteral("449.5"));
        t.Modello()->setData(t.Modello()->Cella(720, 721), QStringLiteral("1"), Qt::EditRole);
        t.accept();
        QCOMPARE(f.Intens.Valore(720, 721), 1.0);
        QCOMPARE(f.Intens.Valore(719, 721), 539.0);
    }
};

NOTTARO_TEST_UI(TtabformTest);
#include "TtabformTest.moc"
