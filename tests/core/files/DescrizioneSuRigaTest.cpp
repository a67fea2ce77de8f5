#include <gtest/gtest.h>

#include "core/files/DescrizioneSuRiga.h"

namespace nottaro {
namespace {

TEST(DescrizioneSuRiga, EveryKindOfLineBreakBecomesOneEscapeAndComesBackAsLf) {
    struct Caso { const char* testo; const char* riga; const char* riletto; };
    const Caso casi[] = {
        {"a\r\nb", "a\\nb", "a\nb"},
        {"a\nb", "a\\nb", "a\nb"},
        {"a\rb", "a\\nb", "a\nb"},       // lone CR
        {"a\r\n\r\nb", "a\\n\\nb", "a\n\nb"},
        {"\\n", "\\\\n", "\\n"},          // a typed backslash-n stays text
        {"fine\\", "fine\\\\", "fine\\"},
        {"", "", ""},
    };
    for (const auto& c : casi) {
        const std::string riga = CodificaSuRiga(c.testo);
        EXPECT_EQ(riga, c.riga) << c.testo;
        EXPECT_EQ(riga.find_first_of("\r\n"), std::string::npos);
        EXPECT_EQ(DecodificaDaRiga(riga), c.riletto) << c.riga;
    }
}

TEST(DescrizioneSuRiga, OlderTextWithPlainBackslashesReadsUnchanged) {
    EXPECT_EQ(DecodificaDaRiga("foto in C:\\dati\\impianti"), "foto in C:\\dati\\impianti");
    EXPECT_EQ(DecodificaDaRiga("fine\\"), "fine\\");
}

}  // namespace
}  // namespace nottaro
