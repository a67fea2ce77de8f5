// Road illuminance of a chosen solution: an independent sum over the road
// layout, and the indexed lookup against the plain one on real photometry.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "core/photometry/LettoriFotometria.h"
#include "engine/road/IllumSoluzione.h"
#include "support/InterazioneFinta.h"
#include "support/Percorsi.h"
#include "tests/engine/FotometrieProva.h"

namespace nottaro {
namespace {

constexpr double Pi = 3.14159265358979323846;

double Lobo(double c, double g) {
    const double cr = c * Pi / 180, gr = g * Pi / 180;
    return (1 + 0.5 * std::cos(cr) + 0.2 * std::sin(cr)) * (300 + 100 * std::cos(gr));
}

ParametriStrada Strada(int disp, double H, double sbr, double incl, double S) {
    ParametriStrada p;
    p.DispPali = disp;
    p.LargStrada = 7;
    p.NCorsie = 2;
    p.HPalo = H;
    p.Sbraccio = sbr;
    p.Inclina = incl;
    p.Interdist = S;
    p.Deprezz = 0.85;
    return p;
}

// Independent sum: a pole on the right-hand edge reaches toward +y and faces
// it, any other pole reaches toward and faces -y; C from the luminaire's
// axis toward its own +y side.
double Atteso(const ParametriStrada& p, const std::vector<Apparecchio>& app, double xp, double yp, double flusso) {
    const double H = p.HPalo;
    double e = 0;
    for (const auto& a : app) {
        const bool destra = a.y == 0;
        const double yTesta = destra ? a.y + p.Sbraccio : a.y - p.Sbraccio;
        const double dx = xp - a.x, dy = yp - yTesta;
        const double cosg = H / std::sqrt(dx * dx + dy * dy + H * H);
        double c = (destra ? std::atan2(dy, dx) : std::atan2(-dy, -dx)) * 180 / Pi;
        if (c < 0) c += 360;
        e += Lobo(c, std::acos(cosg) * 180 / Pi) * flusso / 1000 * cosg * cosg * cosg / (H * H) * p.Deprezz;
    }
    return e;
}

TEST(IllumSoluzione, MatchesAnIndependentSumForEveryRoadArrangement) {
    const Fotometria foto = test::FotometriaDa(test::Angoli(0, 1, 360), test::Angoli(0, 1, 181), Lobo, 8000);
    for (int disp = 1; disp <= 6; ++disp)
        for (double sbr : {0.0, 1.5}) {
            const ParametriStrada p = Strada(disp, 9, sbr, 0, 32);
            std::vector<Apparecchio> app;
            GrigliaStrada g;
            ASSERT_TRUE(DisponiApparecchi(p, app));
            ASSERT_TRUE(CreaGriglia(p, g));
            ContestoCalcolo ctx;
            CampoIllum campo;
            StatisticheIllum st;
            ASSERT_TRUE(IllumSoluzione(ctx, foto, p, app, g, campo, st));
            ASSERT_EQ(campo.NPtiLong, g.NPtiLong);
            ASSERT_EQ(campo.NPtiTrasv, g.NPtiTrasv);
            double somma = 0, minimo = 1e300, massimo = 0;
            for (int i = 0; i < g.NPtiLong; ++i)
                for (int j = 0; j < g.NPtiTrasv; ++j) {
                    const double e = Atteso(p, app, g(i, j).x, g(i, j).y, 8000);
                    ASSERT_NEAR(campo(i, j), e, 1e-6 * e) << disp << " " << sbr << " " << i << " " << j;
                    somma += e;
                    minimo = std::min(minimo, e);
                    massimo = std::max(massimo, e);
                }
            EXPECT_NEAR(st.EmCalc, somma / (g.NPtiLong * g.NPtiTrasv), 1e-6 * st.EmCalc);
            EXPECT_NEAR(st.EminCalc, minimo, 1e-6 * minimo);
            EXPECT_NEAR(st.EmaxCalc, massimo, 1e-6 * massimo);
        }
}

TEST(IllumSoluzione, IndexedLookupGivesThePlainFiguresOnRealPhotometry) {
    Fotometria foto;
    test::InterazioneFinta ui;
    ASSERT_EQ(LeggiFotometria(test::Fixture("photometry/eulumdat-analysis_sample_19_LEDiL_STRADA_street_isym0.ldt"),
                              foto, ui),
              0);
    RicercaIntensita ricerca(foto, 0);
    for (int disp : {1, 3, 5, 6})
        for (double incl : {0.0, 10.0, -5.0}) {
            const ParametriStrada p = Strada(disp, 8, 1, incl, 36);
            std::vector<Apparecchio> app;
            GrigliaStrada g;
            ASSERT_TRUE(DisponiApparecchi(p, app));
            ASSERT_TRUE(CreaGriglia(p, g));
            ContestoCalcolo a, b;
            CampoIllum lento, veloce;
            StatisticheIllum sl, sv;
            ASSERT_TRUE(IllumSoluzione(a, foto, p, app, g, lento, sl));
            ASSERT_TRUE(IllumSoluzione(b, ricerca, p, app, g, veloce, sv));
            // The same operations on both sides: equal to the last bit.
            for (std::size_t k = 0; k < lento.Illum.size(); ++k)
                ASSERT_EQ(veloce.Illum[k], lento.Illum[k]) << disp << " " << incl;
            EXPECT_EQ(sv.EmCalc, sl.EmCalc);
            EXPECT_GT(sl.EmCalc, 0);
        }
}

TEST(IllumSoluzione, CalculationErrorStopsWithTheFlagAndKeepsTheFigures) {
    const Fotometria foto = test::FotometriaDa(test::Angoli(0, 1, 360), test::Angoli(0, 1, 181), Lobo, 8000);
    ParametriStrada p = Strada(2, 8, 0, 0, 30);
    std::vector<Apparecchio> app;
    GrigliaStrada g;
    ASSERT_TRUE(DisponiApparecchi(p, app));
    ASSERT_TRUE(CreaGriglia(p, g));
    p.HPalo = std::nan("");
    ContestoCalcolo ctx;
    CampoIllum campo;
    StatisticheIllum st;
    st.EmCalc = 7;
    EXPECT_FALSE(IllumSoluzione(ctx, foto, p, app, g, campo, st));
    EXPECT_TRUE(ctx.ErrCalcolo);
    EXPECT_EQ(st.EmCalc, 7);
}

}  // namespace
}  // namespace nottaro
