#include "store/FileControllato.h"
#include "store/MotivoSistema.h"

#include <cerrno>
#include <charconv>
#include <cstdio>
#include <algorithm>
#include <cstring>
#include <string>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace nottaro::dbf {
namespace {

// A file by its descriptor and the position the engine last moved to.
// Writes that follow one another are gathered and handed to the kernel in one
// pwrite when the engine moves elsewhere, reads or flushes, so a row and its
// end-of-file mark go out together; the header's first bytes are kept, since
// every row rereads them only to write them back with the new count. Every
// flush the table makes after a row (the header's) pushes everything out, and
// its failure is kept like any other.
// Reads go ahead by a block: the engine reads one record at a time, and a
// browser scanning 65,000 rows would otherwise make a system call for each.
// Any write drops the block, so what is read back is what was written.
constexpr off_t Testa = 32;
constexpr std::size_t BloccoLettura = 1u << 16;

struct File {
    int fd = -1;
    off_t posizione = 0;
    int errore = 0;  // errno of the first failure, 0 while none
    std::string attesa;  // written bytes not yet handed to the kernel
    off_t inizioAttesa = 0;
    char testa[Testa] = {};
    bool testaNota = false;
    std::string letti;  // bytes read ahead from inizioLetti on
    off_t inizioLetti = 0;
};

File* F(SAFile s) { return reinterpret_cast<File*>(s); }

void Segna(File* f, int e) {
    if (f->errore == 0) f->errore = e != 0 ? e : EIO;
}

void Svuota(File* f) {
    std::size_t scritti = 0;
    while (f->errore == 0 && scritti < f->attesa.size()) {
        const ssize_t n = ::pwrite(f->fd, f->attesa.data() + scritti, f->attesa.size() - scritti,
                                   f->inizioAttesa + static_cast<off_t>(scritti));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) Segna(f, n < 0 ? errno : ENOSPC);
        else scritti += static_cast<std::size_t>(n);
    }
    f->attesa.clear();
}

SAFile Apri(const char* nome, const char* modo) {
    // The engine's stdio modes: "rb", "rb+"/"r+b", "wb+"/"w+b".
    const bool aggiorna = std::strchr(modo, '+') != nullptr;
    int flag = O_CLOEXEC;
    if (modo[0] == 'w') flag |= O_CREAT | O_TRUNC | (aggiorna ? O_RDWR : O_WRONLY);
    else flag |= aggiorna ? O_RDWR : O_RDONLY;
    const int fd = ::open(nome, flag, 0666);
    if (fd < 0) return nullptr;
    auto* f = new File;
    f->fd = fd;
    return reinterpret_cast<SAFile>(f);
}

SAOffset Leggi(void* p, SAOffset dimensione, SAOffset quanti, SAFile s) {
    File* f = F(s);
    const std::size_t totale = dimensione * quanti;
    if (f->testaNota && f->posizione >= 0 && f->posizione + static_cast<off_t>(totale) <= Testa) {
        std::memcpy(p, f->testa + f->posizione, totale);
        f->posizione += static_cast<off_t>(totale);
        return quanti;
    }
    // What was written must be readable back.
    if (!f->attesa.empty() && f->inizioAttesa < f->posizione + static_cast<off_t>(totale) &&
        f->posizione < f->inizioAttesa + static_cast<off_t>(f->attesa.size()))
        Svuota(f);
    const off_t da = f->posizione;
    const bool nelBlocco = da >= f->inizioLetti &&
                           da + static_cast<off_t>(totale) <= f->inizioLetti + static_cast<off_t>(f->letti.size());
    if (!nelBlocco) {
        // Bytes still waiting to be written would be read ahead stale from the disk.
        if (!f->attesa.empty()) Svuota(f);
        f->inizioLetti = da;
        f->letti.resize(std::max(totale, BloccoLettura));
        std::size_t n = 0;
        errno = 0;
        while (n < f->letti.size()) {
            const ssize_t k = ::pread(f->fd, f->letti.data() + n, f->letti.size() - n, da + static_cast<off_t>(n));
            if (k < 0 && errno == EINTR) continue;
            if (k <= 0) break;
            n += static_cast<std::size_t>(k);
        }
        f->letti.resize(n);
    }
    const std::size_t disponibili = static_cast<std::size_t>(f->inizioLetti + static_cast<off_t>(f->letti.size()) - da);
    const std::size_t letti = std::min(totale, disponibili);
    std::memcpy(p, f->letti.data() + (da - f->inizioLetti), letti);
    f->posizione += static_cast<off_t>(letti);
    // A short read leaves the engine's buffer half filled: whatever it would
    // write back from it must not reach the file.
    if (letti != totale) Segna(f, errno);
    else if (da == 0 && totale >= static_cast<std::size_t>(Testa)) {
        std::memcpy(f->testa, p, Testa);
        f->testaNota = true;
    }
    return dimensione == 0 ? 0 : letti / dimensione;
}

