#include "masterplan/workbook/EsportaLista.h"

#include <xlsxwriter.h>

#include <cstdio>
#include <filesystem>

#include <unistd.h>

namespace nottaro::mp {

std::string PercorsoElenco(const std::string& cartellaProgetto) {
    std::filesystem::path p(cartellaProgetto);
    return (p.parent_path() / (p.stem().string() + "-Elenco_Progetti.xlsx")).string();
}

bool EsportaLista(const std::vector<CelleRiga>& righe, const std::string& percorso, std::string& errore) {
    const std::string temporaneo = percorso + ".tmp" + std::to_string(::getpid());
    lxw_workbook* wb = workbook_new(temporaneo.c_str());
    if (!wb) {
        errore = percorso + ": cannot be created";
        return false;
    }
    lxw_worksheet* ws = workbook_add_worksheet(wb, "Elenco progetti");
    bool ok = ws != nullptr;
    auto scrivi = [&](lxw_row_t r, const CelleRiga& celle) {
        for (int c = 0; ok && c < NumColonneTabella; ++c)
            if (!celle[c].empty() &&
                worksheet_write_string(ws, r, static_cast<lxw_col_t>(c), celle[c].c_str(), nullptr) != LXW_NO_ERROR)
                ok = false;
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
