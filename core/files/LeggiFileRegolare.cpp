#include "core/files/LeggiFileRegolare.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace nottaro {

namespace {

struct Descrittore {
    int fd;
    ~Descrittore() {
        if (fd >= 0) ::close(fd);
    }
};

}  // namespace

EsitoLettura LeggiFileRegolare(const std::string& percorso, std::uintmax_t massimo, std::string& testo) {
    testo.clear();
    // O_NONBLOCK: opening a pipe for reading would otherwise wait for a writer.
    Descrittore d{::open(percorso.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC)};
    if (d.fd < 0) return errno == ENXIO ? EsitoLettura::NonRegolare : EsitoLettura::Mancante;
    struct stat st {};
    if (::fstat(d.fd, &st) != 0) return EsitoLettura::Illeggibile;
    if (!S_ISREG(st.st_mode)) return EsitoLettura::NonRegolare;
    if (static_cast<std::uintmax_t>(st.st_size) > massimo) return EsitoLettura::TroppoGrande;
    testo.reserve(static_cast<std::size_t>(st.st_size));
    char blocco[1 << 16];
    for (;;) {
        const ssize_t n = ::read(d.fd, blocco, sizeof blocco);
        if (n < 0) {
            if (errno == EINTR) continue;
            testo.clear();
            return EsitoLettura::Illeggibile;
        }
        if (n == 0) break;
        // A file still growing while it is read is held to the same cap.
        if (testo.size() + static_cast<std::size_t>(n) > massimo) {
            testo.clear();
            return EsitoLettura::TroppoGrande;
        }
        testo.append(blocco, static_cast<std::size_t>(n));
    }
    return EsitoLettura::Letto;
}

}  // namespace nottaro
