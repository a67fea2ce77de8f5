#include "core/files/CartellaProgramma.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace nottaro {

namespace {

// What the program writes into its folder while it runs: the user's, never
// copied from one program folder into another.
bool FileDellUtente(const fs::path& nome) {
    const std::string n = nome.filename().string();
    const std::string e = nome.extension().string();
    return n == "ntr.cfg" || n == "ntr-masterplan.cfg" || n == "ntrlux.dbf" || n == "ntrluxa.dbf" || e == ".nt0" ||
           e == ".nt1" || (n.size() > 23 && n.ends_with("-Elenco_Progetti.xlsx"));
}

std::string CopiaAlbero(const fs::path& da, const fs::path& a) {
    std::error_code ec;
    fs::recursive_directory_iterator it(da, fs::directory_options::none, ec);
    if (ec) return da.string() + ": " + ec.message();
    for (const fs::recursive_directory_iterator fine; it != fine; it.increment(ec)) {
        if (ec) return da.string() + ": " + ec.message();
        const fs::path relativo = it->path().lexically_relative(da);
        const fs::file_status s = it->symlink_status(ec);
        if (ec) return it->path().string() + ": " + ec.message();
        if (fs::is_directory(s)) {
            fs::create_directory(a / relativo, ec);
        } else if (fs::is_regular_file(s)) {
            if (FileDellUtente(relativo)) continue;
            fs::copy_file(it->path(), a / relativo, ec);
        }
        // Links, pipes and devices are no part of a program folder.
        if (ec) return (a / relativo).string() + ": " + ec.message();
    }
    return {};
}

// A new folder, filled when a shipped folder exists.
CartellaProgramma Crea(const std::string& cartella, const std::vector<std::string>& spedite) {
    CartellaProgramma c;
    std::error_code ec;
    for (const auto& s : spedite) {
        if (s.empty() || !fs::is_directory(s, ec)) continue;
        c.errore = SeminaCartella(s, cartella);
        if (!c.errore.empty()) return c;
        c.cartella = cartella;
        c.seminata = true;
        return c;
    }
    fs::create_directories(cartella, ec);
    if (ec) {
        c.errore = cartella + ": " + ec.message();
        return c;
    }
    c.cartella = cartella;
    return c;
}

CartellaProgramma Usa(const std::string& cartella, const std::vector<std::string>& spedite) {
    std::error_code ec;
    const fs::file_status s = fs::status(cartella, ec);
    if (fs::is_directory(s)) return {cartella, false, {}};
    if (fs::exists(s)) return {{}, false, cartella + ": not a folder"};
    return Crea(cartella, spedite);
}

// The shipped folder is read only, even by a user allowed to write it.
bool Spedita(const std::string& cartella, const std::vector<std::string>& spedite) {
    std::error_code ec;
    for (const auto& s : spedite)
        if (!s.empty() && fs::equivalent(cartella, s, ec)) return true;
    return false;
}

}  // namespace

bool ECartellaProgramma(const std::string& cartella) {
    if (cartella.empty() || ::access(cartella.c_str(), W_OK | X_OK) != 0) return false;
    std::error_code ec;
    for (const char* segno : {"ntr.cfg", "ntr-masterplan.cfg", "ntrlux.dbf", "ntrluxa.dbf", "lightlist.dbf", "Intestazioni"})
        if (fs::exists(fs::path(cartella) / segno, ec)) return true;
    return false;
}

std::string CartellaUtente(const std::string& xdgDataHome, const std::string& home) {
    if (!xdgDataHome.empty() && fs::path(xdgDataHome).is_absolute()) return (fs::path(xdgDataHome) / "nottaro").string();
    if (home.empty()) return {};
    return (fs::path(home) / ".local" / "share" / "nottaro").string();
}

CartellaProgramma ScegliCartellaProgramma(const FontiCartellaProgramma& f) {
    if (!f.richiesta.empty()) return Usa(f.richiesta, f.spedite);
    if (ECartellaProgramma(f.corrente) && !Spedita(f.corrente, f.spedite)) return {f.corrente, false, {}};
    const std::string utente = CartellaUtente(f.xdgDataHome, f.home);
    if (utente.empty()) return {{}, false, "neither XDG_DATA_HOME nor HOME names a folder for the program's files"};
    return Usa(utente, f.spedite);
}

std::string SeminaCartella(const std::string& spedita, const std::string& destinazione) {
    const fs::path meta(destinazione);
    std::error_code ec;
    const fs::path madre = meta.parent_path().empty() ? fs::path(".") : meta.parent_path();
    fs::create_directories(madre, ec);
    if (ec) return madre.string() + ": " + ec.message();
    std::string nascosta = meta.filename().string();
    nascosta.insert(0, 1, '.');
    nascosta.append("-XXXXXX");
    std::string modello = (madre / nascosta).string();
    if (!::mkdtemp(modello.data())) return madre.string() + ": " + std::error_code(errno, std::generic_category()).message();
    const fs::path provvisoria(modello);
    std::string errore = CopiaAlbero(spedita, provvisoria);
    if (errore.empty()) {
        fs::rename(provvisoria, meta, ec);
        // Filled at the same moment by another start: that copy is as good.
        if (ec && fs::is_directory(meta)) ec.clear();
        if (ec) errore = meta.string() + ": " + ec.message();
    }
    fs::remove_all(provvisoria, ec);
    return errore;
}

FontiCartellaProgramma FontiDelProcesso(const std::string& richiesta) {
    FontiCartellaProgramma f;
    f.richiesta = richiesta;
    std::error_code ec;
    f.corrente = fs::current_path(ec).string();
    if (const char* x = std::getenv("XDG_DATA_HOME")) f.xdgDataHome = x;
    if (const char* h = std::getenv("HOME")) f.home = h;
    const fs::path programma = fs::read_symlink("/proc/self/exe", ec);
    if (!ec) f.spedite.push_back((programma.parent_path().parent_path() / "share" / "nottaro").string());
#ifdef NOTTARO_DATI_SVILUPPO
    f.spedite.push_back(NOTTARO_DATI_SVILUPPO);
#endif
    return f;
}

}  // namespace nottaro
