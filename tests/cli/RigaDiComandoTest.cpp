// What every command of nottaro-cli shares: the version, and one exit status
// for any command line it cannot take.
#include <gtest/gtest.h>

#include <regex>
#include <string>

#include "support/EseguiCli.h"

namespace nottaro {
namespace {

TEST(RigaDiComando, VersionNamesTheProgramItsVersionAndTheBuildCommitWhenKnown) {
    auto u = test::EseguiCli("--version");
    ASSERT_EQ(u.esito, 0) << u.err;
    EXPECT_TRUE(std::regex_match(u.out, std::regex("nottaro-cli 5\\.8d( \\(commit [0-9a-f]{7,40}\\))?\n"))) << u.out;
    EXPECT_EQ(u.err, "");
}

TEST(RigaDiComando, EveryCommandLineItCannotTakeExitsWithOneAndSaysWhy) {
    struct Caso {
        const char* argomenti;
        const char* motivo;  // part of the message on stderr
    };
    const Caso casi[] = {
        {"", "subcommand"},
        {"frobnicate", "subcommand"},
        {"info", "file"},
        {"info x.ldt --bogus", "--bogus"},
        {"info x.ldt --lamp-flux many", "many"},
        {"table t.dbf --csv --json", "excludes"},
        {"optimise --project p.nt0 --threads two", "two"},
        {"messages --lang", "--lang"},
    };
    for (const auto& c : casi) {
        auto u = test::EseguiCli(c.argomenti);
        EXPECT_EQ(u.esito, 1) << c.argomenti << ": " << u.err;
        EXPECT_NE(u.err.find(c.motivo), std::string::npos) << c.argomenti << ": " << u.err;
        EXPECT_EQ(u.out, "") << c.argomenti;
    }
    // Asking for help is not an error.
    EXPECT_EQ(test::EseguiCli("--help").esito, 0);
    EXPECT_EQ(test::EseguiCli("table --help").esito, 0);
}

}  // namespace
}  // namespace nottaro
