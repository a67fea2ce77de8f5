#pragma once
// The photometric data of one luminaire as the Masterplan prints it: its
// data page and its intensity table in blocks of 32 C planes by 75 gamma
// angles.
#include <string>

#include "core/photometry/Fotometria.h"
#include "report/DatiReport.h"
#include "report/PaginaReport.h"

namespace nottaro::mp {

inline constexpr int PianiPerBlocco = 32;
inline constexpr int AngoliPerBlocco = 75;

// Headings, identification, sizes, photometric information, lamp sets and
// the luminaire photograph `fotoApp` (empty: none).
void StampaDatiFotometrici(PaginaReport& pg, const Fotometria& f, const std::string& fotoApp);

// One page of the intensity table, block (bc, br) of the Ceil(NumC / 32) x
// Ceil(NumG / 75) blocks: "Fotometrica: " and the file name at (65 mm,
// 25 mm), the block's C angles across in bold, its gamma angles down, the
// intensities in cd/klm as stored.
void StampaTabellaIntensita(PaginaReport& pg, const Fotometria& f, const std::string& nome, int bc, int br);

}  // namespace nottaro::mp
