#include <gtest/gtest.h>

#include <sstream>

#include "core/text/Testo.h"

using namespace nottaro;

TEST(Testo, GeneralFormatIsShortestWithFifteenDigitsAndADot) {
    struct { double x; const char* atteso; } casi[] = {
        {7, "7"}, {0.8, "0.8"}, {-0.5, "-0.5"}, {1.0 / 3, "0.333333333333333"}, {4200, "4200"},
        {0.1 + 0.2, "0.3"}, {-0.0, "0"}, {123456789012345.0, "123456789012345"}, {1e-7, "1e-07"}};
    for (auto& c : casi) EXPECT_EQ(FormatoGenerale(c.x), c.atteso) << c.x;
}

TEST(Testo, StrictConversionRefusesLeftovers) {
    EXPECT_EQ(ConvertiIntero(" 42 "), 42);
    EXPECT_EQ(ConvertiIntero("+3"), 3);
    EXPECT_FALSE(ConvertiIntero("4.0"));
    EXPECT_FALSE(ConvertiIntero(""));
    EXPECT_DOUBLE_EQ(*ConvertiReale(" -1.5e2\r"), -150);
    EXPECT_FALSE(ConvertiReale("1,5"));
    EXPECT_FALSE(ConvertiReale("abc"));
}

TEST(Testo, ReadsCrLfAndLfLines) {
    std::istringstream in("a\r\nb\nc");
    std::string r;
    std::vector<std::string> righe;
    while (LeggiRiga(in, r)) righe.push_back(r);
    EXPECT_EQ(righe, (std::vector<std::string>{"a", "b", "c"}));
}

TEST(Testo, LegacyTextRoundTripsThroughWindows1252) {
    const std::string cp1252 = "Citt\xE0 \x80 \x93x\x94";
    const std::string utf8 = DecodificaLegacy(cp1252);
    EXPECT_EQ(utf8, "Città € “x”");
    EXPECT_EQ(DecodificaLegacy(utf8), utf8);  // already UTF-8: untouched
    EXPECT_EQ(Utf8InCp1252(utf8), cp1252);
    EXPECT_EQ(Utf8InCp1252("Ω"), "?");
    EXPECT_FALSE(Utf8Valido("\xC3"));
}

TEST(Testo, FileNameAndExtension) {
    EXPECT_EQ(NomeFile("C:\\ldt\\Lamp.IES"), "Lamp.IES");
    EXPECT_EQ(NomeFile("/a/b/c.ldt"), "c.ldt");
    EXPECT_EQ(EstensioneMinuscola("/a/b.c/Lamp.IES"), ".ies");
    EXPECT_EQ(EstensioneMinuscola("/a/b.c/noext"), "");
}

namespace nottaro {
namespace {

// Letter case over the letters a Windows-1252 text can hold, in UTF-8.
TEST(LetteraMaiuscolaMinuscola, LettersOfTheCodePageChangeCaseTheRestStays) {
    const struct {
        const char* minuscole;
        const char* maiuscole;
    } casi[] = {
        {"me3b", "ME3B"},
        {"città più bella", "CITTÀ PIÙ BELLA"},
        {"øæçñ éèêë", "ØÆÇÑ ÉÈÊË"},
        {"šœžÿ", "ŠŒŽŸ"},
        {"x×÷y", "X×÷Y"},   // the multiplication and division signs have no case
        {"straße", "STRAßE"},  // ß has no single capital
        {"lm 1000 €", "LM 1000 €"},
    };
    for (const auto& k : casi) {
        EXPECT_EQ(Maiuscole(k.minuscole), k.maiuscole);
        EXPECT_EQ(Minuscole(k.maiuscole), k.minuscole == std::string("straße") ? "straße" : k.minuscole);
        EXPECT_TRUE(UgualiSenzaDistinguereMaiuscole(k.minuscole, k.maiuscole)) << k.minuscole;
    }
    EXPECT_FALSE(UgualiSenzaDistinguereMaiuscole("citta", "CITTÀ"));
    EXPECT_EQ(Minuscole("A\xff" "B"), "a\xff" "b");  // a byte that is not UTF-8 is kept as it is
    EXPECT_EQ(EstensioneMinuscola("C:\\DATI\\LAMPADA.LDT"), ".ldt");
}

}  // namespace
}  // namespace nottaro
