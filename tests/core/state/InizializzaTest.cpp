#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/state/Inizializza.h"

namespace nottaro {
namespace {

// A state where every value differs from its design default.
StatoProgetto StatoSporco() {
    StatoProgetto s;
    s.Lingua = 2;
    s.DirProg = "/prog";
    s.FileHelp = "ntrfr.hlp";
    s.Foto.NomeApp = "Lanterna";
    s.Foto.LampSel = 3;
    s.Foto.Intens.Dimensiona(MaxPianiC, MaxAngoliG);
    s.Foto.Intens.ImpostaAngoloC(2, 15);
    s.Foto.Intens.ImpostaValore(1, 1, 123);
    s.Foto.Intens.ImpostaValore(MaxPianiC, MaxAngoliG, 7);  // beyond any partial clearing window
    s.FotoCaricata = true;
    s.FileFoto = "/l/a.ldt";
    s.FileLista = "/l/lista.ntr";
    s.DaCatalogo = true;
    s.FlussoCatalogo = 6600;
    s.LampWatt = 70;
    s.LampFlusso = 6600;
    s.LampTipo = "SAP 70";
    s.DispPali = 4;
    s.DispPaliA = 5;
    s.HPalo = s.HPaloA = 9;
    s.Sbraccio = s.SbraccioA = 1.5;
    s.Inclina = s.InclinaA = 10;
    s.LargStrada = s.LargStradaA = 11;
    s.NCorsie = 4;
    s.Interdist = 33;
    s.DaProgetto = true;
    s.TipoProgetto = 1;
    s.StradaDef = s.StradaDefA = false;
    s.Deprezz = s.DeprezzA = 0.5;
    s.ClassePav = 5;
    s.LmMin = 2;
    s.UoMin = 40;
    s.UlMin = 70;
    s.TiMax = 10;
    s.CodClasse = "me1";
    s.GrigliaEN = 0;
    s.NPtiCorsia = 3;
    s.InterMaxGriglia = 30;
    s.NPtiCorsia2 = 3;
    s.OssUNI = 1;
    s.EmMin = 10;
    s.EminMin = 3;
    s.UeMin = 40;
    s.ClasseA = "P2 o S2";
    s.GrigliaPers = 1;
    s.NPtiX = 10;
    s.NPtiY = 3;
    s.StepAlt = s.StepInt = s.StepSbr = 1.1;
    s.StepAng = 9;
    s.ErrLm = 150;
    s.ErrEm = 200;
    s.TutteLampade = s.ChiediLampada = true;
    s.TuttiRisultati = true;
    s.TipoLimite = 2;
    s.ValLimite = 25;
    s.RitornoStampa = true;
    s.OreAcc = s.CostoE = s.VitaImp = s.CoeffMorte = s.PerditaPot = s.IntAlt = 1;
    s.IntAltRapp = false;
    s.LampW = s.LampLM = s.LampT = s.LampCosto = 1;
    s.NLampW = s.NLampT = s.NLampCosto = 1;
    s.DurataSAP = s.DurataSBP = s.DurataHID = s.DurataHG = 1;
    s.CostoSAP = s.CostoSBP = s.CostoHID = s.CostoHG = 1;
    s.SorgDurata = 16000;
    s.SorgCosto = 30;
    s.SorgRiserva = 5;
    s.CostoApp = s.CostoPalo = s.CostoPlinto = s.CostoAccessori = s.CostoScavo = s.CostoCavo = 1;
    s.PrezzoAll = s.PrezzoApp = s.CostoM = s.CostoRiserva = 1;
    s.PrjRiga1 = "r1";
    s.PrjRiga5 = "r5";
    s.PrjDescr = "descr";
    s.FotoImpianto = "imp.jpg";
    s.FotoApp = "app.jpg";
    s.CatNomeFile = "cat.ldt";
    s.SolLumen = "6600";
    s.SolPotenza = "70";
    s.SolLampada = "SAP";
    s.DirLdtMaster = "/mp/ldt";
    s.DirCorpi = "/mp/corpi";
    s.DirImmagini = "/mp/images";
    s.DirProgetto = "/mp/prog";
    s.FileMaster = "/mp/p.xls";
    return s;
}

TEST(Inizializza, PutsEveryDesignDefault) {
    StatoProgetto s = StatoSporco();
    Inizializza(s);

    struct Reale { const char* nome; double StatoProgetto::* m; double atteso; };
    const Reale reali[] = {
        {"HPalo", &StatoProgetto::HPalo, 0},         {"HPaloA", &StatoProgetto::HPaloA, 0},
        {"Sbraccio", &StatoProgetto::Sbraccio, 99},  {"SbraccioA", &StatoProgetto::SbraccioA, 99},
        {"Inclina", &StatoProgetto::Inclina, 0},     {"InclinaA", &StatoProgetto::InclinaA, 0},
        {"LargStrada", &StatoProgetto::LargStrada, 7}, {"LargStradaA", &StatoProgetto::LargStradaA, 7},
        {"Interdist", &StatoProgetto::Interdist, 0}, {"Deprezz", &StatoProgetto::Deprezz, 0.8},
        {"DeprezzA", &StatoProgetto::DeprezzA, 0.8}, {"LmMin", &StatoProgetto::LmMin, 0},
        {"UoMin", &StatoProgetto::UoMin, 0},         {"UlMin", &StatoProgetto::UlMin, 0},
        {"TiMax", &StatoProgetto::TiMax, 0},         {"EmMin", &StatoProgetto::EmMin, 0},
        {"EminMin", &StatoProgetto::EminMin, 0},     {"UeMin", &StatoProgetto::UeMin, 0},
        {"StepAlt", &StatoProgetto::StepAlt, 0.5},   {"StepInt", &StatoProgetto::StepInt, 0.5},
        {"StepSbr", &StatoProgetto::StepSbr, 0.5},   {"StepAng", &StatoProgetto::StepAng, 5},
        {"ErrLm", &StatoProgetto::ErrLm, 20},        {"ErrEm", &StatoProgetto::ErrEm, 20},
        {"ValLimite", &StatoProgetto::ValLimite, 0}, {"OreAcc", &StatoProgetto::OreAcc, 4200},
        {"CostoE", &StatoProgetto::CostoE, 0.1},     {"VitaImp", &StatoProgetto::VitaImp, 25},
        {"CoeffMorte", &StatoProgetto::CoeffMorte, 0.06}, {"PerditaPot", &StatoProgetto::PerditaPot, 14},
        {"IntAlt", &StatoProgetto::IntAlt, 2.5},     {"LampW", &StatoProgetto::LampW, 125},
        {"LampLM", &StatoProgetto::LampLM, 6200},    {"LampT", &StatoProgetto::LampT, 8000},
        {"LampCosto", &StatoProgetto::LampCosto, 12}, {"NLampW", &StatoProgetto::NLampW, 0},
        {"NLampT", &StatoProgetto::NLampT, 0},       {"NLampCosto", &StatoProgetto::NLampCosto, 0},
        {"DurataSAP", &StatoProgetto::DurataSAP, 12000}, {"DurataSBP", &StatoProgetto::DurataSBP, 10000},
        {"DurataHID", &StatoProgetto::DurataHID, 6000}, {"DurataHG", &StatoProgetto::DurataHG, 8000},
        {"CostoSAP", &StatoProgetto::CostoSAP, 14},  {"CostoSBP", &StatoProgetto::CostoSBP, 13},
        {"CostoHID", &StatoProgetto::CostoHID, 14},  {"CostoHG", &StatoProgetto::CostoHG, 12},
        {"CostoApp", &StatoProgetto::CostoApp, 200}, {"CostoPalo", &StatoProgetto::CostoPalo, 250},
        {"CostoPlinto", &StatoProgetto::CostoPlinto, 110}, {"CostoAccessori", &StatoProgetto::CostoAccessori, 50},
        {"CostoScavo", &StatoProgetto::CostoScavo, 350}, {"CostoCavo", &StatoProgetto::CostoCavo, 110},
        {"PrezzoAll", &StatoProgetto::PrezzoAll, 120}, {"PrezzoApp", &StatoProgetto::PrezzoApp, 45},
        {"CostoM", &StatoProgetto::CostoM, 40},      {"CostoRiserva", &StatoProgetto::CostoRiserva, 120},
        {"LampWatt", &StatoProgetto::LampWatt, 0},   {"LampFlusso", &StatoProgetto::LampFlusso, 0},
    };
    for (const auto& r : reali) EXPECT_DOUBLE_EQ(s.*(r.m), r.atteso) << r.nome;

    struct Intero { const char* nome; int StatoProgetto::* m; int atteso; };
    const Intero interi[] = {
        {"DispPali", &StatoProgetto::DispPali, 0},   {"DispPaliA", &StatoProgetto::DispPaliA, 0},
        {"NCorsie", &StatoProgetto::NCorsie, 2},     {"ClassePav", &StatoProgetto::ClassePav, 1},
        {"OssUNI", &StatoProgetto::OssUNI, 0},       {"GrigliaPers", &StatoProgetto::GrigliaPers, 0},
        {"NPtiX", &StatoProgetto::NPtiX, 0},         {"NPtiY", &StatoProgetto::NPtiY, 0},
        // EN flag with the UNI constants until the road dialog is confirmed.
        {"GrigliaEN", &StatoProgetto::GrigliaEN, 1}, {"NPtiCorsia", &StatoProgetto::NPtiCorsia, 5},
        {"InterMaxGriglia", &StatoProgetto::InterMaxGriglia, 50}, {"NPtiCorsia2", &StatoProgetto::NPtiCorsia2, 5},
    };
    for (const auto& r : interi) EXPECT_EQ(s.*(r.m), r.atteso) << r.nome;

    EXPECT_FALSE(s.FotoCaricata);
    EXPECT_FALSE(s.DaProgetto);
    EXPECT_FALSE(s.TuttiRisultati);
    EXPECT_FALSE(s.TutteLampade);
    EXPECT_FALSE(s.RitornoStampa);
    EXPECT_TRUE(s.IntAltRapp);
    EXPECT_TRUE(s.StradaDef);
    EXPECT_TRUE(s.StradaDefA);
    for (const std::string* t : {&s.FileFoto, &s.FileLista, &s.CatNomeFile, &s.FotoApp, &s.FotoImpianto, &s.LampTipo})
        EXPECT_TRUE(t->empty()) << *t;
    EXPECT_EQ(s.Foto.Intens.AngoloC(2), 0);
    EXPECT_EQ(s.Foto.Intens.Valore(1, 1), 0);
    EXPECT_EQ(s.Foto.Intens.Valore(MaxPianiC, MaxAngoliG), 0);
}

TEST(Inizializza, LeavesLanguageLampSetIdentificationAndMasterplanAlone) {
    const StatoProgetto prima = StatoSporco();
    StatoProgetto s = prima;
    Inizializza(s);

    EXPECT_EQ(s.Lingua, prima.Lingua);
    EXPECT_EQ(s.DirProg, prima.DirProg);
    EXPECT_EQ(s.FileHelp, prima.FileHelp);
    EXPECT_EQ(s.Foto.LampSel, prima.Foto.LampSel);
    EXPECT_EQ(s.Foto.NomeApp, prima.Foto.NomeApp);
    EXPECT_EQ(s.DaCatalogo, prima.DaCatalogo);
    EXPECT_EQ(s.FlussoCatalogo, prima.FlussoCatalogo);
    EXPECT_EQ(s.TipoProgetto, prima.TipoProgetto);
    EXPECT_EQ(s.TipoLimite, prima.TipoLimite);
    EXPECT_EQ(s.ChiediLampada, prima.ChiediLampada);
    EXPECT_EQ(s.SorgDurata, prima.SorgDurata);
    EXPECT_EQ(s.SorgCosto, prima.SorgCosto);
    EXPECT_EQ(s.SorgRiserva, prima.SorgRiserva);
    EXPECT_EQ(s.CodClasse, prima.CodClasse);
    EXPECT_EQ(s.ClasseA, prima.ClasseA);
    for (auto m : {&StatoProgetto::PrjRiga1, &StatoProgetto::PrjRiga5, &StatoProgetto::PrjDescr,
                   &StatoProgetto::SolLumen, &StatoProgetto::SolPotenza, &StatoProgetto::SolLampada,
                   &StatoProgetto::DirLdtMaster, &StatoProgetto::DirCorpi, &StatoProgetto::DirImmagini,
                   &StatoProgetto::DirProgetto, &StatoProgetto::FileMaster})
        EXPECT_EQ(s.*m, prima.*m);
}

TEST(Inizializza, RunsTheWindowStepsInOrderWithTheirValues) {
    StatoProgetto s = StatoSporco();
    std::vector<std::string> passi;
    AgganciInizializza a;
    a.PassoLarghezza = [&](double p) {
        EXPECT_DOUBLE_EQ(p, 0.1);
        EXPECT_EQ(s.DispPali, 4) << "width step comes before the state reset";
        passi.push_back("passo");
    };
    a.RipristinaFinestra = [&] {
        EXPECT_EQ(s.DispPali, 0);
        EXPECT_EQ(s.HPalo, 9) << "controls reset before the geometry values";
        passi.push_back("finestra");
    };
    a.SvuotaNomiApparecchio = [&] {
        EXPECT_TRUE(s.FileFoto.empty());
        passi.push_back("nomi");
    };
    a.MostraDeprezzMasterplan = [&](double d) {
        EXPECT_DOUBLE_EQ(d, 0.8);
        EXPECT_EQ(s.NPtiCorsia, 5);
        passi.push_back("masterplan");
    };
    Inizializza(s, a);
    EXPECT_EQ(passi, (std::vector<std::string>{"passo", "finestra", "nomi", "masterplan"}));
}

TEST(Inizializza, MemberFormGivesTheSameDefaults) {
    StatoProgetto a = StatoSporco(), b = StatoSporco();
    a.Inizializza();
    Inizializza(b);
    EXPECT_EQ(a.Sbraccio, b.Sbraccio);
    EXPECT_EQ(a.OreAcc, b.OreAcc);
    EXPECT_EQ(a.GrigliaEN, b.GrigliaEN);
    EXPECT_EQ(a.Sbraccio, 99);
}

}  // namespace
}  // namespace nottaro
