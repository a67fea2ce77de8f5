// nottaro-cli masterplan WORKBOOK [--sheet NAME|N] [--ldt DIR] [--out FILE]
//     [--threads N] [--json] [--check-only] [--force] [--overwrite] [--maintenance F]
//     [--reduction F] [--wing-cut P] [--strips 0-3] [--relax M]
//     [--all-results] [--limit none|fixed|min|ratio] [--limit-value V]
//     [--pdf FILE] [--pdf-tables FILE] [--print OPTION,...] [--place TEXT] [--lang CODE]
// Scans the header row, checks every row, runs the batch and exports the
// result table beside the workbook (the workbook itself is only read);
// --pdf prints the Masterplan report, --pdf-tables the photometric data.
// Exit status: 0 done, 1 bad input, 2 rows to correct (the check's third
// end; --force runs on and still ends with 2), 130 interrupted (the finished
// rows are exported under a "-parziale" name). An existing export is replaced
// only with --overwrite; no output may name the workbook itself.
#include <CLI/CLI.hpp>
#include <nlohmann/json.hpp>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "cli/Comando.h"
#include "cli/AmbienteStampa.h"
#include "cli/CartellaProgrammaCli.h"
#include "cli/InterazioneConBarra.h"
#include "core/files/Configurazione.h"
#include "core/files/StessoFile.h"
#include "core/i18n/Messaggi.h"
#include "core/state/StatoProgetto.h"
#include "core/text/Testo.h"
#include "masterplan/CalcolaMasterplan.h"
#include "masterplan/OpzioniMP.h"
#include "masterplan/VerificaDati.h"
#include "masterplan/workbook/EsportaLista.h"
#include "masterplan/report/StampaMasterplan.h"
#include "report/LetteraIntestata.h"

