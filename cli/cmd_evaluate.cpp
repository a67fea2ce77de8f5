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
#include "cli/ValutaDaProgetto.h"
#include "engine/progetto/GiudizioProgetto.h"

namespace {

using namespace nottaro;
using Json = nlohmann::ordered_json;

struct OpzioniValuta {
    cli::OpzioniProgetto progetto;
    bool json = false;
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

// EIR (2015 edition), the energy indicators and each criterion of the class
// with its required value and verdict.
void AggiungiGiudizio(const GiudizioProgetto& g, Json& j) {
    if (g.EIR) j["EIR"] = Numero(*g.EIR);
    j["Dp"] = Numero(g.indicatori.Dp);
    j["De"] = Numero(g.indicatori.De);
    Json criteri = Json::array();
    for (const Criterio& c : g.criteri) {
        Json k;
        k["nome"] = std::string(c.nome);
        k["richiesto"] = Numero(c.richiesto);
        k["valore"] = Numero(c.valore);
        k["limite"] = c.minimo ? "min" : "max";
        k["giudicato"] = c.giudicato;
        k["soddisfatto"] = c.soddisfatto;
        criteri.push_back(std::move(k));
    }
    j["Criteri"] = std::move(criteri);
    j["ConformeClasse"] = g.conforme;
}

constexpr const char* Prefisso = "nottaro-cli evaluate: ";

int EseguiValuta(const OpzioniValuta& o) {
    cli::InterazioneCli ui(std::cerr);
    const cli::ProgettoValutato p = cli::ValutaDaProgetto(o.progetto, ui);
    if (p.esito != 0) {
        std::cerr << Prefisso << p.errore << "\n";
        return p.esito;
    }
    const ValutazioneProgetto& v = p.valutazione;
    Json j = v.strada ? FigureStrada(*v.strada) : FigurePercorso(*v.percorso);
    GiudizioProgetto g;
    if (!GiudicaProgetto(*p.stato, p.stato->Foto, v, g)) {
        std::cerr << Prefisso << "the edge strips of the road could not be computed\n";
        return 2;
    }
    AggiungiGiudizio(g, j);
    if (o.json) std::cout << j.dump(2) << "\n";
    else StampaTesto(j);
    return 0;
}

cli::RegistraComando reg("evaluate", [](CLI::App& app, int& esito) {
    auto o = std::make_shared<OpzioniValuta>();
    auto* sub = app.add_subcommand("evaluate", "Evaluate the fixed geometry of a project file (road or path)");
    cli::AggiungiOpzioniProgetto(*sub, o->progetto, true, true);
    sub->add_flag("--json", o->json, "Print the figures as JSON");
    sub->callback([o, &esito] { esito = EseguiValuta(*o); });
});

}  // namespace
