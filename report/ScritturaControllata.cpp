#include "report/ScritturaControllata.h"

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <unistd.h>

namespace nottaro {

ScritturaControllata::ScritturaControllata(const std::string& percorso) {
    fd_ = ::open(percorso.c_str(), O_WRONLY | O_TRUNC | O_NOFOLLOW | O_CLOEXEC);
    if (fd_ < 0) errore_ = std::strerror(errno);
    else QIODevice::open(QIODevice::WriteOnly | QIODevice::Unbuffered);
}

ScritturaControllata::~ScritturaControllata() {
    if (fd_ >= 0) ::close(fd_);
}

qint64 ScritturaControllata::writeData(const char* dati, qint64 n) {
    if (!errore_.empty() || fd_ < 0) return -1;
    qint64 fatto = 0;
    while (fatto < n) {
        const ssize_t k = ::write(fd_, dati + fatto, static_cast<std::size_t>(n - fatto));
        if (k < 0 && errno == EINTR) continue;
        if (k <= 0) {
            errore_ = k < 0 ? std::strerror(errno) : "nothing written";
            return -1;
        }
        fatto += k;
    }
    return fatto;
}

std::string ScritturaControllata::Chiudi() {
    QIODevice::close();
    if (fd_ >= 0) {
        if (::fsync(fd_) != 0 && errore_.empty()) errore_ = std::strerror(errno);
        if (::close(fd_) != 0 && errore_.empty()) errore_ = std::strerror(errno);
        fd_ = -1;
    }
    return errore_;
}

}  // namespace nottaro
