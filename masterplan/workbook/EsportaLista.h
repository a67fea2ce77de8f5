#pragma once
// The result table written to a new workbook beside the project workbook.
#include <string>
#include <vector>

#include "masterplan/TabellaMP.h"

namespace nottaro::mp {

// PROJECT less its extension + "-Elenco_Progetti.xlsx"; a workbook of
// another format has it in the name too (mp.xls: mp-xls-Elenco_Progetti.xlsx).
std::string PercorsoElenco(const std::string& cartellaProgetto);

// Where the rows finished by an interrupted run go: the export's name with
// "-parziale", never a complete export's name. Without `sostituisci` an
// existing file keeps its place and the name takes a number (-parziale-2...).
std::string PercorsoElencoParziale(const std::string& percorso, bool sostituisci);

// Writes the header and rows as text cells of the sheet "Elenco progetti"
// (table row r, column c at worksheet row r + 1, column c + 1), first to a
// temporary file in the same folder, then renamed over `percorso`: an
// existing file is replaced only by a complete one. False with errore set
// on failure (no file left behind). A text above a cell's 32,767 characters
// is cut, and the cell named in `avvisi` when given.
bool EsportaLista(const std::vector<CelleRiga>& righe, const std::string& percorso, std::string& errore,
                  std::vector<std::string>* avvisi = nullptr);

}  // namespace nottaro::mp
