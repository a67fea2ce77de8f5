// nottaro-cli masterplan --pdf and --pdf-tables: which rows become projects,
// the footers "page - project", the plan, luminance and strip pages each row
// gets, and the intensity table's pages per file. The PDFs are read back as
// text with pdftotext, one page per form feed.
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cstdio>
#include <regex>
#include <string>
#include <vector>

#include "core/intensity/Intensita.h"
#include "core/text/Testo.h"
#include "support/CartellaTemporanea.h"
#include "support/EseguiCli.h"
#include "support/Percorsi.h"
#include "tests/masterplan/CartelleProva.h"

namespace nottaro::mp {
namespace {

using nottaro::test::EseguiCli;
using nottaro::test::Sorgente;
using nottaro::test::Tra;

const std::vector<std::string> kIntestazioni = {
    "Identificativo", "Via", "Applicazione", "Altezza punto luce", "Avanzamento", "Classe",
    "1° Elemento SX dimensione", "1° Elemento SX", "Dimensione strada", "1° Elemento DX",
    "1° Elemento DX dimensione", "Disposizione", "Posizione palo", "Corsie", "Senso Marcia", "LR17/00",
    "Descrizione Progetto", "New Source", "New W", "Interdistanza", "Modello Apparecchio New"};

std::vector<std::string> Strada(const std::string& id, const std::string& classe, const std::string& interdistanza,
                                const std::string& corsie = "1", const std::string& sx = "") {
    return {id, "Via " + id, "stradale", "8", "0.5", classe, sx, sx.empty() ? "" : "marciapiede", "7", "", "", "",
            "sx", corsie, "2", "", "", "sap", "70", interdistanza, "STRADA"};
}
std::vector<std::string> Percorso(const std::string& id) {
    return {id, "Pista " + id, "ciclabile", "5", "0", "P2", "", "", "3", "", "", "", "sx", "1", "2", "", "", "led",
            "40", "", "PARCO"};
}
std::vector<std::string> Rotatoria(const std::string& id) {
    return {id, "Rotonda", "rotatoria", "10", "5", "CE3", "", "", "7", "", "", "", "", "2", "1", "", "", "led", "100",
            "6", "ANELLO"};
}

// The pages of a PDF as text.
std::vector<std::string> Pagine(const std::string& pdf) {
    std::string testo;
    if (FILE* p = ::popen(("pdftotext -layout " + Tra(pdf) + " - 2>/dev/null").c_str(), "r")) {
        char buf[4096];
        for (std::size_t n; (n = std::fread(buf, 1, sizeof buf, p)) > 0;) testo.append(buf, n);
        ::pclose(p);
    }
    std::vector<std::string> pagine;
    std::size_t inizio = 0;
    for (std::size_t f; (f = testo.find('\f', inizio)) != std::string::npos; inizio = f + 1)
        pagine.push_back(testo.substr(inizio, f - inizio));
    return pagine;
}

// The footer "Page n of N - project" of every page as "n/N - project", or
// "n - " on the photometric tables (the
// last text on it; pdftotext may drop the blanks around the dash).
std::vector<std::string> Piedi(const std::vector<std::string>& pagine) {
    static const std::regex piede(R"((\d+)(?: \S+ (\d+))? ?- ?(\S*)\s*$)");
    std::vector<std::string> p;
    for (const auto& t : pagine) {
        std::smatch m;
        p.push_back(!std::regex_search(t, m, piede) ? "?"
                    : m[1].str() + (m[2].matched ? "/" + m[2].str() : "") + " - " + m[3].str());
    }
    return p;
}

int Conta(const std::vector<std::string>& pagine, const std::vector<std::string>& testi) {
    int n = 0;
    for (const auto& p : pagine)
        for (const auto& t : testi)
            if (p.find(t) != std::string::npos) {
                ++n;
                break;
            }
    return n;
}

struct Stampa {
    nottaro::test::CartellaTemporanea dir;
    nlohmann::json tabella;
    std::vector<std::string> pagine, tabelle;
    std::string err;

