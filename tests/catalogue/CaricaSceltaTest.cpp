// Loading the catalogue's pick into the design state: nothing of the pick is
// kept unless its file loaded, and the lamp set is the one of the row's flux.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "catalogue/CaricaScelta.h"
#include "core/i18n/Messaggi.h"
#include "core/photometry/LettoriFotometria.h"
#include "support/InterazioneFinta.h"
#include "support/Percorsi.h"

namespace nottaro {
namespace {

const std::string DueLampade = test::Fixture("photometry/eulumdat-analysis_sample_03_two_lamp_sets_isym4.ldt");
const std::string Strada = test::Fixture("photometry/eulumdat-analysis_sample_19_LEDiL_STRADA_street_isym0.ldt");

TEST(CaricaScelta, OnlyALoadedPickChangesTheState) {
    struct Caso {
        const char* cosa;
        std::string file;
        double flusso;
        bool lista, siAlla52;
        EsitoScelta esito;
        int lampada;  // LampSel after, when loaded
    };
    const Caso casi[] = {
        {"second lamp set by flux", DueLampade, 2643, false, false, EsitoScelta::Caricata, 1},
        {"first lamp set by flux", DueLampade, 1983, false, false, EsitoScelta::Caricata, 0},
        {"no flux: the reader's set", DueLampade, 0, false, false, EsitoScelta::Caricata, 0},
        {"a flux no set has", DueLampade, 5000, false, false, EsitoScelta::Caricata, 0},
        {"missing file", "/manca/x.ldt", 2643, false, false, EsitoScelta::NonCaricata, -1},
        {"list kept", DueLampade, 2643, true, false, EsitoScelta::ListaTenuta, -1},
        {"list closed", DueLampade, 2643, true, true, EsitoScelta::Caricata, 1},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.cosa);
        auto s = std::make_unique<StatoProgetto>();
        test::InterazioneFinta ui;
        ASSERT_EQ(LeggiFotometria(Strada, s->Foto, ui), 0);
        s->FileFoto = Strada;
        s->CatNomeFile = "strada";
        s->FotoApp = "/img/strada.jpg";
        s->FileLista = c.lista ? "/l/lista.ntr" : "";
        ui.risposte = {c.siAlla52};
        const SceltaCatalogo scelta{c.file, "nuovo.ldt", c.flusso, ""};
        EXPECT_EQ(CaricaSceltaCatalogo(*s, scelta, ui), c.esito);
        EXPECT_FALSE(s->DaCatalogo);
        EXPECT_EQ(ui.ContaTesto(Msg(52)), c.lista ? 1 : 0);
        if (c.esito == EsitoScelta::Caricata) {
            EXPECT_EQ(s->FileFoto, c.file);
            EXPECT_EQ(s->CatNomeFile, "nuovo.ldt");
            EXPECT_EQ(s->FotoApp, "") << "a pick without picture leaves no picture";
            EXPECT_EQ(s->Foto.NumLampade, 2);
            EXPECT_EQ(s->Foto.LampSel, c.lampada);
            EXPECT_TRUE(s->FotoCaricata);
            EXPECT_EQ(s->FileLista, "");
        } else {
            EXPECT_EQ(s->FileFoto, Strada);
            EXPECT_EQ(s->CatNomeFile, "strada");
            EXPECT_EQ(s->FotoApp, "/img/strada.jpg");
            EXPECT_EQ(s->Foto.NumLampade, 1) << "the previous record stays";
            EXPECT_EQ(s->FileLista, c.lista ? "/l/lista.ntr" : "");
        }
    }
}

}  // namespace
}  // namespace nottaro
