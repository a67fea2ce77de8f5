// The libraries and programs stand on each other in one order: core under
// the store and the engines, which never include each other; the solution
// tables (store/soluzioni) join those two; the drawing, the catalogue, the
// Masterplan batch and the reports above them; the Masterplan printing above
// the batch and the reports; the windows and the command line on top, and
// the desktop program over the windows. A folder includes only those below.
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

namespace fs = std::filesystem;

// What each library (or program) folder may include besides itself.
const std::map<std::string, std::set<std::string>>& Permessi() {
    static const std::set<std::string> librerie{"core", "store", "engine", "store/soluzioni", "grafica",
                                                "catalogue", "masterplan", "report", "masterplan/report"};
    static const std::map<std::string, std::set<std::string>> p{
        {"core", {}},
        {"store", {"core"}},
        {"engine", {"core"}},
        {"store/soluzioni", {"core", "store", "engine"}},
        {"grafica", {"core"}},
        {"catalogue", {"core", "store"}},
        {"masterplan", {"core", "store", "engine"}},
        {"report", {"core", "store", "engine", "store/soluzioni", "grafica"}},
        {"masterplan/report", {"core", "engine", "grafica", "masterplan", "report"}},
        {"ui", librerie},
        {"cli", librerie},
        {"app", [] {
             auto s = librerie;
             s.insert("ui");
             return s;
         }()},
    };
    return p;
}

// The layer a source-relative path ("engine/road/X.h") belongs to: the
// longest folder of Permessi() it lies in, "" when none.
std::string Strato(const std::string& percorso) {
    std::string migliore;
    for (const auto& [cartella, _] : Permessi())
        if (percorso.rfind(cartella + "/", 0) == 0 && cartella.size() > migliore.size()) migliore = cartella;
    return migliore;
}

TEST(StratiLibrerie, NestedLibrariesAreLayersOfTheirOwn) {
    EXPECT_EQ(Strato("masterplan/report/PagineMP.h"), "masterplan/report");
    EXPECT_EQ(Strato("masterplan/valutazioni/StradaMP.h"), "masterplan");
    EXPECT_EQ(Strato("store/soluzioni/RigaDbf.h"), "store/soluzioni");
    EXPECT_EQ(Strato("store/TabellaDbf.h"), "store");
    EXPECT_EQ(Strato("tests/support/Percorsi.h"), "");
}

TEST(StratiLibrerie, OgniLibreriaIncludeSoloQuelleSottostanti) {
    static const std::regex include(R"re(^\s*#\s*include\s*"([A-Za-z_]+/[^"]*)")re");
    const fs::path radice = test::Sorgente("");
    std::map<std::string, int> letti;
    for (const auto& [cartella, permessi] : Permessi()) {
        for (const auto& e : fs::recursive_directory_iterator(radice / cartella)) {
            const std::string est = e.path().extension().string();
            if (!e.is_regular_file() || (est != ".h" && est != ".cpp" && est != ".inl")) continue;
            const std::string file = fs::relative(e.path(), radice).generic_string();
            if (Strato(file) != cartella) continue;  // a nested library, read as itself
            ++letti[cartella];
            std::ifstream in(e.path());
            std::string riga;
            std::smatch m;
            for (int n = 1; std::getline(in, riga); ++n) {
                if (!std::regex_search(riga, m, include)) continue;
                const std::string incluso = Strato(m[1].str());
                if (!incluso.empty() && incluso != cartella && !permessi.count(incluso))
                    ADD_FAILURE() << file << ":" << n << ": " << riga << " (" << cartella << " may not include "
                                  << incluso << ")";
            }
        }
    }
    for (const auto& [cartella, _] : Permessi()) EXPECT_GT(letti[cartella], 0) << cartella << " has no sources";
}

}  // namespace
}  // namespace nottaro
