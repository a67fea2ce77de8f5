#include <QChart>
#include <QChartView>
#include <QScatterSeries>
#include <QSignalSpy>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include <set>

#include "SupportoUi.h"
#include "store/TabellaDbf.h"
#include "ui/comune/Testi.h"
#include "ui/risultati/GraficoSoluzioni.h"
#include "ui/risultati/ModelloSoluzioni.h"

using namespace nottaro;
using namespace nottaro::ui;

namespace {

// A road table of rows (TI, spacing, power per km, energy class).
struct RigaGrafico {
    double ti, inter, potenzaKm;
    const char* classe;
};
void Riempi(TabellaDbf& t, const QTemporaryDir& dir, const std::vector<RigaGrafico>& righe) {
    t.Collega(dir.path().toStdString(), "NTRLUX");
    QVERIFY(t.Svuota());
    QVERIFY(t.Apri());
    int n = 0;
    for (const RigaGrafico& r : righe) {
        std::vector<ValoreCampo> v;
        for (const auto& c : t.Campi()) {
            if (c.nome == "NUM") v.emplace_back(static_cast<double>(++n));
            else if (c.nome == "TI") v.emplace_back(r.ti);
            else if (c.nome == "INTER") v.emplace_back(r.inter);
            else if (c.nome == "POTENZAKM") v.emplace_back(r.potenzaKm);
            else if (c.nome == "CORPO") v.emplace_back(std::string(r.classe));
            else if (c.tipo == TipoCampo::Testo) v.emplace_back(std::string("SAP"));
            else v.emplace_back(1.0);
        }
        QVERIFY(t.Aggiungi(v));
    }
}

}  // namespace

class ModelloSoluzioniTest : public QObject {
    Q_OBJECT
private slots:
    // Rows whose TI exceeds the class's maximum are marked, naming both values.
    void RigheOltreIlTiMassimo() {
        QTemporaryDir dir;
        TabellaDbf t;
        Riempi(t, dir, {{9.5, 30, 1000, "A"}, {10, 30, 1000, "A"}, {12.25, 30, 1000, "A"}});
        ModelloSoluzioni m(t, false, 10);
        const int ti = m.Colonna("TI");
        for (int r = 0; r < 3; ++r) {
            const bool oltre = r == 2;
            QCOMPARE(m.data(m.index(r, 1), Qt::BackgroundRole).isValid(), oltre);
            QCOMPARE(m.data(m.index(r, ti), Qt::ToolTipRole).toString(),
                     oltre ? Qm(1614).arg(QStringLiteral("12.25"), QStringLiteral("10")) : QString());
        }
        // A path table marks nothing.
        QVERIFY(!ModelloSoluzioni(t, true, 10).data(m.index(2, 1), Qt::BackgroundRole).isValid());
        QCOMPARE(m.data(m.index(0, ti), Qt::TextAlignmentRole).toInt(), int(Qt::AlignRight | Qt::AlignVCenter));
    }

    // The chart: one series per energy class; a click on a point names its row.
    void ClicSulPuntoScegleLaRiga() {
        QTemporaryDir dir;
        TabellaDbf t;
        Riempi(t, dir, {{1, 20, 1500, "B"}, {1, 25, 1200, "A"}, {1, 30, 1400, "B"}, {1, 35, 900, "A+"}});
        GraficoSoluzioni g(t);
        g.resize(600, 400);
        g.show();
        g.Aggiorna();
        QCOMPARE(g.Punti(), std::size_t{4});
        auto* vista = g.findChild<QChartView*>();
        const auto serie = vista->chart()->series();
        QCOMPARE(serie.size(), 3);
        QSignalSpy scelte(&g, &GraficoSoluzioni::RigaScelta);
        for (QAbstractSeries* s : serie) {
            auto* sc = static_cast<QScatterSeries*>(s);
            for (const QPointF& p : sc->points()) emit sc->clicked(p);
        }
        std::set<int> righe;
        for (const auto& a : scelte) righe.insert(a.at(0).toInt());
        QCOMPARE(righe, (std::set<int>{0, 1, 2, 3}));
    }

    // 65,000 rows: scrolling to the end reads the rows on screen, not the table.
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

NOTTARO_TEST_UI(ModelloSoluzioniTest);
#include "ModelloSoluzioniTest.moc"
