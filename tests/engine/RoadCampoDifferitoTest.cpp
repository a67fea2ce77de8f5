// The fast road evaluation forms the field of a geometry only for the first
// candidate that passes the Ul test: the figures are the plain evaluation's
// whatever stopped the earlier candidates of the same geometry.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <string>

#include "core/photometry/LettoriFotometria.h"
#include "engine/road/ValutazioneStrada.h"
#include "engine/road/reference/LuminanzaRiferimento.h"
#include "support/InterazioneFinta.h"
#include "support/Percorsi.h"

namespace nottaro {
namespace {

std::unique_ptr<Fotometria> Stradale() {
    auto foto = std::make_unique<Fotometria>();
    test::InterazioneFinta ui;
    EXPECT_EQ(LeggiFotometria(test::Fixture("photometry/eulumdat-analysis_sample_19_LEDiL_STRADA_street_isym0.ldt"),
                              *foto, ui),
              0);
    foto->FlussoLamp[0] = 20000;
    return foto;
}

ParametriStrada Strada() {
    ParametriStrada p;  // right edge, 7 m, two lanes, R3, EN grid
    p.DispPali = 2; p.LargStrada = 7; p.NCorsie = 2; p.ClassePav = 4; p.Deprezz = 0.8;
    p.HPalo = 10; p.Sbraccio = 0.5; p.Interdist = 25;
    p.GrigliaEN = 1; p.NPtiCorsia = 3; p.InterMaxGriglia = 30; p.PassoRigheMax = 3; p.OssUNI = 0;
    return p;
}

// A field formed late is formed by the same operations: equal to the last bit.
void Uguali(double a, double b, const std::string& cosa) { EXPECT_EQ(a, b) << cosa; }

TEST(CampoDifferitoStrada, FormatoDopoUnArrestoAlTestUl) {
    const auto foto = Stradale();
    ValutazioneStrada veloce;
    veloce.ImpostaFotometria(*foto, 0);
    CampoStrada rif;
    SoglieStrada soloUl;
    soloUl.LmMin = 0;
    soloUl.UlMin = 100;  // no field reaches it
    // Tilts of one overhang, then of the next, as the sweep runs them: the
    // first tilt of each overhang stops at Ul, the later ones need the field.
    for (double sbraccio : {0.5, 1.0})
        for (double inclina : {-10.0, 0.0, 5.0, 15.0}) {
            ParametriStrada p = Strada();
            p.Sbraccio = sbraccio;
            p.Inclina = inclina;
            const std::string ctx = "overhang " + std::to_string(sbraccio) + " tilt " + std::to_string(inclina);
            if (inclina == -10) {
                EXPECT_EQ(veloce.Valuta(p, &soloUl).Esito, EsitoStrada::SottoUl) << ctx;
                // No field, so no illuminance left over from the candidate before.
                CampoIllum e;
                StatisticheIllum st;
                EXPECT_FALSE(veloce.Illuminamento(p, e, st)) << ctx;
                continue;
            }
            const RisultatoStrada a = riferimento::ValutaStrada(*foto, p, nullptr, rif);
            const RisultatoStrada b = veloce.Valuta(p, nullptr);
            ASSERT_EQ(a.Esito, EsitoStrada::Accettato) << ctx;
            ASSERT_EQ(b.Esito, EsitoStrada::Accettato) << ctx;
            Uguali(b.Lm, a.Lm, ctx + " Lm");
            Uguali(b.Uo, a.Uo, ctx + " Uo");
            Uguali(b.Ul, a.Ul, ctx + " Ul");
            Uguali(b.TI, a.TI, ctx + " TI");
            for (int o = 0; o < rif.NOss; ++o)
                for (int i = 0; i < rif.Griglia.NPtiLong; ++i)
                    for (int j = 0; j < rif.Griglia.NPtiTrasv; ++j)
                        Uguali(veloce.Campo().Lum(o, i, j), rif.Lum(o, i, j), ctx + " field");
        }
}

}  // namespace
}  // namespace nottaro
