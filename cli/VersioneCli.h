#pragma once
// What `nottaro-cli --version` prints: the program's name, the version text
// the project files and reports carry, and the commit the program was built
// from when the build knew it.
#include <string>

namespace nottaro::cli {

// The commit of the source tree at configure time; empty when the sources
// were not a git checkout or git was not installed.
const char* CommitBuild();

// "nottaro-cli 5.8d" followed by " (commit <hash>)" when the commit is known.
std::string TestoVersione();

}  // namespace nottaro::cli
