#include "core/files/SostituisciFile.h"

#include <filesystem>
#include <fstream>
#include <system_error>

namespace nottaro {

std::string SostituisciFile(const std::string& percorso, std::string_view contenuto) {
    namespace fs = std::filesystem;
    const fs::path finale(percorso);
    fs::path nuovo = finale;
    nuovo += ".tmp";
    std::string errore;
    {
        std::ofstream out(nuovo, std::ios::binary | std::ios::trunc);
        if (!out) return "cannot create " + nuovo.string();
        out.write(contenuto.data(), static_cast<std::streamsize>(contenuto.size()));
        out.close();
        if (out.fail()) errore = "cannot write " + nuovo.string();
    }
    std::error_code ec;
    if (errore.empty()) {
        fs::rename(nuovo, finale, ec);
        if (ec) errore = "cannot replace " + percorso + ": " + ec.message();
    }
    if (!errore.empty()) fs::remove(nuovo, ec);
    return errore;
}

}  // namespace nottaro
