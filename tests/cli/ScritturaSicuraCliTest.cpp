// What the writing commands may never do to a user's file: take an input's
// place, leave a broken file over a good one, or empty a table that is not
// theirs.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>

#include "support/CartellaTemporanea.h"
#include "support/DiscoPiccolo.h"
#include "support/EseguiCli.h"
#include "support/LeggiFile.h"
#include "support/Percorsi.h"

namespace nottaro {
namespace {

namespace fs = std::filesystem;
using test::EseguiCli;
using test::LeggiFile;
using test::Tra;

const std::string kLdt = "photometry/eulumdat-analysis_sample_19_LEDiL_STRADA_street_isym0.ldt";

// A road project and its photometry, a table, a workbook and the links a
// user may have made to them.
class ScritturaSicura : public ::testing::Test {
protected:
    void SetUp() override {
        fs::copy_file(test::Fixture("projects/strada.nt0"), dir.File("strada.nt0"));
        fs::copy_file(test::Fixture(kLdt), dir.File("strada.ldt"));
        fs::copy_file(test::Sorgente("data/lightlist.dbf"), dir.File("ntrlux.dbf"));
        std::ofstream(dir.File("lavori.xlsx"), std::ios::binary) << "workbook bytes";
        fs::create_directory(dir.File("ldt"));
        fs::create_symlink(dir.File("strada.nt0"), dir.File("collegamento.pdf"));
        fs::create_hard_link(dir.File("lavori.xlsx"), dir.File("copia.pdf"));
        // A project saved under the solution table's name.
        fs::create_directory(dir.File("tabella"));
        fs::copy_file(dir.File("strada.nt0"), dir.File("tabella/ntrlux.dbf"));
    }
    std::string Foto() const { return " --photometry " + Tra(dir.File("strada.ldt")); }
    test::CartellaTemporanea dir;
};

TEST_F(ScritturaSicura, AnOutputThatIsAnInputUnderAnyNameIsRefused) {
    const std::string progetto = " --project " + Tra(dir.File("strada.nt0"));
    const std::string mp = "masterplan " + Tra(dir.File("lavori.xlsx")) + " --ldt " + Tra(dir.File("ldt"));
    struct Caso {
        std::string argomenti;
        std::string ingresso;  // the file that must stay as it was
    };
    const Caso casi[] = {
        {"report" + progetto + Foto() + " --out " + Tra(dir.Str() + "/./strada.nt0"), "strada.nt0"},
        {"report" + progetto + Foto() + " --out " + Tra(dir.File("collegamento.pdf")), "strada.nt0"},
        {"report" + progetto + Foto() + " --out " + Tra(dir.File("strada.ldt")), "strada.ldt"},
        {"list-report " + Tra(dir.File("ntrlux.dbf")) + " --kind reduced --out " + Tra(dir.File("ntrlux.dbf")),
         "ntrlux.dbf"},
        {mp + " --out " + Tra(dir.File("lavori.xlsx")), "lavori.xlsx"},
        {mp + " --pdf " + Tra(dir.File("copia.pdf")), "lavori.xlsx"},
        {mp + " --pdf-tables " + Tra(dir.File("copia.pdf")), "lavori.xlsx"},
        {"optimise --project " + Tra(dir.File("tabella/ntrlux.dbf")) + Foto() + " --out " + Tra(dir.File("tabella")),
         "tabella/ntrlux.dbf"},
    };
    for (const Caso& c : casi) {
        const std::string prima = LeggiFile(dir.File(c.ingresso));
        const auto u = EseguiCli(c.argomenti);
        EXPECT_EQ(u.esito, 1) << c.argomenti << "\n" << u.err;
        EXPECT_NE(u.err.find("choose another"), std::string::npos) << c.argomenti << "\n" << u.err;
        EXPECT_EQ(LeggiFile(dir.File(c.ingresso)), prima) << c.argomenti;
    }
    EXPECT_TRUE(fs::is_symlink(dir.File("collegamento.pdf")));
}

// A catalogue where the solution table should be is looked at, refused and
// left as it was (it used to be emptied first).
TEST_F(ScritturaSicura, AForeignTableAtTheSolutionTablesNameIsLeftAlone) {
    const std::string prima = LeggiFile(dir.File("ntrlux.dbf"));
    const auto u = EseguiCli("optimise --project " + Tra(dir.File("strada.nt0")) + Foto() + " --out " + Tra(dir.Str()));
    EXPECT_EQ(u.esito, 1) << u.err;
    EXPECT_NE(u.err.find("ntrlux.dbf"), std::string::npos) << u.err;
    EXPECT_EQ(LeggiFile(dir.File("ntrlux.dbf")), prima);
}

// The disk fills up while the PDF is written: the old PDF stays, nothing is
// left beside it and the command says it failed.
TEST_F(ScritturaSicura, AFullDiskKeepsTheOldPdfAndFails) {
    const std::string piccolo = dir.File("piccolo");
    fs::create_directory(piccolo);
    fs::create_directory(dir.File("soluzioni"));
    const auto sweep = EseguiCli("optimise --all-results --project " + Tra(dir.File("strada.nt0")) + Foto() +
                                 " --out " + Tra(dir.File("soluzioni")));
    ASSERT_EQ(sweep.esito, 0) << sweep.err;
    const struct {
        const char* nome;
        std::string argomenti;
    } casi[] = {
        {"report", "report --project " + Tra(dir.File("strada.nt0")) + Foto() + " --out "},
        {"list-report", "list-report " + Tra(dir.File("soluzioni/ntrlux.dbf")) + " --kind complete --out "},
        {"masterplan", "masterplan " + Tra(test::Sorgente("data/masterplan/esempio.xlsx")) + " --ldt " +
                           Tra(test::Sorgente("data/masterplan/ldt")) + " --overwrite --out " +
                           Tra(dir.File("elenco.xlsx")) + " --pdf "},
    };
    for (const auto& c : casi) {
        const std::string pdf = piccolo + "/vecchio.pdf";
        // Inside the small file system: a filler leaving less room than a
        // report needs, the old PDF, then the run. The child's exit status
        // carries the command's (tens) and whether all was kept (units).
        const int esito = test::ConDiscoPiccolo(piccolo, [&] {
            std::ofstream(piccolo + "/riempitivo", std::ios::binary) << std::string(56 * 1024, 'x');
            std::ofstream(pdf, std::ios::binary) << "%PDF vecchio";
            const auto u = EseguiCli(c.argomenti + Tra(pdf));
            std::set<std::string> nomi;
            for (const auto& v : fs::directory_iterator(piccolo)) nomi.insert(v.path().filename().string());
            const bool tenuto = LeggiFile(pdf) == "%PDF vecchio" &&
                                nomi == std::set<std::string>{"riempitivo", "vecchio.pdf"} &&
                                u.err.find("No space left") != std::string::npos;
            return (u.esito < 0 ? 9 : std::min(u.esito, 9)) * 10 + (tenuto ? 1 : 0);
        });
        if (esito == 77)
            GTEST_SKIP() << "no small file system can be mounted here (needs root "
                            "and mount namespaces)";
        EXPECT_EQ(esito, 11) << c.nome << ": exit status 1 and the old PDF kept";
    }
}

}  // namespace
}  // namespace nottaro
