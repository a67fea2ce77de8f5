// The .LP letterhead record: fields at their offsets in Windows-1252, the
// logo name read from its 150 characters, short and malformed files, and
// saving over an existing letterhead.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "report/LetteraIntestata.h"
#include "support/CartellaTemporanea.h"
#include "support/InterazioneFinta.h"
#include "support/LeggiFile.h"

namespace nottaro {
namespace {

Intestazione Esempio() {
    Intestazione i;
    i.Societa = "Società Luce Città S.r.l.";
    i.Unita = "Ufficio Tecnico";
    i.Indirizzo = "Via Garibaldi 1";
    i.Indirizzo2 = "Piano 2°";
    i.Localita = "Forlì (FC)";
    i.Telefono = "0543 123456";
    i.Fax = "0543 654321";
    i.Operatore = "progettista@example.com";
    return i;
}

void ScriviByte(const std::string& file, const std::string& b) {
    std::ofstream(file, std::ios::binary).write(b.data(), static_cast<std::streamsize>(b.size()));
}

TEST(LetteraIntestata, RecordKeepsEveryFieldAtItsOffsetInWindows1252) {
    const std::string b = CodificaLP(Esempio(), "logo ditta.jpg");
    ASSERT_EQ(b.size(), DimensioneLP);
    // "Società" is one byte per letter: à is 0xE0 in the code page.
    EXPECT_EQ(static_cast<unsigned char>(b[0]), 25);
    EXPECT_EQ(b.substr(1, 7), "Societ\xE0");
    EXPECT_EQ(static_cast<unsigned char>(b[405]), 11);
    EXPECT_EQ(b.substr(406, 11), "0543 123456");
    EXPECT_EQ(static_cast<unsigned char>(b[528]), 14);
    EXPECT_EQ(b.substr(529, 14), "logo ditta.jpg");
    EXPECT_EQ(b.substr(543, 136), std::string(136, ' '));  // padded to 150

    const RecordLP r = DecodificaLP(b);
    EXPECT_FALSE(r.corto);
    EXPECT_EQ(r.intest.Societa, Esempio().Societa);
    EXPECT_EQ(r.intest.Localita, "Forlì (FC)");
    EXPECT_EQ(r.intest.Indirizzo2, "Piano 2°");
    EXPECT_EQ(r.intest.Operatore, Esempio().Operatore);
    EXPECT_EQ(r.intest.Logo, "logo ditta.jpg");
    EXPECT_EQ(r.logoInUso, "logo ditta.jpg");  // the inner blank stays
}

TEST(LetteraIntestata, TextsLongerThanTheirFieldAreCutAndOversizedLengthBytesClamped) {
    Intestazione i;
    i.Telefono = std::string(30, '9');
    std::string b = CodificaLP(i, "");
    EXPECT_EQ(static_cast<unsigned char>(b[405]), 20);
    EXPECT_EQ(DecodificaLP(b).intest.Telefono, std::string(20, '9'));
    // A length byte of 200 in an 80-character field reads 80 characters.
    b[0] = static_cast<char>(200);
    std::fill(b.begin() + 1, b.begin() + 81, 'A');
    EXPECT_EQ(DecodificaLP(b).intest.Societa, std::string(80, 'A'));
}

TEST(LetteraIntestata, ShortFileGivesEmptyMissingFieldsAndAWarningAtStartUp) {
    test::CartellaTemporanea dir;
    std::filesystem::create_directories(dir.File("Intestazioni"));
    // Cut inside the address: Societa and Unita whole, Indirizzo partly there.
    ScriviByte(dir.File("Intestazioni/custom.LP"), CodificaLP(Esempio(), "logo.png").substr(0, 170));
    StatoProgetto s;
    s.DirProg = dir.Str();
    s.Intest.Fax = "previous letterhead";
    test::InterazioneFinta ui;
    CaricaIntestazione(s, ui);
    EXPECT_EQ(s.Intest.Societa, Esempio().Societa);
    EXPECT_EQ(s.Intest.Unita, "Ufficio Tecnico");
    EXPECT_EQ(s.Intest.Indirizzo, "Via Gar");
    EXPECT_EQ(s.Intest.Fax, "");  // not the previous letterhead's
    EXPECT_EQ(s.LogoIntest, "");
    ASSERT_EQ(ui.Conta("avviso"), 1);
    EXPECT_NE(ui.mostrati[0].testo.find("custom.LP"), std::string::npos);
}

TEST(LetteraIntestata, StartUpLoadsCustomLpWithTheWholeLogoName) {
    test::CartellaTemporanea dir;
    std::filesystem::create_directories(dir.File("Intestazioni"));
    ScriviByte(dir.File("Intestazioni/custom.LP"), CodificaLP(Esempio(), "logo ditta.jpg"));
    StatoProgetto s;
    s.DirProg = dir.Str();
    test::InterazioneFinta ui;
    CaricaIntestazione(s, ui);
    EXPECT_EQ(s.DirIntest, dir.File("Intestazioni/"));
    EXPECT_EQ(s.LogoIntest, "logo ditta.jpg");
    EXPECT_EQ(s.Intest.Societa, Esempio().Societa);
    EXPECT_EQ(ui.mostrati.size(), 0u);

    StatoProgetto senza;
    senza.DirProg = dir.File("altrove");
    CaricaIntestazione(senza, ui);
    EXPECT_EQ(senza.DirIntest, "");
    EXPECT_EQ(senza.LogoIntest, "");
}

// The logo is looked for beside the letterhead only; a pipe or a huge file
// named as the letterhead is not read at all.
TEST(LetteraIntestata, LogoNamesLeavingTheFolderAndNonRegularFilesAreRefused) {
    test::CartellaTemporanea dir;
    std::filesystem::create_directories(dir.File("Intestazioni"));
    for (const char* logo : {"../segreto.jpg", "/etc/logo.jpg", "..", "sotto\\logo.jpg"}) {
        SCOPED_TRACE(logo);
        ScriviByte(dir.File("Intestazioni/custom.LP"), CodificaLP(Esempio(), logo));
        StatoProgetto s;
        s.DirProg = dir.Str();
        test::InterazioneFinta ui;
        CaricaIntestazione(s, ui);
        EXPECT_EQ(s.LogoIntest, "");
        EXPECT_EQ(s.Intest.Societa, Esempio().Societa) << "the rest of the letterhead is kept";
        ASSERT_EQ(ui.mostrati.size(), 1u);
        EXPECT_NE(ui.mostrati[0].testo.find(logo), std::string::npos) << ui.mostrati[0].testo;
    }
    ASSERT_EQ(::mkfifo(dir.File("pipe.LP").c_str(), 0600), 0);
    ScriviByte(dir.File("grande.LP"), CodificaLP(Esempio(), "logo.jpg"));
    std::filesystem::resize_file(dir.File("grande.LP"), 1u << 20);
    for (const char* nome : {"pipe.LP", "grande.LP"}) EXPECT_FALSE(LeggiLP(dir.File(nome)).letto) << nome;
}

TEST(LetteraIntestata, SavingReplacesAnExistingFileAndAFailureKeepsIt) {
    test::CartellaTemporanea dir;
    const std::string file = dir.File("studio.LP");
    ScriviByte(file, CodificaLP(Esempio(), "vecchio.png"));
    Intestazione nuova = Esempio();
    nuova.Societa = "Nuova Società";
    ASSERT_EQ(ScriviLP(file, nuova, "nuovo.png"), "");
    const LetturaLP l = LeggiLP(file);
    ASSERT_TRUE(l.letto);
    EXPECT_EQ(l.record.intest.Societa, "Nuova Società");
    EXPECT_EQ(l.record.logoInUso, "nuovo.png");
    EXPECT_EQ(std::filesystem::file_size(file), DimensioneLP);

    if (::geteuid() != 0) {  // root writes into read-only folders
        ::chmod(dir.Str().c_str(), 0555);
        EXPECT_NE(ScriviLP(file, Esempio(), "x.png"), "");
        ::chmod(dir.Str().c_str(), 0755);
        EXPECT_EQ(LeggiLP(file).record.intest.Societa, "Nuova Società");
    }
    // A folder that cannot hold files (a file stands in its place) fails
    // even for root; a target that cannot be replaced stays as it was.
    ScriviByte(dir.File("file"), "x");
    EXPECT_NE(ScriviLP(dir.File("file/studio.LP"), Esempio(), ""), "");
    std::filesystem::create_directories(dir.File("cartella.LP/dentro"));
    EXPECT_NE(ScriviLP(dir.File("cartella.LP"), Esempio(), ""), "");
    EXPECT_TRUE(std::filesystem::is_directory(dir.File("cartella.LP/dentro")));
    EXPECT_FALSE(std::filesystem::exists(dir.File("cartella.LP.tmp")));
}

}  // namespace
}  // namespace nottaro
