// The translators' table and the catalogue compiled from it: shape, the
// system's own Italian and English texts, completeness, and the agreement of
// accelerators, numbers and units across the five languages.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <fstream>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "core/i18n/Messaggi.h"
#include "support/Percorsi.h"

namespace nottaro {
namespace {

constexpr int It = 0, En = 1;

std::vector<std::string> Dividi(const std::string& riga) {
    std::vector<std::string> out;
    std::string campo;
    for (char c : riga) {
        if (c == '\t') {
            out.push_back(campo);
            campo.clear();
        } else {
            campo += c;
        }
    }
    out.push_back(campo);
    return out;
}

std::string Decodifica(const std::string& s) {
    std::string out;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '\\' && i + 1 < s.size()) {
            char c = s[++i];
            out += c == 'n' ? '\n' : c == 't' ? '\t' : c;
        } else {
            out += s[i];
        }
    }
    return out;
}

// Messages whose English is the system's own wording, kept as it is, so it
// need not carry the Italian's numbers; 378 says "zero emission at and above
// the horizon" where the Italian gives the figures.
const std::set<int> kIngleseOriginale = {24,  25,  37,  52,  95,  106, 107, 119, 138, 243, 244, 245, 247,
                                         248, 367, 378, 379, 394, 440, 441, 442, 443, 444, 445, 446};
const std::set<int> kSenzaTesto = {83, 98};

TEST(TabellaMessaggi, SourceTableHoldsTheOriginalMessagesInOrderThenTheAddedOnesAndMatchesTheProgram) {
    std::ifstream in(test::Sorgente("core/i18n/messages.tsv"), std::ios::binary);
    ASSERT_TRUE(in) << "core/i18n/messages.tsv missing";
    std::string riga;
    ASSERT_TRUE(std::getline(in, riga));
    EXPECT_EQ(riga, "n\tit\ten\tfr\tde\tes");
    std::vector<int> numeri;
    while (std::getline(in, riga)) {
        auto col = Dividi(riga);
        ASSERT_EQ(col.size(), 6u) << "after message " << (numeri.empty() ? -1 : numeri.back());
        const int n = std::stoi(col[0]);
        ASSERT_EQ(col[0], std::to_string(n));
        // 0 … 484 without a gap, then numbers from 1000 up, ascending.
        const int atteso = static_cast<int>(numeri.size());
        if (atteso < NumMessaggi) {
            ASSERT_EQ(n, atteso);
        } else {
            ASSERT_GE(n, PrimoMessaggioAggiunto);
            ASSERT_GT(n, numeri.back());
        }
        numeri.push_back(n);
        // What the program shows is exactly what the translators wrote.
        for (int l = 0; l < NumLingue; ++l) EXPECT_EQ(Msg(n, l), Decodifica(col[l + 1])) << n << "/" << l;
    }
    ASSERT_GE(numeri.size(), static_cast<std::size_t>(NumMessaggi));
    const auto programma = NumeriMessaggi();
    EXPECT_EQ(numeri, std::vector<int>(programma.begin(), programma.end()));
}

