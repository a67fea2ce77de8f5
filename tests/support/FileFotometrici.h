#pragma once
// Every photometric fixture (".ldt", ".ies"), in name order.
#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "support/Percorsi.h"

namespace nottaro::test {

inline std::vector<std::filesystem::path> FileFotometrici() {
    std::vector<std::filesystem::path> out;
    for (const auto& e : std::filesystem::directory_iterator(Fixture("photometry"))) {
        const std::string est = e.path().extension().string();
        if (est == ".ldt" || est == ".ies") out.push_back(e.path());
    }
    std::sort(out.begin(), out.end());
    return out;
}

}  // namespace nottaro::test
