// nottaro-cli catalogue: filtering a program folder's catalogue, and lists it
// writes that the road sweep then runs file by file.
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "CatalogoProva.h"
#include "core/i18n/Messaggi.h"
#include "store/TabellaDbf.h"
#include "support/CartellaTemporanea.h"
#include "support/EseguiCli.h"
#include "support/Percorsi.h"

namespace nottaro {
namespace {

namespace fs = std::filesystem;
using test::Tra;

constexpr const char* Strada = "eulumdat-analysis_sample_19_LEDiL_STRADA_street_isym0.ldt";
constexpr const char* DueLampade = "eulumdat-analysis_sample_03_two_lamp_sets_isym4.ldt";

std::string LeggiByte(const std::string& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A program folder with three luminaires, the third without its file.
class CatalogoCli : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(test::ScriviCatalogo(
            dir.Str(), {
                           {{"PRODUTTORE", "Lumen"}, {"MODELLO", "Via"}, {"LINEA", "Stradale"}, {"TIPOLAMP", "LED"},
                            {"LUMEN", "20000"}, {"POTENZAR", "150"}, {"NOMEFILE", "strada.ldt"}},
                           {{"PRODUTTORE", "L'Aquila Luce"}, {"MODELLO", "Cubo"}, {"LINEA", "Stradale"},
                            {"LUMEN", "1983"}, {"POTENZAR", "18"}, {"NOMEFILE", "due.ldt"}},
                           {{"PRODUTTORE", "Lumen"}, {"MODELLO", "Via"}, {"LINEA", "Stradale"},
                            {"NOMEFILE", "perso.ldt"}},
                       }));
        fs::create_directories(dir.File("ldt"));
        fs::copy_file(test::Fixture(std::string("photometry/") + Strada), dir.File("ldt/strada.ldt"));
        fs::copy_file(test::Fixture(std::string("photometry/") + DueLampade), dir.File("ldt/due.ldt"));
        test::ScriviFile(dir.File("NTRProd2.dat"), "Lumen - Lumen Italia\r\n");
    }
    test::UscitaCli Catalogo(const std::string& argomenti) {
        return test::EseguiCli("catalogue --lang en --dir " + Tra(dir.Str()) + " " + argomenti);
    }
    test::CartellaTemporanea dir;
};

TEST_F(CatalogoCli, ListsTheFilteredRows) {
    struct Caso {
        std::string argomenti;
        int righe;
    };
    const Caso casi[] = {
        {"", 3},
        {"--maker \"L'Aquila Luce\"", 1},
        {"--power 150", 1},
        {"--power 151", 0},
        {"--line 1 --model Via --filter \"LUMEN = '20000'\"", 1},
    };
    for (const Caso& c : casi) {
        const auto u = Catalogo(c.argomenti);
        ASSERT_EQ(u.esito, 0) << c.argomenti << u.err;
        int righe = -1;  // the caption line
        for (char ch : u.out) righe += ch == '\n';
        EXPECT_EQ(std::max(righe, 0), c.righe) << c.argomenti << "\n" << u.out;
        EXPECT_EQ(u.err.find(Msg(367, 1)) != std::string::npos, c.righe == 0) << c.argomenti;
    }
    const auto u = Catalogo("--maker Lumen");
    EXPECT_NE(u.out.find("Lumen - Lumen Italia\tVia\tLED\t20000\t150\t" + dir.File("ldt/strada.ldt")), std::string::npos)
        << u.out;
    EXPECT_NE(u.out.find("perso.ldt - " + Msg(25, 1)), std::string::npos) << u.out;
}

TEST_F(CatalogoCli, JsonGivesEveryFieldAndTheDataSheet) {
    const auto u = Catalogo("--json --model Cubo");
    ASSERT_EQ(u.esito, 0) << u.err;
    const auto j = nlohmann::json::parse(u.out);
    ASSERT_EQ(j.size(), 1u);
    EXPECT_EQ(j[0]["fields"]["PRODUTTORE"], "L'Aquila Luce");
    EXPECT_EQ(j[0]["fields"]["POTENZAR"], 18);
    EXPECT_TRUE(j[0]["fields"]["IPVL"].is_null());
    EXPECT_EQ(j[0]["file"], dir.File("ldt/due.ldt"));
    EXPECT_EQ(j[0]["details"].size(), 23u);
}

TEST_F(CatalogoCli, RefusesWhatItCannotUse) {
    fs::create_directories(dir.File("vuota"));
    const auto senza = test::EseguiCli("catalogue --lang it --dir " + Tra(dir.File("vuota")));
    EXPECT_EQ(senza.esito, 1);
    EXPECT_NE(senza.err.find(Msg(429, 0)), std::string::npos) << senza.err;
    const auto filtro = Catalogo("--filter \"NONESISTE = '1'\"");
    EXPECT_EQ(filtro.esito, 1);
    EXPECT_NE(filtro.err.find("--filter"), std::string::npos) << filtro.err;
    EXPECT_NE(Catalogo("--line 4").esito, 0);
    EXPECT_NE(Catalogo("--lang xx").esito, 0);
}

// A list written over the catalogue or one of its photometric files would
// destroy what it lists: refused, every file as it was.
TEST_F(CatalogoCli, AListNamingACatalogueFileIsRefused) {
    fs::create_hard_link(dir.File("ldt/due.ldt"), dir.File("collegato.ldt"));
    for (const std::string nome : {"lightlist.dbf", "./lightlist.dbf", "NTRProd2.dat", "collegato.ldt"}) {
        const std::string bersaglio = dir.File(nome);
        const std::string prima = LeggiByte(bersaglio);
        const auto u = Catalogo("--write-list " + Tra(bersaglio));
        EXPECT_EQ(u.esito, 1) << nome;
        EXPECT_NE(u.err.find("choose another name"), std::string::npos) << u.err;
        EXPECT_EQ(LeggiByte(bersaglio), prima) << nome;
    }
}

// The list of the catalogue's rows drives the road sweep: each listed file is
// run, a missing entry is skipped and named, a file listed twice runs twice.
TEST_F(CatalogoCli, AWrittenListFeedsTheRoadSweep) {
    const std::string lista = dir.File("scelti.ntr");
    const auto u = Catalogo("--write-list " + Tra(lista));
    ASSERT_EQ(u.esito, 0) << u.err;
    EXPECT_NE(u.err.find("perso.ldt - " + Msg(25, 1)), std::string::npos) << u.err;
    EXPECT_EQ(LeggiByte(lista), dir.File("ldt/due.ldt") + "\r\n" + dir.File("ldt/strada.ldt") + "\r\n");

    auto corsa = [&](const std::string& file) {
        fs::create_directories(dir.File("out"));
        const auto r = test::EseguiCli("optimise --project " + Tra(test::Fixture("projects/strada.nt0")) +
                                       " --all-results --json --out " + Tra(dir.File("out")) + " --list " + Tra(file));
        EXPECT_EQ(r.esito, 0) << r.err;
        std::map<std::string, int> righe;
        TabellaDbf t;
        t.CollegaFile(dir.File("out/ntrlux.dbf"));
        EXPECT_TRUE(t.Apri(true));
        for (bool ok = t.Primo(); ok; ok = t.Prossimo()) ++righe[t.Testo("FILELDT").value_or("")];
        return std::make_pair(righe, nlohmann::json::parse(r.out.empty() ? "{}" : r.out));
    };
    const auto [una, j1] = corsa(lista);
    ASSERT_EQ(una.size(), 2u);
    EXPECT_GT(una.at("due.ldt"), 0);
    EXPECT_GT(una.at("strada.ldt"), 0);
    EXPECT_TRUE(j1["skipped_files"].empty());

    // The same list beside the files, with another machine's path to
    // strada.ldt (found by name beside the list) and a missing file.
    const std::string doppia = dir.File("ldt/doppia.ntr");
    std::ofstream(doppia, std::ios::binary) << LeggiByte(lista) << "C:\\Altrove\\ldt\\STRADA.ldt\r\n"
                                            << dir.File("ldt/manca.ldt") << "\r\n";
    const auto [due, j2] = corsa(doppia);
    EXPECT_EQ(due, (std::map<std::string, int>{{"due.ldt", una.at("due.ldt")}, {"strada.ldt", 2 * una.at("strada.ldt")}}));
    ASSERT_EQ(j2["skipped_files"].size(), 1u);
    EXPECT_EQ(j2["skipped_files"][0], dir.File("ldt/manca.ldt"));

    // A list far from the files, written on another machine: run from the
    // program folder, the entry is found by name in its ldt/.
    fs::create_directories(dir.File("altrove"));
    const std::string lontana = dir.File("altrove/lontana.ntr");
    std::ofstream(lontana, std::ios::binary) << "C:\\Altrove\\ldt\\STRADA.ldt\r\n";
    const fs::path prima = fs::current_path();
    fs::current_path(dir.Str());
    const auto [tre, j3] = corsa(lontana);
    fs::current_path(prima);
    EXPECT_EQ(tre, (std::map<std::string, int>{{"strada.ldt", una.at("strada.ldt")}}));
    EXPECT_TRUE(j3["skipped_files"].empty());
}

}  // namespace
}  // namespace nottaro
