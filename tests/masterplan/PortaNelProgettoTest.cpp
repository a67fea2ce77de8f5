// A batch road row carried into the design evaluates, in the design, to the
// figures the batch gave the row, whatever its arrangement.
#include <gtest/gtest.h>

#include <memory>

#include "core/state/DisposizioniStrada.h"
#include "core/state/StatoProgetto.h"
#include "engine/progetto/ValutaProgetto.h"
#include "engine/road/ValutazioneStrada.h"
#include "masterplan/CalcolaMasterplan.h"
#include "masterplan/FileLdtMP.h"
#include "masterplan/OpzioniMP.h"
#include "masterplan/progetto/StatoMasterplan.h"
#include "masterplan/valutazioni/ValutaSoluzione.h"
#include "masterplan/valutazioni/Valutazioni.h"
#include "support/Percorsi.h"

namespace nottaro::mp {
namespace {

// An asymmetric street optic: a layout with poles on the wrong side or
// facing the wrong way changes every figure.
constexpr const char* kStradale = "eulumdat-analysis_sample_19_LEDiL_STRADA_street_isym0.ldt";

TEST(PortaNelProgetto, CarriedRoadRowGivesTheBatchFiguresInTheDesign) {
    struct Caso {
        int dispRiga, dispProgetto;
        double W, H, s, S;
    };
    const Caso casi[] = {
        {5, DispDoppioCentro, 7, 8, 0.5, 28},   // double centre row: pairs on the centre line
        {5, DispDoppioCentro, 12, 10, 1, 33},
        {2, 2, 7, 8, 0.5, 28},                   // the other arrangements carried as they are
        {4, 4, 9, 9, 1, 30},
        {6, 6, 14, 10, 0, 35},
    };
    OpzioniMP o;
    o.DirLdtMaster = test::Fixture("photometry");
    o.Deprezz = 0.8;
    ArchivioLdt archivio(o.DirLdtMaster);
    archivio.Carica({kStradale});
    const FileLdt* file = archivio.File(kStradale);
    ASSERT_TRUE(file && file->Leggibile);
    for (const Caso& k : casi) {
        SCOPED_TRACE(testing::Message() << "row arrangement " << k.dispRiga << ", W " << k.W);
        RigaTabellaMP r;
        DatiRigaMP& d = r.Dati.emplace();
        d.Req = {TipoRiga::Strada, 1, 40, 60, 15};
        d.ClasseRiga = "me3a";
        d.H = k.H, d.s = k.s, d.W = k.W, d.NCorsie = 2, d.DispPali = k.dispRiga;
        d.File = {file};
        SoluzioneMP& sol = r.Esito.Sol[0];
        sol.Presente = true;
        sol.File = kStradale;
        sol.Spaziatura = k.S;
        r.Esito.Trattenuti = 1;
        // The row's figures as the batch's sweep put them in the table, and as
        // its detail pages show them.
        ValutazioneStrada sweep;
        sweep.ImpostaFotometria(*file->Foto, 0);
        const RisultatoStrada tabella = sweep.Valuta(ParametriStradaMP(d, o, k.S, 0), nullptr);
        const DettaglioSoluzioneMP batch = ValutaSoluzione(d, o, sol);
        ASSERT_TRUE(batch.Strada.ok);

        auto s = std::make_unique<StatoProgetto>();
        s->Inizializza();
        std::string errore;
        ASSERT_TRUE(PortaRigaNelProgetto(*s, r, 0, o, errore)) << errore;
        EXPECT_EQ(s->DispPali, k.dispProgetto);

        const ValutazioneProgetto v = ValutaProgetto(RichiestaDaStato(*s, TipoImpianto::Strada));
        ASSERT_TRUE(v.strada.has_value()) << v.errore.Testo();
        EXPECT_DOUBLE_EQ(v.strada->Lm, batch.Strada.SolLm);
        EXPECT_DOUBLE_EQ(v.strada->Uo, batch.Strada.SolUo);
        EXPECT_DOUBLE_EQ(v.strada->Ul, batch.Strada.SolUl);
        EXPECT_DOUBLE_EQ(v.strada->TI < 0 ? 0 : v.strada->TI, batch.Strada.TICalc);
        EXPECT_DOUBLE_EQ(v.strada->Lm, tabella.Lm);
        EXPECT_DOUBLE_EQ(v.strada->Uo, tabella.Uo);
        EXPECT_DOUBLE_EQ(v.strada->Ul, tabella.Ul);
        EXPECT_DOUBLE_EQ(v.strada->TI, tabella.TI);
    }
}

}  // namespace
}  // namespace nottaro::mp
