#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include <set>

#include "SupportoUi.h"
#include "store/TabellaDbf.h"
#include "ui/risultati/ModelloSoluzioni.h"

using namespace nottaro;
using namespace nottaro::ui;

// 65,000 rows: scrolling to the end reads the rows on screen, not the table.
class GrigliaGrandeTest : public QObject {
    Q_OBJECT
private slots:
    void ScorrereLeggeSoloLeRigheMostrate() {
        QTemporaryDir dir;
        TabellaDbf t;
        t.Collega(dir.path().toStdString(), "NTRLUX");
        QVERIFY(t.Svuota());
        QVERIFY(t.Apri());
        std::vector<ValoreCampo> riga;
        for (const auto& c : t.Campi())
            riga.emplace_back(c.tipo == TipoCampo::Testo ? ValoreCampo(std::string("SAP")) : ValoreCampo(1.5));
        for (int n = 1; n <= 65000; ++n) {
            riga[0] = static_cast<double>(n);
            QVERIFY(t.Aggiungi(riga));
        }
        t.Consolida();
        ModelloSoluzioni m(t, false, 0);
        std::set<int> lette;
        m.ImpostaOsservatoreLetture([&](int r) { lette.insert(r); });
        QTableView v;
        v.setModel(&m);
        v.resize(800, 400);
        v.show();
        QVERIFY(QTest::qWaitForWindowExposed(&v));
        lette.clear();
        v.scrollToBottom();
        QTest::qWait(50);
        QVERIFY(!lette.empty());
        QVERIFY2(lette.size() < 60, std::to_string(lette.size()).c_str());
        QVERIFY(*lette.begin() > 64900);
        QCOMPARE(m.data(m.index(64999, 0), Qt::DisplayRole).toString(), QStringLiteral("65000"));
    }
};

NOTTARO_TEST_UI(GrigliaGrandeTest);
#include "GrigliaGrandeTest.moc"
