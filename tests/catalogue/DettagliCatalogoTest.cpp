// The data sheet, the picture and the picks of the catalogue.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "CatalogoProva.h"
#include "catalogue/Catalogo.h"
#include "catalogue/ImmagineApparecchio.h"
#include "core/i18n/Messaggi.h"
#include "support/CartellaTemporanea.h"
#include "support/InterazioneFinta.h"

namespace nottaro {
namespace {

std::map<std::string, VoceDettaglio> PerCampo(const std::vector<VoceDettaglio>& v) {
    std::map<std::string, VoceDettaglio> m;
    for (const auto& d : v) m[d.campo] = d;
    return m;
}

TEST(DettagliCatalogo, MaterialsAreNamedInTheRuleOrder) {
    ImpostaLinguaCatalogo(1);
    struct Caso {
        const char* memorizzato;
        std::string corpo, riflettore, diffusore;
    };
    const Caso casi[] = {
        {"Alluminio + Acciaio inox", "Aluminium + Steel", "Aluminium", "Alluminio + Acciaio inox"},
        {"Alluminio + Poliestere", "Aluminium + Polyester", "Aluminium", "Alluminio + Poliestere"},
        {"Pressofuso di Alluminio", "Aluminium", "Aluminium", "Pressofuso di Alluminio"},
        {"Policarbonato UV", "Polycarbonate", "Polycarbonate", "Polycarbonate"},
        {"Plastica + Fibra di vetro", "Plastic", "Plastica + Fibra di vetro", "Plastica + Fibra di vetro"},
        {"Polipropilene + Poliestere", "Polypropylene + Polyester", "Polipropilene + Poliestere",
         "Polipropilene + Poliestere"},
        {"Poliestere", "Polyester", "Poliestere", "Poliestere"},
        {"Vetro piano temprato", "Vetro piano temprato", "Vetro piano temprato", "Flat Glass"},
        {"Ghisa", "Ghisa", "Ghisa", "Ghisa"},
    };
    for (const Caso& c : casi) {
        EXPECT_EQ(TestoCorpo(c.memorizzato), c.corpo) << c.memorizzato;
        EXPECT_EQ(TestoRiflettore(c.memorizzato), c.riflettore) << c.memorizzato;
        EXPECT_EQ(TestoDiffusore(c.memorizzato), c.diffusore) << c.memorizzato;
    }
}

TEST(DettagliCatalogo, NumbersShownAsTheDataSheetWritesThem) {
    struct CasoIp {
        const char *ipvl, *ipva, *atteso;
    };
    for (const CasoIp& c : {CasoIp{"65", "44", "65/44"}, CasoIp{"65", "", "65"}, CasoIp{"", "44", "44"},
                            CasoIp{"", "", ""}})
        EXPECT_EQ(TestoIP(c.ipvl, c.ipva), c.atteso);
    struct CasoDff {
        const char *dff, *alto;
    };
    for (const CasoDff& c : {CasoDff{"97.5", "2.5"}, CasoDff{"100", "0"}, CasoDff{"0", "-"}, CasoDff{"", "-"},
                             CasoDff{" 0.0", "-"}, CasoDff{"n/d", "-"}})
        EXPECT_EQ(TestoFlussoAlto(c.dff), c.alto) << c.dff;
    for (const char* zero : {"", "0"}) EXPECT_EQ(TestoLorl(zero), "-");
    EXPECT_EQ(TestoLorl("78.5"), "78.5");
}

TEST(DettagliCatalogo, MakerLineIsTheFirstDisplayLineContainingTheMaker) {
    const std::vector<std::string> linee{"Altro Srl", "Lumen - Lumen Italia S.p.A.", "Lumen Due - Seconda"};
    EXPECT_EQ(LineaProduttore(linee, "Lumen"), "Lumen - Lumen Italia S.p.A.");
    EXPECT_EQ(LineaProduttore(linee, "Nessuno"), "Nessuno");
    EXPECT_EQ(LineaProduttore({}, "Lumen"), "Lumen");
    EXPECT_EQ(LineaProduttore(linee, ""), "");
}

TEST(DettagliCatalogo, RowOfTheTableGivesEveryLine) {
    ImpostaLinguaCatalogo(1);
    test::CartellaTemporanea dir;
    ASSERT_TRUE(test::ScriviCatalogo(dir.Str(), {{{"NOMEAPP", "Lanterna"},
                                                 {"IPVL", "66"},
                                                 {"POTENZAR", "70"},
                                                 {"POTENZA", "83"},
                                                 {"DFF", "97.5"},
                                                 {"LORL", "0"},
                                                 {"PRODUTTORE", "Lumen"},
                                                 {"MATCORPO", "Alluminio"}},
                                                {{"NOMEAPP", "Senza"}}}));
    test::ScriviFile(dir.File("NTRProd2.dat"), "Altro\r\nLumen - Lumen Italia\r\n");
    Catalogo c;
    std::string e;
    ASSERT_TRUE(c.Apri(dir.Str(), e)) << e;
    auto d = PerCampo(c.Dettagli(0));
    EXPECT_EQ(d["NOMEAPP"].valore, "Lanterna");
    EXPECT_TRUE(d["NOMEAPP"].grassetto);
    EXPECT_EQ(d["IP"].valore, "66");
    EXPECT_EQ(d["POTENZAR"].valore, "70(83)");
    EXPECT_EQ(d["DFF"].valore, "2.5 %");
    EXPECT_EQ(d["LORL"].valore, "- %");
    EXPECT_EQ(d["MATCORPO"].valore, "Aluminium");
    EXPECT_EQ(d["PRODUTTORE"].valore, "Lumen - Lumen Italia");
    d = PerCampo(c.Dettagli(1));
    EXPECT_EQ(d["POTENZAR"].valore, "") << "no power: nothing, not \"()\"";
    EXPECT_EQ(d["IP"].valore, "");
    EXPECT_EQ(c.Dettagli(0).size(), 23u);
}

TEST(ImmagineCatalogo, PicturesFitTheBoxKeepingTheirShape) {
    struct Caso {
        int w, h;
        RiquadroImmagine atteso;
    };
    const Caso casi[] = {
        {360, 90, {0, 67, 180, 45}},   {60, 120, {45, 0, 90, 180}},  {90, 60, {0, 30, 180, 120}},
        {100, 100, {0, 0, 180, 180}},  {200, 400, {45, 0, 90, 180}}, {180, 180, {0, 0, 180, 180}},
        {181, 20, {0, 80, 180, 19}},   {0, 50, {0, 0, 0, 0}},
    };
    for (const Caso& c : casi) {
        const RiquadroImmagine r = AdattaImmagine(c.w, c.h);
        EXPECT_EQ(std::vector<int>({r.x, r.y, r.larghezza, r.altezza}),
                  std::vector<int>({c.atteso.x, c.atteso.y, c.atteso.larghezza, c.atteso.altezza}))
            << c.w << " x " << c.h;
    }
}

TEST(ImmagineCatalogo, OnlyAnExistingPictureOfImgIsUsed) {
    test::CartellaTemporanea dir;
    test::ScriviFile(dir.File("img/Lume.JPG"));
    test::ScriviFile(dir.File("img/ND.jpg"));
    test::ScriviFile(dir.File("fuori.jpg"));
    EXPECT_EQ(PercorsoImmagine(dir.Str(), "lume.jpg"), dir.File("img/Lume.JPG"));
    for (const char* f : {"", "manca.jpg", "../fuori.jpg"}) EXPECT_EQ(PercorsoImmagine(dir.Str(), f), "") << f;
    EXPECT_EQ(PercorsoImmagineMancante(dir.Str()), dir.File("img/ND.jpg"));
}

TEST(SceltaCatalogo, APickNamesAnExistingFileWithItsFlux) {
    ImpostaLinguaCatalogo(1);
    test::CartellaTemporanea dir;
    ASSERT_TRUE(test::ScriviCatalogo(dir.Str(), {
                                                    {{"NOMEFILE", "Strada.LDT"}, {"LUMEN", "6600"}, {"FILEFOTO", "s.jpg"}},
                                                    {{"NOMEFILE", "manca.ldt"}, {"LUMEN", "100"}},
                                                    {{"NOMEFILE", "../fuori.ldt"}},
                                                    {{"NOMEFILE", "strada.ldt"}, {"LUMEN", "n/d"}},
                                                }));
    test::ScriviFile(dir.File("ldt/strada.ldt"));
    test::ScriviFile(dir.File("fuori.ldt"));
    test::ScriviFile(dir.File("img/s.jpg"));
    Catalogo c;
    std::string e;
    ASSERT_TRUE(c.Apri(dir.Str(), e)) << e;
    test::InterazioneFinta ui;
    const auto s = c.Scegli(0, ui);
    ASSERT_TRUE(s);
    EXPECT_EQ(s->file, dir.File("ldt/strada.ldt"));
    EXPECT_EQ(s->nomeFile, "Strada.LDT");
    EXPECT_EQ(s->flusso, 6600);
    EXPECT_EQ(s->fotoApp, dir.File("img/s.jpg"));
    for (std::size_t riga : {1u, 2u}) {
        EXPECT_FALSE(c.Scegli(riga, ui)) << riga;
    }
    ASSERT_EQ(ui.mostrati.size(), 2u);
    EXPECT_EQ(ui.mostrati[0].testo, "manca.ldt - " + Msg(25));
    EXPECT_EQ(ui.mostrati[1].testo, "../fuori.ldt - " + Msg(25));
    const auto senzaFlusso = c.Scegli(3, ui);
    ASSERT_TRUE(senzaFlusso);
    EXPECT_EQ(senzaFlusso->flusso, 0);
    EXPECT_EQ(senzaFlusso->fotoApp, "");
    EXPECT_FALSE(c.Scegli(4, ui));
}

TEST(SceltaCatalogo, ListModeAddsAFileAgainOnlyAfterAnother) {
    ScelteLista s;
    for (const char* f : {"A", "A", "B", "A"}) s.Aggiungi(f);
    EXPECT_EQ(s.Scelte(), (std::vector<std::string>{"A", "B", "A"}));
    s.Svuota();
    EXPECT_TRUE(s.Scelte().empty());
}

TEST(Catalogo, AMissingTableIsMessage429) {
    ImpostaLinguaCatalogo(1);
    test::CartellaTemporanea dir;
    Catalogo c;
    std::string e;
    EXPECT_FALSE(c.Apri(dir.Str(), e));
    EXPECT_EQ(e, Msg(429));
    EXPECT_EQ(FileCatalogo(dir.Str()), "");
}

}  // namespace
}  // namespace nottaro
