#pragma once
// The whole content of a file as bytes ("" when it cannot be read).
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace nottaro::test {

inline std::string LeggiFile(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

}  // namespace nottaro::test
