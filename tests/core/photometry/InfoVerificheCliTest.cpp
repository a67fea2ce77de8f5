// nottaro-cli info --check: the viewer's checks as text lines or JSON, the
// exit status still telling only how the file was read.
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <string>
#include <vector>

#include "support/EseguiCli.h"
#include "support/Percorsi.h"

namespace nottaro {
namespace {

using test::Tra;

TEST(InfoVerificheCli, ChecksAsJsonAndAsTextWithTheExitStatusOfTheRead) {
    const std::string file = Tra(test::Fixture("photometry/eulumdat-plot_sample_03_isym2.ldt"));
    const test::UscitaCli json = test::EseguiCli("info --check --json " + file);
    ASSERT_EQ(json.esito, 0) << json.err;
    const auto j = nlohmann::json::parse(json.out);
    std::vector<std::string> nomi;
    for (const auto& v : j["checks"]) nomi.push_back(v["name"]);
    EXPECT_EQ(nomi, (std::vector<std::string>{"upward_light", "nadir", "zenith", "coverage", "flux"}));
    EXPECT_FALSE(j["checks"][0]["ok"].get<bool>());  // 60 cd/klm at gamma 90°
    EXPECT_EQ(j["checks"][0]["values"]["imax"].get<double>(), 60.38);
    EXPECT_TRUE(j["checks"][4]["ok"].get<bool>());
    EXPECT_NEAR(j["checks"][4]["values"]["lor"].get<double>(), 100, 0.35);

    const test::UscitaCli testo = test::EseguiCli("info --check " + file);
    EXPECT_EQ(testo.esito, 0);
    EXPECT_NE(testo.out.find("Checks:\n  FAILED upward_light: Upward light: Imax at gamma >= 90° = 60.38 cd/klm"),
              std::string::npos);
    EXPECT_NE(testo.out.find("  ok     coverage: "), std::string::npos);
    // Without the option nothing is checked.
    EXPECT_EQ(test::EseguiCli("info --json " + file).out.find("\"checks\""), std::string::npos);
}

}  // namespace
}  // namespace nottaro
