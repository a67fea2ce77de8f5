// Utilisation factor from the illuminance field.
#include <gtest/gtest.h>

#include "engine/area/IlluminamentoArea.h"
#include "engine/comune/FattUtil.h"
#include "engine/road/IllumSoluzione.h"

namespace nottaro {
namespace {

CampoIllum Uniforme(int nl, int nt, double e) {
    CampoIllum c;
    AzzeraIllum(c, nl, nt);
    for (auto& v : c.Illum) v = e;
    return c;
}

TEST(FattUtil, FluxOnTheStripOverTheFluxOfTheLuminairesPerSpacing) {
    // 10 lx over a 30 m x 7 m strip: 2100 lm reach it.
    const CampoIllum campo = Uniforme(10, 6, 10);
    struct Caso { int disp; double strada, area; };
    // Staggered road layouts have two luminaires per spacing, the staggered
    // path layout one; pairs count two on both.
    const Caso casi[] = {{1, 0.21, 0.21}, {2, 0.21, 0.21}, {3, 0.21, 0.21},
                         {4, 0.105, 0.21}, {5, 0.105, 0.105}, {6, 0.105, 0.105}};
    for (const auto& k : casi) {
        ParametriStrada ps;
        ps.DispPali = k.disp;
        ps.Interdist = 30;
        ps.LargStrada = 7;
        ParametriArea pa;
        pa.DispPaliA = k.disp;
        pa.Interdist = 30;
        pa.LargStradaA = 7;
        ASSERT_TRUE(FattUtilStrada(campo, ps, 10000).has_value());
        EXPECT_NEAR(*FattUtilStrada(campo, ps, 10000), k.strada, 1e-15) << k.disp;
        EXPECT_NEAR(*FattUtilArea(campo, pa, 10000), k.area, 1e-15) << k.disp;
    }
}

TEST(FattUtil, WeighsEveryCellByItsArea) {
    // Two rows of a 20 m spacing across a 4 m path: cells 10 m x 2 m.
    CampoIllum campo = Uniforme(2, 2, 0);
    campo(0, 0) = 5;
    campo(1, 1) = 15;
    EXPECT_NEAR(*FattUtil(campo, 20, 4, 1, 1000), (5 + 15) * 10 * 2 / 1000.0, 1e-15);
}

TEST(FattUtil, NoFigureWithoutFluxFieldOrStrip) {
    const CampoIllum campo = Uniforme(10, 3, 8);
    EXPECT_FALSE(FattUtil(campo, 20, 4, 1, 0).has_value());
    EXPECT_FALSE(FattUtil(campo, 20, 4, 1, -100).has_value());
    EXPECT_FALSE(FattUtil(campo, 0, 4, 1, 1000).has_value());
    EXPECT_FALSE(FattUtil(campo, 20, 0, 1, 1000).has_value());
    EXPECT_FALSE(FattUtil(CampoIllum{}, 20, 4, 1, 1000).has_value());
}

}  // namespace
}  // namespace nottaro
