// Header scan and data check of a project workbook, on sheets built in memory.
#include <gtest/gtest.h>

#include "core/i18n/Messaggi.h"
#include "masterplan/VerificaDati.h"

namespace nottaro::mp {
namespace {

const std::vector<std::string> kIntestazioni = {
    "Identificativo", "Via", "Applicazione", "Altezza punto luce", "Avanzamento", "Classe",
    "1° Elemento SX dimensione", "1° Elemento SX", "Dimensione strada", "1° Elemento DX",
    "1° Elemento DX dimensione", "Disposizione", "Posizione palo", "Corsie", "Senso Marcia", "LR17/00",
    "Descrizione Progetto", "New Source", "New W", "Interdistanza", "Modello Apparecchio New"};

Foglio FoglioCon(const std::vector<std::string>& intestazioni) {
    Foglio f;
    for (std::size_t c = 0; c < intestazioni.size(); ++c) f.Imposta(2, static_cast<int>(c) + 1, intestazioni[c]);
    return f;
}

int Col(const std::string& nome) {
    for (std::size_t c = 0; c < kIntestazioni.size(); ++c)
        if (kIntestazioni[c] == nome) return static_cast<int>(c) + 1;
    return 0;
}

// A correct road row, then the given cells changed.
void Riga(Foglio& f, int riga, const std::vector<std::pair<std::string, std::string>>& cambi = {}) {
    const std::vector<std::pair<std::string, std::string>> base = {
        {"Identificativo", "P1"}, {"Via", "Via Roma"}, {"Applicazione", "stradale"}, {"Altezza punto luce", "8"},
        {"Avanzamento", "0.5"}, {"Classe", "ME4a"}, {"Dimensione strada", "7"}, {"Posizione palo", "sx"},
        {"Corsie", "1"}, {"Senso Marcia", "2"}, {"New Source", "sap"}, {"New W", "70"},
        {"Modello Apparecchio New", "ABC"}};
    for (const auto& [n, v] : base) f.Imposta(riga, Col(n), v);
    for (const auto& [n, v] : cambi) f.Imposta(riga, Col(n), v);
}

TEST(MappaColonneMP, HeaderRowEdgeCases) {
    struct Caso {
        const char* nome;
        std::vector<std::string> intestazioni;
        std::string mancanti;  // the labels after the message's lead
    };
    std::vector<std::string> senzaViaClasse = kIntestazioni;
    senzaViaClasse[1] = "Strada";
    senzaViaClasse[5] = "classe";  // case counts
    std::vector<std::string> senzaDescrizione = kIntestazioni;
    senzaDescrizione[16] = "";
    std::vector<std::string> senzaStrisceLR = kIntestazioni;
    for (int k : {6, 7, 9, 10, 15}) senzaStrisceLR[k] = "";
    const Caso casi[] = {
        {"complete", kIntestazioni, ""},
        {"via and classe missing", senzaViaClasse, "VIA;CLASSE;"},
        {"no description is fine", senzaDescrizione, ""},
        {"strips last, LR17/00 labelled", senzaStrisceLR, "LR17/00;MARC SXTIPO MARC SXTIPO MARC DXMARC DX"},
    };
    for (const auto& k : casi) {
        const MappaColonne m = MappaColonneMP(FoglioCon(k.intestazioni));
        const std::string testo = TestoColonneMancanti(m, 0);
        EXPECT_EQ(testo.substr(Msg(1400, 0).size()), k.mancanti) << k.nome;
        EXPECT_EQ(m.Mancanti.empty(), k.mancanti.empty()) << k.nome;
    }
    // The first column with the name wins, either identifier name.
    std::vector<std::string> due = kIntestazioni;
    due[0] = "x";
    due.resize(30);
    due[21] = "Identificativo";
    due[24] = "PRJ FINALE";
    due[26] = "Via";
    EXPECT_EQ(MappaColonneMP(FoglioCon(due)).Col[CIdentificativo], 22);
    EXPECT_EQ(MappaColonneMP(FoglioCon(due)).Col[CVia], 2);
}

TEST(VerificaDati, MarksAndListingPerCell) {
    struct Caso {
        const char* nome;
        std::vector<std::pair<std::string, std::string>> cambi;
        bool elencata;
        int colonnaTabella;   // the column whose text is checked, -1 none
        const char* testo;
    };
    const Caso casi[] = {
        {"height 0.5 marked", {{"Altezza punto luce", "0.5"}}, true, TAltezza, "?0.5"},
        {"height 15 accepted", {{"Altezza punto luce", "15"}}, false, -1, ""},
        {"height 15,5 marked with a point", {{"Altezza punto luce", "15,5"}}, true, TAltezza, "?15.5"},
        {"height not a number marked", {{"Altezza punto luce", "otto"}}, true, TAltezza, "?otto"},
        {"spacing 70 marked", {{"Interdistanza", "70"}}, true, TIntProgetto, "?70"},
        {"spacing 69.9 accepted", {{"Interdistanza", "69.9"}}, false, -1, ""},
        {"spacing - accepted", {{"Interdistanza", "-"}}, false, -1, ""},
        {"double centre by the vowel rule", {{"Disposizione", "doppio centro strada"}}, false, -1, ""},
        {"arrangement 17 accepted", {{"Disposizione", "17"}}, false, -1, ""},
        {"arrangement 18 marked", {{"Disposizione", "18"}}, true, TDisposizione, "?18"},
        {"unknown class marked", {{"Classe", "me7"}}, true, TCategoria, "?me7"},
        {"empty street marked", {{"Via", ""}}, true, TVia, "?"},
        {"road without pole side", {{"Posizione palo", ""}}, true, TPosPali, "?"},
        {"road with 4 lanes", {{"Corsie", "4"}}, true, TCorsie, "?4"},
        {"strip below 0", {{"1° Elemento SX dimensione", "-1"}}, true, TSx, "?-1"},
        {"source Sap accepted", {{"New Source", "Sap"}}, false, -1, ""},
        {"source xyz only a luminaire problem", {{"New Source", "xyz"}}, false, -1, ""},
        {"power 255 only a luminaire problem", {{"New W", "255"}}, false, -1, ""},
        {"no model only a luminaire problem", {{"Modello Apparecchio New", ""}}, false, -1, ""},
        {"unknown application listed", {{"Applicazione", "mercato"}}, true, TApplicazione, "mercato"},
        // Names that would reach files outside the photograph and photometric folders.
        {"identifier leaving its folder", {{"Identificativo", "../../segreto/priv"}}, true, TIdentificativo, "?../../segreto/priv"},
        {"absolute model name", {{"Modello Apparecchio New", "/etc/passwd"}}, true, TCorpo, "?/etc/passwd"},
        {"model with a Windows folder", {{"Modello Apparecchio New", "..\\x"}}, true, TCorpo, "?..\\x"},
    };
    for (const auto& k : casi) {
        Foglio f = FoglioCon(kIntestazioni);
        Riga(f, 3, k.cambi);
        const EsitoVerifica e = VerificaDati(f, MappaColonneMP(f), false, 1);
        ASSERT_EQ(e.Elencate.size(), k.elencata ? 1u : 0u) << k.nome;
        if (k.colonnaTabella >= 0) {
            EXPECT_EQ(e.Elencate[0].Celle[k.colonnaTabella], k.testo) << k.nome;
        }
    }
}

TEST(VerificaDati, PathsGetTheirMissingValuesInTheOverlayOnly) {
    Foglio f = FoglioCon(kIntestazioni);
    Riga(f, 3, {{"Applicazione", "ciclabile"}, {"Classe", "P2"}, {"Posizione palo", ""}, {"Corsie", ""},
                {"Senso Marcia", "x"}});
    const MappaColonne m = MappaColonneMP(f);
    const EsitoVerifica e = VerificaDati(f, m, false, 1);
    EXPECT_TRUE(e.Elencate.empty());
    EXPECT_EQ(e.Fine, FineVerifica::Pulito);
    const Correzioni attese = {{{3, Col("Posizione palo")}, "DX"}, {{3, Col("Corsie")}, "1"}, {{3, Col("Senso Marcia")}, "2"}};
    EXPECT_EQ(e.Corretti, attese);
    EXPECT_EQ(f.Testo(3, Col("Posizione palo")), "");
    EXPECT_EQ(LeggiRigaMP(f, m, e.Corretti, 3)[CPosPalo], "DX");
}

TEST(VerificaDati, EndCasesAndTheDashStop) {
    struct Caso {
        const char* nome;
        std::vector<std::vector<std::pair<std::string, std::string>>> righe;
        FineVerifica fine;
        std::string messaggio;
        int esaminate;
    };
    const Caso casi[] = {
        {"clean", {{}, {}}, FineVerifica::Pulito, "", 2},
        {"only unknown applications", {{}, {{"Applicazione", "mercato"}}}, FineVerifica::SoloNonRiconosciute,
         Msg(1403, 1), 2},
        {"data errors", {{{"Via", ""}}, {{"Applicazione", "mercato"}}, {{"Classe", "x"}}}, FineVerifica::DaSistemare,
         Msg(1404, 1) + "3" + Msg(1405, 1), 3},
        {"a dash in the width stops at once", {{}, {{"Dimensione strada", "-"}}, {{"Via", ""}}}, FineVerifica::Trattino,
         Msg(1401, 1) + "4" + Msg(1402, 1) + "LARGHEZZA STRADA", 2},
        {"a dash in the power", {{{"New W", "-"}}}, FineVerifica::Trattino,
         Msg(1401, 1) + "3" + Msg(1402, 1) + "POTENZA WATT", 1},
        {"two empty applications end the examination",
         {{}, {{"Applicazione", ""}}, {{"Applicazione", ""}}, {{"Via", ""}}}, FineVerifica::Pulito, "", 1},
        {"one empty application is a data error", {{}, {{"Applicazione", ""}}, {}}, FineVerifica::DaSistemare,
         Msg(1404, 1) + "1" + Msg(1405, 1), 3},
    };
    for (const auto& k : casi) {
        Foglio f = FoglioCon(kIntestazioni);
        for (std::size_t r = 0; r < k.righe.size(); ++r) Riga(f, static_cast<int>(r) + 3, k.righe[r]);
        const EsitoVerifica e = VerificaDati(f, MappaColonneMP(f), false, 1);
        EXPECT_EQ(e.Fine, k.fine) << k.nome;
        EXPECT_EQ(e.Messaggio, k.messaggio) << k.nome;
        EXPECT_EQ(e.Esaminate, k.esaminate) << k.nome;
    }
}

TEST(VerificaDati, XlsAdviceOnlyWhenNeededCellsAreEmpty) {
    Foglio f = FoglioCon(kIntestazioni);
    Riga(f, 3, {{"Altezza punto luce", ""}});
    Riga(f, 4, {{"Altezza punto luce", "99"}});
    const MappaColonne m = MappaColonneMP(f);
    EXPECT_NE(VerificaDati(f, m, true, 1).Messaggio.find(Msg(1406, 1)), std::string::npos);
    EXPECT_EQ(VerificaDati(f, m, false, 1).Messaggio.find(Msg(1406, 1)), std::string::npos);
    f.Imposta(3, Col("Altezza punto luce"), "8");
    EXPECT_EQ(VerificaDati(f, m, true, 1).Messaggio.find(Msg(1406, 1)), std::string::npos);
}

}  // namespace
}  // namespace nottaro::mp
