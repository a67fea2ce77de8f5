#include <filesystem>
#include <fstream>
#include <system_error>

#include "core/photometry/LettoriFotometria.h"
#include "core/text/Testo.h"

namespace nottaro {

bool EsisteFile(const std::string& path) {
    if (path.empty()) return false;
    // A folder opens as a stream on some systems but yields nothing, and
    // opening a pipe waits for a writer: only regular files count.
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) return false;
    std::ifstream f(path, std::ios::binary);
    return f.is_open();
}

double GradiInRad(double x) { return x * 0.01745329252; }

int LeggiFotometria(const std::string& path, Fotometria& foto, Interazione& ui) {
    if (EstensioneMinuscola(path) == ".ies") return LeggiIes(path, foto, ui);
    return LeggiEulumdat(path, foto, ui);
}

}  // namespace nottaro
