// .xls (BIFF) through FreeXL: it gives numbers, texts and dates, but neither
// formulas nor booleans (those cells read as empty).
#include <freexl.h>

#include "core/text/Testo.h"
#include "masterplan/workbook/Cartella.h"

namespace nottaro::mp {

namespace {

std::string Motivo(int codice) {
    switch (codice) {
    case FREEXL_FILE_NOT_FOUND: return "file not found";
    case FREEXL_INSUFFICIENT_MEMORY: return "out of memory";
    case FREEXL_INVALID_CFBF_HEADER: return "not an .xls workbook";
    case FREEXL_CRAFTED_FILE: return "damaged workbook";
    default: return "not a readable .xls workbook (code " + std::to_string(codice) + ")";
    }
}

}  // namespace

bool LeggiXlsDiretto(const std::string& percorso, Cartella& cartella, std::string& errore) {
    const std::string nome = NomeFile(percorso);
    cartella.FormatoXls = true;
    const void* h = nullptr;
    int rc = freexl_open(percorso.c_str(), &h);
    if (rc != FREEXL_OK) {
        if (h) freexl_close(h);
        errore = nome + ": " + Motivo(rc);
        return false;
    }
    unsigned int fogli = 0;
    rc = freexl_get_info(h, FREEXL_BIFF_SHEET_COUNT, &fogli);
    for (unsigned short f = 0; rc == FREEXL_OK && f < fogli; ++f) {
        Foglio foglio;
        const char* n = nullptr;
        if (freexl_get_worksheet_name(h, f, &n) == FREEXL_OK && n) foglio.Nome = n;
        unsigned int righe = 0;
        unsigned short colonne = 0;
        rc = freexl_select_active_worksheet(h, f);
        if (rc == FREEXL_OK) rc = freexl_worksheet_dimensions(h, &righe, &colonne);
        for (unsigned int r = 0; rc == FREEXL_OK && r < righe; ++r)
            for (unsigned short c = 0; rc == FREEXL_OK && c < colonne; ++c) {
                FreeXL_CellValue v;
                rc = freexl_get_cell_value(h, r, c, &v);
                if (rc != FREEXL_OK) break;
                std::string testo;
                switch (v.type) {
                case FREEXL_CELL_INT: testo = FormatoGenerale(static_cast<double>(v.value.int_value)); break;
                case FREEXL_CELL_DOUBLE: testo = FormatoGenerale(v.value.double_value); break;
                case FREEXL_CELL_TEXT:
                case FREEXL_CELL_SST_TEXT:
                case FREEXL_CELL_DATE:
                case FREEXL_CELL_DATETIME:
                case FREEXL_CELL_TIME:
                    if (v.value.text_value) testo = v.value.text_value;
                    break;
                default: break;
                }
                if (!testo.empty()) foglio.Imposta(static_cast<int>(r) + 1, c + 1, std::move(testo));
            }
        cartella.Fogli.push_back(std::move(foglio));
    }
    freexl_close(h);
    if (rc != FREEXL_OK) {
        errore = nome + ": " + Motivo(rc);
        return false;
    }
    if (cartella.Fogli.empty()) {
        errore = nome + ": the workbook has no worksheet";
        return false;
    }
    return true;
}

}  // namespace nottaro::mp
