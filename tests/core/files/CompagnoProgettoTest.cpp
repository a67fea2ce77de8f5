// An edited photometry is saved beside its project as "<name>.nt1" and comes
// back with it; an unedited one leaves no companion, a stale companion is
// brought up to date, and a companion that cannot be written stops the save.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "core/files/FileProgetto.h"
#include "core/i18n/Messaggi.h"
#include "core/photometry/LettoriFotometria.h"
#include "core/photometry/ScriviEulumdat.h"
#include "support/CartellaTemporanea.h"
#include "support/InterazioneFinta.h"
#include "support/Percorsi.h"

namespace nottaro {
namespace {

namespace fs = std::filesystem;

const char* const Via = "photometry/eulumdat-analysis_sample_19_LEDiL_STRADA_street_isym0.ldt";

StatoProgetto ConFotometria() {
    StatoProgetto s;
    s.Inizializza();
    s.FileFoto = test::Fixture(Via);
    test::InterazioneFinta ui;
    LeggiEulumdat(s.FileFoto, s.Foto, ui);
    return s;
}

TEST(CompagnoProgetto, TheTableReloadedIsTheOneSaved) {
    struct Caso {
        const char* descrizione;
        bool modificata;
        bool compagnoVecchio;  // a companion from an earlier save is there
        bool compagnoDopo;
        double nadirRiletto;   // plane 1 at gamma 0 after reloading the project
    };
    const double nadirFile = ConFotometria().Foto.Intens.Valore(1, 1);
    const Caso casi[] = {
        {"edited", true, false, true, 123.25},
        {"unedited", false, false, false, nadirFile},
        {"unedited, stale companion", false, true, true, 123.25},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(c.descrizione);
        test::CartellaTemporanea dir;
        const std::string progetto = dir.File("p.nt0"), compagno = dir.File("p.nt1");
        StatoProgetto s = ConFotometria();
        if (c.compagnoVecchio) {
            Fotometria vecchia = s.Foto;
            vecchia.Intens.ImpostaValore(1, 1, 999);
            ASSERT_TRUE(ScriviEulumdat(compagno, vecchia));
        }
        if (c.modificata || c.compagnoVecchio) s.Foto.Intens.ImpostaValore(1, 1, 123.25);
        s.Foto.Modificata = c.modificata;
        test::InterazioneFinta ui;
        ASSERT_TRUE(SalvaProgetto(progetto, s, ui));
        EXPECT_EQ(fs::exists(compagno), c.compagnoDopo);
        EXPECT_FALSE(fs::exists(compagno + ".tmp"));

        StatoProgetto caricato;
        caricato.Inizializza();
        ASSERT_TRUE(CaricaProgetto(progetto, caricato, ui).letto);
        EXPECT_EQ(caricato.Foto.Intens.Valore(1, 1), c.nadirRiletto);
        EXPECT_EQ(caricato.Foto.Intens.Valore(40, 50), s.Foto.Intens.Valore(40, 50));
        EXPECT_EQ(ui.Conta("avviso"), 0);
    }
}

TEST(CompagnoProgetto, CompanionThatCannotBeWrittenStopsTheSave) {
    test::CartellaTemporanea dir;
    fs::create_directory(dir.File("p.nt1"));  // a folder where the companion should go
    StatoProgetto s = ConFotometria();
    s.Foto.Modificata = true;
    test::InterazioneFinta ui;
    ImpostaLinguaCatalogo(1);
    EXPECT_FALSE(SalvaProgetto(dir.File("p.nt0"), s, ui));
    EXPECT_FALSE(fs::exists(dir.File("p.nt0")));
    ASSERT_EQ(ui.Conta("avviso"), 1);
    EXPECT_EQ(ui.mostrati[0].testo, "The photometric data of the project p.nt1 cannot be written: the project was not saved.");
}

}  // namespace
}  // namespace nottaro
