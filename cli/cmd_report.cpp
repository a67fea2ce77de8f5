// nottaro-cli report --project P.nt0 [--photometry FILE] [--class NAME]
//     [--sections presentation,data,luminance,illuminance] [--standard] [--maps]
//     [--letterhead F.LP] --out FILE.pdf [--lang it|en|fr|de|es]
// Evaluates the project's fixed geometry as `evaluate` does and prints the
// project report of that evaluation as a PDF (A4, the desktop program's
// pages). The letterhead defaults to Intestazioni/custom.LP of the program
// folder, the language to its ntr.cfg (else Italian).
// Exit status: 0 written (warnings on stderr), 1 bad input (nothing
// written), 2 calculation error (the routine is named).
#include <CLI/CLI.hpp>

#include <filesystem>
#include <iostream>
#include <memory>
#include <sstream>
#include <string>

#include "cli/AmbienteStampa.h"
#include "cli/CartellaProgrammaCli.h"
#include "cli/Comando.h"
#include "cli/InterazioneCli.h"
#include "cli/ValutaDaProgetto.h"
#include "core/files/StessoFile.h"
#include "core/i18n/Messaggi.h"
#include "report/DatiReport.h"
#include "report/LetteraIntestata.h"
#include "report/StampaProgetto.h"

namespace {

using namespace nottaro;

struct OpzioniReportCli {
    cli::OpzioniProgetto progetto;
    std::string sezioni;
    bool standard = false;
    bool mappe = false;
    std::string intestazione;
    std::string uscita;
    std::string lingua;
};

constexpr const char* Prefisso = "nottaro-cli report: ";

int Errore(const std::string& testo, int esito = 1) {
    std::cerr << Prefisso << testo << "\n";
    return esito;
}

bool LeggiSezioni(const std::string& testo, SezioniReport& s, std::string& errore) {
    if (testo.empty()) return true;
    s = SezioniReport{false, false, false, false};
    std::stringstream in(testo);
    std::string voce;
    while (std::getline(in, voce, ',')) {
        if (voce == "presentation") s.presentazione = true;
        else if (voce == "data") s.dati = true;
        else if (voce == "luminance") s.luminanze = true;
        else if (voce == "illuminance") s.illuminamenti = true;
        else {
            errore = "unknown section \"" + voce + "\" (use presentation, data, luminance, illuminance)";
            return false;
        }
    }
    return true;
}

int Esegui(const OpzioniReportCli& o) {
    const auto lingua = cli::LinguaReport(o.lingua);
    if (!lingua) return Errore("unknown language \"" + o.lingua + "\" (use it, en, fr, de or es)");
    ImpostaLinguaCatalogo(*lingua);
    OpzioniReport opz;
    if (std::string e; !LeggiSezioni(o.sezioni, opz.sezioni, e)) return Errore(e);
    opz.stile.standard = o.standard;
    opz.stile.mappe = o.mappe;

    if (const std::string i =
            IngressoUguale(o.uscita, {o.progetto.progetto, o.progetto.fotometria, o.intestazione});
        !i.empty())
        return Errore(o.uscita + " is the input " + i + ": choose another output name");
    cli::InterazioneCli ui(std::cerr);
    StatoProgetto intest;
    intest.DirProg = cli::CartellaProgrammaCli();
    if (!o.intestazione.empty()) {
        const LetturaLP l = LeggiLP(o.intestazione);
        if (!l.letto) return Errore("cannot open letterhead " + o.intestazione);
        if (l.record.corto) ui.Avviso(MessaggioCatalogo{1700, {o.intestazione}}.Testo());
        if (!l.record.logoRifiutato.empty())
            ui.Avviso(MessaggioCatalogo{2102, {l.record.logoRifiutato, o.intestazione}}.Testo());
        const std::filesystem::path cartella = std::filesystem::path(o.intestazione).parent_path();
        intest.DirIntest = cartella.empty() ? std::string() : cartella.string() + "/";
        intest.Intest = l.record.intest;
        intest.LogoIntest = l.record.logoInUso;
    } else {
        CaricaIntestazione(intest, ui);
    }

    const cli::ProgettoValutato p = cli::ValutaDaProgetto(o.progetto, ui);
    if (p.esito != 0) return Errore(p.errore, p.esito);
    StatoProgetto& s = *p.stato;
    s.Intest = intest.Intest;
    s.DirIntest = intest.DirIntest;
    s.LogoIntest = intest.LogoIntest;
    s.Lingua = *lingua;
    DatiReport d = DatiReportDaStato(s);
    if (!AggiungiValutazione(d, p.valutazione)) return Errore("the evaluation gave no result to print", 2);
    if (std::string e; !AggiungiVerifica(d, s, s.Foto, p.valutazione, e)) return Errore(e, 2);
    d.FileProgetto = std::filesystem::path(o.progetto.progetto).filename().string();
    // A section asked for by name that the project cannot have is said, not dropped.
    if (s.TipoProgetto == 1 && !o.sezioni.empty() && opz.sezioni.luminanze)
        return Errore("luminance pages exist only for roads: this project is a cycle/pedestrian path");

    cli::AmbienteStampa ambiente;
    const EsitoStampa e = StampaProgettoPdf(o.uscita, d, opz);
    if (!e.ok) return Errore(e.errore);
    if (const std::string a = AvvisoImmagini(e.immaginiIlleggibili, *lingua); !a.empty()) ui.Avviso(a);
    if (const std::string a = AvvisoTestiTagliati(e.testiTagliati, *lingua); !a.empty()) ui.Avviso(a);
    return 0;
}

cli::RegistraComando reg("report", [](CLI::App& app, int& esito) {
    auto o = std::make_shared<OpzioniReportCli>();
    auto* sub = app.add_subcommand("report", "Print the project report of a project file's fixed geometry as a PDF");
    cli::AggiungiOpzioniProgetto(*sub, o->progetto, false, false);
    sub->add_option("--sections", o->sezioni, "Sections to print: presentation,data,luminance,illuminance (default: all)");
    sub->add_flag("--standard", o->standard, "The standard page style");
    sub->add_flag("--maps", o->mappe, "False-colour maps behind the plan values");
    sub->add_option("--letterhead", o->intestazione, "Letterhead file (.LP; default: Intestazioni/custom.LP)");
    sub->add_option("--out", o->uscita, "PDF file to write")->required();
    sub->add_option("--lang", o->lingua, "Language of the report: it, en, fr, de, es (default: ntr.cfg, else it)");
    sub->callback([o, &esito] { esito = Esegui(*o); });
});

}  // namespace
