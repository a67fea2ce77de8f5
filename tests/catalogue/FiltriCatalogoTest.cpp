// The catalogue's filter panel: which rows each choice leaves, in any language.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>

#include <string>
#include <vector>

#include "CatalogoProva.h"
#include "catalogue/Catalogo.h"
#include "catalogue/FileProdotti.h"
#include "core/files/ListaFile.h"
#include "core/i18n/Messaggi.h"
#include "support/CartellaTemporanea.h"
#include "support/InterazioneFinta.h"

namespace nottaro {
namespace {

class FiltriCatalogo : public ::testing::Test {
protected:
    void SetUp() override {
        ImpostaLinguaCatalogo(1);
        ASSERT_TRUE(test::ScriviCatalogo(
            dir.Str(),
            {
                {{"NOMEAPP", "A"}, {"LINEA", "Stradale"}, {"SBRACCIO", "SI"}, {"LAMPADA", "Sodio Alta Pressione"},
                 {"POTENZAR", "70"}, {"MODELLO", "Via"}, {"PRODUTTORE", "Lumen"}},
                {{"NOMEAPP", "B"}, {"LINEA", "Stradale"}, {"TESTAPALO", "SI"}, {"LAMPADA", "Ioduri Metallici"},
                 {"POTENZAR", "150"}, {"MODELLO", "Via"}, {"PRODUTTORE", "L'Aquila Luce"}},
                {{"NOMEAPP", "C"}, {"LINEA", "Arredo Urbano in Stile"}, {"SOSPENSION", "SI"},
                 {"LAMPADA", "Fluorescenza"}, {"POTENZAR", "70"}, {"MODELLO", "Lanterna 'Vecchia'"},
                 {"PRODUTTORE", "Lumen"}},
                {{"NOMEAPP", "D"}, {"LINEA", "Arredo Urbano Moderno"}, {"SBRACCIO", "SI"},
                 {"LAMPADA", "Ioduri Metallici"}, {"POTENZAR", "70"}, {"MODELLO", "Cubo"},
                 {"PRODUTTORE", "L'Aquila Luce"}},
            }));
        test::ScriviFile(dir.File("NTRProd0.dat"), "\r\nLumen\r\nL'Aquila Luce\r\n");
        test::ScriviFile(dir.File("NTRProd1.dat"), "\r\nVia\r\nLanterna 'Vecchia'\r\nCubo\r\n");
        std::string e;
        ASSERT_TRUE(c.Apri(dir.Str(), e)) << e;
    }

    std::string Nomi() {
        std::string s;
        for (std::size_t r = 0; r < c.NumeroRighe(); ++r) s += c.Tabella().TestoRiga(r, "NOMEAPP").value_or("?");
        return s;
    }

