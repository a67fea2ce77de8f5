#include "cli/ValoriDaRiga.h"

#include <CLI/CLI.hpp>

#include <charconv>

#include "core/state/LimitiValori.h"
#include "core/text/Testo.h"

namespace nottaro::cli {

ValoriImpostati ValoriDaRiga(const std::vector<std::string>& testi) {
    ValoriImpostati r;
    for (const std::string& t : testi) {
        const auto uguale = t.find('=');
        const std::string nome = Trim(t.substr(0, uguale));
        const LimiteValore* l = TrovaLimite(nome);
        if (uguale == std::string::npos || !l) {
            r.errore = MessaggioCatalogo{1112, {nome}}.Testo();
            return r;
        }
        const std::string testo = Trim(t.substr(uguale + 1));
        double v = 0;
        const auto [fine, ec] = std::from_chars(testo.data(), testo.data() + testo.size(), v);
        if (testo.empty() || ec != std::errc() || fine != testo.data() + testo.size()) {
            r.errore = MessaggioCatalogo{1113, {nome, testo}}.Testo();
            return r;
        }
        if (const MessaggioCatalogo m = VerificaLimite(*l, v); !m.Vuoto()) {
            r.errore = m.Testo();
            return r;
        }
        r.valori.emplace_back(nome, v);
    }
    return r;
}

void ApplicaValori(StatoProgetto& s, const ValoriImpostati& v) {
    for (const auto& [nome, x] : v.valori) TrovaLimite(nome)->Scrivi(s, x);
}

void AggiungiOpzioneSet(CLI::App& sub, std::vector<std::string>& testi) {
    std::string nomi;
    for (const LimiteValore& l : LimitiValori()) nomi += std::string(nomi.empty() ? "" : ", ") + l.nome;
    sub.add_option("--set", testi,
                   "Set a design value by its own name, as NAME=VALUE (repeatable), within its range. Names: " + nomi)
        ->allow_extra_args(false)
        ->type_name("NAME=VALUE");
}

}  // namespace nottaro::cli
