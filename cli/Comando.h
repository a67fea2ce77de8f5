#pragma once
// Each subcommand of nottaro-cli lives in its own file and registers itself
// here, so commands can be added without touching main().
#include <functional>
#include <string>
#include <vector>

namespace CLI { class App; }

namespace nottaro::cli {

// Adds a subcommand to the application; the subcommand's callback returns the
// process exit status through `esito`.
using Registratore = std::function<void(CLI::App& app, int& esito)>;

struct Comando {
    std::string nome;
    Registratore registra;
};

std::vector<Comando>& Comandi();

struct RegistraComando {
    RegistraComando(std::string nome, Registratore r) { Comandi().push_back({std::move(nome), std::move(r)}); }
};

}  // namespace nottaro::cli
