#include "cli/VersioneCli.h"

#include "core/files/FileProgetto.h"

namespace nottaro::cli {

std::string TestoVersione() {
    std::string t = std::string("nottaro-cli ") + VersioneProgramma;
    const std::string commit = CommitBuild();
    if (!commit.empty()) t += " (commit " + commit + ")";
    return t;
}

}  // namespace nottaro::cli
