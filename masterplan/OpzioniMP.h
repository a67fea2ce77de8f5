#pragma once
// Settings of a Masterplan run, taken from a snapshot of the design state
// and the Masterplan window's own settings. Nothing writes the state back.
#include <string>

#include "core/state/StatoProgetto.h"
#include "engine/comune/IndicatoriEnergia.h"

namespace nottaro::mp {

// %, the excess over LmMin / EmMin a Masterplan run accepts: the batch keeps
// every solution that lights the class, however generously.
inline constexpr double ErrLmMasterplan = 150, ErrEmMasterplan = 200;

// Writes them into the design state, as a Masterplan run starts.
void ImpostaErrMasterplan(StatoProgetto& s);

struct OpzioniMP {
    double Deprezz = 0.8;        // maintenance factor (roads and paths alike)
    double FattRiduzione = 1.0;  // flux reduction, 0.7 = 30 % less
    double TaglioAli = 7;        // %, raises the lower bound of Lm / Em
    int OpzioneStrisce = 1;      // 0 none, 1 shown, 2 blocking on Em, 3 blocking on Em and Emin
    int M = 0;                   // relaxations of the strip reference (options 2, 3)
    double StepInt = 0.5;        // m, spacing step
    bool TutteLampade = false;   // every lamp set of each file
    bool TuttiRisultati = false; // retain candidates that fail the class
    int TipoLimite = 0;          // 0 none, 1 fixed spacing, 2 minimum m, 3 minimum spacing/height
    double ValLimite = 0;
    double ErrLm = ErrLmMasterplan, ErrEm = ErrEmMasterplan;
    int EdizioneEN = 0;          // class tables: 0 the program's, 1 EN 13201-2:2015
    ProfiloEsercizio Profilo{4200};  // year's operation for the energy indicator De
    std::string DirLdtMaster;    // folder of the photometric files
    int Lingua = 1;              // language of the messages
};

// The design state's values; the window's settings keep their defaults.
OpzioniMP OpzioniDaStato(const StatoProgetto& s);

// "" when every setting lies in its range, else one line naming the first
// that does not and its range: the maintenance factor and the limit value
// by the design values' own ranges, the flux reduction in (0, 1], the wing
// cut in [0, 100] %, the strip option 0-3, the relaxations 0-2 and the
// worker threads 0 (every core) to MaxThreadMP, the edition 0 or 1 and the
// profile's hours (0 to a year's 8784, the dimmed ones together with the full
// ones at most a year) and power fractions 0..1. A value that is not a
// finite number is always outside.
inline constexpr int MaxThreadMP = 1024;
std::string VerificaOpzioniMP(const OpzioniMP& o, int thread);

}  // namespace nottaro::mp
