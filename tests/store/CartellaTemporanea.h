#pragma once
// A fresh folder per test under the system's temporary folder, removed at the end.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <unistd.h>

namespace nottaro::test {

class CartellaTemporanea {
public:
    CartellaTemporanea() {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        std::string nome = std::string("nottaro_store_") + std::to_string(::getpid()) + "_" +
                           (info ? std::string(info->test_suite_name()) + "_" + info->name() : std::string("x"));
        for (char& c : nome)
            if (c == '/') c = '_';
        percorso_ = std::filesystem::temp_directory_path() / nome;
        std::filesystem::remove_all(percorso_);
        std::filesystem::create_directories(percorso_);
    }
    ~CartellaTemporanea() {
        std::error_code ec;
        std::filesystem::remove_all(percorso_, ec);
    }
    std::string Str() const { return percorso_.string(); }
    std::string File(const std::string& nome) const { return (percorso_ / nome).string(); }

private:
    std::filesystem::path percorso_;
};

}  // namespace nottaro::test
