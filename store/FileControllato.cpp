#include "store/FileControllato.h"

#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstring>

namespace nottaro::dbf {
namespace {

struct File {
    std::FILE* f = nullptr;
    int errore = 0;  // errno of the first failure, 0 while none
};

File* F(SAFile s) { return reinterpret_cast<File*>(s); }

void Segna(File* f) {
    if (f->errore == 0) f->errore = errno != 0 ? errno : EIO;
}

SAFile Apri(const char* nome, const char* modo) {
    std::FILE* f = std::fopen(nome, modo);
    if (!f) return nullptr;
    return reinterpret_cast<SAFile>(new File{f, 0});
}

SAOffset Leggi(void* p, SAOffset dimensione, SAOffset quanti, SAFile s) {
    File* f = F(s);
    errno = 0;
    const std::size_t n = std::fread(p, dimensione, quanti, f->f);
    // A short read leaves the engine's buffer half filled: whatever it would
    // write back from it must not reach the file.
    if (n != quanti) {
        if (std::ferror(f->f) == 0) errno = EIO;
        Segna(f);
    }
    return n;
}

SAOffset Scrivi(void* p, SAOffset dimensione, SAOffset quanti, SAFile s) {
    File* f = F(s);
    if (f->errore != 0) return 0;
    errno = 0;
    const std::size_t n = std::fwrite(p, dimensione, quanti, f->f);
    if (n != quanti) Segna(f);
    return n;
}

SAOffset Posiziona(SAFile s, SAOffset posizione, int da) {
    File* f = F(s);
    errno = 0;
    // Moving flushes what was written before: a full disk shows here.
    if (std::fseek(f->f, static_cast<long>(posizione), da) != 0) {
        Segna(f);
        return static_cast<SAOffset>(-1);
    }
    return 0;
}

SAOffset Posizione(SAFile s) { return static_cast<SAOffset>(std::ftell(F(s)->f)); }

int Scarica(SAFile s) {
    File* f = F(s);
    errno = 0;
    if (std::fflush(f->f) != 0) {
        Segna(f);
        return EOF;
    }
    return f->errore != 0 ? EOF : 0;
}

int Chiudi(SAFile s) {
    File* f = F(s);
    const int esito = std::fclose(f->f);
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
    return f && f->errore != 0 ? std::string(std::strerror(f->errore)) : std::string();
}

}  // namespace nottaro::dbf
