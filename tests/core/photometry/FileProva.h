#pragma once
// Small photometric files written on the fly for the reader tests, in a
// folder of their own that disappears with the test.
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace nottaro::test {

class CartellaProva {
public:
    CartellaProva() {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        std::string nome = std::string("nottaro_") + info->test_suite_name() + "_" + info->name();
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
    // Writes the lines with CR LF ends and returns the path.
    std::string Scrivi(const std::string& nome, const std::vector<std::string>& righe) const {
        const auto p = dir_ / nome;
        std::ofstream f(p, std::ios::binary);
        for (const auto& r : righe) f << r << "\r\n";
        return p.string();
    }
    std::string Percorso(const std::string& nome) const { return (dir_ / nome).string(); }

private:
    std::filesystem::path dir_;
};

}  // namespace nottaro::test
