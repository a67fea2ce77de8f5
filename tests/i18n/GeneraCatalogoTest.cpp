// The build-time tool that compiles the translators' table: the original
// messages stay in place, added blocks are accepted from 1000 up in ascending
// order, and a table the lookup could not answer from stops the build.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "core/i18n/Messaggi.h"
#include "support/CartellaTemporanea.h"
#include "support/EseguiCli.h"
#include "support/LeggiFile.h"
#include "support/Percorsi.h"

namespace nottaro {
namespace {

TEST(GeneraCatalogo, AddedBlocksAreAcceptedInAscendingOrderFromTheFirstAddedNumber) {
    const std::string originale = test::LeggiFile(test::Sorgente("core/i18n/messages.tsv"));
    // The table as it stands, with every added row taken out: the cases below
    // add their own.
    std::string base;
    {
        std::istringstream righe(originale);
        std::string riga;
        int n = 0;
        while (std::getline(righe, riga) && n <= NumMessaggi) {
            base += riga + "\n";
            ++n;
        }
    }
    struct Caso {
        const char* nome;
        std::string aggiunte;
        bool accettata;
        const char* motivo;  // part of the refusal
    };
    const Caso casi[] = {
        {"no added rows", "", true, ""},
        {"two blocks with a gap", "1000\ta\tb\tc\td\te\n1050\tf\tg\th\ti\tj\n", true, ""},
        {"below the first added number", "999\ta\tb\tc\td\te\n", false, ":487: message number 999"},
        {"out of order", "1051\ta\tb\tc\td\te\n1050\ta\tb\tc\td\te\n", false, ":488: message number 1050"},
        {"twice", "1200\ta\tb\tc\td\te\n1200\ta\tb\tc\td\te\n", false, ":488: message number 1200"},
        {"not a number", "10x0\ta\tb\tc\td\te\n", false, ":487: message number 10x0"},
        {"a language missing", "1000\ta\tb\tc\td\n", false, ":487: expected 6"},
    };
    test::CartellaTemporanea dir;
    for (const auto& c : casi) {
        const std::string tsv = dir.File("messages.tsv"), cpp = dir.File("catalogo.cpp");
        std::ofstream(tsv, std::ios::binary) << base << c.aggiunte;
        std::remove(cpp.c_str());
        const std::string comando = test::Tra(NOTTARO_GENERATORE) + " " + test::Tra(tsv) + " " + test::Tra(cpp) + " 2>" +
                                    test::Tra(dir.File("err.txt"));
        const int s = std::system(comando.c_str());
        ASSERT_TRUE(WIFEXITED(s)) << c.nome;
        const std::string err = test::LeggiFile(dir.File("err.txt"));
        if (c.accettata) {
            EXPECT_EQ(WEXITSTATUS(s), 0) << c.nome << ": " << err;
            const std::string uscita = test::LeggiFile(cpp);
            EXPECT_NE(uscita.find("kAggiunti"), std::string::npos) << c.nome;
            if (!c.aggiunte.empty()) {
                EXPECT_NE(uscita.find("{1000, {\"a\", \"b\", \"c\", \"d\", \"e\"}}"), std::string::npos) << uscita;
                EXPECT_NE(uscita.find("{1050, {\"f\", \"g\", \"h\", \"i\", \"j\"}}"), std::string::npos) << uscita;
            }
        } else {
            EXPECT_EQ(WEXITSTATUS(s), 1) << c.nome;
            EXPECT_NE(err.find(c.motivo), std::string::npos) << c.nome << ": " << err;
            EXPECT_FALSE(std::ifstream(cpp).good()) << c.nome << ": nothing is written for a refused table";
        }
    }
}

}  // namespace
}  // namespace nottaro
