#pragma once
// A workbook read into memory: every worksheet's cells as the texts a
// spreadsheet shows (numbers in the general format, dates as YYYY-MM-DD),
// booleans as 1 and 0, the same for .xls, .xlsx and .xlsm files. The file
// itself is only read.
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace nottaro::mp {

struct Foglio {
    std::string Nome;
    // Rows and columns from 1, as a spreadsheet counts them.
    std::vector<std::vector<std::string>> Righe;  // Righe[r - 1][c - 1]
    int NumRighe() const { return static_cast<int>(Righe.size()); }
    // The cell's text; empty outside the used range.
    const std::string& Testo(int riga, int colonna) const;
    void Imposta(int riga, int colonna, std::string testo);
};

struct Cartella {
    std::string Percorso;
    std::vector<Foglio> Fogli;
    std::vector<std::string> Avvisi;  // a formula without a stored value, named by its cell
    bool FormatoXls = false;          // read from the older binary format
};

// Reads PERCORSO by its extension (.xls with the binary reader, .xlsx and
// .xlsm as zipped XML). On failure returns false and errore holds one line:
// the file's name and the reason.
bool LeggiCartella(const std::string& percorso, Cartella& cartella, std::string& errore);

bool LeggiXls(const std::string& percorso, Cartella& cartella, std::string& errore);
bool LeggiXlsx(const std::string& percorso, Cartella& cartella, std::string& errore);

// "A1"-style name of a cell.
std::string NomeCella(int riga, int colonna);

// Serial day number of the 1900 date system to "YYYY-MM-DD" (with
// " HH:MM:SS" when conOra), or only "HH:MM:SS" when soloOra.
std::string TestoData(double seriale, bool conOra, bool soloOra);

// Values the data check writes back (a missing pole side, lanes or
// directions): kept beside the workbook and read by the run, never saved.
using Correzioni = std::map<std::pair<int, int>, std::string>;

}  // namespace nottaro::mp
