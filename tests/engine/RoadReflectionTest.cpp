// Road-surface r-tables, the reflection coefficient and the beta angle.
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <random>
#include <sstream>
#include <string>

#include "engine/road/Riflessione.h"
#include "engine/road/TabelleR.h"
#include "support/Percorsi.h"

namespace nottaro {
namespace {

const char* Nomi[] = {"C1", "C2", "R1", "R2", "R3", "R4"};

TEST(TabelleR, PublishedR00AndS1OfEverySurface) {
    const double r00[] = {770, 329, 655, 390, 294, 264};
    const double s1[] = {0.24, 0.97, 0.25, 0.58, 1.11, 1.55};
    for (int t = 0; t < 6; ++t) {
        const auto& T = TabelleR[t];
        EXPECT_EQ(T[1][1], r00[t]) << Nomi[t];
        ASSERT_EQ(T[9][0], 2.0);  // the tan gamma = 2 row
        EXPECT_NEAR(T[9][1] / T[1][1], s1[t], 0.005) << Nomi[t];
    }
}

TEST(TabelleR, EmbeddedDataEqualsTheShippedCsv) {
    for (int t = 0; t < 6; ++t) {
        std::ifstream in(test::Sorgente(std::string("engine/road/rtables/") + Nomi[t] + ".csv"));
        ASSERT_TRUE(in) << Nomi[t];
        std::string riga;
        for (int r = 0; r < RigheR; ++r) {
            ASSERT_TRUE(std::getline(in, riga));
            std::stringstream ss(riga);
            std::string cella;
            for (int c = 0; c < ColonneR; ++c) {
                ASSERT_TRUE(std::getline(ss, cella, ','));
                EXPECT_EQ(TabelleR[t][r][c], std::stod(cella)) << Nomi[t] << " " << r << "," << c;
            }
        }
    }
}

double GammaDaTan(double t) { return std::atan(t) / RadPerGrado; }

TEST(CoeffR, NadirHorizonAndTheFarRows) {
    const auto& T = TabelleR[4];  // R3
    ContestoCalcolo ctx;
    for (double beta : {0.0, 37.0, 180.0}) EXPECT_DOUBLE_EQ(CoeffR(ctx, T, 0, beta), 294e-4);
    EXPECT_EQ(CoeffR(ctx, T, GammaDaTan(12.5), 5), 0);
    EXPECT_EQ(CoeffR(ctx, T, GammaDaTan(11.5), 20), 0);
    EXPECT_EQ(CoeffR(ctx, T, GammaDaTan(11.5), 90), 0);
    // 11 < tan gamma <= 12, beta < 20: linear in beta along the tan gamma = 11 row.
    EXPECT_NEAR(CoeffR(ctx, T, GammaDaTan(11.5), 10), T[27][4] / 1e4, 1e-15);
    EXPECT_NEAR(CoeffR(ctx, T, GammaDaTan(11.5), 7.5), (T[27][3] + T[27][4]) / 2 / 1e4, 1e-15);
    EXPECT_FALSE(ctx.ErrCalcolo);
}

TEST(CoeffR, TabulatedNodesAndTheBilinearBand) {
    ContestoCalcolo ctx;
    for (int t = 0; t < 6; ++t) {
        const auto& T = TabelleR[t];
        // tan gamma 1 (row 5) and 3 (row 11); beta 60 (column 12) and 120 (column 16).
        EXPECT_NEAR(CoeffR(ctx, T, 45, 60), T[5][12] / 1e4, 1e-10) << Nomi[t];
        EXPECT_NEAR(CoeffR(ctx, T, GammaDaTan(3), 120), T[11][16] / 1e4, 1e-10) << Nomi[t];
        // 165 < beta < 180 at a tabulated tan gamma: linear between the two columns.
        EXPECT_NEAR(CoeffR(ctx, T, GammaDaTan(3), 170), (T[11][19] + (T[11][20] - T[11][19]) / 3) / 1e4, 1e-10);
        // beta 0 is read just past the first column.
        EXPECT_NEAR(CoeffR(ctx, T, GammaDaTan(2), 0), T[9][1] / 1e4, 1e-6);
    }
    EXPECT_FALSE(ctx.ErrCalcolo);
}

TEST(CoeffR, IndexedSearchGivesThePlainFigures) {
    std::mt19937_64 gen(3);
    std::uniform_real_distribution<double> dg(0, 89.9), db(0, 180);
    ContestoCalcolo a, b;
    for (int t = 0; t < 6; ++t) {
        for (int k = 0; k < 20000; ++k) {
            const double g = dg(gen), beta = db(gen);
            ASSERT_EQ(CoeffRIndice(a, IndiciR()[t], g, beta), CoeffR(b, TabelleR[t], g, beta)) << g << " " << beta;
        }
        // On the row and column boundaries, where a search one off shows.
        for (int r = 1; r < RigheR; ++r)
            for (int c = 1; c < ColonneR; ++c) {
                const double g = GammaDaTan(TabelleR[t][r][0]), beta = TabelleR[t][0][c];
                ASSERT_EQ(CoeffRIndice(a, IndiciR()[t], g, beta), CoeffR(b, TabelleR[t], g, beta)) << r << " " << c;
            }
    }
    EXPECT_FALSE(a.ErrCalcolo);
}

TEST(CalcBeta, AngleBetweenIncidenceAndObservation) {
    struct Caso {
        double xp, yp, xl, yl, s, xo, yo, beta;
    };
    const Caso casi[] = {
        {0, 3, 10, 3, 0, -60, 3, 0},      // luminaire beyond the point in the line of sight
        {0, 3, -10, 3, 0, -60, 3, 180},   // luminaire between observer and point
        {0, 0, 0, 5, 0, -60, 0, 90},      // luminaire to the side
        {0, 0, 10, 12, 2, -60, 0, 45},    // reach moves the light centre to (10, 10)
        {0, 5, 0, 7, 2, -60, 0, 0},       // straight under the light centre: no error
    };
    for (const auto& k : casi) {
        ContestoCalcolo ctx;
        EXPECT_NEAR(CalcBeta(ctx, k.xp, k.yp, k.xl, k.yl, k.xo, k.yo, k.s), k.beta, 1e-7);
        EXPECT_FALSE(ctx.ErrCalcolo);
    }
    ContestoCalcolo ctx;
    EXPECT_EQ(CalcBeta(ctx, 0, 0, 10, 5, 0, 0, 0), -1);  // observer on the point
    EXPECT_TRUE(ctx.ErrCalcolo);
}

}  // namespace
}  // namespace nottaro
