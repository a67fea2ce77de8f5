#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include <sys/stat.h>

#include "core/files/Configurazione.h"
#include "support/CartellaTemporanea.h"

namespace nottaro {
namespace {

using test::CartellaTemporanea;

void ScriviFile(const std::string& percorso, const std::string& contenuto) {
    std::ofstream(percorso, std::ios::binary) << contenuto;
}

std::string Contenuto(const std::string& percorso) {
    std::ifstream in(percorso, std::ios::binary);
    std::ostringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

TEST(LeggiLingua, MissingFileAsksForTheFirstStartDialog) {
    CartellaTemporanea dir;
    EXPECT_FALSE(LeggiLingua(dir.Str()).has_value());
}

// A pipe would block the start (and report, list-report) for ever; a huge
// file would fill the memory: neither is a configuration.
TEST(LeggiLingua, PipesAndOversizedFilesAreNotReadAtAll) {
    CartellaTemporanea dir;
    const std::string pipe = dir.File("pipe"), grande = dir.File("grande");
    std::filesystem::create_directories(pipe);
    std::filesystem::create_directories(grande);
    ASSERT_EQ(::mkfifo((pipe + "/ntr.cfg").c_str(), 0600), 0);
    ASSERT_EQ(::mkfifo((pipe + "/ntr-masterplan.cfg").c_str(), 0600), 0);
    ScriviFile(grande + "/ntr.cfg", "2\r\n");
    std::filesystem::resize_file(grande + "/ntr.cfg", 1u << 20);
    for (const std::string& d : {pipe, grande}) EXPECT_FALSE(LeggiLingua(d).has_value()) << d;
    StatoProgetto s;
    EXPECT_FALSE(LeggiMasterplan(pipe, s));
}

// Whatever line 1 holds, the start goes on; a value the program cannot take
// is English and is warned of (2103 names the value, 2104 the UTF-16 file).
TEST(LeggiLingua, LineOneDecidesAndAnythingUnusableMeansEnglishWithAWarning) {
    using namespace std::string_literals;
    struct Caso { std::string contenuto; int atteso; int avviso; const char* valore; };
    const Caso casi[] = {
        {"2\r\n", 2, -1, ""},       // French
        {"3\r\n", 3, -1, ""},       // German: only through the file
        {"0\n", 0, -1, ""},         // LF line end
        {"4", 4, -1, ""},           // no line end
        {"0\r\n3\r\n", 0, -1, ""},  // later lines are never read
        {"7\r\n", 1, 2103, "7"},    // out of range
        {"-1\r\n", 1, 2103, "-1"},
        {"abc\r\n", 1, 2103, "abc"},  // not an integer: never stops the start
        {"2.5\r\n", 1, 2103, "2.5"},
        {"", 1, 2103, ""},          // empty file
        {"\r\n2\r\n", 1, 2103, ""},   // blank line 1
        {"\xFF\xFE" "2\0\r\0\n\0"s, 1, 2104, nullptr},  // UTF-16, as Notepad saves "Unicode"
        {"\xFE\xFF\0" "2\0\r\0\n"s, 1, 2104, nullptr},  // UTF-16 big-endian
        {"2\0\r\0\n\0"s, 1, 2104, nullptr},              // UTF-16 without its mark
    };
    for (const auto& c : casi) {
        CartellaTemporanea dir;
        ScriviFile(dir.File("ntr.cfg"), c.contenuto);
        MessaggioCatalogo avviso;
        auto lingua = LeggiLingua(dir.Str(), &avviso);
        ASSERT_TRUE(lingua.has_value()) << c.contenuto;
        EXPECT_EQ(*lingua, c.atteso) << "ntr.cfg holding \"" << c.contenuto << "\"";
        EXPECT_EQ(avviso.numero, c.avviso) << c.contenuto;
        if (c.avviso < 0) continue;
        ASSERT_FALSE(avviso.argomenti.empty());
        EXPECT_EQ(avviso.argomenti.back(), dir.File("ntr.cfg"));
        if (c.valore) EXPECT_EQ(avviso.argomenti.front(), c.valore);
    }
}

TEST(ScriviLingua, WritesOneCrLfLineThatReadsBack) {
    CartellaTemporanea dir;
    ScriviFile(dir.File("ntr.cfg"), "0\r\nresto di un file vecchio\r\n");
    ASSERT_TRUE(ScriviLingua(dir.Str(), 4));
    EXPECT_EQ(Contenuto(dir.File("ntr.cfg")), "4\r\n");
    EXPECT_EQ(LeggiLingua(dir.Str()), 4);
}

TEST(ScriviLingua, RefusesAnUnknownLanguageAndKeepsTheFile) {
    CartellaTemporanea dir;
    ASSERT_TRUE(ScriviLingua(dir.Str(), 2));
    EXPECT_FALSE(ScriviLingua(dir.Str(), 5));
    EXPECT_FALSE(ScriviLingua(dir.Str(), -1));
    EXPECT_EQ(Contenuto(dir.File("ntr.cfg")), "2\r\n");
}

TEST(ScriviLingua, FailsWhenTheFolderCannotBeWritten) {
    CartellaTemporanea dir;
    EXPECT_FALSE(ScriviLingua(dir.File("non-esiste"), 1));
}

TEST(LeggiMasterplan, DerivesTheThreeFoldersFromTheBaseFolder) {
    CartellaTemporanea dir;
    ScriviFile(dir.File("ntr-masterplan.cfg"), "/dati/masterplan\r\n/ignorata\r\n");
    StatoProgetto s;
    s.DirProgetto = "/vecchia/cartella";
    ASSERT_TRUE(LeggiMasterplan(dir.Str(), s));
    EXPECT_EQ(s.DirLdtMaster, "/dati/masterplan/ldt");
    EXPECT_EQ(s.DirCorpi, "/dati/masterplan/corpi");
    EXPECT_EQ(s.DirImmagini, "/dati/masterplan/images");
    EXPECT_TRUE(s.DirProgetto.empty());
}

TEST(DirLdtAccanto, IsTheLdtFolderBesideTheWorkbook) {
    const struct { const char* cartella; const char* atteso; } casi[] = {
        {"/dati/prog/strade.xlsx", "/dati/prog/ldt"},
        {"rel/strade.xls", "rel/ldt"},
        {"strade.xlsx", "./ldt"},  // a bare name lies in the working folder
    };
    for (const auto& c : casi) EXPECT_EQ(DirLdtAccanto(c.cartella), c.atteso) << c.cartella;
}

TEST(LeggiMasterplan, MissingOrBlankFileLeavesTheFoldersAlone) {
    for (const char* contenuto : {static_cast<const char*>(nullptr), "", "   \r\n"}) {
        CartellaTemporanea dir;
        if (contenuto) ScriviFile(dir.File("ntr-masterplan.cfg"), contenuto);
        StatoProgetto s;
        s.DirLdtMaster = "/x/ldt";
        s.DirProgetto = "/x/prog";
        EXPECT_FALSE(LeggiMasterplan(dir.Str(), s));
        EXPECT_EQ(s.DirLdtMaster, "/x/ldt");
        EXPECT_EQ(s.DirProgetto, "/x/prog");
    }
}

}  // namespace
}  // namespace nottaro
