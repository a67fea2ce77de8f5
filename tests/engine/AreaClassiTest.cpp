// Path classes and the compliance test of an evaluation.
#include <gtest/gtest.h>

#include <cmath>

#include "engine/comune/ClassiArea.h"
#include "engine/area/IlluminamentoArea.h"

namespace nottaro {
namespace {

TEST(ClassiArea, RequirementsAndLabelsOfTheList) {
    struct Caso { const char* nome; double em, emin, ue; const char* etichetta; };
    const Caso casi[] = {
        {"P1 o S1", 15, 5, 0, "Emin             lx"},
        {"P3 o S3", 7.5, 1.5, 0, "Emin             lx"},
        {"P5 o S5", 3, 0.6, 0, "Emin             lx"},
        {"P6 o S6", 2, 0.4, 0, "Emin             lx"},
        {"C0 o CE0", 50, 0, 40, " Ue               %"},
        {"C2 o CE2", 20, 0, 40, " Ue               %"},
        {"C5 o CE5", 7.5, 0, 40, " Ue               %"},
    };
    for (const auto& k : casi) {
        const ClasseArea* c = TrovaClasseArea(k.nome);
        ASSERT_NE(c, nullptr) << k.nome;
        EXPECT_EQ(c->EmMin, k.em) << k.nome;
        EXPECT_EQ(c->EminMin, k.emin) << k.nome;
        EXPECT_EQ(c->UeMin, k.ue) << k.nome;
        EXPECT_EQ(EtichettaSecondoRequisito(*c), k.etichetta) << k.nome;
    }
    ASSERT_EQ(ClassiArea().size(), 12u);
    EXPECT_EQ(ClassiArea().front().Nome, "P1 o S1");
    EXPECT_EQ(ClassiArea().back().Nome, "C5 o CE5");
    EXPECT_EQ(TrovaClasseArea("P7 o S7"), nullptr);
}

TEST(VerificaClasseA, AllFourLimits) {
    const RequisitiArea s2{10, 3, 0, 20};    // an S class: Emin counts, Ue does not
    const RequisitiArea ce2{20, 0, 40, 20};  // a CE class: Ue counts, Emin does not
    struct Caso { RequisitiArea req; double em, emin; bool conforme; const char* perche; };
    const Caso casi[] = {
        {s2, 10, 3, true, "both at the limit"},
        {s2, 12, 3, true, "Em exactly EmMin (1 + ErrEm/100)"},
        {s2, std::nextafter(12.0, 13.0), 3, false, "Em a hair above the excess"},
        {s2, std::nextafter(10.0, 0.0), 5, false, "Em a hair below"},
        {s2, 11, 2.99, false, "Emin below"},
        {s2, 11, 0.5, false, "poor uniformity does not save a low Emin"},
        {ce2, 20, 8, true, "Ue exactly 40 %"},
        {ce2, 20, 7.99, false, "Ue below 40 %"},
        {ce2, 24, 10, true, "any minimum once Ue holds"},
        {{10, 3, 0, 0}, 10.0001, 3, false, "no excess accepted with ErrEm 0"},
    };
    for (const auto& k : casi) {
        StatisticheIllum st;
        st.EmCalc = k.em;
        st.EminCalc = k.emin;
        st.EmaxCalc = k.em * 2;
        EXPECT_EQ(VerificaClasseA(st, k.req), k.conforme) << k.perche;
    }
}

}  // namespace
}  // namespace nottaro
