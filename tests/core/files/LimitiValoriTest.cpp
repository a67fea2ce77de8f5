// Every design value has a range: the defaults and the sample projects lie
// within; a project file with a value outside is refused whole, naming the
// value and its range; the sentinels keep their meaning.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <memory>
#include <string>

#include "core/files/FileProgetto.h"
#include "core/state/LimitiValori.h"
#include "support/CartellaTemporanea.h"
#include "support/InterazioneFinta.h"
#include "support/Percorsi.h"

namespace nottaro {
namespace {

TEST(LimitiValori, DefaultsAndSampleProjectsAreWithinRange) {
    auto s = std::make_unique<StatoProgetto>();
    Inizializza(*s);
    EXPECT_TRUE(VerificaLimiti(*s).Vuoto()) << VerificaLimiti(*s).Testo();
    for (const char* p : {"strada.nt0", "percorso.nt0", "versione0.nt0", "ies.nt0"}) {
        test::InterazioneFinta ui;
        auto t = std::make_unique<StatoProgetto>();
        EXPECT_TRUE(CaricaProgetto(test::Fixture(std::string("projects/") + p), *t, ui).letto) << p;
    }
}

TEST(LimitiValori, LoaderRefusesAValueOutsideItsRangeNamingValueAndRange) {
    struct Caso {
        std::function<void(StatoProgetto&)> modifica;
        const char* nome;
        const char* intervallo;
    };
    const Caso casi[] = {
        {[](StatoProgetto& s) { s.Interdist = 0.001; }, "Interdist", "[1, 500] or 0 (not set)"},
        {[](StatoProgetto& s) { s.NCorsie = 1000; }, "NCorsie", "1..6"},
        {[](StatoProgetto& s) { s.HPalo = 1e6; }, "HPalo", "[1, 50] or 0 (variable)"},
        {[](StatoProgetto& s) { s.StepInt = 1e-9; }, "StepInt", "[0.01, 500]"},
        {[](StatoProgetto& s) { s.Deprezz = -0.1; }, "Deprezz", "(0, 1]"},
        {[](StatoProgetto& s) { s.DeprezzA = 0; }, "DeprezzA", "(0, 1]"},
        {[](StatoProgetto& s) { s.HPaloA = -2; }, "HPaloA", "[1, 50] or 0 (variable)"},
        {[](StatoProgetto& s) { s.LargStrada = 500; }, "LargStrada", "[1, 100]"},
    };
    test::CartellaTemporanea dir;
    for (const Caso& k : casi) {
        SCOPED_TRACE(k.nome);
        auto s = std::make_unique<StatoProgetto>();
        test::InterazioneFinta ui;
        ASSERT_TRUE(CaricaProgetto(test::Fixture("projects/strada.nt0"), *s, ui).letto);
        k.modifica(*s);
        ASSERT_TRUE(SalvaProgetto(dir.File("fuori.nt0"), *s, ui));
        auto caricato = std::make_unique<StatoProgetto>();
        caricato->LargStrada = 12.25;  // the design in hand stays as it was
        test::InterazioneFinta ui2;
        EXPECT_FALSE(CaricaProgetto(dir.File("fuori.nt0"), *caricato, ui2).letto);
        ASSERT_EQ(ui2.Conta("avviso"), 1);
        const std::string& testo = ui2.mostrati[0].testo;
        EXPECT_NE(testo.find(k.nome), std::string::npos) << testo;
        EXPECT_NE(testo.find(k.intervallo), std::string::npos) << testo;
        EXPECT_EQ(caricato->LargStrada, 12.25);
    }
}

TEST(LimitiValori, SentinelsAndBoundsAreAdmitted) {
    const struct {
        const char* nome;
        double v;
        bool ammesso;
    } casi[] = {
        {"HPalo", 0, true},     {"HPalo", 0.5, false},    {"HPalo", 50, true},   {"Sbraccio", 99, true},
        {"Sbraccio", 98, false}, {"Inclina", 99, true},   {"Deprezz", 1, true},  {"Deprezz", 0, false},
        {"NCorsie", 2.5, false}, {"NCorsie", 6, true},     {"StepAng", 0.01, true}, {"Interdist", 0, true},
    };
    for (const auto& k : casi) {
        const LimiteValore* l = TrovaLimite(k.nome);
        ASSERT_NE(l, nullptr) << k.nome;
        EXPECT_EQ(VerificaLimite(*l, k.v).Vuoto(), k.ammesso) << k.nome << " = " << k.v;
    }
    EXPECT_EQ(TrovaLimite("hpalo"), nullptr);  // names as the design state spells them
}

}  // namespace
}  // namespace nottaro
