#include "cli/CartellaProgrammaCli.h"

#include <iostream>
#include <optional>

#include "core/files/CartellaProgramma.h"

namespace nottaro::cli {

namespace {

struct Scelta {
    std::string richiesta;
    std::optional<CartellaProgramma> fatta;
};

Scelta& Stato() {
    static Scelta s;
    return s;
}

const CartellaProgramma& Scegli() {
    Scelta& s = Stato();
    if (!s.fatta) s.fatta = ScegliCartellaProgramma(FontiDelProcesso(s.richiesta));
    return *s.fatta;
}

}  // namespace

std::string RichiediCartellaProgramma(std::string cartella) {
    Stato() = {std::move(cartella), std::nullopt};
    const CartellaProgramma& c = Scegli();
    return c.cartella.empty() ? "--program-dir: " + c.errore : std::string();
}

const std::string& CartellaProgrammaCli() {
    static const std::string punto = ".";
    const CartellaProgramma& c = Scegli();
    if (!c.cartella.empty()) return c.cartella;
    static const bool detto = [&c] {
        std::cerr << "nottaro-cli: no program folder (" << c.errore << "): using the working folder\n";
        return true;
    }();
    (void)detto;
    return punto;
}

}  // namespace nottaro::cli
