#pragma once
// The project workbook's header row (row 2) and the texts of one data row.
#include <array>
#include <string>
#include <vector>

#include "masterplan/workbook/Cartella.h"

namespace nottaro::mp {

enum ColonnaMP {
    CIdentificativo, CVia, CApplicazione, CAltezza, CAvanzamento, CClasse, CLargSx, CTipoSx, CLarghezza, CTipoDx,
    CLargDx, CDisposizione, CPosPalo, CCorsie, CSenso, CLR17, CDescrizione, CSorgente, CPotenza, CInterdistanza,
    CModello, NumColonneMP
};

inline constexpr int RigaIntestazioneMP = 2;
inline constexpr int PrimaRigaMP = 3;

struct MappaColonne {
    std::array<int, NumColonneMP> Col{};  // sheet column of each header, 0 when absent
    std::vector<ColonnaMP> Mancanti;      // required headers not found, in the message's order
};

// Compares row 2, columns 1..180, with the header names (whole, exact text);
// a header keeps the first column that carries its name.
MappaColonne MappaColonneMP(const Foglio& foglio);

// "Non è stata trovata ..." followed by the labels of the missing headers.
std::string TestoColonneMancanti(const MappaColonne& m, int lingua);

// The texts of one data row (trimmed), after the check's corrections.
struct RigaMP {
    int RigaFoglio = 0;
    std::array<std::string, NumColonneMP> T;
    const std::string& operator[](ColonnaMP c) const { return T[c]; }
    std::string& operator[](ColonnaMP c) { return T[c]; }
};

RigaMP LeggiRigaMP(const Foglio& foglio, const MappaColonne& m, const Correzioni& corr, int riga);

// Lower-case copy (ASCII letters only: the codes compared are ASCII).
std::string Minuscolo(std::string s);
// A decimal comma made a point.
std::string ConPunto(std::string s);

}  // namespace nottaro::mp
