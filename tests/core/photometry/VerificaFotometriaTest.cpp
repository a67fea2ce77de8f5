// The checks of a maker's photometry: each threshold from both sides on small
// hand-made tables, the zonal flux on a table whose flux is known exactly,
// and the declared figures of the EULUMDAT fixtures.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <functional>
#include <numbers>
#include <string>

#include "core/i18n/Messaggi.h"
#include "core/photometry/LettoriFotometria.h"
#include "core/photometry/VerificaFotometria.h"
#include "engine/FotometrieProva.h"
#include "support/InterazioneFinta.h"
#include "support/Percorsi.h"

namespace nottaro {
namespace {

using test::Angoli;

// 24 planes every 15°, gamma 0..180 every 5°: a downlight that sends nothing
// upward and the same 100 cd/klm at the nadir in every plane.
Fotometria Base() {
    return test::FotometriaDa(Angoli(0, 15, 24), Angoli(0, 5, 37),
                              [](double, double g) { return g < 90 ? 100 * std::cos(g * std::numbers::pi / 180) : 0.0; },
                              1000);
}

const EsitoVerifica* Cerca(const std::vector<EsitoVerifica>& v, const std::string& nome) {
    for (const auto& e : v)
        if (e.nome == nome) return &e;
    return nullptr;
}

void Imposta(Fotometria& f, double c, double g, double valore) {
    for (int i = 1; i <= f.NumC(); ++i)
        for (int j = 1; j <= f.NumG(); ++j)
            if (f.Intens.AngoloC(i) == c && f.Intens.AngoloG(j) == g) f.Intens.ImpostaValore(i, j, valore);
}

TEST(VerificaFotometria, EachThresholdFromBothSides) {
    struct Caso {
        const char* descrizione;
        std::function<Fotometria()> tabella;
        const char* verifica;
        bool ok;
    };
    const Caso casi[] = {
        {"nothing upward", Base, "upward_light", true},
        {"1.0 at gamma 90 passes", [] { auto f = Base(); Imposta(f, 30, 90, 1.0); return f; }, "upward_light", true},
        {"1.01 at gamma 90 fails", [] { auto f = Base(); Imposta(f, 30, 90, 1.01); return f; }, "upward_light", false},
        {"1.01 at gamma 150 fails", [] { auto f = Base(); Imposta(f, 30, 150, 1.01); return f; }, "upward_light", false},
        {"table ending at 85", [] { return test::FotometriaDa(Angoli(0, 15, 24), Angoli(0, 5, 18), [](double, double) { return 10.0; }, 1000); },
         "upward_light", false},
        {"nadir within 1 %", [] { auto f = Base(); Imposta(f, 45, 0, 100.9); return f; }, "nadir", true},
        {"nadir beyond 1 %", [] { auto f = Base(); Imposta(f, 45, 0, 101.1); return f; }, "nadir", false},
        {"small nadir within 0.1 cd/klm", [] {
             auto f = test::FotometriaDa(Angoli(0, 15, 24), Angoli(0, 5, 37), [](double, double) { return 5.0; }, 1000);
             Imposta(f, 45, 0, 5.09); return f; }, "nadir", true},
        {"small nadir beyond 0.1 cd/klm", [] {
             auto f = test::FotometriaDa(Angoli(0, 15, 24), Angoli(0, 5, 37), [](double, double) { return 5.0; }, 1000);
             Imposta(f, 45, 0, 5.11); return f; }, "nadir", false},
        {"nadir not measured", [] { return test::FotometriaDa(Angoli(0, 15, 24), Angoli(2.5, 5, 36), [](double, double) { return 0.0; }, 1000); },
         "nadir", false},
        {"zenith planes disagree", [] { auto f = Base(); Imposta(f, 45, 180, 0.5); return f; }, "zenith", false},
        {"full coverage", Base, "coverage", true},
        {"gamma from 5", [] { return test::FotometriaDa(Angoli(0, 15, 24), Angoli(5, 5, 36), [](double, double) { return 0.0; }, 1000); },
         "coverage", false},
        {"gamma step 6 below 90", [] { return test::FotometriaDa(Angoli(0, 15, 24), Angoli(0, 6, 31), [](double, double) { return 0.0; }, 1000); },
         "coverage", false},
        {"gamma step 10 above 90 only", [] {
             auto g = Angoli(0, 5, 19);
             for (double a = 100; a <= 180; a += 10) g.push_back(a);
             return test::FotometriaDa(Angoli(0, 15, 24), g, [](double, double) { return 0.0; }, 1000); },
         "coverage", true},
        {"planes 20 apart", [] { return test::FotometriaDa(Angoli(0, 20, 18), Angoli(0, 5, 37), [](double, double) { return 0.0; }, 1000); },
         "coverage", false},
        {"one plane", [] { return test::FotometriaDa({0}, Angoli(0, 5, 37), [](double, double) { return 0.0; }, 1000); },
         "coverage", true},
        {"gap round the circle", [] { return test::FotometriaDa(Angoli(0, 15, 23), Angoli(0, 5, 37), [](double, double) { return 0.0; }, 1000); },
         "coverage", false},
    };
    for (const auto& c : casi) {
        const auto esiti = VerificaFotometria(c.tabella());
        const EsitoVerifica* e = Cerca(esiti, c.verifica);
        ASSERT_NE(e, nullptr) << c.descrizione;
        EXPECT_EQ(e->ok, c.ok) << c.descrizione << ": " << e->testo;
        EXPECT_FALSE(e->testo.empty()) << c.descrizione;
    }
}

TEST(VerificaFotometria, UpwardLightNamesThePlaceOfTheMaximumAndCountsTheCells) {
    auto f = Base();
    Imposta(f, 30, 95, 2.5);
    Imposta(f, 60, 120, 1.5);
    ImpostaLinguaCatalogo(1);
    const auto esiti = VerificaFotometria(f);
    const EsitoVerifica* e = Cerca(esiti, "upward_light");
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(e->testo, "Upward light: Imax at gamma >= 90° = 2.5 cd/klm at C 30° gamma 95°; values above 1.0 cd/klm: 2");
}

TEST(VerificaFotometria, ZenithIsCheckedOnlyWhenMeasured) {
    EXPECT_NE(Cerca(VerificaFotometria(Base()), "zenith"), nullptr);
    const auto f = test::FotometriaDa(Angoli(0, 15, 24), Angoli(0, 5, 19), [](double, double) { return 0.0; }, 1000);
    EXPECT_EQ(Cerca(VerificaFotometria(f), "zenith"), nullptr);
}

TEST(FlussoZonale, IsotropicSourceGivesTheWholeLampFlux) {
    const double iso = 1000 / (4 * std::numbers::pi);
    for (int piani : {1, 24, 72}) {
        const auto f = test::FotometriaDa(Angoli(0, 360.0 / piani, piani), Angoli(0, 2.5, 73),
                                          [&](double, double) { return iso; }, 1000);
        const FlussoTabella fl = FlussoZonale(f);
        EXPECT_NEAR(fl.totale, 1000, 1e-9) << piani;
        EXPECT_NEAR(fl.basso, 500, 1e-9) << piani;
    }
}

TEST(FlussoZonale, NothingBeyondTheMeasuredRangeAndUnevenPlanesWeighedByTheirGaps) {
    const double iso = 1000 / (4 * std::numbers::pi);
    // Gamma 0..90 only: the lower hemisphere.
    const auto meta = test::FotometriaDa(Angoli(0, 90, 4), Angoli(0, 10, 10), [&](double, double) { return iso; }, 1000);
    EXPECT_NEAR(FlussoZonale(meta).totale, 500, 1e-9);
    // Uneven planes C0, C30, C180, C270: C0 spans half the gaps to C270 (90°)
    // and C30 (30°), 60° in all, over the whole sphere.
    const auto f = test::FotometriaDa({0, 30, 180, 270}, Angoli(0, 90, 3),
                                      [](double c, double) { return c == 0 ? 1.0 : 0.0; }, 1000);
    const double atteso = std::numbers::pi / 3 * 2;
    EXPECT_NEAR(FlussoZonale(f).totale, atteso, 1e-12);
}

TEST(VerificaFotometria, DeclaredRatiosMoreThanTwoPointsOffFailAndZeroReadsNotDeclared) {
    const double iso = 1000 / (4 * std::numbers::pi);
    auto f = test::FotometriaDa(Angoli(0, 15, 24), Angoli(0, 5, 37), [&](double, double) { return iso; }, 1000);
    struct Caso {
        double lorl, dff;
        bool ok;
    };
    // The table holds LOR 100 %, DFF 50 %.
    for (const Caso c : {Caso{100, 50, true}, Caso{98.1, 51.9, true}, Caso{97.9, 50, false}, Caso{100, 52.1, false},
                         Caso{0, 0, true}}) {
        f.LORL = c.lorl;
        f.DFF = c.dff;
        ImpostaLinguaCatalogo(1);
        const auto esiti = VerificaFotometria(f);
        const EsitoVerifica* e = Cerca(esiti, "flux");
        ASSERT_NE(e, nullptr);
        EXPECT_EQ(e->ok, c.ok) << e->testo;
        EXPECT_EQ(e->testo.find("not declared") != std::string::npos, c.lorl == 0) << e->testo;
    }
}

// The makers' files (the hand-made fixtures declare round figures).
TEST(VerificaFotometria, EulumdatFixturesHoldTheFluxTheyDeclare) {
    int visti = 0;
    for (const auto& e : std::filesystem::directory_iterator(test::Fixture("photometry"))) {
        if (e.path().extension() != ".ldt" || e.path().filename().string().rfind("eulumdat-", 0) != 0) continue;
        Fotometria f;
        test::InterazioneFinta ui;
        LeggiEulumdat(e.path().string(), f, ui);
        if (f.LORL == 0 || ui.Conta("avviso") > 0) continue;
        SCOPED_TRACE(e.path().filename().string());
        ++visti;
        const FlussoTabella fl = FlussoZonale(f);
        // Zones of constant intensity against the makers' own integration: a
        // few tenths of a point apart (0.31 on the coarsest, 15° x 5° table).
        EXPECT_NEAR(fl.totale / 10, f.LORL, 0.35);
        EXPECT_NEAR(fl.basso / fl.totale * 100, f.DFF, 0.4);
    }
    EXPECT_GT(visti, 3);
}

}  // namespace
}  // namespace nottaro
