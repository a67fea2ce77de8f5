#include "core/files/ListaFile.h"

#include <filesystem>
#include <map>
#include <system_error>

#include "core/files/LeggiFileRegolare.h"
#include "core/files/SostituisciFile.h"
#include "core/text/Testo.h"

namespace nottaro {
namespace {

namespace fs = std::filesystem;

bool FileRegolare(const fs::path& p) {
    std::error_code ec;
    return fs::is_regular_file(p, ec);
}

char Minuscola(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool UgualiSenzaMaiuscole(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (Minuscola(a[i]) != Minuscola(b[i])) return false;
    return true;
}

// File name after the last separator of either kind.
std::string_view UltimoNome(std::string_view voce) {
    const auto sep = voce.find_last_of("/\\");
    return sep == std::string_view::npos ? voce : voce.substr(sep + 1);
}

}  // namespace

bool LeggiListaNtr(const std::string& percorso, std::vector<std::string>& voci) {
    std::string testo;
    if (LeggiFileRegolare(percorso, MaxByteLista, testo) != EsitoLettura::Letto) return false;
    if (testo.compare(0, 3, "\xEF\xBB\xBF") == 0) testo.erase(0, 3);
    // A list is text: a UTF-16 list or a binary file holds NUL bytes (or
    // other control codes) that no path ever contains.
    for (unsigned char c : testo)
        if (c < 0x20 && c != '\t' && c != '\r' && c != '\n') return false;
    testo = DecodificaLegacy(testo);
    std::vector<std::string> lette;
    std::size_t inizio = 0;
    while (inizio < testo.size()) {
        std::size_t fine = testo.find_first_of("\r\n", inizio);
        if (fine == std::string::npos) fine = testo.size();
        std::string riga = testo.substr(inizio, fine - inizio);
        // Blanks an editor leaves after a path are no part of the name.
        while (!riga.empty() && (riga.back() == ' ' || riga.back() == '\t')) riga.pop_back();
        lette.push_back(std::move(riga));
        inizio = fine + 1;
        if (fine < testo.size() && testo[fine] == '\r' && inizio < testo.size() && testo[inizio] == '\n') ++inizio;
    }
    voci = std::move(lette);
    return true;
}

bool ScriviListaNtr(const std::string& percorso, const std::vector<std::string>& voci, std::string& errore) {
    std::string testo;
    for (const std::string& v : voci) testo += v + FineRiga;
    errore = SostituisciFile(percorso, testo);
    return errore.empty();
}

std::string FileInCartella(const std::string& cartella, std::string_view nome) {
    if (nome.empty() || nome == "." || nome == ".." || nome.find_first_of("/\\") != std::string_view::npos) return {};
    const fs::path esatto = fs::path(cartella) / std::string(nome);
    if (FileRegolare(esatto)) return esatto.string();
    std::error_code ec;
    for (fs::directory_iterator it(cartella.empty() ? fs::path(".") : fs::path(cartella), ec), fine; !ec && it != fine;
         it.increment(ec)) {
        if (UgualiSenzaMaiuscole(it->path().filename().string(), nome) && FileRegolare(it->path()))
            return it->path().string();
    }
    return {};
}

std::string RisolviVoceLista(std::string_view voce, const std::string& cartellaLista, const std::string& dirProg) {
    return RisolutoreLista(cartellaLista, dirProg).Risolvi(voce);
}

// Lower-case name -> the first regular file of that name in folder order,
// per folder, built on the first search in it.
struct RisolutoreLista::Cartelle {
    std::map<std::string, std::map<std::string, std::string>> perCartella;

    const std::map<std::string, std::string>& Di(const std::string& cartella) {
        auto [it, nuova] = perCartella.try_emplace(cartella);
        if (!nuova) return it->second;
        std::error_code ec;
        for (fs::directory_iterator d(cartella.empty() ? fs::path(".") : fs::path(cartella), ec), fine;
             !ec && d != fine; d.increment(ec)) {
            std::string chiave = d->path().filename().string();
            for (char& c : chiave) c = Minuscola(c);
            if (it->second.count(chiave) == 0 && FileRegolare(d->path()))
                it->second.emplace(std::move(chiave), d->path().string());
        }
        return it->second;
    }

    std::string Cerca(const std::string& cartella, std::string_view nome) {
        if (nome.empty() || nome == "." || nome == ".." || nome.find_first_of("/\\") != std::string_view::npos)
            return {};
        const fs::path esatto = fs::path(cartella) / std::string(nome);
        if (FileRegolare(esatto)) return esatto.string();
        std::string chiave(nome);
        for (char& c : chiave) c = Minuscola(c);
        const auto& nomi = Di(cartella);
        auto trovato = nomi.find(chiave);
        return trovato == nomi.end() ? std::string() : trovato->second;
    }
};

RisolutoreLista::RisolutoreLista(std::string cartellaLista, std::string dirProg)
    : cartellaLista_(std::move(cartellaLista)), dirProg_(std::move(dirProg)), cartelle_(std::make_unique<Cartelle>()) {}

RisolutoreLista::~RisolutoreLista() = default;

std::string RisolutoreLista::Risolvi(std::string_view voce) {
    if (Trim(voce).empty()) return {};
    const std::string scritta(voce);
    if (FileRegolare(scritta)) return scritta;
    const fs::path p(scritta);
    if (p.is_relative() && !cartellaLista_.empty() && FileRegolare(fs::path(cartellaLista_) / p))
        return (fs::path(cartellaLista_) / p).string();
    const std::string_view nome = UltimoNome(voce);
    if (!cartellaLista_.empty())
        if (std::string f = cartelle_->Cerca(cartellaLista_, nome); !f.empty()) return f;
    if (!dirProg_.empty())
        if (std::string f = cartelle_->Cerca((fs::path(dirProg_) / "ldt").string(), nome); !f.empty()) return f;
    return {};
}

std::string CartellaDi(const std::string& percorso) { return fs::path(percorso).parent_path().string(); }

}  // namespace nottaro
