// The language switch and what follows the language: ntr.cfg, the help file,
// the two-state choices, the fixed prompt captions; and the messages command.
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/wait.h>

#include "core/i18n/Lingua.h"
#include "core/i18n/Messaggi.h"
#include "support/EseguiCli.h"
#include "support/Percorsi.h"

namespace nottaro {
namespace {

namespace fs = std::filesystem;

class CambioLingua : public ::testing::Test {
protected:
    void SetUp() override {
        std::string modello = (fs::temp_directory_path() / "nottaro-lingua-XXXXXX").string();
        ASSERT_NE(::mkdtemp(modello.data()), nullptr);
        cartella = modello;
        stato.DirProg = cartella;
        stato.Lingua = LinguaFrancese;
        ImpostaLinguaCatalogo(LinguaFrancese);
    }
    void TearDown() override {
        std::error_code ec;
        fs::remove_all(cartella, ec);
        ImpostaLinguaCatalogo(LinguaInglese);
    }
    std::string Cfg() const {
        std::ifstream in(fs::path(cartella) / "ntr.cfg", std::ios::binary);
        std::stringstream ss;
        ss << in.rdbuf();
        return ss.str();
    }
    std::string cartella;
    StatoProgetto stato;
    int rietichettature = 0;
    std::function<void()> rietichetta = [this] { ++rietichettature; };
};

TEST_F(CambioLingua, ChoosingTheCurrentLanguageWritesAndRelabelsNothing) {
    EXPECT_EQ(ImpostaLingua(stato, LinguaFrancese, rietichetta), EsitoCambioLingua::Invariata);
    EXPECT_FALSE(fs::exists(fs::path(cartella) / "ntr.cfg"));
    EXPECT_EQ(rietichettature, 0);
    EXPECT_EQ(stato.FileHelp, "");
}

TEST_F(CambioLingua, ANewLanguageIsStoredShownAndItsHelpFileChosen) {
    ASSERT_EQ(ImpostaLingua(stato, LinguaSpagnolo, rietichetta), EsitoCambioLingua::Cambiata);
    EXPECT_EQ(stato.Lingua, LinguaSpagnolo);
    EXPECT_EQ(Cfg(), "4\r\n");
    EXPECT_EQ(rietichettature, 1);
    EXPECT_EQ(Msg(48), Msg(48, LinguaSpagnolo));
    EXPECT_EQ(fs::path(stato.FileHelp), fs::path(cartella) / "help/es/index.html");

    ASSERT_EQ(ImpostaLingua(stato, LinguaItaliano, rietichetta), EsitoCambioLingua::Cambiata);
    EXPECT_EQ(Cfg(), "0\r\n");
    EXPECT_EQ(fs::path(stato.FileHelp), fs::path(cartella) / "help/it/index.html");
    EXPECT_EQ(rietichettature, 2);
}

TEST_F(CambioLingua, AnUnwritableSettingIsReportedButTheSwitchStillHappens) {
    stato.DirProg = (fs::path(cartella) / "missing" / "folder").string();
    EXPECT_EQ(ImpostaLingua(stato, LinguaInglese, rietichetta), EsitoCambioLingua::NonSalvata);
    EXPECT_EQ(stato.Lingua, LinguaInglese);
    EXPECT_EQ(rietichettature, 1);
}

TEST_F(CambioLingua, AnUnknownLanguageChangesNothing) {
    for (int l : {-1, NumLingue}) {
        EXPECT_EQ(ImpostaLingua(stato, l, rietichetta), EsitoCambioLingua::LinguaIgnota);
        EXPECT_EQ(stato.Lingua, LinguaFrancese);
        EXPECT_EQ(LinguaCatalogo(), LinguaFrancese);
    }
    EXPECT_FALSE(fs::exists(fs::path(cartella) / "ntr.cfg"));
    EXPECT_EQ(rietichettature, 0);
}

TEST_F(CambioLingua, StartUpAdoptsTheStoredLanguageWithoutWritingIt) {
    struct Caso {
        int letta, attesa;
        const char* help;
    };
    for (const Caso& c : {Caso{LinguaItaliano, LinguaItaliano, "help/it/index.html"}, Caso{LinguaTedesco, LinguaTedesco, "help/de/index.html"},
                          Caso{9, LinguaInglese, "help/en/index.html"}}) {
        stato.Lingua = c.letta;
        AdottaLingua(stato);
        EXPECT_EQ(stato.Lingua, c.attesa);
        EXPECT_EQ(LinguaCatalogo(), c.attesa);
        EXPECT_EQ(Msg(48), Msg(48, c.attesa));
        EXPECT_EQ(fs::path(stato.FileHelp), fs::path(cartella) / c.help);
    }
    EXPECT_FALSE(fs::exists(fs::path(cartella) / "ntr.cfg"));
}

TEST(SceltaDueStati, ADefinedChoiceStaysDefinedAcrossSwitchesAndAVariableOneStaysVariable) {
    // French "defined" shown, then Spanish chosen.
    EXPECT_EQ(SceltaDopoCambioLingua(Msg(48, LinguaFrancese), LinguaSpagnolo), Msg(48, LinguaSpagnolo));
    EXPECT_EQ(SceltaDopoCambioLingua(Msg(45, LinguaFrancese), LinguaSpagnolo), Msg(45, LinguaSpagnolo));
    // Italian to English and back.
    const std::string& inglese = SceltaDopoCambioLingua("Definita", LinguaInglese);
    EXPECT_EQ(inglese, "Fixed");
    EXPECT_EQ(SceltaDopoCambioLingua(inglese, LinguaItaliano), "Definita");
    // Every pair of languages, and anything else falls back to "variable".
    for (int da = 0; da < NumLingue; ++da)
        for (int a = 0; a < NumLingue; ++a) {
            EXPECT_EQ(SceltaDopoCambioLingua(Msg(48, da), a), Msg(48, a)) << da << "->" << a;
            EXPECT_EQ(SceltaDopoCambioLingua(Msg(45, da), a), Msg(45, a)) << da << "->" << a;
        }
    EXPECT_EQ(SceltaDopoCambioLingua("", LinguaTedesco), Msg(45, LinguaTedesco));
}

TEST(FileHelp, EveryLanguageHasItsOwnHelpBook) {
    const char* attesi[] = {"help/it/index.html", "help/en/index.html", "help/fr/index.html", "help/de/index.html",
                            "help/es/index.html"};
    for (int l = 0; l < NumLingue; ++l) EXPECT_EQ(NomeFileHelp(l), attesi[l]) << l;
    EXPECT_EQ(NomeFileHelp(9), "help/en/index.html");
    EXPECT_EQ(fs::path(PercorsoFileHelp("/opt/nottaro", LinguaFrancese)), fs::path("/opt/nottaro/help/fr/index.html"));
}

TEST(PromptLampada, CaptionsFollowTheLanguageAndFallBackToItalian) {
    struct Caso {
        int lingua;
        const char *titolo, *lampada, *potenza, *flusso, *gruppo, *famiglia0;
    };
    const Caso casi[] = {
        {LinguaItaliano, "Caratteristiche Sorgente", "Lampada", "Potenza", "Flusso Luminoso", "Sorgenti disponibili",
         "Sodio Alta Pressione"},
        {LinguaInglese, "Lamp Data", "Lamp", "Power", "Flux", "Available Source", "Sodium High Pressure"},
        {LinguaFrancese, "Caractéristiques de la source", "Lampe", "Puissance", "Flux lumineux", "Sources disponibles",
         "Sodium haute pression"},
        {LinguaTedesco, "Lampendaten", "Lampe", "Leistung", "Lichtstrom", "Verfügbare Lampen", "Natrium-Hochdruck"},
        {LinguaSpagnolo, "Características de la fuente", "Lámpara", "Potencia", "Flujo luminoso", "Fuentes disponibles",
         "Sodio de alta presión"},
        {-1, "Caratteristiche Sorgente", "Lampada", "Potenza", "Flusso Luminoso", "Sorgenti disponibili",
         "Sodio Alta Pressione"},
        {7, "Caratteristiche Sorgente", "Lampada", "Potenza", "Flusso Luminoso", "Sorgenti disponibili",
         "Sodio Alta Pressione"},
    };
    for (const auto& c : casi) {
        const auto& t = TestiPromptLampada(c.lingua);
        EXPECT_EQ(t.titolo, c.titolo) << c.lingua;
        EXPECT_EQ(t.lampada, c.lampada) << c.lingua;
        EXPECT_EQ(t.potenza, c.potenza) << c.lingua;
        EXPECT_EQ(t.flusso, c.flusso) << c.lingua;
        EXPECT_EQ(t.gruppo, c.gruppo) << c.lingua;
        EXPECT_EQ(t.famiglie[0], c.famiglia0) << c.lingua;
        EXPECT_EQ(t.famiglie[4], "LED") << c.lingua;
    }
    EXPECT_EQ(TestiPromptLampada(LinguaSpagnolo).famiglie[3], "Mercurio de alta presión");
    EXPECT_EQ(TestiPromptLampada(LinguaFrancese).famiglie[1], "Sodium basse pression");
}

TEST(DialogoLingua, ButtonsSetTheirLanguagesAndEveryLanguageCanBeChosen) {
    std::string etichette;
    for (const auto& p : PulsantiTLingua) {
        etichette += std::string(p.etichetta) + "=" + std::to_string(p.lingua) + (p.abilitato ? " " : "(off) ");
    }
    EXPECT_EQ(etichette, "Italiano=0 English=1 Français=2 Español=4 Deutsch=3 ");
}



TEST(ComandoMessages, PrintsOneLanguageOrAllFiveOneMessagePerLine) {
    auto tutte = test::EseguiCli("messages", true);
    ASSERT_EQ(tutte.esito, 0) << tutte.out;
    std::istringstream righe(tutte.out);
    std::string riga;
    int conta = 0;
    while (std::getline(righe, riga)) {
        if (conta == 49) {
            EXPECT_EQ(riga, "48\t" + Msg(48, 0) + "\t" + Msg(48, 1) + "\t" + Msg(48, 2) + "\t" + Msg(48, 3) + "\t" +
                                Msg(48, 4));
        }
        ++conta;
    }
    EXPECT_EQ(conta, static_cast<int>(NumeriMessaggi().size()) + 1);

    auto es = test::EseguiCli("messages --lang es --json", true);
    ASSERT_EQ(es.esito, 0) << es.out;
    auto j = nlohmann::json::parse(es.out);
    ASSERT_EQ(j.size(), NumeriMessaggi().size());
    EXPECT_EQ(j[441]["es"], Msg(441, LinguaSpagnolo));
    EXPECT_FALSE(j[441].contains("it"));

    auto male = test::EseguiCli("messages --lang xx", true);
    EXPECT_NE(male.esito, 0);
    EXPECT_NE(male.out.find("unknown language"), std::string::npos);
}

}  // namespace
}  // namespace nottaro
