// The batch's engine options: a flux reduction dims field and glare veil
// alike, the wing cut raises the lower bound of the class, and the double
// centre row places each luminaire of a pair on its own side.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "core/photometry/LettoriFotometria.h"
#include "engine/area/IlluminamentoArea.h"
#include "engine/road/Abbagliamento.h"
#include "engine/road/IllumSoluzione.h"
#include "engine/road/ValutazioneStrada.h"
#include "support/InterazioneFinta.h"
#include "support/Percorsi.h"

namespace nottaro {
namespace {

const Fotometria& Stradale() {
    static const std::unique_ptr<Fotometria> f = [] {
        auto foto = std::make_unique<Fotometria>();
        test::InterazioneFinta ui;
        LeggiEulumdat(test::Fixture("photometry/eulumdat-analysis_sample_19_LEDiL_STRADA_street_isym0.ldt"), *foto, ui);
        return foto;
    }();
    return *f;
}

ParametriStrada Strada(int disp, bool doppio) {
    ParametriStrada p;
    p.DispPali = disp;
    p.LargStrada = 9;
    p.NCorsie = 2;
    p.HPalo = 9;
    p.Sbraccio = 1;
    p.Interdist = 30;
    p.DoppioCentro = doppio;
    return p;
}

TEST(FattRiduzione, DimsLuminanceIlluminanceAndVeilAlike) {
    for (int disp : {1, 4, 5, 6}) {
        ParametriStrada p = Strada(disp, disp == 5);
        ValutazioneStrada v;
        v.ImpostaFotometria(Stradale(), 0);
        const RisultatoStrada pieno = v.Valuta(p, nullptr);
        ASSERT_EQ(pieno.Esito, EsitoStrada::Accettato);
        CampoIllum c1, c2;
        StatisticheIllum s1, s2;
        ContestoCalcolo ctx;
        ASSERT_TRUE(IllumSoluzione(ctx, v.Ricerca(), p, v.Campo().Apparecchi, v.Campo().Griglia, c1, s1));
        p.FattRiduzione = 0.6;
        const RisultatoStrada ridotto = v.Valuta(p, nullptr);
        ASSERT_TRUE(IllumSoluzione(ctx, v.Ricerca(), p, v.Campo().Apparecchi, v.Campo().Griglia, c2, s2));
        EXPECT_NEAR(ridotto.Lm, 0.6 * pieno.Lm, 1e-12 * pieno.Lm) << disp;
        EXPECT_NEAR(ridotto.Uo, pieno.Uo, 1e-12) << disp;
        EXPECT_NEAR(ridotto.Ul, pieno.Ul, 1e-12) << disp;
        EXPECT_NEAR(s2.EmCalc, 0.6 * s1.EmCalc, 1e-12 * s1.EmCalc) << disp;
        // Veil and adaptation luminance both fall: TI goes with 0.6^0.2, never up.
        EXPECT_NEAR(ridotto.TI, pieno.TI * std::pow(0.6, 0.2), 1e-9 * pieno.TI) << disp;
    }
}

TEST(TaglioAli, RaisesTheLowerBoundOfTheClass) {
    const ParametriStrada p = Strada(1, false);
    ValutazioneStrada v;
    v.ImpostaFotometria(Stradale(), 0);
    const double Lm = v.Valuta(p, nullptr).Lm;
    SoglieStrada s;
    s.LmMin = Lm / 1.05;  // Lm is 5 % above the class
    s.ErrLm = 150;
    for (auto [taglio, esito] : {std::pair{0.0, EsitoStrada::Accettato}, std::pair{4.9, EsitoStrada::Accettato},
                                 std::pair{5.1, EsitoStrada::FuoriClasse}, std::pair{7.0, EsitoStrada::FuoriClasse}}) {
        s.TaglioAli = taglio;
        EXPECT_EQ(v.Valuta(p, &s).Esito, esito) << taglio;
    }
    StatisticheIllum st;
    st.EmCalc = 10.6;
    st.EminCalc = 5;
    RequisitiArea r;
    r.EmMin = 10;
    r.ErrEm = 200;
    EXPECT_TRUE(VerificaClasseA(st, r));
    r.TaglioAli = 7;
    EXPECT_FALSE(VerificaClasseA(st, r));
    st.EmCalc = 10.8;
    EXPECT_TRUE(VerificaClasseA(st, r));
}

TEST(DoppioCentro, PairsOnTheCentreLineEachFacingItsOwnSide) {
    const ParametriStrada p = Strada(5, true);
    std::vector<Apparecchio> app;
    ASSERT_TRUE(DisponiApparecchi(p, app));
    ASSERT_EQ(app.size() % 2, 0u);
    for (std::size_t k = 0; k < app.size(); k += 2) {
        EXPECT_EQ(app[k].x, app[k + 1].x);
        EXPECT_DOUBLE_EQ(app[k].y, 4.5 + 0.01);
        EXPECT_DOUBLE_EQ(app[k + 1].y, 4.5 - 0.01);
        EXPECT_EQ(SbraccioSegnato(p, app[k]), 1);
        EXPECT_EQ(SbraccioSegnato(p, app[k + 1]), -1);
        EXPECT_TRUE(GuardaMenoY(p, app[k]));
        EXPECT_FALSE(GuardaMenoY(p, app[k + 1]));
    }
    // While (k + 1) S stays within 5 H before the field and 12 H after it.
    EXPECT_EQ(app.front().x, -30);
    EXPECT_EQ(app.back().x, 90);
    // Without the flag arrangement 5 stays staggered on the edges.
    ASSERT_TRUE(DisponiApparecchi(Strada(5, false), app));
    EXPECT_TRUE(app[0].y == 0 || app[0].y == 9);

    // The glare row: pairs at the same x, the light centres a reach off the
    // centre line toward their own side, facing away from it.
    std::vector<CentroLuce> fila;
    FilaAbbagliamento(p, -20, fila);
    ASSERT_GE(fila.size(), 4u);
    EXPECT_EQ(fila[0].x, fila[1].x);
    EXPECT_DOUBLE_EQ(fila[0].y, 4.51 - 1);
    EXPECT_DOUBLE_EQ(fila[1].y, 4.49 + 1);
    EXPECT_TRUE(VersoMenoY(fila[0], 1));
    EXPECT_FALSE(VersoMenoY(fila[1], 1));
    EXPECT_EQ(fila[2].x, 30);
}

}  // namespace
}  // namespace nottaro
