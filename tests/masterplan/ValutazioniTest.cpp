// Hand-computed figures of the Masterplan evaluations, with hand-made
// luminaires: one that sends 1000 cd everywhere, and one that lights only
// the C = 0..180 half (C = 90 across, toward its street side).
#include <gtest/gtest.h>

#include <cmath>

#include "tests/engine/FotometrieProva.h"
#include "engine/road/CampoStrada.h"
#include "masterplan/valutazioni/Valutazioni.h"

namespace nottaro::mp {
namespace {

using test::Angoli;
using test::FotometriaDa;

const Fotometria& Costante() {
    static const Fotometria f = FotometriaDa(Angoli(0, 15, 24), Angoli(0, 5, 37), [](double, double) { return 1000; }, 1000);
    return f;
}

const Fotometria& MetaC() {
    static const Fotometria f = FotometriaDa(Angoli(0, 15, 24), Angoli(0, 5, 37),
                                             [](double c, double) { return c > 0 && c < 180 ? 1000.0 : 0.0; }, 1000);
    return f;
}

ParametriStrada Strada(int disp) {
    ParametriStrada p;
    p.DispPali = disp;
    p.LargStrada = 7;
    p.NCorsie = 2;
    p.HPalo = 10;
    p.Sbraccio = 1;
    p.Interdist = 30;
    p.Deprezz = 0.8;
    p.FattRiduzione = 0.5;
    p.DoppioCentro = disp == 5;
    return p;
}

// 1000 cd straight from every pole: E = I H / d^3 x maintenance x reduction,
// the light centre at the pole's reach into the road.
double ECostante(const ParametriStrada& p, const CampoStrada& c, double x, double y) {
    double E = 0;
    for (const auto& a : c.Apparecchi) {
        const double yl = a.y - SbraccioSegnato(p, a);
        const double d2 = (x - a.x) * (x - a.x) + (y - yl) * (y - yl) + p.HPalo * p.HPalo;
        E += 1000 * p.HPalo / (d2 * std::sqrt(d2)) * p.Deprezz * p.FattRiduzione;
    }
    return E;
}

TEST(IllumAreeLaterali, PointsAcrossEachStripAndEveryPoleSummed) {
    struct Caso {
        int disp, lato;
        double w;
        std::vector<double> ys;  // expected positions across
    };
    const Caso casi[] = {
        {2, 0, 4.5, {7.75, 9.25, 10.75}},             // w / 1.5 = 3: three points
        {2, 1, 6, {-0.6, -1.8, -3.0, -4.2, -5.4}},    // Trunc(6 / 1.5) + 1 = 5, step 1.2
        {6, 0, 2, {7 + 1.0 / 3, 7 + 1, 7 + 5.0 / 3}}, // at least three, step Round3(2 / 3) = 0.667
        {5, 1, 1.5, {-0.25, -0.75, -1.25}},
    };
    for (const auto& k : casi) {
        const ParametriStrada p = Strada(k.disp);
        CampoStrada c;
        ASSERT_TRUE(PreparaCampo(p, c));
        const RicercaIntensita ric(Costante(), 0);
        ContestoCalcolo ctx;
        Striscia s;
        std::vector<double> e;
        ASSERT_TRUE(IllumAreeLaterali(ctx, ric, p, c, k.lato, k.w, s, &e));
        const int n = static_cast<int>(k.ys.size());
        ASSERT_EQ(e.size(), static_cast<std::size_t>(c.Griglia.NPtiLong * n));
        double somma = 0, mn = 1e9, mx = 0;
        for (int i = 0; i < c.Griglia.NPtiLong; ++i)
            for (int j = 0; j < n; ++j) {
                // Round3 of the step: 2/3 becomes 0.667.
                const double y = k.w == 2 ? 7 + 0.667 / 2 + j * 0.667 : k.ys[static_cast<std::size_t>(j)];
                const double atteso = ECostante(p, c, c.Griglia(i, 0).x, y);
                EXPECT_NEAR(e[static_cast<std::size_t>(i * n + j)], atteso, 1e-9 * atteso) << k.disp << " " << i << " " << j;
                somma += atteso;
                mn = std::min(mn, atteso);
                mx = std::max(mx, atteso);
            }
        EXPECT_NEAR(s.Em, somma / (c.Griglia.NPtiLong * n), 1e-9 * s.Em);
        EXPECT_NEAR(s.Emin, mn, 1e-9 * mn);
        EXPECT_NEAR(s.Emax, mx, 1e-9 * mx);
    }
}

TEST(RapportoBordi, OuterOverInnerOnEachSideTheSmaller) {
    const ParametriStrada p = Strada(1);
    CampoStrada c;
    ASSERT_TRUE(PreparaCampo(p, c));
    const RicercaIntensita ric(Costante(), 0);
    auto media = [&](double y0, double passo) {
        double s = 0;
        for (int i = 0; i < c.Griglia.NPtiLong; ++i)
            for (int j = 0; j < 3; ++j) s += ECostante(p, c, c.Griglia(i, 0).x, y0 + j * passo);
        return s / (c.Griglia.NPtiLong * 3);
    };
    const double d = 7.0 / 6, h = d / 2;
    const double dx = media(-h, -d) / media(h, d), sx = media(h + 3 * d + 3 * d, d) / media(h + 3 * d, d);
    ContestoCalcolo ctx;
    double rei = 0;
    ASSERT_TRUE(RapportoBordi(ctx, ric, p, c, rei));
    EXPECT_DOUBLE_EQ(rei, Arrotonda(std::min(dx, sx), 2));
    EXPECT_LT(rei, 1);
}

TEST(CreaAnello, GridCountsAndRadii) {
    struct Caso {
        double R, W;
        int corsie, trasv, lungo;
    };
    const Caso casi[] = {
        {10, 8, 2, 6, 37},  // Ceil(2 pi (18 - 0.667) / 3)
        {10, 10, 1, 7, 39}, // 10 / 3 > 1.5: Ceil(10 / 1.5) across; Ceil(2 pi (20 - 1.667) / 3)
        {0, 6, 2, 6, 12},   // no island: Ceil(2 pi (6 - 0.5) / 3)
    };
    for (const auto& k : casi) {
        const AnelloMP a = CreaAnello(k.R, k.W, 5, 8, k.corsie);
        EXPECT_EQ(a.NPtiTrasv, k.trasv) << k.R << " " << k.W;
        EXPECT_EQ(a.NPtiLong, k.lungo) << k.R << " " << k.W;
        ASSERT_EQ(a.X.size(), static_cast<std::size_t>(k.trasv * k.lungo));
        // Point (0, j) on the x axis at R + W / (2 trasv) + j W / trasv.
        EXPECT_NEAR(a.X[0], k.R + k.W / (2 * k.trasv), 1e-12);
        EXPECT_NEAR(a.X[static_cast<std::size_t>(k.trasv - 1)], k.R + k.W - k.W / (2 * k.trasv), 1e-12);
        // Point (1, 0) a step round.
        const double phi = std::atan2(a.Y[static_cast<std::size_t>(k.trasv)], a.X[static_cast<std::size_t>(k.trasv)]);
        EXPECT_NEAR(phi, 2 * 3.14159265358979323846 / k.lungo, 1e-12);
    }
}

TEST(IllumRotatoria, OneLuminaireAtTheCentreRoundedAsTheTableShows) {
    // R 10, W 8, H 10, 1000 cd, maintenance 0.8: E = 8000 / (rho^2 + 100)^1.5
    // at rho = 10.667, 12, ..., 17.333; Em 1.6677, Emin 0.9983, Emax 2.5594.
    const AnelloMP a = CreaAnello(10, 8, 0, 10, 2);
    const RicercaIntensita ric(Costante(), 0);
    ContestoCalcolo ctx;
    StatisticheIllum st;
    ASSERT_TRUE(IllumRotatoria(ctx, ric, a, 1, 0.8, st));
    EXPECT_DOUBLE_EQ(st.EmCalc, 1.67);
    EXPECT_DOUBLE_EQ(st.EminCalc, 1.0);
    EXPECT_DOUBLE_EQ(st.EmaxCalc, 2.56);
}

TEST(IllumRotatoria, LuminairesFaceTheRingFromInsideAndOutside) {
    // The half-plane luminaire lights only its C = 90 side: the ring is lit
    // only when C = 90 points from the luminaire toward the ring.
    const RicercaIntensita ric(MetaC(), 0);
    for (double s : {5.0, 25.0}) {
        const AnelloMP a = CreaAnello(10, 8, s, 10, 2);
        ContestoCalcolo ctx;
        StatisticheIllum st;
        std::vector<double> e;
        ASSERT_TRUE(IllumRotatoria(ctx, ric, a, 1, 1, st, &e));
        // The point of the ring nearest to the luminaire at (s, 0).
        const std::size_t vicino = s < 10 ? 0 : static_cast<std::size_t>(a.NPtiTrasv - 1);
        const double rho = a.X[vicino], d2 = (rho - s) * (rho - s) + 100;
        EXPECT_NEAR(e[vicino], 1000 * 10 / (d2 * std::sqrt(d2)), 1e-9) << s;
        EXPECT_GT(st.EmCalc, 0) << s;
    }
}

TEST(StimaTIArea, OneLuminaireInSight) {
    // dz = 5, eye at W/4 = 1, the luminaire on the right edge (no reach):
    // offset 1, first at x = 13.7009 where the elevation is 20 degrees;
    // cos theta = (x cos 1 - dz sin 1) / D0; term = 0.003 E / theta^2 with
    // E = 1000 cos theta / D0^2; TI = 65 term x 0.8 = 4.874164522.
    ParametriArea p;
    p.DispPaliA = 2;
    p.LargStradaA = 4;
    p.HPaloA = 6.5;
    p.SbraccioA = 0;
    p.Interdist = 600;  // the next one lies beyond 500 m
    p.DeprezzA = 0.8;
    const RicercaIntensita ric(Costante(), 0);
    EXPECT_NEAR(StimaTIArea(ric, p, 1, 1), 4.874164522095786, 1e-7);
    p.FattRiduzione = 0.5;
    EXPECT_NEAR(StimaTIArea(ric, p, 1, 1), 4.874164522095786 / 2, 1e-7);
    // No luminaire can stand 20 degrees up 75 m to the side.
    p.DispPaliA = 1;
    p.LargStradaA = 100;
    EXPECT_EQ(StimaTIArea(ric, p, 25, 1), -1);
}

TEST(StimaTIArea, BothLuminairesOfAPairAtTheSameDistance) {
    // Both edges, W 4, no reach: the pair's far luminaire (y 4, offset 3)
    // sets x = 13.3941; the near one (y 0, offset 1) stands beside it.
    // Terms 0.0706815 and 0.0934752: TI = 65 (t1 + t2) x 0.8 = 8.536146215.
    ParametriArea p;
    p.DispPaliA = 6;
    p.LargStradaA = 4;
    p.HPaloA = 6.5;
    p.Interdist = 600;
    p.DeprezzA = 0.8;
    const RicercaIntensita ric(Costante(), 0);
    EXPECT_NEAR(StimaTIArea(ric, p, 1, 1), 8.536146214855679, 1e-7);
}

}  // namespace
}  // namespace nottaro::mp
