// .xls files are read in a child process: the library that decodes them
// has crashed on single changed bytes, and a crash there must cost one
// message, not the program (the window or a batch run).
#include <cerrno>
#include <csignal>
#include <cstdint>
#include <cstring>
#include <string>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include "core/text/Testo.h"
#include "masterplan/workbook/Cartella.h"

namespace nottaro::mp {

namespace {

void Numero(std::string& out, std::uint32_t n) { out.append(reinterpret_cast<const char*>(&n), sizeof n); }
void Testo(std::string& out, const std::string& t) {
    Numero(out, static_cast<std::uint32_t>(t.size()));
    out += t;
}

// The read in the form the parent takes back: the outcome, the error, then
// per sheet its name and its cells (row, column, text).
std::string Serializza(bool letto, const std::string& errore, const Cartella& c) {
    std::string out;
    Numero(out, letto ? 1 : 0);
    Testo(out, errore);
    Numero(out, static_cast<std::uint32_t>(c.Fogli.size()));
    for (const Foglio& f : c.Fogli) {
        Testo(out, f.Nome);
        std::uint32_t n = 0;
        for (const auto& [r, celle] : f.Righe) n += static_cast<std::uint32_t>(celle.size());
        Numero(out, n);
        for (const auto& [r, celle] : f.Righe)
            for (const auto& [col, t] : celle) {
                Numero(out, static_cast<std::uint32_t>(r));
                Numero(out, static_cast<std::uint32_t>(col));
                Testo(out, t);
            }
    }
    return out;
}

class Lettore {
public:
    explicit Lettore(const std::string& b) : b_(b) {}
    bool Numero(std::uint32_t& n) {
        if (b_.size() - p_ < sizeof n) return false;
        std::memcpy(&n, b_.data() + p_, sizeof n);
        p_ += sizeof n;
        return true;
    }
    bool Testo(std::string& t) {
        std::uint32_t n = 0;
        if (!Numero(n) || b_.size() - p_ < n) return false;
        t.assign(b_, p_, n);
        p_ += n;
        return true;
    }
    bool Finito() const { return p_ == b_.size(); }

private:
    const std::string& b_;
    std::size_t p_ = 0;
};

bool Deserializza(const std::string& b, bool& letto, std::string& errore, Cartella& c) {
    Lettore l(b);
    std::uint32_t esito = 0, fogli = 0;
    if (!l.Numero(esito) || !l.Testo(errore) || !l.Numero(fogli)) return false;
    letto = esito == 1;
    for (std::uint32_t k = 0; k < fogli; ++k) {
        Foglio f;
        std::uint32_t n = 0;
        if (!l.Testo(f.Nome) || !l.Numero(n)) return false;
        for (std::uint32_t i = 0; i < n; ++i) {
            std::uint32_t r = 0, col = 0;
            std::string t;
            if (!l.Numero(r) || !l.Numero(col) || !l.Testo(t)) return false;
            if (r < 1 || r > MaxRighe || col < 1 || col > MaxColonne) return false;
            f.Imposta(static_cast<int>(r), static_cast<int>(col), std::move(t));
        }
        c.Fogli.push_back(std::move(f));
    }
    return l.Finito();
}

bool ScriviTutto(int fd, const std::string& b) {
    std::size_t fatto = 0;
    while (fatto < b.size()) {
        const ssize_t n = ::write(fd, b.data() + fatto, b.size() - fatto);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        fatto += static_cast<std::size_t>(n);
    }
    return true;
}

}  // namespace

bool LeggiXls(const std::string& percorso, Cartella& cartella, std::string& errore) {
    const std::string nome = NomeFile(percorso);
    const std::string illeggibile = nome + ": the workbook cannot be read; save it as .xlsx";
    cartella.FormatoXls = true;
    int tubo[2];
    if (::pipe2(tubo, O_CLOEXEC) != 0) {
        errore = illeggibile;
        return false;
    }
    const pid_t figlio = ::fork();
    if (figlio < 0) {
        ::close(tubo[0]);
        ::close(tubo[1]);
        errore = illeggibile;
        return false;
    }
    if (figlio == 0) {
        ::close(tubo[0]);
#if !defined(__SANITIZE_ADDRESS__) && !defined(__SANITIZE_THREAD__)
        // (An address- or thread-sanitised build reserves terabytes of shadow
        // memory: under the cap its child could not even start.)
        const rlimit memoria{MaxMemoriaXls, MaxMemoriaXls};
        ::setrlimit(RLIMIT_AS, &memoria);
#endif
        const rlimit tempo{MaxSecondiXls, MaxSecondiXls};
        ::setrlimit(RLIMIT_CPU, &tempo);
        ::alarm(MaxSecondiXls);
        Cartella c;
        std::string e;
        const bool letto = LeggiXlsDiretto(percorso, c, e);
        ::_exit(ScriviTutto(tubo[1], Serializza(letto, e, c)) ? 0 : 1);
    }
    ::close(tubo[1]);
    // The child's answer, held to what the child itself could have held.
    std::string byte;
    char blocco[1 << 16];
    bool troppo = false;
    for (;;) {
        const ssize_t n = ::read(tubo[0], blocco, sizeof blocco);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        if (byte.size() + static_cast<std::size_t>(n) > MaxMemoriaXls) {
            troppo = true;
            ::kill(figlio, SIGKILL);
            break;
        }
        byte.append(blocco, static_cast<std::size_t>(n));
    }
    ::close(tubo[0]);
    int stato = 0;
    while (::waitpid(figlio, &stato, 0) < 0 && errno == EINTR) {
    }
    bool letto = false;
    std::string e;
    Cartella c;
    if (troppo || !WIFEXITED(stato) || WEXITSTATUS(stato) != 0 || !Deserializza(byte, letto, e, c)) {
        errore = illeggibile;
        return false;
    }
    if (!letto) {
        errore = e;
        return false;
    }
    c.Percorso = cartella.Percorso;
    c.FormatoXls = true;
    cartella = std::move(c);
    return true;
}

}  // namespace nottaro::mp
