// nottaro-cli table: rows, count, filter, CSV and JSON output, errors.
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cstdio>
#include <sys/wait.h>

#include "support/CartellaTemporanea.h"
#include "RigheProva.h"
#include "store/TabellaDbf.h"
#include "support/EseguiCli.h"
#include "support/Percorsi.h"

namespace nottaro {
namespace {



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
    EXPECT_EQ(test::EseguiCli("table " + file + " --count", true).out, "2\n");
    const auto u = test::EseguiCli("table " + file + " --count --filter \"HPALO = '10' and SBRACCIO = '-0.5'\"", true);
    EXPECT_EQ(u.esito, 0);
    EXPECT_EQ(u.out, "1\n");
}

TEST_F(ComandoTable, CsvQuotesTextsAndJsonKeepsNumbers) {
    const auto csv = test::EseguiCli("table " + file + " --csv --filter \"HPALO = '8'\"", true);
    ASSERT_EQ(csv.esito, 0) << csv.out;
    EXPECT_EQ(csv.out.rfind("NUM,HPALO,SBRACCIO,INTER,", 0), 0u) << csv.out;
    EXPECT_NE(csv.out.find("\n1,8,1.5,"), std::string::npos) << csv.out;
    EXPECT_NE(csv.out.find(",\"SAP, \"\"70W\"\"\","), std::string::npos) << csv.out;

    const auto json = test::EseguiCli("table " + file + " --json", true);
    ASSERT_EQ(json.esito, 0) << json.out;
    const auto righe = nlohmann::json::parse(json.out);
    ASSERT_EQ(righe.size(), 2u);
    EXPECT_EQ(righe[1]["SBRACCIO"], -0.5);
    EXPECT_EQ(righe[1]["LAMPADA"], "Città");
    EXPECT_EQ(righe[1].size(), LayoutNTRLUX().size());
}

TEST_F(ComandoTable, BadInputGivesOneLineAndFailure) {
    for (const std::string& argomenti :
         {"table " + file + " --filter \"HPALO = 8\"", "table " + file + " --filter \"ALTEZZA = '8'\"",
          "table " + file + " --filter \"HPALO = 'nan'\"", "table '" + dir.File("missing.dbf") + "'",
          "table '" + dir.Str() + "'", std::string("table /dev/zero")}) {
        const auto u = test::EseguiCli(argomenti, true);
        EXPECT_EQ(u.esito, 1) << argomenti;
        EXPECT_EQ(std::count(u.out.begin(), u.out.end(), '\n'), 1) << u.out;
    }
}

}  // namespace
}  // namespace nottaro
