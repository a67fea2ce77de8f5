#include "support/EseguiCli.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "support/Percorsi.h"

namespace nottaro::test {

namespace {

UscitaCli Esegui(const std::string& comando, bool unisciErrori) {
    UscitaCli u;
    std::string fileErr = (std::filesystem::temp_directory_path() / "nottaro-cli-err-XXXXXX").string();
    const int fd = ::mkstemp(fileErr.data());
    if (fd < 0) return u;
    ::close(fd);
    const std::string redir = unisciErrori ? " 2>&1" : " 2>" + Tra(fileErr);
    FILE* p = ::popen((comando + redir).c_str(), "r");
    if (p) {
        char buf[4096];
        std::size_t n;
        while ((n = std::fread(buf, 1, sizeof buf, p)) > 0) u.out.append(buf, n);
        const int s = ::pclose(p);
        u.esito = WIFEXITED(s) ? WEXITSTATUS(s) : -1;
        std::ifstream e(fileErr);
        std::stringstream ss;
        ss << e.rdbuf();
        u.err = ss.str();
    }
    std::filesystem::remove(fileErr);
    return u;
}

}  // namespace

UscitaCli EseguiCli(const std::string& argomenti, bool unisciErrori) {
    return Esegui(ProgrammaCli() + " " + argomenti, unisciErrori);
}

UscitaCli EseguiPython(const std::string& script, const std::string& argomenti) {
    return Esegui("cd " + Tra(Sorgente("")) + " && python3 " + Tra(script) + " " + argomenti, false);
}

}  // namespace nottaro::test
