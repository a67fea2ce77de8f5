// nottaro-cli optimise --project P.nt0 [--photometry FILE | --list L.ntr]
//     [--class NAME] [--all-results] [--limit none|fixed|min|ratio]
//     [--limit-value V] [--keep-spacing] [--set NAME=VALUE]... [--threads N]
//     [--out DIR] [--json]
// Runs the sweep of the project's kind (road or path) with the project's
// values, writes ntrlux.dbf or ntrluxa.dbf into DIR and prints the run
// summary. Ctrl-C stops the run as the "Interrompi" button does: the table
// keeps the rows found so far.
// Exit status: 0 finished (also at the row limit), 1 bad input or failure,
// 130 interrupted.
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

#include "cli/CartellaProgrammaCli.h"
#include "cli/Comando.h"
#include "cli/InterazioneConBarra.h"
#include "cli/ValoriDaRiga.h"
#include "core/files/FileProgetto.h"
#include "core/files/StessoFile.h"
#include "core/i18n/Messaggi.h"
#include "core/photometry/LettoriFotometria.h"
#include "core/state/StatoProgetto.h"
#include "core/text/Testo.h"
#include "engine/area/OttimizzaArea.h"
#include "engine/progetto/ValutaProgetto.h"
#include "engine/road/OttimizzaStrada.h"
#include "store/soluzioni/RigaDbf.h"
#include "engine/sweep/ScegliClasse.h"
#include "store/TabellaDbf.h"

