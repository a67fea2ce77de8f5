// The luminaire list window: what it shows, the buttons by objectName, the
// questions before leaving, and what the main window reads afterwards.
#include <QBrush>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <fstream>
#include <memory>

#include "CampioneUi.h"
#include "InterazioneScritta.h"
#include "SupportoUi.h"
#include "catalogue/CaricaScelta.h"
#include "core/i18n/Messaggi.h"
#include "core/state/StatoProgetto.h"
#include "ui/catalogue/AperturaCatalogo.h"
#include "ui/catalogue/TElencoldt.h"

using namespace nottaro;
using namespace nottaro::ui;

namespace {

using test::Campione;
using test::Clic;
using test::Figlio;


QStringList Voci(QWidget& w) {
    QStringList v;
    auto* l = Figlio<QListWidget>(w, "ListaFile");
    for (int i = 0; i < l->count(); ++i) v << l->item(i)->text();
    return v;
}

// Dialogs answered by the test: nothing chosen unless set.
struct Risposte {
    std::optional<std::string> apri, salva;
    std::vector<std::string> disco, catalogo;
    DialoghiElenco Dialoghi() {
        return {[this] { return apri; }, [this] { return salva; }, [this] { return disco; },
                [this] { return catalogo; }};
    }
};

}  // namespace

class TElencoldtTest : public QObject {
    Q_OBJECT
private slots:
    void init() { ImpostaLinguaCatalogo(1); }

    void ShowsTheListSortedWithMissingFilesInRed() {
        QTemporaryDir dir;
        auto stato = std::make_unique<StatoProgetto>();
        stato->DirProg = Campione();
        stato->FileLista = dir.filePath(QStringLiteral("mia.ntr")).toStdString();
        std::ofstream(stato->FileLista, std::ios::binary)
            << "C:\\Nottaro\\ldt\\SAMPLE_STREET_ISYM0.ldt\r\n/manca/b.ldt\r\n" << Campione() << "/ldt/iku.ldt\r\n"
            << Campione() << "/ldt/erco_isym1_absolute.ldt\r\n";
        test::InterazioneScritta ui;
        Risposte r;
        TElencoldt w(*stato, ui, nullptr, r.Dialoghi());
        QCOMPARE(w.windowTitle(), QString::fromStdString(Msg(81)));
        QVERIFY(!(w.windowFlags() & Qt::WindowCloseButtonHint));
        QCOMPARE(Figlio<QLabel>(w, "LabelNomeLista")->text(), QStringLiteral("mia.ntr"));
        const QStringList v = Voci(w);
        // Sorted ignoring case; where the sample folder falls depends on the checkout,
        // so the order is checked pairwise and the other machine's "C:" path comes last.
        QCOMPARE(v.size(), 4);
        for (int i = 1; i < v.size(); ++i) QVERIFY(v[i - 1].compare(v[i], Qt::CaseInsensitive) <= 0);
        QCOMPARE(v[3], QStringLiteral("C:\\Nottaro\\ldt\\SAMPLE_STREET_ISYM0.ldt"));
        QVERIFY(v.contains(QStringLiteral("/manca/b.ldt")));
        auto* l = Figlio<QListWidget>(w, "ListaFile");
        int rossi = 0;
        for (int i = 0; i < l->count(); ++i) {
            const bool rosso = l->item(i)->foreground() == QBrush(Qt::red);
            rossi += rosso;
            QCOMPARE(l->item(i)->toolTip().isEmpty(), !rosso);
        }
        QCOMPARE(rossi, 2);  // /manca/b.ldt and iku.ldt; the other machine's path is found by name
        QVERIFY(Figlio<QLabel>(w, "LabelMancanti")->text().endsWith(QStringLiteral(" 2")));
        QCOMPARE(l->item(v.indexOf(QStringLiteral("/manca/b.ldt")))->toolTip(), QString::fromStdString(Msg(25)));
    }

