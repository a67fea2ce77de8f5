// Replacing a user's file: only the file asked for changes, whole or not at
// all, with its permissions, through a link to its target.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>

#include <sys/stat.h>

#include "core/files/SostituisciFile.h"
#include "support/CartellaTemporanea.h"
#include "support/LeggiFile.h"

namespace nottaro {
namespace {

namespace fs = std::filesystem;
using test::LeggiFile;

void Scrivi(const std::string& p, const std::string& t) { std::ofstream(p, std::ios::binary) << t; }

std::set<std::string> Nomi(const std::string& cartella) {
    std::set<std::string> n;
    for (const auto& v : fs::directory_iterator(cartella)) n.insert(v.path().filename().string());
    return n;
}

TEST(SostituisciFile, ReplacesWholeOrNotAtAllAndLeavesNoOtherFileChanged) {
    test::CartellaTemporanea dir;
    const std::string x = dir.File("x.pdf");
    Scrivi(x, "vecchio");
    // Names the earlier writers used for their temporary files: a user's
    // own files by those names are none of the writer's business.
    for (const char* n : {"x.pdf.tmp", "x.pdf.tmp-nottaro", "x.nuova.dbf"}) Scrivi(dir.File(n), n);
    // A link planted at such a name must not lead the writer to its target.
    Scrivi(dir.File("bersaglio"), "intatto");
    fs::create_symlink(dir.File("bersaglio"), dir.File("x.pdf.tmp-1"));
    const auto prima = Nomi(dir.Str());

    EXPECT_EQ(SostituisciFile(x, "nuovo"), "");
    EXPECT_EQ(LeggiFile(x), "nuovo");

    const std::string errore = SostituisciFile(x, [](const std::string& t) {
        Scrivi(t, "mezzo");
        return std::string("disk full");
    });
    EXPECT_EQ(errore, "disk full");
    EXPECT_EQ(LeggiFile(x), "nuovo");

    EXPECT_EQ(Nomi(dir.Str()), prima) << "no temporary left, no file added or removed";
    for (const char* n : {"x.pdf.tmp", "x.pdf.tmp-nottaro", "x.nuova.dbf"}) EXPECT_EQ(LeggiFile(dir.File(n)), n);
    EXPECT_EQ(LeggiFile(dir.File("bersaglio")), "intatto");
}

TEST(SostituisciFile, KeepsPermissionsAndGivesANewFileTheUsualOnes) {
    test::CartellaTemporanea dir;
    const std::string privato = dir.File("privato.nt0");
    Scrivi(privato, "a");
    ::chmod(privato.c_str(), 0600);
    ASSERT_EQ(SostituisciFile(privato, "b"), "");
    struct stat st {};
    ASSERT_EQ(::stat(privato.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0600u);

    const mode_t maschera = ::umask(022);
    const std::string nuovo = dir.File("nuovo.nt0");
    ASSERT_EQ(SostituisciFile(nuovo, "c"), "");
    ::umask(maschera);
    ASSERT_EQ(::stat(nuovo.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0644u) << "not the 0600 of a private temporary";
}

TEST(SostituisciFile, WritesThroughALinkToItsTargetAndRefusesALinkToNothing) {
    test::CartellaTemporanea dir;
    fs::create_directory(dir.File("vero"));
    const std::string bersaglio = dir.File("vero/progetto.nt0");
    Scrivi(bersaglio, "vecchio");
    fs::create_symlink(bersaglio, dir.File("collegamento.nt0"));
    ASSERT_EQ(SostituisciFile(dir.File("collegamento.nt0"), "nuovo"), "");
    EXPECT_TRUE(fs::is_symlink(dir.File("collegamento.nt0")));
    EXPECT_EQ(LeggiFile(bersaglio), "nuovo");
    EXPECT_EQ(Nomi(dir.File("vero")), std::set<std::string>{"progetto.nt0"});

    fs::create_symlink(dir.File("manca.nt0"), dir.File("rotto.nt0"));
    EXPECT_NE(SostituisciFile(dir.File("rotto.nt0"), "x"), "");
    EXPECT_FALSE(fs::exists(dir.File("manca.nt0")));
}

TEST(SostituisciFile, ACopyThatCannotBeReadKeepsTheOldFile) {
    test::CartellaTemporanea dir;
    const std::string logo = dir.File("logo.png");
    Scrivi(logo, "logo vecchio");
    fs::create_directory(dir.File("cartella.png"));
    for (const std::string& origine : {dir.File("manca.png"), dir.File("cartella.png")}) {
        EXPECT_NE(SostituisciConCopia(logo, origine), "") << origine;
        EXPECT_EQ(LeggiFile(logo), "logo vecchio") << origine;
    }
    Scrivi(dir.File("nuovo.png"), "logo nuovo");
    ASSERT_EQ(SostituisciConCopia(logo, dir.File("nuovo.png")), "");
    EXPECT_EQ(LeggiFile(logo), "logo nuovo");
}

}  // namespace
}  // namespace nottaro
