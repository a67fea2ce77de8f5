// Calculation grid of a path: standard and custom counts, millimetre steps,
// refused grids.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "core/i18n/Messaggi.h"
#include "engine/area/GrigliaArea.h"

namespace nottaro {
namespace {

TEST(CreaGrigliaA, StandardGridCountsStepsAndFirstPoint) {
    struct Caso { double S, W; int nLong, nTrasv; double passoX, passoY; };
    const Caso casi[] = {
        {30, 4.5, 10, 3, 3.0, 1.5},     // 10 points up to 30 m; 3 across up to 4.5 m
        {31, 4.6, 11, 4, 2.818, 1.15},  // Trunc(31/3) + 1; Trunc(4.6/1.5) + 1
        {20, 7, 10, 5, 2.0, 1.4},
        {45, 2, 16, 3, 2.812, 0.667},   // 45/16 = 2.8125: an exact half goes down
        {300, 3, 101, 3, 2.97, 1.0},    // beyond the old 80-row arrays
    };
    for (const auto& k : casi) {
        ParametriArea p;
        p.Interdist = k.S;
        p.LargStradaA = k.W;
        GrigliaArea g;
        ASSERT_EQ(CreaGrigliaA(p, g), EsitoA::Ok);
        EXPECT_EQ(g.NPtiLong, k.nLong) << k.S;
        EXPECT_EQ(g.NPtiTrasv, k.nTrasv) << k.W;
        EXPECT_DOUBLE_EQ(g.PassoX, k.passoX) << k.S;
        EXPECT_DOUBLE_EQ(g.PassoY, k.passoY) << k.W;
        ASSERT_EQ(g.Punti.size(), static_cast<std::size_t>(k.nLong * k.nTrasv));
        EXPECT_DOUBLE_EQ(g(0, 0).x, k.passoX / 2);
        EXPECT_DOUBLE_EQ(g(0, 0).y, k.passoY / 2);
        EXPECT_DOUBLE_EQ(g(k.nLong - 1, k.nTrasv - 1).x, (k.nLong - 0.5) * k.passoX);
        EXPECT_DOUBLE_EQ(g(k.nLong - 1, k.nTrasv - 1).y, (k.nTrasv - 0.5) * k.passoY);
    }
}

TEST(CreaGrigliaA, CustomGridUsesTheCountsGiven) {
    ParametriArea p;
    p.Interdist = 25;
    p.LargStradaA = 3;
    p.GrigliaPers = 1;
    p.NPtiX = 10;
    p.NPtiY = 3;
    GrigliaArea g;
    ASSERT_EQ(CreaGrigliaA(p, g), EsitoA::Ok);
    EXPECT_EQ(g.NPtiLong, 10);
    EXPECT_EQ(g.NPtiTrasv, 3);
    EXPECT_DOUBLE_EQ(g.PassoX, 2.5);
    EXPECT_DOUBLE_EQ(g(9, 2).x, 23.75);
    EXPECT_DOUBLE_EQ(g(9, 2).y, 2.5);
}

TEST(CreaGrigliaA, RefusedGridsLeaveThePreviousGridAndExplainThemselves) {
    struct Caso { int pers, nx, ny; double S, W; EsitoA atteso; const char* nelTesto; };
    const Caso casi[] = {
        {1, 0, 0, 20, 3, EsitoA::ContiPersonalizzatiNonValidi, "0 x 0"},
        {1, 10, -9, 20, 3, EsitoA::ContiPersonalizzatiNonValidi, "10 x -9"},
        {1, 0, 5, 20, 3, EsitoA::ContiPersonalizzatiNonValidi, "at least 1"},
        {2, 10, 3, 20, 3, EsitoA::TipoGrigliaSconosciuto, "grid type 2"},
        {0, 0, 0, 0, 3, EsitoA::MisureNonValide, "positive"},
        {0, 0, 0, 20, -1, EsitoA::MisureNonValide, "positive"},
        {1, 100000, 100000, 20, 3, EsitoA::TroppiPunti, "exceed"},
    };
    for (const auto& k : casi) {
        ParametriArea buona;
        GrigliaArea g;
        ASSERT_EQ(CreaGrigliaA(buona, g), EsitoA::Ok);
        const auto prima = g.Punti.size();
        ParametriArea p;
        p.GrigliaPers = k.pers;
        p.NPtiX = k.nx;
        p.NPtiY = k.ny;
        p.Interdist = k.S;
        p.LargStradaA = k.W;
        EXPECT_EQ(CreaGrigliaA(p, g), k.atteso) << k.nelTesto;
        EXPECT_EQ(g.Punti.size(), prima);
        EXPECT_EQ(g.NPtiLong, 10);
        EXPECT_NE(TestoEsitoA(k.atteso, p).find(k.nelTesto), std::string::npos) << TestoEsitoA(k.atteso, p);
    }
    EXPECT_EQ(TestoEsitoA(EsitoA::Ok, ParametriArea{}), "");
}

// A refusal reaches the user in the language the program shows, with its
// figures, never as an English sentence inside a translated message.
TEST(CreaGrigliaA, RefusalsSpeakTheLanguageShown) {
    ParametriArea p;
    p.GrigliaPers = 1;
    p.NPtiX = 10;
    p.NPtiY = -9;
    p.DispPaliA = 9;
    std::set<std::string> testi;
    for (int lingua = 0; lingua < NumLingue; ++lingua) {
        ImpostaLinguaCatalogo(lingua);
        for (EsitoA e : {EsitoA::ContiPersonalizzatiNonValidi, EsitoA::TipoGrigliaSconosciuto, EsitoA::MisureNonValide,
                         EsitoA::TroppiPunti, EsitoA::DisposizioneSconosciuta, EsitoA::SerieLampadeNonValida})
            EXPECT_TRUE(testi.insert(TestoEsitoA(e, p)).second) << lingua << ": " << TestoEsitoA(e, p);
        EXPECT_NE(TestoEsitoA(EsitoA::ContiPersonalizzatiNonValidi, p).find("10 x -9"), std::string::npos) << lingua;
        EXPECT_NE(TestoEsitoA(EsitoA::DisposizioneSconosciuta, p).find('9'), std::string::npos) << lingua;
    }
    ImpostaLinguaCatalogo(1);
}

}  // namespace
}  // namespace nottaro
