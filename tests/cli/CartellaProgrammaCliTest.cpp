// The program folder of nottaro-cli: --program-dir before or after the
// command, filled from the shipped folder when new, and its ntr.cfg read for
// the printed reports' language.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "support/CartellaTemporanea.h"
#include "support/EseguiCli.h"

namespace nottaro {
namespace {

namespace fs = std::filesystem;
using test::Tra;

TEST(CartellaProgrammaCli, ANamedFolderIsFilledAndUsedWhereverTheOptionStands) {
    test::CartellaTemporanea dir;
    for (const char* forma : {"--program-dir %s catalogue --line 1", "catalogue --line 1 --program-dir %s"}) {
        const std::string cartella = dir.File(forma[0] == '-' ? "prima" : "dopo");
        std::string argomenti = forma;
        argomenti.replace(argomenti.find("%s"), 2, Tra(cartella));
        const auto u = test::EseguiCli(argomenti);
        ASSERT_EQ(u.esito, 0) << argomenti << ": " << u.err;
        EXPECT_TRUE(fs::is_regular_file(cartella + "/lightlist.dbf")) << argomenti;
        EXPECT_NE(u.out.find(cartella + "/ldt/"), std::string::npos) << u.out;
    }
    const auto suFile = test::EseguiCli("--program-dir " + Tra(dir.File("prima/lightlist.dbf")) + " catalogue");
    EXPECT_EQ(suFile.esito, 1);
    EXPECT_NE(suFile.err.find("not a folder"), std::string::npos) << suFile.err;
}

TEST(CartellaProgrammaCli, ALanguageTheProgramCannotTakeIsWarnedOfAndEnglishUsed) {
    test::CartellaTemporanea dir;
    fs::create_directories(dir.File("programma"));
    std::ofstream(dir.File("programma/ntr.cfg"), std::ios::binary) << "7\r\n";
    const auto u = test::EseguiCli("list-report " + Tra(dir.File("manca.dbf")) + " --kind reduced --out " +
                                   Tra(dir.File("l.pdf")) + " --program-dir " + Tra(dir.File("programma")));
    EXPECT_NE(u.err.find("The language value \"7\" in " + dir.File("programma/ntr.cfg") + " is not one of 0 to 4"),
              std::string::npos)
        << u.err;
}

}  // namespace
}  // namespace nottaro
