#include "core/files/StessoFile.h"

#include <filesystem>
#include <system_error>

namespace nottaro {

std::string IngressoUguale(const std::string& uscita, const std::vector<std::string>& ingressi) {
    if (uscita.empty()) return {};
    for (const auto& i : ingressi) {
        if (i.empty()) continue;
        std::error_code ec;
        // Same device and inode: every name of one file.
        if (std::filesystem::equivalent(uscita, i, ec) && !ec) return i;
    }
    return {};
}

}  // namespace nottaro
