#include "masterplan/workbook/Cartella.h"

#include <cmath>
#include <cstdio>

#include "core/text/Testo.h"

namespace nottaro::mp {

const std::string& Foglio::Testo(int riga, int colonna) const {
    static const std::string vuoto;
    const auto r = Righe.find(riga);
    if (r == Righe.end()) return vuoto;
    const auto c = r->second.find(colonna);
    return c == r->second.end() ? vuoto : c->second;
}

void Foglio::Imposta(int riga, int colonna, std::string testo) {
    if (riga < 1 || colonna < 1) return;
    if (testo.empty()) {
        // An emptied cell is no longer present.
        const auto r = Righe.find(riga);
        if (r == Righe.end()) return;
        r->second.erase(colonna);
        if (r->second.empty()) Righe.erase(r);
        return;
    }
    Righe[riga][colonna] = std::move(testo);
}

std::string NomeCella(int riga, int colonna) {
    std::string lettere;
    for (int c = colonna; c > 0; c = (c - 1) / 26) lettere.insert(lettere.begin(), static_cast<char>('A' + (c - 1) % 26));
    return lettere + std::to_string(riga);
}

std::string TestoData(double seriale, bool conOra, bool soloOra) {
    // 2958466 is 10000-01-01: beyond it (and before day 0) no spreadsheet
    // shows a date, and the day count would not fit the conversion.
    if (!(seriale >= 0 && seriale < 2958466)) return FormatoGenerale(seriale);
    long long giorni = static_cast<long long>(std::floor(seriale));
    long long secondi = std::llround((seriale - static_cast<double>(giorni)) * 86400.0);
    if (secondi >= 86400) {
        ++giorni;
        secondi -= 86400;
    }
    char ora[64];
    std::snprintf(ora, sizeof ora, "%02lld:%02lld:%02lld", secondi / 3600, secondi / 60 % 60, secondi % 60);
    if (soloOra) return ora;
    // Day 60 is the 29 February 1900 the 1900 system counts though it never was.
    if (giorni < 60) ++giorni;
    // Days since 1899-12-30 to a civil date.
    const long long z = giorni - 25569 + 719468;  // 25569 = 1970-01-01
    const long long era = (z >= 0 ? z : z - 146096) / 146097;
    const long long doe = z - era * 146097;
    const long long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    long long y = yoe + era * 400;
    const long long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const long long mp = (5 * doy + 2) / 153;
    const long long d = doy - (153 * mp + 2) / 5 + 1;
    const long long m = mp < 10 ? mp + 3 : mp - 9;
    if (m <= 2) ++y;
    char data[96];
    std::snprintf(data, sizeof data, "%04lld-%02lld-%02lld", y, m, d);
    return conOra ? std::string(data) + " " + ora : std::string(data);
}

bool LeggiCartella(const std::string& percorso, Cartella& cartella, std::string& errore) {
    const std::string ext = EstensioneMinuscola(percorso);
    cartella = Cartella{};
    cartella.Percorso = percorso;
    if (ext == ".xls") return LeggiXls(percorso, cartella, errore);
    if (ext == ".xlsx" || ext == ".xlsm") return LeggiXlsx(percorso, cartella, errore);
    errore = NomeFile(percorso) + ": not a workbook (.xls, .xlsx, .xlsm)";
    return false;
}

}  // namespace nottaro::mp
