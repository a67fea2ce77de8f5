// The catalogue window on the shipped sample catalogue: filters, data sheet,
// picture and the picks of both modes, by objectName.
#include <QComboBox>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QTimer>

#include <memory>

#include "CampioneUi.h"
#include "InterazioneScritta.h"
#include "SupportoUi.h"
#include "catalogue/CaricaScelta.h"
#include "core/i18n/Messaggi.h"
#include "core/state/StatoProgetto.h"
#include "ui/catalogue/AperturaCatalogo.h"
#include "ui/catalogue/Tcatalogue.h"

using namespace nottaro;
using namespace nottaro::ui;

namespace {

using test::Campione;
using test::Clic;
using test::Figlio;

// Row of the grid whose column `colonna` reads `testo`; -1 when none.
int Riga(QTableView* g, int colonna, const QString& testo) {
    for (int r = 0; r < g->model()->rowCount(); ++r)
        if (g->model()->index(r, colonna).data().toString() == testo) return r;
    return -1;
}

void Scegli(Tcatalogue& w, int riga) {
    auto* g = Figlio<QTableView>(w, "GrigliaCatalogo");
    g->setCurrentIndex(g->model()->index(riga, 0));
    Clic(w, "BtnSeleziona");
}

void Imposta(QComboBox* c, int voce) {
    c->setCurrentIndex(voce);
    emit c->activated(voce);
}

}  // namespace

class TcatalogueTest : public QObject {
    Q_OBJECT
private slots:
    void init() { ImpostaLinguaCatalogo(1); }

    void ControlsCaptionsAndColumns() {
        test::InterazioneScritta ui;
        Tcatalogue w(Campione(), false, ui);
        QCOMPARE(w.windowTitle(), QString::fromStdString(Msg(356)));
        const char* combo[] = {"ComboLinea", "ComboDisposizione", "ComboLampada",
                               "ComboPotenza", "ComboModello", "ComboProduttore"};
        const int voci[] = {4, 4, 5, 14};
        for (int i = 0; i < 6; ++i) {
            auto* c = Figlio<QComboBox>(w, combo[i]);
            QVERIFY2(c, combo[i]);
            QCOMPARE(c->itemText(0), QString());
            if (i < 4) QCOMPARE(c->count(), voci[i]);
        }
        QCOMPARE(Figlio<QComboBox>(w, "ComboLampada")->itemText(3), QString::fromStdString(Msg(9)));
        auto* g = Figlio<QTableView>(w, "GrigliaCatalogo");
        QCOMPARE(g->model()->columnCount(), 11);
        QCOMPARE(g->model()->headerData(2, Qt::Horizontal).toString(), QString::fromStdString(Msg(357)));
        QCOMPARE(g->model()->headerData(5, Qt::Horizontal).toString(), QStringLiteral("[lm]"));
        QVERIFY(g->columnWidth(0) >= 97);
        for (const char* nome : {"BtnMostraTutto", "BtnSeleziona", "BtnOk", "BtnEsci"})
            QVERIFY2(Figlio<QPushButton>(w, nome), nome);
        QVERIFY(!Figlio<QPushButton>(w, "BtnSeleziona")->isEnabled());
        QVERIFY(Figlio<QLabel>(w, "NOMEAPP")->text().isEmpty());  // empty until a choice
        QVERIFY(Figlio<QLabel>(w, "LabelConteggio")->text().startsWith(QString::fromStdString(Msg(366))));
    }

