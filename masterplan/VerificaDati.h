#pragma once
// The data check of a project workbook: every row's texts are tested, bad
// values marked with "?", a few missing values of paths corrected (in an
// overlay the run reads; the workbook is never written), and the rows with
// data errors or unknown applications listed.
#include <string>
#include <vector>

#include "core/interaction/Riscontro.h"
#include "masterplan/ColonneMP.h"
#include "masterplan/TabellaMP.h"

namespace nottaro::mp {

enum class FineVerifica {
    Pulito,                // 1: nothing listed, the run may start at once
    SoloNonRiconosciute,   // 2: only rows with an unknown application listed
    DaSistemare,           // 3: rows with data errors listed
    Trattino,              // a "-" in a numeric column stopped the check
};

struct RigaElencata {
    CelleRiga Celle;             // the row's texts with their marks
    int RigaFoglio = 0;
    bool ErroreDati = false;     // false: only the application is unknown
};

struct EsitoVerifica {
    FineVerifica Fine = FineVerifica::Pulito;
    std::string Messaggio;       // the end message (empty for Pulito)
    std::vector<RigaElencata> Elencate;
    Correzioni Corretti;         // cells set by the check: DX, 1, 2
    int Esaminate = 0;           // rows examined
    bool Interrotta = false;     // stopped on request: nothing else here is to be used
};

// The accepted class codes, the ten applications and the eight sources (lower case).
bool ClasseAccettata(const std::string& minuscolo);
bool ApplicazioneNota(const std::string& minuscolo);
bool SorgenteNota(const std::string& minuscolo);

// Checks rows from PrimaRigaMP to the sheet's last row; the examination stops
// early after an empty application followed by another. formatoXls adds to the
// end message the advice to save as .xlsx when needed cells were empty.
// `riscontro`, when given, gets the rows examined as progress and may stop
// the check between rows.
EsitoVerifica VerificaDati(const Foglio& foglio, const MappaColonne& m, bool formatoXls, int lingua,
                           Riscontro* riscontro = nullptr);

}  // namespace nottaro::mp
