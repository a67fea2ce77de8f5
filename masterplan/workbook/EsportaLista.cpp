#include "masterplan/workbook/EsportaLista.h"

#include <xlsxwriter.h>

#include <cctype>
#include <filesystem>
#include <system_error>

#include "core/files/SostituisciFile.h"

#include "masterplan/workbook/Cartella.h"

namespace nottaro::mp {

std::string PercorsoElenco(const std::string& cartellaProgetto) {
    std::filesystem::path p(cartellaProgetto);
    // mp.xls and mp.xlsx beside each other are two projects: their exports
    // must not take each other's place.
    std::string formato = p.extension().string();
    for (auto& c : formato) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    const std::string distinto = formato.empty() || formato == ".xlsx" ? "" : "-" + formato.substr(1);
    return (p.parent_path() / (p.stem().string() + distinto + "-Elenco_Progetti.xlsx")).string();
}

std::string PercorsoElencoParziale(const std::string& percorso, bool sostituisci) {
    namespace fs = std::filesystem;
    const fs::path p(percorso);
    const std::string base = (p.parent_path() / (p.stem().string() + "-parziale")).string();
    std::string nome = base + ".xlsx";
    std::error_code ec;
    for (int n = 2; !sostituisci && fs::exists(fs::symlink_status(nome, ec)); ++n)
        nome = base + "-" + std::to_string(n) + ".xlsx";
    return nome;
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
    errore = SostituisciFile(
        percorso,
        [&](const std::string& temporaneo) -> std::string {
            lxw_workbook* wb = workbook_new(temporaneo.c_str());
            if (!wb) return percorso + ": cannot be created";
            lxw_worksheet* ws = workbook_add_worksheet(wb, "Elenco progetti");
            bool ok = ws != nullptr;
            auto scrivi = [&](lxw_row_t r, const CelleRiga& celle) {
                for (int c = 0; ok && c < NumColonneTabella; ++c) {
                    if (celle[c].empty()) continue;
                    const bool lungo = celle[c].size() > kMaxTestoCella;
                    const std::string testo = lungo ? Tagliato(celle[c]) : std::string();
                    if (lungo && avvisi)
                        avvisi->push_back(NomeCella(static_cast<int>(r) + 1, c + 1) +
                                          ": text longer than 32767 characters, cut");
                    if (worksheet_write_string(ws, r, static_cast<lxw_col_t>(c),
                                               lungo ? testo.c_str() : celle[c].c_str(), nullptr) != LXW_NO_ERROR)
                        ok = false;
                }
            };
            if (ok) scrivi(0, IntestazioniTabella());
            for (std::size_t k = 0; ok && k < righe.size(); ++k) scrivi(static_cast<lxw_row_t>(k + 1), righe[k]);
            const lxw_error chiusura = workbook_close(wb);
            if (!ok || chiusura != LXW_NO_ERROR)
                return percorso + ": " +
                       (chiusura != LXW_NO_ERROR ? lxw_strerror(chiusura) : "a cell could not be written");
            return {};
        },
        ".xlsx");
    return errore.empty();
}

}  // namespace nottaro::mp
