// Energy, cost and efficiency figures of a solution row.
#include <gtest/gtest.h>

#include <cmath>

#include "core/state/Inizializza.h"
#include "engine/sweep/EnergiaCosti.h"

namespace nottaro {
namespace {

StatoProgetto StatoEconomico() {
    StatoProgetto s;
    Inizializza(s);
    return s;
}

TEST(FamigliaLampada, FamigliaEPotenzaNominale) {
    const StatoProgetto s = StatoEconomico();
    struct Caso {
        const char* tipo;
        double pot;
        FamigliaSorgente famiglia;
        double potenza;
    };
    const Caso casi[] = {
        {"SON-T 70W", 83, FamigliaSorgente::SodioAltaPressione, 70},
        {"son-t", 150, FamigliaSorgente::SodioAltaPressione, 150},
        {"SON-T", 149, FamigliaSorgente::SodioAltaPressione, 149},  // below the 150 range
        {"SON-T", 175, FamigliaSorgente::SodioAltaPressione, 175},  // range end is open
        {"HQI-T 400", 450, FamigliaSorgente::AlogenuriMetallici, 400},
        {"MASTER CDM-T 70W", 80, FamigliaSorgente::SodioAltaPressione, 70},  // "ST" is tested first
        {"HQL 125", 140, FamigliaSorgente::Mercurio, 125},
        {"HQL", 170, FamigliaSorgente::Mercurio, 160},
        {"ML 160", 180, FamigliaSorgente::Miscelata, 160},
        {"SOX-E 36", 40, FamigliaSorgente::SodioBassaPressione, 35},
        {"LED 4000K", 83, FamigliaSorgente::Altra, 83},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.tipo);
        const LampadaProgetto l = FamigliaLampada(c.tipo, c.pot, s);
        EXPECT_EQ(l.famiglia, c.famiglia);
        EXPECT_DOUBLE_EQ(l.Potenza, c.potenza);
        EXPECT_DOUBLE_EQ(l.PotApp, c.potenza * 1.14);
    }
}

TEST(FamigliaLampada, DurataECostoDellaFamigliaODellaLampadaScelta) {
    StatoProgetto s = StatoEconomico();
    s.DurataHG = 7777;
    s.CostoHG = 11;
    EXPECT_DOUBLE_EQ(FamigliaLampada("HPL-N", 125, s).SorgDurata, 7777);
    EXPECT_DOUBLE_EQ(FamigliaLampada("HPL-N", 125, s).SorgCosto, 11);
    EXPECT_DOUBLE_EQ(FamigliaLampada("HML 250", 250, s).SorgDurata, 5000);
    EXPECT_DOUBLE_EQ(FamigliaLampada("LED", 40, s).SorgDurata, 12000);
    EXPECT_DOUBLE_EQ(FamigliaLampada("LED", 40, s).SorgCosto, 19);
    s.ChiediLampada = true;
    s.SorgDurata = 50000;
    s.SorgCosto = 90;
    EXPECT_DOUBLE_EQ(FamigliaLampada("HPL-N", 125, s).SorgDurata, 50000);
    EXPECT_DOUBLE_EQ(FamigliaLampada("HPL-N", 125, s).SorgCosto, 90);
    EXPECT_DOUBLE_EQ(FamigliaLampada("SON-T 70W", 83, s).PotApp, 79.8);
}

TEST(PaliPerKm, ContaOgniApparecchio) {
    EXPECT_EQ(PaliPerKm(TipoImpianto::Strada, 1, 30), 34);
    EXPECT_EQ(PaliPerKm(TipoImpianto::Strada, 2, 25), 40);
    EXPECT_EQ(PaliPerKm(TipoImpianto::Strada, 3, 1000.0 / 3), 3);
    for (int d : {4, 5, 6}) EXPECT_EQ(PaliPerKm(TipoImpianto::Strada, d, 25), 80) << d;
    EXPECT_EQ(PaliPerKm(TipoImpianto::Percorso, 4, 25), 40);
    for (int d : {5, 6}) EXPECT_EQ(PaliPerKm(TipoImpianto::Percorso, d, 25), 80) << d;
    EXPECT_EQ(PaliPerKm(TipoImpianto::Strada, 1, 0), 0);
}

// One road row worked out by hand with the default economic inputs:
// SON-T 150 W -> 171 W per luminaire, H 10, S 30, W 7, Lm 1.2, 17500 lm.
TEST(CalcolaFigure, RigaStradaCalcolataAMano) {
    const StatoProgetto s = StatoEconomico();
    const LampadaProgetto l = FamigliaLampada("SON-T", 150, s);
    const CostiPunto k = SommeLampada(s, l.SorgCosto);
    EXPECT_DOUBLE_EQ(k.CostoPunto, 1204);
    EXPECT_DOUBLE_EQ(k.CostoAdegua, 259);
    EXPECT_DOUBLE_EQ(k.CostoLamp, 54);
    const FigureRiga f = CalcolaFigure({TipoImpianto::Strada, 1, 10, 30, 7, 1.2, 17500}, l, k, s);
    const double tol = 1e-9;
    EXPECT_NEAR(f.INDICER, 3, tol);
    EXPECT_NEAR(f.INDICEI, 5.7, tol);
    EXPECT_NEAR(f.POTENZAM2, 5.7 / 7, tol);
    EXPECT_NEAR(f.POTENZALM, 5.7 / 7 / 1.2, tol);
    EXPECT_EQ(f.NPALI, 34);
    EXPECT_NEAR(f.POTENZAKM, 5814, tol);
    EXPECT_NEAR(f.KWHANNO, 24418.8, 1e-6);
    EXPECT_NEAR(f.SPESAEANNO, 2441.88, 1e-7);
    EXPECT_NEAR(f.COSTONUOVO, 40936, tol);
    EXPECT_NEAR(f.RISPIMPIAN, 7224, 1e-7);  // 40 reference poles (2.5 H)
    EXPECT_NEAR(f.RISPIMPIAP, 15, 1e-9);
    EXPECT_NEAR(f.RISPMANUTE, 121.5648, 1e-7);  // (40 - 34) x 54 x 0.3752
    EXPECT_NEAR(f.RISPMANUTP, 15, 1e-9);
    EXPECT_NEAR(f.RISPEANNO, 430.92, 1e-7);
    EXPECT_NEAR(f.RISPEANNOP, 15, 1e-9);
    EXPECT_NEAR(f.RISPE25ANN, 10773, 1e-6);
    EXPECT_NEAR(f.COSTOTOT, 4768.1872, 1e-7);
    EXPECT_NEAR(f.DELTAWKM, -969, 1e-9);
    EXPECT_NEAR(f.DELTALMKM, 384200, 1e-7);
    EXPECT_NEAR(f.DELTALMP, (1 - 6200.0 / 17500) * 100, 1e-9);
    EXPECT_NEAR(f.DELTAKWHAN, -4069.8, 1e-7);
    EXPECT_NEAR(f.RISPEANNOA, -406.98, 1e-8);
    EXPECT_NEAR(f.RISPEAP, -20, 1e-9);
    EXPECT_NEAR(f.RISPMANUTA, 283.8864, 1e-7);  // 34 x 52 x 0.5502 - 688.8672
    EXPECT_NEAR(f.COSTOADEGU, 8806, 1e-9);
    EXPECT_EQ(f.BREAKEVEN, 0);  // negative quotient
}

TEST(CalcolaFigure, PercorsoDoppioContaDueApparecchiPerInterdistanza) {
    StatoProgetto s = StatoEconomico();
    s.PerditaPot = 0;
    const LampadaProgetto l = FamigliaLampada("LED", 100, s);
    const CostiPunto k = SommeLampada(s, l.SorgCosto);
    const FigureRiga f6 = CalcolaFigure({TipoImpianto::Percorso, 6, 5, 20, 3, 10, 8000}, l, k, s);
    EXPECT_DOUBLE_EQ(f6.INDICEI, 10);
    EXPECT_DOUBLE_EQ(f6.INDICER, 2);  // S / 2H
    EXPECT_DOUBLE_EQ(f6.NPALI, 100);
    EXPECT_DOUBLE_EQ(f6.POTENZAKM, 10000);  // as INDICEI x 1000
    const FigureRiga f4 = CalcolaFigure({TipoImpianto::Strada, 4, 5, 20, 3, 10, 8000}, l, k, s);
    EXPECT_DOUBLE_EQ(f4.INDICER, 2);
    EXPECT_DOUBLE_EQ(f4.POTENZAKM, f4.INDICEI * 1000);
    const FigureRiga f6s = CalcolaFigure({TipoImpianto::Strada, 6, 5, 20, 3, 10, 8000}, l, k, s);
    EXPECT_DOUBLE_EQ(f6s.INDICER, 4);  // opposite rows: S / H
    EXPECT_DOUBLE_EQ(f6s.POTENZAKM, 10000);
}

TEST(CalcolaFigure, RisparmioNulloConGliStessiPaliDelRiferimento) {
    const StatoProgetto s = StatoEconomico();
    const LampadaProgetto l = FamigliaLampada("SON-T", 150, s);
    const CostiPunto k = SommeLampada(s, l.SorgCosto);
    // H 10, IntAlt 2.5: the reference stands every 25 m, as the candidate.
    const FigureRiga f = CalcolaFigure({TipoImpianto::Strada, 1, 10, 25, 7, 1.2, 17500}, l, k, s);
    EXPECT_EQ(f.RISPIMPIAN, 0);
    EXPECT_EQ(f.RISPEANNO, 0);
    EXPECT_EQ(f.RISPEANNOP, 0);
    EXPECT_EQ(f.RISPE25ANN, 0);
}

TEST(CalcolaFigure, PareggioPositivoQuandoLAdeguamentoRisparmia) {
    StatoProgetto s = StatoEconomico();
    s.LampW = 400;  // old 456 W luminaires replaced by 171 W
    const LampadaProgetto l = FamigliaLampada("SON-T", 150, s);
    const CostiPunto k = SommeLampada(s, l.SorgCosto);
    const FigureRiga f = CalcolaFigure({TipoImpianto::Strada, 1, 10, 30, 7, 1.2, 17500}, l, k, s);
    const double Mn = 34 * 54 * 0.3752, Mv = 34 * 52 * 0.5502;
    const double risp = (456 - 171) * 34 * 4.2 * 0.1;
    EXPECT_NEAR(f.BREAKEVEN, (8806 - 2 * Mv) / (risp + Mv - Mn), 1e-9);
    EXPECT_GT(f.BREAKEVEN, 0);
}

TEST(CalcolaFigure, NessunaCifraInfinitaConDivisoriNulli) {
    StatoProgetto s = StatoEconomico();
    s.LampW = 0;
    s.LampT = 0;
    s.VitaImp = 0;
    s.OreAcc = 0;
    s.IntAlt = 0;
    const LampadaProgetto l = FamigliaLampada("LED", 0, s);
    const CostiPunto k = SommeLampada(s, l.SorgCosto);
    const FigureRiga f = CalcolaFigure({TipoImpianto::Strada, 1, 0, 30, 0, 0, 0}, l, k, s);
    const double* v = &f.INDICER;
    for (std::size_t i = 0; i < sizeof(FigureRiga) / sizeof(double); ++i) EXPECT_TRUE(std::isfinite(v[i])) << i;
}

TEST(ClasseEnergetica, SogliePerIndice) {
    struct Caso {
        double indice;
        const char* classe;
    };
    const Caso casi[] = {{0.7499, "A++"}, {0.75, "A+"}, {0.82, "A"},  {0.91, "B"},  {1.09, "C"},
                         {1.35, "D"},     {1.79, "E"},  {2.63, "F"},  {3.0999, "F"}, {3.1, "G"}};
    for (const Caso& c : casi) EXPECT_EQ(ClassePerIndice(c.indice), c.classe) << c.indice;
}

TEST(ClasseEnergetica, IndiceConSpaziaturaEfficace) {
    // P 100, L = Lreq = 1, S 30, W 7, me1 (k 0.49): 100/(30 x 7 x 0.49) x (1/2.1 + 0.524).
    const double atteso = 100 / (30 * 7 * 0.49) * (1 / 2.1 + 0.524);
    EXPECT_NEAR(IndiceEnergetico(100, 1, 1, 30, 7, 1, "me1"), atteso, 1e-12);
    EXPECT_NEAR(IndiceEnergetico(100, 1, 1, 30, 7, 1, "M1"), atteso, 1e-12);
    for (int d : {4, 5, 6}) EXPECT_NEAR(IndiceEnergetico(100, 1, 1, 30, 7, d, "me1"), 2 * atteso, 1e-12) << d;
    EXPECT_EQ(ClasseEnergetica(100, 1, 1, 30, 7, 1, "me1"), ClassePerIndice(atteso));
    EXPECT_EQ(ClasseEnergetica(100, 1, 1, 30, 7, 1, "me7"), "");
    EXPECT_EQ(ClasseEnergetica(100, 1, 1, 30, 7, 1, ""), "");
    EXPECT_EQ(ClasseEnergetica(100, 0, 1, 30, 7, 1, "me1"), "");
}

}  // namespace
}  // namespace nottaro
