#pragma once
// A workbook read into memory: every worksheet's cells as the texts a
// spreadsheet shows (numbers in the general format, dates as YYYY-MM-DD),
// booleans as 1 and 0, the same for .xls, .xlsx and .xlsm files. The file
// itself is only read.
#include <cstddef>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace nottaro::mp {

struct Foglio {
    std::string Nome;
    // Rows and columns from 1, as a spreadsheet counts them. Only the cells
    // present are kept, so a sheet costs memory by its cells, not by how far
    // from A1 its last cell lies.
    std::map<int, std::map<int, std::string>> Righe;  // Righe[r][c]
    // The last row holding a cell (0 for an empty sheet).
    int NumRighe() const { return Righe.empty() ? 0 : Righe.rbegin()->first; }
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

// The .xls library can crash on a damaged file: LeggiXls runs the read in a
// child process with an address-space and a time limit and takes the cells
// back through a pipe; a crash, a limit or a timeout of the child is one
// message naming the file. LeggiXlsDiretto is the read itself, in-process.
bool LeggiXls(const std::string& percorso, Cartella& cartella, std::string& errore);
bool LeggiXlsDiretto(const std::string& percorso, Cartella& cartella, std::string& errore);
inline constexpr unsigned long long MaxMemoriaXls = 1ull << 30;  // bytes of address space for the child
inline constexpr unsigned MaxSecondiXls = 60;
bool LeggiXlsx(const std::string& percorso, Cartella& cartella, std::string& errore);

// No part of an .xlsx file (a sheet, the shared strings) is unpacked beyond
// this; the shared strings together are held to it as well.
inline constexpr std::size_t MaxByteParte = std::size_t{64} << 20;

// The sheet's bounds: column XFD, row 1,048,576.
inline constexpr int MaxColonne = 16384;
inline constexpr int MaxRighe = 1048576;

// "A1"-style name of a cell.
std::string NomeCella(int riga, int colonna);

// Serial day number of the 1900 date system to "YYYY-MM-DD" (with
// " HH:MM:SS" when conOra), or only "HH:MM:SS" when soloOra. A number
// outside the dates a spreadsheet shows (before day 0 or after 9999-12-31)
// is given as a number in the general format.
std::string TestoData(double seriale, bool conOra, bool soloOra);

// Values the data check writes back (a missing pole side, lanes or
// directions): kept beside the workbook and read by the run, never saved.
using Correzioni = std::map<std::pair<int, int>, std::string>;

}  // namespace nottaro::mp
