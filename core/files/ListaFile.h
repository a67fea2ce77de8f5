#pragma once
// Luminaire list files (".ntr"): one photometric file path per line, the
// files an optimisation run compares. One reader, one writer and one entry
// resolver for the list window, the command line, both sweeps and the
// detailed recomputation, so a list means the same files everywhere.
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace nottaro {

// No list of luminaire files comes near this size.
inline constexpr std::uintmax_t MaxByteLista = std::uintmax_t{16} << 20;

// Every line of the list, the last one included; an empty line is an empty
// entry (the line end after the last entry adds none). A file that is valid
// UTF-8 is taken as it is, any other as Windows-1252; a leading byte-order
// mark is dropped; CR LF, LF or a lone CR end a line; blanks after an entry
// are dropped. False, leaving `voci` untouched, when the file cannot be
// read, is not a regular file of at most MaxByteLista bytes, or holds
// control codes (a UTF-16 or binary file).
bool LeggiListaNtr(const std::string& percorso, std::vector<std::string>& voci);

// Writes the entries in order, UTF-8, each line ending in CR LF. The text
// goes to a new file beside the target which then replaces it, so a failed
// write leaves the previous list whole. False with a one-line reason in
// `errore` when the folder cannot be written or the rename fails.
bool ScriviListaNtr(const std::string& percorso, const std::vector<std::string>& voci, std::string& errore);

// The file a list entry names, or "" when it cannot be found:
// 1. the entry as written, when that file exists;
// 2. a relative entry taken from the list's folder `cartellaLista`;
// 3. the entry's file name alone (after the last "/" or "\", so another
//    machine's "C:\...\ldt\name.ldt" works), letter case ignored, beside the
//    list and then in `dirProg`/ldt.
// Empty folders are skipped; an empty entry names no file.
std::string RisolviVoceLista(std::string_view voce, const std::string& cartellaLista, const std::string& dirProg);

// RisolviVoceLista for every entry of one list: each folder is scanned once
// for the letter-case search, however many entries are missing, so a long
// list of another machine's paths costs one scan per folder, not one per
// entry. Gives the same files as RisolviVoceLista while the folders stay as
// they were.
class RisolutoreLista {
public:
    RisolutoreLista(std::string cartellaLista, std::string dirProg);
    ~RisolutoreLista();
    RisolutoreLista(const RisolutoreLista&) = delete;
    RisolutoreLista& operator=(const RisolutoreLista&) = delete;
    std::string Risolvi(std::string_view voce);

private:
    struct Cartelle;
    std::string cartellaLista_, dirProg_;
    std::unique_ptr<Cartelle> cartelle_;
};

// The file called `nome` inside `cartella` whatever the letter case of the
// stored name (the exact name first); "" when there is none, when `nome` is
// empty or holds a folder part ("/", "\", "." or "..").
std::string FileInCartella(const std::string& cartella, std::string_view nome);

// Folder of a list file path ("" for a bare name).
std::string CartellaDi(const std::string& percorso);

}  // namespace nottaro
