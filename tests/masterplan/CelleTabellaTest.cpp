// How a solution shows in the result table, and when the strips beside a
// road block a candidate.
#include <gtest/gtest.h>

#include "masterplan/TabellaMP.h"
#include "masterplan/valutazioni/Valutazioni.h"

namespace nottaro::mp {
namespace {

TEST(CelleSoluzione, FormatsOfEachColumn) {
    struct Caso {
        const char* nome;
        SoluzioneMP s;
        std::vector<std::pair<int, const char*>> celle;  // offset from the solution's first column (-1: IPEI)
    };
    auto sol = [](double S, double liv, double uni, double terzo, double ti, bool haTi) {
        SoluzioneMP s;
        s.Presente = true;
        s.Flusso = 6600.4;
        s.Spaziatura = S;
        s.Livello = liv;
        s.Uniformita = uni;
        s.Terzo = terzo;
        s.TI = ti;
        s.HaTI = haTi;
        s.REI = 0.914;
        s.IPEI = 1.2345;
        s.HaIPEI = true;
        s.ClasseIPEI = "C";
        s.File = "A 70W SAP.ldt";
        return s;
    };
    const Caso casi[] = {
        {"road", sol(24.456, 1.4789, 0.4567, 0.876, 17.3, true),
         {{SLumen, "6600"}, {SInt, "24.46"}, {SLivello, "1.48"}, {SUniformita, "0.46"}, {STerzo, "0.88"},
          {STi, "17.3"}, {SRei, "0.91"}, {SClasse, "C"}, {SFotometrica, "A 70W SAP.ldt"}, {-1, "1.23"}}},
        {"path, level between 10 and 20", sol(20, 15.47, 0.5, 7.734, -1, true),
         {{SLivello, "15.5"}, {STerzo, "7.73"}, {STi, "-1"}}},
        {"level above 20 whole", sol(20, 28.6, 0.5, 14, 2, true), {{SLivello, "29"}}},
        {"roundabout: count, no TI", sol(6, 9.996, 0.41, 4.1, 0, false), {{SInt, "6"}, {SLivello, "10"}, {STi, ""}}},
    };
    for (const auto& k : casi) {
        for (int base : {int(TSol1), int(TSol2)}) {
            CelleRiga c;
            const int ipei = base == TSol1 ? TIPEI1 : TIPEI2;
            CelleSoluzione(k.s, c, base, ipei);
            for (const auto& [off, testo] : k.celle) EXPECT_EQ(c[off < 0 ? ipei : base + off], testo) << k.nome << " " << off;
        }
    }
}

TEST(StrisceBloccano, ReferenceByClassAndPassAndOption) {
    EXPECT_EQ(RiferimentoStriscia(1.0, 0), std::make_pair(15.0, 5.0));
    EXPECT_EQ(RiferimentoStriscia(2.0, 2), std::make_pair(7.5, 1.5));
    EXPECT_EQ(RiferimentoStriscia(0.75, 1), std::make_pair(7.5, 1.5));
    EXPECT_EQ(RiferimentoStriscia(0.5, 0), std::make_pair(7.5, 1.5));
    EXPECT_EQ(RiferimentoStriscia(0.3, 2), std::make_pair(3.0, 0.5));
    std::array<Striscia, 2> s{};
    s[0] = {true, 7.6, 1.4, 9};
    const auto rif = RiferimentoStriscia(0.75, 1);
    EXPECT_TRUE(StrisceBloccano(3, s, rif));   // Emin below 1.5
    EXPECT_FALSE(StrisceBloccano(2, s, rif));  // Em alone passes
    EXPECT_FALSE(StrisceBloccano(1, s, rif));
    s[1] = {true, 7.4, 3, 9};                  // the right strip too dark
    EXPECT_TRUE(StrisceBloccano(2, s, rif));
    s[1].Presente = false;                     // a strip that is not there never blocks
    EXPECT_FALSE(StrisceBloccano(2, s, rif));
}

}  // namespace
}  // namespace nottaro::mp
