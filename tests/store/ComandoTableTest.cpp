// nottaro-cli table: rows, count, filter, CSV and JSON output, errors.
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cstdio>
#include <sys/wait.h>

#include "CartellaTemporanea.h"
#include "RigheProva.h"
#include "store/TabellaDbf.h"
#include "support/Percorsi.h"

namespace nottaro {
namespace {

struct Uscita {
    int esito = -1;
    std::string out;
};

// Runs nottaro-cli with the arguments; stderr is merged into the output.
Uscita Cli(const std::string& argomenti) {
    Uscita u;
    FILE* p = ::popen((test::ProgrammaCli() + " " + argomenti + " 2>&1").c_str(), "r");
    if (!p) return u;
    char buf[4096];
    std::size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, p)) > 0) u.out.append(buf, n);
    const int s = ::pclose(p);
    u.esito = WIFEXITED(s) ? WEXITSTATUS(s) : -1;
    return u;
}

class ComandoTable : public ::testing::Test {
protected:
    void SetUp() override {
        TabellaDbf t;
        t.Collega(dir.Str(), "NTRLUX");
        ASSERT_TRUE(t.Apri());
        ASSERT_TRUE(t.Aggiungi(test::RigaSoluzione(LayoutNTRLUX(), 1, 8, 1.5, 1, "SAP, \"70W\"")));
        ASSERT_TRUE(t.Aggiungi(test::RigaSoluzione(LayoutNTRLUX(), 2, 10, -0.5, 1, "Città")));
        file = "'";
        file.append(dir.File("ntrlux.dbf")).append("'");
    }
    test::CartellaTemporanea dir;
    std::string file;
};

TEST_F(ComandoTable, CountsRowsWithAndWithoutFilter) {
    EXPECT_EQ(Cli("table " + file + " --count").out, "2\n");
    const auto u = Cli("table " + file + " --count --filter \"HPALO = '10' and SBRACCIO = '-0.5'\"");
    EXPECT_EQ(u.esito, 0);
    EXPECT_EQ(u.out, "1\n");
}

TEST_F(ComandoTable, CsvQuotesTextsAndJsonKeepsNumbers) {
    const auto csv = Cli("table " + file + " --csv --filter \"HPALO = '8'\"");
    ASSERT_EQ(csv.esito, 0) << csv.out;
    EXPECT_EQ(csv.out.rfind("NUM,HPALO,SBRACCIO,INTER,", 0), 0u) << csv.out;
    EXPECT_NE(csv.out.find("\n1,8,1.5,"), std::string::npos) << csv.out;
    EXPECT_NE(csv.out.find(",\"SAP, \"\"70W\"\"\","), std::string::npos) << csv.out;

    const auto json = Cli("table " + file + " --json");
    ASSERT_EQ(json.esito, 0) << json.out;
    const auto righe = nlohmann::json::parse(json.out);
    ASSERT_EQ(righe.size(), 2u);
    EXPECT_EQ(righe[1]["SBRACCIO"], -0.5);
    EXPECT_EQ(righe[1]["LAMPADA"], "Città");
    EXPECT_EQ(righe[1].size(), 40u);
}

TEST_F(ComandoTable, BadInputGivesOneLineAndFailure) {
    for (const std::string& argomenti :
         {"table " + file + " --filter \"HPALO = 8\"", "table " + file + " --filter \"ALTEZZA = '8'\"",
          "table '" + dir.File("missing.dbf") + "'"}) {
        const auto u = Cli(argomenti);
        EXPECT_NE(u.esito, 0) << argomenti;
        EXPECT_EQ(std::count(u.out.begin(), u.out.end(), '\n'), 1) << u.out;
    }
}

}  // namespace
}  // namespace nottaro
