// Third-party photometry travels with its licence: every copy of a file that
// the fixtures' SOURCES.md traces to another repository, anywhere in the
// tests or the shipped program folder, has the MIT notices beside it.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "support/LeggiFile.h"
#include "support/Percorsi.h"

namespace nottaro {
namespace {

namespace fs = std::filesystem;

// The files of the table whose origin is another repository.
std::vector<std::string> FileDiTerzi() {
    std::istringstream righe(test::LeggiFile(test::Fixture("photometry/SOURCES.md")));
    std::vector<std::string> nomi;
    std::string riga;
    while (std::getline(righe, riga)) {
        if (riga.rfind("| ", 0) != 0) continue;
        const auto a = riga.find(" | ", 2);
        if (a == std::string::npos) continue;
        const std::string origine = riga.substr(a + 3, riga.find(" | ", a + 3) - a - 3);
        if (origine.rfind("github ", 0) == 0 || origine.rfind("same repository", 0) == 0)
            nomi.push_back(riga.substr(2, a - 2));
    }
    return nomi;
}

TEST(LicenzeFotometrie, EveryCopyOfThirdPartyPhotometryHasTheMitNoticesBesideIt) {
    const auto nomi = FileDiTerzi();
    ASSERT_GE(nomi.size(), 9u) << "the table of third-party files was not read";
    std::set<std::string> contenuti;
    for (const auto& n : nomi) {
        const std::string c = test::LeggiFile(test::Fixture("photometry/" + n));
        ASSERT_FALSE(c.empty()) << n;
        contenuti.insert(c);
    }
    int copie = 0;
    for (const char* radice : {"tests", "data"}) {
        for (const auto& voce : fs::recursive_directory_iterator(test::Sorgente(radice))) {
            if (!voce.is_regular_file() || voce.file_size() > (4u << 20)) continue;
            if (!contenuti.count(test::LeggiFile(voce.path()))) continue;
            ++copie;
            const std::string licenze = test::LeggiFile(voce.path().parent_path() / "LICENSES.md");
            for (const char* nota : {"MIT License", "Copyright (c) 2026 123VincentB", "Copyright (c) 2023 Damian Lippok",
                                     "The above copyright notice and this permission notice shall be"})
                EXPECT_NE(licenze.find(nota), std::string::npos) << voce.path() << ": LICENSES.md beside it lacks \"" << nota << "\"";
        }
    }
    // The fixtures themselves and the sample of the program folder.
    EXPECT_GE(copie, static_cast<int>(nomi.size()) + 1);
}

}  // namespace
}  // namespace nottaro
