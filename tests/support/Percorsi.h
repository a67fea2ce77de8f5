#pragma once
// Where tests find fixtures, the source tree and the command-line program.
#include <string>

namespace nottaro::test {

inline std::string Fixture(const std::string& nome) { return std::string(NOTTARO_FIXTURES) + "/" + nome; }
inline std::string Sorgente(const std::string& nome) { return std::string(NOTTARO_SOURCE_DIR) + "/" + nome; }
inline std::string ProgrammaCli() { return NOTTARO_CLI; }

}  // namespace nottaro::test
