#include "core/files/Configurazione.h"

#include <filesystem>
#include <fstream>

#include "core/files/LeggiFileRegolare.h"
#include "core/files/SostituisciFile.h"
#include "core/text/Testo.h"

namespace nottaro {

namespace {

std::string InCartella(const std::string& cartella, const char* nome) {
    return (std::filesystem::path(cartella) / nome).string();
}

// A configuration file is one short line; a pipe, a device or anything
// larger is no configuration.
constexpr std::uintmax_t MaxByteConfigurazione = 64 * 1024;

// Line 1 of a configuration file; nullopt when the file cannot be read.
std::optional<std::string> PrimaRiga(const std::string& percorso) {
    std::string testo;
    if (LeggiFileRegolare(percorso, MaxByteConfigurazione, testo) != EsitoLettura::Letto) return std::nullopt;
    const std::size_t fine = testo.find_first_of("\r\n");
    if (fine != std::string::npos) testo.resize(fine);
    return testo;
}

}  // namespace

std::optional<int> LeggiLingua(const std::string& dirProg, MessaggioCatalogo* avviso) {
    const std::string percorso = InCartella(dirProg, "ntr.cfg");
    auto riga = PrimaRiga(percorso);
    if (!riga) return std::nullopt;
    auto n = ConvertiIntero(*riga);
    if (n && *n >= 0 && *n <= 4) return *n;
    if (avviso) {
        // UTF-16 starts with its byte-order mark, or has a zero byte beside
        // every digit.
        const bool utf16 = riga->starts_with("\xFF\xFE") || riga->starts_with("\xFE\xFF") ||
                           riga->find('\0') != std::string::npos;
        *avviso = utf16 ? MessaggioCatalogo{2104, {percorso}}
                        : MessaggioCatalogo{2103, {DecodificaLegacy(Trim(*riga).substr(0, 40)), percorso}};
    }
    return LinguaPredefinita;
}

bool ScriviLingua(const std::string& dirProg, int lingua) {
    if (lingua < 0 || lingua > 4) return false;
    return SostituisciFile(InCartella(dirProg, "ntr.cfg"), std::to_string(lingua) + FineRiga).empty();
}

bool LeggiMasterplan(const std::string& dirProg, StatoProgetto& stato) {
    auto riga = PrimaRiga(InCartella(dirProg, "ntr-masterplan.cfg"));
    if (!riga) return false;
    std::string base = Trim(DecodificaLegacy(*riga));
    if (base.empty()) return false;
    stato.DirLdtMaster = InCartella(base, "ldt");
    stato.DirCorpi = InCartella(base, "corpi");
    stato.DirImmagini = InCartella(base, "images");
    stato.DirProgetto.clear();
    return true;
}

std::string DirLdtAccanto(const std::string& fileCartella) {
    auto cartella = std::filesystem::path(fileCartella).parent_path();
    if (cartella.empty()) cartella = ".";
    return (cartella / "ldt").string();
}

}  // namespace nottaro
