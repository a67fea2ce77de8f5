// Photometry listed over the full circle, with both C = 0 and C = 360: the
// readers keep one plane per direction, and the lookup never divides by a
// segment of zero width whatever table it is given.
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cmath>
#include <string>

#include "core/i18n/Messaggi.h"
#include "core/intensity/RicercaIntensita.h"
#include "core/photometry/LettoriFotometria.h"
#include "engine/FotometrieProva.h"
#include "support/EseguiCli.h"
#include "support/InterazioneFinta.h"
#include "support/Percorsi.h"

namespace nottaro {
namespace {

using test::Tra;

std::string Fixture(const char* nome) { return test::Fixture(std::string("photometry/") + nome); }

TEST(CerchioCompleto, ThePlaneAt360IsThePlaneAt0SeenAgain) {
    Fotometria gemella;
    test::InterazioneFinta uiG;
    ASSERT_EQ(LeggiIes(Fixture("ies2002_circle_0_330.ies"), gemella, uiG), 0);
    ASSERT_EQ(gemella.NumC(), 12);
    struct Caso { const char* file; bool avviso; };
    for (const Caso& k : {Caso{"ies2002_circle_0_360_equal.ies", false}, Caso{"ies2002_circle_0_360_differs.ies", true}}) {
        SCOPED_TRACE(k.file);
        Fotometria f;
        test::InterazioneFinta ui;
        ASSERT_EQ(LeggiIes(Fixture(k.file), f, ui), 0);
        EXPECT_EQ(f.Intens, gemella.Intens);  // the C = 0 plane's intensities are kept
        ASSERT_EQ(ui.mostrati.size(), k.avviso ? 1u : 0u);
        if (k.avviso) {
            EXPECT_EQ(ui.mostrati[0].testo, std::string(k.file) + " - " + Msg(1050));
        }
        const test::UscitaCli info = test::EseguiCli("info " + Tra(Fixture(k.file)));
        EXPECT_NE(info.out.find("\nNumC: 12\n"), std::string::npos);
    }
}

// Road and path evaluations of a full-circle file equal those of its
// half-open twin, figure for figure.
TEST(CerchioCompleto, EvaluatesLikeItsHalfOpenTwin) {
    auto valuta = [](const char* progetto, const char* foto) {
        const test::UscitaCli u = test::EseguiCli("evaluate --json --project " +
                                                  Tra(test::Fixture(std::string("projects/") + progetto)) +
                                                  " --photometry " + Tra(Fixture(foto)));
        EXPECT_EQ(u.esito, 0) << u.err;
        nlohmann::json j = nlohmann::json::parse(u.out, nullptr, false);
        // The file names differ; every figure must not.
        for (auto it = j.begin(); it != j.end();)
            it = it->is_string() ? j.erase(it) : std::next(it);
        return j;
    };
    for (const char* progetto : {"strada.nt0", "percorso.nt0", "ies.nt0"}) {
        SCOPED_TRACE(progetto);
        const auto gemella = valuta(progetto, "ies2002_circle_0_330.ies");
        ASSERT_FALSE(gemella.is_discarded());
        ASSERT_GT(gemella.size(), 5u);
        EXPECT_EQ(valuta(progetto, "ies2002_circle_0_360_equal.ies"), gemella);
        EXPECT_EQ(valuta(progetto, "ies2002_circle_0_360_differs.ies"), gemella);
    }
}

// A table that keeps both C = 0 and C = 360 (an edited one), or lists a
// plane twice, gives a number near the closing plane, not ErrCalcolo, and
// the fast and the plain lookups agree to the last bit.
TEST(CerchioCompleto, EqualNeighbouringPlanesReadAsOnePlane) {
    auto valore = [](double c, double g) { return 500 + 200 * std::cos(c * RadPerGrado) - 3 * g; };
    const auto gamma = test::Angoli(0, 15, 7);
    struct Tabella { const char* cosa; std::vector<double> c; };
    const Tabella tabelle[] = {
        {"0 to 360 by 30", test::Angoli(0, 30, 13)},
        {"plane 60 listed twice", {0, 30, 60, 60, 90, 120, 180, 240, 300, 330}},
    };
    for (const auto& t : tabelle) {
        const Fotometria foto = test::FotometriaDa(t.c, gamma, valore, 1000);
        const RicercaIntensita veloce(foto, 0);
        for (double c : {355.0, 359.9, 0.0, 360.0, 60.0, 45.0, 75.0}) {
            for (double g : {0.0, 20.0, 45.0}) {
                SCOPED_TRACE(std::string(t.cosa) + " C " + std::to_string(c) + " gamma " + std::to_string(g));
                ContestoCalcolo piana, rapida;
                const double a = IntensitaLum(piana, foto, 0, g, c);
                const double b = veloce(rapida, g, c);
                EXPECT_FALSE(piana.ErrCalcolo);
                EXPECT_FALSE(rapida.ErrCalcolo);
                EXPECT_EQ(a, b);
                // Between the planes around it: a straight line or a gentle curve.
                EXPECT_NEAR(a, valore(c, g), 30);
            }
        }
    }
}

// The quadratic through a steep cut-off overshoots below zero: the lookup
// gives no light there, the table itself is untouched.
TEST(CerchioCompleto, InterpolationBelowZeroIsNoLight) {
    const auto gamma = test::Angoli(0, 10, 10);  // 0 … 90
    const Fotometria foto =
        test::FotometriaDa(test::Angoli(0, 90, 4), gamma, [](double, double g) { return g < 75 ? 100.0 : 0.0; }, 1000);
    const RicercaIntensita veloce(foto, 0);
    for (double g : {82.0, 85.0, 88.0}) {
        SCOPED_TRACE(g);
        ContestoCalcolo piana, rapida;
        EXPECT_EQ(IntensitaLum(piana, foto, 0, g, 90), 0);
        EXPECT_EQ(veloce(rapida, g, 90), 0);
    }
    ContestoCalcolo ctx;
    EXPECT_EQ(IntensitaLum(ctx, foto, 0, 70, 90), 100);  // a tabulated value stays itself
    EXPECT_EQ(foto.Intens.Valore(2, 9), 0);
}

}  // namespace
}  // namespace nottaro
