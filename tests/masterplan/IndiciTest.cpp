// Class set-up, efficiency classes, the reference pedestrian category, the
// choice of the two solutions, the result word and the spacing remark.
#include <gtest/gtest.h>

#include "masterplan/IndiciMP.h"
#include "masterplan/SoluzioniMP.h"

namespace nottaro::mp {
namespace {

TEST(ImpostaClasseMP, RequirementsAndKindByCode) {
    struct Caso {
        const char* classe;
        const char* app;
        TipoRiga tipo;
        double a, b, c, ti;  // LmMin, UoMin, UlMin, TiMax or EmMin, EminMin, UeMin, 0
    };
    const Caso casi[] = {
        {"me1", "stradale", TipoRiga::Strada, 2.0, 40, 70, 10},   {"m2", "stradale", TipoRiga::Strada, 1.5, 40, 70, 10},
        {"me3c", "stradale", TipoRiga::Strada, 1.0, 40, 50, 15},  {"me4a", "stradale", TipoRiga::Strada, 0.75, 40, 60, 15},
        {"m6", "stradale", TipoRiga::Strada, 0.3, 35, 40, 15},    {"me3a", "rotatoria", TipoRiga::Strada, 1.0, 40, 70, 15},
        {"p3", "ciclabile", TipoRiga::Area, 7.5, 1.5, 0, 0},      {"s5", "rotatoria", TipoRiga::Area, 3, 0.6, 0, 0},
        {"ce2", "rotatoria", TipoRiga::Rotatoria, 20, 0, 40, 0},  {"c0", "piazza", TipoRiga::Area, 50, 0, 40, 0},
    };
    for (const auto& k : casi) {
        const auto r = ImpostaClasseMP(k.classe, k.app);
        ASSERT_TRUE(r) << k.classe;
        EXPECT_EQ(r->Tipo, k.tipo) << k.classe;
        if (k.tipo == TipoRiga::Strada) {
            EXPECT_EQ(r->LmMin, k.a);
            EXPECT_EQ(r->UoMin, k.b);
            EXPECT_EQ(r->UlMin, k.c);
            EXPECT_EQ(r->TiMax, k.ti) << k.classe;
        } else {
            EXPECT_EQ(r->EmMin, k.a);
            EXPECT_EQ(r->EminMin, k.b);
            EXPECT_EQ(r->UeMin, k.c) << k.classe;
        }
    }
    EXPECT_FALSE(ImpostaClasseMP("me7", "stradale"));
    EXPECT_FALSE(ImpostaClasseMP("ME1", "stradale"));  // codes arrive in lower case
    EXPECT_FALSE(ImpostaClasseMP("p6", "ciclabile"));  // no batch row has the class
    EXPECT_FALSE(ImpostaClasseMP("m3 o me3b", "stradale"));  // a list item, not a code
}

TEST(ClasseIPEI, BandsIncludeTheirLowerBound) {
    const std::pair<double, const char*> casi[] = {{0.149, "A7+"}, {0.15, "A6+"}, {0.649, "A++"}, {0.65, "A+"},
                                                   {0.99, "B"},    {1.0, "C"},    {2.999, "F"},  {3.0, "G"},
                                                   {0, "A7+"},     {50, "G"}};
    for (const auto& [i, c] : casi) EXPECT_EQ(ClasseIPEI(i), c) << i;
}

TEST(IndiceIPEI, PowerDensityOverTheClassReference) {
    // 100 W, 10 lx, 30 m per luminaire, 7 m wide, maintenance 0.8:
    // D = 100 / (10 x 30 x 7 x 0.8 / 0.8) = 0.047619; me4a Dref 0.042 gives 1.1338.
    EXPECT_NEAR(*IndiceIPEI(100, 10, 30, 7, 0.8, "me4a"), 100.0 / 2100 / 0.042, 1e-12);
    EXPECT_NEAR(*IndiceIPEI(100, 10, 30, 7, 0.8, "p7"), 100.0 / 2100 / 0.064, 1e-12);
    EXPECT_FALSE(IndiceIPEI(100, 10, 30, 7, 0.8, "x"));
}

TEST(SpaziaturaPerApparecchio, TwoLuminairesPerSpacingHalveIt) {
    const struct {
        TipoRiga tipo;
        int disp;
        double atteso;
    } casi[] = {{TipoRiga::Strada, 1, 30}, {TipoRiga::Strada, 3, 30}, {TipoRiga::Strada, 4, 15},
                {TipoRiga::Strada, 5, 15}, {TipoRiga::Strada, 6, 15}, {TipoRiga::Area, 4, 30},
                {TipoRiga::Area, 5, 15},   {TipoRiga::Area, 6, 15},   {TipoRiga::Area, 2, 30}};
    for (const auto& k : casi) EXPECT_EQ(SpaziaturaPerApparecchio(k.tipo, k.disp, 30), k.atteso) << k.disp;
}

TEST(CategoriaRifP, FirstCategoryWhoseBothValuesHold) {
    const struct {
        double Em, Emin;
        const char* cat;
    } casi[] = {{15, 3, "P1"},   {15, 2.99, "P2"}, {14.99, 5, "P2"}, {10, 2, "P2"}, {7.5, 1.5, "P3"},
                {7.6, 1.4, "P4"}, {5, 1, "P4"},    {3, 0.6, "P5"},   {2, 0.4, "P6"}, {0, 0, "P6"}};
    for (const auto& k : casi) EXPECT_EQ(CategoriaRifP(k.Em, k.Emin), k.cat) << k.Em << " " << k.Emin;
}

TEST(ClasseIPEA, BandsAndReferences) {
    const std::pair<double, const char*> classi[] = {{0.39, "G"},  {0.4, "F"},   {0.99, "C"},  {1.0, "B"},
                                                     {1.39, "A++"}, {1.4, "A3+"}, {1.5, "A4+"}, {2.25, "A11+"},
                                                     {2.3, "A12+"}, {9, "A12+"}};
    for (const auto& [r, c] : classi) EXPECT_EQ(ClasseIPEA(r), c) << r;
    const struct {
        double P, S, A, Pr, C;
    } rif[] = {{65, 73, 70, 75, 60},  {70, 75, 70, 80, 60},  {85, 75, 70, 80, 60},  {86, 83, 70, 85, 65},
               {175, 90, 72, 88, 65}, {285, 98, 75, 90, 70}, {450, 100, 80, 92, 70}, {451, 100, 83, 92, 75}};
    for (const auto& k : rif) {
        const RiferimentiIPEA r = RiferimentiPerPotenza(k.P);
        EXPECT_EQ(r.S, k.S) << k.P;
        EXPECT_EQ(r.A, k.A) << k.P;
        EXPECT_EQ(r.P, k.Pr) << k.P;
        EXPECT_EQ(r.C, k.C) << k.P;
    }
}

SoluzioneMP Candidato(double S, const char* file) {
    SoluzioneMP c;
    c.Spaziatura = S;
    c.File = file;
    return c;
}

TEST(SceltaSoluzioni, SmallestAndLargestSpacingEarlierWinsTies) {
    struct Caso {
        const char* nome;
        std::vector<std::pair<double, const char*>> candidati;
        double s1, s2;
        const char *f1, *f2;
        int trattenuti;
    };
    const Caso casi[] = {
        {"rising", {{20, "a"}, {22, "a"}, {24, "a"}}, 20, 24, "a", "a", 3},
        {"one", {{22, "a"}}, 22, 22, "a", "a", 1},
        {"same spacing from two files", {{20, "a"}, {20, "b"}}, 20, 20, "a", "a", 2},
        {"a later file with a wider and a narrower", {{20, "a"}, {24, "a"}, {18, "b"}, {26, "b"}, {24, "b"}}, 18, 26,
         "b", "b", 5},
    };
    for (const auto& k : casi) {
        SceltaSoluzioni s;
        for (const auto& [S, f] : k.candidati) s.Trattieni(Candidato(S, f), s.Posti(S));
        const auto& e = s.Esito();
        EXPECT_EQ(e.Sol[0].Spaziatura, k.s1) << k.nome;
        EXPECT_EQ(e.Sol[1].Spaziatura, k.s2) << k.nome;
        EXPECT_EQ(e.Sol[0].File, k.f1) << k.nome;
        EXPECT_EQ(e.Sol[1].File, k.f2) << k.nome;
        EXPECT_EQ(e.Trattenuti, k.trattenuti) << k.nome;
    }
}

TEST(ParolaRisultato, ByRetainedCountAndGivenSpacing) {
    EXPECT_EQ(ParolaRisultato(0, false), "0 Risultati");
    EXPECT_EQ(ParolaRisultato(0, true), "0 Risultati");
    EXPECT_EQ(ParolaRisultato(1, false), "Solo MIN");
    EXPECT_EQ(ParolaRisultato(1, true), "ESATTO");
    EXPECT_EQ(ParolaRisultato(3, false), "MIN+MAX");
    EXPECT_EQ(ParolaRisultato(3, true), "ESATTO");
}

TEST(OsservazioneSpaziatura, BandsPerKind) {
    const struct {
        double r;
        TipoOsservazione t;
        const char* testo;
    } casi[] = {{3.29, TipoOsservazione::Strada, "BASSO I/H: 3.3"},  {3.3, TipoOsservazione::Strada, "medio I/H: 3.3"},
                {3.4, TipoOsservazione::Area, "BASSO I/H: 3.4"},    {3.5, TipoOsservazione::Area, "medio I/H: 3.5"},
                {5.3, TipoOsservazione::Strada, "medio I/H: 5.3"},  {5.31, TipoOsservazione::Area, "ALTO I/H: 5.3"},
                {5.36, TipoOsservazione::Strada, "ALTO I/H: 5.4"},  {6, TipoOsservazione::Rotatoria, "ALTA I/H: 6"},
                {4, TipoOsservazione::Rotatoria, "media I/H: 4"},   {1.25, TipoOsservazione::Rotatoria, "BASSO I/H: 1.2"}};
    for (const auto& k : casi) EXPECT_EQ(OsservazioneSpaziatura(k.r, k.t), k.testo) << k.r;
}

}  // namespace
}  // namespace nottaro::mp
