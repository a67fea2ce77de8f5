// The filter texts of the solution browser, the reports and the catalogue,
// applied to small tables whose matching rows are known.
#include <gtest/gtest.h>

#include <set>

#include "support/CartellaTemporanea.h"
#include "RigheProva.h"
#include "store/TabellaDbf.h"

namespace nottaro {
namespace {

using test::CartellaTemporanea;
using test::RigaSoluzione;

// NUM of the visible rows.
std::set<int> Visibili(const TabellaDbf& t) {
    std::set<int> r;
    for (std::size_t i = 0; i < t.NumeroRighe(); ++i) r.insert(static_cast<int>(t.NumeroRiga(i, "NUM").value_or(-1)));
    return r;
}

class FiltroSoluzioni : public ::testing::Test {
protected:
    void SetUp() override {
        t.Collega(dir.Str(), "NTRLUX");
        ASSERT_TRUE(t.Apri());
        struct R {
            double hpalo, sbraccio, inter;
        };
        // Row 6 holds a height reached by adding 0.1 steps, which is not 2.3
        // exactly; the browser offers it as "2.3".
        double h = 2.0;
        for (int i = 0; i < 3; ++i) h += 0.1;
        const R righe[] = {{8, 1.5, 27}, {8, -0.5, 30}, {6, 1.5, 20}, {10, 0, 27}, {8, 1.5, 25}, {h, 0, 10}};
        int num = 1;
        for (const auto& r : righe) {
            auto v = RigaSoluzione(LayoutNTRLUX(), num++, r.hpalo, r.sbraccio);
            v[3] = r.inter;
            ASSERT_TRUE(t.Aggiungi(v));
        }
        t.AttivaFiltro(true);
    }
    CartellaTemporanea dir;
    TabellaDbf t;
};

TEST_F(FiltroSoluzioni, ComparisonsAndJoins) {
    const struct {
        const char* filtro;
        std::set<int> righe;
    } casi[] = {
        {"HPALO = '8'", {1, 2, 5}},
        {"HPALO = '8.0'", {1, 2, 5}},
        {"HPALO = '8' and SBRACCIO = '1.5'", {1, 5}},
        {"HPALO = '8' and SBRACCIO = '1.5' and INTER >= '27'", {1}},
        {"SBRACCIO = '-0.5'", {2}},
        {"HPALO = '2.3'", {6}},
        {"HPALO <> '8'", {3, 4, 6}},
        {"INTER > '27'", {2}},
        {"INTER < '25'", {3, 6}},
        {"INTER < '27.000000000001'", {3, 5, 6}},
        {"INTER <= '25'", {3, 5, 6}},
        {"INTER >= '27.000000000001'", {1, 2, 4}},  // a threshold rebuilt from a stored maximum
        {"HPALO = '6' or HPALO = '10'", {3, 4}},
        {"HPALO = '6' OR HPALO = '8' AND SBRACCIO = '-0.5'", {2, 3}},  // and binds tighter
        {"hpalo = '8' AND (sbraccio = '-0.5' or INTER < '26')", {2, 5}},
        {"((HPALO = '10'))", {4}},
        {"  HPALO='8'and SBRACCIO='1.5'  ", {1, 5}},
        {"HPALO = '7'", {}},
        {"", {1, 2, 3, 4, 5, 6}},
        {"   ", {1, 2, 3, 4, 5, 6}},
    };
    for (const auto& c : casi) {
        EXPECT_TRUE(t.ImpostaFiltro(c.filtro)) << c.filtro;
        EXPECT_EQ(Visibili(t), c.righe) << c.filtro;
    }
}

TEST_F(FiltroSoluzioni, BadFiltersAreRefusedAndFilterNothing) {
    const char* casi[] = {
        "HPALO = 8",                        // value not quoted
        "HPALO '8'",                        // no operator
        "HPALO == '8'",                     //
        "HPALO = '8' and",                  // dangling join
        "(HPALO = '8'",                     // missing ')'
        "HPALO = '8')",                     // stray ')'
        "HPALO = '8",                       // value not closed
        "HPALO = '8' andSBRACCIO = '1.5'",  // joins are whole words
        "HPALO = '8' xor SBRACCIO = '1.5'",
        "ALTEZZA = '8'",                    // no such field
        "HPALO = 'otto'",                   // not a number for a numeric field
        "HPALO = ''",
        "HPALO = 'nan'",                    // compares with nothing the table holds
        "HPALO <> 'NaN'",
        "INTER < 'inf'",
        "INTER > '-inf'",
        "INTER >= 'infinity'",
        "INTER >= '1e999'",
        "= '8'",
    };
    for (const char* filtro : casi) {
        ASSERT_TRUE(t.ImpostaFiltro("HPALO = '10'"));
        ASSERT_EQ(t.NumeroRighe(), 1u);
        const auto e = t.ImpostaFiltro(filtro);
        EXPECT_FALSE(e) << filtro;
        EXPECT_NE(e.errore.find(filtro), std::string::npos) << "the message quotes the filter: " << e.errore;
        EXPECT_EQ(t.NumeroRighe(), 6u) << filtro;
        EXPECT_EQ(t.TestoFiltro(), "") << filtro;
    }
    EXPECT_NE(t.ImpostaFiltro("ALTEZZA = '8'").errore.find("ALTEZZA"), std::string::npos);
}

// Hostile filter texts: deep nesting is refused before it can exhaust the
// stack, and long chains of joins are read and applied without depth.
TEST_F(FiltroSoluzioni, NestingIsCappedAndLongChainsStayFlat) {
    auto annidato = [](int livelli, const std::string& dentro) {
        return std::string(static_cast<std::size_t>(livelli), '(') + dentro + std::string(static_cast<std::size_t>(livelli), ')');
    };
    auto catena = [](int termini, const char* unione, const std::string& termine, const std::string& ultimo) {
        std::string f;
        for (int i = 0; i < termini - 1; ++i) f += termine + unione;
        return f + ultimo;
    };
    const struct {
        const char* nome;
        std::string filtro;
        bool accettato;
        std::set<int> righe;
    } casi[] = {
        {"200 levels", annidato(MaxAnnidamentoFiltro, "HPALO = '10'"), true, {4}},
        {"201 levels", annidato(MaxAnnidamentoFiltro + 1, "HPALO = '10'"), false, {}},
        {"30,000 levels", annidato(30000, "HPALO = '10'"), false, {}},
        {"30,000 open, never closed", std::string(30000, '('), false, {}},
        {"levels side by side", annidato(150, "HPALO = '6'") + " or " + annidato(150, "HPALO = '10'"), true, {3, 4}},
        {"50,000 ors", catena(50000, " or ", "HPALO = '7'", "HPALO = '6'"), true, {3}},
        {"50,000 ands", catena(50000, " and ", "HPALO = '8'", "SBRACCIO = '-0.5'"), true, {2}},
    };
    for (const auto& c : casi) {
        const auto e = t.ImpostaFiltro(c.filtro);
        EXPECT_EQ(e.ok(), c.accettato) << c.nome << ": " << e.errore;
        if (c.accettato) {
            EXPECT_EQ(Visibili(t), c.righe) << c.nome;
        } else {
            EXPECT_NE(e.errore.find("nested deeper than 200"), std::string::npos) << c.nome << ": " << e.errore;
            EXPECT_LT(e.errore.size(), 250u) << c.nome << ": one readable line";
            EXPECT_EQ(t.NumeroRighe(), 6u) << c.nome;
        }
    }
}

// Catalogue filters: texts compare as texts, the whole-number power as a
// number (as text '70' would sort after '100').
TEST(FiltroCatalogo, TextAndNumericFields) {
    CartellaTemporanea dir;
    TabellaDbf t;
    t.Collega(dir.Str(), "lightlist");
    ASSERT_TRUE(t.Crea());
    ASSERT_TRUE(t.Apri());
    const Layout& l = LayoutLightlist();
    struct R {
        const char *codice, *linea, *produttore, *testapalo;
        double potenza;
    };
    const R righe[] = {{"1", "Stradale", "Alfa", "SI", 70},
                       {"2", "Stradale", "L'Aquila Luce", "", 150},
                       {"3", "Arredo Urbano in Stile", "Beta", "SI", 70},
                       {"4", "Arredo Urbano Moderno", "Città Luce", "", 100}};
    for (const auto& r : righe) {
        std::vector<ValoreCampo> v;
        for (const auto& c : l) {
            if (c.nome == "NUMAPP") v.emplace_back(std::string(r.codice));
            else if (c.nome == "LINEA") v.emplace_back(std::string(r.linea));
            else if (c.nome == "PRODUTTORE") v.emplace_back(std::string(r.produttore));
            else if (c.nome == "TESTAPALO") v.emplace_back(std::string(r.testapalo));
            else if (c.nome == "POTENZAR") v.emplace_back(r.potenza);
            else if (c.tipo == TipoCampo::Numero) v.emplace_back(0.0);
            else v.emplace_back(std::string());
        }
        ASSERT_TRUE(t.Aggiungi(v));
    }
    t.AttivaFiltro(true);
    const struct {
        std::string filtro;
        std::string codici;
    } casi[] = {
        {"(LINEA = 'Stradale') AND (POTENZAR = '70')", "1"},
        {"(TESTAPALO = 'SI')", "13"},
        {"(LINEA = 'Arredo Urbano in Stile')", "3"},
        {"LINEA = 'stradale'", ""},  // letter case counts
        {"LINEA = 'Strad'", ""},     // no prefix match
        {"POTENZAR >= '100'", "24"},
        {"LINEA > 'Arredo Urbano Moderno'", "123"},
        {"PRODUTTORE = " + FiltroTabella::Quota("L'Aquila Luce"), "2"},
        {"(PRODUTTORE = 'Città Luce')", "4"},
        {"(TESTAPALO = 'SI') AND (POTENZAR = '70') AND (LINEA = 'Stradale')", "1"},
    };
    for (const auto& c : casi) {
        ASSERT_TRUE(t.ImpostaFiltro(c.filtro)) << c.filtro;
        std::string codici;
        for (std::size_t i = 0; i < t.NumeroRighe(); ++i) codici += t.TestoRiga(i, "NUMAPP").value_or("?");
        EXPECT_EQ(codici, c.codici) << c.filtro;
    }
}

}  // namespace
}  // namespace nottaro
