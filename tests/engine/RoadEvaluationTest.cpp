// Whole road candidates: figures checked against an independent calculation,
// and the fast evaluation against the plain reference on real photometry.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "core/photometry/LettoriFotometria.h"
#include "engine/road/IllumSoluzione.h"
#include "engine/road/RapportoBordo.h"
#include "engine/road/ValutazioneStrada.h"
#include "engine/road/reference/LuminanzaRiferimento.h"
#include "support/EseguiCli.h"
#include "support/InterazioneFinta.h"
#include "support/Percorsi.h"
#include "tests/engine/FotometrieProva.h"

namespace nottaro {
namespace {

void Vicino(double ottenuto, double atteso, double rel, const std::string& nome) {
    EXPECT_NEAR(ottenuto, atteso, rel * std::max(1.0, std::abs(atteso))) << nome;
}

// Figures of tests/engine/RoadVerificaIndipendente.py, run here: it computes
// them from the domain rules with its own interpolation (Newton form) and
// angle conversions, for a luminaire of the same intensity in every direction.
// It prints each case's name, then "  Name = v" or "  Name = v1, v2, ...".
using FigureCaso = std::map<std::string, std::vector<double>>;

std::vector<FigureCaso> FigureIndipendenti() {
    const test::UscitaCli u = test::EseguiPython("tests/engine/RoadVerificaIndipendente.py");
    EXPECT_EQ(u.esito, 0) << u.err;
    std::vector<FigureCaso> casi;
    std::istringstream in(u.out);
    std::string riga;
    while (std::getline(in, riga)) {
        if (riga.rfind("  ", 0) != 0) {
            casi.emplace_back();
            continue;
        }
        const auto uguale = riga.find(" = ");
        if (casi.empty() || uguale == std::string::npos) continue;
        std::string nome = riga.substr(2, uguale - 2);
        std::istringstream valori(riga.substr(uguale + 3));
        std::string v;
        while (std::getline(valori, v, ',')) casi.back()[nome].push_back(std::stod(v));
    }
    return casi;
}

struct CasoIndipendente {
    const char* nome;
    ParametriStrada p;
    double cd;
};

ParametriStrada Caso1() {
    ParametriStrada p;  // one side left, EN grid, R3
    p.DispPali = 1; p.LargStrada = 7; p.NCorsie = 2; p.ClassePav = 4; p.Deprezz = 0.8;
    p.HPalo = 8; p.Sbraccio = 1; p.Interdist = 24;
    p.GrigliaEN = 1; p.NPtiCorsia = 3; p.InterMaxGriglia = 30; p.PassoRigheMax = 3; p.OssUNI = 0;
    return p;
}

ParametriStrada Caso2() {
    ParametriStrada p;  // opposite, UNI grid and observer, C2, tilted
    p.DispPali = 6; p.LargStrada = 10; p.NCorsie = 3; p.ClassePav = 1; p.Deprezz = 0.7;
    p.HPalo = 10; p.Sbraccio = -0.5; p.Interdist = 62; p.Inclina = 10;
    p.GrigliaEN = 0; p.NPtiCorsia = 5; p.InterMaxGriglia = 50; p.PassoRigheMax = 5; p.OssUNI = 1;
    return p;
}

TEST(ValutaStrada, UniformLuminaireMatchesTheIndependentCalculation) {
    const CasoIndipendente casi[] = {{"one side left, EN", Caso1(), 1000}, {"opposite, UNI", Caso2(), 2500}};
    const std::vector<FigureCaso> figure = FigureIndipendenti();
    ASSERT_EQ(figure.size(), std::size(casi));
    for (std::size_t n = 0; n < std::size(casi); ++n) {
        const CasoIndipendente& k = casi[n];
        const FigureCaso& f = figure[n];
        for (const char* nome : {"StimaRapida", "Ul", "Lm", "Uo", "TI", "LmOss", "UoOss", "UlOss"})
            ASSERT_EQ(f.count(nome), 1u) << k.nome << " has no " << nome;
        auto foto = std::make_unique<Fotometria>(test::FotometriaDa(
            test::Angoli(0, 15, 24), test::Angoli(0, 5, 37), [](double, double) { return 100; }, k.cd * 10));
        CampoStrada rif;
        ValutazioneStrada veloce;
        veloce.ImpostaFotometria(*foto, 0);
        const RisultatoStrada a = riferimento::ValutaStrada(*foto, k.p, nullptr, rif);
        const RisultatoStrada b = veloce.Valuta(k.p, nullptr);
        for (const auto* r : {&a, &b}) {
            ASSERT_EQ(r->Esito, EsitoStrada::Accettato) << k.nome;
            const double tol = 1e-9;  // the program's degree constant differs from 180/pi by 5e-11
            Vicino(r->StimaRapida, f.at("StimaRapida")[0], tol, "StimaRapida");
            Vicino(r->Ul, f.at("Ul")[0], tol, "Ul");
            Vicino(r->Lm, f.at("Lm")[0], tol, "Lm");
            Vicino(r->Uo, f.at("Uo")[0], tol, "Uo");
            Vicino(r->TI, f.at("TI")[0], tol, "TI");
        }
        for (const CampoStrada* c : {static_cast<const CampoStrada*>(&rif), &veloce.Campo()}) {
            ASSERT_EQ(c->LmOss.size(), f.at("LmOss").size());
            ASSERT_EQ(c->UoOss.size(), f.at("UoOss").size());
            ASSERT_EQ(c->UlOss.size(), f.at("UlOss").size());
            for (std::size_t o = 0; o < c->LmOss.size(); ++o) {
                Vicino(c->LmOss[o], f.at("LmOss")[o], 1e-9, "LmOss");
                Vicino(c->UoOss[o], f.at("UoOss")[o], 1e-9, "UoOss");
            }
            for (std::size_t o = 0; o < c->UlOss.size(); ++o) Vicino(c->UlOss[o], f.at("UlOss")[o], 1e-9, "UlOss");
        }
    }
}

// The fast path forms every figure with the plain one's formulas and
// elementary functions, in the same order: they agree to the last bit.
void Uguali(double a, double b, const std::string& nome) {
    EXPECT_TRUE(a == b || (std::isnan(a) && std::isnan(b))) << nome << ": " << a << " vs " << b;
}

void ConfrontaCampi(const CampoStrada& a, const CampoStrada& b, const std::string& ctx) {
    ASSERT_EQ(a.LumGriglia.size(), b.LumGriglia.size()) << ctx;
    for (std::size_t q = 0; q < a.LumGriglia.size(); ++q) Uguali(a.LumGriglia[q], b.LumGriglia[q], ctx + " LumGriglia");
    for (std::size_t q = 0; q < a.LumAsse.size(); ++q) Uguali(a.LumAsse[q], b.LumAsse[q], ctx + " LumAsse");
    for (std::size_t o = 0; o < a.LmOss.size(); ++o) {
        Uguali(a.LmOss[o], b.LmOss[o], ctx + " LmOss");
        Uguali(a.UoOss[o], b.UoOss[o], ctx + " UoOss");
    }
    for (std::size_t o = 0; o < a.UlOss.size(); ++o) Uguali(a.UlOss[o], b.UlOss[o], ctx + " UlOss");
}

class FastEqualsPlain : public ::testing::TestWithParam<const char*> {};

TEST_P(FastEqualsPlain, OverHeightsOverhangsTiltsSpacingsArrangementsAndGrids) {
    auto foto = std::make_unique<Fotometria>();
    test::InterazioneFinta ui;
    ASSERT_EQ(LeggiFotometria(test::Fixture(std::string("photometry/") + GetParam()), *foto, ui), 0);
    ValutazioneStrada veloce;
    veloce.ImpostaFotometria(*foto, 0);
    CampoStrada rif;
    const double altezze[] = {6, 9.5, 12};
    const double sbracci[] = {-1, 0, 1.5};
    const double inclinazioni[] = {0, 5, -10, 15};
    const double spaziature[] = {21, 31.5, 47};
    const SoglieStrada soglie{0.5, 35, 40, 300, false};
    LavoroBordo bordi[2];  // one per strip width, kept from candidate to candidate as in a sweep
    int n = 0, accettati = 0;
    for (int disp = 1; disp <= 6; ++disp)
        for (int griglia = 0; griglia < 3; ++griglia) {
            ParametriStrada p;
            p.DispPali = disp;
            p.LargStrada = griglia == 2 ? 10.5 : 7;
            p.NCorsie = griglia == 2 ? 3 : 2;
            p.ClassePav = (disp + griglia) % 6;
            p.GrigliaEN = griglia == 0 ? 1 : 0;
            p.NPtiCorsia = griglia == 0 ? 3 : 5;
            p.InterMaxGriglia = griglia == 0 ? 30 : 50;
            p.PassoRigheMax = griglia == 0 ? 3 : 5;
            p.OssUNI = griglia == 1 ? 1 : 0;
            // Candidates in sweep order (tilt innermost), a different slice
            // of the geometry lists for each arrangement and grid.
            for (int h = 0; h < 2; ++h)
                for (int s = 0; s < 2; ++s) {
                    p.HPalo = altezze[(disp + h) % 3];
                    p.Interdist = spaziature[(disp + griglia + h) % 3];
                    p.Sbraccio = sbracci[(griglia + s) % 3];
                    for (double incl : inclinazioni) {
                        p.Inclina = incl;
                        const SoglieStrada* sg = (n % 3 == 2) ? &soglie : nullptr;
                        const RisultatoStrada a = riferimento::ValutaStrada(*foto, p, sg, rif);
                        const RisultatoStrada b = veloce.Valuta(p, sg);
                        const std::string ctx = std::string(GetParam()) + " disp " + std::to_string(disp) + " grid " +
                                                std::to_string(griglia) + " H " + std::to_string(p.HPalo) + " S " +
                                                std::to_string(p.Interdist) + " s " + std::to_string(p.Sbraccio) +
                                                " tilt " + std::to_string(incl);
                        ASSERT_EQ(a.Esito, b.Esito) << ctx;
                        EXPECT_STREQ(a.Routine, b.Routine) << ctx;
                        Uguali(a.StimaRapida, b.StimaRapida, ctx + " StimaRapida");
                        Uguali(a.Ul, b.Ul, ctx + " Ul");
                        Uguali(a.Lm, b.Lm, ctx + " Lm");
                        Uguali(a.Uo, b.Uo, ctx + " Uo");
                        Uguali(a.TI, b.TI, ctx + " TI");
                        if (a.Esito == EsitoStrada::Accettato) {
                            ++accettati;
                            ConfrontaCampi(rif, veloce.Campo(), ctx);
                            // The illuminance from the field's own intensities
                            // against the point-by-point plain sum.
                            ContestoCalcolo ctxE;
                            CampoIllum eA, eB;
                            StatisticheIllum sA, sB;
                            ASSERT_TRUE(IllumSoluzione(ctxE, *foto, p, rif.Apparecchi, rif.Griglia, eA, sA)) << ctx;
                            ASSERT_TRUE(veloce.Illuminamento(p, eB, sB)) << ctx;
                            ASSERT_EQ(eA.Illum.size(), eB.Illum.size()) << ctx;
                            for (std::size_t q = 0; q < eA.Illum.size(); ++q)
                                Uguali(eA.Illum[q], eB.Illum[q], ctx + " Illum");
                            Uguali(sA.EmCalc, sB.EmCalc, ctx + " EmCalc");
                            // The edge strips (of the edge ratio and of a lit
                            // footway), their directions kept from tilt to
                            // tilt, against the plain point-by-point sum.
                            for (int lato = 0; lato < 2; ++lato) {
                                const double laterale = lato == 0 ? 0 : 2.5;
                                LavoroBordo piano;
                                double eirV = -1, eirP = -2;
                                ASSERT_TRUE(CalcolaEIR(ctxE, veloce.Ricerca(), p, rif.Apparecchi, laterale, bordi[lato], eirV)) << ctx;
                                ASSERT_TRUE(CalcolaEIR(ctxE, *foto, p, rif.Apparecchi, laterale, piano, eirP)) << ctx;
                                ASSERT_EQ(bordi[lato].campo.Illum.size(), piano.campo.Illum.size()) << ctx;
                                for (std::size_t q = 0; q < piano.campo.Illum.size(); ++q)
                                    Uguali(bordi[lato].campo.Illum[q], piano.campo.Illum[q], ctx + " strips");
                                Uguali(eirV, eirP, ctx + " EIR");
                            }
                        }
                        ++n;
                    }
                }
        }
    // Most candidates run to the end, so the fields are compared too.
    EXPECT_GT(accettati, n / 2);
}

INSTANTIATE_TEST_SUITE_P(Fixtures, FastEqualsPlain,
                         ::testing::Values("eulumdat-analysis_sample_19_LEDiL_STRADA_street_isym0.ldt",
                                           "eulumdat-analysis_sample_20_Signify_isym4_nonequidistant_gamma.ldt",
                                           "eulumdat-plot_sample_01_isym3.ldt",
                                           "photometric-viewer_ies95_absolute_photometry_SYNTHETIC.ies"));

TEST(ValutaStrada, SweepThresholdsStopTheCandidateWhereTheSweepWould) {
    auto foto = std::make_unique<Fotometria>(test::FotometriaDa(
        test::Angoli(0, 15, 24), test::Angoli(0, 5, 37), [](double, double) { return 100; }, 10000));
    ValutazioneStrada veloce;
    veloce.ImpostaFotometria(*foto, 0);
    CampoStrada rif;
    const ParametriStrada p = Caso1();  // Lm 0.573, Uo 0.442, Ul 0.855, quick estimate 0.324
    struct Caso {
        SoglieStrada s;
        EsitoStrada esito;
    };
    const Caso casi[] = {
        {{0.36, 0, 0, 100, false, true}, EsitoStrada::SottoStima},  // 0.9 x 0.36 = 0.324 >= estimate
        {{0.36, 0, 0, 100, true}, EsitoStrada::Accettato},          // the estimate alone drops nothing
        {{0.35, 40, 86, 100, false}, EsitoStrada::SottoUl},
        {{0.35, 40, 86, 100, true}, EsitoStrada::Accettato},     // every result kept
        {{0.35, 40, 40, 20, false}, EsitoStrada::FuoriClasse},   // Lm above LmMin + 20 %
        {{0.35, 45, 40, 100, false}, EsitoStrada::FuoriClasse},  // Uo below 45 %
        {{0.35, 44, 85, 100, false}, EsitoStrada::Accettato},
    };
    for (const auto& k : casi) {
        EXPECT_EQ(riferimento::ValutaStrada(*foto, p, &k.s, rif).Esito, k.esito) << k.s.LmMin << " " << k.s.UoMin;
        const RisultatoStrada b = veloce.Valuta(p, &k.s);
        EXPECT_EQ(b.Esito, k.esito) << k.s.LmMin << " " << k.s.UoMin;
        if (k.esito == EsitoStrada::Accettato) {
            EXPECT_GT(b.TI, 0);
        }
    }
}

TEST(ValutaStrada, MinimaStartAtOneHundredCandelaPerSquareMetre) {
    // A field brighter than 100 cd/m2 everywhere reports Uo = 100 / Lm and
    // Ul = 100 / Lmax: the minimum scans start from 100.
    auto foto = std::make_unique<Fotometria>(test::FotometriaDa(
        test::Angoli(0, 15, 24), test::Angoli(0, 5, 37), [](double, double) { return 100; }, 1e7));
    ValutazioneStrada veloce;
    veloce.ImpostaFotometria(*foto, 0);
    CampoStrada rif;
    const ParametriStrada p = Caso1();
    const RisultatoStrada a = riferimento::ValutaStrada(*foto, p, nullptr, rif);
    const RisultatoStrada b = veloce.Valuta(p, nullptr);
    for (const CampoStrada* c : {static_cast<const CampoStrada*>(&rif), &veloce.Campo()}) {
        ASSERT_GT(*std::min_element(c->LumGriglia.begin(), c->LumGriglia.end()), 100);
        for (std::size_t o = 0; o < c->LmOss.size(); ++o) EXPECT_DOUBLE_EQ(c->UoOss[o], 100 / c->LmOss[o]);
        const double lmax = *std::max_element(c->LumAsse.begin(), c->LumAsse.begin() + c->Griglia.NPtiLong);
        EXPECT_DOUBLE_EQ(c->UlOss[0], 100 / lmax);
    }
    EXPECT_DOUBLE_EQ(a.Uo, b.Uo);
}

TEST(ValutaStrada, DegenerateCandidatesAreRefusedNotEvaluated) {
    auto foto = std::make_unique<Fotometria>(test::FotometriaDa(
        test::Angoli(0, 15, 24), test::Angoli(0, 5, 37), [](double, double) { return 100; }, 10000));
    ValutazioneStrada veloce;
    veloce.ImpostaFotometria(*foto, 0);
    CampoStrada rif;
    for (auto guasta : {+[](ParametriStrada& p) { p.DispPali = 0; }, +[](ParametriStrada& p) { p.Interdist = 0; },
                        +[](ParametriStrada& p) { p.NCorsie = 0; }, +[](ParametriStrada& p) { p.LampCalc = 1; }}) {
        ParametriStrada p = Caso1();
        guasta(p);
        EXPECT_EQ(veloce.Valuta(p, nullptr).Esito, EsitoStrada::NonValido);
        if (p.LampCalc == 0) {
            EXPECT_EQ(riferimento::ValutaStrada(*foto, p, nullptr, rif).Esito, EsitoStrada::NonValido);
        }
    }
}

}  // namespace
}  // namespace nottaro
