// Luminaire layout of a path for each arrangement, and the side each
// luminaire reaches from.
#include <gtest/gtest.h>

#include <vector>

#include "engine/area/DisposizioneArea.h"

namespace nottaro {
namespace {

TEST(DisponiApparecchiA, EveryArrangementPlacesItsRunAroundTheSpacing) {
    const double S = 20, W = 4;
    struct Caso { int disp; std::size_t n; std::vector<ApparecchioA> primi; ApparecchioA ultimo; };
    const Caso casi[] = {
        {1, 12, {{-100, 4}, {-80, 4}}, {120, 4}},
        {2, 12, {{-100, 0}, {-80, 0}}, {120, 0}},
        {3, 12, {{-100, 2}, {-80, 2}}, {120, 2}},
        {4, 12, {{-100, 0}, {-80, 4}, {-60, 0}}, {120, 4}},
        {5, 24, {{100, 2.01}, {100, 1.99}, {80, 2.01}}, {-120, 1.99}},
        {6, 24, {{100, 4}, {100, 0}, {80, 4}}, {-120, 0}},
    };
    for (const auto& k : casi) {
        ParametriArea p;
        p.DispPaliA = k.disp;
        p.Interdist = S;
        p.LargStradaA = W;
        std::vector<ApparecchioA> app;
        ASSERT_TRUE(DisponiApparecchiA(p, app));
        ASSERT_EQ(app.size(), k.n) << k.disp;
        for (std::size_t i = 0; i < k.primi.size(); ++i) {
            EXPECT_DOUBLE_EQ(app[i].x, k.primi[i].x) << k.disp << " " << i;
            EXPECT_DOUBLE_EQ(app[i].y, k.primi[i].y) << k.disp << " " << i;
        }
        EXPECT_DOUBLE_EQ(app.back().x, k.ultimo.x) << k.disp;
        EXPECT_DOUBLE_EQ(app.back().y, k.ultimo.y) << k.disp;
        // Every arrangement has a luminaire at x = 0 and at x = S, the ends of the grid.
        int aZero = 0, aS = 0;
        for (const auto& a : app) {
            aZero += a.x == 0;
            aS += a.x == S;
        }
        EXPECT_EQ(aZero, k.n == 24 ? 2 : 1) << k.disp;
        EXPECT_EQ(aS, k.n == 24 ? 2 : 1) << k.disp;
    }
}

TEST(DisponiApparecchiA, UnknownArrangementOrBadSpacingLeavesTheList) {
    std::vector<ApparecchioA> app{{1, 2}};
    for (auto [disp, S] : {std::pair{0, 20.0}, {7, 20.0}, {1, 0.0}, {1, -5.0}}) {
        ParametriArea p;
        p.DispPaliA = disp;
        p.Interdist = S;
        EXPECT_FALSE(DisponiApparecchiA(p, app));
        ASSERT_EQ(app.size(), 1u);
        EXPECT_EQ(app[0].x, 1);
    }
}

TEST(YTestaA, OverhangReachesIntoThePathFromEitherHalf) {
    ParametriArea p;
    p.LargStradaA = 4;
    p.SbraccioA = 0.5;
    struct Caso { double y; bool lontana; double testa; };
    // The centre line counts as far; the double-centre pair splits 1 cm apart.
    const Caso casi[] = {{0, false, 0.5}, {4, true, 3.5}, {2, true, 1.5}, {2.01, true, 1.51}, {1.99, false, 2.49}};
    for (const auto& k : casi) {
        const ApparecchioA a{0, k.y};
        EXPECT_EQ(MetaLontana(p, a), k.lontana) << k.y;
        EXPECT_DOUBLE_EQ(YTestaA(p, a), k.testa) << k.y;
    }
    p.SbraccioA = -0.5;  // set back behind the edge
    EXPECT_DOUBLE_EQ(YTestaA(p, {0, 0}), -0.5);
    EXPECT_DOUBLE_EQ(YTestaA(p, {0, 4}), 4.5);
}

}  // namespace
}  // namespace nottaro
