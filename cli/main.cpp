// nottaro-cli: every calculation of Nottaro without a display.
#include <CLI/CLI.hpp>

#include <algorithm>
#include <clocale>
#include <exception>
#include <iostream>

#include "cli/Comando.h"

namespace nottaro::cli {
std::vector<Comando>& Comandi() {
    static std::vector<Comando> comandi;
    return comandi;
}
}  // namespace nottaro::cli

int main(int argc, char** argv) {
    // Numbers in files and tables always use "." whatever the user's locale.
    std::setlocale(LC_ALL, "C");
    CLI::App app{"Nottaro: street lighting design without a display"};
    app.require_subcommand(1);
    int esito = 0;
    auto& comandi = nottaro::cli::Comandi();
    std::sort(comandi.begin(), comandi.end(), [](const auto& a, const auto& b) { return a.nome < b.nome; });
    for (auto& c : comandi) c.registra(app, esito);
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        return app.exit(e);
    } catch (const std::exception& e) {
        std::cerr << "nottaro-cli: " << e.what() << "\n";
        return 1;
    }
    return esito;
}
