// The results browser's filters and selection criteria on a small table.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "store/soluzioni/BrowserSoluzioni.h"
#include "store/TabellaDbf.h"
#include "support/CartellaTemporanea.h"

namespace nottaro {
namespace {

using Valori = std::map<std::string, double>;

std::vector<ValoreCampo> Riga(const Valori& v) {
    std::vector<ValoreCampo> r;
    for (const DefinizioneCampo& c : LayoutNTRLUX()) {
        if (c.tipo == TipoCampo::Testo) {
            r.emplace_back(std::string("x"));
        } else {
            auto it = v.find(c.nome);
            r.emplace_back(it == v.end() ? 0.0 : it->second);
        }
    }
    return r;
}

class BrowserSoluzioni : public ::testing::Test {
protected:
    void SetUp() override {
        t.Collega(dir.Str(), "NTRLUX");
        ASSERT_TRUE(t.Apri());
        const Valori righe[] = {
            {{"NUM", 1}, {"HPALO", 8}, {"SBRACCIO", 0}, {"INTER", 40}, {"INDICEI", 4.0}, {"RISPMANUTE", -50}, {"DP", 0.021}},
            {{"NUM", 2}, {"HPALO", 8}, {"SBRACCIO", 1.5}, {"INTER", 37}, {"INDICEI", 4.4}, {"RISPMANUTE", -40}, {"DP", 0.0205}},
            {{"NUM", 3}, {"HPALO", 8}, {"SBRACCIO", 0}, {"INTER", 35}, {"INDICEI", 4.6}, {"RISPMANUTE", -100}, {"DP", 0.025}},
            {{"NUM", 4}, {"HPALO", 10}, {"SBRACCIO", 1.5}, {"INTER", 60}, {"INDICEI", 3.0}, {"RISPMANUTE", -43}, {"DP", 0.03}},
            {{"NUM", 5}, {"HPALO", 10}, {"SBRACCIO", 0}, {"INTER", 50}, {"INDICEI", 3.3}, {"RISPMANUTE", -70}, {"DP", 0.02}},
        };
        for (const Valori& v : righe) ASSERT_TRUE(t.Aggiungi(Riga(v)));
    }

    std::vector<int> Numeri() {
        std::vector<int> n;
        for (bool ok = t.Primo(); ok; ok = t.Prossimo()) n.push_back(static_cast<int>(*t.Numero("NUM")));
        return n;
    }

