#pragma once
// Whole-file reading for every reader of the user's files: only a regular
// file is read, never more than a cap, so a pipe, a device or a runaway file
// can neither block a reader nor fill the memory, and a medium that fails
// under the read is a refusal, not an exception.
#include <cstdint>
#include <string>

namespace nottaro {

enum class EsitoLettura {
    Letto,         // the whole file is in `testo`
    Mancante,      // no such file, or it cannot be opened
    NonRegolare,   // a folder, a device, a pipe: never read
    TroppoGrande,  // larger than the cap (checked before the read and during it)
    Illeggibile,   // the medium reported an error under the read
};

// The contents of the regular file `percorso` of at most `massimo` bytes.
// The type is checked on the opened file (opened without waiting), so
// nothing can swap a pipe in between the check and the read.
EsitoLettura LeggiFileRegolare(const std::string& percorso, std::uintmax_t massimo, std::string& testo);

}  // namespace nottaro