    Stampa(const std::vector<std::vector<std::string>>& righe, const std::string& opzioni, bool conTabelle = false) {
        std::vector<std::vector<std::string>> foglio = {{"titolo"}, kIntestazioni};
        foglio.insert(foglio.end(), righe.begin(), righe.end());
        test::ScriviFoglio(dir.File("piano.xlsx"), foglio);
        const auto u = EseguiCli("masterplan " + Tra(dir.File("piano.xlsx")) + " --ldt " +
                                 Tra(Sorgente("data/masterplan/ldt")) + " --threads 2 --json --force --pdf " +
                                 Tra(dir.File("piano.pdf")) +
                                 (conTabelle ? " --pdf-tables " + Tra(dir.File("tabelle.pdf")) : "") + opzioni);
        EXPECT_EQ(u.esito, 0) << u.err;
        err = u.err;
        tabella = nlohmann::json::parse(u.out);
        pagine = Pagine(dir.File("piano.pdf"));
        if (conTabelle) tabelle = Pagine(dir.File("tabelle.pdf"));
    }
};

const std::vector<std::string> kOsservatore = {"Observer ", "Osservatore "};

// Three printable rows, the second without a solution, and a roundabout:
// two projects, page numbers from 1 in each.
TEST(StampaMasterplan, ProjectsNumberedWithTheirPagesAndRowsLeftOut) {
    const std::vector<std::vector<std::string>> righe = {Strada("R1", "ME4a", "12"), Strada("R2", "ME1", "12"),
                                                        Percorso("R3"), Rotatoria("T1")};
    Stampa s(righe, " --print standard");
    ASSERT_EQ(s.tabella["rows"][1]["Note:"], "0 Risultati");
    ASSERT_EQ(s.tabella["rows"][3]["Note:"], "MIN+MAX");  // the roundabout has a solution, and is not printed
    // R1 gives its spacing: presentation, data, illuminance, one luminance page per
    // lane observer (1 lane x 2 directions); R3 does not: no plans.
    EXPECT_EQ(Piedi(s.pagine), (std::vector<std::string>{"1/5 - 1", "2/5 - 1", "3/5 - 1", "4/5 - 1", "5/5 - 1", "1/2 - 2", "2/2 - 2"}));
    EXPECT_EQ(Conta(s.pagine, kOsservatore), 2);

    Stampa id(righe, " --print standard,id-number");
    EXPECT_EQ(Piedi(id.pagine),
              (std::vector<std::string>{"1/5 - R1", "2/5 - R1", "3/5 - R1", "4/5 - R1", "5/5 - R1", "1/2 - R3", "2/2 - R3"}));
}

TEST(StampaMasterplan, PlansOfTheRowsOwnSpacingOrWithTheOptionOfSolutionTwo) {
    const auto senza = Strada("R1", "ME4a", "");
    Stampa s({senza}, " --print standard");
    EXPECT_EQ(s.pagine.size(), 2u);
    Stampa piani({senza}, " --print standard,plans");
    EXPECT_EQ(piani.pagine.size(), 5u);
    // The plans are solution 2's: its spacing heads the rulers of the plan pages.
    const std::string int2 = piani.tabella["rows"][0]["Int.2"];
    EXPECT_NE(piani.pagine[2].find(int2), std::string::npos) << int2;
    // 2 lanes x 2 directions: four luminance pages.
    Stampa quattro({Strada("R2", "ME4a", "12", "2")}, " --print standard");
    EXPECT_EQ(Conta(quattro.pagine, kOsservatore), 4);
}

TEST(StampaMasterplan, StripPageOnlyWithStripWidths) {
    const std::vector<std::string> carreggiata = {"CARRIAGEWAY", "CARREGGIATA"};
    Stampa con({Strada("R1", "ME4a", "12", "1", "2")}, " --print strips");
    EXPECT_EQ(Conta(con.pagine, carreggiata), 1);
    Stampa senza({Strada("R1", "ME4a", "12")}, " --print strips");
    EXPECT_EQ(Conta(senza.pagine, carreggiata), 0);
    Stampa opzione({Strada("R1", "ME4a", "12", "1", "2")}, "");
    EXPECT_EQ(Conta(opzione.pagine, carreggiata), 0);
}

TEST(StampaMasterplan, DataPageShowsBothSolutionsWithTheirRealThresholdIncrement) {
    Stampa s({Strada("R1", "ME4a", "")}, "");
    const auto& riga = s.tabella["rows"][0];
    ASSERT_EQ(riga["Note:"], "MIN+MAX");
    const std::string& dati = s.pagine.at(1);
    for (const char* ti : {"Ti1", "Ti2"}) {
        const double v = *ConvertiReale(riga[ti].get<std::string>());
        const std::string atteso = FormatoGenerale(Arrotonda(v, 1)) + " %";
        EXPECT_NE(dati.find(atteso), std::string::npos) << ti << " " << atteso;
    }
    for (const char* f : {"Fotometrica1", "Fotometrica2"})
        EXPECT_NE(dati.find(riga[f].get<std::string>()), std::string::npos) << f;
}

// Every row with a file, roundabouts too: a data page, then Ceil(NumC / 32) x
// Ceil(NumG / 75) intensity pages (72 planes, 181 angles: 3 x 3), numbered
// through the document.
TEST(StampaMasterplan, PhotometricTablesInBlocksOf32By75) {
    Stampa s({Strada("R1", "ME4a", "12"), Strada("R2", "ME1", "12"), Rotatoria("T1")}, "", true);
    ASSERT_EQ(s.tabelle.size(), 20u);
    const auto piedi = Piedi(s.tabelle);
    for (std::size_t k = 0; k < piedi.size(); ++k) EXPECT_EQ(piedi[k], std::to_string(k + 1) + " - ") << k;
    EXPECT_EQ(Conta(s.tabelle, {"Photometry: STRADA 70W SAP", "Fotometrica: STRADA 70W SAP"}), 9);
    EXPECT_EQ(Conta(s.tabelle, {"Photometry: ANELLO 100W LED", "Fotometrica: ANELLO 100W LED"}), 9);
}

TEST(StampaMasterplan, UnknownPrintOptionIsRefused) {
    nottaro::test::CartellaTemporanea dir;
    test::ScriviFoglio(dir.File("piano.xlsx"), {{"titolo"}, kIntestazioni, Strada("R1", "ME4a", "12")});
    const auto u = EseguiCli("masterplan " + Tra(dir.File("piano.xlsx")) + " --ldt " +
                             Tra(Sorgente("data/masterplan/ldt")) + " --pdf " + Tra(dir.File("p.pdf")) +
                             " --print plans,colour");
    EXPECT_EQ(u.esito, 1);
    EXPECT_NE(u.err.find("colour"), std::string::npos);
}

}  // namespace
}  // namespace nottaro::mp