    void RemoveAddAndTheQuestionOnLeaving() {
        QTemporaryDir dir;
        auto stato = std::make_unique<StatoProgetto>();
        stato->DirProg = Campione();
        test::InterazioneScritta ui;
        Risposte r;
        TElencoldt w(*stato, ui, nullptr, r.Dialoghi());
        w.show();
        r.disco = {"/d/c.ldt", "/d/a.ldt", "/d/b.ldt"};
        Clic(w, "BtnAggiungiFile");
        r.catalogo = {Campione() + "/ldt/iku.ldt"};
        Clic(w, "BtnAggiungiCatalogo");
        QCOMPARE(Voci(w).size(), 4);
        auto* l = Figlio<QListWidget>(w, "ListaFile");
        // Only the first of the picked rows goes. Picked by name: the sample folder's
        // place in the sorted list depends on the checkout.
        for (const auto& via : {QStringLiteral("/d/c.ldt"), QStringLiteral("/d/a.ldt")})
            l->item(Voci(w).indexOf(via))->setSelected(true);
        Clic(w, "BtnElimina");
        QStringList resto = Voci(w), attesi{QString::fromStdString(Campione() + "/ldt/iku.ldt"),
                                                   QStringLiteral("/d/b.ldt"), QStringLiteral("/d/c.ldt")};
        resto.sort(Qt::CaseInsensitive);
        attesi.sort(Qt::CaseInsensitive);
        QCOMPARE(resto, attesi);

        // Escape and the window manager's close leave the window open.
        QTest::keyClick(&w, Qt::Key_Escape);
        w.close();
        QVERIFY(w.isVisible());
        // "&Ok" asks 107: Yes with a cancelled save stays, Yes with a save leaves.
        ui.risposte = {true, true};
        Clic(w, "BtnOk");
        QVERIFY(w.isVisible());
        r.salva = dir.filePath(QStringLiteral("nuova")).toStdString();
        Clic(w, "BtnOk");
        QVERIFY(!w.isVisible());
        QCOMPARE(ui.Conta("conferma"), 2);
        QCOMPARE(ui.mostrati.back().testo, Msg(107));
        QCOMPARE(stato->FileLista, r.salva.value() + ".ntr");
        QVERIFY(QFile::exists(QString::fromStdString(stato->FileLista)));
        DopoElencoLdt(*stato);
        QVERIFY(stato->FotoCaricata);
        QCOMPARE(EtichettaFotometria(*stato, true), std::string("Lista: nuova.ntr"));
        QCOMPARE(EtichettaFotometria(*stato, false), std::string("nuova.ntr"));
    }

    void CloseEmptiesTheCurrentListAndOkAsksNothing() {
        QTemporaryDir dir;
        auto stato = std::make_unique<StatoProgetto>();
        stato->FileLista = dir.filePath(QStringLiteral("l.ntr")).toStdString();
        std::ofstream(stato->FileLista, std::ios::binary) << "/a.ldt\r\n";
        stato->FotoCaricata = true;
        test::InterazioneScritta ui;
        Risposte r;
        TElencoldt w(*stato, ui, nullptr, r.Dialoghi());
        w.show();
        r.disco = {"/b.ldt"};
        Clic(w, "BtnAggiungiFile");
        Clic(w, "BtnChiudiLista");
        QVERIFY(stato->FileLista.empty());
        QVERIFY(Voci(w).isEmpty());
        QVERIFY(Figlio<QLabel>(w, "LabelNomeLista")->text().isEmpty());
        Clic(w, "BtnOk");
        QVERIFY(!w.isVisible());
        QCOMPARE(ui.Conta("conferma"), 0);
        DopoElencoLdt(*stato);
        QVERIFY(!stato->FotoCaricata);  // no list and no photometry
        QCOMPARE(EtichettaFotometria(*stato, true), std::string());
    }

    void TheCatalogueButtonNeedsACatalogue() {
        auto stato = std::make_unique<StatoProgetto>();
        stato->DirProg = QDir::tempPath().toStdString() + "/nessun-catalogo";
        test::InterazioneScritta ui;
        Risposte r;
        r.catalogo = {"/x.ldt"};
        TElencoldt w(*stato, ui, nullptr, r.Dialoghi());
        Clic(w, "BtnAggiungiCatalogo");
        QCOMPARE(ui.mostrati.back().testo, Msg(429));
        QVERIFY(Voci(w).isEmpty());
    }
};

NOTTARO_TEST_UI(TElencoldtTest);
#include "TElencoldtTest.moc"
