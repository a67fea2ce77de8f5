#include "core/files/ListaFile.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

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
    if (!FileRegolare(percorso)) return false;
    std::ifstream in(percorso, std::ios::binary);
    if (!in) return false;
    std::string testo((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) return false;
    if (testo.compare(0, 3, "\xEF\xBB\xBF") == 0) testo.erase(0, 3);
    testo = DecodificaLegacy(testo);
    std::vector<std::string> lette;
    std::size_t inizio = 0;
    while (inizio < testo.size()) {
        std::size_t fine = testo.find('\n', inizio);
        if (fine == std::string::npos) fine = testo.size();
        std::string riga = testo.substr(inizio, fine - inizio);
        if (!riga.empty() && riga.back() == '\r') riga.pop_back();
        lette.push_back(std::move(riga));
        inizio = fine + 1;
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
    if (Trim(voce).empty()) return {};
    const std::string scritta(voce);
    if (FileRegolare(scritta)) return scritta;
    const fs::path p(scritta);
    if (p.is_relative() && !cartellaLista.empty() && FileRegolare(fs::path(cartellaLista) / p))
        return (fs::path(cartellaLista) / p).string();
    const std::string_view nome = UltimoNome(voce);
    if (!cartellaLista.empty())
        if (std::string f = FileInCartella(cartellaLista, nome); !f.empty()) return f;
    if (!dirProg.empty())
        if (std::string f = FileInCartella((fs::path(dirProg) / "ldt").string(), nome); !f.empty()) return f;
    return {};
}

std::string CartellaDi(const std::string& percorso) { return fs::path(percorso).parent_path().string(); }

}  // namespace nottaro
