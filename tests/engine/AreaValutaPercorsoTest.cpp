// A whole path geometry evaluated for the detailed view and the command line.
#include <gtest/gtest.h>

#include <cmath>

#include "engine/area/IlluminamentoArea.h"
#include "engine/area/ValutaPercorso.h"
#include "tests/engine/FotometrieProva.h"

namespace nottaro {
namespace {

Fotometria Isotropa(double flusso) {
    return test::FotometriaDa(test::Angoli(0, 15, 24), test::Angoli(0, 5, 37), [](double, double) { return 300.0; },
                              flusso);
}

ParametriArea Percorso() {
    ParametriArea p;
    p.DispPaliA = 6;
    p.LargStradaA = 4;
    p.HPaloA = 5;
    p.Interdist = 25;
    p.DeprezzA = 0.8;
    return p;
}

TEST(ValutaPercorso, FiguresClassTestAndUtilisationOfOneGeometry) {
    const Fotometria foto = Isotropa(4000);
    const ParametriArea p = Percorso();
    const RisultatoPercorso r = ValutaPercorso(foto, p, RequisitiArea{});
    ASSERT_TRUE(r.Valido()) << r.Messaggio;
    EXPECT_EQ(r.Apparecchi.size(), 24u);
    EXPECT_EQ(r.Campo.NPtiLong, 10);
    EXPECT_EQ(r.Campo.NPtiTrasv, 3);
    EXPECT_DOUBLE_EQ(r.Uo, r.Stat.EminCalc / r.Stat.EmCalc);
    ASSERT_TRUE(r.FattUtil.has_value());
    EXPECT_GT(*r.FattUtil, 0);
    EXPECT_LT(*r.FattUtil, 1);

    // The class test follows the requirements given.
    RequisitiArea req{r.Stat.EmCalc * 0.9, r.Stat.EminCalc, 0, 20};
    EXPECT_TRUE(ValutaPercorso(foto, p, req).Conforme);
    req.EminMin = std::nextafter(r.Stat.EminCalc, 1e9);
    EXPECT_FALSE(ValutaPercorso(foto, p, req).Conforme);

    // A lamp set without flux gives illuminance 0 and no utilisation factor.
    EXPECT_FALSE(ValutaPercorso(Isotropa(0), p, RequisitiArea{}).FattUtil.has_value());
}

TEST(ValutaPercorso, RefusalsComeBackAsOneLineAndCalculationErrorsNameTheRoutine) {
    struct Caso { int pers, nx, ny, disp, lamp; EsitoA esito; };
    const Caso casi[] = {
        {1, 0, 3, 6, 0, EsitoA::ContiPersonalizzatiNonValidi},
        {0, 0, 0, 0, 0, EsitoA::DisposizioneSconosciuta},
        {0, 0, 0, 6, MaxLampade, EsitoA::SerieLampadeNonValida},
        {0, 0, 0, 6, -1, EsitoA::SerieLampadeNonValida},
    };
    for (const auto& k : casi) {
        ParametriArea p = Percorso();
        p.GrigliaPers = k.pers;
        p.NPtiX = k.nx;
        p.NPtiY = k.ny;
        p.DispPaliA = k.disp;
        p.LampCalc = k.lamp;
        const RisultatoPercorso r = ValutaPercorso(Isotropa(4000), p, RequisitiArea{});
        EXPECT_EQ(r.Esito, k.esito);
        EXPECT_FALSE(r.Valido());
        EXPECT_FALSE(r.Messaggio.empty());
        EXPECT_EQ(r.Messaggio.find('\n'), std::string::npos);
    }
    ParametriArea p = Percorso();
    p.HPaloA = std::nan("");
    const RisultatoPercorso r = ValutaPercorso(Isotropa(4000), p, RequisitiArea{});
    EXPECT_TRUE(r.ErrCalcolo);
    EXPECT_STREQ(r.Routine, "CalcolaIllum");
    EXPECT_FALSE(r.Valido());
}

}  // namespace
}  // namespace nottaro
