#include "support/CartellaTemporanea.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

namespace nottaro::test {

CartellaTemporanea::CartellaTemporanea() {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string nome = "nottaro_" + std::to_string(::getpid()) + "_" +
                       (info ? std::string(info->test_suite_name()) + "_" + info->name() : std::string("x"));
    for (char& c : nome)
        if (c == '/') c = '_';
    const auto p = std::filesystem::temp_directory_path() / nome;
    std::filesystem::remove_all(p);
    std::filesystem::create_directories(p);
    percorso_ = p.string();
}

CartellaTemporanea::~CartellaTemporanea() {
    std::error_code ec;
    std::filesystem::remove_all(percorso_, ec);
}

std::string CartellaTemporanea::Scrivi(const std::string& nome, const std::vector<std::string>& righe) const {
    const std::string p = File(nome);
    std::ofstream f(p, std::ios::binary);
    for (const auto& r : righe) f << r << "\r\n";
    return p;
}

}  // namespace nottaro::test
