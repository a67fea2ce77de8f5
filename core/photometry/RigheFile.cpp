#include "core/photometry/RigheFile.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

namespace nottaro {

EsitoRighe LeggiRigheFile(const std::string& path, std::vector<std::string>& righe) {
    righe.clear();
    std::error_code ec;
    const auto stato = std::filesystem::status(path, ec);
    if (ec || !std::filesystem::exists(stato)) return EsitoRighe::Mancante;
    if (!std::filesystem::is_regular_file(stato)) return EsitoRighe::NonRegolare;
    const auto byte = std::filesystem::file_size(path, ec);
    if (ec) return EsitoRighe::Mancante;
    if (byte > MaxByteFotometria) return EsitoRighe::TroppoGrande;
    std::ifstream f(path, std::ios::binary);
    if (!f.is_open()) return EsitoRighe::Mancante;
    const std::string testo{std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
    std::size_t i = 0;
    while (i < testo.size()) {
        const std::size_t fine = testo.find_first_of("\r\n", i);
        if (fine == std::string::npos) {
            righe.push_back(testo.substr(i));
            break;
        }
        righe.push_back(testo.substr(i, fine - i));
        i = fine + 1;
        if (testo[fine] == '\r' && i < testo.size() && testo[i] == '\n') ++i;
    }
    if (!righe.empty() && righe[0].rfind("\xEF\xBB\xBF", 0) == 0) righe[0].erase(0, 3);
    return EsitoRighe::Lette;
}

}  // namespace nottaro