    test::CartellaTemporanea dir;
    TabellaDbf t;
    RiepilogoSweep riepilogo;
    std::string filtro;
};

TEST(TestoFiltro, AltezzaESbraccio) {
    EXPECT_EQ(TestoFiltroAltezzaSbraccio("8", ""), "HPALO = '8'");
    EXPECT_EQ(TestoFiltroAltezzaSbraccio("8", "1.5"), "HPALO = '8' and SBRACCIO = '1.5'");
    EXPECT_EQ(TestoFiltroAltezzaSbraccio("", "-0.5"), "SBRACCIO = '-0.5'");
    EXPECT_EQ(TestoFiltroAltezzaSbraccio("", ""), "");
}

TEST(TestoFiltro, ScelteDalRiepilogo) {
    RiepilogoSweep r;
    r.ListaAltezze = {2, 2.5, 8};
    r.ListaSbracci = {1.5, -0.5, 0};
    EXPECT_EQ(TestiAltezze(r), (std::vector<std::string>{"2", "2.5", "8"}));
    EXPECT_EQ(TestiSbracci(r), (std::vector<std::string>{"-0.5", "0", "1.5"}));
}

TEST(TestoFiltro, CriteriPerDidascalia) {
    struct Caso {
        int voce;
        const char* campo;
        bool massimo;
    };
    const Caso casi[] = {{1, "INTER", true},        {3, "INDICEI", false},    {5, "NPALI", false},
                         {7, "POTENZAKM", false},   {11, "RISPIMPIAN", true}, {15, "COSTOADEGU", false},
                         {17, "DELTALMKM", true},   {20, "RISPMANUTA", true}, {21, "BREAKEVEN", false},
                         {22, "DP", false},         {23, "DE", false}};
    for (const Caso& c : casi) {
        const auto k = Criterio(c.voce);
        ASSERT_TRUE(k) << c.voce;
        EXPECT_STREQ(k->campo, c.campo);
        EXPECT_EQ(k->massimo, c.massimo) << c.voce;
    }
    EXPECT_FALSE(Criterio(0));
    EXPECT_FALSE(Criterio(24));
}

TEST_F(BrowserSoluzioni, FiltroPerAltezzaESbraccio) {
    ASSERT_TRUE(FiltraAltezzaSbraccio(t, {"8", "0", 0}, filtro));
    EXPECT_EQ(filtro, "HPALO = '8' and SBRACCIO = '0'");
    EXPECT_EQ(Numeri(), (std::vector<int>{1, 3}));
}

TEST_F(BrowserSoluzioni, MassimaInterdistanzaTraLeRigheDellAltezzaScelta) {
    ASSERT_TRUE(SelezionaCriterio(t, 1, {"8", "", 10}, riepilogo, filtro));
    EXPECT_EQ(filtro, "HPALO = '8' and INTER >= '36'");  // 90 % of 40
    EXPECT_EQ(Numeri(), (std::vector<int>{1, 2}));
}

TEST_F(BrowserSoluzioni, MinimoSenzaSceltaSulleRigheMostrate) {
    riepilogo.MinPotMetro = 100;  // the run's start value: the rows decide
    ASSERT_TRUE(SelezionaCriterio(t, 3, {}, riepilogo, filtro));
    EXPECT_EQ(filtro, "INDICEI <= '3'");
    EXPECT_EQ(Numeri(), (std::vector<int>{4}));
    ASSERT_TRUE(SelezionaCriterio(t, 3, {"", "", 10}, riepilogo, filtro));
    EXPECT_EQ(Numeri(), (std::vector<int>{4, 5}));
    // A negative range narrows beyond the best value.
    ASSERT_TRUE(SelezionaCriterio(t, 3, {"", "", -10}, riepilogo, filtro));
    EXPECT_TRUE(Numeri().empty());
}

TEST_F(BrowserSoluzioni, MinimaDensitaDiPotenza) {
    ASSERT_TRUE(SelezionaCriterio(t, 22, {}, riepilogo, filtro));
    EXPECT_EQ(filtro, "DP <= '0.02'");
    EXPECT_EQ(Numeri(), (std::vector<int>{5}));
    ASSERT_TRUE(SelezionaCriterio(t, 22, {"8", "", 5}, riepilogo, filtro));
    EXPECT_EQ(Numeri(), (std::vector<int>{1, 2}));  // within 5 % of 0.0205
}

TEST_F(BrowserSoluzioni, RisparmiNegativiSulValoreAssoluto) {
    // Largest maintenance saving -40; 10 % of its size widens to -44.
    ASSERT_TRUE(SelezionaCriterio(t, 12, {"", "", 10}, riepilogo, filtro));
    EXPECT_EQ(filtro, "RISPMANUTE >= '-44'");
    EXPECT_EQ(Numeri(), (std::vector<int>{2, 4}));
    ASSERT_TRUE(CercaMax(t, "RISPMANUTE", {"10", "", 0}, std::nullopt, filtro));
    EXPECT_EQ(Numeri(), (std::vector<int>{4}));
}

TEST_F(BrowserSoluzioni, TuttoMostraOgniRigaEAzzeraLeScelte) {
    SceltaBrowser s{"8", "1.5", 10};
    ASSERT_TRUE(SelezionaCriterio(t, 1, s, riepilogo, filtro));
    ASSERT_EQ(Numeri().size(), 1u);
    MostraTutto(t, s, filtro);
    EXPECT_EQ(Numeri(), (std::vector<int>{1, 2, 3, 4, 5}));
    EXPECT_TRUE(s.altezza.empty());
    EXPECT_TRUE(s.sbraccio.empty());
    EXPECT_EQ(s.intervallo, 0);
    EXPECT_TRUE(filtro.empty());
}

TEST_F(BrowserSoluzioni, NessunaRigaMostrataUsaIlValoreDelRiepilogo) {
    riepilogo.MaxInter = 55;
    ASSERT_TRUE(SelezionaCriterio(t, 1, {"12", "", 0}, riepilogo, filtro));
    EXPECT_EQ(filtro, "HPALO = '12' and INTER >= '55'");
    EXPECT_TRUE(Numeri().empty());
}

}  // namespace
}  // namespace nottaro
