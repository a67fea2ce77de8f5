// The catalogue and list commands of the main window: a pick loads with its
// lamp set, a list names itself in the photometry labels and lets the
// optimisation run, closing it takes both back.
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <fstream>
#include <memory>

#include "CampioneUi.h"
#include "InterazioneScritta.h"
#include "SupportoUi.h"
#include "core/i18n/Messaggi.h"
#include "core/state/StatoProgetto.h"
#include "ui/catalogue/TElencoldt.h"
#include "ui/catalogue/Tcatalogue.h"
#include "ui/principale/TVelaro.h"

using namespace nottaro;
using namespace nottaro::ui;

namespace {

using test::Campione;
using test::Clic;
using test::Figlio;

// Acts on the modal window the main window opens next.
template <class Finestra, class Azione>
void QuandoSiApre(Azione azione) {
    QTimer::singleShot(0, [azione] {
        auto* w = qobject_cast<Finestra*>(QApplication::activeModalWidget());
        QVERIFY(w);
        azione(*w);
    });
}

// A road whose requirements, arrangement and width are set: only the
// photometry (or a list) is missing for the Optimise command.
void StradaPronta(StatoProgetto& s) {
    s.DispPali = 1;
    s.LmMin = 1;
    s.UoMin = 40;
    s.UlMin = 70;
    s.TiMax = 15;
    s.StradaDef = true;
}

}  // namespace

class CatalogoDaVelaroTest : public QObject {
    Q_OBJECT
private slots:
    void init() { ImpostaLinguaCatalogo(1); }

    void NoCatalogueIsMessage429() {
        auto stato = std::make_unique<StatoProgetto>();
        test::InterazioneScritta ui;
        TVelaro w(*stato, &ui);
        stato->DirProg = QDir::tempPath().toStdString() + "/nessun-catalogo";
        Clic(w, "BitBtn8");
        QCOMPARE(ui.Conta("avviso"), 1);
        QCOMPARE(ui.mostrati.back().testo, Msg(429));
    }

    void APickLoadsThenAListReplacesItAndClosingTakesItBack() {
        QTemporaryDir dir;
        auto stato = std::make_unique<StatoProgetto>();
        test::InterazioneScritta ui;
        TVelaro w(*stato, &ui);
        stato->DirProg = Campione();
        StradaPronta(*stato);
        auto* etichetta = Figlio<QLabel>(w, "Label6");
        auto* ottimizza = w.findChild<QAction*>(QStringLiteral("ProgettoStradale1"));
        QVERIFY(etichetta && ottimizza);

        QuandoSiApre<Tcatalogue>([](Tcatalogue& c) {
            auto* g = Figlio<QTableView>(c, "GrigliaCatalogo");
            for (int r = 0; r < g->model()->rowCount(); ++r)
                if (g->model()->index(r, 5).data().toString() == QStringLiteral("2643"))
                    g->setCurrentIndex(g->model()->index(r, 0));
            Clic(c, "BtnSeleziona");
        });
        Clic(w, "BitBtn8");
        QCOMPARE(etichetta->text(), QStringLiteral("two_lamp_sets_isym4.ldt"));
        QCOMPARE(stato->Foto.LampSel, 1);
        QVERIFY(ottimizza->isEnabled());

        // A list saved in the list window becomes the current one.
        stato->FileLista = dir.filePath(QStringLiteral("scelti.ntr")).toStdString();
        std::ofstream(stato->FileLista, std::ios::binary) << Campione() << "/ldt/erco_isym1_absolute.ldt\r\n";
        QuandoSiApre<TElencoldt>([](TElencoldt& e) { Clic(e, "BtnOk"); });
        Clic(w, "BitBtn7");
        QCOMPARE(etichetta->text(), QStringLiteral("Lista: scelti.ntr"));
        QVERIFY(ottimizza->isEnabled());
        QCOMPARE(Figlio<QLabel>(w, "Label14")->text(), QStringLiteral("Lista: scelti.ntr"));

        // "&Chiudi" in the list window: the labels go back to the photometry.
        QuandoSiApre<TElencoldt>([](TElencoldt& e) {
            Clic(e, "BtnChiudiLista");
            Clic(e, "BtnOk");
        });
        w.findChild<QAction*>(QStringLiteral("CaricaElencoLDT1"))->trigger();
        QCOMPARE(etichetta->text(), QStringLiteral("two_lamp_sets_isym4.ldt"));
        QVERIFY(stato->FotoCaricata);

        // The menu's "C&hiudi Elenco LDT" after a list opened from the menu (no prefix).
        std::ofstream(dir.filePath(QStringLiteral("altra.ntr")).toStdString(), std::ios::binary) << "/x.ldt\r\n";
        stato->FileLista = dir.filePath(QStringLiteral("altra.ntr")).toStdString();
        QuandoSiApre<TElencoldt>([](TElencoldt& e) { Clic(e, "BtnOk"); });
        w.findChild<QAction*>(QStringLiteral("CaricaElencoLDT1"))->trigger();
        QCOMPARE(etichetta->text(), QStringLiteral("altra.ntr"));
        w.findChild<QAction*>(QStringLiteral("ChiudiElencoLDT1"))->trigger();
        QVERIFY(stato->FileLista.empty());
        QVERIFY(!stato->FotoCaricata);
        QVERIFY(etichetta->text().isEmpty());
        QVERIFY(!ottimizza->isEnabled());
    }
};

NOTTARO_TEST_UI(CatalogoDaVelaroTest);
#include "CatalogoDaVelaroTest.moc"
