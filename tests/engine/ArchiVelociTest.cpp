// The branch-free arcs, sines and cosines against the C library, over the
// ranges the angle loops use them on.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "core/intensity/ArchiVeloci.h"
#include "core/intensity/SenoCosenoVeloci.h"

namespace nottaro {
namespace {

// The reference is the library function in long double: where that carries
// more bits than a double, its own rounding does not eat into the bound.
constexpr double ErroreRif = std::numeric_limits<long double>::digits > 53 ? 0.0 : 1.2e-16;
// A few ulp relative: two units of 2^-52 (about 1.8 ulp at worst in a binade).
constexpr double Relativo = 4e-16 + ErroreRif;

double Scarto(double veloce, long double rif) { return static_cast<double>(std::fabs(veloce - rif)); }
double Modulo(long double rif) { return static_cast<double>(std::fabs(rif)); }

// n consecutive doubles on each side of x (x itself included once).
std::vector<double> Intorno(double x, int n) {
    std::vector<double> v{x};
    double giu = x, su = x;
    for (int k = 0; k < n; ++k) {
        giu = std::nextafter(giu, -INFINITY);
        su = std::nextafter(su, INFINITY);
        v.push_back(giu);
        v.push_back(su);
    }
    return v;
}

TEST(ArchiVeloci, AcosWithinAFewUlpOverTheWholeRange) {
    std::vector<double> xs;
    const int passi = 1000000;
    for (int k = -passi; k <= passi; ++k) xs.push_back(static_cast<double>(k) / passi);
    // The two ends, where the half-angle square root takes over, and +-0.5,
    // where the branches meet.
    for (double x : {1.0, -1.0, 0.5, -0.5})
        for (double v : Intorno(x, 3000))
            if (std::fabs(v) <= 1) xs.push_back(v);
    for (int e = 1; e <= 53; ++e) {
        xs.push_back(1 - std::ldexp(1.0, -e));
        xs.push_back(-1 + std::ldexp(1.0, -e));
        xs.push_back(std::ldexp(1.0, -20 * e));  // down to the subnormals
    }
    for (double x : xs) {
        const long double rif = std::acos(static_cast<long double>(x));
        ASSERT_LE(Scarto(AcosVeloce(x), rif), Relativo * Modulo(rif)) << std::hexfloat << x;
    }
}

TEST(ArchiVeloci, AcosSpecialValuesAreTheLibrarysDoubles) {
    EXPECT_EQ(AcosVeloce(1.0), 0.0);
    EXPECT_EQ(AcosVeloce(-1.0), std::acos(-1.0));
    EXPECT_EQ(AcosVeloce(0.0), std::acos(0.0));
    EXPECT_EQ(AcosVeloce(-0.0), std::acos(0.0));
    EXPECT_TRUE(std::isnan(AcosVeloce(std::nan(""))));
}

TEST(ArchiVeloci, AtanOfQuotientsOfEverySignAndMagnitude) {
    std::vector<double> numeratori;
    for (int e = -290; e <= 290; e += 5)
        for (int m = 0; m < 64; ++m) numeratori.push_back(std::ldexp(1 + m / 64.0, e));
    // Quotients on both sides of the range-reduction thresholds tan(3 pi / 8) and 0.66.
    for (double soglia : {2.41421356237309504880, 0.66})
        for (double v : Intorno(soglia, 300)) numeratori.push_back(v);
    const double denominatori[] = {1.0, 3.0, 0.7, 1e-5, 1e5, 1e-280, 1e280};
    for (double y0 : numeratori)
        for (double x0 : denominatori)
            for (double sy : {1.0, -1.0})
                for (double sx : {1.0, -1.0}) {
                    const double y = sy * y0, x = sx * x0;
                    const long double q = static_cast<long double>(y) / x;
                    if (std::fabs(q) < 1e-290L || std::fabs(q) > 1e290L) continue;  // keep atan normal
                    const long double rif = std::atan(q);
                    ASSERT_LE(Scarto(AtanRapporto(y, x), rif), Relativo * Modulo(rif))
                        << std::hexfloat << y << " / " << x;
                }
    for (double x : numeratori)
        for (double sx : {1.0, -1.0}) {
            const long double rif = std::atan(static_cast<long double>(sx * x));
            ASSERT_LE(Scarto(AtanVeloce(sx * x), rif), Relativo * Modulo(rif)) << std::hexfloat << sx * x;
        }
}

TEST(ArchiVeloci, AtanZerosInfinitiesAndNaN) {
    const double piMezzi = std::atan(std::numeric_limits<double>::infinity());
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(AtanVeloce(0.0), 0.0);
    EXPECT_EQ(AtanVeloce(inf), piMezzi);
    EXPECT_EQ(AtanVeloce(-inf), -piMezzi);
    // atan(y / x) with the infinity in the numerator keeps the quotient's sign.
    EXPECT_EQ(AtanRapporto(inf, 2.0), piMezzi);
    EXPECT_EQ(AtanRapporto(inf, -2.0), -piMezzi);
    EXPECT_EQ(AtanRapporto(-inf, -2.0), piMezzi);
    struct Zero { double y, x; };
    for (const auto& z : {Zero{0, 1}, Zero{0, -1}, Zero{-0.0, 3}, Zero{0, 1e-300}, Zero{5, inf}, Zero{-5, -inf}})
        EXPECT_EQ(AtanRapporto(z.y, z.x), 0.0) << z.y << " / " << z.x;
    const double nan = std::nan("");
    EXPECT_TRUE(std::isnan(AtanVeloce(nan)));
    EXPECT_TRUE(std::isnan(AtanRapporto(nan, 1)));
    EXPECT_TRUE(std::isnan(AtanRapporto(1, nan)));
}

TEST(ArchiVeloci, SinCosWithinAFewUlpFromMinusOneTurnToTwoTurns) {
    const double pi = 3.14159265358979323846;
    std::vector<double> xs;
    const int passi = 3000000;
    for (int k = 0; k <= passi; ++k) xs.push_back(-2 * pi + 6 * pi * k / passi);
    // Every multiple of pi/2 in range and its neighbours: the zeros of one
    // function and the quadrant changes of the reduction.
    for (int j = -4; j <= 8; ++j)
        for (double v : Intorno(j * (pi / 2), 2000)) xs.push_back(v);
    for (int e = 1; e <= 50; ++e) xs.push_back(std::ldexp(1.0, -20 * e));
    for (double x : xs) {
        double s, c;
        SinCosVeloce(x, s, c);
        const long double rs = std::sin(static_cast<long double>(x)), rc = std::cos(static_cast<long double>(x));
        // Near a zero the reduced angle carries the part of pi/2 that the
        // three pieces of the reduction leave out (about 1e-31 a quadrant):
        // an absolute error there, far below any real fault of the reduction.
        const double assoluto = 1e-30;
        ASSERT_LE(Scarto(s, rs), Relativo * Modulo(rs) + assoluto) << std::hexfloat << x;
        ASSERT_LE(Scarto(c, rc), Relativo * Modulo(rc) + assoluto) << std::hexfloat << x;
        ASSERT_EQ(CosVeloce(x), c);
    }
}

TEST(ArchiVeloci, TanWithinAFewUlpOverTheGammaRange) {
    const double radPerGrado = 3.14159265358979323846 / 180;
    std::vector<double> xs;
    const int passi = 1000000;
    for (int k = -passi; k <= passi; ++k) xs.push_back(89.999 * k / passi * radPerGrado);
    for (double v : Intorno(89.999 * radPerGrado, 1000)) xs.push_back(v);
    for (double x : xs) {
        const long double rif = std::tan(static_cast<long double>(x));
        // A sine and a cosine of about one ulp each, and the quotient.
        ASSERT_LE(Scarto(TanVeloce(x), rif), 1.5 * Relativo * Modulo(rif)) << std::hexfloat << x;
    }
}

TEST(ArchiVeloci, SinCosTanAtZeroAndNaN) {
    double s = -1, c = -1;
    SinCosVeloce(0.0, s, c);
    EXPECT_EQ(s, 0.0);
    EXPECT_EQ(c, 1.0);
    EXPECT_EQ(CosVeloce(0.0), 1.0);
    EXPECT_EQ(TanVeloce(0.0), 0.0);
    const double nan = std::nan("");
    SinCosVeloce(nan, s, c);
    EXPECT_TRUE(std::isnan(s));
    EXPECT_TRUE(std::isnan(c));
    EXPECT_TRUE(std::isnan(CosVeloce(nan)));
    EXPECT_TRUE(std::isnan(TanVeloce(nan)));
}

}  // namespace
}  // namespace nottaro
