// The lighting code builds and runs without a display: core, the engines, the
// store and the catalogue never include a Qt header (the desktop parts link to them, never
// the other way round).
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <string>
#include <vector>

#include "support/Percorsi.h"

namespace nottaro {
namespace {

bool IncludeQt(const std::string& riga) {
    static const std::regex qt(R"(^\s*#\s*include\s*[<"](Qt[A-Za-z]*[/>"]|Q[A-Z][A-Za-z]*(\.h)?[>"]))");
    return std::regex_search(riga, qt);
}

TEST(SenzaQt, RecognisesEveryFormOfAQtInclude) {
    for (const char* si : {"#include <QString>", "  #  include <QtCore/QObject>", "#include \"QPainter\"",
                           "#include <QtWidgets>", "#include <QWidget.h>"})
        EXPECT_TRUE(IncludeQt(si)) << si;
    for (const char* no : {"#include <queue>", "#include \"core/text/Testo.h\"", "// #include <vector> QString",
                           "#include \"engine/road/Quota.h\""})
        EXPECT_FALSE(IncludeQt(no)) << no;
}

TEST(SenzaQt, CoreEnginesAndStoreIncludeNoQtHeader) {
    std::vector<std::string> trovati;
    int letti = 0;
    for (const char* cartella : {"core", "engine", "store", "catalogue"}) {
        const std::filesystem::path radice = test::Sorgente(cartella);
        if (!std::filesystem::exists(radice)) continue;
        for (const auto& e : std::filesystem::recursive_directory_iterator(radice)) {
            const std::string est = e.path().extension().string();
            if (!e.is_regular_file() || (est != ".h" && est != ".cpp" && est != ".inl")) continue;
            ++letti;
            std::ifstream in(e.path());
            std::string riga;
            for (int n = 1; std::getline(in, riga); ++n)
                if (IncludeQt(riga)) trovati.push_back(e.path().string() + ":" + std::to_string(n) + ": " + riga);
        }
    }
    EXPECT_GT(letti, 0);
    for (const auto& t : trovati) ADD_FAILURE() << t;
}

}  // namespace
}  // namespace nottaro
