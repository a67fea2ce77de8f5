#pragma once
// The program folder of nottaro-cli: --program-dir when given, else the
// working folder when it is one, else the per-user folder. Chosen (and a new
// per-user folder filled) only when a command first needs it, so a command
// that reads and writes only the files it is given leaves no trace.
#include <string>

namespace nottaro::cli {

// The folder named by --program-dir, set once by main(): created and filled
// at once when missing; the reason when it cannot be had, else empty.
std::string RichiediCartellaProgramma(std::string cartella);

// The program folder; on failure "." (the working folder, as before) with
// the reason told once on stderr.
const std::string& CartellaProgrammaCli();

}  // namespace nottaro::cli
