// The engine's folders stand on each other in one order: comune (figures
// shared by roads and paths) under sweep (the run machinery, rows, energy and
// cost) under road and area, which never include each other, under progetto
// (what a caller asks of a whole design). A folder includes only those below.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <string>

#include "support/Percorsi.h"

namespace nottaro {
namespace {

// What each engine folder may include besides itself.
const std::map<std::string, std::set<std::string>>& Permessi() {
    static const std::map<std::string, std::set<std::string>> p{
        {"comune", {}},
        {"sweep", {"comune"}},
        {"road", {"comune", "sweep"}},
        {"area", {"comune", "sweep"}},
        {"progetto", {"comune", "sweep", "road", "area"}},
    };
    return p;
}

TEST(StratiMotore, OgniCartellaIncludeSoloQuelleSottostanti) {
    static const std::regex include(R"re(^\s*#\s*include\s*"engine/([A-Za-z_]+)/)re");
    const std::filesystem::path radice = test::Sorgente("engine");
    int letti = 0;
    for (const auto& e : std::filesystem::recursive_directory_iterator(radice)) {
        const std::string est = e.path().extension().string();
        if (!e.is_regular_file() || (est != ".h" && est != ".cpp" && est != ".inl")) continue;
        const std::string cartella = std::filesystem::relative(e.path(), radice).begin()->string();
        const auto permessi = Permessi().find(cartella);
        ASSERT_NE(permessi, Permessi().end()) << "engine/" << cartella << " has no place in the layers";
        ++letti;
        std::ifstream in(e.path());
        std::string riga;
        std::smatch m;
        for (int n = 1; std::getline(in, riga); ++n)
            if (std::regex_search(riga, m, include) && m[1] != cartella && !permessi->second.count(m[1]))
                ADD_FAILURE() << e.path().string() << ":" << n << ": " << riga;
    }
    EXPECT_GT(letti, 0);
}

}  // namespace
}  // namespace nottaro
