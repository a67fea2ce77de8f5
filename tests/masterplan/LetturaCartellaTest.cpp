// Reading workbooks: the .xlsx parts are zipped here, the .xls twin is a
// fixture written by python3-xlwt; both must give the same texts.
#include <gtest/gtest.h>

#include <fstream>

#include "core/text/Testo.h"
#include "masterplan/workbook/Cartella.h"
#include "tests/masterplan/CartelleProva.h"
#include "support/CartellaTemporanea.h"
#include "support/Percorsi.h"

namespace nottaro::mp {
namespace {

using nottaro::test::CartellaTemporanea;

using test::Zippa;

const char* const Workbook = R"(<?xml version="1.0" encoding="UTF-8"?>
<workbook xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main" xmlns:r="http://schemas.openxmlformats.org/officeDocument/2006/relationships">
<sheets><sheet name="Dati" sheetId="1" r:id="rId1"/><sheet name="Secondo" sheetId="2" r:id="rId2"/></sheets></workbook>)";
const char* const Rels = R"(<?xml version="1.0" encoding="UTF-8"?>
<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">
<Relationship Id="rId1" Target="worksheets/sheet1.xml" Type="x"/><Relationship Id="rId2" Target="/xl/worksheets/sheet2.xml" Type="x"/></Relationships>)";
const char* const Stringhe = R"(<?xml version="1.0" encoding="UTF-8"?>
<sst xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main">
<si><t>testo</t></si><si><t xml:space="preserve">  spazi  </t></si><si><t>unito</t></si>
<si><r><t xml:space="preserve">Ciclabile </t></r><r><rPr><b/></rPr><t>è già</t></r></si><si><t>altro</t></si></sst>)";
const char* const Stili = R"(<?xml version="1.0" encoding="UTF-8"?>
<styleSheet xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main">
<numFmts><numFmt numFmtId="164" formatCode="dd/mm/yyyy\ hh:mm"/><numFmt numFmtId="165" formatCode="0.0&quot;m&quot;"/></numFmts>
<cellXfs><xf numFmtId="0"/><xf numFmtId="14"/><xf numFmtId="164"/><xf numFmtId="165"/><xf numFmtId="20"/></cellXfs></styleSheet>)";
const char* const Foglio1 = R"(<?xml version="1.0" encoding="UTF-8"?>
<worksheet xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main"><sheetData>
<row r="1"><c r="A1" t="s"><v>0</v></c><c r="B1"><v>70</v></c><c r="C1"><v>8.5</v></c>
<c r="D1" t="inlineStr"><is><t>8,5</t></is></c><c r="E1" s="1"><v>45352</v></c><c r="F1" t="s"><v>1</v></c>
<c r="G1" t="b"><v>1</v></c><c r="H1"><f>1+1</f><v>2</v></c><c r="I1"><f>A1&amp;B1</f></c><c r="J1" t="e"><v>#DIV/0!</v></c>
<c r="K1" s="2"><v>45352.5</v></c><c r="L1" s="3"><v>2.5</v></c><c r="M1" s="4"><v>0.75</v></c><c r="N1" t="str"><f>A1</f><v>testo</v></c><c r="O1" t="d"><v>2024-03-01T00:00:00</v></c></row>
<row r="2"><c r="A2"><v>1E-7</v></c><c r="B2"><v>123456789012</v></c></row>
<row r="3"><c r="A3" t="s"><v>2</v></c></row>
<row r="4"><c r="B4"><v>9</v></c></row>
<row r="5"><c r="C5" t="s"><v>3</v></c></row>
</sheetData><mergeCells count="1"><mergeCell ref="A3:B4"/></mergeCells></worksheet>)";
const char* const Foglio2 = R"(<?xml version="1.0" encoding="UTF-8"?>
<worksheet xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main"><sheetData>
<row r="1"><c r="A1" t="s"><v>4</v></c></row></sheetData></worksheet>)";

std::string ScriviXlsx(const CartellaTemporanea& dir, const std::string& nome = "celle.xlsx") {
    const std::string p = dir.File(nome);
    Zippa(p, {{"xl/workbook.xml", Workbook}, {"xl/_rels/workbook.xml.rels", Rels}, {"xl/sharedStrings.xml", Stringhe},
              {"xl/styles.xml", Stili}, {"xl/worksheets/sheet1.xml", Foglio1}, {"xl/worksheets/sheet2.xml", Foglio2}});
    return p;
}

struct CasoCella {
    int riga, colonna;
    const char* testo;
};

// The cells both formats hold, and what a spreadsheet shows in them.
const CasoCella kComuni[] = {
    {1, 1, "testo"},      {1, 2, "70"},    {1, 3, "8.5"}, {1, 4, "8,5"},          {1, 5, "2024-03-01"},
    {1, 6, "  spazi  "},  {1, 7, "1"},     {2, 1, "1e-07"}, {2, 2, "123456789012"},                 {3, 1, "unito"},
    {3, 2, ""},           {4, 1, ""},      {4, 2, ""},    {5, 3, "Ciclabile è già"}, {9, 9, ""},
};

