#pragma once
// A fresh folder per test under the system's temporary folder, removed at the end.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>

namespace nottaro::test {

class CartellaProva {
public:
    CartellaProva() {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        std::string nome = "nottaro_sweep_" + std::to_string(::getpid()) + "_" +
                           (info ? std::string(info->test_suite_name()) + "_" + info->name() : std::string("x"));
        for (char& c : nome)
            if (c == '/') c = '_';
        dir_ = std::filesystem::temp_directory_path() / nome;
        std::filesystem::remove_all(dir_);
        std::filesystem::create_directories(dir_);
    }
    ~CartellaProva() {
        std::error_code ec;
        std::filesystem::remove_all(dir_, ec);
    }
    std::string Str() const { return dir_.string(); }
    std::string File(const std::string& nome) const { return (dir_ / nome).string(); }

private:
    std::filesystem::path dir_;
};

}  // namespace nottaro::test
