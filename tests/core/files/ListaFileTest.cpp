// Luminaire list files: what the list window, the command line and the runs
// read from a .ntr file, how it is written, and which file an entry names.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <sys/stat.h>

#include "core/files/ListaFile.h"
#include "support/CartellaTemporanea.h"

namespace nottaro {
namespace {

namespace fs = std::filesystem;
using Voci = std::vector<std::string>;

void ScriviByte(const std::string& p, const std::string& byte) { std::ofstream(p, std::ios::binary) << byte; }

std::string LeggiByte(const std::string& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(ListaNtr, EveryLineIsAnEntry) {
    struct Caso {
        const char* cosa;
        std::string byte;
        Voci voci;
    };
    const Caso casi[] = {
        {"CR LF, final line end", "/a/b.ldt\r\n/a/c.ldt\r\n", {"/a/b.ldt", "/a/c.ldt"}},
        {"LF, last line without end", "/a/b.ldt\n/a/c.ldt", {"/a/b.ldt", "/a/c.ldt"}},
        {"empty lines stay entries", "/a/b.ldt\r\n\r\n/a/c.ldt\r\n\r\n", {"/a/b.ldt", "", "/a/c.ldt", ""}},
        {"byte-order mark dropped", "\xEF\xBB\xBF/a/b.ldt\r\n", {"/a/b.ldt"}},
        {"UTF-8 kept", "/l/citt\xC3\xA0.ldt\r\n", {"/l/citt\xC3\xA0.ldt"}},
        {"Windows-1252 decoded", "C:\\Luci\\citt\xE0.ldt\r\n", {"C:\\Luci\\citt\xC3\xA0.ldt"}},
        {"empty file", "", {}},
        {"CR only", "/a/b.ldt\r/a/c.ldt\r", {"/a/b.ldt", "/a/c.ldt"}},
        {"mixed ends, blanks after entries", "/a/b.ldt \t\r\n/a/c.ldt  \r/a/d.ldt\n", {"/a/b.ldt", "/a/c.ldt", "/a/d.ldt"}},
    };
    test::CartellaTemporanea dir;
    for (const Caso& c : casi) {
        ScriviByte(dir.File("l.ntr"), c.byte);
        Voci v{"previous"};
        ASSERT_TRUE(LeggiListaNtr(dir.File("l.ntr"), v)) << c.cosa;
        EXPECT_EQ(v, c.voci) << c.cosa;
    }
    Voci v{"previous"};
    EXPECT_FALSE(LeggiListaNtr(dir.File("missing.ntr"), v));
    EXPECT_FALSE(LeggiListaNtr(dir.Str(), v)) << "a folder is not a list";
    EXPECT_EQ(v, Voci{"previous"});
}

// A list that is not text must not turn into entries that name nothing.
TEST(ListaNtr, UnreadableOrForeignFilesAreRefusedAtOnce) {
    test::CartellaTemporanea dir;
    const std::string utf16("\xFF\xFE/\0a\0.\0l\0d\0t\0\r\0\n\0", 18);
    ScriviByte(dir.File("utf16.ntr"), utf16);
    ScriviByte(dir.File("binario.ntr"), std::string("\x7F" "ELF\x02\x01\x01\0\0", 9));
    ASSERT_EQ(::mkfifo(dir.File("fifo.ntr").c_str(), 0600), 0);
    {
        std::ofstream grande(dir.File("grande.ntr"), std::ios::binary);
        grande.seekp(static_cast<std::streamoff>(MaxByteLista));
        grande.put('\n');
    }
    for (const char* nome : {"utf16.ntr", "binario.ntr", "fifo.ntr", "grande.ntr", "/proc/self/mem"}) {
        const std::string p = nome[0] == '/' ? std::string(nome) : dir.File(nome);
        Voci v{"previous"};
        EXPECT_FALSE(LeggiListaNtr(p, v)) << nome;
        EXPECT_EQ(v, Voci{"previous"}) << nome;
    }
}

TEST(ListaNtr, WritesUtf8WithCrLfAndReadsBackTheSameEntries) {
    test::CartellaTemporanea dir;
    const Voci voci{"/l/citt\xC3\xA0.ldt", "", "rel/b.ldt"};
    std::string errore;
    ASSERT_TRUE(ScriviListaNtr(dir.File("l.ntr"), voci, errore)) << errore;
    EXPECT_EQ(LeggiByte(dir.File("l.ntr")), "/l/citt\xC3\xA0.ldt\r\n\r\nrel/b.ldt\r\n");
    Voci lette;
    ASSERT_TRUE(LeggiListaNtr(dir.File("l.ntr"), lette));
    EXPECT_EQ(lette, voci);
    ASSERT_TRUE(ScriviListaNtr(dir.File("l.ntr"), {"x"}, errore));
    EXPECT_EQ(LeggiByte(dir.File("l.ntr")), "x\r\n") << "an existing list is replaced";
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.Str()), fs::directory_iterator()), 1) << "no file left behind";
}

