// Threshold increment: the glare row, the veiling luminance and the eye positions.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "core/intensity/RicercaIntensita.h"
#include "engine/road/Abbagliamento.h"
#include "tests/engine/FotometrieProva.h"

namespace nottaro {
namespace {

ParametriStrada Strada(int disp, double H, double S, double s) {
    ParametriStrada p;
    p.DispPali = disp;
    p.HPalo = H;
    p.Interdist = S;
    p.Sbraccio = s;
    p.LargStrada = 7;
    return p;
}

TEST(FilaAbbagliamento, ReachesOnePastFiveHundredMetresPlusASpacing) {
    const double x0 = PrimaPosizioneOcchio(10);
    EXPECT_DOUBLE_EQ(x0, -23.375);
    struct Caso {
        int disp;
        std::size_t n;       // luminaires in the row
        double ultimoX;      // last luminaire along the road
        double y0, y1;       // first two light centres across
    };
    // S = 30, s = 1: the luminaire at 510 is the first beyond 530 m from x0.
    const Caso casi[] = {
        {1, 19, 540, 6, 6},
        {2, 19, 540, 1, 1},
        {3, 19, 540, 4.5, 4.5},  // centre poles at W/2 + s
        {4, 36, 525, 6, 1},      // every S/2, alternating sides: 510 is the first beyond
        {5, 36, 525, 1, 6},
        {6, 38, 540, 1, 6},      // a pair at every multiple of S
    };
    std::vector<CentroLuce> fila;
    for (const auto& k : casi) {
        FilaAbbagliamento(Strada(k.disp, 10, 30, 1), x0, fila);
        ASSERT_EQ(fila.size(), k.n) << k.disp;
        EXPECT_DOUBLE_EQ(fila.back().x, k.ultimoX) << k.disp;
        EXPECT_DOUBLE_EQ(fila[0].y, k.y0) << k.disp;
        EXPECT_DOUBLE_EQ(fila[1].y, k.y1) << k.disp;
    }
    EXPECT_DOUBLE_EQ(fila[1].x, 0);
    EXPECT_DOUBLE_EQ(fila[2].x, 30);
}

TEST(LuminanzaVelo, NearFormulaUpToOneAndAHalfDegrees) {
    const double f1 = 1.5, f2 = 1.2;
    EXPECT_DOUBLE_EQ(LuminanzaVelo(2, 1.5, f1, f2), 2 * (10 / 3.375 + 5 / 2.25 * f1));
    const double oltre = std::nextafter(1.5, 2.0);
    EXPECT_DOUBLE_EQ(LuminanzaVelo(2, oltre, f1, f2), 9.86 * 2 / (oltre * oltre) * f2);
    EXPECT_DOUBLE_EQ(LuminanzaVelo(2, 10, f1, f2), 9.86 * 2 / 100 * f2);
}

TEST(CalcTI, LuminairesAtOrBehindTheEyeAreSkippedWithoutError) {
    // Constant 1000 cd. With H = 1.5 + 12 / 2.75 the first eye position is
    // x0 = -12, so the fourth one (3 m steps) stands exactly under the pole at x = 0.
    auto foto = test::FotometriaDa(test::Angoli(0, 15, 24), test::Angoli(0, 5, 37),
                                   [](double, double) { return 100; }, 10000);
    RicercaIntensita ricerca(foto, 0);
    ParametriStrada p = Strada(1, 1.5 + 12 / 2.75, 24, 0);
    p.PassoRigheMax = 3;
    ASSERT_NEAR(PrimaPosizioneOcchio(p.HPalo), -12, 1e-12);
    std::vector<CentroLuce> fila;
    ContestoCalcolo ctx;
    const double ti = CalcTI(ctx, ricerca, p, 10, 1.75, 1.0, fila);
    EXPECT_FALSE(ctx.ErrCalcolo);
    EXPECT_TRUE(std::isfinite(ti));
    EXPECT_GT(ti, 0);
    // A road without luminance gives no figure but an error.
    EXPECT_EQ(CalcTI(ctx, ricerca, p, 10, 1.75, 0.0, fila), 0);
    EXPECT_TRUE(ctx.ErrCalcolo);
}

TEST(CalcTI, TheFirstLuminaireIsSeenJustInsideTheScreen) {
    // S = 1000: from the first eye position only the pole at x = 0 lies
    // within 500 m, at arctan(8.5 / 23.375) = 19.98 degrees, inside the roof's
    // 20-degree screen, so it glares.
    auto foto = test::FotometriaDa(test::Angoli(0, 15, 24), test::Angoli(0, 5, 37),
                                   [](double, double) { return 100; }, 10000);
    RicercaIntensita ricerca(foto, 0);
    ParametriStrada p = Strada(1, 10, 1000, 0);
    std::vector<CentroLuce> fila;
    ContestoCalcolo ctx;
    EXPECT_GT(CalcTI(ctx, ricerca, p, 0, 3.5, 1.0, fila), 0);
    EXPECT_FALSE(ctx.ErrCalcolo);
}

}  // namespace
}  // namespace nottaro
