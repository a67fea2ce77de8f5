#include "core/files/Configurazione.h"

#include <filesystem>
#include <fstream>

#include "core/files/SostituisciFile.h"
#include "core/text/Testo.h"

namespace nottaro {

namespace {

std::string InCartella(const std::string& cartella, const char* nome) {
    return (std::filesystem::path(cartella) / nome).string();
}

// Line 1 of a configuration file; nullopt when the file cannot be opened.
std::optional<std::string> PrimaRiga(const std::string& percorso) {
    std::ifstream in(percorso, std::ios::binary);
    if (!in) return std::nullopt;
    std::string riga;
    if (!LeggiRiga(in, riga)) riga.clear();
    return riga;
}

}  // namespace

std::optional<int> LeggiLingua(const std::string& dirProg) {
    auto riga = PrimaRiga(InCartella(dirProg, "ntr.cfg"));
    if (!riga) return std::nullopt;
    auto n = ConvertiIntero(*riga);
    if (!n || *n < 0 || *n > 4) return LinguaPredefinita;
    return *n;
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
