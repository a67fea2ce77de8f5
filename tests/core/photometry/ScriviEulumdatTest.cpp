// The record written as EULUMDAT reads back as it was: every field the file
// carries, and the intensities to the last bit, whatever file it came from.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "core/photometry/LettoriFotometria.h"
#include "core/photometry/ScriviEulumdat.h"
#include "engine/FotometrieProva.h"
#include "support/CartellaTemporanea.h"
#include "support/FileFotometrici.h"
#include "support/InterazioneFinta.h"
#include "support/Percorsi.h"

namespace nottaro {
namespace {

void StessiCampi(const Fotometria& a, const Fotometria& b) {
    EXPECT_EQ(a.DittaLdt, b.DittaLdt);
    EXPECT_EQ(a.TipoLdt, b.TipoLdt);
    EXPECT_EQ(a.RapportoMis, b.RapportoMis);
    EXPECT_EQ(a.NomeApp, b.NomeApp);
    EXPECT_EQ(a.NumApp, b.NumApp);
    EXPECT_EQ(a.FileInterno, b.FileInterno);
    EXPECT_EQ(a.DataLdt, b.DataLdt);
    EXPECT_EQ(a.LungApp, b.LungApp);
    EXPECT_EQ(a.LargApp, b.LargApp);
    EXPECT_EQ(a.AltApp, b.AltApp);
    EXPECT_EQ(a.LungLum, b.LungLum);
    EXPECT_EQ(a.LargLum, b.LargLum);
    EXPECT_EQ(a.AltLum, b.AltLum);
    EXPECT_EQ(a.DFF, b.DFF);
    EXPECT_EQ(a.LORL, b.LORL);
    EXPECT_EQ(a.FattConv, b.FattConv);
    EXPECT_EQ(a.InclinaMis, b.InclinaMis);
    EXPECT_EQ(a.NumLampade, b.NumLampade);
    for (int s = 0; s < a.NumLampade; ++s) {
        EXPECT_EQ(a.LampadePerSet[s], b.LampadePerSet[s]) << s;
        EXPECT_EQ(a.TipoLamp[s], b.TipoLamp[s]) << s;
        EXPECT_EQ(a.FlussoLamp[s], b.FlussoLamp[s]) << s;
        EXPECT_EQ(a.ColoreLamp[s], b.ColoreLamp[s]) << s;
        EXPECT_EQ(a.ResaLamp[s], b.ResaLamp[s]) << s;
        EXPECT_EQ(a.PotLamp[s], b.PotLamp[s]) << s;
    }
    EXPECT_EQ(a.RappDiretti, b.RappDiretti);
    EXPECT_TRUE(a.Intens == b.Intens);
}

TEST(ScriviEulumdat, EveryFixtureReadsBackWithTheSameFieldsAndBits) {
    test::CartellaTemporanea dir;
    int visti = 0;
    for (const auto& file : test::FileFotometrici()) {
        SCOPED_TRACE(file.filename().string());
        Fotometria letta;
        test::InterazioneFinta ui;
        ui.lampade.push_back(DatiLampada{"LED 40", 40, 4000, 4});
        LeggiFotometria(file.string(), letta, ui);
        if (letta.Intens.Vuota()) continue;
        ++visti;
        letta.Modificata = true;
        const std::string copia = dir.File("copia.nt1");
        ASSERT_TRUE(ScriviEulumdat(copia, letta));
        Fotometria riletta;
        test::InterazioneFinta ui2;
        ASSERT_EQ(LeggiEulumdat(copia, riletta, ui2), 0);
        EXPECT_EQ(ui2.mostrati.size(), 0u) << (ui2.mostrati.empty() ? "" : ui2.mostrati[0].testo);
        StessiCampi(letta, riletta);
        EXPECT_EQ(riletta.Simmetria, letta.NumC() == 1 ? 1 : 0);
        EXPECT_FALSE(riletta.Modificata);
    }
    EXPECT_GT(visti, 10);
}

TEST(ScriviEulumdat, StepsOnlyForEvenlySpacedAnglesAndCrLfWindows1252Lines) {
    test::CartellaTemporanea dir;
    Fotometria f = test::FotometriaDa({0, 90, 180, 270}, {0, 10, 30}, [](double c, double g) { return c + g / 3; }, 1000);
    f.NomeApp = "Lanterna città";
    const std::string file = dir.File("a.ldt");
    ASSERT_TRUE(ScriviEulumdat(file, f));
    std::ifstream in(file, std::ios::binary);
    const std::string testo((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_NE(testo.find("\r\n0\r\n4\r\n90\r\n3\r\n0\r\n"), std::string::npos);  // Isym, Mc, Dc, Ng, Dg
    EXPECT_NE(testo.find("Lanterna citt\xE0\r\n"), std::string::npos);
    EXPECT_NE(testo.find("\r\n3.3333333333333335\r\n"), std::string::npos);  // 10 / 3, shortest exact
    EXPECT_EQ(testo.find('\n', 0), testo.find("\r\n", 0) + 1);
    // Nowhere to write: false, nothing left.
    EXPECT_FALSE(ScriviEulumdat(dir.File("manca/a.ldt"), f));
    EXPECT_FALSE(std::filesystem::exists(dir.File("manca")));
}

}  // namespace
}  // namespace nottaro
