// What a row is run with, the notes of rows that cannot run, and which
// photometric files a row takes.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "masterplan/CalcolaMasterplan.h"
#include "support/CartellaTemporanea.h"
#include "support/Percorsi.h"

namespace nottaro::mp {
namespace {

class PreparaRigaTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* n : {"ABC 70W SAP-2.ldt", "ABC 70W SAP.ldt", "ABC 70 W SAP.ldt", "abc 70w sap-3.LDT",
                              "ABC 70W SAP.ies", "ABC 70W SAPX.txt", "XABC 70W SAP.ldt"})
            std::filesystem::copy_file(nottaro::test::Sorgente("data/ldt/sample_street_isym0.ldt"), dir.File(n));
    }
    nottaro::test::CartellaTemporanea dir;
};

TEST_F(PreparaRigaTest, MatchesModelPowerAndSourceIgnoringCaseInNameOrder) {
    const ArchivioLdt a(dir.Str());
    const std::vector<std::string> attesi = {"ABC 70W SAP-2.ldt", "ABC 70W SAP.ldt", "abc 70w sap-3.LDT"};
    EXPECT_EQ(a.Corrispondenti("ABC", "70", "sap"), attesi);
    EXPECT_EQ(a.Corrispondenti("abc", "70", "SAP"), attesi);
    EXPECT_TRUE(a.Corrispondenti("ABC", "7", "sap").empty());
    EXPECT_TRUE(ArchivioLdt(dir.File("manca")).Corrispondenti("ABC", "70", "sap").empty());
}

RigaMP Strada(std::vector<std::pair<ColonnaMP, std::string>> cambi) {
    RigaMP r;
    const std::pair<ColonnaMP, std::string> base[] = {
        {CApplicazione, "stradale"}, {CClasse, "ME4a"}, {CAltezza, "8"},  {CAvanzamento, "0,5"},
        {CLarghezza, "7"},           {CPosPalo, "sx"},  {CCorsie, "1"},   {CSenso, "2"},
        {CSorgente, "sap"},          {CPotenza, "70"},  {CModello, "ABC"}};
    for (const auto& [c, v] : base) r[c] = v;
    for (auto& [c, v] : cambi) r[c] = v;
    return r;
}

TEST_F(PreparaRigaTest, RowsThatCannotRunGetTheirNote) {
    ArchivioLdt a(dir.Str());
    a.Carica(a.Corrispondenti("ABC", "70", "sap"));
    struct Caso {
        const char* nome;
        RigaMP riga;
        const char* nota;
    };
    const Caso casi[] = {
        {"unknown arrangement", Strada({{CDisposizione, "zigzag"}}), "Dati mancanti"},
        {"a count on a road", Strada({{CDisposizione, "6"}}), "Dati mancanti"},
        {"no power", Strada({{CPotenza, ""}}), "Dati mancanti"},
        {"height not a number", Strada({{CAltezza, "alto"}}), "Dati mancanti"},
        {"unknown class", Strada({{CClasse, "me9"}}), "Dati mancanti"},
        {"roundabout without island radius",
         Strada({{CApplicazione, "rotatoria"}, {CClasse, "ce2"}, {CDisposizione, "6"}}), "Dati mancanti"},
        {"no file", Strada({{CPotenza, "100"}}), "LDT mancante"},
    };
    for (const auto& k : casi) {
        std::string nota;
        EXPECT_FALSE(PreparaRiga(k.riga, a, nota)) << k.nome;
        EXPECT_EQ(nota, k.nota) << k.nome;
        const RigaTabellaMP t = EseguiRiga(k.riga, a, OpzioniMP{});
        EXPECT_EQ(t.Celle[TNote], k.nota) << k.nome;
        EXPECT_TRUE(t.DaVerificare) << k.nome;
    }
}

TEST_F(PreparaRigaTest, NumbersArrangementAndFilesOfARow) {
    ArchivioLdt a(dir.Str());
    a.Carica(a.Corrispondenti("ABC", "70", "sap"));
    struct Caso {
        RigaMP riga;
        int disp, nApp, corsie;
        bool daProgetto;
        double interdist, sx;
    };
    const Caso casi[] = {
        {Strada({}), 1, 0, 2, false, 0, 0},
        {Strada({{CPosPalo, "dx"}, {CDisposizione, "-"}}), 2, 0, 2, false, 0, 0},
        {Strada({{CDisposizione, "Quinconce"}, {CInterdistanza, "24,5"}}), 4, 0, 2, true, 24.5, 0},
        {Strada({{CDisposizione, "doppio centro strada"}, {CCorsie, "2"}, {CLargSx, "1,5"}}), 5, 0, 4, false, 0, 1.5},
        {Strada({{CApplicazione, "rotatoria"}, {CClasse, "ce2"}, {CDisposizione, "6"}, {CInterdistanza, "10"}}), 1, 6,
         2, true, 10, 0},
        {Strada({{CApplicazione, "rotatoria"}, {CClasse, "ce2"}, {CInterdistanza, "10"}}), 1, 0, 2, false, 10, 0},
    };
    for (const auto& k : casi) {
        std::string nota;
        const auto d = PreparaRiga(k.riga, a, nota);
        ASSERT_TRUE(d) << nota;
        EXPECT_EQ(d->DispPali, k.disp);
        EXPECT_EQ(d->NApparecchi, k.nApp);
        EXPECT_EQ(d->NCorsie, k.corsie);
        EXPECT_EQ(d->DaProgetto, k.daProgetto);
        EXPECT_EQ(d->Interdist, k.interdist);
        EXPECT_EQ(d->LargSx, k.sx);
        EXPECT_EQ(d->s, 0.5);
        ASSERT_EQ(d->File.size(), 3u);
        EXPECT_EQ(d->File[0]->Nome, "ABC 70W SAP-2.ldt");
    }
}

}  // namespace
}  // namespace nottaro::mp
