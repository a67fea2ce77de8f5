// Extent of the polar diagram and the zoom it starts and steps at.
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cmath>
#include <string>

#include "core/photometry/LettoriFotometria.h"
#include "core/photometry/MisuraCurva.h"
#include "core/photometry/ScriviEulumdat.h"
#include "engine/FotometrieProva.h"
#include "support/CartellaTemporanea.h"
#include "support/EseguiCli.h"
#include "support/FileFotometrici.h"
#include "support/InterazioneFinta.h"
#include "support/Percorsi.h"

namespace nottaro {
namespace {

TEST(MisuraCurva, FirstMaximumInGammaThenPlaneOrderWinsAndRadiusIsTheLargerComponent) {
    // Planes C0 C90 C180 C270 (columns below) at gamma 0, 45, 90 (rows).
    const double tabella[3][4] = {{50, 80, 80, 50}, {80, 60, 70, 10}, {5, 3, 2, 1}};
    const Fotometria f = test::FotometriaDa({0, 90, 180, 270}, {0, 45, 90}, [&](double c, double g) {
        return tabella[static_cast<int>(g) / 45][static_cast<int>(c) / 90];
    }, 1000);
    const DatiCurva d = MisuraCurva(f);
    EXPECT_EQ(d.IMax, 80);
    EXPECT_EQ(d.PianoIMax, 2);  // C90 at the nadir, before C180 at the nadir and C0 at 45°
    EXPECT_EQ(d.GammaIMax, 1);
    EXPECT_NEAR(d.MaxIsen, 80 * std::sqrt(0.5), 1e-12);
    EXPECT_NEAR(d.MaxIcos, 80, 1e-12);
    EXPECT_EQ(d.RaggioCurva, d.MaxIcos);
}

TEST(MisuraCurva, AllZeroTableHasNoPlaneOfMaximum) {
    const Fotometria f = test::FotometriaDa({0, 180}, {0, 90}, [](double, double) { return 0.0; }, 1000);
    const DatiCurva d = MisuraCurva(f);
    EXPECT_EQ(d.IMax, 0);
    EXPECT_EQ(d.PianoIMax, 0);
    EXPECT_EQ(d.RaggioCurva, 0);
}

// Scanning the planes first would name C0 at 45°: `info` names the plane the
// diagram draws as the plane of maximum.
TEST(MisuraCurva, CommandLineNamesTheDiagramsPlaneWhenMaximaTie) {
    const double tabella[3][4] = {{50, 80, 80, 50}, {80, 60, 70, 10}, {5, 3, 2, 1}};
    Fotometria f = test::FotometriaDa({0, 90, 180, 270}, {0, 45, 90}, [&](double c, double g) {
        return tabella[static_cast<int>(g) / 45][static_cast<int>(c) / 90];
    }, 1000);
    const test::CartellaTemporanea dir;
    ASSERT_TRUE(ScriviEulumdat(dir.File("pari.ldt"), f));
    const test::UscitaCli u = test::EseguiCli("info --json " + test::Tra(dir.File("pari.ldt")));
    const auto j = nlohmann::json::parse(u.out);
    EXPECT_EQ(j["IntensMax"].get<double>(), 80);
    EXPECT_EQ(j["CMax"].get<double>(), 90);
    EXPECT_EQ(j["GammaMax"].get<double>(), 0);
}

TEST(MisuraCurva, MaximumOfEveryFixtureIsTheOneTheCommandLineReports) {
    for (const auto& file : test::FileFotometrici()) {
        SCOPED_TRACE(file.filename().string());
        Fotometria f;
        test::InterazioneFinta ui;
        LeggiFotometria(file.string(), f, ui);
        const test::UscitaCli u = test::EseguiCli("info --json " + test::Tra(file.string()));
        const auto j = nlohmann::json::parse(u.out);
        if (j["IntensMax"].is_null()) continue;
        const DatiCurva d = MisuraCurva(f);
        EXPECT_EQ(d.IMax, j["IntensMax"].get<double>());
        if (d.PianoIMax == 0) continue;
        EXPECT_EQ(f.Intens.AngoloC(d.PianoIMax), j["CMax"].get<double>());
        EXPECT_EQ(f.Intens.AngoloG(d.GammaIMax), j["GammaMax"].get<double>());
    }
}

TEST(ZoomIniziale, StartsTruncatedAndMendsTheExtremes) {
    struct Caso {
        double raggio;
        double zoom, mostrato;
        int lato;
    };
    const Caso casi[] = {
        {400, 0.31, 0.3, 248},        // 250 / 800 = 0.3125
        {1000, 0.12, 0.1, 240},
        {2000, 0.06, 0.06, 240},      // below 0.1 the field shows the zoom in use
        {0, 0.1, 0.1, 250},           // no extent: the usual box at the smallest step
        {20000, 0.00625, 0.00625, 250},  // two decimals would truncate to 0
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(c.raggio);
        const ZoomCurva z = ZoomIniziale(c.raggio, 250);
        EXPECT_DOUBLE_EQ(z.zoom, c.zoom);
        EXPECT_DOUBLE_EQ(z.mostrato, c.mostrato);
        EXPECT_EQ(z.latoScatola, c.lato);
    }
}

TEST(ZoomIniziale, StreetFixtureStartsNearTheUsualBox) {
    Fotometria f;
    test::InterazioneFinta ui;
    LeggiFotometria(test::Fixture("photometry/eulumdat-analysis_sample_19_LEDiL_STRADA_street_isym0.ldt"), f, ui);
    // RaggioCurva 364.44 cd/klm: 250 / 728.89 = 0.343
    const ZoomCurva z = ZoomIniziale(MisuraCurva(f).RaggioCurva, 250);
    EXPECT_DOUBLE_EQ(z.zoom, 0.34);
    EXPECT_DOUBLE_EQ(z.mostrato, 0.3);
    EXPECT_EQ(z.latoScatola, 247);
}

TEST(PassoZoom, StepsByATenthAndNeverGoesBelowIt) {
    struct Caso {
        double da;
        bool su;
        double a;
    };
    const Caso casi[] = {{0.1, true, 0.2}, {0.2, true, 0.3}, {0.3, false, 0.2}, {0.1, false, 0.1},
                         {0.06, false, 0.06}, {0.06, true, 0.16}, {1.4, true, 1.5}};
    for (const auto& c : casi) EXPECT_EQ(PassoZoom(c.da, c.su), c.a) << c.da << (c.su ? " up" : " down");
}

}  // namespace
}  // namespace nottaro
