// A solution table written before the energy indicator fields (40 fields)
// still reads, browses by the new criteria and is emptied with the new fields.
#include <gtest/gtest.h>

#include <filesystem>

#include "store/RigheProva.h"
#include "store/soluzioni/BrowserSoluzioni.h"
#include "store/soluzioni/RigaDbf.h"
#include "support/CartellaTemporanea.h"

namespace nottaro {
namespace {

TEST(TabellaPrecedente, SiLeggeSiSfogliaESiSvuotaConICampiNuovi) {
    struct Caso {
        const char* nome;
        const char* file;
        TipoImpianto tipo;
    };
    for (const Caso& c : {Caso{"NTRLUX", "ntrlux.dbf", TipoImpianto::Strada},
                          Caso{"NTRLUXA", "ntrluxa.dbf", TipoImpianto::Percorso}}) {
        SCOPED_TRACE(c.nome);
        test::CartellaTemporanea dir;
        const Layout& attuale = *LayoutPerTabella(c.nome);
        const Layout vecchio(attuale.begin(), attuale.begin() + 40);
        {
            TabellaDbf t;
            t.CollegaFile((std::filesystem::path(dir.Str()) / c.file).string(), &vecchio);
            ASSERT_TRUE(t.Crea());
            ASSERT_TRUE(t.Apri());
            ASSERT_TRUE(t.Aggiungi(test::RigaSoluzione(vecchio, 1, 8, 0)));
            ASSERT_TRUE(t.Aggiungi(test::RigaSoluzione(vecchio, 2, 10, 0)));
        }
        TabellaDbf t;
        t.Collega(dir.Str(), c.nome);
        ASSERT_TRUE(t.Apri(true));
        RigheInTabella righe(t, c.tipo);
        EXPECT_TRUE(righe.TabellaDiSoluzioni());
        EXPECT_FALSE(righe.CampiGiusti());
        if (c.tipo == TipoImpianto::Strada) {
            const auto lette = LeggiRigheStrada(t);
            ASSERT_EQ(lette.size(), 2u);
            EXPECT_NEAR(lette[0].LUMINA, 1.05, 1e-9);  // field 5 of RigaSoluzione
            EXPECT_EQ(lette[0].EIR, 0);
            EXPECT_EQ(lette[0].DP, 0);
            EXPECT_EQ(lette[0].DE, 0);
        } else {
            const auto lette = LeggiRighePercorso(t);
            ASSERT_EQ(lette.size(), 2u);
            EXPECT_NEAR(lette[0].EM, 1.05, 1e-9);
            EXPECT_EQ(lette[0].DP, 0);
        }
        // MIN Dp on a table without DP: the height filter alone.
        std::string filtro;
        ASSERT_TRUE(SelezionaCriterio(t, 22, {"8", "", 0}, RiepilogoSweep{}, filtro));
        EXPECT_EQ(filtro, "HPALO = '8'");
        EXPECT_EQ(t.NumeroRighe(), 1u);
        t.Chiudi();

        // The next sweep empties it with this version's fields.
        ASSERT_TRUE(t.Svuota());
        ASSERT_TRUE(t.Apri());
        EXPECT_TRUE(righe.CampiGiusti());
        EXPECT_EQ(t.NumeroRighe(), 0u);
    }
}

// A table of another program whose fields are not ours keeps its fields
// when emptied.
TEST(TabellaPrecedente, AltreTabelleSiSvuotanoComeSono) {
    test::CartellaTemporanea dir;
    const Layout altro{{"NOME", TipoCampo::Testo, 10, 0}, {"VALORE", TipoCampo::Numero, 10, 2}};
    const std::string file = (std::filesystem::path(dir.Str()) / "ntrlux.dbf").string();
    {
        TabellaDbf t;
        t.CollegaFile(file, &altro);
        ASSERT_TRUE(t.Crea());
    }
    TabellaDbf t;
    t.Collega(dir.Str(), "NTRLUX");
    ASSERT_TRUE(t.Svuota());
    ASSERT_TRUE(t.Apri(true));
    EXPECT_EQ(t.Campi().size(), 2u);
}

}  // namespace
}  // namespace nottaro
