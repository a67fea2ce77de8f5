#pragma once
// Lines of a photometric file, for the readers only.
#include <string>
#include <vector>

namespace nottaro {

// All lines of the file (LF or CR LF ends), a leading UTF-8 byte-order mark
// dropped. False when the file cannot be opened.
bool LeggiRigheFile(const std::string& path, std::vector<std::string>& righe);

// Walks the lines in order; `Prossima` is false at the end of the file.
class CursoreRighe {
public:
    explicit CursoreRighe(const std::vector<std::string>& righe) : righe_(righe) {}
    bool Prossima(std::string& riga) {
        if (pos_ >= righe_.size()) return false;
        riga = righe_[pos_++];
        return true;
    }
    bool Finite() const { return pos_ >= righe_.size(); }
    // 1-based number of the line last returned.
    int Numero() const { return static_cast<int>(pos_); }

private:
    const std::vector<std::string>& righe_;
    std::size_t pos_ = 0;
};

}  // namespace nottaro
