#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "support/CartellaTemporanea.h"
#include "core/i18n/Messaggi.h"
#include "core/photometry/LettoriFotometria.h"
#include "core/text/Testo.h"
#include "support/InterazioneFinta.h"
#include "support/Percorsi.h"

namespace nottaro {
namespace {

using test::CartellaTemporanea;
using test::Fixture;
using test::InterazioneFinta;

// Description of an EULUMDAT file to write; the measured planes follow the
// symmetry indicator's layout: all, C0 only, C0..C180, C270..C360..C90 or
// C0..C90.
struct Ldt {
    int isym = 0;
    int mc = 4;
    int ng = 2;
    int n = 1;
    std::string nome = "Test luminaire";
    std::string flusso = "1000";
    std::string watt = "10";

    double PassoC() const { return 360.0 / mc; }
    // Intensity written for the plane at angle c, gamma index j.
    static double Valore(double c, int j) { return c * 10 + j; }

    std::vector<double> Misurati() const {
        std::vector<double> a;
        auto aggiungi = [&](double da, double a_) {
            for (int k = 0; k < mc; ++k) {
                const double c = k * PassoC();
                if (c >= da - 1e-9 && c <= a_ + 1e-9) a.push_back(c);
            }
        };
        switch (isym) {
            case 0: aggiungi(0, 360); break;
            case 1: a.push_back(0); break;
            case 2: aggiungi(0, 180); break;
            case 3: aggiungi(270, 360); aggiungi(0, 90); break;
            case 4: aggiungi(0, 90); break;
            default: break;
        }
        return a;
    }

