// nottaro-cli messages: prints the message catalogue so a translator can
// review it, either one language or all five side by side.
#include <CLI/CLI.hpp>
#include <nlohmann/json.hpp>

#include <array>
#include <iostream>
#include <string>

#include "cli/Comando.h"
#include "core/i18n/Messaggi.h"

namespace {

constexpr std::array<const char*, nottaro::NumLingue> kCodici = {"it", "en", "fr", "de", "es"};

// One text on one line: line breaks and tabs inside it written as escapes,
// the same way the catalogue table holds them.
std::string SuUnaRiga(const std::string& s) {
    std::string out;
    for (char c : s) {
        if (c == '\n') out += "\\n";
        else if (c == '\t') out += "\\t";
        else if (c == '\\') out += "\\\\";
        else out += c;
    }
    return out;
}

int Stampa(const std::string& codice, bool json) {
    int sola = -1;
    if (!codice.empty()) {
        for (int l = 0; l < nottaro::NumLingue; ++l)
            if (codice == kCodici[l]) sola = l;
        if (sola < 0) {
            std::cerr << "nottaro-cli messages: unknown language \"" << codice << "\" (use it, en, fr, de or es)\n";
            return 2;
        }
    }
    const int da = sola < 0 ? 0 : sola;
    const int a = sola < 0 ? nottaro::NumLingue : sola + 1;
    if (json) {
        auto elenco = nlohmann::json::array();
        for (int n : nottaro::NumeriMessaggi()) {
            nlohmann::json voce = {{"n", n}};
            for (int l = da; l < a; ++l) voce[kCodici[l]] = nottaro::Msg(n, l);
            elenco.push_back(std::move(voce));
        }
        std::cout << elenco.dump(1) << "\n";
        return 0;
    }
    std::cout << "n";
    for (int l = da; l < a; ++l) std::cout << '\t' << kCodici[l];
    std::cout << "\n";
    for (int n : nottaro::NumeriMessaggi()) {
        std::cout << n;
        for (int l = da; l < a; ++l) std::cout << '\t' << SuUnaRiga(nottaro::Msg(n, l));
        std::cout << "\n";
    }
    return 0;
}

nottaro::cli::RegistraComando reg("messages", [](CLI::App& app, int& esito) {
    auto* sub = app.add_subcommand("messages", "Print the message catalogue (one language or all five, one message per line)");
    auto codice = std::make_shared<std::string>();
    auto json = std::make_shared<bool>(false);
    sub->add_option("--lang", *codice, "Language: it, en, fr, de or es (default: all five)");
    sub->add_flag("--json", *json, "Print a JSON array of {n, <language>: text}");
    sub->callback([&esito, codice, json] { esito = Stampa(*codice, *json); });
});

}  // namespace
