#include "support/DiscoPiccolo.h"

#include <sched.h>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

namespace nottaro::test {

int ConDiscoPiccolo(const std::string& cartella, const std::function<int()>& comando) {
    const pid_t figlio = ::fork();
    if (figlio < 0) return -1;
    if (figlio == 0) {
        if (::unshare(CLONE_NEWNS) != 0) ::_exit(77);
        if (::mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0) ::_exit(77);
        if (::mount("nottaro-piccolo", cartella.c_str(), "tmpfs", 0, "size=64k") != 0) ::_exit(77);
        ::_exit(comando());
    }
    int stato = 0;
    ::waitpid(figlio, &stato, 0);
    return WIFEXITED(stato) ? WEXITSTATUS(stato) : -1;
}

}  // namespace nottaro::test