SAOffset Scrivi(void* p, SAOffset dimensione, SAOffset quanti, SAFile s) {
    File* f = F(s);
    if (f->errore != 0) return 0;
    const std::size_t totale = dimensione * quanti;
    f->letti.clear();
    if (!f->attesa.empty() && f->posizione != f->inizioAttesa + static_cast<off_t>(f->attesa.size())) Svuota(f);
    if (f->errore != 0) return 0;
    if (f->attesa.empty()) f->inizioAttesa = f->posizione;
    const char* c = static_cast<const char*>(p);
    f->attesa.append(c, totale);
    // The kept header follows what is written over it.
    if (f->posizione < Testa) {
        const off_t fine = std::min<off_t>(Testa, f->posizione + static_cast<off_t>(totale));
        std::memcpy(f->testa + f->posizione, c, static_cast<std::size_t>(fine - f->posizione));
        f->testaNota = f->testaNota || (f->posizione == 0 && fine == Testa);
    }
    f->posizione += static_cast<off_t>(totale);
    if (f->attesa.size() >= (1u << 16)) Svuota(f);
    return quanti;
}

SAOffset Posiziona(SAFile s, SAOffset posizione, int da) {
    File* f = F(s);
    off_t base = 0;
    if (da == SEEK_CUR) base = f->posizione;
    else if (da == SEEK_END) {
        Svuota(f);
        struct stat st {};
        if (::fstat(f->fd, &st) != 0) {
            Segna(f, errno);
            return static_cast<SAOffset>(-1);
        }
        base = st.st_size;
    }
    f->posizione = base + static_cast<off_t>(posizione);
    return 0;
}

SAOffset Posizione(SAFile s) { return static_cast<SAOffset>(F(s)->posizione); }

int Scarica(SAFile s) {
    File* f = F(s);
    Svuota(f);
    return f->errore != 0 ? EOF : 0;
}

int Chiudi(SAFile s) {
    File* f = F(s);
    Svuota(f);
    const int esito = ::close(f->fd);
    delete f;
    return esito;
}

int Rimuovi(const char* nome) { return std::remove(nome); }

// The engine's own complaints: every failure is found from the file state
// and reported by the table with its context.
void Errore(const char*) {}

// Numbers are read with "." whatever the C library's locale.
double Numero(const char* s) {
    while (*s == ' ') ++s;
    if (*s == '+') ++s;
    double x = 0;
    std::from_chars(s, s + std::strlen(s), x);
    return x;
}

}  // namespace

bool ScriviOra(SAFile s, std::uint64_t posizione, const char* dati, std::size_t n) {
    File* f = F(s);
    Svuota(f);
    f->letti.clear();
    std::size_t scritti = 0;
    const auto da = static_cast<off_t>(posizione);
    while (f->errore == 0 && scritti < n) {
        const ssize_t k = ::pwrite(f->fd, dati + scritti, n - scritti, da + static_cast<off_t>(scritti));
        if (k < 0 && errno == EINTR) continue;
        if (k <= 0) Segna(f, k < 0 ? errno : ENOSPC);
        else scritti += static_cast<std::size_t>(k);
    }
    f->posizione = da + static_cast<off_t>(scritti);
    return f->errore == 0;
}

bool TroncaARighe(SAFile s, std::uint32_t righe, std::uint64_t fine) {
    File* f = F(s);
    const unsigned char b[4] = {static_cast<unsigned char>(righe), static_cast<unsigned char>(righe >> 8u),
                                static_cast<unsigned char>(righe >> 16u), static_cast<unsigned char>(righe >> 24u)};
    f->attesa.clear();
    f->letti.clear();
    std::memcpy(f->testa + 4, b, sizeof b);
    ssize_t k;
    do k = ::pwrite(f->fd, b, sizeof b, 4);
    while (k < 0 && errno == EINTR);
    int t;
    do t = ::ftruncate(f->fd, static_cast<off_t>(fine));
    while (t != 0 && errno == EINTR);
    return k == static_cast<ssize_t>(sizeof b) && t == 0;
}

SAHooks HookControllati() {
    SAHooks h{};
    h.FOpen = Apri;
    h.FRead = Leggi;
    h.FWrite = Scrivi;
    h.FSeek = Posiziona;
    h.FTell = Posizione;
    h.FFlush = Scarica;
    h.FClose = Chiudi;
    h.Remove = Rimuovi;
    h.Error = Errore;
    h.Atof = Numero;
    return h;
}

std::string ErroreFile(SAFile file) {
    const File* f = F(file);
    return f ? MotivoSistema(f->errore) : std::string();
}

}  // namespace nottaro::dbf
