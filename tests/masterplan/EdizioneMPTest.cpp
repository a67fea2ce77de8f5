// A Masterplan row judged by the class tables chosen for the run, and the
// energy indicators of its solutions.
#include <gtest/gtest.h>

#include "masterplan/valutazioni/EdizioneMP.h"

namespace nottaro::mp {
namespace {

DatiRigaMP Riga(const char* classe, const char* app = "stradale") {
    DatiRigaMP d;
    d.ClasseRiga = classe;
    d.Req = *ImpostaClasseMP(classe, app);
    return d;
}

TEST(RequisitiEdizioneMP, TheRowsClassInTheTablesOfTheRun) {
    struct Caso {
        const char* classe;
        int edizione;
        double a, b, c, ti, eir;  // LmMin, UoMin, UlMin, TiMax, EirMin or EmMin, EminMin, UeMin, 0, 0
    };
    const Caso casi[] = {
        {"me3a", 0, 1.0, 40, 70, 15, 0},   // the program's own tables: as the class code says
        {"me3a", 1, 1.0, 40, 60, 15, 0.30},  // ME3a, b and c are all M3 in 2015
        {"m1", 1, 2.0, 40, 70, 10, 0.35},  {"me6", 1, 0.3, 35, 40, 20, 0.30},
        {"s1", 0, 15, 5, 0, 0, 0},         {"s1", 1, 15, 3, 0, 0, 0},  // P1 asks 3 lx, not S1's 5
        {"p5", 1, 3, 0.6, 0, 0, 0},        {"ce2", 1, 20, 0, 40, 0, 0},
    };
    for (const Caso& k : casi) {
        OpzioniMP o;
        o.EdizioneEN = k.edizione;
        const DatiRigaMP d = Riga(k.classe);
        double eir = -1;
        const RequisitiMP r = RequisitiEdizioneMP(d, o, eir);
        SCOPED_TRACE(std::string(k.classe) + " edition " + std::to_string(k.edizione));
        EXPECT_EQ(r.Tipo, d.Req.Tipo);
        if (r.Tipo == TipoRiga::Strada) {
            EXPECT_DOUBLE_EQ(r.LmMin, k.a);
            EXPECT_DOUBLE_EQ(r.UoMin, k.b);
            EXPECT_DOUBLE_EQ(r.UlMin, k.c);
            EXPECT_DOUBLE_EQ(r.TiMax, k.ti);
        } else {
            EXPECT_DOUBLE_EQ(r.EmMin, k.a);
            EXPECT_DOUBLE_EQ(r.EminMin, k.b);
            EXPECT_DOUBLE_EQ(r.UeMin, k.c);
        }
        EXPECT_DOUBLE_EQ(eir, k.eir);
    }
}

// Dp = P / sum(E_i A_i), De = P t / A over the sub-areas a luminaire lights
// along its spacing: 100 W, 20 m, a 7 m road at 10 lx, a 2 m left strip at
// 4 lx; the right strip was not computed and counts for nothing.
TEST(IndicatoriMP, PowerDensityAndEnergyOverTheLitSubAreas) {
    OpzioniMP o;
    o.Profilo = ProfiloEsercizio{2000, 2000, 0.5};  // 3000 full-power hours
    SoluzioneMP c;
    c.Strisce[0] = {true, 4, 2, 6};
    IndicatoriMP(c, 100, 20, 7, 10, 2, 3, o);
    const double EA = 10 * 20 * 7 + 4 * 20 * 2, A = 20 * 7 + 20 * 2;
    EXPECT_DOUBLE_EQ(c.Dp, 100 / EA);
    EXPECT_DOUBLE_EQ(c.De, 100 * 3000 / 1000.0 / A);
    EXPECT_TRUE(c.HaIndicatori);

    SoluzioneMP senza;
    IndicatoriMP(senza, 100, 20, 7, 10, 2, 3, o);
    EXPECT_DOUBLE_EQ(senza.Dp, 100 / (10.0 * 20 * 7));
}

TEST(VerificaOpzioniMP, EditionAndProfileInTheirRanges) {
    struct Caso {
        int edizione;
        ProfiloEsercizio profilo;
        const char* nome;  // named in the refusal; "" accepted
    };
    const Caso casi[] = {
        {1, {4000, 2000, 0.5, 1000, 0.3}, ""},
        {2, {4000}, "EdizioneEN"},
        {0, {-1}, "OrePiena"},
        {0, {4000, 2000, 1.5}, "FrazRid1"},
        {0, {6000, 3000, 0.5}, "OrePiena + OreRid1 + OreRid2"},
    };
    for (const Caso& k : casi) {
        OpzioniMP o;
        o.EdizioneEN = k.edizione;
        o.Profilo = k.profilo;
        const std::string e = VerificaOpzioniMP(o, 1);
        if (*k.nome == 0) EXPECT_EQ(e, "");
        else EXPECT_EQ(e.rfind(k.nome, 0), 0u) << e;
    }
}

}  // namespace
}  // namespace nottaro::mp
