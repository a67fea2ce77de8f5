#pragma once
// Runs the built nottaro-cli as a user would, for the command-line tests.
#include <string>

namespace nottaro::test {

struct UscitaCli {
    int esito = -1;    // exit status, -1 when the program did not exit normally
    std::string out;   // standard output (with standard error too when merged)
    std::string err;   // standard error when kept apart
};

// `argomenti` is passed through the shell as it stands (quote paths with Tra).
UscitaCli EseguiCli(const std::string& argomenti, bool unisciErrori = false);

// Runs one of the independent Python calculations kept beside the tests
// (tests/<folder>/<script>.py) from the source root, as they expect.
UscitaCli EseguiPython(const std::string& script, const std::string& argomenti = "");

// A path or text in single quotes for the shell.
inline std::string Tra(const std::string& s) { return "'" + s + "'"; }

}  // namespace nottaro::test