namespace {

using namespace nottaro;
using namespace nottaro::mp;

constexpr const char* Prefisso = "nottaro-cli masterplan: ";

// The run Ctrl-C stops; the handler only raises its stop request.
std::atomic<Riscontro*> gRiscontro{nullptr};
extern "C" void SuFermata(int) {
    if (Riscontro* r = gRiscontro.load()) r->Annulla();
}

struct OpzioniCli {
    std::string cartella;
    std::string foglio;
    std::string ldt;
    std::string uscita;
    int thread = 0;
    bool json = false, soloVerifica = false, forza = false, sostituisci = false;
    std::optional<double> manutenzione, riduzione, taglio;
    int strisce = 1, rilassa = 0;
    bool tutti = false;
    std::string limite;
    std::optional<double> valoreLimite;
    std::string pdf, pdfTabelle, stampa, luogo, lingua;
    std::optional<int> edizione;
    std::string profilo;
};

// --profile FULL[,HOURS1,FRACTION1[,HOURS2,FRACTION2]]: hours a year at full
// power, then up to two dimmed periods with their power fraction.
bool LeggiProfilo(const std::string& testo, ProfiloEsercizio& p, std::string& errore) {
    std::vector<double> v;
    std::size_t inizio = 0;
    while (inizio <= testo.size()) {
        const std::size_t fine = std::min(testo.find(',', inizio), testo.size());
        const auto x = ConvertiReale(testo.substr(inizio, fine - inizio));
        if (!x) {
            errore = "--profile: \"" + testo + "\" is not FULL[,HOURS1,FRACTION1[,HOURS2,FRACTION2]]";
            return false;
        }
        v.push_back(*x);
        inizio = fine + 1;
    }
    if (v.size() != 1 && v.size() != 3 && v.size() != 5) {
        errore = "--profile takes 1, 3 or 5 numbers: FULL[,HOURS1,FRACTION1[,HOURS2,FRACTION2]]";
        return false;
    }
    p = ProfiloEsercizio{v[0]};
    if (v.size() >= 3) {
        p.OreRid1 = v[1];
        p.FrazRid1 = v[2];
    }
    if (v.size() == 5) {
        p.OreRid2 = v[3];
        p.FrazRid2 = v[4];
    }
    return true;
}

// --print: plans,letterhead,description,strips,standard,id-number,photo-lr17.
bool LeggiOpzioniStampa(const std::string& testo, OpzioniStampaMP& s, std::string& errore) {
    std::size_t inizio = 0;
    while (inizio <= testo.size() && !testo.empty()) {
        const std::size_t fine = std::min(testo.find(',', inizio), testo.size());
        const std::string v = testo.substr(inizio, fine - inizio);
        if (v == "plans") s.TabMinMax = true;
        else if (v == "letterhead") s.ConIntestazione = true;
        else if (v == "description") s.Descrizione = true;
        else if (v == "strips") s.Marciapiedi = true;
        else if (v == "standard") s.FormatoStandard = true;
        else if (v == "id-number") s.NumeroIdentificativo = true;
        else if (v == "photo-lr17") s.FotoInLR17 = true;
        else if (!v.empty()) {
            errore = "--print: unknown option \"" + v +
                     "\" (plans, letterhead, description, strips, standard, id-number, photo-lr17)";
            return false;
        }
        inizio = fine + 1;
    }
    return true;
}

// Prints the report and the photometric data PDFs asked for; false when one
// could not be written.
bool Stampa(const OpzioniCli& o, const StatoProgetto& stato, const RisultatoMP& ris, const OpzioniMP& op,
            const OpzioniStampaMP& s) {
    cli::AmbienteStampa ambiente;
    cli::InterazioneCli ui(std::cerr);
    StatoProgetto intest = stato;
    CaricaIntestazione(intest, ui);
    AmbienteStampaMP a;
    a.DirLdtMaster = stato.DirLdtMaster;
    a.DirCorpi = stato.DirCorpi;
    a.DirImmagini = stato.DirImmagini;
    a.base = DatiReportDaStato(intest);
    bool ok = true;
    auto riferisci = [&](const EsitoStampaMP& e, const std::string& file) {
        if (!e.stampa.ok) {
            std::cerr << Prefisso << (e.stampa.errore.empty() ? file : e.stampa.errore) << "\n";
            ok = false;
        }
        if (const std::string t = TestoNonStampate(e, op.Lingua); !t.empty()) std::cerr << t << "\n";
        if (const std::string t = AvvisoImmagini(e.stampa.immaginiIlleggibili, op.Lingua); !t.empty())
            std::cerr << t << "\n";
        if (const std::string t = AvvisoTestiTagliati(e.stampa.testiTagliati, op.Lingua); !t.empty())
            std::cerr << Prefisso << t << "\n";
    };
    if (!o.pdf.empty()) riferisci(StampaMasterplanPdf(o.pdf, ris.Righe, op, s, a), o.pdf);
    if (!o.pdfTabelle.empty())
        riferisci(StampaTabFotometrichePdf(o.pdfTabelle, ris.Righe, s, a, op.Lingua), o.pdfTabelle);
    return ok;
}

int Errore(const std::string& testo) {
    std::cerr << Prefisso << testo << "\n";
    return 1;
}

// Rows done of all, rows still to check.
std::string ConteggiMP(const Avanzamento& a) {
    return "rows " + std::to_string(a.fatti) + "/" + std::to_string(a.totale) + "  to check " + std::to_string(a.trovati);
}

nlohmann::ordered_json RigaJson(const CelleRiga& c) {
    nlohmann::ordered_json j;
    const auto& h = IntestazioniTabella();
    for (int k = 0; k < NumColonneTabella; ++k)
        if (h[k] != "-") j[h[k]] = c[k];
    return j;
}

int Esegui(const OpzioniCli& o) {
    StatoProgetto stato;
    stato.Inizializza();
    stato.DirProg = cli::CartellaProgrammaCli();
    LeggiMasterplan(stato.DirProg, stato);
    if (!o.lingua.empty()) {
        const auto l = cli::LinguaDaCodice(o.lingua);
        if (!l) return Errore("unknown language \"" + o.lingua + "\" (use it, en, fr, de or es)");
        ImpostaLinguaCatalogo(*l);
    }
    const int lingua = LinguaCatalogo();
    stato.Lingua = lingua;
    if (!o.ldt.empty()) stato.DirLdtMaster = o.ldt;
    if (stato.DirLdtMaster.empty()) stato.DirLdtMaster = DirLdtAccanto(o.cartella);
    if (!std::filesystem::is_directory(stato.DirLdtMaster))
        return Errore(stato.DirLdtMaster + ": the photometric folder does not exist");
    if (o.limite == "fixed") stato.TipoLimite = 1;
    else if (o.limite == "min") stato.TipoLimite = 2;
    else if (o.limite == "ratio") stato.TipoLimite = 3;
    else if (!o.limite.empty() && o.limite != "none") return Errore("--limit must be none, fixed, min or ratio");
    if (stato.TipoLimite != 0) {
        if (!o.valoreLimite) return Errore("--limit needs --limit-value");
        stato.ValLimite = *o.valoreLimite;
    }
    stato.TuttiRisultati = o.tutti;
    if (o.manutenzione) stato.Deprezz = *o.manutenzione;
    OpzioniMP op = OpzioniDaStato(stato);
    if (o.riduzione) op.FattRiduzione = *o.riduzione;
    if (o.taglio) op.TaglioAli = *o.taglio;
    if (o.thread < 0) return Errore("--threads must be 0 (every core) or more");
    if (o.strisce < 0 || o.strisce > 3) return Errore("--strips must be 0, 1, 2 or 3");
    if (o.rilassa < 0 || o.rilassa > 2) return Errore("--relax must be 0, 1 or 2");
    op.OpzioneStrisce = o.strisce;
    op.M = o.rilassa;
    if (o.edizione) op.EdizioneEN = *o.edizione;
    if (std::string e; !o.profilo.empty() && !LeggiProfilo(o.profilo, op.Profilo, e)) return Errore(e);
    if (std::string e = VerificaOpzioniMP(op, o.thread); !e.empty()) return Errore(e);
    OpzioniStampaMP opStampa;
    if (std::string e; !LeggiOpzioniStampa(o.stampa, opStampa, e)) return Errore(e);
    opStampa.Luogo = o.luogo;

    // Nothing made from the workbook may take its place or another's file.
    const std::string uscita = o.uscita.empty() ? PercorsoElenco(o.cartella) : o.uscita;
    for (const std::string* u : {&uscita, &o.pdf, &o.pdfTabelle})
        if (!IngressoUguale(*u, {o.cartella}).empty())
            return Errore(*u + " is the workbook itself: choose another output name");

    Cartella cartella;
    std::string errore;
    if (!LeggiCartella(o.cartella, cartella, errore)) return Errore(errore);
    for (const auto& a : cartella.Avvisi) std::cerr << Prefisso << a << "\n";
    const Foglio* foglio = &cartella.Fogli.front();
    if (!o.foglio.empty()) {
        foglio = nullptr;
        for (const auto& f : cartella.Fogli)
            if (f.Nome == o.foglio) foglio = &f;
        const auto n = ConvertiIntero(o.foglio);
        if (!foglio && n && *n >= 1 && *n <= static_cast<int>(cartella.Fogli.size()))
            foglio = &cartella.Fogli[static_cast<std::size_t>(*n - 1)];
        if (!foglio) return Errore(NomeFile(o.cartella) + ": no worksheet \"" + o.foglio + "\"");
    }
    const MappaColonne mappa = MappaColonneMP(*foglio);
    if (!mappa.Mancanti.empty()) return Errore(TestoColonneMancanti(mappa, lingua));

    const EsitoVerifica v = VerificaDati(*foglio, mappa, cartella.FormatoXls, lingua);
    nlohmann::ordered_json j;
    j["workbook"] = o.cartella;
    j["sheet"] = foglio->Nome;
    if (v.Fine == FineVerifica::Trattino) {
        // A dash stops the check at once: nothing after it was looked at, so
        // nothing but the message is shown.
        j["check"]["stopped_by_dash"] = true;
        j["check"]["message"] = v.Messaggio;
        std::cerr << v.Messaggio << "\n";
        if (o.json) std::cout << j.dump(2) << "\n";
        return 1;
    }
    j["check"]["rows_examined"] = v.Esaminate;
    j["check"]["end"] = v.Fine == FineVerifica::Pulito ? 1 : v.Fine == FineVerifica::SoloNonRiconosciute ? 2 : 3;
    j["check"]["message"] = v.Messaggio;
    j["check"]["listed"] = nlohmann::ordered_json::array();
    for (const auto& r : v.Elencate) j["check"]["listed"].push_back(RigaJson(r.Celle));
    if (!v.Messaggio.empty()) std::cerr << v.Messaggio << "\n";
    if (!o.json)
        for (const auto& r : v.Elencate)
            std::cerr << "  row " << r.RigaFoglio << ": " << r.Celle[TVia] << " | " << r.Celle[TApplicazione] << " | "
                      << r.Celle[TCategoria] << " | " << r.Celle[TAltezza] << " | " << r.Celle[TLarghezza] << "\n";
    if (v.Esaminate == 0) {
        if (o.json) std::cout << j.dump(2) << "\n";
        return Errore("no project rows");
    }
    const bool daSistemare = v.Fine == FineVerifica::DaSistemare;
    if (o.soloVerifica || (daSistemare && !o.forza)) {
        if (o.json) std::cout << j.dump(2) << "\n";
        return daSistemare ? 2 : 0;
    }

    // Asked before the run, so a refusal costs no time.
    if (!o.sostituisci && std::filesystem::exists(std::filesystem::symlink_status(uscita)))
        return Errore(uscita + " already exists: give --overwrite to replace it");

    cli::InterazioneConBarra ui(::isatty(2) != 0, ConteggiMP);
    Riscontro riscontro(&ui);
    gRiscontro = &riscontro;
    auto precedente = std::signal(SIGINT, SuFermata);
    RisultatoMP ris = CalcolaMasterplan(*foglio, mappa, v.Corretti, op, o.thread, riscontro);
    std::signal(SIGINT, precedente == SIG_ERR ? SIG_DFL : precedente);
    gRiscontro = nullptr;
    ui.ChiudiRiga();
    for (const auto& r : ris.Righe)
        for (const auto& a : r.Esito.Avvisi) std::cerr << Prefisso << "row " << r.Origine.RigaFoglio << ": " << a << "\n";

    std::vector<CelleRiga> celle;
    for (const auto& r : ris.Righe) celle.push_back(r.Celle);
    // The rows of a cut run are never saved as if they were the whole table.
    const std::string esportazione = ris.Interrotto ? PercorsoElencoParziale(uscita, o.sostituisci) : uscita;
    std::vector<std::string> tagliate;
    const bool esportato = EsportaLista(celle, esportazione, errore, &tagliate);
    for (const auto& t : tagliate) std::cerr << Prefisso << t << "\n";
    if (!esportato) std::cerr << Prefisso << Msg(1412, lingua) << ": " << errore << "\n";

    j["rows"] = nlohmann::ordered_json::array();
    for (const auto& c : celle) j["rows"].push_back(RigaJson(c));
    j["to_check"] = ris.DaVerificare;
    j["interrupted"] = ris.Interrotto;
    j["end"] = ris.TestoFine;
    j["export"] = esportato ? esportazione : "";
    j["forced_past_rows_to_correct"] = daSistemare && o.forza;
    if (ris.Interrotto)
        std::cerr << Prefisso << "interrupted: " << celle.size() << " finished rows"
                  << (esportato ? " exported to " + esportazione : std::string(" not exported")) << "\n";
    if (o.json) {
        std::cout << j.dump(2) << "\n";
    } else {
        for (const auto& c : celle)
            std::cout << c[TPosizione] << "\t" << c[TIdentificativo] << "\t" << c[TVia] << "\t" << c[TNote] << "\t"
                      << c[TSol1 + SInt] << "\t" << c[TSol2 + SInt] << "\t" << c[TSol1 + SLivello] << "\t"
                      << c[TSol1 + SFotometrica] << "\n";
        std::cout << ris.TestoFine << "\n";
        if (esportato && !ris.Interrotto) std::cout << NomeFile(uscita) << Msg(1411, lingua) << "\n";
    }
    const bool stampato = (o.pdf.empty() && o.pdfTabelle.empty()) || Stampa(o, stato, ris, op, opStampa);
    if (ris.Interrotto) return 130;
    if (!esportato || !stampato) return 1;
    // Forced past rows to correct: the run is done, but a script must still
    // see that rows need correcting.
    return daSistemare ? 2 : 0;
}

cli::RegistraComando reg("masterplan", [](CLI::App& app, int& esito) {
    auto o = std::make_shared<OpzioniCli>();
    auto* sub = app.add_subcommand("masterplan", "Check, run and export a Masterplan project workbook");
    sub->add_option("workbook", o->cartella, "Project workbook (.xls, .xlsx, .xlsm)")->required();
    sub->add_option("--sheet", o->foglio, "Worksheet by name or number (default: the first)");
    sub->add_option("--ldt", o->ldt, "Folder of the photometric files (default: from ntr-masterplan.cfg, else ldt/ beside the workbook)");
    sub->add_option("--out", o->uscita, "Exported workbook (default: WORKBOOK-Elenco_Progetti.xlsx beside it)");
    sub->add_option("--threads", o->thread, "Worker threads (0: every core)");
    sub->add_flag("--json", o->json, "Print the check and the table as JSON");
    sub->add_flag("--check-only", o->soloVerifica, "Stop after the data check");
    sub->add_flag("--force", o->forza, "Run even when the check lists rows to correct (the exit status stays 2)");
    sub->add_flag("--overwrite", o->sostituisci, "Replace an existing exported workbook");
    sub->add_option("--maintenance", o->manutenzione, "Maintenance factor (default 0.8)");
    sub->add_option("--reduction", o->riduzione, "Flux reduction factor (default 1.0; 0.7 = 30 % less)");
    sub->add_option("--wing-cut", o->taglio, "Wing cut, percent above the class minimum (default 7)");
    sub->add_option("--strips", o->strisce, "Strips beside the road: 0 no, 1 shown, 2 blocking on Em, 3 on Em and Emin");
    sub->add_option("--relax", o->rilassa, "Relaxations of the strip reference with --strips 2 or 3 (0-2)");
    sub->add_option("--edition", o->edizione,
                    "Class tables: 0 the program's own (default: the design's), 1 EN 13201-2:2015");
    sub->add_option("--profile", o->profilo,
                    "Operating profile for De: FULL[,HOURS1,FRACTION1[,HOURS2,FRACTION2]] hours a year at full power "
                    "and dimmed (default: the design's)");
    sub->add_flag("--all-results", o->tutti, "Retain every candidate that computes, compliant or not");
    sub->add_option("--limit", o->limite, "Spacing limit: none, fixed, min or ratio");
    sub->add_option("--limit-value", o->valoreLimite, "Value of the limit: metres, or a spacing/height ratio");
    sub->add_option("--pdf", o->pdf, "Print the Masterplan report (one project per printable row) as a PDF");
    sub->add_option("--pdf-tables", o->pdfTabelle, "Print the photometric data of the rows' luminaires as a PDF");
    sub->add_option("--print", o->stampa,
                    "Print options: plans,letterhead,description,strips,standard,id-number,photo-lr17");
    sub->add_option("--place", o->luogo, "Place and/or date printed on the presentation page");
    sub->add_option("--lang", o->lingua, "Language of the messages and the printed report: it, en, fr, de, es");
    sub->callback([o, &esito] { esito = Esegui(*o); });
});

}  // namespace
