// The sample catalogue shipped in data/: every row names a photometric file
// that reads cleanly, its lamp set is found by the row's flux, and its picture
// exists where it names one.
#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <string>

#include "catalogue/CaricaScelta.h"
#include "catalogue/Catalogo.h"
#include "catalogue/ImmagineApparecchio.h"
#include "core/photometry/LettoriFotometria.h"
#include "support/InterazioneFinta.h"
#include "support/Percorsi.h"

namespace nottaro {
namespace {

TEST(CatalogoCampione, EveryRowLoadsWithItsLampSet) {
    Catalogo c;
    std::string e;
    ASSERT_TRUE(c.Apri(test::Sorgente("data"), e)) << e;
    ASSERT_GT(c.NumeroRighe(), 0u);
    std::set<std::string> senzaFoto;
    for (std::size_t r = 0; r < c.NumeroRighe(); ++r) {
        const std::string nome = c.Tabella().TestoRiga(r, "NOMEFILE").value_or("");
        SCOPED_TRACE(nome);
        test::InterazioneFinta ui;
        const auto s = c.Scegli(r, ui);
        ASSERT_TRUE(s);
        auto f = std::make_unique<Fotometria>();
        ASSERT_EQ(LeggiFotometria(s->file, *f, ui), 0);
        EXPECT_TRUE(ui.mostrati.empty()) << ui.mostrati.front().testo;
        const int l = LampadaConFlusso(*f, s->flusso);
        EXPECT_NEAR(f->FlussoLamp[static_cast<std::size_t>(l)], s->flusso, 0.05 * s->flusso);
        EXPECT_EQ(c.Tabella().TestoRiga(r, "TIPOLAMP"), f->TipoLamp[static_cast<std::size_t>(l)].substr(0, 25));
        if (c.Tabella().TestoRiga(r, "FILEFOTO").value_or("").empty()) senzaFoto.insert(nome);
        else EXPECT_FALSE(s->fotoApp.empty());
    }
    EXPECT_EQ(senzaFoto.size(), 1u) << "one luminaire shows the placeholder";
    EXPECT_FALSE(PercorsoImmagineMancante(test::Sorgente("data")).empty());
}

}  // namespace
}  // namespace nottaro
