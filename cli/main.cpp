// nottaro-cli: every calculation of Nottaro without a display.
#include <CLI/CLI.hpp>

#include <algorithm>
#include <clocale>
#include <exception>
#include <iostream>

#include "cli/CartellaProgrammaCli.h"
#include "cli/Comando.h"
#include "cli/VersioneCli.h"

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
    app.set_version_flag("--version", nottaro::cli::TestoVersione(), "Print the program name, version and build commit");
    app.require_subcommand(1);
    // Accepted before or after the command's name.
    app.fallthrough();
    app.add_option_function<std::string>(
           "--program-dir",
           [](const std::string& d) {
               if (std::string e = nottaro::cli::RichiediCartellaProgramma(d); !e.empty()) throw CLI::ValidationError(e);
           },
           "Program folder (language, Masterplan folders, letterheads, catalogue); default: the working folder "
           "when it is one, else $XDG_DATA_HOME/nottaro, filled at first use from the shipped one")
        ->type_name("DIR");
    int esito = 0;
    auto& comandi = nottaro::cli::Comandi();
    std::sort(comandi.begin(), comandi.end(), [](const auto& a, const auto& b) { return a.nome < b.nome; });
    for (auto& c : comandi) c.registra(app, esito);
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        // Help and version end with 0; every bad command line (unknown option,
        // missing or malformed value, options that exclude each other) is
        // the one status the commands give for bad input.
        return app.exit(e) == 0 ? 0 : 1;
    } catch (const std::exception& e) {
        std::cerr << "nottaro-cli: " << e.what() << "\n";
        return 1;
    }
    return esito;
}
