// nottaro-cli catalogue [--dir DIR] [--line 1-3] [--mounting 1-3] [--lamp 1-4]
//     [--power W] [--model TEXT] [--maker TEXT] [--filter EXPR] [--json]
//     [--lang it|en|fr|de|es] [--write-list L.ntr]
// Filters the luminaire catalogue of a program folder as the catalogue window
// does and lists the rows left; --write-list saves their photometric files as
// a luminaire list that `optimise --list` runs.
// Exit status: 0 done (also when no row is left: message 367 on stderr),
// 1 no catalogue (message 429), bad option or a list that cannot be written.
#include <CLI/CLI.hpp>
#include <nlohmann/json.hpp>

#include <filesystem>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <system_error>

#include "catalogue/Catalogo.h"
#include "catalogue/ElencoLdt.h"
#include "catalogue/FileProdotti.h"
#include "cli/CartellaProgrammaCli.h"
#include "cli/Comando.h"
#include "cli/InterazioneCli.h"
#include "core/files/StessoFile.h"
#include "core/i18n/Messaggi.h"
#include "core/state/StatoProgetto.h"

namespace {

using namespace nottaro;

constexpr const char* Prefisso = "nottaro-cli catalogue: ";

struct OpzioniCatalogo {
    std::string cartella;  // empty: the program folder
    int linea = 0, disposizione = 0, lampada = 0;
    std::optional<int> potenza;
    std::string modello, produttore, filtro, lingua, lista;
    bool json = false;
};

int Errore(const std::string& testo) {
    std::cerr << Prefisso << testo << "\n";
    return 1;
}

std::optional<int> LinguaDaCodice(const std::string& c) {
    static const char* codici[] = {"it", "en", "fr", "de", "es"};
    for (int l = 0; l < NumLingue; ++l)
        if (c == codici[l]) return l;
    return std::nullopt;
}

// Entry of a list whose text is `testo` (entries 1 on), -1 when none is.
int VoceCon(const VociFiltro& voci, const std::string& testo) {
    for (std::size_t i = 1; i < voci.size(); ++i)
        if (voci[i].testo == testo) return static_cast<int>(i);
    return -1;
}

nlohmann::ordered_json RigaJson(const Catalogo& c, std::size_t riga) {
    const TabellaDbf& t = c.Tabella();
    nlohmann::ordered_json j;
    nlohmann::ordered_json campi;
    for (const auto& campo : t.Campi()) {
        if (campo.tipo == TipoCampo::Numero) {
            const auto x = t.NumeroRiga(riga, campo.nome);
            campi[campo.nome] = x ? nlohmann::ordered_json(*x) : nlohmann::ordered_json(nullptr);
        } else {
            campi[campo.nome] = t.TestoRiga(riga, campo.nome).value_or("");
        }
    }
    j["fields"] = campi;
    nlohmann::ordered_json dettagli = nlohmann::ordered_json::array();
    for (const VoceDettaglio& v : c.Dettagli(riga))
        dettagli.push_back({{"field", v.campo}, {"caption", v.didascalia}, {"value", v.valore}});
    j["details"] = dettagli;
    j["file"] = c.FileFotometrico(riga);
    j["picture"] = c.Immagine(riga);
    return j;
}

int Esegui(OpzioniCatalogo o) {
    if (o.cartella.empty()) o.cartella = cli::CartellaProgrammaCli();
    if (!o.lingua.empty()) {
        const auto l = LinguaDaCodice(o.lingua);
        if (!l) return Errore("unknown language \"" + o.lingua + "\" (use it, en, fr, de or es)");
        ImpostaLinguaCatalogo(*l);
    }
    cli::InterazioneCli ui(std::cerr);
    if (FileCatalogo(o.cartella).empty()) return Errore(Msg(429));
    Catalogo c;
    if (std::string e; !c.Apri(o.cartella, e)) return Errore(e);

    ScelteFiltro scelte{o.linea, o.disposizione, o.lampada, 0, 0, 0};
    const auto& liste = c.Liste();
    std::string aggiunta = o.filtro.empty() ? std::string() : "(" + o.filtro + ")";
    auto aggiungi = [&aggiunta](const std::string& clausola) {
        aggiunta = aggiunta.empty() ? clausola : clausola + " AND " + aggiunta;
    };
    if (o.potenza) {
        scelte[3] = VoceCon(liste[3], std::to_string(*o.potenza));
        if (scelte[3] < 0) aggiungi(Clausola("POTENZAR", std::to_string(*o.potenza)));
    }
    // A model or maker missing from NTRProd1/NTRProd0.dat still filters.
    if (!o.modello.empty() && (scelte[4] = VoceCon(liste[4], o.modello)) < 0) aggiungi(Clausola("MODELLO", o.modello));
    if (!o.produttore.empty() && (scelte[5] = VoceCon(liste[5], o.produttore)) < 0)
        aggiungi(Clausola("PRODUTTORE", o.produttore));

    const EsitoFiltro esito = c.ApplicaFiltro(scelte, ui, aggiunta);
    if (!c.ErroreFiltro().empty()) return Errore("--filter: " + c.ErroreFiltro());
    if (esito == EsitoFiltro::Nessuna) return 0;

    const std::size_t n = c.NumeroRighe();
    if (o.json) {
        nlohmann::ordered_json righe = nlohmann::ordered_json::array();
        for (std::size_t r = 0; r < n; ++r) righe.push_back(RigaJson(c, r));
        std::cout << righe.dump(2) << "\n";
    } else {
        std::cout << Msg(357) << "\t" << Msg(359) << "\t" << Msg(1) << "\t[lm]\t[W]\t" << Msg(403) << "\n";
        const TabellaDbf& t = c.Tabella();
        for (std::size_t r = 0; r < n; ++r) {
            const auto campo = [&t, r](const char* nome) { return t.TestoRiga(r, nome).value_or(""); };
            const std::string file = c.FileFotometrico(r);
            std::cout << LineaProduttore(c.Prodotti().nomiProduttori, campo("PRODUTTORE")) << "\t" << campo("MODELLO")
                      << "\t" << campo("TIPOLAMP") << "\t" << campo("LUMEN") << "\t" << campo("POTENZAR") << "\t"
                      << (file.empty() ? campo("NOMEFILE") + " - " + Msg(25) : file) << "\n";
        }
    }

    if (o.lista.empty()) return 0;
    // The list must not take the place of the catalogue or of anything it reads.
    std::vector<std::string> letti;
    std::error_code ec;
    for (const auto& voce : std::filesystem::directory_iterator(o.cartella, ec)) letti.push_back(voce.path().string());
    for (std::size_t r = 0; r < n; ++r) letti.push_back(c.FileFotometrico(r));
    if (const std::string i = IngressoUguale(o.lista, letti); !i.empty())
        return Errore(o.lista + " is the catalogue's file " + i + ": choose another name for the list");
    std::vector<std::string> file;
    for (std::size_t r = 0; r < n; ++r) {
        std::string f = c.FileFotometrico(r);
        if (f.empty())
            ui.Avviso(c.Tabella().TestoRiga(r, "NOMEFILE").value_or("") + " - " + Msg(25));
        else
            file.push_back(std::move(f));
    }
    auto stato = std::make_unique<StatoProgetto>();
    stato->DirProg = o.cartella;
    ElencoLdt elenco(*stato, ui);
    elenco.Aggiungi(file);
    switch (elenco.Salva([&o] { return std::optional<std::string>(o.lista); })) {
        case EsitoSalvaLista::Salvata: return 0;
        case EsitoSalvaLista::ListaVuota: return Errore("no luminaire file to list: " + o.lista + " not written");
        default: return 1;  // the warning named the file
    }
}

cli::RegistraComando reg("catalogue", [](CLI::App& app, int& esito) {
    auto o = std::make_shared<OpzioniCatalogo>();
    auto* sub = app.add_subcommand("catalogue", "Filter the luminaire catalogue (lightlist.dbf) and list its rows");
    sub->add_option("--dir", o->cartella, "Folder holding lightlist.dbf, NTRProd*.dat, img/ and ldt/ (default: the program folder)")
        ->check(CLI::ExistingDirectory);
    sub->add_option("--line", o->linea, "Product line: 1 road, 2 period street furniture, 3 modern")
        ->check(CLI::Range(1, 3));
    sub->add_option("--mounting", o->disposizione, "Mounting: 1 post-top, 2 arm, 3 suspended")->check(CLI::Range(1, 3));
    sub->add_option("--lamp", o->lampada, "Lamp: 1 HP sodium, 2 LP sodium, 3 metal halide, 4 fluorescent")
        ->check(CLI::Range(1, 4));
    sub->add_option("--power", o->potenza, "Lamp power in W (POTENZAR)");
    sub->add_option("--model", o->modello, "Model (MODELLO) as written in the catalogue");
    sub->add_option("--maker", o->produttore, "Maker or distributor (PRODUTTORE) as written in the catalogue");
    sub->add_option("--filter", o->filtro, "Further condition joined with AND, such as \"LUMEN = '5000'\"");
    sub->add_flag("--json", o->json, "Every field and the data sheet of each row as JSON");
    sub->add_option("--lang", o->lingua, "Language of captions and messages: it, en, fr, de, es");
    sub->add_option("--write-list", o->lista, "Save the rows' photometric files as a luminaire list (.ntr)");
    sub->callback([o, &esito] { esito = Esegui(*o); });
});

}  // namespace
