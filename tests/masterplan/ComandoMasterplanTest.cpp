// nottaro-cli masterplan as a user runs it: the sample against its golden
// table, the workbook left as it was, and the exit status of each end.
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <fstream>
#include <iterator>

#include "core/text/Testo.h"
#include "masterplan/workbook/EsportaLista.h"
#include "support/CartellaTemporanea.h"
#include "support/EseguiCli.h"
#include "support/Percorsi.h"
#include "tests/masterplan/CartelleProva.h"

namespace nottaro::mp {
namespace {

using nottaro::test::EseguiCli;
using nottaro::test::Sorgente;
using nottaro::test::Tra;

std::string Byte(const std::string& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// Texts equal; numbers within 1e-6 relative (the golden table was made on
// another build of the same code).
void Confronta(const nlohmann::json& ottenuto, const nlohmann::json& atteso, const std::string& dove) {
    const std::string a = ottenuto.get<std::string>(), b = atteso.get<std::string>();
    const auto x = ConvertiReale(a), y = ConvertiReale(b);
    if (x && y) EXPECT_NEAR(*x, *y, 1e-6 * std::max(1.0, std::abs(*y))) << dove;
    else EXPECT_EQ(a, b) << dove;
}

TEST(ComandoMasterplan, SampleMatchesItsGoldenTableAndLeavesTheWorkbookAlone) {
    nottaro::test::CartellaTemporanea dir;
    const std::string cartella = Sorgente("data/masterplan/esempio.xlsx");
    const std::string prima = Byte(cartella);
    const auto u = EseguiCli("masterplan " + Tra(cartella) + " --ldt " + Tra(Sorgente("data/masterplan/ldt")) +
                             " --threads 2 --json --out " + Tra(dir.File("elenco.xlsx")));
    ASSERT_EQ(u.esito, 0) << u.err;
    EXPECT_EQ(Byte(cartella), prima);
    const auto j = nlohmann::json::parse(u.out);
    const auto g = nlohmann::json::parse(Byte(nottaro::test::Fixture("masterplan/esempio.golden.json")));
    EXPECT_EQ(j["to_check"], g["to_check"]);
    ASSERT_EQ(j["rows"].size(), g["rows"].size());
    for (std::size_t r = 0; r < g["rows"].size(); ++r)
        for (auto it = g["rows"][r].begin(); it != g["rows"][r].end(); ++it)
            Confronta(j["rows"][r][it.key()], it.value(), std::to_string(r) + " " + it.key());
    EXPECT_EQ(j["export"], dir.File("elenco.xlsx"));
    EXPECT_NE(u.err.find("ROTTO 50W LED.ldt"), std::string::npos);
}

const std::vector<std::string> kIntestazioni = {
    "Identificativo", "Via", "Applicazione", "Altezza punto luce", "Avanzamento", "Classe",
    "1° Elemento SX dimensione", "1° Elemento SX", "Dimensione strada", "1° Elemento DX",
    "1° Elemento DX dimensione", "Disposizione", "Posizione palo", "Corsie", "Senso Marcia", "LR17/00",
    "Descrizione Progetto", "New Source", "New W", "Interdistanza", "Modello Apparecchio New"};

std::vector<std::string> RigaStrada(const std::string& via, const std::string& altezza) {
    return {"P1", via, "stradale", altezza, "0", "ME4a", "", "", "7", "", "", "", "sx", "1", "2", "", "", "sap", "70",
            "24", "STRADA"};
}

TEST(ComandoMasterplan, ExitStatusOfEachEnd) {
    nottaro::test::CartellaTemporanea dir;
    auto intestazioni = kIntestazioni;
    auto senzaVia = kIntestazioni;
    senzaVia[1] = "Strada";
    test::ScriviFoglio(dir.File("buono.xlsx"), {{"titolo"}, intestazioni, RigaStrada("Via Roma", "8")});
    test::ScriviFoglio(dir.File("errato.xlsx"), {{"titolo"}, intestazioni, RigaStrada("Via Roma", "99")});
    test::ScriviFoglio(dir.File("trattino.xlsx"), {{"titolo"}, intestazioni, RigaStrada("Via Roma", "-")});
    test::ScriviFoglio(dir.File("senzavia.xlsx"), {{"titolo"}, senzaVia, RigaStrada("Via Roma", "8")});
    test::ScriviFoglio(dir.File("vuoto.xlsx"), {{"titolo"}, intestazioni});
    std::ofstream(dir.File("rotto.xlsx")) << "non zip";
    const std::string ldt = " --ldt " + Tra(Sorgente("data/masterplan/ldt"));
    struct Caso {
        std::string argomenti;
        int esito;
        const char* testo;  // in stdout or stderr
    };
    const Caso casi[] = {
        {Tra(dir.File("buono.xlsx")) + ldt, 0, "Saved successfully"},
        {Tra(dir.File("buono.xlsx")) + ldt + " --sheet Foglio --check-only", 0, ""},
        {Tra(dir.File("buono.xlsx")) + ldt + " --sheet 2", 1, "no worksheet \"2\""},
        {Tra(dir.File("errato.xlsx")) + ldt, 2, "?99"},
        // Forced past the rows to correct: exported, yet a script still sees them.
        {Tra(dir.File("errato.xlsx")) + ldt + " --force", 2, "Saved successfully"},
        {Tra(dir.File("trattino.xlsx")) + ldt, 1, "<-> in the column ALTEZZA"},
        {Tra(dir.File("senzavia.xlsx")) + ldt, 1, "VIA;"},
        {Tra(dir.File("rotto.xlsx")) + ldt, 1, "rotto.xlsx: "},
        {Tra(dir.File("buono.xlsx")) + " --ldt " + Tra(dir.File("manca")), 1, "does not exist"},
        {Tra(dir.File("buono.xlsx")) + ldt + " --strips 4", 1, "--strips"},
        // Every setting through the ranges the design values have.
        {Tra(dir.File("buono.xlsx")) + ldt + " --maintenance -1", 1, "Deprezz -1"},
        {Tra(dir.File("buono.xlsx")) + ldt + " --maintenance 5", 1, "Deprezz 5"},
        {Tra(dir.File("buono.xlsx")) + ldt + " --reduction nan", 1, "FattRiduzione"},
        {Tra(dir.File("buono.xlsx")) + ldt + " --reduction -1", 1, "FattRiduzione -1"},
        {Tra(dir.File("buono.xlsx")) + ldt + " --wing-cut -100", 1, "TaglioAli -100"},
        {Tra(dir.File("buono.xlsx")) + ldt + " --limit min --limit-value -5", 1, "ValLimite -5"},
        {Tra(dir.File("buono.xlsx")) + ldt + " --threads -1", 1, "threads"},
        {Tra(dir.File("buono.xlsx")) + ldt + " --edition 2", 1, "EdizioneEN 2"},
        {Tra(dir.File("buono.xlsx")) + ldt + " --profile 4000,100", 1, "--profile takes 1, 3 or 5 numbers"},
        {Tra(dir.File("buono.xlsx")) + ldt + " --profile 4000,x,0.5", 1, "--profile: \"4000,x,0.5\""},
        {Tra(dir.File("buono.xlsx")) + ldt + " --profile 4000,2000,1.5", 1, "FrazRid1 1.5"},
        {Tra(dir.File("vuoto.xlsx")) + ldt, 1, "no project rows"},
        // The first case's export is there: kept unless replacing is asked for.
        {Tra(dir.File("buono.xlsx")) + ldt, 1, "buono-Elenco_Progetti.xlsx already exists"},
        {Tra(dir.File("buono.xlsx")) + ldt + " --overwrite", 0, "Saved successfully"},
    };
    for (const auto& k : casi) {
        const auto u = EseguiCli("masterplan " + k.argomenti, true);
        EXPECT_EQ(u.esito, k.esito) << k.argomenti << "\n" << u.out;
        EXPECT_NE(u.out.find(k.testo), std::string::npos) << k.argomenti << "\n" << u.out;
    }
}

// A dash stops the check at once: only its message, no rows, no end case.
TEST(ComandoMasterplan, ADashStopShowsNothingMore) {
    nottaro::test::CartellaTemporanea dir;
    test::ScriviFoglio(dir.File("trattino.xlsx"), {{"titolo"}, kIntestazioni, RigaStrada("Via Roma", "8"),
                                                   RigaStrada("Via Po", "-")});
    const auto u = EseguiCli("masterplan --json " + Tra(dir.File("trattino.xlsx")) + " --ldt " +
                             Tra(Sorgente("data/masterplan/ldt")));
    EXPECT_EQ(u.esito, 1);
    const auto j = nlohmann::json::parse(u.out);
    EXPECT_EQ(j["check"]["stopped_by_dash"], true);
    EXPECT_FALSE(j["check"]["message"].get<std::string>().empty());
    EXPECT_FALSE(j["check"].contains("end"));
    EXPECT_FALSE(j["check"].contains("listed"));
    EXPECT_FALSE(j["check"].contains("rows_examined"));
    EXPECT_FALSE(j.contains("rows"));
}

// An interrupted run's rows go under a name that says so, beside and never
// over the full export; the .xls and .xlsx of one stem export apart.
TEST(ComandoMasterplan, ExportNamesNeverMeet) {
    EXPECT_EQ(PercorsoElenco("/a/mp.xlsx"), "/a/mp-Elenco_Progetti.xlsx");
    EXPECT_EQ(PercorsoElenco("/a/mp.xls"), "/a/mp-xls-Elenco_Progetti.xlsx");
    EXPECT_EQ(PercorsoElenco("/a/mp.XLSM"), "/a/mp-xlsm-Elenco_Progetti.xlsx");
    nottaro::test::CartellaTemporanea dir;
    const std::string pieno = dir.File("mp-Elenco_Progetti.xlsx");
    EXPECT_EQ(PercorsoElencoParziale(pieno, false), dir.File("mp-Elenco_Progetti-parziale.xlsx"));
    std::ofstream(dir.File("mp-Elenco_Progetti-parziale.xlsx")) << "earlier";
    EXPECT_EQ(PercorsoElencoParziale(pieno, false), dir.File("mp-Elenco_Progetti-parziale-2.xlsx"));
    EXPECT_EQ(PercorsoElencoParziale(pieno, true), dir.File("mp-Elenco_Progetti-parziale.xlsx"));
}

}  // namespace
}  // namespace nottaro::mp
