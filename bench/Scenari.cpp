#include "bench/Scenari.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "core/intensity/DirezioneLuce.h"
#include "core/photometry/LettoriFotometria.h"
#include "core/state/Inizializza.h"
#include "engine/road/CampoStrada.h"
#include "engine/road/Riflessione.h"

namespace nottaro::bench {

std::string Fixture(const std::string& nome) { return std::string(NOTTARO_FIXTURES) + "/" + nome; }

Fotometria CaricaFotometria(const std::string& nome, double flusso) {
    Fotometria f;
    InterazioneMuta ui;
    if (LeggiFotometria(Fixture(nome), f, ui) != 0) {
        std::fprintf(stderr, "cannot read %s\n", Fixture(nome).c_str());
        std::exit(2);
    }
    if (flusso > 0) f.FlussoLamp[0] = flusso;
    return f;
}

namespace {

// What both kinds share: the street luminaire, steps, the swept overhang and tilt.
StatoProgetto StatoComune(double flusso) {
    StatoProgetto s;
    Inizializza(s);
    s.Foto = CaricaFotometria(FileStradale, flusso);
    s.FileFoto = Fixture(FileStradale);
    s.FotoCaricata = true;
    s.StepSbr = 0.5;
    s.StepAng = 5;
    s.Sbraccio = SbraccioVariabile;
    s.Inclina = InclinaVariabile;
    s.SbraccioA = SbraccioVariabile;
    s.InclinaA = InclinaVariabile;
    return s;
}

}  // namespace

StatoProgetto StatoStradaME3b(Ampiezza a) {
    // The file gives the optic with one 400 lm module; with 20,000 lm the
    // luminaire meets ME3b on a 7 m road at spacings of 2.5 to 3 heights.
    StatoProgetto s = StatoComune(20000);
    s.DispPali = 2;
    s.LargStrada = 7;
    s.NCorsie = 2;
    s.ClassePav = 4;  // R3
    s.Deprezz = 0.8;
    s.GrigliaEN = 1;
    s.NPtiCorsia = 3;
    s.InterMaxGriglia = 30;
    s.NPtiCorsia2 = 3;
    s.OssUNI = 0;
    s.LmMin = 1.0;
    s.UoMin = 40;
    s.UlMin = 60;
    s.TiMax = 15;
    s.ErrLm = 20;
    s.CodClasse = "me3";
    s.StepInt = 2;
    switch (a) {
        case Ampiezza::Minima:  // one spacing, every candidate stored
            s.HPalo = 10;
            s.TipoLimite = 1;
            s.ValLimite = 24;
            s.TuttiRisultati = true;
            break;
        case Ampiezza::Ridotta:  // 10 .. 70 m
            s.HPalo = 10;
            break;
        case Ampiezza::Media:
            s.HPalo = HPaloVariabile;
            s.StepAlt = 4;
            break;
        case Ampiezza::Ampia:
            s.HPalo = HPaloVariabile;
            s.StepAlt = 1;
            break;
    }
    return s;
}

StatoProgetto StatoPercorsoP2(Ampiezza a) {
    StatoProgetto s = StatoComune(2500);
    s.TipoProgetto = 1;
    s.DispPaliA = 2;
    s.LargStradaA = 3;
    s.NCorsie = 2;
    s.DeprezzA = 0.8;
    s.GrigliaPers = 0;
    s.EmMin = 10;
    s.EminMin = 2;
    s.UeMin = 0;
    s.ErrEm = 20;
    s.ClasseA = "P2";
    s.StepInt = 1;
    switch (a) {
        case Ampiezza::Minima:  // one spacing, every candidate stored
            s.HPaloA = 5;
            s.TipoLimite = 1;
            s.ValLimite = 20;
            s.TuttiRisultati = true;
            break;
        case Ampiezza::Ridotta:  // 5 .. 40 m
            s.HPaloA = 5;
            break;
        case Ampiezza::Media:
            s.HPaloA = HPaloVariabile;
            s.StepAlt = 4;
            break;
        case Ampiezza::Ampia:
            s.HPaloA = HPaloVariabile;
            s.StepAlt = 1;
            break;
    }
    return s;
}

TabellaTemporanea::TabellaTemporanea(const std::string& nomeTabella)
    : destinazione_(tabella_, nomeTabella == "NTRLUXA" ? TipoImpianto::Percorso : TipoImpianto::Strada) {
    static std::atomic<int> contatore{0};
    cartella_ = (std::filesystem::temp_directory_path() /
                 ("nottaro_bench_" + std::to_string(::getpid()) + "_" + std::to_string(contatore++)))
                    .string();
    std::filesystem::remove_all(cartella_);
    std::filesystem::create_directories(cartella_);
    tabella_.Collega(cartella_, nomeTabella);
    const EsitoTabella e1 = tabella_.Svuota();
    const EsitoTabella e2 = e1 ? tabella_.Apri() : e1;
    if (!e2) {
        std::fprintf(stderr, "cannot open a table in %s: %s\n", cartella_.c_str(), e2.errore.c_str());
        std::exit(2);
    }
}

TabellaTemporanea::~TabellaTemporanea() {
    tabella_.Scollega();
    std::error_code ec;
    std::filesystem::remove_all(cartella_, ec);
}

std::vector<std::vector<std::string>> TabellaTemporanea::Righe() {
    std::vector<std::vector<std::string>> r;
    for (bool ok = tabella_.Primo(); ok; ok = tabella_.Prossimo()) {
        std::vector<std::string> riga;
        for (const auto& c : tabella_.Campi()) riga.push_back(tabella_.Testo(c.nome).value_or("?"));
        r.push_back(std::move(riga));
    }
    return r;
}

namespace {

ParametriStrada CandidatoTipico() {
    ParametriStrada p;
    p.DispPali = 2;
    p.LargStrada = 7;
    p.NCorsie = 2;
    p.ClassePav = 4;
    p.HPalo = 10;
    p.Interdist = 30;
    p.Sbraccio = 1;
    p.Inclina = InclinaTipica;
    return p;
}

}  // namespace

namespace {

std::vector<Direzione> Direzioni(bool ruotate) {
    const ParametriStrada p = CandidatoTipico();
    CampoStrada campo;
    PreparaCampo(p, campo);
    std::vector<Direzione> d;
    for (const auto& a : campo.Apparecchi)
        for (const auto& q : campo.Griglia.Punti) {
            ContestoCalcolo ctx;
            const double s = SbraccioSegnato(p, a);
            const double g = CalcGamma(ctx, q.x, q.y, a.x, a.y, s, p.HPalo);
            const double c = OrientaC(CalcC(ctx, q.x, q.y, a.x, a.y, s, p.Inclina), GuardaMenoY(a));
            RuotaInclinazione(ctx, g, c, p.Inclina);
            if (!ctx.ErrCalcolo) d.push_back(ruotate ? Direzione{ctx.GammaRuot, ctx.CRuot} : Direzione{g, c});
        }
    return d;
}

}  // namespace

std::vector<Direzione> DirezioniStrada() { return Direzioni(true); }
std::vector<Direzione> DirezioniStradaNonRuotate() { return Direzioni(false); }

std::vector<Direzione> AngoliRiflessione() {
    const ParametriStrada p = CandidatoTipico();
    CampoStrada campo;
    PreparaCampo(p, campo);
    std::vector<Direzione> d;
    for (int o = 0; o < p.NCorsie; ++o)
        for (const auto& a : campo.Apparecchi)
            for (const auto& q : campo.Griglia.Punti) {
                ContestoCalcolo ctx;
                const double s = SbraccioSegnato(p, a);
                const double g = CalcGamma(ctx, q.x, q.y, a.x, a.y, s, p.HPalo);
                const double b = CalcBeta(ctx, q.x, q.y, a.x, a.y, campo.Oss.OssX, campo.Oss.OssY[o], s);
                if (!ctx.ErrCalcolo) d.push_back({g, b});
            }
    return d;
}

}  // namespace nottaro::bench
