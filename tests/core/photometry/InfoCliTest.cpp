// nottaro-cli info on every photometric fixture, JSON keys, lamp options and errors.
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "support/CartellaTemporanea.h"
#include "core/photometry/LettoriFotometria.h"
#include "support/InterazioneFinta.h"
#include "support/EseguiCli.h"
#include "support/Percorsi.h"

namespace nottaro {
namespace {



using test::Tra;

TEST(InfoCli, PrintsARecordForEveryFixture) {
    test::CartellaTemporanea dir;
    int visti = 0;
    for (const auto& e : std::filesystem::directory_iterator(test::Fixture("photometry"))) {
        const std::string est = e.path().extension().string();
        if (est != ".ldt" && est != ".ies") continue;
        ++visti;
        const std::string nome = e.path().filename().string();
        SCOPED_TRACE(nome);
        Fotometria f;
        test::InterazioneFinta ui;
        LeggiFotometria(e.path().string(), f, ui);
        const test::UscitaCli u = test::EseguiCli("info " + Tra(e.path().string()));
        EXPECT_EQ(u.esito, ui.Conta("avviso") ? 2 : 0) << u.err;
        EXPECT_NE(u.out.find("File: " + nome + "\n"), std::string::npos);
        EXPECT_NE(u.out.find("\nNumC: " + std::to_string(f.NumC()) + "\n"), std::string::npos);
        EXPECT_NE(u.out.find("\nNumG: " + std::to_string(f.NumG()) + "\n"), std::string::npos);
        EXPECT_NE(u.out.find("\nMaximum intensity: "), std::string::npos);
        // A refused file (the truncated one) leaves no table to describe.
        EXPECT_EQ(u.out.find("no intensities") != std::string::npos, f.Intens.Vuota());
    }
    ASSERT_GT(visti, 0);  // the fixture folder was found
}

TEST(InfoCli, JsonUsesTheRecordsNamesAndOnlyValidLampSets) {
    test::CartellaTemporanea dir;
    const test::UscitaCli u = test::EseguiCli("info --json " + Tra(test::Fixture("photometry/photometric-viewer_multiple_lamp_sets_SYNTHETIC.ldt")));
    ASSERT_EQ(u.esito, 0) << u.err;
    const auto j = nlohmann::json::parse(u.out);
    EXPECT_EQ(j["NomeApp"], "Dummy LDT file");
    EXPECT_EQ(j["Simmetria"], 1);
    EXPECT_EQ(j["NumLampade"], 3);
    for (const char* k : {"TipoLamp", "FlussoLamp", "ColoreLamp", "ResaLamp", "PotLamp"}) EXPECT_EQ(j[k].size(), 3u) << k;
    EXPECT_EQ(j["FlussoLamp"][1], 1200);
    EXPECT_EQ(j["C"].size(), 1u);
    EXPECT_EQ(j["Gamma"].size(), 37u);
    ASSERT_EQ(j["Intens"].size(), 1u);
    EXPECT_EQ(j["Intens"][0].size(), 37u);
    EXPECT_EQ(j["IntensNadir"], 2200);
    for (const char* k : {"DittaLdt", "NumC", "NumG", "DFF", "LORL", "PotLamp", "FileLdt"}) EXPECT_TRUE(j.contains(k)) << k;
}

TEST(InfoCli, LampOptionsAnswerThePrompt) {
    test::CartellaTemporanea dir;
    const std::string ies = Tra(test::Fixture("photometry/photometric-viewer_ies95_absolute_photometry_SYNTHETIC.ies"));
    {
        const test::UscitaCli u = test::EseguiCli("info --json " + ies + " --lamp-flux 2000 --lamp-watts 18 --lamp-family LED");
        ASSERT_EQ(u.esito, 0) << u.err;
        const auto j = nlohmann::json::parse(u.out);
        EXPECT_EQ(j["FlussoLamp"], nlohmann::json::array({2000}));
        EXPECT_EQ(j["PotLamp"], nlohmann::json::array({18}));
        EXPECT_EQ(j["TipoLamp"], nlohmann::json::array({"LED 18"}));
        EXPECT_EQ(j["IntensNadir"], 1100);  // 2200 cd of the file per 2000 lm
        EXPECT_EQ(j["NumC"], 24);
        EXPECT_EQ(j["Intens"].size(), 24u);
    }
    {
        const test::UscitaCli u = test::EseguiCli("info --json " + ies);
        ASSERT_EQ(u.esito, 0) << u.err;
        EXPECT_NE(u.err.find("keeping the file's values"), std::string::npos);
        const auto j = nlohmann::json::parse(u.out);
        EXPECT_EQ(j["FlussoLamp"], nlohmann::json::array({1000}));
        EXPECT_EQ(j["IntensNadir"], 2200);
    }
}

TEST(InfoCli, ErrorsAreOneClearLineAndNonZero) {
    test::CartellaTemporanea dir;
    {
        const test::UscitaCli u = test::EseguiCli("info " + Tra(dir.File("absent.ldt")));
        EXPECT_EQ(u.esito, 1);
        EXPECT_TRUE(u.out.empty());
        EXPECT_EQ(u.err, "nottaro-cli info: cannot open " + dir.File("absent.ldt") + "\n");
    }
    {
        const test::UscitaCli u = test::EseguiCli("info " + Tra(test::Fixture("photometry/ldt_truncated_in_table.ldt")) +
                                      " --lamp-family xenon");
        EXPECT_EQ(u.esito, 1);
        EXPECT_NE(u.err.find("unknown lamp family \"xenon\""), std::string::npos);
    }
    {
        // A comma in DFF and LORL: the record is printed, the warnings name the lines.
        const test::UscitaCli u = test::EseguiCli("info " + Tra(test::Fixture("photometry/ldt_decimal_comma_isym1.ldt")));
        EXPECT_EQ(u.esito, 2);
        EXPECT_NE(u.out.find("NumC: 4\n"), std::string::npos);
        EXPECT_NE(u.err.find("ldt_decimal_comma_isym1.ldt:22 - "), std::string::npos);
        EXPECT_NE(u.err.find("read with 2 warning(s)"), std::string::npos);
    }
    {
        const std::string rotto = dir.Scrivi("broken.ies", {"just some text", "and more"});
        const test::UscitaCli u = test::EseguiCli("info " + Tra(rotto));
        EXPECT_EQ(u.esito, 2);
        EXPECT_NE(u.err.find("broken.ies:1 - "), std::string::npos);
        EXPECT_NE(u.out.find("Maximum intensity: no intensities"), std::string::npos);
    }
}

}  // namespace
}  // namespace nottaro
