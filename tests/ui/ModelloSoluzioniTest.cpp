#include <QChart>
#include <QChartView>
#include <QScatterSeries>
#include <QSignalSpy>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <optional>
#include <set>

#include "SupportoUi.h"
#include "engine/progetto/VerdettiClasse.h"
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

    // "All results": each class criterion of a row is judged on its own cell
    // by the verdict evaluate and the report give; a row failing one
    // criterion fails only that cell. Under the Parts' edition TI is listed,
    // not judged, and an Lm above the sweep's tolerance still meets the class;
    // under the 2015 edition TI and EIR are judged.
    void VerdettiDeiCriteriStrada() {
        QTemporaryDir dir;
        TabellaDbf t;
        t.Collega(dir.path().toStdString(), "NTRLUX");
        QVERIFY(t.Svuota());
        QVERIFY(t.Apri());
        struct Caso {
            double lm, uo, ul, ti, eir;
            const char* fallitoParti;  // criterion field failing under each edition, "" for none
            const char* fallito2015;
        };
        const Caso casi[] = {{1.1, 0.45, 0.75, 9, 0.5, "", ""},           {0.065, 0.45, 0.75, 9, 0.5, "LUMINA", "LUMINA"},
                             {1.3, 0.45, 0.75, 9, 0.5, "", ""},           {1.1, 0.39, 0.75, 9, 0.5, "UNIFG", "UNIFG"},
                             {1.1, 0.45, 0.69, 9, 0.5, "UNIFL", "UNIFL"}, {1.1, 0.45, 0.75, 15.5, 0.5, "", "TI"},
                             {1.1, 0.45, 0.75, 9, 0.29, "", "EIR"}};
        int n = 0;
        for (const Caso& c : casi) {
            std::vector<ValoreCampo> v;
            for (const auto& campo : t.Campi()) {
                if (campo.nome == "NUM") v.emplace_back(static_cast<double>(++n));
                else if (campo.nome == "LUMINA") v.emplace_back(c.lm);
                else if (campo.nome == "UNIFG") v.emplace_back(c.uo);
                else if (campo.nome == "UNIFL") v.emplace_back(c.ul);
                else if (campo.nome == "TI") v.emplace_back(c.ti);
                else if (campo.nome == "EIR") v.emplace_back(c.eir);
                else if (campo.tipo == TipoCampo::Testo) v.emplace_back(std::string("SAP"));
                else v.emplace_back(1.0);
            }
            QVERIFY(t.Aggiungi(v));
        }
        StatoProgetto s;
        s.LmMin = 1, s.ErrLm = 20, s.UoMin = 40, s.UlMin = 70, s.TiMax = 15, s.CodClasse = "m3";
        ModelloSoluzioni m(t, false, s.TiMax);
        QVERIFY(!m.data(m.index(0, m.Colonna("LUMINA")), ModelloSoluzioni::RuoloVerdetto).isValid());  // none set
        QVERIFY(!m.GiudicaColonne());
        for (const int edizione : {EdizioneParti, Edizione2015}) {
            s.EdizioneEN = edizione;
            m.ImpostaRequisiti(s);
            QVERIFY(m.GiudicaColonne());
            for (int r = 0; r < static_cast<int>(std::size(casi)); ++r) {
                const std::string fallito = edizione == Edizione2015 ? casi[r].fallito2015 : casi[r].fallitoParti;
                for (const char* campo : {"LUMINA", "UNIFG", "UNIFL", "TI", "EIR"}) {
                    const QVariant v = m.data(m.index(r, m.Colonna(campo)), ModelloSoluzioni::RuoloVerdetto);
                    const bool giudicato = edizione == Edizione2015 || (std::string(campo) != "TI" && std::string(campo) != "EIR");
                    QCOMPARE(v.isValid(), giudicato);
                    if (giudicato) QCOMPARE(v.toBool(), std::string(campo) != fallito);
                }
            }
        }
        // The tooltip names the criterion, the figure and what the class asks.
        QCOMPARE(m.data(m.index(5, m.Colonna("TI")), Qt::ToolTipRole).toString(),
                 Qm(2203).arg(QStringLiteral("TI"), QStringLiteral("15.5"), QStringLiteral("≤ 15")));
        // Cells outside the criteria are not judged; figures show the decimals read.
        QVERIFY(!m.data(m.index(0, m.Colonna("INTER")), ModelloSoluzioni::RuoloVerdetto).isValid());
        QCOMPARE(m.data(m.index(1, m.Colonna("LUMINA")), Qt::DisplayRole).toString(), QStringLiteral("0.065"));
        QCOMPARE(m.data(m.index(5, m.Colonna("TI")), Qt::DisplayRole).toString(), QStringLiteral("15.5"));
    }

    // A path row under the Parts' requirements (Em, Emin, Emin/Em) and under
    // a 2015 P class (Em between its value and 1.5 times it, Emin): the
    // stored figures read through the one class verdict, a missing figure
    // failing.
    void VerdettiDeiCriteriPercorso() {
        StatoProgetto s;
        s.EmMin = 10, s.ErrEm = 20, s.EminMin = 3, s.UeMin = 40, s.ClasseA = "P2 o S2";
        struct Caso {
            int edizione;
            std::optional<double> em, emin;
            std::vector<std::string> mancati;
        };
        const Caso casi[] = {
            {EdizioneParti, 10, 4, {}},         {EdizioneParti, 9.9, 4, {"Em"}},  {EdizioneParti, 30, 12.1, {}},
            {EdizioneParti, 10, 2.9, {"Emin", "Uo"}}, {EdizioneParti, 10, 3.5, {"Uo"}}, {EdizioneParti, std::nullopt, 4, {"Em", "Uo"}},
            {Edizione2015, 10, 2, {}},          {Edizione2015, 15.1, 2, {"Em"}},  {Edizione2015, 12, 1.9, {"Emin"}},
        };
        for (const Caso& c : casi) {
            s.EdizioneEN = c.edizione;
            const auto criteri = GiudicaRiga(RequisitiDiClasse(s, true), [&](std::string_view figura) {
                return figura == "Em" ? c.em : figura == "Emin" ? c.emin : std::nullopt;
            });
            std::vector<std::string> mancati;
            for (const Criterio& k : criteri)
                if (!k.soddisfatto) mancati.emplace_back(k.nome);
            QCOMPARE(mancati, c.mancati);
        }
    }

    // The chart: one series per energy class; a click on a point names its
    // row. Rows drawn on one another (same spacing, power and class) are one
    // point, standing for the first of them.
    void ClicSulPuntoScegleLaRiga() {
        QTemporaryDir dir;
        TabellaDbf t;
        Riempi(t, dir, {{1, 20, 1500, "B"}, {1, 25, 1200, "A"}, {1, 30, 1400, "B"}, {1, 35, 900, "A+"},
                        {1, 30, 1400, "B"}, {1, 30, 1400, "A"}});
        GraficoSoluzioni g(t);
        g.resize(600, 400);
        g.show();
        QSignalSpy disegnato(&g, &GraficoSoluzioni::Disegnato);
        g.Aggiorna();
        QVERIFY(g.InPreparazione() || disegnato.count() == 1);
        QVERIFY(disegnato.count() == 1 || disegnato.wait(10000));
        QVERIFY(!g.InPreparazione());
        QCOMPARE(g.Punti(), std::size_t{5});
        auto* vista = g.findChild<QChartView*>();
        const auto serie = vista->chart()->series();
        QCOMPARE(serie.size(), 3);
        QCOMPARE(serie.front()->name(), Qm(1619).arg(QStringLiteral("A+")));  // best class first
        QSignalSpy scelte(&g, &GraficoSoluzioni::RigaScelta);
        for (QAbstractSeries* s : serie) {
            auto* sc = static_cast<QScatterSeries*>(s);
            for (const QPointF& p : sc->points()) emit sc->clicked(p);
        }
        std::set<int> righe;
        for (const auto& a : scelte) righe.insert(a.at(0).toInt());
        QCOMPARE(righe, (std::set<int>{0, 1, 2, 3, 5}));
    }

    // The worker reads the file through its own table with the browser's
    // filter, and gathers the very points the window thread gathers.
    void PuntiDelLavoratoreUgualiAQuelliDellaFinestra() {
        QTemporaryDir dir;
        TabellaDbf t;
        std::vector<RigaGrafico> righe;
        const char* classi[] = {"A+", "A", "B", "C"};
        for (int i = 0; i < 400; ++i)
            righe.push_back({1, 20.0 + i % 17, 800.0 + 37 * (i % 23), classi[i % 4]});
        Riempi(t, dir, righe);
        for (const char* filtro : {"", "INTER >= '25'"}) {
            QVERIFY(t.ImpostaFiltro(filtro));
            t.AttivaFiltro(true);
            const PuntiGrafico qui = RaccogliPunti(t);
            const PuntiGrafico altrove = RaccogliPuntiDaFile(t.Percorso(), t.TestoFiltro(), t.FiltroAttivo());
            QVERIFY(!qui.Vuoto());
            QCOMPARE(altrove.serie.size(), qui.serie.size());
            for (std::size_t k = 0; k < qui.serie.size(); ++k) {
                QCOMPARE(altrove.serie[k].classe, qui.serie[k].classe);
                QCOMPARE(altrove.serie[k].punti, qui.serie[k].punti);
                QCOMPARE(altrove.serie[k].righe, qui.serie[k].righe);
            }
            QCOMPARE(altrove.xmin, qui.xmin);
            QCOMPARE(altrove.ymax, qui.ymax);
        }
    }

    // A header click orders the rows shown, numbers by value and texts as
    // text, equal cells in table order; a filter keeps the order; -1 undoes it.
    void OrdinarePerColonna() {
        QTemporaryDir dir;
        TabellaDbf t;
        Riempi(t, dir, {{9, 30, 1500, "B"}, {2, 25, 1200, "A"}, {14, 30, 1400, "C"}, {2, 35, 900, "A+"}});
        ModelloSoluzioni m(t, false, 0);
        auto colonna = [&](const char* campo) {
            QStringList v;
            for (int r = 0; r < m.rowCount(); ++r) v << m.index(r, m.Colonna(campo)).data().toString();
            return v;
        };
        m.sort(m.Colonna("TI"), Qt::AscendingOrder);
        QCOMPARE(colonna("TI"), (QStringList{"2.0", "2.0", "9.0", "14.0"}));  // 14 after 9: by value
        QCOMPARE(colonna("INTER"), (QStringList{"25.00", "35.00", "30.00", "30.00"}));  // ties in table order
        QCOMPARE(m.RigaTabella(0), 1);
        QCOMPARE(m.RigaVista(1), 0);
        m.sort(m.Colonna("CORPO"), Qt::DescendingOrder);
        QCOMPARE(colonna("CORPO"), (QStringList{"C", "B", "A+", "A"}));
        QVERIFY(t.ImpostaFiltro("INTER <= '30'"));
        t.AttivaFiltro(true);
        m.Ricarica();
        QCOMPARE(colonna("CORPO"), (QStringList{"C", "B", "A"}));
        m.sort(-1);
        QCOMPARE(colonna("CORPO"), (QStringList{"B", "A", "C"}));
        QCOMPARE(m.RigaTabella(2), 2);
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
        QTRY_VERIFY(!lette.empty());
        QVERIFY2(lette.size() < 60, std::to_string(lette.size()).c_str());
        QVERIFY(*lette.begin() > 64900);
        QCOMPARE(m.data(m.index(64999, 0), Qt::DisplayRole).toString(), QStringLiteral("65000"));
    }
};

NOTTARO_TEST_UI(ModelloSoluzioniTest);
#include "ModelloSoluzioniTest.moc"