TEST(TabellaMessaggi, SystemTextsAreKeptToTheCharacter) {
    struct Caso {
        int n, lingua;
        const char* testo;
    };
    const Caso casi[] = {
        {46, It, "Uscendo si perderanno tutti i dati di progetto impostati.  Esco ora?"},
        {94, It, "(eventuale n° civico, palo da ... a  ...)"},
        {141, It, "Sostegno  Sostegno  apparecchio  media mant. generale longitud."},
        {178, It, "Perdite di Potenza (Apparecchio - Lampada)"},
        {243, En, "Total no. of lanes"},
        {379, En, "       Overhang"},
        {394, En, "The selected file is not an IESNA LM-63-1995 file!"},
        {440, It, "Lucerno - Nottaro ha rilevato la presenza di dati fotometrici da installare:"},
        {441, It, "Per estrarre tali dati nella cartella standard del programma premere il tasto \"Unzip\""},
        {441, En, "To extract the data into the program's standard folder, press \"Unzip\""},
        {94, En, "(house number if any, pole from ... to ...)"},
        {1932, It, "Selezione della cartella annullata"},
        {470, It, "Griglia personalizzata                        X"},
        {56, It, "C&arica Elenco LDT"},
        {262, It, "MIN Costo dell'Impianto al km [€/km]"},
        // The English of the message boxes and of the two-state choice.
        {46, En, "If you exit, all the design data will be lost. Exit now?"},
        {47, En, "To be defined"},
        {48, En, "Fixed"},
        {49, En, "The current settings will be cleared. Continue?"},
        {134, En, "Process stopped, or no result meets the design requirements, because:"},
        {135, En, "1- The error range on Lm is too small. Widen it in the calculation parameters"},
        {136, En, "2- Light source too powerful or not powerful enough to meet the design requirements"},
        {137, En, "3- Luminaire whose photometry is not compatible with the design requirements"},
        {139, En, "Before exiting, do you want to save the calculated design data?"},
        {140, En, "Available only when a single photometric file is loaded"},
        {242, En, "The value of height, overhang or tilt is not correct."},
        {378, En, "With a tilt other than 0°, zero emission at and above the horizon is not assured!"},
        {391, En, "To leave the economic section, the new-installation data must be either all zero or all non-zero."},
        {429, En, "Catalogue not found. See the help to install it."},
        {480, En, "Limit of 65,000 solutions reached. The program will stop the calculation."},
        // The colour temperature, in kelvin, named as such in every language.
        {400, It, "Temperatura di colore [K]"},
        {400, En, "Colour temperature [K]"},
        {400, 2, "Température de couleur [K]"},
        {400, 3, "Farbtemperatur [K]"},
        {400, 4, "Temperatura de color [K]"},
        // One term per concept in a language.
        {200, 4, "Tipo de pavimento:"},
        {346, 4, "Tipo de pavimento:"},
        {1906, 3, "Ja, nicht bindend (zeigt die minimale Bezugsklasse)"},
        {6, 2, "Fe&rmer"},
        {59, 2, "&Quitter"},
    };
    for (const auto& c : casi) EXPECT_EQ(Msg(c.n, c.lingua), c.testo) << "message " << c.n << " language " << c.lingua;
}

TEST(TabellaMessaggi, EveryTextExistsInAllLanguagesExceptTheDeliberateBlanks) {
    for (int n : NumeriMessaggi()) {
        if (kSenzaTesto.count(n)) {
            for (int l = 0; l < NumLingue; ++l) EXPECT_EQ(Msg(n, l), "") << n;
            continue;
        }
        // Entries without an Italian text are English-only captions; they
        // are still translated for the other languages. Added messages have
        // all five.
        for (int l = 0; l < NumLingue; ++l) {
            const bool vuotoVoluto = n < NumMessaggi && l == It && Msg(n, It).empty();
            if (vuotoVoluto) {
                EXPECT_EQ(Msg(n, l), "") << n << "/" << l;
            } else {
                EXPECT_NE(Msg(n, l), "") << "message " << n << " has no text in language " << l;
            }
        }
    }
    // The Italian-empty entries are exactly the English-only captions.
    std::set<int> soloInglese;
    for (int n = 0; n < NumMessaggi; ++n)
        if (Msg(n, It).empty() && !kSenzaTesto.count(n)) soloInglese.insert(n);
    EXPECT_EQ(soloInglese, (std::set<int>{243, 244, 245, 247, 248, 379}));
}

// Accelerator letters: a single "&" marks one, "&&" is a literal ampersand.
std::vector<std::string> Acceleratori(const std::string& s) {
    std::vector<std::string> out;
    for (std::size_t i = 0; i + 1 < s.size(); ++i) {
        if (s[i] != '&') continue;
        if (s[i + 1] == '&') {
            ++i;
            continue;
        }
        const unsigned char c = static_cast<unsigned char>(s[i + 1]);
        std::size_t lung = c < 0x80 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
        std::string lettera = s.substr(i + 1, lung);
        if (lung == 1) lettera[0] = static_cast<char>(std::tolower(c));
        out.push_back(lettera);
    }
    return out;
}

// Reference text of a message: the Italian, or the English where the Italian is empty.
const std::string& Riferimento(int n) { return Msg(n, It).empty() ? Msg(n, En) : Msg(n, It); }