    std::vector<std::string> Righe() const {
        std::vector<std::string> r = {"Hand-made", "1", std::to_string(isym), std::to_string(mc),
                                      FormatoGenerale(PassoC()), std::to_string(ng), "5", "report", nome, "N-1",
                                      "x.ldt", "2026", "100", "50", "20", "80", "40", "0", "0", "0", "0",
                                      "90", "75", "1", "0", std::to_string(n)};
        for (int s = 0; s < n; ++s)
            for (const std::string& v : {std::string("1"), "Lamp " + std::to_string(s), flusso, std::string("3000"),
                                         std::string("80"), watt})
                r.push_back(v);
        for (int d = 0; d < 10; ++d) r.push_back("0.1");
        for (int k = 0; k < mc; ++k) r.push_back(FormatoGenerale(k * PassoC()));
        for (int j = 1; j <= ng; ++j) r.push_back(FormatoGenerale(5.0 * (j - 1)));
        for (double c : Misurati())
            for (int j = 1; j <= ng; ++j) r.push_back(FormatoGenerale(Valore(c, j)));
        return r;
    }
};

// Measured plane that a plane at angle c is a copy of, for each symmetry.
double PianoMisurato(int isym, double c) {
    switch (isym) {
        case 1: return 0;
        case 2: return c <= 180 ? c : 360 - c;
        case 3: return (c > 90 && c < 270) ? std::fmod(540 - c, 360) : c;
        case 4: {
            double a = c > 180 ? 360 - c : c;
            return a > 90 ? 180 - a : a;
        }
        default: return c;
    }
}

TEST(FileEGradi, EsisteFileOnlyForReadableFiles) {
    CartellaTemporanea dir;
    EXPECT_FALSE(EsisteFile(""));
    EXPECT_FALSE(EsisteFile(dir.File("missing.ldt")));
    EXPECT_FALSE(EsisteFile(dir.File("")));  // the folder itself
    EXPECT_TRUE(EsisteFile(dir.Scrivi("here.ldt", {"x"})));
    // The program's own constant, not pi/180.
    EXPECT_DOUBLE_EQ(GradiInRad(180), 3.1415926536);
    EXPECT_DOUBLE_EQ(GradiInRad(-90), -1.5707963268);
}

TEST(LeggiEulumdat, ExpandsEverySymmetryToAllPlanes) {
    struct Caso { int isym, mc; };
    const Caso casi[] = {{0, 4}, {1, 36}, {2, 36}, {3, 24}, {4, 24}, {4, 144}, {2, 720}};
    for (const auto& k : casi) {
        SCOPED_TRACE("Isym " + std::to_string(k.isym) + " Mc " + std::to_string(k.mc));
        CartellaTemporanea dir;
        Ldt ldt;
        ldt.isym = k.isym;
        ldt.mc = k.mc;
        std::vector<std::string> righe = ldt.Righe();
        righe.push_back("garbage after the table");
        const std::string p = dir.Scrivi("sym.ldt", righe);
        Fotometria f;
        InterazioneFinta ui;
        ASSERT_EQ(LeggiEulumdat(p, f, ui), 0);
        EXPECT_TRUE(ui.mostrati.empty());
        ASSERT_EQ(f.NumC(), k.mc);
        ASSERT_EQ(f.NumG(), ldt.ng);
        for (int i = 1; i <= f.NumC(); ++i) {
            const double c = f.Intens.AngoloC(i);
            ASSERT_NEAR(c, (i - 1) * ldt.PassoC(), 1e-9);
            for (int j = 1; j <= f.NumG(); ++j)
                ASSERT_NEAR(f.Intens.Valore(i, j), Ldt::Valore(PianoMisurato(k.isym, c), j), 1e-9) << "C " << c;
        }
    }
}

TEST(LeggiEulumdat, UnevenPlaneCountNeverTouchesTheAngleRow) {
    // Isym 3 with two planes would mirror plane 2 onto row 0, the gamma angles.
    CartellaTemporanea dir;
    Ldt ldt;
    ldt.isym = 3;
    ldt.mc = 2;
    std::vector<std::string> righe = ldt.Righe();
    // The layout formula reads planes 1..2 for this count.
    for (int j = 1; j <= ldt.ng; ++j) righe.push_back("7");
    Fotometria f;
    InterazioneFinta ui;
    ASSERT_EQ(LeggiEulumdat(dir.Scrivi("odd.ldt", righe), f, ui), 0);
    EXPECT_EQ(f.Intens.AngoloG(1), 0);
    EXPECT_EQ(f.Intens.AngoloG(2), 5);
}

TEST(LeggiEulumdat, DecimalCommasExceptInDffAndLorl) {
    Fotometria f;
    f.DFF = 7;
    f.LORL = 8;
    InterazioneFinta ui;
    ASSERT_EQ(LeggiEulumdat(Fixture("photometry/ldt_decimal_comma_isym1.ldt"), f, ui), 0);
    // Only lines 22 and 23 fail; the rest of the file, after the table too, is fine.
    ASSERT_EQ(ui.Conta("avviso"), 2);
    EXPECT_NE(ui.mostrati[0].testo.find("ldt_decimal_comma_isym1.ldt:22 - " + Msg(24)), std::string::npos);
    EXPECT_NE(ui.mostrati[1].testo.find(":23 - "), std::string::npos);
    EXPECT_EQ(f.DFF, 7);
    EXPECT_EQ(f.LORL, 8);
    EXPECT_EQ(f.PassoC, 90);
    EXPECT_EQ(f.PassoG, 45);
    EXPECT_EQ(f.FattConv, 1.5);
    EXPECT_EQ(f.InclinaMis, 2.5);
    EXPECT_EQ(f.FlussoLamp[0], 1000.5);
    EXPECT_EQ(f.PotLamp[0], 10.5);
    EXPECT_EQ(f.FileLdt, "ldt_decimal_comma_isym1.ldt");
    for (int i = 1; i <= 4; ++i) {
        EXPECT_EQ(f.Intens.AngoloC(i), 90.0 * (i - 1));
        EXPECT_EQ(f.Intens.Valore(i, 1), 100.5);
        EXPECT_EQ(f.Intens.Valore(i, 2), 50.25);
        EXPECT_EQ(f.Intens.Valore(i, 3), 0);
    }
    EXPECT_EQ(f.Intens.AngoloG(2), 45);
}

TEST(LeggiEulumdat, TruncatedFileIsRefusedAtTheLineThatIsMissing) {
    Fotometria f;
    InterazioneFinta ui;
    ASSERT_EQ(LeggiEulumdat(Fixture("photometry/ldt_truncated_in_table.ldt"), f, ui), 0);
    ASSERT_EQ(ui.mostrati.size(), 1u);
    EXPECT_NE(ui.mostrati[0].testo.find("ldt_truncated_in_table.ldt:57 - " + Msg(24)), std::string::npos);
    EXPECT_EQ(f.NomeApp, "Truncated luminaire");
    EXPECT_TRUE(f.Intens.Vuota());
}

TEST(LeggiEulumdat, MissingFileNamesItAndClearsOnlyTheTable) {
    Fotometria f;
    f.DittaLdt = "previous";
    f.Intens.Dimensiona(3, 5);
    f.Intens.ImpostaValore(3, 5, 9);
    InterazioneFinta ui;
    EXPECT_EQ(LeggiEulumdat("/no/such/folder/lamp.ldt", f, ui), -1);
    ASSERT_EQ(ui.mostrati.size(), 1u);
    EXPECT_EQ(ui.mostrati[0].tipo, "avviso");
    EXPECT_EQ(ui.mostrati[0].testo, "lamp.ldt - " + Msg(25));
    EXPECT_EQ(f.Intens.Valore(3, 5), 0);
    EXPECT_EQ(f.DittaLdt, "previous");
    EXPECT_EQ(f.NumC(), 3);
}

TEST(LeggiEulumdat, RefusesMoreThanTheRecordHolds) {
    struct Caso { const char* cosa; int isym, mc, ng, n; int riga; };
    const Caso casi[] = {
        {"planes", 1, MaxPianiC + 1, 2, 1, 4},
        {"gamma angles", 1, 4, MaxAngoliG + 1, 1, 6},
        {"lamp sets", 1, 4, 2, MaxLampade + 1, 26},
        {"no lamp set", 1, 4, 2, 0, 26},
        {"symmetry", 5, 4, 2, 1, 3},
    };
    for (const auto& k : casi) {
        SCOPED_TRACE(k.cosa);
        CartellaTemporanea dir;
        Ldt ldt;
        ldt.isym = k.isym;
        ldt.mc = k.mc;
        ldt.ng = k.ng;
        ldt.n = k.n;
        Fotometria f;
        f.Intens.Dimensiona(3, 3);
        f.NumLampade = 2;
        f.Simmetria = 2;
        InterazioneFinta ui;
        ASSERT_EQ(LeggiEulumdat(dir.Scrivi("big.ldt", ldt.Righe()), f, ui), 0);
        ASSERT_EQ(ui.mostrati.size(), 1u);
        EXPECT_NE(ui.mostrati[0].testo.find("big.ldt:" + std::to_string(k.riga) + " - " + Msg(24)),
                  std::string::npos)
            << ui.mostrati[0].testo;
        // Nothing after the refused count is read, and no table is left.
        EXPECT_EQ(f.NumLampade, 2);
        EXPECT_TRUE(f.Intens.Vuota());
    }
}

TEST(LeggiEulumdat, LampPromptFillsSetZeroOrKeepsTheFile) {
    CartellaTemporanea dir;
    Ldt ldt;
    ldt.flusso = "0";
    ldt.watt = "70";
    const std::string p = dir.Scrivi("nolamp.ldt", ldt.Righe());
    {
        Fotometria f;
        InterazioneFinta ui;
        ui.lampade.push_back({"", 150, 17500, 0});
        ASSERT_EQ(LeggiEulumdat(p, f, ui), 0);
        ASSERT_EQ(ui.Conta("lampada"), 1);
        EXPECT_EQ(ui.mostrati[0].testo, "Lamp 0");  // the prompt opens on the file's values
        EXPECT_EQ(f.FlussoLamp[0], 17500);
        EXPECT_EQ(f.PotLamp[0], 150);
        EXPECT_EQ(f.TipoLamp[0], "SAP 150");
    }
    {
        Fotometria f;
        InterazioneFinta ui;
        ui.lampade.push_back({"", 35.5, 4000, 4});
        ASSERT_EQ(LeggiEulumdat(p, f, ui), 0);
        EXPECT_EQ(f.TipoLamp[0], "LED 35.5");
    }
    {
        Fotometria f;
        InterazioneFinta ui;  // cannot ask: the file's values stay
        ASSERT_EQ(LeggiEulumdat(p, f, ui), 0);
        EXPECT_EQ(ui.Conta("lampada"), 1);
        EXPECT_EQ(f.FlussoLamp[0], 0);
        EXPECT_EQ(f.PotLamp[0], 70);
        EXPECT_EQ(f.TipoLamp[0], "Lamp 0");
    }
    {
        Ldt completa;
        Fotometria f;
        InterazioneFinta ui;
        ASSERT_EQ(LeggiEulumdat(dir.Scrivi("lamp.ldt", completa.Righe()), f, ui), 0);
        EXPECT_EQ(ui.Conta("lampada"), 0);
    }
}

TEST(LeggiEulumdat, SecondFileOverwritesFieldByField) {
    Fotometria f;
    InterazioneFinta ui;
    ASSERT_EQ(LeggiEulumdat(Fixture("photometry/photometric-viewer_multiple_lamp_sets_SYNTHETIC.ldt"), f, ui), 0);
    ASSERT_EQ(f.NumLampade, 3);
    const std::string seconda = f.TipoLamp[1];
    f.LampSel = 2;
    CartellaTemporanea dir;
    Ldt ldt;
    ldt.nome = "Lanterna \xE0 LED";  // Windows-1252 text
    ASSERT_EQ(LeggiEulumdat(dir.Scrivi("one.ldt", ldt.Righe()), f, ui), 0);
    EXPECT_EQ(f.NumLampade, 1);
    EXPECT_EQ(f.TipoLamp[1], seconda);  // only NumLampade says which sets are valid
    EXPECT_EQ(f.LampSel, 0);
    EXPECT_EQ(f.NomeApp, "Lanterna \xC3\xA0 LED");
}

TEST(LeggiEulumdat, ThirdPartyFilesReadCleanAndMirrorConsistently) {
    struct Caso { const char* file; int isym, numC, numG, numLampade; };
    const Caso casi[] = {
        {"eulumdat-analysis_sample_19_LEDiL_STRADA_street_isym0.ldt", 0, 72, 181, 1},
        {"eulumdat-analysis_sample_03_two_lamp_sets_isym4.ldt", 4, 144, 73, 2},
        {"eulumdat-analysis_sample_17_ERCO_isym1_absolute.ldt", 1, 1, 91, 1},
        {"eulumdat-analysis_sample_20_Signify_isym4_nonequidistant_gamma.ldt", 4, 72, 55, 1},
        {"eulumdat-plot_sample_03_isym2.ldt", 2, 24, 37, 1},
        {"eulumdat-plot_sample_01_isym3.ldt", 3, 24, 37, 1},
        {"eulumdat-plot_sample_43_isym4_ityp3_2lamps.ldt", 4, 24, 37, 1},
        {"photometric-viewer_multiple_lamp_sets_SYNTHETIC.ldt", 1, 1, 37, 3},
    };
    for (const auto& k : casi) {
        SCOPED_TRACE(k.file);
        Fotometria f;
        InterazioneFinta ui;
        ASSERT_EQ(LeggiEulumdat(Fixture(std::string("photometry/") + k.file), f, ui), 0);
        EXPECT_TRUE(ui.mostrati.empty());
        EXPECT_EQ(f.Simmetria, k.isym);
        EXPECT_EQ(f.NumC(), k.numC);
        EXPECT_EQ(f.NumG(), k.numG);
        EXPECT_EQ(f.NumLampade, k.numLampade);
        EXPECT_EQ(f.FileLdt, k.file);
        EXPECT_NE(f.DittaLdt.rfind("\xEF\xBB\xBF", 0), 0u);  // byte-order mark dropped
        // Every plane equals the measured plane its symmetry maps it to.
        auto riga = [&](double c) {
            for (int i = 1; i <= f.NumC(); ++i)
                if (std::abs(f.Intens.AngoloC(i) - c) < 1e-6) return i;
            return 0;
        };
        double somma = 0;
        for (int i = 1; i <= f.NumC(); ++i) {
            const int m = riga(PianoMisurato(k.isym, f.Intens.AngoloC(i)));
            ASSERT_GT(m, 0) << "C " << f.Intens.AngoloC(i);
            for (int j = 1; j <= f.NumG(); ++j) {
                ASSERT_EQ(f.Intens.Valore(i, j), f.Intens.Valore(m, j)) << "C " << f.Intens.AngoloC(i);
                somma += f.Intens.Valore(i, j);
            }
        }
        EXPECT_GT(somma, 0);
    }
}

}  // namespace
}  // namespace nottaro
