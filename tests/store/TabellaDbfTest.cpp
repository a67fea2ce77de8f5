// The dBase table store: layouts, round trips, refused appends, emptying,
// reopening, copying and the cursor.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <limits>

#include "support/CartellaTemporanea.h"
#include "RigheProva.h"
#include "store/TabellaDbf.h"

namespace nottaro {
namespace {

using test::CartellaTemporanea;
using test::RigaSoluzione;

std::string LeggiByte(const std::string& percorso) {
    std::ifstream f(percorso, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), {}};
}

// Numeric fields keep 8 decimals on disk.
constexpr double TolleranzaDisco = 0.5e-8;

TEST(LayoutTabelle, SolutionTablesHaveTheSharedFortyFieldsThenTheEnergyIndicators) {
    for (const Layout* l : {&LayoutNTRLUX(), &LayoutNTRLUXA()}) {
        ASSERT_GE(l->size(), 42u);
        EXPECT_EQ((*l)[0].nome, "NUM");
        EXPECT_EQ((*l)[15].nome, "LAMPADA");
        EXPECT_EQ((*l)[15].larghezza, 30);
        EXPECT_EQ((*l)[16].larghezza, 80);
        EXPECT_EQ((*l)[17].nome, "FILELDT");
        EXPECT_EQ((*l)[17].larghezza, 80);
        EXPECT_EQ((*l)[39].nome, "BREAKEVEN");
        for (const auto& c : *l) EXPECT_LE(c.nome.size(), 10u) << c.nome;
    }
    // Added fields only at the end, so tables written before them still read.
    ASSERT_EQ(LayoutNTRLUX().size(), 43u);
    EXPECT_EQ(LayoutNTRLUX()[40].nome, "EIR");
    EXPECT_EQ(LayoutNTRLUX()[41].nome, "DP");
    EXPECT_EQ(LayoutNTRLUX()[42].nome, "DE");
    ASSERT_EQ(LayoutNTRLUXA().size(), 42u);
    EXPECT_EQ(LayoutNTRLUXA()[40].nome, "DP");
    EXPECT_EQ(LayoutNTRLUXA()[41].nome, "DE");
    EXPECT_EQ(LayoutNTRLUX()[5].nome, "LUMINA");
    EXPECT_EQ(LayoutNTRLUXA()[5].nome, "EM");
    EXPECT_EQ(LayoutPerTabella("ntrluxa"), &LayoutNTRLUXA());
    EXPECT_EQ(LayoutPerTabella("LIGHTLIST"), &LayoutLightlist());
    EXPECT_EQ(LayoutPerTabella("other"), nullptr);
}

// Every value a sweep can produce survives the file: the extremes of the
// numeric width, sub-unit ratios, negative overhangs and full-width texts
// with characters outside ASCII.
TEST(TabellaDbf, RoundTripOfBothLayoutsWithExtremeValues) {
    const double estremi[] = {9999999999.25, -999999999.5, 0.00000001, -0.5, 0.12345678, 0.0, 123456.78901234};
    // 30 and 80 characters in Windows-1252, more bytes in UTF-8.
    const std::string lampada = "Ioduri Metallici 150W ° è € –";
    const std::string lunga = std::string(70, 'x') + "àèéìòù°€–—";
    for (const char* nome : {"NTRLUX", "NTRLUXA"}) {
        SCOPED_TRACE(nome);
        CartellaTemporanea dir;
        const Layout& layout = *LayoutPerTabella(nome);
        std::vector<ValoreCampo> riga;
        for (std::size_t i = 0; i < layout.size(); ++i) {
            if (layout[i].tipo == TipoCampo::Testo)
                riga.emplace_back(layout[i].larghezza == 30 ? lampada : lunga);
            else
                riga.emplace_back(i == 0 ? 65000.0 : estremi[i % std::size(estremi)]);
        }
        {
            TabellaDbf t;
            t.Collega(dir.Str(), nome);
            ASSERT_TRUE(t.Apri());  // created on first use
            EXPECT_TRUE(t.Aggiungi(riga)) << t.Aggiungi(riga).errore;
        }
        TabellaDbf t;
        t.Collega(dir.Str(), nome);
        ASSERT_TRUE(t.Apri(true));
        ASSERT_EQ(t.NumeroRighe(), 1u);
        ASSERT_TRUE(t.Primo());
        ASSERT_EQ(t.Campi().size(), layout.size());
        for (std::size_t i = 0; i < layout.size(); ++i) {
            EXPECT_EQ(t.Campi()[i].nome, layout[i].nome);
            if (layout[i].tipo == TipoCampo::Testo) {
                EXPECT_EQ(t.Testo(layout[i].nome), std::get<std::string>(riga[i])) << layout[i].nome;
            } else {
                auto x = t.Numero(layout[i].nome);
                ASSERT_TRUE(x) << layout[i].nome;
                EXPECT_NEAR(*x, std::get<double>(riga[i]), TolleranzaDisco) << layout[i].nome;
            }
        }
        const std::string disco = LeggiByte(dir.File(std::string(nome) == "NTRLUX" ? "ntrlux.dbf" : "ntrluxa.dbf"));
        EXPECT_EQ(static_cast<unsigned char>(disco[29]), 0x57);              // Windows-1252 code page
        EXPECT_NE(disco.find("150W \xB0 \xE8 \x80 \x96"), std::string::npos);  // stored as Windows-1252
    }
}

TEST(TabellaDbf, RefusedRowsLeaveTheTableUnchanged) {
    CartellaTemporanea dir;
    TabellaDbf t;
    t.Collega(dir.Str(), "NTRLUX");
    ASSERT_TRUE(t.Apri());
    const Layout& l = LayoutNTRLUX();
    const auto buona = RigaSoluzione(l, 1, 8, 1.5);
    struct Caso {
        const char* cosa;
        std::size_t campo;
        ValoreCampo valore;
    };
    const Caso casi[] = {
        {"number too wide", 20, 1e11},
        {"negative number too wide", 20, -1e10},
        {"row number too wide", 0, 1e10},
        {"not a number", 8, std::numeric_limits<double>::quiet_NaN()},
        {"infinite", 39, std::numeric_limits<double>::infinity()},
        {"text longer than 30", 15, std::string(31, 'a')},
        {"text longer than 80", 17, std::string(81, 'a')},
        {"text in a numeric field", 1, std::string("8")},
        {"number in a text field", 16, 3.0},
    };
    for (const auto& c : casi) {
        auto riga = buona;
        riga[c.campo] = c.valore;
        const auto e = t.Aggiungi(riga);
        EXPECT_FALSE(e) << c.cosa;
        EXPECT_NE(e.errore.find(l[c.campo].nome), std::string::npos) << c.cosa << ": " << e.errore;
    }
    auto corta = buona;
    corta.pop_back();
    EXPECT_FALSE(t.Aggiungi(corta));
    EXPECT_EQ(t.NumeroRecord(), 0u);

    ASSERT_TRUE(t.Aggiungi(buona));
    t.Chiudi();
    ASSERT_TRUE(t.Apri(true));
    EXPECT_EQ(t.NumeroRighe(), 1u);
    EXPECT_FALSE(t.Aggiungi(buona)) << "read-only table accepted a row";
}

// The catalogue leaves whole numbers such as IPVA blank when a luminaire has
// none; a blank must read back as no value, not as 0.
TEST(TabellaDbf, EmptyTextInANumericFieldStoresNoValue) {
    CartellaTemporanea dir;
    TabellaDbf t;
    t.Collega(dir.Str(), "NTRLUX");
    ASSERT_TRUE(t.Apri());
    auto riga = RigaSoluzione(LayoutNTRLUX(), 1, 8, 1.5);
    riga[2] = std::string();
    ASSERT_TRUE(t.Aggiungi(riga));
    t.Chiudi();
    ASSERT_TRUE(t.Apri(true));
    ASSERT_TRUE(t.Primo());
    EXPECT_EQ(t.Numero(LayoutNTRLUX()[2].nome), std::nullopt);
    EXPECT_EQ(t.Testo(LayoutNTRLUX()[2].nome), "");
    EXPECT_EQ(t.Numero(LayoutNTRLUX()[1].nome), 8);
}

TEST(TabellaDbf, EmptyKeepsFieldsAndCodePageAndAppendsContinueAfterReopen) {
    CartellaTemporanea dir;
    TabellaDbf t;
    t.Collega(dir.Str(), "NTRLUXA");
    ASSERT_TRUE(t.Svuota());  // missing file: created empty
    ASSERT_TRUE(t.Apri());
    for (int i = 1; i <= 3; ++i) ASSERT_TRUE(t.Aggiungi(RigaSoluzione(LayoutNTRLUXA(), i, 4 + i, 0)));
    ASSERT_TRUE(t.Svuota());
    EXPECT_TRUE(t.Aperta());
    EXPECT_EQ(t.NumeroRecord(), 0u);
    EXPECT_EQ(t.Campi().size(), LayoutNTRLUXA().size());

    for (int i = 1; i <= 2; ++i) ASSERT_TRUE(t.Aggiungi(RigaSoluzione(LayoutNTRLUXA(), i, 4 + i, 0)));
    t.Scollega();
    t.Collega(dir.Str(), "NTRLUXA");
    ASSERT_TRUE(t.Apri());
    ASSERT_TRUE(t.Aggiungi(RigaSoluzione(LayoutNTRLUXA(), 3, 7, 0)));
    ASSERT_EQ(t.NumeroRighe(), 3u);
    int atteso = 1;
    for (bool ok = t.Primo(); ok; ok = t.Prossimo(), ++atteso) {
        EXPECT_EQ(t.Numero("NUM"), atteso);
        EXPECT_EQ(t.Numero("hpalo"), 4 + atteso);  // names ignore case
    }
    EXPECT_EQ(atteso, 4);
    EXPECT_EQ(static_cast<unsigned char>(LeggiByte(dir.File("ntrluxa.dbf"))[29]), 0x57);
}

// A table written by another program without a code page is marked
// Windows-1252 when emptied, since everything Nottaro writes is.
TEST(TabellaDbf, EmptyingMarksTheCodePage) {
    CartellaTemporanea dir;
    const std::string file = dir.File("ntrlux.dbf");
    {
        TabellaDbf t;
        t.Collega(dir.Str(), "NTRLUX");
        ASSERT_TRUE(t.Crea());
    }
    {
        std::fstream f(file, std::ios::in | std::ios::out | std::ios::binary);
        f.seekp(29);
        f.put('\0');
    }
    TabellaDbf t;
    t.Collega(dir.Str(), "NTRLUX");
    ASSERT_TRUE(t.Svuota());
    EXPECT_EQ(static_cast<unsigned char>(LeggiByte(file)[29]), 0x57);
}

TEST(TabellaDbf, MissingOrUnreadableFilesAreReported) {
    CartellaTemporanea dir;
    TabellaDbf t;
    t.Collega(dir.Str(), "lightlist");
    EXPECT_FALSE(t.Apri(true)) << "a read-only catalogue must not be created";
    EXPECT_FALSE(std::filesystem::exists(dir.File("lightlist.dbf")));

    t.CollegaFile(dir.File("altro.dbf"));
    EXPECT_FALSE(t.Apri()) << "no layout, nothing to create";

    std::ofstream(dir.File("rotto.dbf")) << "not a table";
    t.CollegaFile(dir.File("rotto.dbf"));
    EXPECT_FALSE(t.Apri(true));
    EXPECT_FALSE(t.Aperta());
}

// Rows are read from the disk a block at a time: every row reads back as
// written forwards and backwards across the blocks, and rows written over
// the same bytes after emptying, or appended after a scan, are never read
// from the block taken before them.
TEST(TabellaDbf, ScansAcrossReadBlocksSeeEveryRowAsLastWritten) {
    CartellaTemporanea dir;
    TabellaDbf t;
    t.Collega(dir.Str(), "NTRLUX");
    ASSERT_TRUE(t.Apri());
    const int righe = 600;  // several read blocks of 40-field rows
    auto verifica = [&](double altezza, int n, const char* quando) {
        ASSERT_EQ(t.NumeroRighe(), static_cast<std::size_t>(n)) << quando;
        for (int i = 0; i < n; ++i) ASSERT_EQ(t.NumeroRiga(static_cast<std::size_t>(i), "HPALO"), altezza + i) << quando;
        for (int i = n - 1; i >= 0; --i) ASSERT_EQ(t.NumeroRiga(static_cast<std::size_t>(i), "NUM"), i + 1) << quando;
    };
    for (int i = 0; i < righe; ++i) ASSERT_TRUE(t.Aggiungi(RigaSoluzione(LayoutNTRLUX(), i + 1, 1000 + i, 0)));
    verifica(1000, righe, "first write");
    ASSERT_TRUE(t.Svuota());
    for (int i = 0; i < righe / 2; ++i) ASSERT_TRUE(t.Aggiungi(RigaSoluzione(LayoutNTRLUX(), i + 1, 5000 + i, 0)));
    verifica(5000, righe / 2, "rewritten after emptying");
    ASSERT_TRUE(t.Aggiungi(RigaSoluzione(LayoutNTRLUX(), righe / 2 + 1, 5000 + righe / 2, 0)));
    verifica(5000, righe / 2 + 1, "appended after a scan");
}

// A row another program marked deleted stays hidden with the filter on or
// off, and rows appended after it show.
TEST(TabellaDbf, RowsMarkedDeletedStayHiddenThroughFiltersAndAppends) {
    CartellaTemporanea dir;
    TabellaDbf t;
    t.Collega(dir.Str(), "NTRLUX");
    ASSERT_TRUE(t.Apri());
    for (int i = 1; i <= 5; ++i) ASSERT_TRUE(t.Aggiungi(RigaSoluzione(LayoutNTRLUX(), i, i % 2 ? 8 : 10, 0)));
    t.Scollega();
    {
        // The deletion mark is the first byte of a record.
        std::fstream f(dir.File("ntrlux.dbf"), std::ios::in | std::ios::out | std::ios::binary);
        unsigned char testa[12];
        f.read(reinterpret_cast<char*>(testa), 12);
        const int inizio = testa[8] | testa[9] << 8, lunghezza = testa[10] | testa[11] << 8;
        f.seekp(inizio + 2 * lunghezza);
        f.put('*');
    }
    t.Collega(dir.Str(), "NTRLUX");
    ASSERT_TRUE(t.Apri());
    auto numeri = [&t] {
        std::vector<double> v;
        for (std::size_t i = 0; i < t.NumeroRighe(); ++i) v.push_back(t.NumeroRiga(i, "NUM").value_or(-1));
        return v;
    };
    EXPECT_EQ(numeri(), (std::vector<double>{1, 2, 4, 5}));
    ASSERT_TRUE(t.ImpostaFiltro("HPALO = '8'"));
    t.AttivaFiltro(true);
    EXPECT_EQ(numeri(), (std::vector<double>{1, 5}));
    ASSERT_TRUE(t.Aggiungi(RigaSoluzione(LayoutNTRLUX(), 6, 8, 0)));
    t.AttivaFiltro(false);
    EXPECT_EQ(numeri(), (std::vector<double>{1, 2, 4, 5, 6}));
}

// The cursor over rows written one by one or gathered into few writes (the
// gathered rows are read back before they reach the file); both leave the
// same file.
void CursoreSuRighe(const std::string& cartella, bool raccolte) {
    std::filesystem::create_directories(cartella);
    TabellaDbf t;
    t.Collega(cartella, "NTRLUX");
    ASSERT_TRUE(t.Apri());
    t.RaccogliRighe(raccolte);
    const double altezze[] = {6, 8, 8, 10, 8};
    for (int i = 0; i < 5; ++i) ASSERT_TRUE(t.Aggiungi(RigaSoluzione(LayoutNTRLUX(), i + 1, altezze[i], 0)));

    ASSERT_TRUE(t.ImpostaFiltro("HPALO = '8'"));
    EXPECT_EQ(t.NumeroRighe(), 5u) << "filter is off until switched on";
    t.AttivaFiltro(true);
    ASSERT_EQ(t.NumeroRighe(), 3u);
    EXPECT_TRUE(t.VaiA(2));
    EXPECT_EQ(t.Numero("NUM"), 5);
    EXPECT_EQ(t.NumeroRiga(0, "NUM"), 2);
    EXPECT_EQ(t.Posizione(), 2u) << "reading a row by index must not move the cursor";
    EXPECT_FALSE(t.Prossimo());
    EXPECT_TRUE(t.Fine());
    EXPECT_EQ(t.Numero("NUM"), std::nullopt) << "no current row past the end";
    EXPECT_FALSE(t.VaiA(3));

    ASSERT_TRUE(t.Aggiungi(RigaSoluzione(LayoutNTRLUX(), 6, 8, 0)));
    ASSERT_TRUE(t.Aggiungi(RigaSoluzione(LayoutNTRLUX(), 7, 12, 0)));
    EXPECT_EQ(t.NumeroRighe(), 4u) << "a matching appended row shows, another does not";

    ASSERT_TRUE(t.ImpostaFiltro(""));
    EXPECT_EQ(t.NumeroRighe(), 7u) << "empty filter with the filter on shows every row";
    EXPECT_EQ(t.Numero("NOFIELD"), std::nullopt);
    EXPECT_EQ(t.Testo("NOFIELD"), std::nullopt);
    ASSERT_TRUE(t.Primo());
    EXPECT_EQ(t.Testo("HPALO"), "6") << "numbers read as text in the general format";
    EXPECT_EQ(t.Testo("LAMPADA"), "SAP 70W") << "texts without the padding";
}

TEST(TabellaDbf, CursorFollowsTheFilterAndAppendedRows) {
    CartellaTemporanea dir;
    ASSERT_NO_FATAL_FAILURE(CursoreSuRighe(dir.File("una"), false));
    ASSERT_NO_FATAL_FAILURE(CursoreSuRighe(dir.File("raccolte"), true));
    EXPECT_EQ(LeggiByte(dir.File("raccolte/ntrlux.dbf")), LeggiByte(dir.File("una/ntrlux.dbf")));
}

TEST(TabellaDbf, CopyGivesAnIdenticalReadableTable) {
    CartellaTemporanea dir;
    TabellaDbf t;
    t.Collega(dir.Str(), "NTRLUX");
    ASSERT_TRUE(t.Apri());
    ASSERT_TRUE(t.Aggiungi(RigaSoluzione(LayoutNTRLUX(), 1, 8, 1.5)));
    const std::string copia = dir.File("prova1.dbf");
    std::ofstream(copia) << "old content";
    ASSERT_TRUE(t.CopiaFile(copia));
    EXPECT_EQ(LeggiByte(copia), LeggiByte(dir.File("ntrlux.dbf")));
    TabellaDbf c;
    c.CollegaFile(copia);
    ASSERT_TRUE(c.Apri(true));
    ASSERT_TRUE(c.Primo());
    EXPECT_EQ(c.Numero("SBRACCIO"), 1.5);
    EXPECT_FALSE(t.CopiaFile(dir.File("missing/folder/x.dbf")));
}

}  // namespace
}  // namespace nottaro