TEST(TabellaMessaggi, EveryTranslationHasAsManyAcceleratorsAsTheItalian) {
    for (int n : NumeriMessaggi())
        for (int l = 1; l < NumLingue; ++l) {
            if (Msg(n, l).empty()) continue;
            EXPECT_EQ(Acceleratori(Msg(n, l)).size(), Acceleratori(Riferimento(n)).size())
                << "message " << n << " language " << l << ": " << Msg(n, l);
        }
}

TEST(TabellaMessaggi, AcceleratorsAreUniqueWithinEachMenuAndDialogOfTheTranslations) {
    // Message numbers of each menu or dialog; -1 stands for the fixed "&Ok"
    // button that shares the dialog.
    const std::map<std::string, std::vector<int>> gruppi = {
        {"menu bar", {53, 60, 78, 65, 70}},
        // The menu bar and the buttons of the road tab and below the tabs.
        {"main window", {53, 60, 78, 65, 70, 62, 63, 64, 61, 75}},
        {"File menu", {54, 55, 389, 56, 57, 58, 59}},
        {"Dati menu", {61, 62, 63, 64}},
        {"Lingua menu", {66, 67, 68, 69, 249}},
        {"Aiuto menu", {71, 72}},
        {"luminaire list", {101, 102, 103, 104, 105, -1}},
        {"letterhead", {116, 117, 118, -1}},
        {"catalogue", {364, 365, 6, -1}},
        {"identification", {91, 386, 93, 92, 385, 450, 6}},
    };
    for (const auto& [nome, voci] : gruppi)
        for (int l = 1; l < NumLingue; ++l) {
            std::map<std::string, int> visto;
            for (int n : voci)
                for (const auto& a : Acceleratori(n < 0 ? std::string("&Ok") : Msg(n, l))) {
                    auto [it, nuovo] = visto.emplace(a, n);
                    EXPECT_TRUE(nuovo) << nome << ", language " << l << ": \"" << a << "\" in messages " << it->second
                                       << " and " << n;
                }
        }
}

// Numbers, units and symbols a translation must carry over unchanged.
std::multiset<std::string> Segni(const std::string& s) {
    std::multiset<std::string> out;
    std::string numero;
    for (std::size_t i = 0; i <= s.size(); ++i) {
        const char c = i < s.size() ? s[i] : '\0';
        if (std::isdigit(static_cast<unsigned char>(c))) {
            numero += c;
            continue;
        }
        if (!numero.empty()) out.insert(numero);
        numero.clear();
        if (c == '%' || c == '[' || c == ']' || c == '=' || c == '<' || c == '>' || c == '+') out.insert(std::string(1, c));
    }
    // "°" after "[" or a zero is a degree sign (90°, [°]); after "1" or "N"
    // it is the ordinal, which each language writes its own way.
    for (const char* simbolo : {"[°", "0°", "€", "cd/klm", "cd/m", "kWh", "W/m", "lm/km"}) {
        for (auto p = s.find(simbolo); p != std::string::npos; p = s.find(simbolo, p + 1)) out.insert(simbolo);
    }
    return out;
}

TEST(TabellaMessaggi, NumbersUnitsAndSymbolsAgreeAcrossLanguages) {
    for (int n : NumeriMessaggi()) {
        const auto attesi = Segni(Riferimento(n));
        for (int l = 1; l < NumLingue; ++l) {
            if (Msg(n, l).empty() || (l == En && kIngleseOriginale.count(n))) continue;
            EXPECT_EQ(Segni(Msg(n, l)), attesi) << "message " << n << " language " << l << ": " << Msg(n, l);
        }
    }
}

TEST(TabellaMessaggi, VariableAndDefinedCannotBeMistakenForEachOtherInAnyLanguage) {
    // The two-state choices recognise "defined" by its text in any language.
    for (int a = 0; a < NumLingue; ++a)
        for (int b = 0; b < NumLingue; ++b) EXPECT_NE(Msg(45, a), Msg(48, b)) << a << "/" << b;
}

TEST(TabellaMessaggi, UnknownNumbersAndLanguagesGiveEmptyText) {
    // Between the original and the added messages no number is used.
    for (auto [n, l] : {std::pair{-1, 0}, {NumMessaggi, 0}, {PrimoMessaggioAggiunto - 1, 1}, {0, -1}, {0, NumLingue},
                        {NumMessaggi - 1, NumLingue}})
        EXPECT_EQ(Msg(n, l), "") << n << "/" << l;
}

}  // namespace
}  // namespace nottaro
