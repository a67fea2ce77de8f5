// nottaro-cli table FILE.dbf [--filter "EXPR"] [--csv | --json] [--count]
// Prints the rows of a dBase table (all fields) or their number, optionally
// narrowed by the same filter expressions the solution browser uses.
#include <CLI/CLI.hpp>
#include <nlohmann/json.hpp>

#include <iostream>
#include <memory>
#include <string>

#include "cli/Comando.h"
#include "store/TabellaDbf.h"

namespace {

using nottaro::TabellaDbf;
using nottaro::TipoCampo;

struct OpzioniTabella {
    std::string file;
    std::string filtro;
    bool csv = false;
    bool json = false;
    bool conta = false;
};

std::string CampoCsv(const std::string& s) {
    if (s.find_first_of(",\"\r\n") == std::string::npos) return s;
    std::string r = "\"";
    for (char c : s) {
        if (c == '"') r += '"';
        r += c;
    }
    return r + "\"";
}

void StampaTesto(TabellaDbf& t, bool csv) {
    const auto& campi = t.Campi();
    const char* sep = csv ? "," : "\t";
    for (std::size_t i = 0; i < campi.size(); ++i) std::cout << (i ? sep : "") << campi[i].nome;
    std::cout << "\n";
    for (bool ok = t.Primo(); ok; ok = t.Prossimo()) {
        for (std::size_t i = 0; i < campi.size(); ++i) {
            const std::string v = t.Testo(campi[i].nome).value_or("");
            std::cout << (i ? sep : "") << (csv ? CampoCsv(v) : v);
        }
        std::cout << "\n";
    }
}

void StampaJson(TabellaDbf& t) {
    nlohmann::json righe = nlohmann::json::array();
    for (bool ok = t.Primo(); ok; ok = t.Prossimo()) {
        nlohmann::json riga = nlohmann::json::object();
        for (const auto& c : t.Campi()) {
            if (c.tipo == TipoCampo::Numero) {
                auto x = t.Numero(c.nome);
                riga[c.nome] = x ? nlohmann::json(*x) : nlohmann::json(nullptr);
            } else {
                riga[c.nome] = t.Testo(c.nome).value_or("");
            }
        }
        righe.push_back(std::move(riga));
    }
    std::cout << righe.dump(2) << "\n";
}

int Esegui(const OpzioniTabella& o) {
    TabellaDbf t;
    t.CollegaFile(o.file);
    const auto aperta = t.Apri(true);
    if (!aperta) {
        std::cerr << "nottaro-cli table: " << aperta.errore << "\n";
        return 1;
    }
    if (!o.filtro.empty()) {
        if (auto e = t.ImpostaFiltro(o.filtro); !e) {
            std::cerr << "nottaro-cli table: " << e.errore << "\n";
            return 1;
        }
        t.AttivaFiltro(true);
    }
    // A table read in part: its whole rows are printed, after one warning.
    if (!aperta.avviso.empty()) std::cerr << "nottaro-cli table: warning: " << aperta.avviso << "\n";
    if (o.conta)
        std::cout << t.NumeroRighe() << "\n";
    else if (o.json)
        StampaJson(t);
    else
        StampaTesto(t, o.csv);
    return aperta.avviso.empty() ? 0 : 2;
}

nottaro::cli::RegistraComando reg("table", [](CLI::App& app, int& esito) {
    auto o = std::make_shared<OpzioniTabella>();
    auto* sub = app.add_subcommand("table", "Print the rows of a dBase table (all fields) or their number");
    sub->add_option("file", o->file, "dBase table (.dbf)")->required();
    sub->add_option("--filter", o->filtro, "Filter such as \"HPALO = '8' and SBRACCIO = '1.5'\"");
    auto* csv = sub->add_flag("--csv", o->csv, "Comma-separated values with a header line");
    auto* json = sub->add_flag("--json", o->json, "A JSON array of row objects");
    csv->excludes(json);
    sub->add_flag("--count", o->conta, "Print only the number of rows");
    sub->callback([o, &esito] { esito = Esegui(*o); });
});

}  // namespace
