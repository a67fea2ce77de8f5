// Choosing a lighting class by the name the parameter dialogs show.
#include <gtest/gtest.h>

#include "core/state/Inizializza.h"
#include "engine/sweep/ScegliClasse.h"

namespace nottaro {
namespace {

TEST(ScegliClasse, ClassiStradaliPerNome) {
    struct Caso {
        const char* nome;
        double lm, uo, ul, ti;
        const char* cod;
    };
    const Caso casi[] = {
        {"3", 0.75, 40, 50, 15, "me4b"},          {"6", 2.0, 40, 70, 10, "me1"},
        {"ME3a", 1.0, 40, 70, 15, "m3"},          {"M3 o ME3b", 1.0, 40, 60, 15, "m3"},
        {"m3", 1.0, 40, 60, 15, "m3"},            {" me3b ", 1.0, 40, 60, 15, "m3"},
        {"ME4b", 0.75, 40, 50, 15, "m4"},         {"ME4a", 0.75, 40, 60, 15, "m4"},
        {"Extraurbana locale", 1.0, 40, 50, 10, "me3a"},
        {"Motorway", 2.0, 40, 70, 10, "me1"},     {"urbana locale", 0.5, 35, 40, 15, "me5"},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        StatoProgetto s;
        Inizializza(s);
        std::string errore;
        ASSERT_TRUE(ScegliClasse(s, TipoImpianto::Strada, c.nome, errore)) << errore;
        EXPECT_EQ(s.LmMin, c.lm);
        EXPECT_EQ(s.UoMin, c.uo);
        EXPECT_EQ(s.UlMin, c.ul);
        EXPECT_EQ(s.TiMax, c.ti);
        EXPECT_EQ(s.CodClasse, c.cod);
    }
}

TEST(ScegliClasse, ClassiDiPercorsoENomiSconosciuti) {
    StatoProgetto s;
    Inizializza(s);
    std::string errore;
    ASSERT_TRUE(ScegliClasse(s, TipoImpianto::Percorso, "P2 o S2", errore));
    EXPECT_EQ(s.EmMin, 10);
    EXPECT_EQ(s.EminMin, 3);
    EXPECT_EQ(s.UeMin, 0);
    EXPECT_EQ(s.ClasseA, "P2 o S2");
    ASSERT_TRUE(ScegliClasse(s, TipoImpianto::Percorso, "ce3", errore));
    EXPECT_EQ(s.EmMin, 15);
    EXPECT_EQ(s.EminMin, 0);
    EXPECT_EQ(s.UeMin, 40);
    EXPECT_EQ(s.ClasseA, "C3 o CE3");

    s.LmMin = 1.5;
    s.CodClasse = "m2";
    for (const char* nome : {"ME7", "", "7", "o"}) {
        EXPECT_FALSE(ScegliClasse(s, TipoImpianto::Strada, nome, errore)) << nome;
        EXPECT_FALSE(errore.empty());
    }
    EXPECT_FALSE(ScegliClasse(s, TipoImpianto::Percorso, "ME3a", errore));
    EXPECT_EQ(s.LmMin, 1.5);  // a refused name changes nothing
    EXPECT_EQ(s.CodClasse, "m2");
}

}  // namespace
}  // namespace nottaro
