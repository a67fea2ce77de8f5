// --set NAME=VALUE of evaluate and optimise: a variant of the project without
// editing it, refused in one line when the name, the number or the range is
// wrong; --help lists the names.
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <algorithm>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "support/CartellaTemporanea.h"
#include "support/EseguiCli.h"
#include "support/Percorsi.h"

namespace nottaro {
namespace {

using test::Tra;

std::string Strada() { return " --project " + Tra(test::Fixture("projects/strada.nt0")); }

TEST(ImpostaValoriCli, ValueTakesEffectAsIfTheProjectSaidIt) {
    const auto base = test::EseguiCli("evaluate" + Strada() + " --json");
    const auto alto = test::EseguiCli("evaluate" + Strada() + " --json --set HPalo=10 --set LargStrada=7");
    ASSERT_EQ(base.esito, 0) << base.err;
    ASSERT_EQ(alto.esito, 0) << alto.err;
    EXPECT_NE(nlohmann::json::parse(base.out)["Lm"], nlohmann::json::parse(alto.out)["Lm"]);
    // The same variant written into the project file gives the same figures.
    test::CartellaTemporanea dir;
    std::string testo;
    {
        std::ifstream in(test::Fixture("projects/strada.nt0"), std::ios::binary);
        std::stringstream ss;
        ss << in.rdbuf();
        testo = ss.str();
    }
    std::vector<std::string> righe;
    std::stringstream ss(testo);
    for (std::string r; std::getline(ss, r);) righe.push_back(r);
    righe[8] = "10\r";   // line 9: HPalo
    righe[12] = "7\r";   // line 13: LargStrada
    {
        std::ofstream out(dir.File("variante.nt0"), std::ios::binary);
        for (const auto& r : righe) out << r << "\n";
    }
    const std::string foto = " --photometry " +
        Tra(test::Fixture("photometry/eulumdat-analysis_sample_19_LEDiL_STRADA_street_isym0.ldt"));
    const auto file = test::EseguiCli("evaluate --project " + Tra(dir.File("variante.nt0")) + foto + " --json");
    ASSERT_EQ(file.esito, 0) << file.err;
    EXPECT_EQ(nlohmann::json::parse(file.out), nlohmann::json::parse(alto.out));
}

TEST(ImpostaValoriCli, BadNameNumberOrRangeIsRefusedInOneLine) {
    struct Caso {
        std::string set, parola;
    };
    const Caso casi[] = {
        {"Altezza=8", "Altezza"},       {"HPalo", "HPalo"},          {"HPalo=otto", "otto"},
        {"HPalo=8m", "8m"},             {"HPalo=1e6", "[1, 50]"},    {"NCorsie=1000", "1..6"},
        {"Deprezz=-0.1", "(0, 1]"},     {"Interdist=0.001", "Interdist"}, {"StepInt=1e-9", "StepInt"},
        {"LargStrada=nan", "LargStrada"},
    };
    test::CartellaTemporanea dir;
    for (const auto& k : casi) {
        for (const char* comando : {"evaluate", "optimise --out "}) {
            std::string arg = std::string(comando) + (std::string(comando) == "evaluate" ? "" : Tra(dir.Str()));
            const auto u = test::EseguiCli(arg + Strada() + " --set " + Tra(k.set));
            EXPECT_EQ(u.esito, 1) << comando << " " << k.set;
            EXPECT_TRUE(u.out.empty()) << u.out;
            EXPECT_NE(u.err.find(k.parola), std::string::npos) << u.err;
            EXPECT_EQ(std::count(u.err.begin(), u.err.end(), '\n'), 1) << u.err;
        }
    }
}

TEST(ImpostaValoriCli, HelpListsTheNames) {
    for (const char* comando : {"evaluate", "optimise"}) {
        const auto u = test::EseguiCli(std::string(comando) + " --help", true);
        for (const char* nome : {"HPalo", "Sbraccio", "LargStrada", "ClassePav", "DeprezzA", "NPtiY"})
            EXPECT_NE(u.out.find(nome), std::string::npos) << comando << ": " << nome;
    }
}

}  // namespace
}  // namespace nottaro