TEST(LeggiCartella, XlsxAndXlsGiveTheSameTexts) {
    CartellaTemporanea dir;
    Cartella xlsx, xls;
    std::string errore;
    ASSERT_TRUE(LeggiCartella(ScriviXlsx(dir), xlsx, errore)) << errore;
    ASSERT_TRUE(LeggiCartella(nottaro::test::Fixture("masterplan/celle.xls"), xls, errore)) << errore;
    EXPECT_FALSE(xlsx.FormatoXls);
    EXPECT_TRUE(xls.FormatoXls);
    for (const Cartella* c : {&xlsx, &xls}) {
        ASSERT_EQ(c->Fogli.size(), 2u);
        EXPECT_EQ(c->Fogli[0].Nome, "Dati");
        EXPECT_EQ(c->Fogli[1].Nome, "Secondo");
        EXPECT_EQ(c->Fogli[1].Testo(1, 1), "altro");
        for (const auto& k : kComuni)
            EXPECT_EQ(c->Fogli[0].Testo(k.riga, k.colonna), k.testo)
                << (c->FormatoXls ? "xls " : "xlsx ") << NomeCella(k.riga, k.colonna);
    }
}

TEST(LeggiCartella, XlsxFormulaValuesErrorsAndDateStyles) {
    CartellaTemporanea dir;
    Cartella c;
    std::string errore;
    ASSERT_TRUE(LeggiCartella(ScriviXlsx(dir), c, errore)) << errore;
    const CasoCella casi[] = {{1, 8, "2"},
                              {1, 9, ""},  // formula without a stored value
                              {1, 10, "#DIV/0!"},
                              {1, 11, "2024-03-01 12:00:00"},
                              {1, 12, "2.5"},  // a unit in quotes is no date
                              {1, 13, "18:00:00"},
                              {1, 14, "testo"},
                              {1, 15, "2024-03-01"}};
    for (const auto& k : casi) EXPECT_EQ(c.Fogli[0].Testo(k.riga, k.colonna), k.testo) << NomeCella(k.riga, k.colonna);
    ASSERT_EQ(c.Avvisi.size(), 1u);
    EXPECT_NE(c.Avvisi[0].find("Dati!I1"), std::string::npos) << c.Avvisi[0];
}

TEST(LeggiCartella, DamagedOrMissingFilesGiveOneLineWithTheName) {
    CartellaTemporanea dir;
    const std::string buono = ScriviXlsx(dir);
    std::string byte;
    {
        std::ifstream in(buono, std::ios::binary);
        byte.assign(std::istreambuf_iterator<char>(in), {});
    }
    auto scrivi = [&](const std::string& nome, const std::string& dati) {
        std::ofstream(dir.File(nome), std::ios::binary) << dati;
        return dir.File(nome);
    };
    const std::string senzaFoglio = dir.File("senzafoglio.xlsx");
    Zippa(senzaFoglio, {{"xl/workbook.xml", Workbook}, {"xl/_rels/workbook.xml.rels", Rels}});
    const std::string casi[] = {
        scrivi("troncato.xlsx", byte.substr(0, byte.size() / 2)),
        scrivi("rumore.xls", std::string(4096, 'x')),
        scrivi("vuoto.xlsm", ""),
        scrivi("testo.csv", "a;b\n"),
        dir.File("manca.xlsx"),
        dir.File("manca.xls"),
        senzaFoglio,
    };
    for (const auto& p : casi) {
        Cartella c;
        std::string errore;
        EXPECT_FALSE(LeggiCartella(p, c, errore)) << p;
        const std::string nome = p.substr(p.rfind('/') + 1);
        EXPECT_EQ(errore.rfind(nome + ": ", 0), 0u) << errore;
        EXPECT_EQ(errore.find('\n'), std::string::npos) << errore;
    }
}

TEST(TestoData, SerialDaysOfThe1900System) {
    const struct {
        double seriale;
        const char* testo;
    } casi[] = {{1, "1900-01-01"}, {59, "1900-02-28"}, {61, "1900-03-01"}, {45352, "2024-03-01"},
                {36526, "2000-01-01"}, {45291.999999, "2024-01-01"}};
    for (const auto& k : casi) EXPECT_EQ(TestoData(k.seriale, false, false), k.testo) << k.seriale;
    // Outside the spreadsheet's dates the number is shown as it is.
    for (double x : {-1e300, -1.0, 2958466.0, 1e300}) EXPECT_EQ(TestoData(x, true, false), FormatoGenerale(x)) << x;
}

// One sheet from the XML of its sheetData (and what follows it), shared
// strings optional.
std::string FoglioDa(const CartellaTemporanea& dir, const std::string& dati, const std::string& condivise = "") {
    const std::string p = dir.File("ostile.xlsx");
    std::vector<std::pair<std::string, std::string>> parti = {
        {"xl/workbook.xml", Workbook},
        {"xl/_rels/workbook.xml.rels", Rels},
        {"xl/worksheets/sheet1.xml",
         "<worksheet xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\">" + dati + "</worksheet>"},
        {"xl/worksheets/sheet2.xml", Foglio2},
        {"xl/sharedStrings.xml", condivise.empty() ? std::string(Stringhe) : condivise}};
    Zippa(p, parti);
    return p;
}

