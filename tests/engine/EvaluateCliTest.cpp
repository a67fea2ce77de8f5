// nottaro-cli evaluate on road and path projects: the figures of the plain
// engines, the JSON layout, and the refusals of bad input.
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "core/files/FileProgetto.h"
#include "core/photometry/LettoriFotometria.h"
#include "engine/area/OttimizzaArea.h"
#include "engine/area/ValutaPercorso.h"
#include "engine/comune/FattUtil.h"
#include "engine/road/IllumSoluzione.h"
#include "engine/road/OttimizzaStrada.h"
#include "engine/road/reference/LuminanzaRiferimento.h"
#include "support/InterazioneFinta.h"
#include "support/CartellaTemporanea.h"
#include "support/EseguiCli.h"
#include "support/Percorsi.h"

namespace nottaro {
namespace {

namespace fs = std::filesystem;




using test::Tra;

void Uguale(double cli, double atteso, const std::string& nome) {
    EXPECT_LE(std::abs(cli - atteso), 1e-12 * std::abs(atteso)) << nome << ": " << cli << " vs " << atteso;
}

// Loads the project as the program does and evaluates it with the plain engine.
struct Atteso {
    std::unique_ptr<StatoProgetto> stato = std::make_unique<StatoProgetto>();
    ParametriStrada p;
    RisultatoStrada r;
    CampoStrada campo;
    CampoIllum illum;
    StatisticheIllum stat;
    double fattUtil = 0;
};

std::unique_ptr<Atteso> Riferimento(const std::string& progetto, const std::string& foto = "", int lampada = 0) {
    auto a = std::make_unique<Atteso>();
    test::InterazioneFinta ui;
    EXPECT_TRUE(CaricaProgetto(progetto, *a->stato, ui).letto);
    if (!foto.empty()) {
        EXPECT_EQ(LeggiFotometria(foto, a->stato->Foto, ui), 0);
    }
    if (lampada) a->stato->Foto.LampSel = lampada - 1;
    a->p = ParametriStradaDaStato(*a->stato);
    a->r = riferimento::ValutaStrada(a->stato->Foto, a->p, nullptr, a->campo);
    ContestoCalcolo ctx;
    EXPECT_TRUE(IllumSoluzione(ctx, a->stato->Foto, a->p, a->campo.Apparecchi, a->campo.Griglia, a->illum, a->stat));
    a->fattUtil = FattUtilStrada(a->illum, a->p, a->stato->Foto.FlussoLamp[a->p.LampCalc]).value_or(-1);
    return a;
}

void ConfrontaJson(const nlohmann::json& j, const Atteso& a) {
    ASSERT_EQ(a.r.Esito, EsitoStrada::Accettato);
    Uguale(j.at("Lm").get<double>(), a.r.Lm, "Lm");
    Uguale(j.at("Uo").get<double>(), a.r.Uo, "Uo");
    Uguale(j.at("Ul").get<double>(), a.r.Ul, "Ul");
    Uguale(j.at("TI").get<double>(), a.r.TI, "TI");
    Uguale(j.at("StimaRapida").get<double>(), a.r.StimaRapida, "StimaRapida");
    const auto& c = a.campo;
    EXPECT_EQ(j.at("NPtiLong").get<int>(), c.Griglia.NPtiLong);
    EXPECT_EQ(j.at("NPtiTrasv").get<int>(), c.Griglia.NPtiTrasv);
    EXPECT_EQ(j.at("NApparecchi").get<int>(), c.NApparecchi());
    ASSERT_EQ(j.at("LmOss").size(), c.LmOss.size());
    ASSERT_EQ(j.at("UlOss").size(), c.UlOss.size());
    for (std::size_t o = 0; o < c.LmOss.size(); ++o) {
        Uguale(j["LmOss"][o].get<double>(), c.LmOss[o], "LmOss");
        Uguale(j["UoOss"][o].get<double>(), c.UoOss[o], "UoOss");
    }
    for (std::size_t o = 0; o < c.UlOss.size(); ++o) Uguale(j["UlOss"][o].get<double>(), c.UlOss[o], "UlOss");
    Uguale(j.at("EmCalc").get<double>(), a.stat.EmCalc, "EmCalc");
    Uguale(j.at("EminCalc").get<double>(), a.stat.EminCalc, "EminCalc");
    Uguale(j.at("EmaxCalc").get<double>(), a.stat.EmaxCalc, "EmaxCalc");
    Uguale(j.at("FattUtil").get<double>(), a.fattUtil, "FattUtil");
    const auto& il = j.at("Illum");
    ASSERT_EQ(static_cast<int>(il.size()), a.illum.NPtiLong);
    for (int i = 0; i < a.illum.NPtiLong; ++i)
        for (int jj = 0; jj < a.illum.NPtiTrasv; ++jj) Uguale(il[i][jj].get<double>(), a.illum(i, jj), "Illum");
    const auto& lum = j.at("LumGriglia");
    ASSERT_EQ(static_cast<int>(lum.size()), c.NOss);
    for (int o = 0; o < c.NOss; ++o) {
        ASSERT_EQ(static_cast<int>(lum[o].size()), c.Griglia.NPtiLong);
        for (int i = 0; i < c.Griglia.NPtiLong; ++i) {
            ASSERT_EQ(static_cast<int>(lum[o][i].size()), c.Griglia.NPtiTrasv);
            for (int jj = 0; jj < c.Griglia.NPtiTrasv; ++jj) Uguale(lum[o][i][jj].get<double>(), c.Lum(o, i, jj), "LumGriglia");
        }
    }
}

TEST(EvaluateCli, RoadProjectsGiveThePlainEngineFigures) {
    test::CartellaTemporanea dir;
    struct Caso {
        std::string progetto, foto;
        int lampada;
        int osservatori;
    };
    const Caso casi[] = {
        {"strada.nt0", "", 0, 2},  // EN observers, one per lane
        {"ies.nt0", "", 0, 1},     // the single UNI observer
        {"strada.nt0", test::Fixture("photometry/eulumdat-analysis_sample_03_two_lamp_sets_isym4.ldt"), 2, 2},
    };
    for (const auto& k : casi) {
        SCOPED_TRACE(k.progetto + " " + k.foto);
        const std::string progetto = test::Fixture("projects/" + k.progetto);
        std::string arg = "evaluate --json --project " + Tra(progetto);
        if (!k.foto.empty()) arg += " --photometry " + Tra(k.foto);
        if (k.lampada) arg += " --lamp-set " + std::to_string(k.lampada);
        const test::UscitaCli u = test::EseguiCli(arg);
        ASSERT_EQ(u.esito, 0) << u.err;
        const auto j = nlohmann::json::parse(u.out);
        EXPECT_EQ(j.at("LumGriglia").size(), static_cast<std::size_t>(k.osservatori));
        ConfrontaJson(j, *Riferimento(progetto, k.foto, k.lampada));
    }
}

TEST(EvaluateCli, PathProjectGivesTheAreaEngineFigures) {
    test::CartellaTemporanea dir;
    const std::string progetto = test::Fixture("projects/percorso.nt0");
    for (int lampada : {0, 1}) {
        std::string arg = "evaluate --json --project " + Tra(progetto);
        if (lampada) arg += " --lamp-set " + std::to_string(lampada);
        const test::UscitaCli u = test::EseguiCli(arg);
        ASSERT_EQ(u.esito, 0) << u.err;
        const auto j = nlohmann::json::parse(u.out);

        auto s = std::make_unique<StatoProgetto>();
        test::InterazioneFinta ui;
        ASSERT_TRUE(CaricaProgetto(progetto, *s, ui).letto);
        if (lampada) s->Foto.LampSel = lampada - 1;
        const RisultatoPercorso r = ValutaPercorso(s->Foto, ParametriAreaDaStato(*s), RequisitiAreaDaStato(*s));
        ASSERT_TRUE(r.Valido());
        Uguale(j.at("EmCalc").get<double>(), r.Stat.EmCalc, "EmCalc");
        Uguale(j.at("EminCalc").get<double>(), r.Stat.EminCalc, "EminCalc");
        Uguale(j.at("EmaxCalc").get<double>(), r.Stat.EmaxCalc, "EmaxCalc");
        Uguale(j.at("Uo").get<double>(), r.Uo, "Uo");
        Uguale(j.at("FattUtil").get<double>(), r.FattUtil.value(), "FattUtil");
        EXPECT_EQ(j.at("Conforme").get<bool>(), r.Conforme);
        EXPECT_EQ(j.at("NApparecchi").get<std::size_t>(), r.Apparecchi.size());
        ASSERT_EQ(j.at("NPtiLong").get<int>(), r.Campo.NPtiLong);
        ASSERT_EQ(j.at("NPtiTrasv").get<int>(), r.Campo.NPtiTrasv);
        for (int i = 0; i < r.Campo.NPtiLong; ++i)
            for (int k = 0; k < r.Campo.NPtiTrasv; ++k) Uguale(j["Illum"][i][k].get<double>(), r.Campo(i, k), "Illum");
        EXPECT_FALSE(j.contains("LumGriglia"));
    }
}

TEST(EvaluateCli, FirstPointOfTheSampleRoadMatchesAnIndependentCalculation) {
    // tests/engine/RoadVerificaPunto.py parses the street optic itself, tilts
    // the direction vector by rotation and interpolates in Newton form; it
    // prints the luminance for observer 1 at the first grid point. The
    // program's degree constant (57.29577951) accounts for the last digits.
    const test::UscitaCli py = test::EseguiPython("tests/engine/RoadVerificaPunto.py");
    ASSERT_EQ(py.esito, 0) << py.err;
    const double atteso = std::stod(py.out);
    test::CartellaTemporanea dir;
    const test::UscitaCli u = test::EseguiCli("evaluate --json --project " + Tra(test::Fixture("projects/strada.nt0")));
    ASSERT_EQ(u.esito, 0) << u.err;
    const auto j = nlohmann::json::parse(u.out);
    EXPECT_NEAR(j["LumGriglia"][0][0][0].get<double>(), atteso, 1e-8 * atteso);
}

TEST(EvaluateCli, NumbersCarrySeventeenDigitsInText) {
    test::CartellaTemporanea dir;
    const test::UscitaCli u = test::EseguiCli("evaluate --project " + Tra(test::Fixture("projects/strada.nt0")));
    ASSERT_EQ(u.esito, 0) << u.err;
    const auto pos = u.out.find("\nLm: ");
    ASSERT_NE(pos, std::string::npos) << u.out;
    const std::string valore = u.out.substr(pos + 5, u.out.find('\n', pos + 1) - pos - 5);
    const auto a = Riferimento(test::Fixture("projects/strada.nt0"));
    EXPECT_EQ(std::stod(valore), a->r.Lm);  // the text reads back to the same double
    EXPECT_NE(u.out.find("LumGriglia observer 2:"), std::string::npos);
}

TEST(EvaluateCli, BadInputIsOneLineAndAFailureStatus) {
    test::CartellaTemporanea dir;
    // A copy of the road project with a variable height, and one without a spacing.
    auto scrivi = [&](const std::string& nome, auto modifica, const char* origine = "projects/strada.nt0") {
        auto s = std::make_unique<StatoProgetto>();
        test::InterazioneFinta ui;
        EXPECT_TRUE(CaricaProgetto(test::Fixture(origine), *s, ui).letto);
        modifica(*s);
        EXPECT_TRUE(SalvaProgetto(dir.File(nome), *s, ui));
        return dir.File(nome);
    };
    const std::string foto = test::Fixture("photometry/eulumdat-analysis_sample_19_LEDiL_STRADA_street_isym0.ldt");
    const std::string variabile = scrivi("variabile.nt0", [](StatoProgetto& s) { s.HPalo = HPaloVariabile; });
    const std::string senzaPasso = scrivi("senzapasso.nt0", [](StatoProgetto& s) { s.Interdist = 0; });
    const std::string percorsoVariabile = scrivi(
        "percorso.nt0", [](StatoProgetto& s) { s.SbraccioA = SbraccioVariabile; }, "projects/percorso.nt0");
    const std::string fotoPercorso = test::Fixture("photometry/eulumdat-analysis_sample_03_two_lamp_sets_isym4.ldt");
    const std::string strada = test::Fixture("projects/strada.nt0");
    struct Caso {
        std::string arg, parola;
    };
    const Caso casi[] = {
        {"--project " + Tra(dir.File("manca.nt0")), "manca.nt0"},
        {"--project " + Tra(variabile) + " --photometry " + Tra(foto), "HPalo"},
        {"--project " + Tra(senzaPasso) + " --photometry " + Tra(foto), "Interdist"},
        {"--project " + Tra(percorsoVariabile) + " --photometry " + Tra(fotoPercorso), "SbraccioA"},
        {"--project " + Tra(strada) + " --lamp-set 2", "set 2"},
        {"--project " + Tra(strada) + " --photometry " + Tra(dir.File("manca.ldt")), "manca.ldt"},
    };
    for (const auto& k : casi) {
        const test::UscitaCli u = test::EseguiCli("evaluate " + k.arg);
        EXPECT_EQ(u.esito, 1) << k.arg;
        EXPECT_TRUE(u.out.empty()) << k.arg;
        EXPECT_NE(u.err.find(k.parola), std::string::npos) << u.err;
        EXPECT_EQ(std::count(u.err.begin(), u.err.end(), '\n'), 1) << u.err;
    }
}

// The edition decides which criteria judge: the older tables record TI
// without judging it and know no EIR; the 2015 edition judges both.
TEST(EvaluateCli, EditionChoosesTheJudgedCriteria) {
    const std::string base = "evaluate --json --project " + Tra(test::Fixture("projects/strada.nt0"));
    struct Caso {
        const char* set;
        std::vector<std::string> criteri;
        bool tiGiudicato;
    };
    for (const Caso& k : {Caso{"", {"Lm", "Uo", "Ul", "TI"}, false},
                          Caso{" --set EdizioneEN=1", {"Lm", "Uo", "Ul", "TI", "EIR"}, true}}) {
        const test::UscitaCli u = test::EseguiCli(base + k.set);
        ASSERT_EQ(u.esito, 0) << u.err;
        const auto j = nlohmann::json::parse(u.out);
        std::vector<std::string> nomi;
        for (const auto& c : j["Criteri"]) nomi.push_back(c["nome"].get<std::string>());
        EXPECT_EQ(nomi, k.criteri) << k.set;
        EXPECT_EQ(j["Criteri"][3]["giudicato"].get<bool>(), k.tiGiudicato) << k.set;
        EXPECT_EQ(j.contains("EIR"), k.tiGiudicato) << k.set;
        if (j.contains("EIR")) EXPECT_EQ(j["EIR"], j["Criteri"][4]["valore"]);
        EXPECT_GT(j["Dp"].get<double>(), 0) << k.set;
        EXPECT_GT(j["De"].get<double>(), 0) << k.set;
    }
}

}  // namespace
}  // namespace nottaro
