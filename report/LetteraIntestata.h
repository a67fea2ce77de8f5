#pragma once
// The letterhead file (.LP): a fixed record of 679 bytes, no header, texts in
// Windows-1252, each field a length byte followed by its characters:
//   Societa 0 (81), Unita 81 (81), Indirizzo 162 (81), Indirizzo2 243 (81),
//   Localita 324 (81), Telefono 405 (21), Fax 426 (21), Operatore 447 (81),
//   Logo 528 (151: length byte + the name padded with blanks to 150).
// Plain C++: the start-up load, the letterhead dialog and the command line
// share it.
#include <cstddef>
#include <string>
#include <string_view>

#include "core/interaction/Interazione.h"
#include "core/state/Intestazione.h"
#include "core/state/StatoProgetto.h"

namespace nottaro {

inline constexpr std::size_t DimensioneLP = 679;

// Characters each field holds (the Windows-1252 bytes after its length byte).
struct CampoLP {
    std::size_t inizio, capacita;
};
inline constexpr CampoLP CampiLP[9] = {{0, 80},   {81, 80},  {162, 80}, {243, 80}, {324, 80},
                                       {405, 20}, {426, 20}, {447, 80}, {528, 150}};

// A record decoded. A length byte above its field's capacity is clamped to
// it; a record shorter than 679 bytes gives the missing fields empty.
struct RecordLP {
    Intestazione intest;      // Logo by its length byte
    std::string logoInUso;    // the 150 logo characters up to the last non-blank (inner blanks kept)
    bool corto = false;       // fewer than 679 bytes
    // A logo name that would leave the letterhead's folder (a folder part,
    // "..", an absolute path): logoInUso is then empty and this holds the name.
    std::string logoRifiutato;
};
RecordLP DecodificaLP(std::string_view byte);

// The 679 bytes of `i` with `logo` as the logo name: each text converted to
// Windows-1252 and cut to its field's capacity; the logo padded with blanks.
std::string CodificaLP(const Intestazione& i, const std::string& logo);

struct LetturaLP {
    bool letto = false;       // false: not a regular file of a letterhead's size, or unreadable
    RecordLP record;
};
LetturaLP LeggiLP(const std::string& percorso);

// Writes the record to a new file in the same folder renamed over
// `percorso`, so a failure leaves an existing letterhead as it was. Empty on
// success, else the reason.
std::string ScriviLP(const std::string& percorso, const Intestazione& i, const std::string& logo);

// DirProg + "Intestazioni" + separator: the letterhead folder when none has
// been chosen yet.
std::string CartellaIntestazioni(const StatoProgetto& s);

// Start-up: loads DirProg/Intestazioni/custom.LP into s.Intest, DirIntest and
// LogoIntest (up to the last non-blank of the Logo field). A missing file
// leaves the three empty; a short one loads what is there and warns naming it.
void CaricaIntestazione(StatoProgetto& s, Interazione& ui);

// Trailing blanks removed (what the report and the dialog compare).
std::string SenzaBlanchiFinali(std::string_view t);

}  // namespace nottaro