TEST(LeggiCartella, CellReferencesAreBoundedToTheSheetAndNamedWhenRefused) {
    CartellaTemporanea dir;
    struct Caso { const char* cella; const char* motivo; };
    const Caso casi[] = {
        {"XFE1", "XFE1"},                 // one column past XFD
        {"A1048577", "A1048577"},         // one row past the last
        {"A99999999999999999999", "A99999999999999999999"},  // would overflow an int
        {"1A", "1A"},
    };
    for (const auto& c : casi) {
        Cartella cartella;
        std::string errore;
        const std::string p = FoglioDa(dir, std::string("<sheetData><row><c r=\"") + c.cella + "\"><v>1</v></c></row></sheetData>");
        EXPECT_FALSE(LeggiCartella(p, cartella, errore)) << c.cella;
        EXPECT_NE(errore.find(c.motivo), std::string::npos) << errore;
    }
    // The last cell of the sheet is taken; cells and rows without a
    // reference follow the one before.
    Cartella cartella;
    std::string errore;
    ASSERT_TRUE(LeggiCartella(FoglioDa(dir, "<sheetData><row r=\"1048576\"><c r=\"XFD1048576\"><v>7</v></c></row>"
                                            "</sheetData>"), cartella, errore)) << errore;
    EXPECT_EQ(cartella.Fogli[0].Testo(MaxRighe, MaxColonne), "7");
    ASSERT_TRUE(LeggiCartella(FoglioDa(dir, "<sheetData><row><c><v>1</v></c><c r=\"C1\"><v>3</v></c><c><v>4</v></c></row>"
                                            "<row><c><v>5</v></c></row></sheetData>"), cartella, errore)) << errore;
    const Foglio& f = cartella.Fogli[0];
    EXPECT_EQ(f.Testo(1, 1), "1");
    EXPECT_EQ(f.Testo(1, 3), "3");
    EXPECT_EQ(f.Testo(1, 4), "4");
    EXPECT_EQ(f.Testo(2, 1), "5");
}

TEST(LeggiCartella, SharedStringIndexThatIsNotANumberIsRefused) {
    CartellaTemporanea dir;
    for (const char* v : {"abc", "-1", "", "0x1"}) {
        Cartella cartella;
        std::string errore;
        const std::string p = FoglioDa(dir, std::string("<sheetData><row r=\"2\"><c r=\"B2\" t=\"s\"><v>") + v +
                                                "</v></c></row></sheetData>");
        EXPECT_FALSE(LeggiCartella(p, cartella, errore)) << v;
        EXPECT_NE(errore.find("B2"), std::string::npos) << errore;
    }
}

// Hostile sheets that once cost billions of steps or gigabytes: a merge of
// the whole sheet, cells far out at column XFD, a part that inflates beyond
// the cap. Memory is held to 512 MB by the script that runs these under
// ulimit -v (tests/masterplan/memoria_limitata.sh); here they must simply end,
// right.
TEST(LeggiCartella, HostileSheetsCostTheCellsTheyHold) {
    CartellaTemporanea dir;
    std::string celle = "<sheetData><row r=\"1\"><c r=\"A1\" t=\"inlineStr\"><is><t>alto</t></is></c></row>";
    for (int r = 1; r <= 4000; ++r)
        celle += "<row r=\"" + std::to_string(r) + "\"><c r=\"XFD" + std::to_string(r) + "\"><v>" + std::to_string(r) +
                 "</v></c></row>";
    celle += "</sheetData><mergeCells count=\"2\"><mergeCell ref=\"A1:XFD1048576\"/>"
             "<mergeCell ref=\"A1:XFD2147483647\"/></mergeCells>";
    Cartella cartella;
    std::string errore;
    ASSERT_TRUE(LeggiCartella(FoglioDa(dir, celle), cartella, errore)) << errore;
    const Foglio& f = cartella.Fogli[0];
    EXPECT_EQ(f.Testo(1, 1), "alto") << "the top-left cell of a merge keeps its text";
    EXPECT_EQ(f.Testo(2, MaxColonne), "") << "the cells the merge covers are emptied";
    EXPECT_EQ(f.Righe.size(), 1u);

    // Shared strings and a sheet that inflate past the part cap are refused
    // naming the part, not read into memory.
    const std::string grande(MaxByteParte + 1, 'x');
    EXPECT_FALSE(LeggiCartella(FoglioDa(dir, "<sheetData/>", "<sst><si><t>" + grande + "</t></si></sst>"), cartella, errore));
    EXPECT_NE(errore.find("sharedStrings"), std::string::npos) << errore;
    EXPECT_FALSE(LeggiCartella(FoglioDa(dir, "<sheetData/>" + std::string("<!--") + grande + "-->"), cartella, errore));
    EXPECT_NE(errore.find("sheet1.xml"), std::string::npos) << errore;
}

}  // namespace
}  // namespace nottaro::mp
