// The lighting code builds and runs without a display: core, the engines,
// the store, the catalogue and the Masterplan batch never include a Qt header
// (the desktop parts link to them, never the other way round).
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
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
    for (const char* cartella : {"core", "engine", "store", "masterplan", "catalogue"}) {
        const std::filesystem::path radice = test::Sorgente(cartella);
        if (!std::filesystem::exists(radice)) continue;
        for (auto it = std::filesystem::recursive_directory_iterator(radice); it != decltype(it){}; ++it) {
            const auto& e = *it;
            // The Masterplan's printing is a Qt Gui library of its own, held below.
            if (e.is_directory() && e.path() == test::Sorgente("masterplan/report")) {
                it.disable_recursion_pending();
                continue;
            }
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

// Header named by an include line (<QLabel>, <QtWidgets/QLabel>, "QLabel"), empty when none.
std::string HeaderIncluso(const std::string& riga) {
    static const std::regex inc(R"(^\s*#\s*include\s*[<"]([^>"]+)[>"])");
    std::smatch m;
    return std::regex_search(riga, m, inc) ? m[1].str() : std::string();
}

bool DeiWidget(const std::string& header) {
    if (header.rfind("QtWidgets", 0) == 0) return true;
    return !header.empty() && header.find('/') == std::string::npos &&
           std::filesystem::exists(std::filesystem::path(NOTTARO_QT_WIDGETS_DIR) / header);
}

TEST(SenzaQt, WidgetHeadersAreRecognised) {
    for (const char* si : {"#include <QWidget>", "#include <QtWidgets/QLabel>", "#include \"QMessageBox\"", "#include <QtWidgets>"})
        EXPECT_TRUE(DeiWidget(HeaderIncluso(si))) << si;
    for (const char* no : {"#include <QPainter>", "#include <QImage>", "#include <QSvgGenerator>", "#include <vector>"})
        EXPECT_FALSE(DeiWidget(HeaderIncluso(no))) << no;
}

// The diagram drawing is shared with the printed reports, and the Masterplan
// prints from the batch: both paint on a QPainter and never include a widget.
TEST(SenzaQt, DrawingLibrariesIncludeNoWidgetHeader) {
    for (const char* cartella : {"grafica", "masterplan/report"}) {
        const std::filesystem::path radice = test::Sorgente(cartella);
        ASSERT_TRUE(std::filesystem::exists(radice)) << cartella;
        for (const auto& e : std::filesystem::recursive_directory_iterator(radice)) {
            if (!e.is_regular_file()) continue;
            std::ifstream in(e.path());
            std::string riga;
            for (int n = 1; std::getline(in, riga); ++n)
                if (DeiWidget(HeaderIncluso(riga))) ADD_FAILURE() << e.path().string() << ":" << n << ": " << riga;
            if (e.path().filename() == "CMakeLists.txt") {
                in.clear();
                in.seekg(0);
                const std::string testo((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
                EXPECT_EQ(testo.find("Widgets"), std::string::npos) << e.path().string() << " links the widgets module";
            }
        }
    }
}

}  // namespace
}  // namespace nottaro
