// The block routines (built per vector width) against the per-pair routines:
// the fast sweeps rely on both giving the very same bits, so that a table
// formed a block at a time equals the one formed pair by pair.
#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <functional>
#include <limits>
#include <vector>

#include "core/intensity/DirezioneLuce.h"
#include "core/intensity/DirezioniInclinabili.h"
#include "core/intensity/Intensita.h"
#include "core/intensity/RicercaIntensita.h"
#include "core/intensity/SenoCosenoVeloci.h"
#include "engine/road/Riflessione.h"
#include "engine/road/RiflessioneBlocco.h"
#include "tests/engine/FotometrieProva.h"

namespace nottaro {
namespace {

// Same bits, or both NaN (the payload of a NaN is of no interest).
::testing::AssertionResult StessiBit(double blocco, double coppia) {
    if (std::isnan(blocco) && std::isnan(coppia)) return ::testing::AssertionSuccess();
    if (std::bit_cast<std::uint64_t>(blocco) == std::bit_cast<std::uint64_t>(coppia))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << std::hexfloat << "block " << blocco << " vs pair " << coppia;
}

// The block calls are made over [0, n) in pieces of every length here: the
// whole (not a multiple of 8), pieces that leave a vector remainder, a
// single vector and single points (the scalar tail alone).
const std::size_t Pezzi[] = {0 /* whole */, 37, 8, 3, 1};

void PerPezzi(std::size_t n, std::size_t pezzo, const std::function<void(std::size_t, std::size_t)>& f) {
    if (pezzo == 0) pezzo = n;
    for (std::size_t da = 0; da < n; da += pezzo) f(da, std::min(pezzo, n - da));
}

// A light centre at (xl, yl - s, H).
struct Centro {
    double xl, yl, s, H;
};

const double NaN = std::nan("");

const Centro Centri[] = {
    {3, 7, 1.5, 10},
    {-20, 4, 0, 12},  // no reach
    {3, 7, -2, 0},    // at the surface: the point straight under has no gamma
    {3, 7, 1.5, NaN}, // no gamma anywhere
    // Foot at the origin, so that the hair-breadth offsets below stay in u
    // and w: their squares go subnormal, and the cosine u / r lands past 1.
    {0, 1.5, 1.5, 8},
    {0, 1.5, 1.5, 2.5e-162},  // straight under, h^2 subnormal: cosine past 1
};

// Offsets from the light centre's foot, along and across: the foot itself
// (r2 == 0), w == 0 and u == 0 on either side, far points, and offsets whose
// squares underflow.
const double Scostamenti[] = {-1e6, -60, -7.25, -1, -2.5e-162, -2.3e-162, -1e-9, 0, 2.3e-162, 2.5e-162, 1e-9, 0.3, 1, 12.5, 35, 1e6};

struct Punti {
    std::vector<double> x, y;
    std::size_t size() const { return x.size(); }
};

Punti Griglia(const Centro& l) {
    Punti p;
    for (double ox : Scostamenti)
        for (double oy : Scostamenti) {
            p.x.push_back(l.xl + ox);
            p.y.push_back((l.yl - l.s) + oy);
        }
    return p;
}

TEST(BlocchiAngoli, AngoliBloccoGivesCalcGammaAndCalcCBitForBit) {
    for (const Centro& l : Centri) {
        Punti p = Griglia(l);
        // One point with no coordinates at all: neither C can be formed.
        p.x.push_back(NaN);
        p.y.push_back(2);
        const std::size_t n = p.size();
        std::vector<double> g(n), cp(n), ci(n);
        std::vector<char> eg(n), ep(n), ei(n);
        for (std::size_t k = 0; k < n; ++k) {
            ContestoCalcolo a, b, c;
            g[k] = CalcGamma(a, p.x[k], p.y[k], l.xl, l.yl, l.s, l.H);
            cp[k] = CalcC(b, p.x[k], p.y[k], l.xl, l.yl, l.s, 0);
            ci[k] = CalcC(c, p.x[k], p.y[k], l.xl, l.yl, l.s, -7.5);
            eg[k] = a.ErrCalcolo;
            ep[k] = b.ErrCalcolo;
            ei[k] = c.ErrCalcolo;
        }
        for (std::size_t pezzo : Pezzi) {
            std::vector<double> bg(n), bp(n), bi(n);
            PerPezzi(n, pezzo, [&](std::size_t da, std::size_t m) {
                ErroriAngoli err;
                AngoliBlocco(p.x.data() + da, p.y.data() + da, m, l.xl, l.yl, l.s, l.H, bg.data() + da,
                             bp.data() + da, bi.data() + da, err);
                // The flags of a piece are those of its pairs, no more, no less.
                EXPECT_EQ(err.gamma, std::any_of(eg.begin() + da, eg.begin() + da + m, [](char e) { return e; }))
                    << "H " << l.H << " from " << da << " length " << m;
                // The untilted C always forms.
                EXPECT_FALSE(std::any_of(ep.begin() + da, ep.begin() + da + m, [](char e) { return e; }));
                EXPECT_EQ(err.inclinata, std::any_of(ei.begin() + da, ei.begin() + da + m, [](char e) { return e; }))
                    << "H " << l.H << " from " << da << " length " << m;
            });
            for (std::size_t k = 0; k < n; ++k) {
                EXPECT_TRUE(StessiBit(bg[k], g[k])) << "gamma, H " << l.H << " point " << p.x[k] << ", " << p.y[k];
                EXPECT_TRUE(StessiBit(bp[k], cp[k])) << "C, H " << l.H << " point " << p.x[k] << ", " << p.y[k];
                EXPECT_TRUE(StessiBit(bi[k], ci[k])) << "tilted C, point " << p.x[k] << ", " << p.y[k];
            }
        }
    }
}

TEST(BlocchiAngoli, AngoliBloccoErrorsAreRaisedNeverLowered) {
    const Centro l = Centri[0];
    const Punti p = Griglia(l);
    std::vector<double> g(p.size()), cp(p.size()), ci(p.size());
    ErroriAngoli err;
    AngoliBlocco(p.x.data(), p.y.data(), p.size(), l.xl, l.yl, l.s, l.H, g.data(), cp.data(), ci.data(), err);
    ASSERT_FALSE(err.gamma || err.inclinata);
    err = {true, true};
    AngoliBlocco(p.x.data(), p.y.data(), p.size(), l.xl, l.yl, l.s, l.H, g.data(), cp.data(), ci.data(), err);
    EXPECT_TRUE(err.gamma && err.inclinata);
}

// Unrotated gamma and the two oriented C forms of a set of directions: those
// of the grid around the first light centre, both orientations, and the
// directions the tilt rotation treats apart.
struct Angoli {
    std::vector<double> gamma, cPiana, cInclinata;
    std::size_t size() const { return gamma.size(); }
    void Aggiungi(double g, double cp, double ci) {
        gamma.push_back(g);
        cPiana.push_back(cp);
        cInclinata.push_back(ci);
    }
};

Angoli AngoliProva() {
    Angoli a;
    const Centro l = Centri[0];
    const Punti p = Griglia(l);
    std::vector<double> g(p.size()), cp(p.size()), ci(p.size());
    ErroriAngoli err;
    AngoliBlocco(p.x.data(), p.y.data(), p.size(), l.xl, l.yl, l.s, l.H, g.data(), cp.data(), ci.data(), err);
    for (bool versoMenoY : {false, true})
        for (std::size_t k = 0; k < p.size(); ++k) a.Aggiungi(g[k], OrientaC(cp[k], versoMenoY), OrientaC(ci[k], versoMenoY));
    // Gamma equal to the tilt on the lifted side: the rotated direction is the
    // nadir (Y == 0 exactly). Then the poles of the C system, C on the
    // quadrant boundaries, and gamma past 90 and at 180.
    for (double t : {25.0, 10.0, 0.5})
        for (double c : {90.0, 270.0}) a.Aggiungi(t, c, c);
    for (double gr : {0.0, 89.999, 90.0, 135.0, 180.0})
        for (double c : {0.0, 90.0, 180.0, 270.0, 360.0, 0.001, 359.999}) a.Aggiungi(gr, c, c);
    // A dense sweep of the whole sphere: a difference in the last bit of a
    // sine or an arc shows only for a small share of the directions.
    for (int k = 1; k <= 4000; ++k) {
        const double c = std::fmod(k * 0.2477, 360.0);
        a.Aggiungi(std::fmod(k * 0.0913, 180.0), 360 - c, c);
    }
    return a;
}

const double Inclinazioni[] = {-90, -25, -10, -0.5, 0.5, 10, 25};

TEST(BlocchiAngoli, ImpostaBloccoSetsWhatImpostaSets) {
    const Angoli a = AngoliProva();
    const std::size_t n = a.size();
    DirezioniInclinabili uno;
    uno.Ridimensiona(n);
    for (std::size_t k = 0; k < n; ++k) uno.Imposta(k, a.gamma[k], a.cPiana[k], a.cInclinata[k]);
    for (std::size_t pezzo : Pezzi) {
        DirezioniInclinabili blocco;
        blocco.Ridimensiona(n);
        PerPezzi(n, pezzo, [&](std::size_t da, std::size_t m) {
            blocco.ImpostaBlocco(da, m, a.gamma.data() + da, a.cPiana.data() + da, a.cInclinata.data() + da);
        });
        for (std::size_t k = 0; k < n; ++k) {
            const double g = a.gamma[k], c = a.cInclinata[k];
            EXPECT_TRUE(StessiBit(blocco.gamma[k], uno.gamma[k])) << k;
            EXPECT_TRUE(StessiBit(blocco.cPiana[k], uno.cPiana[k])) << k;
            EXPECT_TRUE(StessiBit(blocco.sg[k], uno.sg[k])) << "gamma " << g;
            EXPECT_TRUE(StessiBit(blocco.cg[k], uno.cg[k])) << "gamma " << g;
            EXPECT_TRUE(StessiBit(blocco.sc[k], uno.sc[k])) << "C " << c;
            EXPECT_TRUE(StessiBit(blocco.cc[k], uno.cc[k])) << "C " << c;
        }
    }
}

TEST(BlocchiAngoli, RuotaInclinazioniTurnsEachDirectionAsRuotaInclinazione) {
    const Angoli a = AngoliProva();
    const std::size_t n = a.size();
    DirezioniInclinabili d;
    d.Ridimensiona(n);
    d.ImpostaBlocco(0, n, a.gamma.data(), a.cPiana.data(), a.cInclinata.data());
    for (double t : Inclinazioni) {
        double st, ct;
        SinCosVeloce(t * RadPerGrado, st, ct);
        // All the directions, and the first 37 only: nothing past n is written.
        for (std::size_t m : {n, std::size_t{37}}) {
            const double segnale = -12345;
            std::vector<double> gR(n, segnale), cR(n, segnale);
            RuotaInclinazioni(d, m, t, gR.data(), cR.data());
            for (std::size_t k = 0; k < m; ++k) {
                ContestoCalcolo sc, diretto;
                RuotaInclinazioneSC(sc, d.sg[k], d.cg[k], d.sc[k], d.cc[k], st, ct);
                RuotaInclinazione(diretto, a.gamma[k], a.cInclinata[k], t);
                EXPECT_TRUE(StessiBit(gR[k], sc.GammaRuot)) << "tilt " << t << " gamma " << a.gamma[k] << " C " << a.cInclinata[k];
                EXPECT_TRUE(StessiBit(cR[k], sc.CRuot)) << "tilt " << t << " gamma " << a.gamma[k] << " C " << a.cInclinata[k];
                EXPECT_TRUE(StessiBit(gR[k], diretto.GammaRuot)) << "tilt " << t << " gamma " << a.gamma[k];
                EXPECT_TRUE(StessiBit(cR[k], diretto.CRuot)) << "tilt " << t << " gamma " << a.gamma[k];
            }
            for (std::size_t k = m; k < n; ++k) ASSERT_TRUE(gR[k] == segnale && cR[k] == segnale) << k;
        }
    }
}

// Smooth, asymmetric in C and defined to gamma 180, so that every rotated
// direction reads a distinct value.
double Liscia(double c, double g) {
    return 250 + 120 * std::sin(g * RadPerGrado) * (1 + std::cos(c * RadPerGrado)) + 30 * std::cos(2 * c * RadPerGrado) +
           g * 0.4;
}

std::vector<Fotometria> FotometrieProva() {
    const std::vector<double> cIrregolari{0, 10, 20, 45, 90, 135, 180, 200, 270, 300, 350};
    const std::vector<double> gIrregolari{0, 2.5, 5, 10, 20, 30, 45, 60, 70, 80, 85, 90, 100, 120, 150, 180};
    return {test::FotometriaDa(test::Angoli(0, 5, 72), test::Angoli(0, 2.5, 73), Liscia, 12000),
            test::FotometriaDa(cIrregolari, gIrregolari, Liscia, 12000)};
}

TEST(BlocchiAngoli, IntensitaInclinateGivesTheIntensityOfEveryPair) {
    for (const Fotometria& foto : FotometrieProva()) {
        const RicercaIntensita ricerca(foto, 0);
        const IntensitaDiretta diretta{foto, 0};
        // The centres where every angle can be formed (the hair-breadth offsets
        // of the one at the origin give no tilted C).
        for (const Centro& l : {Centri[0], Centri[1]}) {
            const Punti p = Griglia(l);
            const std::size_t n = p.size();
            for (bool versoMenoY : {false, true}) {
                // The directions as an evaluation sets them up.
                std::vector<double> g(n), cp(n), ci(n);
                ErroriAngoli err;
                AngoliBlocco(p.x.data(), p.y.data(), n, l.xl, l.yl, l.s, l.H, g.data(), cp.data(), ci.data(), err);
                ASSERT_FALSE(err.gamma || err.inclinata);
                for (std::size_t k = 0; k < n; ++k) {
                    cp[k] = OrientaC(cp[k], versoMenoY);
                    ci[k] = OrientaC(ci[k], versoMenoY);
                }
                DirezioniInclinabili d;
                d.Ridimensiona(n);
                d.ImpostaBlocco(0, n, g.data(), cp.data(), ci.data());
                IntensitaInclinate inclinate;
                for (double t : {0.0, -12.0, 7.5}) {
                    std::vector<double> I(n);
                    ContestoCalcolo ctx;
                    ASSERT_TRUE(inclinate.Calcola(ctx, ricerca, d, t, I.data()));
                    EXPECT_FALSE(ctx.ErrCalcolo);
                    for (std::size_t k = 0; k < n; ++k) {
                        // Pair by pair: the indexed lookup at the rotated angles...
                        ContestoCalcolo c1;
                        double atteso;
                        if (t == 0) {
                            atteso = ricerca(c1, g[k], cp[k]);
                        } else {
                            RuotaInclinazione(c1, g[k], ci[k], t);
                            atteso = ricerca(c1, c1.GammaRuot, c1.CRuot);
                        }
                        EXPECT_TRUE(StessiBit(I[k], atteso)) << "tilt " << t << " point " << p.x[k] << ", " << p.y[k];
                        // ...and the whole chain of one point with the plain scan.
                        ContestoCalcolo c2;
                        DirezioneLuce esito;
                        ASSERT_TRUE(CalcolaDirezione(c2, diretta, p.x[k], p.y[k], l.xl, l.yl, l.s, l.H, t, versoMenoY, esito));
                        EXPECT_TRUE(StessiBit(I[k], esito.I)) << "tilt " << t << " point " << p.x[k] << ", " << p.y[k];
                    }
                }
            }
        }
    }
}

TEST(BlocchiAngoli, CercaIntensitaStopsAtTheFirstFailedLookupLikeThePairs) {
    const Fotometria foto = FotometrieProva()[0];
    const RicercaIntensita ricerca(foto, 0);
    const std::size_t n = 37;
    std::vector<double> g(n), c(n);
    for (std::size_t k = 0; k < n; ++k) {
        g[k] = static_cast<double>(k) * 4.9;                 // 0 .. 176.4
        c[k] = 360 - static_cast<double>(k) * 9.7 - 1e-9;    // (0, 360)
    }
    c[5] = 0;  // a rotated C of exactly 0
    std::vector<double> I(n);
    ContestoCalcolo ctx;
    ASSERT_TRUE(CercaIntensita(ctx, ricerca, g.data(), c.data(), n, I.data()));
    EXPECT_FALSE(ctx.ErrCalcolo);
    for (std::size_t k = 0; k < n; ++k) {
        ContestoCalcolo uno;
        EXPECT_TRUE(StessiBit(I[k], ricerca(uno, g[k], c[k]))) << g[k] << " " << c[k];
    }
    // A C that cannot be interpolated part-way through the block.
    const std::size_t guasto = 11;
    c[guasto] = std::numeric_limits<double>::infinity();
    ContestoCalcolo ctxGuasto;
    EXPECT_FALSE(CercaIntensita(ctxGuasto, ricerca, g.data(), c.data(), n, I.data()));
    EXPECT_TRUE(ctxGuasto.ErrCalcolo);
    for (std::size_t k = 0; k <= guasto; ++k) {
        ContestoCalcolo uno;
        EXPECT_TRUE(StessiBit(I[k], ricerca(uno, g[k], c[k]))) << k;
        EXPECT_EQ(uno.ErrCalcolo, k == guasto) << k;
    }
}

TEST(BlocchiAngoli, ALampSetOutsideTheRecordFailsEveryBlockLookup) {
    const Fotometria foto = FotometrieProva()[0];
    const Angoli a = AngoliProva();
    const std::size_t n = a.size();
    DirezioniInclinabili d;
    d.Ridimensiona(n);
    d.ImpostaBlocco(0, n, a.gamma.data(), a.cPiana.data(), a.cInclinata.data());
    for (int lampada : {-1, MaxLampade}) {
        const RicercaIntensita ricerca(foto, lampada);
        std::vector<double> I(n);
        IntensitaInclinate inclinate;
        for (double t : {0.0, 10.0}) {
            ContestoCalcolo ctx;
            EXPECT_FALSE(inclinate.Calcola(ctx, ricerca, d, t, I.data())) << lampada << " tilt " << t;
            EXPECT_TRUE(ctx.ErrCalcolo);
        }
        ContestoCalcolo ctx;
        EXPECT_FALSE(CercaIntensita(ctx, ricerca, a.gamma.data(), a.cPiana.data(), n, I.data()));
        EXPECT_TRUE(ctx.ErrCalcolo);
        ContestoCalcolo uno;
        EXPECT_EQ(I[0], ricerca(uno, a.gamma[0], a.cPiana[0]));
        EXPECT_TRUE(uno.ErrCalcolo);
    }
}

TEST(BlocchiAngoli, BetaBloccoGivesCalcBetaBitForBit) {
    for (const Centro& l : {Centri[0], Centri[1], Centri[4]}) {
        const Punti p = Griglia(l);
        const std::size_t n = p.size();
        const double piede = l.yl - l.s;
        struct Osservatore { double x, y; };
        const Osservatore osservatori[] = {
            {-60, 1.5},                   // the usual one, ahead of the field
            {l.xl + 12.5, piede + 1},      // on a point of the grid
            {l.xl, piede},                 // at the light centre's foot, on the point under it
            {1e6, -1e6},
            {l.xl + 2.5e-162, piede},      // a hair off the foot
        };
        for (const auto& o : osservatori) {
            std::vector<double> b(n);
            std::vector<char> e(n);
            for (std::size_t k = 0; k < n; ++k) {
                ContestoCalcolo ctx;
                b[k] = CalcBeta(ctx, p.x[k], p.y[k], l.xl, l.yl, o.x, o.y, l.s);
                e[k] = ctx.ErrCalcolo;
            }
            for (std::size_t pezzo : Pezzi) {
                std::vector<double> bb(n);
                PerPezzi(n, pezzo, [&](std::size_t da, std::size_t m) {
                    const bool errore = BetaBlocco(p.x.data() + da, p.y.data() + da, m, l.xl, l.yl, l.s, o.x, o.y,
                                                   bb.data() + da);
                    EXPECT_EQ(errore, std::any_of(e.begin() + da, e.begin() + da + m, [](char x) { return x; }))
                        << "observer " << o.x << ", " << o.y << " from " << da << " length " << m;
                });
                for (std::size_t k = 0; k < n; ++k)
                    EXPECT_TRUE(StessiBit(bb[k], b[k]))
                        << "observer " << o.x << ", " << o.y << " point " << p.x[k] << ", " << p.y[k];
            }
        }
    }
}

TEST(BlocchiAngoli, TanGammaBloccoIsTanVeloceOfEachGamma) {
    std::vector<double> g;
    for (int k = 0; k <= 900; ++k) g.push_back(k * 0.1);
    for (double x : {-1.0, 89.999, 90.0, 120.0, 180.0, -0.0, 1e-300, NaN}) g.push_back(x);
    const std::size_t n = g.size();
    for (std::size_t pezzo : Pezzi) {
        std::vector<double> t(n);
        PerPezzi(n, pezzo, [&](std::size_t da, std::size_t m) { TanGammaBlocco(g.data() + da, m, t.data() + da); });
        for (std::size_t k = 0; k < n; ++k) EXPECT_TRUE(StessiBit(t[k], TanVeloce(g[k] * RadPerGrado))) << g[k];
    }
}

}  // namespace
}  // namespace nottaro
