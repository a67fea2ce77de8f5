#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "core/files/FileProgetto.h"
#include "core/i18n/Messaggi.h"
#include "core/state/DisposizioniStrada.h"
#include "support/CartellaTemporanea.h"
#include "support/InterazioneFinta.h"
#include "support/Percorsi.h"

namespace nottaro {
namespace {

namespace fs = std::filesystem;
using test::CartellaTemporanea;
using test::Fixture;
using test::InterazioneFinta;

std::string Contenuto(const std::string& percorso) {
    std::ifstream in(percorso, std::ios::binary);
    std::ostringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

void ScriviFile(const std::string& percorso, const std::string& contenuto) {
    std::ofstream(percorso, std::ios::binary) << contenuto;
}

std::vector<std::string> Righe(const std::string& testo) {
    std::vector<std::string> righe;
    std::size_t inizio = 0;
    for (std::size_t p; (p = testo.find("\r\n", inizio)) != std::string::npos; inizio = p + 2)
        righe.push_back(testo.substr(inizio, p - inizio));
    EXPECT_EQ(inizio, testo.size()) << "every line ends in CR LF";
    return righe;
}

std::string Unisci(const std::vector<std::string>& righe) {
    std::string out;
    for (const auto& r : righe) out += r + "\r\n";
    return out;
}

std::string Serializza(const StatoProgetto& s) {
    std::ostringstream out;
    ScriviFileProgetto(out, s);
    return out.str();
}

std::string Assoluto(const std::string& p) { return fs::absolute(p).lexically_normal().string(); }

const char* const kDescrizione =
    "Prima riga\r\nSeconda riga con \\n scritto e una barra \\ sola\n\n"
    "àèìòù € “virgolette” \\\\doppia\tfine\\";

// Every value different from the others and from its default, so a value
// landing on the wrong line shows.
StatoProgetto StatoDistinto() {
    StatoProgetto s;
    s.DispPali = 4; s.ClassePav = 3; s.Deprezz = 0.8; s.LmMin = 1.5; s.UoMin = 41; s.UlMin = 71;
    s.TiMax = 11; s.HPalo = 9.5; s.Sbraccio = -0.5; s.Inclina = 15; s.Interdist = 31.5;
    s.LargStrada = 7.25; s.NCorsie = 3; s.StepAlt = 0.2; s.StepInt = 0.3; s.StepSbr = 0.4;
    s.StepAng = 6; s.ErrLm = 21; s.PrezzoAll = 121; s.PrezzoApp = 46; s.OreAcc = 4100;
    s.CostoE = 0.12; s.CostoM = 41; s.CoeffMorte = 0.07; s.IntAlt = 2.6; s.IntAltRapp = true;
    s.TutteLampade = false; s.VitaImp = 26; s.LampW = 150; s.LampLM = 14500; s.LampT = 9000;
    s.LampCosto = 13; s.NLampW = 100; s.NLampT = 16000; s.NLampCosto = 22; s.DurataSAP = 12001;
    s.DurataSBP = 10001; s.DurataHID = 6001; s.DurataHG = 8001; s.CostoSAP = 14.5; s.CostoSBP = 13.5;
    s.CostoHID = 15.5; s.CostoHG = 12.5; s.SorgDurata = 17000; s.SorgRiserva = 1e-5; s.SorgCosto = 31;
    s.CostoApp = 201; s.CostoPalo = 251; s.CostoPlinto = 111; s.CostoAccessori = 51; s.CostoScavo = 351;
    s.CostoCavo = 112; s.CostoRiserva = 122; s.PerditaPot = 15; s.ChiediLampada = true; s.GrigliaEN = 0;
    s.NPtiCorsia = 5; s.InterMaxGriglia = 50; s.NPtiCorsia2 = 6; s.OssUNI = 1;
    s.PrjRiga1 = "Comune di Città"; s.PrjRiga2 = "Via Roma"; s.PrjRiga3 = "Tratto A"; s.PrjRiga4 = "Ing. Rossi";
    s.PrjRiga5 = "2026"; s.PrjDescr = kDescrizione; s.FotoImpianto = "/foto/impianto.jpg";
    s.FotoApp = "/foto/app.jpg"; s.SolLumen = "6600"; s.SolPotenza = "70"; s.SolLampada = "SAP 70";
    s.CatNomeFile = "cat.ldt"; s.FileFoto = "/ldt/strada.ldt"; s.TipoProgetto = 1; s.DispPaliA = 5;
    s.DeprezzA = 0.75; s.EmMin = 7.5; s.EminMin = 1.5; s.UeMin = 0; s.HPaloA = 4.5; s.ClasseA = "P3 o S3";
    s.SbraccioA = 0.25; s.LargStradaA = 2.5; s.InclinaA = -5; s.ErrEm = 22; s.GrigliaPers = 1;
    s.NPtiX = 10; s.NPtiY = 4; s.CodClasse = "me4b";
    s.EdizioneEN = 1; s.OrePiena = 3000; s.OreRid1 = 1000; s.FrazRid1 = 0.5; s.OreRid2 = 500; s.FrazRid2 = 0.3;
    s.LargLaterale = 2.5;
    return s;
}

TEST(SalvaProgetto, WritesEveryValueOnItsLine) {
    const std::vector<std::string> attese = {
        "5.8d", "4", "3", "0.8", "1.5", "41", "71", "11", "9.5", "-0.5", "15", "31.5", "7.25", "3",
        "0.2", "0.3", "0.4", "6", "21", "121", "46", "4100", "0.12", "41", "0.07", "2.6", "1", "0",
        "26", "150", "14500", "9000", "13", "100", "16000", "22", "12001", "10001", "6001", "8001",
        "14.5", "13.5", "15.5", "12.5", "17000", "1E-05", "31", "201", "251", "111", "51", "351", "112",
        "122", "15", "1", "0", "5", "50", "6",                                          // lines 1..60
        "1",                                                                             // 61 OssUNI
        "Comune di Città", "Via Roma", "Tratto A", "Ing. Rossi", "2026",                // 62..66
        "Prima riga\\nSeconda riga con \\\\n scritto e una barra \\\\ sola\\n\\n"
        "àèìòù € “virgolette” \\\\\\\\doppia\tfine\\\\",                               // 67
        "/foto/impianto.jpg", "/foto/app.jpg", "6600", "70", "SAP 70", "cat.ldt", "/ldt/strada.ldt",
        "1", "5", "0.75", "7.5", "1.5", "0", "4.5", "P3 o S3", "0.25", "2.5", "-5", "22", "1", "10", "4",
        "me4b",                                                                          // 75..90
        "1", "3000", "1000", "0.5", "500", "0.3", "2.5"};                                // 91..97
    auto righe = Righe(Serializza(StatoDistinto()));
    ASSERT_EQ(righe.size(), 97u);
    for (std::size_t i = 0; i < righe.size(); ++i) {
        if (i == 45) {  // 1e-5: the exponent form is the general format's, whatever its spelling
            EXPECT_DOUBLE_EQ(std::stod(righe[i]), 1e-5);
            continue;
        }
        EXPECT_EQ(righe[i], attese[i]) << "line " << i + 1;
    }
}

TEST(SalvaProgetto, RoundTripIsByteIdenticalAndRestoresTheValues) {
    CartellaTemporanea dir;
    InterazioneFinta ui;
    const StatoProgetto originale = StatoDistinto();
    ASSERT_TRUE(SalvaProgetto(dir.File("a.nt0"), originale, ui));

    StatoProgetto caricato;
    caricato.Inizializza();
    auto esito = CaricaProgetto(dir.File("a.nt0"), caricato, ui);
    ASSERT_TRUE(esito.letto);
    EXPECT_EQ(esito.versione.testo, "5.8d");
    // Line breaks come back as LF, every other character as it was.
    EXPECT_EQ(caricato.PrjDescr,
              "Prima riga\nSeconda riga con \\n scritto e una barra \\ sola\n\n"
              "àèìòù € “virgolette” \\\\doppia\tfine\\");
    EXPECT_EQ(caricato.PrjRiga1, "Comune di Città");
    EXPECT_EQ(caricato.Sbraccio, -0.5);
    EXPECT_EQ(caricato.SorgRiserva, 1e-5);
    EXPECT_EQ(caricato.NPtiY, 4);
    EXPECT_EQ(caricato.CodClasse, "me4b");
    EXPECT_EQ(caricato.EdizioneEN, 1);
    EXPECT_EQ(caricato.FrazRid2, 0.3);
    EXPECT_EQ(caricato.LargLaterale, 2.5);

    ASSERT_TRUE(SalvaProgetto(dir.File("b.nt0"), caricato, ui));
    EXPECT_EQ(Contenuto(dir.File("a.nt0")), Contenuto(dir.File("b.nt0")));
    EXPECT_FALSE(fs::exists(dir.File("b.nt0.tmp")));
}

// Files written before the edition and the operating profile end at line 90
// (or 89, before the class code): they read as the older class tables with
// the burning hours at full power, whatever the state held before.
TEST(CaricaProgetto, FileEndingBeforeTheEditionReadsAsTheOlderTables) {
    const auto righe = Righe(Serializza(StatoDistinto()));
    for (std::size_t n : {std::size_t{89}, std::size_t{90}, std::size_t{92}, std::size_t{96}}) {
        std::istringstream in(Unisci({righe.begin(), righe.begin() + static_cast<long>(n)}));
        StatoProgetto s;
        s.Inizializza();
        s.EdizioneEN = 1;
        s.OreRid1 = 77;
        s.FrazRid1 = 0.1;
        s.LargLaterale = 4;
        VersioneProgetto v;
        std::string errore;
        ASSERT_TRUE(LeggiFileProgetto(in, s, v, errore)) << n << ": " << errore;
        EXPECT_EQ(s.EdizioneEN, n >= 91 ? 1 : 0) << n;
        EXPECT_EQ(s.OrePiena, n >= 92 ? 3000 : 0) << n;
        EXPECT_EQ(s.OreRid1, n >= 93 ? 1000 : 0) << n;
        EXPECT_EQ(s.FrazRid1, n >= 94 ? 0.5 : 1) << n;
        EXPECT_EQ(s.LargLaterale, 0) << n;  // no side strips before line 97
    }
    // A line that is there must read.
    auto guasta = righe;
    guasta[90] = "uno";
    std::istringstream in(Unisci(guasta));
    StatoProgetto s;
    VersioneProgetto v;
    std::string errore;
    EXPECT_FALSE(LeggiFileProgetto(in, s, v, errore));
    EXPECT_NE(errore.find("EdizioneEN"), std::string::npos) << errore;
}

// The double centre row is one more value on the arrangement line: it comes
// back as saved, files written before it read as they always did, and a value
// beyond it is refused.
TEST(CaricaProgetto, RoadArrangementLineReadsOldAndNewValues) {
    CartellaTemporanea dir;
    for (const auto& [file, disp] : {std::pair{"strada.nt0", 2}, std::pair{"versione0.nt0", 1}}) {
        InterazioneFinta ui;
        StatoProgetto vecchio;
        vecchio.Inizializza();
        ASSERT_TRUE(CaricaProgetto(Fixture(std::string("projects/") + file), vecchio, ui).letto) << file;
        EXPECT_EQ(vecchio.DispPali, disp) << file;
    }
    struct Caso {
        int disp;
        bool letto;
    };
    for (const Caso& k : {Caso{DispDoppioCentro, true}, Caso{6, true}, Caso{DispDoppioCentro + 1, false}}) {
        SCOPED_TRACE(k.disp);
        InterazioneFinta ui;
        StatoProgetto s;
        s.Inizializza();
        ASSERT_TRUE(CaricaProgetto(Fixture("projects/strada.nt0"), s, ui).letto);
        s.DispPali = k.disp;
        ASSERT_TRUE(SalvaProgetto(dir.File("d.nt0"), s, ui));
        EXPECT_EQ(Righe(Contenuto(dir.File("d.nt0"))).at(1), std::to_string(k.disp));
        StatoProgetto letto;
        letto.Inizializza();
        EXPECT_EQ(CaricaProgetto(dir.File("d.nt0"), letto, ui).letto, k.letto);
        EXPECT_EQ(letto.DispPali, k.letto ? k.disp : 0);
    }
}

TEST(SalvaProgetto, LineBreakInAOneLineTextKeepsTheLayout) {
    StatoProgetto s = StatoDistinto();
    s.PrjRiga2 = "Via\r\nRoma";
    s.SolLampada = "SAP\n70";
    auto righe = Righe(Serializza(s));
    ASSERT_EQ(righe.size(), 97u);
    EXPECT_EQ(righe[62], "Via Roma");
    EXPECT_EQ(righe[71], "SAP 70");
    EXPECT_EQ(righe[73], "/ldt/strada.ldt");
}

TEST(SalvaProgetto, UnwritableFileIsReportedAndNothingIsLeftBehind) {
    CartellaTemporanea dir;
    InterazioneFinta ui;
    EXPECT_FALSE(SalvaProgetto(dir.File("manca/p.nt0"), StatoDistinto(), ui));
    EXPECT_EQ(ui.Conta("avviso"), 1);
    EXPECT_EQ(ui.ContaTesto("p.nt0"), 1);
}

TEST(VersioneDaRiga, BannerMeansVersionZeroOtherwiseTheLeadingNumber) {
    struct Caso { const char* riga; const char* testo; double numero; };
    const Caso casi[] = {
        {"5.8d", "5.8d", 5.8},      {"4", "4", 4},        {"3.9b", "3.9b", 3.9},
        {"10.25x", "10.25x", 10.25}, {"abc", "abc", 0},  {"", "", 0},
        {"Lucerno - Nottaro 2.1", "0", 0},               {"4.", "4.", 4},
        {" 5.8d ", " 5.8d ", 5.8},
    };
    for (const auto& c : casi) {
        auto v = VersioneDaRiga(c.riga);
        EXPECT_EQ(v.testo, c.testo) << c.riga;
        EXPECT_DOUBLE_EQ(v.numero, c.numero) << c.riga;
    }
}

TEST(CaricaProgetto, RoadProjectRestoresTheSolutionAndStartsTheRoadRun) {
    StatoProgetto s;
    s.Inizializza();
    s.Lingua = 2;
    s.CodClasse = "m1";
    InterazioneFinta ui;
    int mostrato = 0, fotometria = 0;
    std::vector<std::string> passi;
    AgganciProgetto a;
    a.Inizializza.RipristinaFinestra = [&] { passi.push_back("finestra"); };
    a.MostraProgetto = [&](const StatoProgetto& st) {
        EXPECT_EQ(st.HPalo, 8);
        EXPECT_FALSE(st.FotoCaricata);
        passi.push_back("progetto");
        ++mostrato;
    };
    a.FotometriaCaricata = [&](const StatoProgetto& st) {
        EXPECT_TRUE(st.FotoCaricata);
        passi.push_back("fotometria");
        ++fotometria;
    };

    auto esito = CaricaProgetto(Fixture("projects/strada.nt0"), s, ui, a);

    ASSERT_TRUE(esito.letto);
    EXPECT_TRUE(esito.avviaCalcolo);
    EXPECT_EQ(ui.Conta("avviso"), 0) << (ui.mostrati.empty() ? "" : ui.mostrati[0].testo);
    EXPECT_EQ(passi, (std::vector<std::string>{"finestra", "progetto", "fotometria"}));
    EXPECT_EQ(s.Lingua, 2);
    EXPECT_EQ(s.DispPali, 2);
    EXPECT_EQ(s.ClassePav, 3);
    EXPECT_DOUBLE_EQ(s.Deprezz, 0.85);
    EXPECT_DOUBLE_EQ(s.HPalo, 8);
    EXPECT_DOUBLE_EQ(s.Sbraccio, 0.5);
    EXPECT_DOUBLE_EQ(s.Inclina, 5);
    EXPECT_DOUBLE_EQ(s.Interdist, 31.5);
    // The saved spacing becomes the fixed-spacing limit of the next run.
    EXPECT_DOUBLE_EQ(s.ValLimite, 31.5);
    EXPECT_EQ(s.TipoLimite, 1);
    EXPECT_EQ(s.GrigliaEN, 1);
    EXPECT_EQ(s.NPtiCorsia, 3);
    EXPECT_EQ(s.OssUNI, 0);
    EXPECT_EQ(s.PrjDescr, "Riqualificazione della via\nclasse ME3b");
    EXPECT_EQ(s.SolLumen, "400");
    EXPECT_EQ(s.TipoProgetto, 0);
    EXPECT_DOUBLE_EQ(s.SbraccioA, 99);
    EXPECT_EQ(s.CodClasse, "me3b");
    // Line 74 is relative: taken from the project's folder.
    EXPECT_EQ(s.FileFoto, Assoluto(Fixture("photometry/eulumdat-analysis_sample_19_LEDiL_STRADA_street_isym0.ldt")));
    EXPECT_TRUE(s.FotoCaricata);
    EXPECT_TRUE(s.DaProgetto);
    EXPECT_EQ(s.Foto.NumC(), 72);
    EXPECT_DOUBLE_EQ(s.Foto.FlussoLamp[0], 400);
}

TEST(CaricaProgetto, PathProjectPicksTheLampSetOfTheSavedSolution) {
    StatoProgetto s;
    s.Inizializza();
    InterazioneFinta ui;
    auto esito = CaricaProgetto(Fixture("projects/percorso.nt0"), s, ui);
    ASSERT_TRUE(esito.avviaCalcolo);
    EXPECT_EQ(s.TipoProgetto, 1);
    EXPECT_EQ(s.DispPaliA, 2);
    EXPECT_DOUBLE_EQ(s.HPaloA, 5);
    EXPECT_DOUBLE_EQ(s.SbraccioA, 0);
    EXPECT_DOUBLE_EQ(s.InclinaA, 0);
    EXPECT_DOUBLE_EQ(s.LargStradaA, 3);
    EXPECT_DOUBLE_EQ(s.Interdist, 20);
    EXPECT_DOUBLE_EQ(s.EmMin, 10);
    EXPECT_DOUBLE_EQ(s.EminMin, 3);
    EXPECT_EQ(s.ClasseA, "P2 o S2");
    EXPECT_TRUE(s.CodClasse.empty());
    ASSERT_EQ(s.Foto.NumLampade, 2);
    EXPECT_DOUBLE_EQ(s.Foto.FlussoLamp[1], 2643);
    EXPECT_EQ(s.Foto.LampSel, 1) << "SolLumen 2643 is the second lamp set";
}

TEST(CaricaProgetto, VersionZeroFileHasNoObserverLineAndNoPathValues) {
    StatoProgetto s;
    s.Inizializza();
    s.TipoProgetto = 1;  // left from an earlier path project
    s.ErrEm = 200;
    s.DispPaliA = 3;
    s.CodClasse = "me2";
    InterazioneFinta ui;
    auto esito = CaricaProgetto(Fixture("projects/versione0.nt0"), s, ui);
    ASSERT_TRUE(esito.letto);
    EXPECT_EQ(esito.versione.testo, "0");
    EXPECT_EQ(s.OssUNI, 1);
    EXPECT_EQ(s.DispPali, 1);
    EXPECT_EQ(s.NPtiCorsia2, 5);
    EXPECT_EQ(s.PrjRiga1, "Vecchio progetto");  // line 61 of this file
    EXPECT_EQ(s.FileFoto, Assoluto(Fixture("photometry/eulumdat-analysis_sample_19_LEDiL_STRADA_street_isym0.ldt")));
    EXPECT_EQ(s.TipoProgetto, 0) << "an old file can only hold a road project";
    EXPECT_DOUBLE_EQ(s.ErrEm, 20);
    EXPECT_EQ(s.DispPaliA, 0);
    EXPECT_DOUBLE_EQ(s.SbraccioA, 99);
    EXPECT_DOUBLE_EQ(s.DeprezzA, 0.8);
    EXPECT_EQ(s.CodClasse, "me2") << "a file without the class line keeps the current code";
    EXPECT_DOUBLE_EQ(s.Interdist, 0);
    EXPECT_EQ(s.TipoLimite, 0);
    EXPECT_TRUE(esito.avviaCalcolo);
}

TEST(CaricaProgetto, VersionBelowFourStopsAfterThePhotometricPath) {
    CartellaTemporanea dir;
    auto righe = Righe(Contenuto(Fixture("projects/strada.nt0")));
    righe[0] = "3.5";
    righe.resize(74);
    righe[73] = Fixture("photometry/eulumdat-analysis_sample_19_LEDiL_STRADA_street_isym0.ldt");
    ScriviFile(dir.File("v3.nt0"), Unisci(righe));
    StatoProgetto s;
    s.Inizializza();
    InterazioneFinta ui;
    auto esito = CaricaProgetto(dir.File("v3.nt0"), s, ui);
    ASSERT_TRUE(esito.letto);
    EXPECT_DOUBLE_EQ(esito.versione.numero, 3.5);
    EXPECT_EQ(s.OssUNI, 0);
    EXPECT_EQ(s.TipoProgetto, 0);
    EXPECT_EQ(s.FileFoto, righe[73]);
}

TEST(CaricaProgetto, IesProjectIsReadWithTheIesReader) {
    StatoProgetto s;
    s.Inizializza();
    InterazioneFinta ui;
    auto esito = CaricaProgetto(Fixture("projects/ies.nt0"), s, ui);
    ASSERT_TRUE(esito.avviaCalcolo);
    EXPECT_EQ(ui.ContaTesto(Msg(24)), 0) << "the EULUMDAT reader must not see an IES file";
    EXPECT_EQ(s.Foto.NumG(), 37);
    EXPECT_GT(s.Foto.Intens.Valore(1, 1), 0);
    EXPECT_TRUE(s.FotoCaricata);
}

TEST(CaricaProgetto, CompanionNt1ReplacesThePhotometryNamedInside) {
    CartellaTemporanea dir;
    auto righe = Righe(Contenuto(Fixture("projects/strada.nt0")));
    righe[73] = Fixture("photometry/eulumdat-analysis_sample_19_LEDiL_STRADA_street_isym0.ldt");
    ScriviFile(dir.File("p.nt0"), Unisci(righe));
    fs::copy_file(Fixture("photometry/eulumdat-analysis_sample_03_two_lamp_sets_isym4.ldt"), dir.File("p.nt1"));

    StatoProgetto s;
    s.Inizializza();
    InterazioneFinta ui;
    auto esito = CaricaProgetto(dir.File("p.nt0"), s, ui);
    ASSERT_TRUE(esito.avviaCalcolo);
    EXPECT_EQ(s.FileFoto, dir.File("p.nt1"));
    EXPECT_EQ(s.Foto.NumLampade, 2);
    EXPECT_EQ(s.Foto.LampSel, 0) << "SolLumen 400 matches no lamp set of the companion";
}

TEST(CaricaProgetto, MissingPhotometryKeepsTheDesignWithoutARun) {
    CartellaTemporanea dir;
    auto righe = Righe(Contenuto(Fixture("projects/strada.nt0")));
    righe[73] = "manca.ldt";
    ScriviFile(dir.File("p.nt0"), Unisci(righe));
    StatoProgetto s;
    s.Inizializza();
    InterazioneFinta ui;
    auto esito = CaricaProgetto(dir.File("p.nt0"), s, ui);
    EXPECT_TRUE(esito.letto);
    EXPECT_FALSE(esito.avviaCalcolo);
    EXPECT_EQ(ui.ContaTesto("manca.ldt - " + Msg(25)), 1);
    EXPECT_DOUBLE_EQ(s.HPalo, 8);
    EXPECT_EQ(s.FileFoto, dir.File("manca.ldt"));
    EXPECT_FALSE(s.FotoCaricata);
    EXPECT_FALSE(s.DaProgetto);
}

// A design in progress that a broken file must not disturb.
StatoProgetto DesignInCorso() {
    StatoProgetto s = StatoDistinto();
    s.FotoCaricata = true;
    s.Foto.NomeApp = "Lanterna";
    s.Foto.LampSel = 2;
    s.Foto.Intens.Dimensiona(4, 5);
    s.Foto.Intens.ImpostaValore(3, 4, 250);
    s.FileLista = "/liste/a.ntr";
    return s;
}

void AttendiInvariato(const StatoProgetto& s, const StatoProgetto& prima) {
    EXPECT_EQ(Serializza(s), Serializza(prima));
    EXPECT_EQ(s.FotoCaricata, prima.FotoCaricata);
    EXPECT_EQ(s.Foto.NomeApp, prima.Foto.NomeApp);
    EXPECT_EQ(s.Foto.LampSel, prima.Foto.LampSel);
    EXPECT_EQ(s.Foto.Intens.Valore(3, 4), 250);
    EXPECT_EQ(s.FileLista, prima.FileLista);
    EXPECT_EQ(s.ValLimite, prima.ValLimite);
}

TEST(CaricaProgetto, FileThatEndsEarlyLeavesTheDesignAsItWas) {
    const auto righe = Righe(Contenuto(Fixture("projects/strada.nt0")));
    for (std::size_t tenute : {0u, 1u, 40u, 60u, 74u, 88u}) {
        CartellaTemporanea dir;
        ScriviFile(dir.File("corto.nt0"),
                   Unisci(std::vector<std::string>(righe.begin(), righe.begin() + tenute)));
        const StatoProgetto prima = DesignInCorso();
        StatoProgetto s = prima;
        InterazioneFinta ui;
        int mostrato = 0;
        AgganciProgetto a;
        a.MostraProgetto = [&](const StatoProgetto&) { ++mostrato; };
        a.Inizializza.RipristinaFinestra = [&] { ++mostrato; };
        auto esito = CaricaProgetto(dir.File("corto.nt0"), s, ui, a);
        SCOPED_TRACE(tenute);
        EXPECT_FALSE(esito.letto);
        EXPECT_FALSE(esito.avviaCalcolo);
        EXPECT_EQ(mostrato, 0) << "the window is not touched";
        ASSERT_EQ(ui.Conta("avviso"), 1);
        EXPECT_NE(ui.mostrati[0].testo.find("corto.nt0"), std::string::npos);
        EXPECT_NE(ui.mostrati[0].testo.find("line " + std::to_string(tenute + 1)), std::string::npos)
            << ui.mostrati[0].testo;
        AttendiInvariato(s, prima);
    }
}

TEST(CaricaProgetto, LineThatDoesNotConvertLeavesTheDesignAsItWas) {
    struct Caso { std::size_t riga; const char* testo; const char* nome; };
    const Caso casi[] = {
        {12, "31,5", "Interdist"},   // decimal comma
        {14, "2.5", "NCorsie"},      // integer line with a decimal point
        {4, "", "Deprezz"},          // empty real
        {9, "nan", "HPalo"},         // not a finite number
        {89, "tre", "NPtiY"},        // last of the path lines
        {1, "", "version"},          // no version at all
        {1, "x5.8d", "version"},     // no leading number
        {1, "9.0", "version"},       // written by a newer program
        {27, "yes", "IntAltRapp"},   // flags are "1" or "0" only
        {28, "2", "TutteLampade"},
        {56, "", "ChiediLampada"},
        {82, "P9 o S9", "ClasseA"},  // no such path class
        {90, "../me1", "CodClasse"}, // no such road class code
    };
    const auto originali = Righe(Contenuto(Fixture("projects/strada.nt0")));
    for (const auto& c : casi) {
        CartellaTemporanea dir;
        auto righe = originali;
        righe[c.riga - 1] = c.testo;
        ScriviFile(dir.File("errato.nt0"), Unisci(righe));
        const StatoProgetto prima = DesignInCorso();
        StatoProgetto s = prima;
        InterazioneFinta ui;
        auto esito = CaricaProgetto(dir.File("errato.nt0"), s, ui);
        SCOPED_TRACE(c.nome);
        EXPECT_FALSE(esito.letto);
        EXPECT_FALSE(esito.avviaCalcolo);
        ASSERT_EQ(ui.Conta("avviso"), 1);
        const std::string& msg = ui.mostrati[0].testo;
        EXPECT_NE(msg.find("line " + std::to_string(c.riga)), std::string::npos) << msg;
        EXPECT_NE(msg.find(c.nome), std::string::npos) << msg;
        AttendiInvariato(s, prima);
    }
}

// The version decides which lines follow; lines the version does not call for
// mean the file is damaged, never a road read out of a path project.
TEST(CaricaProgetto, LinesLeftOverAfterTheLastValueAreRefused) {
    struct Caso { const char* versione; std::vector<std::string> aggiunte; int riga; };
    const Caso casi[] = {
        {"3.8d", {}, 75},             // damaged version of a full path project
        {"5.8d", {"altro"}, 91},      // one line more than any value
        {"5.8d", {"", "x"}, 92},      // a blank line does not hide what follows
    };
    const auto originali = Righe(Contenuto(Fixture("projects/percorso.nt0")));
    for (const auto& c : casi) {
        SCOPED_TRACE(c.riga);
        CartellaTemporanea dir;
        auto righe = originali;
        righe[0] = c.versione;
        righe.insert(righe.end(), c.aggiunte.begin(), c.aggiunte.end());
        ScriviFile(dir.File("lungo.nt0"), Unisci(righe));
        StatoProgetto s = DesignInCorso();
        InterazioneFinta ui;
        auto esito = CaricaProgetto(dir.File("lungo.nt0"), s, ui);
        EXPECT_FALSE(esito.letto);
        EXPECT_FALSE(esito.avviaCalcolo);
        ASSERT_EQ(ui.Conta("avviso"), 1);
        EXPECT_NE(ui.mostrati[0].testo.find("line " + std::to_string(c.riga)), std::string::npos)
            << ui.mostrati[0].testo;
    }
    // Blank lines an editor leaves at the end carry nothing.
    CartellaTemporanea dir;
    ScriviFile(dir.File("coda.nt0"), Unisci(originali) + "\r\n  \r\n");
    StatoProgetto s = DesignInCorso();
    InterazioneFinta ui;
    EXPECT_TRUE(CaricaProgetto(dir.File("coda.nt0"), s, ui).letto);
}

TEST(CaricaProgetto, MissingProjectFileIsReported) {
    CartellaTemporanea dir;
    const StatoProgetto prima = DesignInCorso();
    StatoProgetto s = prima;
    InterazioneFinta ui;
    auto esito = CaricaProgetto(dir.File("nessuno.nt0"), s, ui);
    EXPECT_FALSE(esito.letto);
    EXPECT_EQ(ui.ContaTesto("nessuno.nt0 - " + Msg(25)), 1);
    AttendiInvariato(s, prima);
}

TEST(CaricaProgetto, AcceptsLfLineEndsByteOrderMarkAndWindows1252Texts) {
    CartellaTemporanea dir;
    auto righe = Righe(Contenuto(Fixture("projects/strada.nt0")));
    righe[0] = "\xEF\xBB\xBF" + righe[0];  // byte-order mark from an editor
    righe[61] = "Citt\xE0";  // Windows-1252 "à" from an older program
    righe[73] = Fixture("photometry/eulumdat-analysis_sample_19_LEDiL_STRADA_street_isym0.ldt");
    std::string lf;
    for (const auto& r : righe) lf += r + "\n";
    ScriviFile(dir.File("lf.nt0"), lf);
    StatoProgetto s;
    s.Inizializza();
    InterazioneFinta ui;
    ASSERT_TRUE(CaricaProgetto(dir.File("lf.nt0"), s, ui).letto);
    EXPECT_EQ(s.PrjRiga1, "Città");
    EXPECT_DOUBLE_EQ(s.Interdist, 31.5);
    EXPECT_EQ(s.CodClasse, "me3b");
}

}  // namespace
}  // namespace nottaro
