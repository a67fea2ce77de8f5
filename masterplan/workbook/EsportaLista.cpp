#include "masterplan/workbook/EsportaLista.h"

#include <xlsxwriter.h>

#include <cstdio>
#include <filesystem>

#include <unistd.h>

#include "masterplan/workbook/Cartella.h"

namespace nottaro::mp {

std::string PercorsoElenco(const std::string& cartellaProgetto) {
    std::filesystem::path p(cartellaProgetto);
    return (p.parent_path() / (p.stem().string() + "-Elenco_Progetti.xlsx")).string();
}

namespace {

// A spreadsheet cell holds at most 32,767 characters: a longer text is cut
// (at a character boundary) rather than failing the whole export.
constexpr std::size_t kMaxTestoCella = 32767;

std::string Tagliato(const std::string& testo) {
    std::size_t fine = kMaxTestoCella;
    while (fine > 0 && (static_cast<unsigned char>(testo[fine]) & 0xC0) == 0x80) --fine;
    return testo.substr(0, fine);
}

}  // namespace

bool EsportaLista(const std::vector<CelleRiga>& righe, const std::string& percorso, std::string& errore,
                  std::vector<std::string>* avvisi) {
    const std::string temporaneo = percorso + ".tmp" + std::to_string(::getpid());
    lxw_workbook* wb = workbook_new(temporaneo.c_str());
    if (!wb) {
        errore = percorso + ": cannot be created";
        return false;
    }
    lxw_worksheet* ws = workbook_add_worksheet(wb, "Elenco progetti");
    bool ok = ws != nullptr;
    auto scrivi = [&](lxw_row_t r, const CelleRiga& celle) {
        for (int c = 0; ok && c < NumColonneTabella; ++c) {
            if (celle[c].empty()) continue;
            const bool lungo = celle[c].size() > kMaxTestoCella;
            const std::string testo = lungo ? Tagliato(celle[c]) : std::string();
            if (lungo && avvisi)
                avvisi->push_back(NomeCella(static_cast<int>(r) + 1, c + 1) + ": text longer than 32767 characters, cut");
            if (worksheet_write_string(ws, r, static_cast<lxw_col_t>(c), lungo ? testo.c_str() : celle[c].c_str(),
                                       nullptr) != LXW_NO_ERROR)
                ok = false;
        }
    };
    if (ok) scrivi(0, IntestazioniTabella());
    for (std::size_t k = 0; ok && k < righe.size(); ++k) scrivi(static_cast<lxw_row_t>(k + 1), righe[k]);
    const lxw_error chiusura = workbook_close(wb);
    if (!ok || chiusura != LXW_NO_ERROR) {
        errore = percorso + ": " + (chiusura != LXW_NO_ERROR ? lxw_strerror(chiusura) : "a cell could not be written");
        std::remove(temporaneo.c_str());
        return false;
    }
    std::error_code ec;
    std::filesystem::rename(temporaneo, percorso, ec);
    if (ec) {
        errore = percorso + ": " + ec.message();
        std::remove(temporaneo.c_str());
        return false;
    }
    return true;
}

}  // namespace nottaro::mp
