// nottaro-cli evaluate --project P.nt0 [--photometry FILE] [--lamp-set K]
//     [--class NAME] [--set NAME=VALUE]... [--json]
// Loads a project file and evaluates its fixed geometry (height, overhang,
// tilt, spacing) the way the detailed recomputation of a solution does: for a
// road (TipoProgetto 0) the luminance field of every observer, Lm, Uo, Ul,
// TI, the illuminance of the same grid and the utilisation factor; for a path
// (TipoProgetto 1) the illuminance field, its class test and the utilisation
// factor.
//   --project      the project file (required)
//   --photometry   a photometric file to use instead of the project's
//   --lamp-set     the lamp set, 1..n as `info` lists them (default: the project's)
//   --class        requirements and class code by the dialogs' name
//   --set          a design value by its own name (HPalo=10), repeatable
//   --json         the figures as one JSON object (numbers to 17 digits)
// Exit status: 0 evaluated, 1 bad input (project, photometry, unset or
// out-of-range value, lamp set), 2 calculation error (the routine or the
// figure is named).
#include <CLI/CLI.hpp>
#include <nlohmann/json.hpp>

#include <cmath>
#include <cstdio>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "cli/Comando.h"
#include "cli/InterazioneCli.h"
#include "cli/ValoriDaRiga.h"
#include "core/files/FileProgetto.h"
#include "core/photometry/LettoriFotometria.h"
#include "core/state/StatoProgetto.h"
#include "engine/progetto/ValutaProgetto.h"
#include "engine/sweep/ScegliClasse.h"

