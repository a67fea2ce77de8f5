// Intensity lookup and luminaire orientation.
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "core/intensity/DirezioneLuce.h"
#include "core/intensity/Intensita.h"
#include "core/intensity/RicercaIntensita.h"
#include "tests/engine/FotometrieProva.h"

namespace nottaro {
namespace {

using test::FotometriaDa;

// Values that are quadratic in C and in gamma: quadratic interpolation must
// reproduce them exactly wherever the three nodes lie on the same quadratic.
double Quadratica(double c, double g) { return (1 + 0.01 * g + 0.0002 * g * g) * (200 + 0.3 * c + 0.001 * c * c); }

TEST(IntensitaLum, TabulatedNodesNadirAndBeyondTheTable) {
    auto foto = FotometriaDa(test::Angoli(0, 30, 12), test::Angoli(0, 10, 10), Quadratica, 12000);
    ContestoCalcolo ctx;
    const double k = 12.0;  // 12000 lm / 1000
    EXPECT_DOUBLE_EQ(IntensitaLum(ctx, foto, 0, 0, 0), foto.Intens.Valore(1, 1) * k);
    EXPECT_DOUBLE_EQ(IntensitaLum(ctx, foto, 0, 40, 120), Quadratica(120, 40) * k);
    EXPECT_DOUBLE_EQ(IntensitaLum(ctx, foto, 0, 90, 330), Quadratica(330, 90) * k);
    EXPECT_DOUBLE_EQ(IntensitaLum(ctx, foto, 0, 90.5, 120), 0);
    EXPECT_FALSE(ctx.ErrCalcolo);
    // A lamp set outside the record is an error, not a read past its end.
    EXPECT_EQ(IntensitaLum(ctx, foto, MaxLampade, 40, 120), -1);
    EXPECT_TRUE(ctx.ErrCalcolo);
    ContestoCalcolo ctx2;
    EXPECT_EQ(RicercaIntensita(foto, -1)(ctx2, 40, 120), -1);
    EXPECT_TRUE(ctx2.ErrCalcolo);
}

TEST(IntensitaLum, QuadraticDataIsReproducedBetweenNodesIncludingTheLastGammaInterval) {
    auto foto = FotometriaDa(test::Angoli(0, 30, 12), test::Angoli(0, 10, 10), Quadratica, 1000);
    ContestoCalcolo ctx;
    for (double g : {12.5, 47.3, 84.0, 89.9})  // 84 and 89.9 lie between the last two angles
        for (double c : {31.0, 100.2, 250.0, 299.9})
            EXPECT_NEAR(IntensitaLum(ctx, foto, 0, g, c), Quadratica(c, g), 1e-9 * Quadratica(c, g)) << g << " " << c;
}

TEST(IntensitaLum, NadirInterpolatesLinearlyBetweenPlanesAndAcrossCZero) {
    // Nadir values differ per plane: 100 + C.
    auto foto = FotometriaDa(test::Angoli(0, 90, 4), test::Angoli(0, 45, 3),
                             [](double c, double g) { return g == 0 ? 100 + c : 50; }, 1000);
    ContestoCalcolo ctx;
    EXPECT_DOUBLE_EQ(IntensitaLum(ctx, foto, 0, 0, 45), 145);
    EXPECT_DOUBLE_EQ(IntensitaLum(ctx, foto, 0, 0, 90), 190);
    // Between the last plane (270 -> 370) and plane 1 at 360 (-> 100).
    EXPECT_DOUBLE_EQ(IntensitaLum(ctx, foto, 0, 0, 315), 370 + (100 - 370) * 0.5);
    EXPECT_DOUBLE_EQ(IntensitaLum(ctx, foto, 0, 0, 360), 100);
}

TEST(IntensitaLum, ContinuousAcrossCZero) {
    auto foto = FotometriaDa(test::Angoli(0, 15, 24), test::Angoli(0, 5, 19),
                             [](double c, double g) { return 300 + 80 * std::cos(c * RadPerGrado) * g / 90; }, 1000);
    ContestoCalcolo ctx;
    for (double g : {7.0, 33.0, 61.0}) {
        const double a360 = IntensitaLum(ctx, foto, 0, g, 360);
        EXPECT_NEAR(IntensitaLum(ctx, foto, 0, g, 1e-7), a360, 1e-6);
        EXPECT_NEAR(IntensitaLum(ctx, foto, 0, g, 360 - 1e-7), a360, 1e-6);
        // A C between the last plane and 360 stays near the smooth data.
        EXPECT_NEAR(IntensitaLum(ctx, foto, 0, g, 352), 300 + 80 * std::cos(352 * RadPerGrado) * g / 90, 0.05);
    }
}

TEST(RicercaIntensita, GivesThePlainFiguresOnEvenAndUnevenGrids) {
    std::vector<double> gIrregolari{0, 2.5, 5, 10, 15, 20, 30, 40, 50, 55, 60, 62, 65, 70, 75, 80, 85, 87.5, 90};
    std::vector<double> cIrregolari{0, 10, 20, 45, 90, 135, 180, 200, 270, 300, 350};
    auto liscia = [](double c, double g) { return 250 + 120 * std::sin(g * RadPerGrado) * (1 + std::cos(c * RadPerGrado)); };
    const Fotometria casi[] = {
        FotometriaDa(test::Angoli(0, 5, 72), test::Angoli(0, 1, 181), liscia, 4800),
        FotometriaDa(cIrregolari, gIrregolari, liscia, 4800),
    };
    std::mt19937_64 gen(7);
    std::uniform_real_distribution<double> dg(0, 185), dc(0, 360);
    for (const auto& foto : casi) {
        RicercaIntensita veloce(foto, 0);
        ContestoCalcolo a, b;
        auto confronta = [&](double g, double c) {
            ASSERT_EQ(veloce(a, g, c), IntensitaLum(b, foto, 0, g, c)) << g << " " << c;
        };
        for (int k = 0; k < 20000; ++k) confronta(dg(gen), dc(gen) + 1e-12);
        // Exactly on the nodes, where a search that is one off shows.
        for (int j = 1; j <= foto.NumG(); ++j)
            for (int i = 1; i <= foto.NumC(); ++i) confronta(foto.Intens.AngoloG(j), foto.Intens.AngoloC(i) == 0 ? 360 : foto.Intens.AngoloC(i));
        EXPECT_FALSE(a.ErrCalcolo);
    }
}

// A C that is not a number (a direction no routine could form) has no planes
// around it: both lookups fail the same way, at the nadir too, and a gamma
// beyond the table still gives no light without an error.
TEST(RicercaIntensita, ACThatIsNotANumberFailsBothLookupsAlike) {
    const Fotometria foto = FotometriaDa(test::Angoli(0, 15, 24), test::Angoli(0, 5, 19),
                                         [](double, double g) { return 100 + g; }, 1000);
    const RicercaIntensita veloce(foto, 0);
    const double nan = std::nan("");
    struct Caso {
        double gamma;
        bool errore;
    };
    for (const Caso& caso : {Caso{0, true}, Caso{30, true}, Caso{95, false}}) {
        ContestoCalcolo a, b;
        const double iv = veloce(a, caso.gamma, nan), ip = IntensitaLum(b, foto, 0, caso.gamma, nan);
        EXPECT_EQ(a.ErrCalcolo, caso.errore) << caso.gamma;
        EXPECT_EQ(b.ErrCalcolo, caso.errore) << caso.gamma;
        EXPECT_EQ(iv, caso.errore ? -1.0 : 0.0) << caso.gamma;
        EXPECT_EQ(ip, iv) << caso.gamma;
    }
}

TEST(AsseAngoli, FindsTheFirstAngleNotBelowOnBothKindsOfGrid) {
    for (std::vector<double> angoli : {test::Angoli(0, 0.1, 901), std::vector<double>{0, 1, 3, 7, 15, 31, 63}}) {
        std::vector<double> uno(angoli.size() + 1);
        std::copy(angoli.begin(), angoli.end(), uno.begin() + 1);
        const int n = static_cast<int>(angoli.size());
        AsseAngoli asse;
        asse.Imposta(uno, n);
        for (int k = 1; k <= n; ++k) {
            const double x = uno[k];
            for (double q : {std::nextafter(x, -1e9), x, std::nextafter(x, 1e9)}) {
                int atteso = 1;
                while (atteso <= n && !(uno[atteso] >= q)) ++atteso;
                ASSERT_EQ(asse.PrimoNonMinore(q), atteso) << q;
            }
        }
        EXPECT_EQ(asse.PrimoNonMinore(1e6), n + 1);
        EXPECT_EQ(asse.PrimoNonMinore(-5), 1);
    }
}

TEST(Geometria, GammaAndCOfTheDirectionToThePoint) {
    struct Caso { double xp, yp, xl, yl, s, H, gamma, c; };
    // Pole foot at (0, 7) with reach 2: light centre over (0, 5), 10 m high.
    const Caso casi[] = {
        {10, 5, 0, 7, 2, 10, 45, 0},       // straight ahead
        {0, 15, 0, 7, 2, 10, 45, 90},      // toward +y
        {-10, 5, 0, 7, 2, 10, 45, 180},    // behind
        {0, -5, 0, 7, 2, 10, 45, 270},     // toward -y
        {10, 15, 0, 7, 2, 10, std::acos(10 / std::sqrt(300.0)) * 180 / M_PI, 45},
        {0, 5, 0, 7, 2, 10, 0, 0},         // straight under
    };
    for (const auto& k : casi) {
        for (double incl : {0.0, 10.0}) {
            ContestoCalcolo ctx;
            EXPECT_NEAR(CalcGamma(ctx, k.xp, k.yp, k.xl, k.yl, k.s, k.H), k.gamma, 1e-7);
            EXPECT_NEAR(CalcC(ctx, k.xp, k.yp, k.xl, k.yl, k.s, incl), k.c, 1e-7) << k.xp << " " << k.yp << " " << incl;
            EXPECT_FALSE(ctx.ErrCalcolo);
        }
    }
    ContestoCalcolo ctx;
    EXPECT_NEAR(CalcGammaOcchio(ctx, 8.5, 0, 0, 0, 0, 10), 45, 1e-7);
}

TEST(Orientamento, StraightUnderGivesTheNadirWhateverTheSideAndTilt) {
    auto foto = FotometriaDa(test::Angoli(0, 90, 4), test::Angoli(0, 45, 3),
                             [](double c, double g) { return g == 0 ? 100 + c : 10; }, 1000);
    RicercaIntensita ricerca(foto, 0);
    struct Caso { bool versoMenoY; double inclina; double c, I; };
    const Caso casi[] = {{false, 0, 360, 100}, {true, 0, 180, 280}, {false, 10, 360, 100 + 270}, {false, -10, 360, 100 + 90}};
    for (const auto& k : casi) {
        ContestoCalcolo ctx;
        DirezioneLuce d;
        ASSERT_TRUE(CalcolaDirezione(ctx, ricerca, 3, 2, 3, 2, 0, 8, k.inclina, k.versoMenoY, d));
        EXPECT_DOUBLE_EQ(d.Gamma, 0);
        EXPECT_DOUBLE_EQ(d.C, k.c);
        // Tilted, the nadir direction leaves gamma 0 and is read on the C = 270
        // (positive tilt) or C = 90 plane at gamma equal to the tilt.
        if (k.inclina == 0) EXPECT_DOUBLE_EQ(d.I, k.I);
        else EXPECT_NEAR(ctx.GammaRuot, 10, 1e-7);
    }
}

TEST(RuotaInclinazione, PositiveTiltLiftsTheC90Side) {
    ContestoCalcolo ctx;
    RuotaInclinazione(ctx, 40, 90, 10);
    EXPECT_NEAR(ctx.GammaRuot, 30, 1e-7);
    EXPECT_NEAR(ctx.CRuot, 90, 1e-7);
    RuotaInclinazione(ctx, 40, 270, 10);
    EXPECT_NEAR(ctx.GammaRuot, 50, 1e-7);
    EXPECT_NEAR(ctx.CRuot, 270, 1e-7);
    // Along the road axis the gamma grows and C leans toward the lifted side.
    RuotaInclinazione(ctx, 60, 0, 20);
    EXPECT_NEAR(ctx.GammaRuot, std::acos(std::cos(60 * RadPerGrado) * std::cos(20 * RadPerGrado)) / RadPerGrado, 1e-6);
    EXPECT_GT(ctx.CRuot, 270);
}

TEST(Angoli, Angolo2QuadrantsGradiAndArrotonda) {
    EXPECT_DOUBLE_EQ(Angolo2(1, 0), M_PI / 2);
    EXPECT_DOUBLE_EQ(Angolo2(-1, 0), 3 * M_PI / 2);
    EXPECT_DOUBLE_EQ(Angolo2(0, 0), 0);
    EXPECT_DOUBLE_EQ(Angolo2(1, 1), M_PI / 4);
    EXPECT_DOUBLE_EQ(Angolo2(1, -1), 3 * M_PI / 4);
    EXPECT_DOUBLE_EQ(Angolo2(-1, -1), 5 * M_PI / 4);
    EXPECT_DOUBLE_EQ(Angolo2(-1, 1), -M_PI / 4);
    EXPECT_DOUBLE_EQ(Gradi(1), 57.29577951);
    struct Caso { double x; int n; double atteso; };
    for (const auto& k : {Caso{0.125, 2, 0.12}, Caso{0.126, 2, 0.13}, Caso{2.5, 0, 2}, Caso{2.51, 0, 3}, Caso{-1.7, 0, -1},
                          Caso{3.14159, 3, 3.142}})
        EXPECT_DOUBLE_EQ(Arrotonda(k.x, k.n), k.atteso) << k.x;
}

}  // namespace
}  // namespace nottaro
