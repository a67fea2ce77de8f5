// Illuminance of a path: checked against an independent sum over the
// luminaires, the angles of the path's orientation rule, and the indexed
// production path against the plain reference on real photometry.
#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <vector>

#include "core/photometry/LettoriFotometria.h"
#include "engine/area/IlluminamentoArea.h"
#include "engine/area/ValutaPercorso.h"
#include "support/EseguiCli.h"
#include "support/InterazioneFinta.h"
#include "support/Percorsi.h"
#include "tests/engine/FotometrieProva.h"

namespace nottaro {
namespace {

using test::FotometriaDa;

constexpr double Pi = 3.14159265358979323846;

// Smooth, lopsided in C (cos and sin terms tell a turned or mirrored C) and
// tabulated every degree, so the quadratic interpolation is within 1e-6.
double Lobo(double c, double g) {
    const double cr = c * Pi / 180, gr = g * Pi / 180;
    return (1 + 0.5 * std::cos(cr) + 0.2 * std::sin(cr)) * (300 + 100 * std::cos(gr));
}

Fotometria FotometriaLobo() { return FotometriaDa(test::Angoli(0, 1, 360), test::Angoli(0, 1, 181), Lobo, 5000); }

// Independent sum: light centre on the path side of the pole, C measured from
// +x toward +y for a near-half luminaire and from -x toward -y for a far-half
// one (the luminaire faces across the path), cosine law on the true angle.
double IlluminamentoAtteso(const ParametriArea& p, const std::vector<ApparecchioA>& app, double xp, double yp,
                           double flusso, double (*f)(double, double)) {
    const double H = p.HPaloA;
    double e = 0;
    for (const auto& a : app) {
        const bool lontana = a.y >= p.LargStradaA / 2;
        const double yTesta = lontana ? a.y - p.SbraccioA : a.y + p.SbraccioA;
        const double dx = xp - a.x, dy = yp - yTesta;
        const double d = std::sqrt(dx * dx + dy * dy + H * H);
        double c = lontana ? std::atan2(-dy, -dx) : std::atan2(dy, dx);
        c = c * 180 / Pi;
        if (c < 0) c += 360;
        const double cosg = H / d;
        const double I = f(c, std::acos(cosg) * 180 / Pi) * flusso / 1000;
        e += I * cosg * cosg * cosg / (H * H) * p.DeprezzA;
    }
    return e;
}

ParametriArea Geometria(int disp, double H, double sbr, double incl, double S, double W) {
    ParametriArea p;
    p.DispPaliA = disp;
    p.HPaloA = H;
    p.SbraccioA = sbr;
    p.InclinaA = incl;
    p.Interdist = S;
    p.LargStradaA = W;
    p.DeprezzA = 0.8;
    return p;
}

TEST(CalcolaIllum, MatchesAnIndependentSumForEveryArrangement) {
    const Fotometria foto = FotometriaLobo();
    for (int disp = 1; disp <= 6; ++disp) {
        for (double sbr : {0.0, 0.7, -0.4}) {
            const ParametriArea p = Geometria(disp, 6, sbr, 0, 22, 4.5);
            GrigliaArea g;
            std::vector<ApparecchioA> app;
            ASSERT_EQ(CreaGrigliaA(p, g), EsitoA::Ok);
            ASSERT_TRUE(DisponiApparecchiA(p, app));
            ContestoCalcolo ctx;
            CampoIllum campo;
            StatisticheIllum st;
            ASSERT_TRUE(CalcolaIllum(ctx, foto, p, g, app, campo, st));
            double somma = 0, minimo = 1e300, massimo = 0;
            for (int i = 0; i < g.NPtiLong; ++i)
                for (int j = 0; j < g.NPtiTrasv; ++j) {
                    const double atteso = IlluminamentoAtteso(p, app, g(i, j).x, g(i, j).y, 5000, Lobo);
                    ASSERT_NEAR(campo(i, j), atteso, 1e-6 * atteso) << disp << " " << sbr << " " << i << " " << j;
                    somma += atteso;
                    minimo = std::min(minimo, atteso);
                    massimo = std::max(massimo, atteso);
                }
            EXPECT_NEAR(st.EmCalc, somma / (g.NPtiLong * g.NPtiTrasv), 1e-6 * st.EmCalc);
            EXPECT_NEAR(st.EminCalc, minimo, 1e-6 * minimo);
            EXPECT_NEAR(st.EmaxCalc, massimo, 1e-6 * massimo);
        }
    }
}

TEST(CalcolaIllum, CosineLawUsesTheTrueAngleWhenTheLuminaireIsTilted) {
    // Isotropic over the whole sphere: the tilt changes where the table is
    // read but not the intensity, so E = sum I H / d^3 x DeprezzA exactly.
    const Fotometria foto =
        FotometriaDa(test::Angoli(0, 15, 24), test::Angoli(0, 5, 37), [](double, double) { return 400.0; }, 2500);
    auto isotropa = [](double, double) { return 400.0; };
    for (double incl : {0.0, 15.0, -10.0}) {
        const ParametriArea p = Geometria(4, 5, 0.5, incl, 18, 3);
        GrigliaArea g;
        std::vector<ApparecchioA> app;
        ASSERT_EQ(CreaGrigliaA(p, g), EsitoA::Ok);
        ASSERT_TRUE(DisponiApparecchiA(p, app));
        ContestoCalcolo ctx;
        CampoIllum campo;
        StatisticheIllum st;
        ASSERT_TRUE(CalcolaIllum(ctx, foto, p, g, app, campo, st));
        for (int i = 0; i < g.NPtiLong; ++i)
            for (int j = 0; j < g.NPtiTrasv; ++j) {
                const double atteso = IlluminamentoAtteso(p, app, g(i, j).x, g(i, j).y, 2500, +isotropa);
                ASSERT_NEAR(campo(i, j), atteso, 1e-7 * atteso) << incl;
            }
    }
}

TEST(DirezioneA, AnglesOfThePathOrientationRule) {
    // Nadir 100 + C, so the plane read at gamma 0 shows in the intensity.
    const Fotometria foto = FotometriaDa(test::Angoli(0, 90, 4), test::Angoli(0, 45, 3),
                                         [](double c, double g) { return g == 0 ? 100 + c : 10; }, 1000);
    RicercaIntensita ricerca(foto, 0);
    const double W = 4, H = 5;
    struct Caso { const char* cosa; ApparecchioA a; double sbr, xp, yp, gamma, c; };
    const Caso casi[] = {
        {"under a near-half head", {0, 0}, 0.5, 0, 0.5, 0, 360},
        {"under a far-half head", {0, 4}, 0.5, 0, 3.5, 0, 180},
        {"left edge, straight across", {0, 4}, 0, 0, 0, std::atan(4.0 / 5) * 180 / Pi, 90},
        {"right edge, straight across", {0, 0}, 0, 0, 4, std::atan(4.0 / 5) * 180 / Pi, 90},
        {"right edge, ahead", {0, 0}, 0, 5, 0, 45, 360},
        {"left edge, ahead", {0, 4}, 0, 5, 4, 45, 180},
        {"centre pole, behind on its line", {0, 2}, 0, -5, 2, 45, 360},  // the C = 0 plane
        {"double centre, upper one reaches right", {0, 2.01}, 1, 0, 2.01 - 1, 0, 180},
        {"double centre, lower one reaches left", {0, 1.99}, 1, 0, 1.99 + 1, 0, 360},
    };
    for (const auto& k : casi) {
        ParametriArea p = Geometria(1, H, k.sbr, 0, 20, W);
        ContestoCalcolo ctx;
        DirezioneLuce d;
        ASSERT_TRUE(DirezioneA(ctx, ricerca, p, k.a, k.xp, k.yp, d)) << k.cosa;
        EXPECT_NEAR(d.Gamma, k.gamma, 1e-7) << k.cosa;
        EXPECT_NEAR(d.C, k.c, 1e-7) << k.cosa;
        if (k.gamma == 0) {
            EXPECT_DOUBLE_EQ(d.I, 100 + std::fmod(k.c, 360)) << k.cosa;
        }
    }
}

Fotometria Leggi(const char* nome) {
    Fotometria foto;
    test::InterazioneFinta ui;
    EXPECT_EQ(LeggiFotometria(test::Fixture(std::string("photometry/") + nome), foto, ui), 0) << nome;
    EXPECT_GT(foto.NumC(), 0);
    return foto;
}

TEST(CalcolaIllum, RealStreetOpticAgreesWithTheSeparateScript) {
    // tests/engine/illuminamento_punto.py reads the file and sums the
    // luminaires on its own; it prints one point a line: arrangement, height,
    // overhang, spacing, width, maintenance factor, point (i, j), illuminance.
    const char* nome = "eulumdat-analysis_sample_19_LEDiL_STRADA_street_isym0.ldt";
    const Fotometria foto = Leggi(nome);
    const test::UscitaCli u =
        test::EseguiPython("tests/engine/illuminamento_punto.py", test::Tra(test::Fixture(std::string("photometry/") + nome)));
    ASSERT_EQ(u.esito, 0) << u.err;
    struct Caso { int disp; double H, sbr, S, W, D; int i, j; double E; };
    std::vector<Caso> casi;
    std::istringstream in(u.out);
    for (Caso k; in >> k.disp >> k.H >> k.sbr >> k.S >> k.W >> k.D >> k.i >> k.j >> k.E;) casi.push_back(k);
    ASSERT_EQ(casi.size(), 4u) << u.out;
    for (const auto& k : casi) {
        ParametriArea p = Geometria(k.disp, k.H, k.sbr, 0, k.S, k.W);
        p.DeprezzA = k.D;
        const RisultatoPercorso r = ValutaPercorso(foto, p, RequisitiArea{});
        ASSERT_TRUE(r.Valido());
        EXPECT_NEAR(r.Campo(k.i, k.j), k.E, 1e-8 * k.E) << k.disp;
    }
}

// The production path forms the plain figures with the same formulas and
// elementary functions in the same order: equal to the last bit.
bool Vicini(double a, double b) { return a == b || (std::isnan(a) && std::isnan(b)); }

TEST(LavoroArea, ProductionPathGivesThePlainFiguresOnRealPhotometry) {
    const char* file[] = {"eulumdat-analysis_sample_19_LEDiL_STRADA_street_isym0.ldt",
                          "eulumdat-analysis_sample_20_Signify_isym4_nonequidistant_gamma.ldt",
                          "eulumdat-analysis_sample_03_two_lamp_sets_isym4.ldt"};
    for (const char* nome : file) {
        const Fotometria foto = Leggi(nome);
        RicercaIntensita ricerca(foto, 0);
        LavoroArea lavoro;
        for (int disp = 1; disp <= 6; ++disp)
            for (double S : {14.0, 33.0}) {
                ParametriArea p = Geometria(disp, 4, 0, 0, S, 3.5);
                ASSERT_EQ(lavoro.Prepara(p), EsitoA::Ok);
                // Sweep order: height, overhang, then tilt innermost, so the
                // shared angles are reused and then rebuilt.
                for (double H : {4.0, 7.5})
                    for (double sbr : {-0.5, 1.0})
                        for (double incl : {-10.0, 0.0, 5.0, 20.0}) {
                            p.HPaloA = H;
                            p.SbraccioA = sbr;
                            p.InclinaA = incl;
                            ContestoCalcolo a, b;
                            ASSERT_TRUE(lavoro.Valuta(a, ricerca, p));
                            GrigliaArea g;
                            std::vector<ApparecchioA> app;
                            CreaGrigliaA(p, g);
                            DisponiApparecchiA(p, app);
                            CampoIllum campo;
                            StatisticheIllum st;
                            ASSERT_TRUE(CalcolaIllum(b, foto, p, g, app, campo, st));
                            ASSERT_EQ(campo.Illum.size(), lavoro.Campo().Illum.size());
                            for (std::size_t k = 0; k < campo.Illum.size(); ++k)
                                ASSERT_PRED2(Vicini, lavoro.Campo().Illum[k], campo.Illum[k])
                                    << nome << " disp " << disp << " H " << H << " sbr " << sbr << " incl " << incl;
                            EXPECT_PRED2(Vicini, lavoro.Statistiche().EmCalc, st.EmCalc);
                            EXPECT_PRED2(Vicini, lavoro.Statistiche().EminCalc, st.EminCalc);
                            EXPECT_PRED2(Vicini, lavoro.Statistiche().EmaxCalc, st.EmaxCalc);
                            EXPECT_GT(st.EmCalc, 0);
                        }
            }
    }
}

TEST(LavoroArea, RefusedGridAndCalculationErrorsAreReportedNotThrown) {
    const Fotometria foto = FotometriaLobo();
    RicercaIntensita ricerca(foto, 0);
    LavoroArea lavoro;
    ParametriArea p = Geometria(2, 5, 0, 0, 20, 3);
    p.GrigliaPers = 1;
    p.NPtiX = 0;
    p.NPtiY = 3;
    EXPECT_EQ(lavoro.Prepara(p), EsitoA::ContiPersonalizzatiNonValidi);
    ContestoCalcolo ctx;
    EXPECT_FALSE(lavoro.Valuta(ctx, ricerca, p));
    EXPECT_FALSE(ctx.ErrCalcolo);

    p.GrigliaPers = 0;
    p.DispPaliA = 0;
    EXPECT_EQ(lavoro.Prepara(p), EsitoA::DisposizioneSconosciuta);

    // A candidate whose angles cannot be formed raises the flag on both paths
    // and on every later tilt of the same geometry.
    p.DispPaliA = 2;
    ASSERT_EQ(lavoro.Prepara(p), EsitoA::Ok);
    p.HPaloA = std::nan("");
    for (double incl : {5.0, 10.0}) {
        p.InclinaA = incl;
        ContestoCalcolo c1;
        EXPECT_FALSE(lavoro.Valuta(c1, ricerca, p));
        EXPECT_TRUE(c1.ErrCalcolo);
    }
    ContestoCalcolo c2;
    CampoIllum campo;
    StatisticheIllum st;
    st.EmCalc = 42;
    EXPECT_FALSE(CalcolaIllum(c2, foto, p, lavoro.Griglia(), lavoro.Apparecchi(), campo, st));
    EXPECT_TRUE(c2.ErrCalcolo);
    EXPECT_EQ(st.EmCalc, 42);  // statistics of a failed evaluation are not touched

    // The same work object recovers on the next good geometry.
    p.HPaloA = 5;
    ContestoCalcolo c3;
    EXPECT_TRUE(lavoro.Valuta(c3, ricerca, p));
    EXPECT_GT(lavoro.Statistiche().EmCalc, 0);
}

}  // namespace
}  // namespace nottaro
