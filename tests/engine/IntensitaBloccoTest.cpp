// The block intensity lookup on every vector width this processor runs,
// against the plain scan of the table: a direction the block finishes must
// carry the very bits of the plain lookup, and the whole call (block plus the
// directions left to the single lookup) must equal it everywhere, over real
// files of every awkward shape and over tilted directions.
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "core/intensity/DirezioniInclinabili.h"
#include "core/intensity/IntensitaBlocco.h"
#include "core/intensity/Intensita.h"
#include "core/intensity/RicercaIntensita.h"
#include "core/photometry/LettoriFotometria.h"
#include "engine/FotometrieProva.h"
#include "support/Percorsi.h"

namespace nottaro {
namespace {

bool StessiBit(double a, double b) {
    return (std::isnan(a) && std::isnan(b)) || std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b);
}

struct Caso {
    const char* nome;
    Fotometria foto;
    // Least share of directions the block must finish itself.
    double quotaMinima;
};

Fotometria DaFile(const char* nome) {
    Fotometria f;
    InterazioneMuta ui;
    EXPECT_EQ(LeggiFotometria(test::Fixture(std::string("photometry/") + nome), f, ui), 0) << nome;
    return f;
}

std::vector<Caso> Casi() {
    // Steep cut-off: the quadratic overshoots below zero next to it.
    auto ripida = [](double c, double g) { return g < 60 ? 400 + c : g < 65 ? 5 : 0; };
    return {
        {"full circle 0-360", DaFile("ies2002_circle_0_360_equal.ies"), 0.5},
        {"asymmetric street", DaFile("eulumdat-analysis_sample_19_LEDiL_STRADA_street_isym0.ldt"), 0.5},
        {"uneven gamma", DaFile("eulumdat-analysis_sample_20_Signify_isym4_nonequidistant_gamma.ldt"), 0.5},
        {"two lamp sets", DaFile("eulumdat-plot_sample_43_isym4_ityp3_2lamps.ldt"), 0.5},
        {"planes 90-270", DaFile("ies95_90_to_270.ies"), 0.3},
        {"one plane, turned about the axis", DaFile("ies2002_one_plane.ies"), 0.5},
        {"steep cut-off", test::FotometriaDa(test::Angoli(0, 15, 24), test::Angoli(0, 5, 19), ripida, 8000), 0.5},
    };
}

// Directions on and between the nodes, across the seam at C = 0 / 360, at the
// nadir, past the last gamma, and a few that are not numbers.
void Direzioni(std::vector<double>& gamma, std::vector<double>& c) {
    for (double g = 0; g <= 181; g += 2.5)
        for (double cc : {0.0, 1e-9, 2.5, 14.999999, 15.0, 44.3, 90.0, 137.7, 180.0, 222.2, 269.99, 300.0, 344.0,
                          345.0, 350.5, 359.999, 360.0}) {
            gamma.push_back(g + 0.37 * std::fmod(cc, 1.0));
            c.push_back(cc);
            gamma.push_back(g);
            c.push_back(cc);
        }
    const double nan = std::numeric_limits<double>::quiet_NaN();
    for (double g : {nan, -1.0, 1e300, 30.0}) {
        gamma.push_back(g);
        c.push_back(g == 30.0 ? nan : 100.0);
    }
}

// The same directions turned by a tilt, as a tilted candidate looks them up.
void Inclinate(const std::vector<double>& gamma, const std::vector<double>& c, double inclina,
               std::vector<double>& gR, std::vector<double>& cR) {
    DirezioniInclinabili d;
    for (std::size_t k = 0; k < gamma.size(); ++k)
        if (std::isfinite(gamma[k]) && gamma[k] >= 0 && gamma[k] <= 180 && std::isfinite(c[k]))
            d.Aggiungi(gamma[k], c[k], c[k]);
    gR.resize(d.size());
    cR.resize(d.size());
    RuotaInclinazioni(d, d.size(), inclina, gR.data(), cR.data());
}

TEST(IntensitaBlocco, EveryWidthGivesThePlainLookupsBitsOverFilesAndTilts) {
    for (const Caso& caso : Casi()) {
        for (int lampada = 0; lampada < std::max(1, caso.foto.NumLampade); ++lampada) {
            const RicercaIntensita ricerca(caso.foto, lampada);
            const TabellaBlocco tabella = ricerca.Blocco();
            std::vector<double> gamma, c;
            Direzioni(gamma, c);
            for (double inclina : {0.0, -20.0, 7.5, 15.0}) {
                std::vector<double> g = gamma, cc = c;
                if (inclina != 0) Inclinate(gamma, c, inclina, g, cc);
                const std::size_t n = g.size();
                for (LarghezzaVettore l : LarghezzeDisponibili()) {
                    SCOPED_TRACE(std::string(caso.nome) + ", lamp set " + std::to_string(lampada) + ", tilt " +
                                 std::to_string(inclina) + ", " + NomeLarghezza(l));
                    std::size_t finite = 0;
                    for (std::size_t da = 0; da < n; da += DirezioniPerBlocco) {
                        const std::size_t m = std::min(DirezioniPerBlocco, n - da);
                        std::vector<double> I(m);
                        std::vector<int> fatto(m);
                        InterpolaBloccoCon(l, tabella, g.data() + da, cc.data() + da, m, I.data(), fatto.data());
                        for (std::size_t q = 0; q < m; ++q) {
                            if (!fatto[q]) continue;
                            ++finite;
                            ContestoCalcolo ctx;
                            const double piana = IntensitaLum(ctx, caso.foto, lampada, g[da + q], cc[da + q]);
                            ASSERT_FALSE(ctx.ErrCalcolo) << g[da + q] << " " << cc[da + q];
                            ASSERT_TRUE(StessiBit(I[q], piana))
                                << std::hexfloat << "gamma " << g[da + q] << " C " << cc[da + q] << ": block " << I[q]
                                << " plain " << piana;
                        }
                    }
                    EXPECT_GE(static_cast<double>(finite), caso.quotaMinima * static_cast<double>(n));
                }
                // The whole call on the widest width, the single lookups included.
                std::vector<double> I(n);
                ContestoCalcolo ctx;
                const bool riuscita = CercaIntensita(ctx, ricerca, g.data(), cc.data(), n, I.data());
                for (std::size_t k = 0; k < n; ++k) {
                    ContestoCalcolo uno;
                    const double piana = IntensitaLum(uno, caso.foto, lampada, g[k], cc[k]);
                    ASSERT_TRUE(StessiBit(I[k], piana)) << caso.nome << " gamma " << g[k] << " C " << cc[k];
                    if (uno.ErrCalcolo) {
                        EXPECT_FALSE(riuscita);
                        break;  // nothing past the first failed lookup is promised
                    }
                }
            }
        }
    }
}

TEST(IntensitaBlocco, ATableTheBlockCannotTakeIsLeftWholeToTheSingleLookup) {
    // A gamma angle listed twice (an edited table) and a lamp set outside the record.
    const std::vector<double> gDoppi{0, 10, 10, 30, 60, 90};
    const Fotometria doppi =
        test::FotometriaDa(test::Angoli(0, 30, 12), gDoppi, [](double c, double g) { return 100 + c + g; }, 5000);
    for (const auto& [foto, lampada] : {std::pair{doppi, 0}, std::pair{Casi()[0].foto, MaxLampade}}) {
        const RicercaIntensita ricerca(foto, lampada);
        const std::vector<double> g{5, 10, 20, 45}, c{15, 100, 200, 300};
        std::vector<double> I(g.size());
        std::vector<int> fatto(g.size(), 1);
        InterpolaBlocco(ricerca.Blocco(), g.data(), c.data(), g.size(), I.data(), fatto.data());
        for (int f : fatto) EXPECT_EQ(f, 0);
        ContestoCalcolo ctx;
        const bool riuscita = CercaIntensita(ctx, ricerca, g.data(), c.data(), g.size(), I.data());
        EXPECT_EQ(riuscita, lampada == 0);
        ContestoCalcolo uno;
        EXPECT_TRUE(StessiBit(I[0], IntensitaLum(uno, foto, lampada, g[0], c[0])));
    }
}

}  // namespace
}  // namespace nottaro