namespace {

using namespace nottaro;

constexpr const char* Prefisso = "nottaro-cli optimise: ";

// The run Ctrl-C stops; the handler only raises its stop request.
std::atomic<Riscontro*> gRiscontro{nullptr};
extern "C" void SuInterruzione(int) {
    if (Riscontro* r = gRiscontro.load()) r->Annulla();
}

struct OpzioniOttimizzaCli {
    std::string progetto;
    std::string fotometria;
    std::string lista;
    std::string classe;
    bool tutti = false;
    std::string limite;
    std::optional<double> valoreLimite;
    bool tieniInterdistanza = false;
    int thread = 0;
    std::string cartella = ".";
    bool json = false;
    std::vector<std::string> valori;  // --set NAME=VALUE
};

int Errore(const std::string& testo) {
    std::cerr << Prefisso << testo << "\n";
    return 1;
}

// Candidates done of all, rows found, seconds so far.
std::string ConteggiOttimizza(const Avanzamento& a) {
    return std::to_string(a.fatti) + "/" + std::to_string(a.totale) + "  rows " + std::to_string(a.trovati) + "  " +
           std::to_string(static_cast<long long>(a.secondi + 0.5)) + "s";
}

std::optional<int> TipoLimiteDaNome(const std::string& n) {
    if (n.empty() || n == "none") return 0;
    if (n == "fixed") return 1;
    if (n == "min") return 2;
    if (n == "ratio") return 3;
    return std::nullopt;
}

nlohmann::ordered_json Riepilogo(const RisultatoSweep& r, const std::string& tabella, bool percorso) {
    const RiepilogoSweep& s = r.riepilogo;
    nlohmann::ordered_json j;
    j["kind"] = percorso ? "path" : "road";
    j["table"] = tabella;
    j["rows"] = r.NRisultati;
    j["candidates"] = r.candidati;
    j["candidates_expected"] = r.totale;
    j["seconds"] = r.secondi;
    j["threads"] = r.thread;
    j["interrupted"] = r.interrotto;
    j["row_limit_reached"] = r.limiteRaggiunto;
    j["skipped_files"] = r.fileScartati;
    j["MaxInter"] = s.MaxInter;
    j["MaxRapporto"] = s.MaxRapporto;
    j["MinPotMetro"] = s.MinPotMetro;
    j["MinPotKm"] = s.MinPotKm;
    j["MinPali"] = s.MinPali;
    j["MaxRispManut"] = s.MaxRispManut;
    j["MaxRispManutA"] = s.MaxRispManutA;
    j["MinPareggio"] = s.MinPareggio;
    j["heights"] = s.ListaAltezze;
    std::vector<double> sbracci = s.ListaSbracci;
    std::sort(sbracci.begin(), sbracci.end());
    j["overhangs"] = sbracci;
    if (r.candidati > 0) {
        j["after_run"] = {{percorso ? "HPaloA" : "HPalo", r.HPalo},
                          {percorso ? "SbraccioA" : "Sbraccio", r.Sbraccio},
                          {percorso ? "InclinaA" : "Inclina", r.Inclina},
                          {"Interdist", r.Interdist},
                          {"LampCalc", r.LampCalc}};
    }
    return j;
}

void StampaTesto(const nlohmann::ordered_json& j) {
    auto numero = [](const nlohmann::ordered_json& v) {
        return v.is_number_float() ? FormatoGenerale(v.get<double>()) : v.dump();
    };
    for (const auto& [chiave, v] : j.items()) {
        if (v.is_array()) {
            std::cout << chiave << ":";
            for (const auto& x : v) std::cout << " " << (x.is_string() ? x.get<std::string>() : numero(x));
            std::cout << "\n";
        } else if (v.is_object()) {
            std::cout << chiave << ":";
            for (const auto& [k, x] : v.items()) std::cout << " " << k << "=" << numero(x);
            std::cout << "\n";
        } else {
            std::cout << chiave << ": " << (v.is_string() ? v.get<std::string>() : numero(v)) << "\n";
        }
    }
}

int EseguiOttimizza(const OpzioniOttimizzaCli& o) {
    cli::InterazioneConBarra ui(::isatty(2) != 0, ConteggiOttimizza);
    if (!o.fotometria.empty() && !o.lista.empty()) return Errore("give either --photometry or --list, not both");
    const std::optional<int> tipoLimite = TipoLimiteDaNome(o.limite);
    if (!tipoLimite) return Errore("--limit must be none, fixed, min or ratio");
    if (*tipoLimite != 0 && !o.valoreLimite) return Errore("--limit " + o.limite + " needs --limit-value V");
    if (o.valoreLimite && !(*o.valoreLimite > 0)) return Errore("--limit-value must be a positive number");
    if (o.thread < 0) return Errore("--threads must be 0 (every core) or more");
    const auto valori = cli::ValoriDaRiga(o.valori);
    if (!valori.errore.empty()) return Errore(valori.errore);
    if (!EsisteFile(o.progetto)) return Errore("cannot open project " + o.progetto);

    auto stato = std::make_unique<StatoProgetto>();
    // A list entry from another machine is also looked for in the program
    // folder's ldt/, as in the desktop program.
    stato->DirProg = cli::CartellaProgrammaCli();
    const EsitoCaricaProgetto esito = CaricaProgetto(o.progetto, *stato, ui);
    if (!esito.letto) return Errore("cannot read project " + o.progetto);
    StatoProgetto& s = *stato;
    if (!o.fotometria.empty()) {
        if (!EsisteFile(o.fotometria)) return Errore("cannot open photometry " + o.fotometria);
        if (LeggiFotometria(o.fotometria, s.Foto, ui) != 0) return Errore("cannot read photometry " + o.fotometria);
        s.FileFoto = o.fotometria;
        s.FileLista.clear();
    } else if (!o.lista.empty()) {
        if (!EsisteFile(o.lista)) return Errore("cannot open luminaire list " + o.lista);
        s.FileLista = o.lista;
    } else if (!esito.avviaCalcolo) {
        return Errore("the project's photometric file could not be read (give --photometry FILE or --list L.ntr)");
    }

    const bool percorso = s.TipoProgetto == 1;
    const TipoImpianto tipo = percorso ? TipoImpianto::Percorso : TipoImpianto::Strada;
    if (!o.classe.empty()) {
        std::string e;
        if (!ScegliClasse(s, tipo, o.classe, e)) return Errore(e);
    }
    s.TuttiRisultati = o.tutti;
    s.TipoLimite = *tipoLimite;
    s.ValLimite = *tipoLimite == 0 ? 0 : *o.valoreLimite;
    s.DaProgetto = o.tieniInterdistanza;
    cli::ApplicaValori(s, valori);
    OpzioniOttimizza opz;
    opz.thread = o.thread;
    const RichiestaCalcolo richiesta = RichiestaDaStato(s, tipo, opz);
    if (const MessaggioCatalogo e = VerificaRichiesta(richiesta, ScopoCalcolo::Sweep); !e.Vuoto())
        return Errore(e.Testo());

    TabellaDbf tabella;
    tabella.Collega(o.cartella, percorso ? "NTRLUXA" : "NTRLUX");
    if (const std::string i = IngressoUguale(tabella.Percorso(), {o.progetto, o.fotometria, o.lista}); !i.empty())
        return Errore(tabella.Percorso() + " is the input " + i + ": choose another --out folder");
    RigheInTabella righe(tabella, tipo);
    // A table already there is looked at before anything is written: one
    // that is not a solution table (a catalogue, another program's) is left
    // as it is.
    if (std::filesystem::exists(tabella.Percorso())) {
        if (EsitoTabella e = tabella.Apri(true); !e) return Errore(e.errore);
        const bool nostra = righe.TabellaDiSoluzioni();
        tabella.Chiudi();
        if (!nostra) return Errore(MessaggioCatalogo{1101, {tabella.Percorso()}}.Testo());
    }
    // Emptied with this version's fields, so an older solution table takes
    // the columns added since.
    if (EsitoTabella e = tabella.Crea(); !e) return Errore(e.errore);
    if (EsitoTabella e = tabella.Apri(); !e) return Errore(e.errore);
    if (!righe.CampiGiusti()) return Errore(MessaggioCatalogo{1101, {tabella.Percorso()}}.Testo());

    Riscontro riscontro(&ui);
    gRiscontro = &riscontro;
    auto precedente = std::signal(SIGINT, SuInterruzione);
    const RisultatoSweep r =
        percorso ? OttimizzaArea(richiesta, righe, riscontro) : OttimizzaStrada(richiesta, righe, riscontro);
    std::signal(SIGINT, precedente == SIG_ERR ? SIG_DFL : precedente);
    gRiscontro = nullptr;
    ui.ChiudiRiga();
    tabella.Chiudi();
    if (!r.errore.Vuoto()) return Errore(r.errore.Testo());
    if (r.NRisultati == 0) ui.Informazione(Msg(134) + "\n" + Msg(135) + "\n" + Msg(136) + "\n" + Msg(137));

    const nlohmann::ordered_json j = Riepilogo(r, tabella.Percorso(), percorso);
    if (o.json) std::cout << j.dump(2) << "\n";
    else StampaTesto(j);
    return r.interrotto ? 130 : 0;
}

cli::RegistraComando reg("optimise", [](CLI::App& app, int& esito) {
    auto o = std::make_shared<OpzioniOttimizzaCli>();
    auto* sub = app.add_subcommand("optimise", "Run the road or path sweep of a project file into a solution table");
    sub->add_option("--project", o->progetto, "Project file (.nt0)")->required();
    sub->add_option("--photometry", o->fotometria, "Photometric file to use instead of the project's");
    sub->add_option("--list", o->lista, "Luminaire list (.ntr): sweep every file in it");
    sub->add_option("--class", o->classe,
                    "Lighting class: UNI index 1-6, EN class (ME3a, \"M3 o ME3b\"), road category, or path class "
                    "(\"P2 o S2\")");
    sub->add_flag("--all-results", o->tutti, "Store every candidate that computes, compliant or not");
    sub->add_option("--limit", o->limite, "Spacing limit: none, fixed, min or ratio");
    sub->add_option("--limit-value", o->valoreLimite, "Value of the limit: metres, or a spacing/height ratio");
    sub->add_flag("--keep-spacing", o->tieniInterdistanza, "Keep the project's spacing instead of sweeping it");
    sub->add_option("--threads", o->thread, "Worker threads (0: every core)");
    sub->add_option("--out", o->cartella, "Folder of the solution table (default: the current folder)");
    sub->add_flag("--json", o->json, "Print the run summary as JSON");
    cli::AggiungiOpzioneSet(*sub, o->valori);
    sub->callback([o, &esito] { esito = EseguiOttimizza(*o); });
});

}  // namespace
