#pragma once
// Lines of a photometric file, for the readers only.
#include <cstdint>
#include <string>
#include <vector>

namespace nottaro {

// No photometric file comes near this size; anything larger is refused
// before it is read.
inline constexpr std::uintmax_t MaxByteFotometria = std::uintmax_t{64} << 20;

enum class EsitoRighe {
    Lette,         // the file's lines are in `righe`
    Mancante,      // no such file, or it cannot be opened
    NonRegolare,   // a folder, a device, a pipe: never read
    TroppoGrande,  // a regular file above MaxByteFotometria
    Illeggibile,   // the medium failed under the read (a network drive gone)
};

// All lines of a regular file of at most MaxByteFotometria bytes; a line
// ends at LF, CR LF or a lone CR; a leading UTF-8 byte-order mark is dropped.
// The type and the size are checked before the file is opened, so a pipe
// or a device never blocks or floods the reader.
EsitoRighe LeggiRigheFile(const std::string& path, std::vector<std::string>& righe);

// Catalogue message that refuses a file LeggiRigheFile did not read because
// of its type, its size or a read error.
inline int MessaggioRifiuto(EsitoRighe e) {
    return e == EsitoRighe::TroppoGrande ? 1052 : e == EsitoRighe::Illeggibile ? 2100 : 1051;
}

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