    void AFilterWithoutRowsWarnsAndResets() {
        test::InterazioneScritta ui;
        Tcatalogue w(Campione(), false, ui);
        auto* g = Figlio<QTableView>(w, "GrigliaCatalogo");
        const int tutte = g->model()->rowCount();
        Imposta(Figlio<QComboBox>(w, "ComboLinea"), 1);
        const int stradali = g->model()->rowCount();
        QVERIFY(stradali > 0 && stradali < tutte);
        for (int r = 0; r < stradali; ++r) QCOMPARE(g->model()->index(r, 0).data().toString(), QStringLiteral("Stradale"));
        QVERIFY(!Figlio<QLabel>(w, "NOMEAPP")->text().isEmpty());
        QVERIFY(!Figlio<QLabel>(w, "ImmagineApparecchio")->pixmap().isNull());
        Imposta(Figlio<QComboBox>(w, "ComboLampada"), 1);  // no high-pressure sodium in the sample
        QCOMPARE(ui.Conta("avviso"), 1);
        QCOMPARE(ui.mostrati[0].testo, Msg(367));
        QCOMPARE(Figlio<QComboBox>(w, "ComboLinea")->currentIndex(), 0);
        QCOMPARE(Figlio<QComboBox>(w, "ComboLampada")->currentIndex(), 0);
        QCOMPARE(g->model()->rowCount(), tutte);
        QVERIFY(Figlio<QLabel>(w, "LabelConteggio")->text().contains(QString::number(tutte)));
    }

    void ListModeCollectsPicksAndExitForgetsThem() {
        test::InterazioneScritta ui;
        Tcatalogue w(Campione(), true, ui);
        w.show();
        auto* g = Figlio<QTableView>(w, "GrigliaCatalogo");
        const int a = Riga(g, 1, QStringLiteral("Iku")), b = Riga(g, 1, QStringLiteral("BN126C"));
        QVERIFY(a >= 0 && b >= 0);
        for (int r : {a, a, b, a}) Scegli(w, r);
        QVERIFY(w.isVisible());
        QCOMPARE(w.Scelte().size(), std::size_t{3});
        QCOMPARE(w.Scelte()[0], w.Scelte()[2]);
        QVERIFY(QString::fromStdString(w.Scelte()[1]).endsWith(QStringLiteral("signify_isym4_uneven_gamma.ldt")));
        QVERIFY(Figlio<QLabel>(w, "LabelConteggio")->text().endsWith(QStringLiteral(" - 3")));
        Clic(w, "BtnEsci");
        QVERIFY(w.Scelte().empty());
    }

    // From the main window's command: the pick loads with the lamp set of its
    // flux; a cancel keeps what was loaded.
    void APickLoadsWithItsLampSetAndACancelKeepsThePhotometry() {
        auto stato = std::make_unique<StatoProgetto>();
        stato->DirProg = Campione();
        test::InterazioneScritta ui;
        ContestoFinestra c{nullptr, *stato, ui};
        QTimer::singleShot(0, [] {
            auto* w = qobject_cast<Tcatalogue*>(QApplication::activeModalWidget());
            QVERIFY(w);
            auto* g = Figlio<QTableView>(*w, "GrigliaCatalogo");
            Scegli(*w, Riga(g, 5, QStringLiteral("2643")));
        });
        ApriCatalogoPerFoto(c);
        QVERIFY(QString::fromStdString(stato->FileFoto).endsWith(QStringLiteral("ldt/two_lamp_sets_isym4.ldt")));
        QCOMPARE(stato->Foto.LampSel, 1);
        QCOMPARE(stato->CatNomeFile, std::string("two_lamp_sets_isym4.ldt"));
        QVERIFY(QString::fromStdString(stato->FotoApp).endsWith(QStringLiteral("img/sample03.jpg")));
        QVERIFY(stato->FotoCaricata);
        QVERIFY(!stato->DaCatalogo);

        const std::string prima = stato->FileFoto;
        QTimer::singleShot(0, [] {
            auto* w = qobject_cast<Tcatalogue*>(QApplication::activeModalWidget());
            QVERIFY(w);
            Clic(*w, "BtnEsci");
        });
        ApriCatalogoPerFoto(c);
        QCOMPARE(stato->FileFoto, prima);
        QCOMPARE(stato->Foto.LampSel, 1);

        stato->DirProg = QDir::tempPath().toStdString() + "/nessun-catalogo";
        ApriCatalogoPerFoto(c);
        QCOMPARE(ui.mostrati.back().testo, Msg(429));
    }
};

NOTTARO_TEST_UI(TcatalogueTest);
#include "TcatalogueTest.moc"
