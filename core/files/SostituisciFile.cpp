#include "core/files/SostituisciFile.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <system_error>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace nottaro {
namespace {

namespace fs = std::filesystem;

std::string Errno() { return std::strerror(errno); }

// The mode a newly created file gets from the user's umask. Read without
// changing the umask, which would race with other threads creating files.
mode_t ModoNuovoFile() {
    std::ifstream s("/proc/self/status");
    std::string riga;
    while (std::getline(s, riga)) {
        if (riga.rfind("Umask:", 0) != 0) continue;
        const unsigned long m = std::strtoul(riga.c_str() + 6, nullptr, 8);
        return static_cast<mode_t>(0666 & ~m);
    }
    return 0644;
}

// The file actually replaced: a link is followed to its target.
bool Destinazione(const fs::path& percorso, fs::path& finale, std::string& errore) {
    std::error_code ec;
    if (!fs::is_symlink(percorso, ec)) {
        finale = percorso;
        return true;
    }
    finale = fs::canonical(percorso, ec);
    if (ec) {
        errore = percorso.string() + " is a link to a file that cannot be reached";
        return false;
    }
    return true;
}

void SincronizzaCartella(const fs::path& cartella) {
    const int fd = ::open(cartella.empty() ? "." : cartella.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

}  // namespace

std::string SostituisciFile(const std::string& percorso, const ScriviTemporaneo& scrivi, std::string_view estensione) {
    fs::path finale;
    std::string errore;
    if (!Destinazione(fs::path(percorso), finale, errore)) return errore;
    struct stat vecchio {};
    const bool esiste = ::stat(finale.c_str(), &vecchio) == 0;
    if (esiste && !S_ISREG(vecchio.st_mode)) return percorso + " is not a regular file";

    // A hidden sibling with a random part: never a name a user's file has,
    // never an existing link (mkstemps creates it exclusively).
    const fs::path cartella = finale.parent_path();
    std::string modello =
        (cartella / ("." + finale.filename().string() + ".nottaro-XXXXXX")).string() + std::string(estensione);
    std::vector<char> nome(modello.begin(), modello.end());
    nome.push_back('\0');
    const int fd = ::mkstemps(nome.data(), static_cast<int>(estensione.size()));
    if (fd < 0) return "cannot create a new file beside " + percorso + ": " + Errno();
    const std::string temporaneo(nome.data());
    auto abbandona = [&](std::string motivo) {
        ::close(fd);
        ::unlink(temporaneo.c_str());
        return motivo;
    };
    if (::fchmod(fd, esiste ? (vecchio.st_mode & 07777) : ModoNuovoFile()) != 0)
        return abbandona("cannot set the permissions of " + temporaneo + ": " + Errno());

    errore = scrivi(temporaneo);
    if (!errore.empty()) return abbandona(errore);

    // The writer opened the name again: it must still be the file created
    // above, not something put in its place meanwhile.
    struct stat creato {
    }, scritto{};
    if (::fstat(fd, &creato) != 0 || ::lstat(temporaneo.c_str(), &scritto) != 0 || !S_ISREG(scritto.st_mode) ||
        creato.st_ino != scritto.st_ino || creato.st_dev != scritto.st_dev)
        return abbandona("the new file beside " + percorso + " was replaced while being written");
    if (::fsync(fd) != 0) return abbandona("cannot write " + percorso + ": " + Errno());
    if (::close(fd) != 0) {
        ::unlink(temporaneo.c_str());
        return "cannot write " + percorso + ": " + Errno();
    }
    if (::rename(temporaneo.c_str(), finale.c_str()) != 0) {
        errore = "cannot replace " + percorso + ": " + Errno();
        ::unlink(temporaneo.c_str());
        return errore;
    }
    SincronizzaCartella(cartella);
    return {};
}

namespace {

// Writes `contenuto` whole to the file `temporaneo`.
std::string ScriviTutto(const std::string& temporaneo, std::string_view contenuto) {
    const int fd = ::open(temporaneo.c_str(), O_WRONLY | O_TRUNC | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) return "cannot write " + temporaneo + ": " + Errno();
    std::size_t fatto = 0;
    while (fatto < contenuto.size()) {
        const ssize_t n = ::write(fd, contenuto.data() + fatto, contenuto.size() - fatto);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            const std::string e = "cannot write " + temporaneo + ": " + (n < 0 ? Errno() : "no space");
            ::close(fd);
            return e;
        }
        fatto += static_cast<std::size_t>(n);
    }
    if (::close(fd) != 0) return "cannot write " + temporaneo + ": " + Errno();
    return {};
}

}  // namespace

std::string SostituisciFile(const std::string& percorso, std::string_view contenuto) {
    return SostituisciFile(percorso, [&](const std::string& t) { return ScriviTutto(t, contenuto); });
}

std::string SostituisciConCopia(const std::string& percorso, const std::string& origine) {
    std::error_code ec;
    if (!fs::is_regular_file(origine, ec)) return origine + " is not a regular file";
    std::ifstream in(origine, std::ios::binary);
    if (!in) return "cannot read " + origine;
    std::string contenuto;
    char blocco[65536];
    while (in.read(blocco, sizeof blocco) || in.gcount() > 0)
        contenuto.append(blocco, static_cast<std::size_t>(in.gcount()));
    if (in.bad()) return "cannot read " + origine;
    return SostituisciFile(percorso, contenuto);
}

}  // namespace nottaro