TEST(ListaNtr, AFailedWriteLeavesTheTargetAndNoStrayFile) {
    test::CartellaTemporanea dir;
    const std::string bersaglio = dir.File("l.ntr");
    fs::create_directories(bersaglio);  // a folder where the list should go
    ScriviByte(bersaglio + "/dentro", "old");
    std::string errore;
    EXPECT_FALSE(ScriviListaNtr(bersaglio, {"new"}, errore));
    EXPECT_NE(errore.find(bersaglio), std::string::npos) << errore;
    EXPECT_EQ(LeggiByte(bersaglio + "/dentro"), "old");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.Str()), fs::directory_iterator()), 1);
}

TEST(ListaNtr, AWriteIntoAMissingFolderFails) {
    test::CartellaTemporanea dir;
    std::string errore;
    EXPECT_FALSE(ScriviListaNtr(dir.File("no/such/folder/l.ntr"), {"a"}, errore));
    EXPECT_NE(errore.find("no/such/folder"), std::string::npos) << errore;
}

TEST(VoceLista, EntriesAreFoundAsWrittenFromTheListFolderOrByName) {
    test::CartellaTemporanea dir;
    const std::string liste = dir.File("liste"), prog = dir.File("prog");
    fs::create_directories(liste + "/sotto");
    fs::create_directories(prog + "/ldt");
    ScriviByte(liste + "/sotto/rel.ldt", "x");
    ScriviByte(liste + "/Accanto.LDT", "x");
    ScriviByte(prog + "/ldt/strada.ldt", "x");
    ScriviByte(dir.File("altrove.ldt"), "x");
    struct Caso {
        std::string voce;
        std::string atteso;
    };
    const Caso casi[] = {
        {dir.File("altrove.ldt"), dir.File("altrove.ldt")},
        {"sotto/rel.ldt", liste + "/sotto/rel.ldt"},
        {"C:\\Progetti\\ldt\\accanto.ldt", liste + "/Accanto.LDT"},
        {"C:\\Nottaro\\ldt\\STRADA.ldt", prog + "/ldt/strada.ldt"},
        {"/other/machine/strada.ldt", prog + "/ldt/strada.ldt"},
        {"C:\\Nottaro\\ldt\\manca.ldt", ""},
        {"", ""},
        {"   ", ""},
    };
    for (const Caso& c : casi) EXPECT_EQ(RisolviVoceLista(c.voce, liste, prog), c.atteso) << c.voce;
    // One resolver for a whole list reuses its folder scans: twice over, the
    // same files.
    RisolutoreLista risolutore(liste, prog);
    for (int giro = 0; giro < 2; ++giro)
        for (const Caso& c : casi) EXPECT_EQ(risolutore.Risolvi(c.voce), c.atteso) << c.voce;
    EXPECT_EQ(RisolviVoceLista("accanto.ldt", "", prog), "") << "no list folder, not in ldt";
}

TEST(VoceLista, FileInCartellaRefusesFolderParts) {
    test::CartellaTemporanea dir;
    fs::create_directories(dir.File("ldt"));
    ScriviByte(dir.File("segreto.ldt"), "x");
    ScriviByte(dir.File("ldt/Lume.ldt"), "x");
    EXPECT_EQ(FileInCartella(dir.File("ldt"), "lume.LDT"), dir.File("ldt/Lume.ldt"));
    for (const char* nome : {"../segreto.ldt", "..\\segreto.ldt", "..", ".", "", "sub/Lume.ldt"})
        EXPECT_EQ(FileInCartella(dir.File("ldt"), nome), "") << nome;
}

}  // namespace
}  // namespace nottaro
