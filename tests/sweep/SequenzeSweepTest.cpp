// The values a sweep walks through for fixed and swept heights, spacings,
// overhangs and tilts, with the calculation limits.
#include <gtest/gtest.h>

#include <vector>

#include "engine/sweep/SequenzeSweep.h"

namespace nottaro {
namespace {

std::vector<double> Da(double a, double passo, double b) {
    std::vector<double> v;
    for (int i = 0; a + i * passo <= b + 1e-9; ++i) v.push_back(a + i * passo);
    return v;
}

void Uguali(const std::vector<double>& ottenuti, const std::vector<double>& attesi) {
    ASSERT_EQ(ottenuti.size(), attesi.size());
    for (std::size_t i = 0; i < attesi.size(); ++i) EXPECT_NEAR(ottenuti[i], attesi[i], 1e-9) << i;
}

ParametriSequenze Strada() {
    ParametriSequenze p;
    p.tipo = TipoImpianto::Strada;
    return p;
}

ParametriSequenze Percorso() {
    ParametriSequenze p;
    p.tipo = TipoImpianto::Percorso;
    return p;
}

TEST(SequenzeSweep, InterdistanzePerAltezzaELimite) {
    struct Caso {
        const char* nome;
        ParametriSequenze p;
        double H;
        std::vector<double> attese;
    };
    auto con = [](ParametriSequenze p, int tipo, double val) {
        p.TipoLimite = tipo;
        p.ValLimite = val;
        return p;
    };
    ParametriSequenze daProgetto = Strada();
    daProgetto.DaProgetto = true;
    daProgetto.Interdist = 27.5;
    daProgetto.ValLimite = 12;
    daProgetto.TipoLimite = 2;
    const Caso casi[] = {
        {"strada senza limite: da H a 7H", Strada(), 8, Da(8, 0.5, 56)},
        {"percorso senza limite: da H a 8H", Percorso(), 4, Da(4, 0.5, 32)},
        {"minimo come rapporto", con(Strada(), 3, 3), 8, Da(24, 0.5, 56)},
        {"minimo in metri da 8", con(Strada(), 3, 12), 8, Da(12, 0.5, 56)},
        {"minimo percorso come rapporto", con(Percorso(), 2, 5), 4, Da(20, 0.5, 32)},
        {"minimo percorso in metri", con(Percorso(), 2, 12), 4, Da(12, 0.5, 32)},
        {"minimo oltre il massimo: una passata", con(Percorso(), 2, 40), 4, {40}},
        {"interdistanza fissa", con(Strada(), 1, 30), 8, {30}},
        {"interdistanza fissa percorso", con(Percorso(), 1, 25), 4, {25}},
        {"limite a zero: da H", con(Strada(), 1, 0), 8, Da(8, 0.5, 56)},
        {"progetto caricato: interdistanza tenuta", daProgetto, 8, {27.5}},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        Uguali(Interdistanze(c.p, c.H).valori, c.attese);
    }
}

TEST(SequenzeSweep, AltezzeSbracciInclinazioni) {
    ParametriSequenze p = Strada();
    Uguali(Altezze(p).valori, Da(2, 0.5, 20));
    p.StepAlt = 0.1;  // 2 + 180 x 0.1 ends on 20 despite binary rounding
    EXPECT_EQ(Altezze(p).valori.size(), 181u);
    EXPECT_NEAR(Altezze(p).valori.back(), 20, 1e-9);
    EXPECT_EQ(Altezze(Percorso()).valori.size(), 27u);
    EXPECT_DOUBLE_EQ(Altezze(Percorso()).valori.back(), 15);

    p = Strada();
    Uguali(Sbracci(p).valori, Da(-3.5, 0.5, 3.5));
    ParametriSequenze q = Percorso();
    q.W = 4;
    Uguali(Sbracci(q).valori, Da(-2, 0.5, 2));
    q.NCorsie = 3;
    q.StepSbr = 0.4;  // a lane of 1.33 m: three whole steps back
    Uguali(Sbracci(q).valori, Da(-1.2, 0.4, 2));

    Uguali(Inclinazioni(p).valori, Da(-20, 5, 20));
    p.StepAng = 3;
    Uguali(Inclinazioni(p).valori, Da(-18, 3, 18));
}

TEST(SequenzeSweep, ValoriFissiUnaPassataEInvariati) {
    ParametriSequenze p = Strada();
    p.HPalo = 9.3;
    p.Sbraccio = -0.7;
    p.Inclina = 15;
    for (const Livello& l : {Altezze(p), Sbracci(p), Inclinazioni(p)}) {
        ASSERT_EQ(l.valori.size(), 1u);
        EXPECT_FALSE(l.variabile);
        EXPECT_EQ(l.Dopo(l.valori[0]), l.valori[0]);
    }
    EXPECT_DOUBLE_EQ(Altezze(p).valori[0], 9.3);
    // A swept level leaves its variable one step past its last value.
    const Livello t = Inclinazioni(Strada());
    EXPECT_DOUBLE_EQ(t.Dopo(t.valori.back()), 25);
}

TEST(SequenzeSweep, PassoNonPositivoUnaPassata) {
    ParametriSequenze p = Strada();
    p.StepAlt = 0;
    p.StepInt = -1;
    p.StepAng = 0;
    EXPECT_EQ(Altezze(p).valori.size(), 1u);
    EXPECT_EQ(Interdistanze(p, 8).valori.size(), 1u);
    EXPECT_EQ(Inclinazioni(p).valori.size(), 1u);
}

TEST(SequenzeSweep, CandidatiPerLampada) {
    ParametriSequenze p = Strada();
    p.HPalo = 8;
    p.Sbraccio = 1;
    p.Inclina = 0;
    EXPECT_EQ(CandidatiPerLampada(p), 97);  // one per spacing, 8 .. 56
    p.Inclina = InclinaVariabile;
    p.HPalo = HPaloVariabile;
    long long attesi = 0;
    for (double H : Da(2, 0.5, 20)) attesi += static_cast<long long>(Da(H, 0.5, 7 * H).size()) * 9;
    EXPECT_EQ(CandidatiPerLampada(p), attesi);
}

}  // namespace
}  // namespace nottaro
