#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "core/files/CartellaProgramma.h"
#include "support/CartellaTemporanea.h"

namespace nottaro {
namespace {

namespace fs = std::filesystem;
using test::CartellaTemporanea;

void Scrivi(const fs::path& p, const std::string& testo = "x") {
    fs::create_directories(p.parent_path());
    std::ofstream(p, std::ios::binary) << testo;
}

// A shipped folder as the package installs it, plus what a user's run leaves
// in a development tree's data/ (never to be handed on to another user).
struct Spedita {
    fs::path radice;
    explicit Spedita(const CartellaTemporanea& dir) : radice(fs::path(dir.Str()) / "share") {
        for (const char* f : {"lightlist.dbf", "NTRProd0.dat", "ldt/sample.ldt", "help/en/index.html", "img/ND.jpg"})
            Scrivi(radice / f, f);
        for (const char* f : {"ntr.cfg", "ntr-masterplan.cfg", "ntrlux.dbf", "ntrluxa.dbf", "strada.nt1", "piano.nt0",
                              "piano-Elenco_Progetti.xlsx"})
            Scrivi(radice / f);
        ::mkfifo((radice / "tubo").c_str(), 0600);  // would block a copy that reads it
    }
};

TEST(CartellaProgramma, ChoosesTheRequestedThenAWorkingProgramFolderThenThePerUserOne) {
    CartellaTemporanea dir;
    const fs::path d(dir.Str());
    const fs::path programma = d / "programma", vuota = d / "vuota";
    Scrivi(programma / "ntr.cfg", "1\r\n");
    const fs::path soloMasterplan = d / "dati-masterplan";
    Scrivi(soloMasterplan / "ntr-masterplan.cfg", "/dati\r\n");
    fs::create_directories(vuota);
    const std::string shipped = (d / "spedita").string();
    Scrivi(fs::path(shipped) / "lightlist.dbf");  // a program folder, but the shipped one

    struct Caso {
        const char* nome;
        std::string richiesta, corrente, xdg, home, attesa;
    };
    const Caso casi[] = {
        {"requested wins", (d / "scelta").string(), programma.string(), "", (d / "casa").string(), (d / "scelta").string()},
        {"working program folder", "", programma.string(), "", (d / "casa").string(), programma.string()},
        {"Masterplan configuration only", "", soloMasterplan.string(), "", (d / "casa").string(),
         soloMasterplan.string()},
        {"plain working folder", "", vuota.string(), "", (d / "casa").string(), (d / "casa/.local/share/nottaro").string()},
        {"XDG_DATA_HOME", "", vuota.string(), (d / "xdg").string(), (d / "casa").string(), (d / "xdg/nottaro").string()},
        {"relative XDG_DATA_HOME ignored", "", vuota.string(), "xdg", (d / "casa").string(),
         (d / "casa/.local/share/nottaro").string()},
        {"shipped folder never written", "", shipped, "", (d / "casa").string(), (d / "casa/.local/share/nottaro").string()},
    };
    for (const auto& c : casi) {
        const CartellaProgramma scelta = ScegliCartellaProgramma({c.richiesta, c.corrente, c.xdg, c.home, {shipped}});
        EXPECT_EQ(scelta.cartella, c.attesa) << c.nome;
        EXPECT_TRUE(fs::is_directory(c.attesa)) << c.nome;
    }

    const CartellaProgramma senzaCasa = ScegliCartellaProgramma({"", vuota.string(), "", "", {shipped}});
    EXPECT_TRUE(senzaCasa.cartella.empty());
    EXPECT_FALSE(senzaCasa.errore.empty());
    Scrivi(d / "un-file");
    const CartellaProgramma suFile = ScegliCartellaProgramma({(d / "un-file").string(), vuota.string(), "", "", {}});
    EXPECT_TRUE(suFile.cartella.empty());
    EXPECT_NE(suFile.errore.find("un-file"), std::string::npos);
}

TEST(CartellaProgramma, ANewFolderGetsTheShippedFilesButNoUsersFilesAndAnExistingOneIsLeftAsItIs) {
    CartellaTemporanea dir;
    const Spedita s(dir);
    const fs::path utente = fs::path(dir.Str()) / "casa/.local/share/nottaro";
    const FontiCartellaProgramma fonti{"", dir.Str(), "", dir.Str() + "/casa",
                                       {dir.Str() + "/manca", s.radice.string()}};

    const CartellaProgramma prima = ScegliCartellaProgramma(fonti);
    ASSERT_EQ(prima.cartella, utente.string()) << prima.errore;
    EXPECT_TRUE(prima.seminata);
    for (const char* f : {"lightlist.dbf", "NTRProd0.dat", "ldt/sample.ldt", "help/en/index.html", "img/ND.jpg"})
        EXPECT_TRUE(fs::is_regular_file(utente / f)) << f;
    for (const char* f : {"ntr.cfg", "ntr-masterplan.cfg", "ntrlux.dbf", "ntrluxa.dbf", "strada.nt1", "piano.nt0",
                          "piano-Elenco_Progetti.xlsx", "tubo"})
        EXPECT_FALSE(fs::exists(utente / f)) << f;
    // Nothing is left beside it from the copy.
    for (const auto& e : fs::directory_iterator(utente.parent_path())) EXPECT_EQ(e.path(), utente);
    EXPECT_TRUE(fs::exists(s.radice / "ntr.cfg"));  // the shipped folder is only read

    // The user's own changes survive the next start.
    Scrivi(utente / "ntr.cfg", "2\r\n");
    fs::remove(utente / "lightlist.dbf");
    const CartellaProgramma dopo = ScegliCartellaProgramma(fonti);
    EXPECT_EQ(dopo.cartella, utente.string());
    EXPECT_FALSE(dopo.seminata);
    EXPECT_TRUE(fs::exists(utente / "ntr.cfg"));
    EXPECT_FALSE(fs::exists(utente / "lightlist.dbf"));
}

// Two first starts at the same moment: the second finds the folder the first
// put in place and is content with it.
TEST(CartellaProgramma, SeedingAFolderAnotherStartFilledIsNoFailure) {
    CartellaTemporanea dir;
    const Spedita s(dir);
    const std::string meta = dir.File("nottaro");
    ASSERT_EQ(SeminaCartella(s.radice.string(), meta), "");
    Scrivi(fs::path(meta) / "ntr.cfg", "4\r\n");
    EXPECT_EQ(SeminaCartella(s.radice.string(), meta), "");
    EXPECT_TRUE(fs::exists(fs::path(meta) / "ntr.cfg"));
    for (const auto& e : fs::directory_iterator(dir.Str()))
        EXPECT_TRUE(e.path() == fs::path(meta) || e.path() == s.radice) << e.path();
}

}  // namespace
}  // namespace nottaro
