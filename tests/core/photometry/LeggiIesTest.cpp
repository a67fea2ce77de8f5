#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "support/CartellaTemporanea.h"
#include "core/i18n/Messaggi.h"
#include "core/photometry/LettoriFotometria.h"
#include "support/InterazioneFinta.h"
#include "support/Percorsi.h"

namespace nottaro {
namespace {

using test::CartellaTemporanea;
using test::Fixture;
using test::InterazioneFinta;

int RigaDiC(const Fotometria& f, double c) {
    for (int i = 1; i <= f.NumC(); ++i)
        if (std::abs(f.Intens.AngoloC(i) - c) < 1e-9) return i;
    return 0;
}

void AttendiAngoliC(const Fotometria& f, int n) {
    ASSERT_EQ(f.NumC(), n);
    for (int i = 1; i <= n; ++i) ASSERT_NEAR(f.Intens.AngoloC(i), 360.0 / n * (i - 1), 1e-9) << "row " << i;
}

TEST(LeggiIes, QuadrantWithInlineTiltBecomesFullCircleInCdPerKlm) {
    Fotometria f;
    f.NomeApp = "previous";
    InterazioneFinta ui;
    ASSERT_EQ(LeggiIes(Fixture("photometry/ies95_tilt_include_quadrant.ies"), f, ui), 0);
    EXPECT_TRUE(ui.mostrati.empty());
    EXPECT_EQ(f.NomeApp, "QUAD-7");       // [LUMCAT] wins over [LUMINAIRE]
    EXPECT_EQ(f.NumLampade, 1);
    EXPECT_EQ(f.TipoLamp[0], "HPS-70");   // [LAMPCAT] wins over [LAMP]
    EXPECT_EQ(f.FlussoLamp[0], 2000);     // 2 lamps x 1000 lm
    EXPECT_EQ(f.PotLamp[0], 30);
    EXPECT_EQ(f.Simmetria, 1);
    EXPECT_EQ(f.FileLdt, "ies95_tilt_include_quadrant.ies");
    AttendiAngoliC(f, 24);
    ASSERT_EQ(f.NumG(), 3);
    const double v[] = {0, 45, 90};
    for (int i = 1; i <= 24; ++i) {
        const double c = f.Intens.AngoloC(i);
        double a = c > 180 ? 360 - c : c;
        a = a > 90 ? 180 - a : a;
        for (int j = 1; j <= 3; ++j) {
            ASSERT_EQ(f.Intens.AngoloG(j), v[j - 1]);
            // File candela x multiplier 2 x ballast factor 0.5; scaled back by the
            // record's own flux it must give the file's candela times both factors.
            const double cd = 1000 + 10 * a - v[j - 1];
            ASSERT_NEAR(f.Intens.Valore(i, j) * f.FlussoLamp[0] / 1000, cd * 2 * 0.5, 1e-9) << "C " << c;
        }
    }
}

TEST(LeggiIes, PartialRangesMirrorToTheFullCircle) {
    struct Caso { const char* file; int numC; std::vector<std::pair<double, double>> uguali; double flusso, cdNadirC0; };
    const Caso casi[] = {
        // 0..180 on commas: C270 is the mirror of C90.
        {"ies91_commas_half.ies", 4, {{270, 90}}, 4000, 500},
        // One plane: rotational symmetry at 15 degree steps.
        {"ies2002_one_plane.ies", 24, {{15, 0}, {180, 0}, {345, 0}}, 5000, 2500},
        // 90..270: mirrored about the C90-C270 plane.
        {"ies95_90_to_270.ies", 8, {{0, 180}, {45, 135}, {315, 225}}, 1000, 300},
    };
    for (const auto& k : casi) {
        SCOPED_TRACE(k.file);
        Fotometria f;
        InterazioneFinta ui;
        ASSERT_EQ(LeggiIes(Fixture(std::string("photometry/") + k.file), f, ui), 0);
        EXPECT_TRUE(ui.mostrati.empty());
        AttendiAngoliC(f, k.numC);
        EXPECT_EQ(f.FlussoLamp[0], k.flusso);
        EXPECT_NEAR(f.Intens.Valore(RigaDiC(f, 0), 1) * f.FlussoLamp[0] / 1000, k.cdNadirC0, 1e-9);
        for (auto [copia, misurato] : k.uguali) {
            const int a = RigaDiC(f, copia), b = RigaDiC(f, misurato);
            ASSERT_GT(a, 0);
            ASSERT_GT(b, 0);
            for (int j = 1; j <= f.NumG(); ++j) EXPECT_EQ(f.Intens.Valore(a, j), f.Intens.Valore(b, j)) << copia << " vs " << misurato;
        }
    }
}

TEST(LeggiIes, KeywordFallbacksForNameAndLamp) {
    Fotometria f;
    f.NumLampade = 3;
    InterazioneFinta ui;
    ASSERT_EQ(LeggiIes(Fixture("photometry/ies91_commas_half.ies"), f, ui), 0);
    EXPECT_EQ(f.NomeApp, "Comma lantern");  // [LUMINAIRE] when there is no [LUMCAT]
    EXPECT_EQ(f.TipoLamp[0], "LED 40 W");
    EXPECT_EQ(f.NumLampade, 1);
    // The tab-separated file has no lamp keyword other than [LAMPCAT].
    ASSERT_EQ(LeggiIes(Fixture("photometry/ies2002_one_plane.ies"), f, ui), 0);
    EXPECT_EQ(f.NomeApp, "ROUND-1");
    EXPECT_EQ(f.TipoLamp[0], "LED-MOD");
}

TEST(LeggiIes, AbsolutePhotometryTakesTheFluxFromThePrompt) {
    const std::string p = Fixture("photometry/photometric-viewer_ies95_absolute_photometry_SYNTHETIC.ies");
    {
        Fotometria f;
        InterazioneFinta ui;
        ui.lampade.push_back({"", 15, 2000, 4});
        ASSERT_EQ(LeggiIes(p, f, ui), 0);
        EXPECT_EQ(ui.Conta("lampada"), 1);
        EXPECT_EQ(f.FlussoLamp[0], 2000);
        EXPECT_EQ(f.TipoLamp[0], "LED 15");
        EXPECT_EQ(f.Intens.Valore(1, 1), 2200.0 * 1000 / 2000);  // the file's 2200 cd at the nadir
    }
    {
        // Nobody to ask: 1000 lm, so the table holds the file's candela.
        Fotometria f;
        InterazioneFinta ui;
        ASSERT_EQ(LeggiIes(p, f, ui), 0);
        EXPECT_EQ(f.FlussoLamp[0], 1000);
        EXPECT_EQ(f.PotLamp[0], 15);
        EXPECT_EQ(f.TipoLamp[0], "LED Module");
        EXPECT_EQ(f.Intens.Valore(1, 1), 2200);
        EXPECT_EQ(f.Intens.Valore(24, 1), 2200);
    }
}

// A small type-C file with the given first line, TILT line and data line A.
std::vector<std::string> Ies(const std::string& prima, const std::string& tilt, const std::string& rigaA,
                             const std::vector<std::string>& resto) {
    std::vector<std::string> r = {prima, "[LUMCAT] X-1"};
    if (!tilt.empty()) r.push_back(tilt);
    r.push_back(rigaA);
    r.push_back("1 1 20");
    r.insert(r.end(), resto.begin(), resto.end());
    return r;
}

TEST(LeggiIes, FirstLineAndTiltDecideWhetherTheFileIsRead) {
    struct Caso { const char* prima; const char* tilt; bool letto; };
    const Caso casi[] = {
        {"IESNA:LM-63-1995", "TILT=NONE", true},
        {"  IESNA:LM-63-2002  ", "TILT=NONE", true},
        {"IESNA:LM-63-2019", "TILT=NONE", true},
        {"IESNA91", "TILT=NONE", true},
        {"Street lantern, 1986 report", "TILT=lamp.tlt", true},  // no version line, tilt file named
        {"IESNA:LM-63-2099", "", false},
        {"not a photometric file", "", false},
    };
    for (const auto& k : casi) {
        SCOPED_TRACE(k.prima);
        CartellaTemporanea dir;
        const std::string p =
            dir.Scrivi("v.ies", Ies(k.prima, k.tilt, "1 1000 1 2 1 1 2 0.3 0.3 0.1", {"0 90", "0", "800 100"}));
        Fotometria f;
        InterazioneFinta ui;
        ASSERT_EQ(LeggiIes(p, f, ui), 0);
        if (k.letto) {
            EXPECT_TRUE(ui.mostrati.empty());
            EXPECT_EQ(f.NumC(), 24);
            EXPECT_EQ(f.Intens.Valore(7, 1), 800);
        } else {
            ASSERT_EQ(ui.mostrati.size(), 1u);
            EXPECT_EQ(ui.mostrati[0].testo, "v.ies:1 - " + Msg(394));
            for (double v : f.Intens.Valori()) EXPECT_EQ(v, 0);
        }
    }
}

TEST(LeggiIes, RefusesWhatTheRecordCannotHoldOrTheReaderDoesNotRead) {
    std::string quadrante182 = "0";
    for (int i = 1; i < 182; ++i) {
        quadrante182 += ' ';
        quadrante182 += std::to_string(90.0 * i / 181);
    }
    struct Caso { const char* cosa; std::string rigaA; std::vector<std::string> resto; };
    const Caso casi[] = {
        {"planes", "1 1000 1 2 722 1 2 0 0 0", {}},
        {"gamma angles", "1 1000 1 722 1 1 2 0 0 0", {}},
        {"quadrant beyond 721 planes once mirrored", "1 1000 1 2 182 1 2 0 0 0", {"0 90", quadrante182}},
        {"type B photometry", "1 1000 1 2 1 2 2 0 0 0", {"0 90", "0", "800 100"}},
        {"non-numeric data", "1 lots 1 2 1 1 2 0 0 0", {"0 90", "0", "800 100"}},
    };
    for (const auto& k : casi) {
        SCOPED_TRACE(k.cosa);
        CartellaTemporanea dir;
        Fotometria f;
        InterazioneFinta ui;
        ASSERT_EQ(LeggiIes(dir.Scrivi("big.ies", Ies("IESNA:LM-63-1995", "TILT=NONE", k.rigaA, k.resto)), f, ui), 0);
        ASSERT_EQ(ui.mostrati.size(), 1u);
        EXPECT_NE(ui.mostrati[0].testo.find(Msg(394)), std::string::npos);
        for (double v : f.Intens.Valori()) ASSERT_EQ(v, 0);
        EXPECT_LE(f.NumC(), MaxPianiC);
    }
}

TEST(LeggiIes, BadCandelaLineLosesOnlyItsPlane) {
    CartellaTemporanea dir;
    const std::string p = dir.Scrivi(
        "bad.ies", Ies("IESNA:LM-63-1995", "TILT=NONE", "1 1000 1 2 3 1 2 0 0 0",
                       {"0 90", "0 90 180", "100 50", "2OO 60", "300 70"}));
    Fotometria f;
    InterazioneFinta ui;
    ASSERT_EQ(LeggiIes(p, f, ui), 0);
    ASSERT_EQ(ui.mostrati.size(), 1u);
    EXPECT_EQ(ui.mostrati[0].testo, "bad.ies:9 - " + Msg(394));
    AttendiAngoliC(f, 4);
    EXPECT_EQ(f.Intens.Valore(1, 1), 100);
    EXPECT_EQ(f.Intens.Valore(2, 1), 0);
    EXPECT_EQ(f.Intens.Valore(3, 1), 300);
    EXPECT_EQ(f.Intens.Valore(4, 2), 0);  // mirror of the lost C90
}

TEST(LeggiIes, MissingFile) {
    Fotometria f;
    f.Intens.Dimensiona(2, 2);
    f.Intens.ImpostaValore(2, 2, 5);
    InterazioneFinta ui;
    EXPECT_EQ(LeggiIes("/no/such/lamp.ies", f, ui), -1);
    ASSERT_EQ(ui.mostrati.size(), 1u);
    EXPECT_EQ(ui.mostrati[0].testo, "lamp.ies - " + Msg(25));
    EXPECT_EQ(f.Intens.Valore(2, 2), 0);
}

TEST(LeggiFotometria, ChoosesTheReaderByExtension) {
    CartellaTemporanea dir;
    const auto ies = Ies("IESNA:LM-63-1995", "TILT=NONE", "1 1000 1 2 1 1 2 0 0 0", {"0 90", "0", "800 100"});
    for (const char* nome : {"a.ies", "b.IES", "c.Ies"}) {
        Fotometria f;
        InterazioneFinta ui;
        ASSERT_EQ(LeggiFotometria(dir.Scrivi(nome, ies), f, ui), 0);
        EXPECT_TRUE(ui.mostrati.empty()) << nome;
        EXPECT_EQ(f.NumC(), 24) << nome;
    }
    Fotometria f;
    InterazioneFinta ui;
    ASSERT_EQ(LeggiFotometria(dir.Scrivi("d.elx", ies), f, ui), 0);
    EXPECT_EQ(ui.ContaTesto(Msg(24)), ui.Conta("avviso"));  // read as EULUMDAT
    EXPECT_GT(ui.Conta("avviso"), 0);
}

}  // namespace
}  // namespace nottaro