    test::CartellaTemporanea dir;
    Catalogo c;
    test::InterazioneFinta ui;
};

TEST_F(FiltriCatalogo, EachListAloneAndAllTogether) {
    struct Caso {
        ScelteFiltro scelte;
        const char* righe;
        EsitoFiltro esito;
    };
    const Caso casi[] = {
        {{0, 0, 0, 0, 0, 0}, "ABCD", EsitoFiltro::Tutte},
        {{-1, -1, -1, -1, -1, -1}, "ABCD", EsitoFiltro::Tutte},  // typed texts matching no entry
        {{1, 0, 0, 0, 0, 0}, "AB", EsitoFiltro::Filtrate},
        {{3, 0, 0, 0, 0, 0}, "D", EsitoFiltro::Filtrate},
        {{0, 1, 0, 0, 0, 0}, "B", EsitoFiltro::Filtrate},
        {{0, 2, 0, 0, 0, 0}, "AD", EsitoFiltro::Filtrate},
        {{0, 3, 0, 0, 0, 0}, "C", EsitoFiltro::Filtrate},
        {{0, 0, 3, 0, 0, 0}, "BD", EsitoFiltro::Filtrate},  // "Metal Halide" filters on "Ioduri Metallici"
        {{0, 0, 4, 0, 0, 0}, "C", EsitoFiltro::Filtrate},
        {{0, 0, 0, 8, 0, 0}, "ACD", EsitoFiltro::Filtrate},  // 70 W compared as a number
        {{0, 0, 0, 0, 2, 0}, "C", EsitoFiltro::Filtrate},    // a model with quotes
        {{0, 0, 0, 0, 0, 2}, "BD", EsitoFiltro::Filtrate},   // "L'Aquila Luce"
        {{3, 2, 3, 8, 3, 2}, "D", EsitoFiltro::Filtrate},
    };
    for (const Caso& k : casi) {
        ScelteFiltro s = k.scelte;
        EXPECT_EQ(c.ApplicaFiltro(s, ui), k.esito);
        EXPECT_EQ(Nomi(), k.righe);
    }
    EXPECT_TRUE(ui.mostrati.empty());
    ScelteFiltro tutte{3, 2, 3, 8, 3, 2};
    EXPECT_EQ(TestoFiltro(c.Liste(), tutte),
              "(LINEA = 'Arredo Urbano Moderno') AND (SBRACCIO = 'SI') AND (LAMPADA = 'Ioduri Metallici') AND "
              "(POTENZAR = '70') AND (MODELLO = 'Cubo') AND (PRODUTTORE = 'L''Aquila Luce')");
}

TEST_F(FiltriCatalogo, NoMatchWarnsAndResetsEveryList) {
    ScelteFiltro s{1, 3, 0, 0, 0, 0};
    EXPECT_EQ(c.ApplicaFiltro(s, ui), EsitoFiltro::Nessuna);
    ASSERT_EQ(ui.mostrati.size(), 1u);
    EXPECT_EQ(ui.mostrati[0].tipo, "avviso");
    EXPECT_EQ(ui.mostrati[0].testo, Msg(367));
    EXPECT_EQ(s, (ScelteFiltro{0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(Nomi(), "ABCD");
    EXPECT_FALSE(c.Tabella().FiltroAttivo());
}

TEST_F(FiltriCatalogo, ListsFollowTheLanguageAndTheProductFiles) {
    ImpostaLinguaCatalogo(0);
    Catalogo it;
    std::string e;
    ASSERT_TRUE(it.Apri(dir.Str(), e));
    const auto& l = it.Liste();
    EXPECT_EQ(l[2][3].testo, "Alogenuri Metallici");
    EXPECT_EQ(l[2][3].clausola, "(LAMPADA = 'Ioduri Metallici')");
    EXPECT_EQ(l[0][0].testo, "");
    EXPECT_EQ(l[3].size(), 14u);
    EXPECT_EQ(l[4].size(), 4u);
    EXPECT_EQ(l[5][2].testo, "L'Aquila Luce");
    ImpostaLinguaCatalogo(1);
}

TEST(FileProdotti, ReadToTheLastLineWithoutTrailingBlanks) {
    test::CartellaTemporanea dir;
    struct Caso {
        const char* cosa;
        std::string byte;
        std::vector<std::string> righe;
    };
    const Caso casi[] = {
        {"empty first line, three makers", "\r\nA\r\nB\r\nC\r\n", {"", "A", "B", "C"}},
        {"last line without end", "\r\nA\r\nB\r\nC", {"", "A", "B", "C"}},
        {"blank lines at the end", "\r\nA\r\n\r\n\r\n", {"", "A"}},
        {"Windows-1252", "\r\nCitt\xE0 Luce\r\n", {"", "Citt\xC3\xA0 Luce"}},
    };
    for (const Caso& k : casi) {
        test::ScriviFile(dir.File("NTRProd0.dat"), k.byte);
        EXPECT_EQ(LeggiDatiProdotti(dir.Str()).produttori, k.righe) << k.cosa;
    }
    // A pipe or a file beyond the list cap is no choice file: read as absent,
    // at once.
    test::CartellaTemporanea ostile;
    ASSERT_EQ(::mkfifo(ostile.File("NTRProd0.dat").c_str(), 0600), 0);
    test::ScriviFile(ostile.File("NTRProd1.dat"), "\r\nModello\r\n");
    std::filesystem::resize_file(ostile.File("NTRProd1.dat"), MaxByteLista + 1);
    const DatiProdotti o = LeggiDatiProdotti(ostile.Str());
    EXPECT_EQ(o.produttori, std::vector<std::string>{""});
    EXPECT_EQ(o.modelli, std::vector<std::string>{""});

    test::CartellaTemporanea vuota;
    const DatiProdotti d = LeggiDatiProdotti(vuota.Str());
    EXPECT_EQ(d.produttori, std::vector<std::string>{""});
    EXPECT_EQ(d.modelli, std::vector<std::string>{""});
    EXPECT_TRUE(d.nomiProduttori.empty());
}

}  // namespace
}  // namespace nottaro
