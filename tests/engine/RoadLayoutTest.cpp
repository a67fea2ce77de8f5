// Pole layouts, calculation grids and observer positions.
#include <gtest/gtest.h>

#include <vector>

#include "engine/road/CampoStrada.h"
#include "engine/road/Disposizione.h"
#include "engine/road/Griglia.h"

namespace nottaro {
namespace {

constexpr double W = 7;

ParametriStrada Strada(int disp, double H, double S) {
    ParametriStrada p;
    p.DispPali = disp;
    p.HPalo = H;
    p.Interdist = S;
    p.LargStrada = W;
    return p;
}

TEST(DisponiApparecchi, EveryArrangementPlacesItsPolesInOrder) {
    struct Caso {
        int disp;
        double H, S;
        std::vector<Apparecchio> attesi;
    };
    const Caso casi[] = {
        {1, 8, 24, {{-24, W}, {0, W}, {24, W}, {48, W}, {72, W}, {96, W}}},
        {2, 8, 48, {{0, 0}, {48, 0}, {96, 0}}},            // no pole before the field
        {1, 8, 100, {{0, W}, {100, W}}},                   // at least one pole after x = 0
        {1, 8, 40, {{-40, W}, {0, W}, {40, W}, {80, W}}},  // S = 5H counts the pole at -5H
        {3, 8, 48, {{0, W / 2}, {48, W / 2}, {96, W / 2}}},
        {4, 8, 24, {{-24, W}, {-12, 0}, {0, W}, {24, W}, {12, 0}, {48, W}, {36, 0}, {72, W}, {60, 0}, {96, W}, {84, 0}}},
        {5, 8, 48, {{-48, 0}, {-24, W}, {0, 0}, {48, 0}, {24, W}, {96, 0}, {72, W}}},
        {6, 8, 24, {{-24, 0}, {-24, W}, {0, 0}, {0, W}, {24, 0}, {24, W}, {48, 0}, {48, W}, {72, 0}, {72, W}, {96, 0}, {96, W}}},
    };
    for (const auto& k : casi) {
        std::vector<Apparecchio> app;
        ASSERT_TRUE(DisponiApparecchi(Strada(k.disp, k.H, k.S), app));
        ASSERT_EQ(app.size(), k.attesi.size()) << "arrangement " << k.disp << " S " << k.S;
        for (std::size_t n = 0; n < app.size(); ++n) {
            EXPECT_DOUBLE_EQ(app[n].x, k.attesi[n].x) << k.disp << " pole " << n;
            EXPECT_DOUBLE_EQ(app[n].y, k.attesi[n].y) << k.disp << " pole " << n;
        }
    }
}

TEST(DisponiApparecchi, ShortSpacingsGrowTheListAndNoArrangementLeavesItAlone) {
    std::vector<Apparecchio> app;
    ASSERT_TRUE(DisponiApparecchi(Strada(6, 12, 2), app));
    EXPECT_EQ(app.size(), 2u * 30 + 2 + 2u * 72);  // well past the 41 poles of a fixed list
    const auto prima = app.size();
    EXPECT_FALSE(DisponiApparecchi(Strada(0, 8, 24), app));
    EXPECT_FALSE(DisponiApparecchi(Strada(1, 8, 0), app));
    EXPECT_EQ(app.size(), prima);
}

TEST(SbraccioSegnato, RightEdgePolesReachOverTheRoadFromTheirSide) {
    ParametriStrada p = Strada(4, 8, 24);
    p.Sbraccio = 1.5;
    EXPECT_DOUBLE_EQ(SbraccioSegnato(p, {0, 0}), -1.5);
    EXPECT_DOUBLE_EQ(SbraccioSegnato(p, {0, W}), 1.5);
    p.DispPali = 3;  // centre poles lean toward the right-hand edge
    EXPECT_DOUBLE_EQ(SbraccioSegnato(p, {0, W / 2}), 1.5);
    EXPECT_TRUE(GuardaMenoY({0, W / 2}));
    EXPECT_FALSE(GuardaMenoY({0, 0}));
}

TEST(CreaGriglia, RowsAndPointsOfBothGrids) {
    struct Caso {
        bool en;
        double S;
        int righe;
        double x0, passo;
    };
    const Caso casi[] = {
        {true, 30, 10, 1.5, 3},
        {true, 31, 11, 31.0 / 22, 31.0 / 11},
        {false, 30, 10, 0, 3},
        {false, 50, 10, 0, 5},
        {false, 60, 12, 0, 5},
        {true, 150, 50, 1.5, 3},  // more rows than a 40-row field holds
    };
    for (const auto& k : casi) {
        ParametriStrada p = Strada(1, 8, k.S);
        p.GrigliaEN = k.en ? 1 : 0;
        p.NPtiCorsia = k.en ? 3 : 5;
        p.InterMaxGriglia = k.en ? 30 : 50;
        p.PassoRigheMax = k.en ? 3 : 5;
        GrigliaStrada g;
        ASSERT_TRUE(CreaGriglia(p, g));
        EXPECT_EQ(g.NPtiLong, k.righe) << k.S;
        EXPECT_EQ(g.NPtiTrasv, k.en ? 6 : 10);
        for (int i = 0; i < g.NPtiLong; ++i) EXPECT_NEAR(g(i, 0).x, k.x0 + k.passo * i, 1e-12);
    }
    ParametriStrada p = Strada(1, 8, 30);
    GrigliaStrada g;
    ASSERT_TRUE(CreaGriglia(p, g));
    const double y[] = {0.5833333333333334, 1.75, 2.9166666666666665, 4.083333333333333, 5.25, 6.416666666666667};
    for (int j = 0; j < 6; ++j) EXPECT_NEAR(g(3, j).y, y[j], 1e-12);
    p.NCorsie = 0;
    EXPECT_FALSE(CreaGriglia(p, g));
}

TEST(ImpostaOsservatori, LaneCentresAndTheUniObserver) {
    ParametriStrada p = Strada(1, 8, 30);
    Osservatori o;
    ImpostaOsservatori(p, o);
    EXPECT_DOUBLE_EQ(o.OssY[0], 1.75);
    EXPECT_DOUBLE_EQ(o.OssY[1], 5.25);
    p.NCorsie = 1;
    p.OssUNI = 1;
    ImpostaOsservatori(p, o);
    ASSERT_EQ(o.OssY.size(), 2u);
    EXPECT_DOUBLE_EQ(o.OssY[0], 3.5);
    EXPECT_DOUBLE_EQ(o.OssY[1], 0);  // the quick estimate's observer on a one-lane road
    EXPECT_DOUBLE_EQ(o.PosOssUNIX, -60);
    EXPECT_DOUBLE_EQ(o.PosOssUNIY, 1.75);
    CampoStrada campo;
    ASSERT_TRUE(PreparaCampo(p, campo));
    EXPECT_EQ(campo.NOss, 1);
}

}  // namespace
}  // namespace nottaro