namespace {

using namespace nottaro;
using Json = nlohmann::ordered_json;

struct OpzioniValuta {
    std::string progetto;
    std::string fotometria;
    std::optional<int> lampada;  // 1-based, as `info` lists them
    bool json = false;
    std::string classe;  // --class: requirements and class code by the dialogs' name
    std::vector<std::string> valori;  // --set NAME=VALUE
};

// A figure that may be missing (no flux: no utilisation factor) is null.
Json Numero(double v) { return std::isfinite(v) ? Json(v) : Json(nullptr); }
Json Elenco(const std::vector<double>& v) {
    Json a = Json::array();
    for (double x : v) a.push_back(Numero(x));
    return a;
}
// Rows x points of a field (flat, row-major) from `inizio`.
Json Tabella(const std::vector<double>& v, std::size_t inizio, int righe, int punti) {
    Json t = Json::array();
    for (int i = 0; i < righe; ++i) {
        Json r = Json::array();
        for (int j = 0; j < punti; ++j) r.push_back(Numero(v[inizio + static_cast<std::size_t>(i) * punti + j]));
        t.push_back(std::move(r));
    }
    return t;
}

// Numbers with 17 significant digits, so every double reads back exactly.
std::string Testo17(const Json& v) {
    if (v.is_null()) return "null";
    if (!v.is_number_float()) return v.is_string() ? v.get<std::string>() : v.dump();
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.17g", v.get<double>());
    return buf;
}

// The text form: one "key: value" line per figure, lists on one line, each
// table row on its own line, one table per observer.
void StampaTesto(const Json& j) {
    auto tabella = [](const std::string& titolo, const Json& t) {
        std::cout << titolo << ":\n";
        for (const Json& riga : t) {
            std::cout << " ";
            for (const Json& x : riga) std::cout << " " << Testo17(x);
            std::cout << "\n";
        }
    };
    for (const auto& [chiave, v] : j.items()) {
        const bool lista = v.is_array();
        const int profondita = !lista ? 0 : (v.empty() || !v[0].is_array()) ? 1 : (v[0].empty() || !v[0][0].is_array()) ? 2 : 3;
        if (profondita == 3) {
            for (std::size_t o = 0; o < v.size(); ++o) tabella(chiave + " observer " + std::to_string(o + 1), v[o]);
        } else if (profondita == 2) {
            tabella(chiave, v);
        } else if (profondita == 1) {
            std::cout << chiave << ":";
            for (const Json& x : v) std::cout << " " << Testo17(x);
            std::cout << "\n";
        } else {
            std::cout << chiave << ": " << Testo17(v) << "\n";
        }
    }
}

Json FigureStrada(const RisultatoValutaStrada& r) {
    const CampoStrada& c = r.campo;
    Json j;
    j["TipoProgetto"] = "road";
    j["Lm"] = Numero(r.Lm);
    j["Uo"] = Numero(r.Uo);
    j["Ul"] = Numero(r.Ul);
    j["TI"] = Numero(r.TI);
    j["StimaRapida"] = Numero(r.StimaRapida);
    j["LmOss"] = Elenco(c.LmOss);
    j["UoOss"] = Elenco(c.UoOss);
    j["UlOss"] = Elenco(c.UlOss);
    j["NPtiLong"] = c.Griglia.NPtiLong;
    j["NPtiTrasv"] = c.Griglia.NPtiTrasv;
    j["NApparecchi"] = c.NApparecchi();
    j["EmCalc"] = Numero(r.stat.EmCalc);
    j["EminCalc"] = Numero(r.stat.EminCalc);
    j["EmaxCalc"] = Numero(r.stat.EmaxCalc);
    j["FattUtil"] = r.FattUtil ? Numero(*r.FattUtil) : Json(nullptr);
    const std::size_t blocco = static_cast<std::size_t>(c.Griglia.NPtiLong) * c.Griglia.NPtiTrasv;
    Json lum = Json::array();
    for (int o = 0; o < c.NOss; ++o) lum.push_back(Tabella(c.LumGriglia, o * blocco, c.Griglia.NPtiLong, c.Griglia.NPtiTrasv));
    j["LumGriglia"] = std::move(lum);
    j["Illum"] = Tabella(r.illum.Illum, 0, r.illum.NPtiLong, r.illum.NPtiTrasv);
    return j;
}

Json FigurePercorso(const RisultatoPercorso& r) {
    Json j;
    j["TipoProgetto"] = "path";
    j["EmCalc"] = Numero(r.Stat.EmCalc);
    j["EminCalc"] = Numero(r.Stat.EminCalc);
    j["EmaxCalc"] = Numero(r.Stat.EmaxCalc);
    j["Uo"] = Numero(r.Uo);
    j["Conforme"] = r.Conforme;
    j["NPtiLong"] = r.Griglia.NPtiLong;
    j["NPtiTrasv"] = r.Griglia.NPtiTrasv;
    j["NApparecchi"] = r.Apparecchi.size();
    j["FattUtil"] = r.FattUtil ? Numero(*r.FattUtil) : Json(nullptr);
    j["Illum"] = Tabella(r.Campo.Illum, 0, r.Campo.NPtiLong, r.Campo.NPtiTrasv);
    return j;
}

constexpr const char* Prefisso = "nottaro-cli evaluate: ";

int Errore(const std::string& testo) {
    std::cerr << Prefisso << testo << "\n";
    return 1;
}

int EseguiValuta(const OpzioniValuta& o) {
    cli::InterazioneCli ui(std::cerr);
    const auto valori = cli::ValoriDaRiga(o.valori);
    if (!valori.errore.empty()) return Errore(valori.errore);
    if (!EsisteFile(o.progetto)) return Errore("cannot open project " + o.progetto);
    auto stato = std::make_unique<StatoProgetto>();
    const EsitoCaricaProgetto esito = CaricaProgetto(o.progetto, *stato, ui);
    if (!esito.letto) return Errore("cannot read project " + o.progetto);
    if (!o.fotometria.empty()) {
        if (!EsisteFile(o.fotometria)) return Errore("cannot open photometry " + o.fotometria);
        if (LeggiFotometria(o.fotometria, stato->Foto, ui) != 0) return Errore("cannot read photometry " + o.fotometria);
    } else if (!esito.avviaCalcolo) {
        return Errore("the project's photometric file could not be read (give --photometry FILE)");
    }
    Fotometria& f = stato->Foto;
    if (o.lampada) {
        if (*o.lampada < 1 || *o.lampada > f.NumLampade)
            return Errore(MessaggioCatalogo{1114, {std::to_string(*o.lampada), std::to_string(f.NumLampade)}}.Testo());
        f.LampSel = *o.lampada - 1;
    }
    if (!o.classe.empty()) {
        std::string e;
        if (!ScegliClasse(*stato, stato->TipoProgetto == 1 ? TipoImpianto::Percorso : TipoImpianto::Strada, o.classe, e))
            return Errore(e);
    }
    cli::ApplicaValori(*stato, valori);
    const ValutazioneProgetto v = ValutaProgetto(RichiestaDaStato(*stato));
    if (!v.errore.Vuoto()) {
        std::cerr << Prefisso << v.errore.Testo() << "\n";
        return v.erroreCalcolo ? 2 : 1;
    }
    const Json j = v.strada ? FigureStrada(*v.strada) : FigurePercorso(*v.percorso);
    if (o.json) std::cout << j.dump(2) << "\n";
    else StampaTesto(j);
    return 0;
}

cli::RegistraComando reg("evaluate", [](CLI::App& app, int& esito) {
    auto o = std::make_shared<OpzioniValuta>();
    auto* sub = app.add_subcommand("evaluate", "Evaluate the fixed geometry of a project file (road or path)");
    sub->add_option("--project", o->progetto, "Project file (.nt0)")->required();
    sub->add_option("--photometry", o->fotometria, "Photometric file to use instead of the project's");
    sub->add_option("--lamp-set", o->lampada, "Lamp set to use, 1..n as `info` lists them (default: the project's)");
    sub->add_flag("--json", o->json, "Print the figures as JSON");
    sub->add_option("--class", o->classe, "Lighting class by name, as `optimise --class` takes it");
    cli::AggiungiOpzioneSet(*sub, o->valori);
    sub->callback([o, &esito] { esito = EseguiValuta(*o); });
});

}  // namespace
