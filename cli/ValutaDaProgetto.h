#pragma once
// What `evaluate` and `report` share: loading a project file, the options
// that change it (another photometry, lamp set, class, --set values) and the
// evaluation of its fixed geometry.
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/interaction/Interazione.h"
#include "core/state/StatoProgetto.h"
#include "engine/progetto/ValutaProgetto.h"

namespace CLI { class App; }

namespace nottaro::cli {

struct OpzioniProgetto {
    std::string progetto;
    std::string fotometria;
    std::optional<int> lampada;       // 1-based, as `info` lists them
    std::string classe;               // --class: requirements and class code by the dialogs' name
    std::vector<std::string> valori;  // --set NAME=VALUE
};

// --project (required), --photometry, --class and, with `conLampada` and
// `conSet`, --lamp-set and --set.
void AggiungiOpzioniProgetto(CLI::App& sub, OpzioniProgetto& o, bool conLampada, bool conSet);

struct ProgettoValutato {
    int esito = 0;                    // 0 evaluated, 1 bad input, 2 calculation error
    std::string errore;               // why not, in one line
    std::unique_ptr<StatoProgetto> stato;
    ValutazioneProgetto valutazione;
};

ProgettoValutato ValutaDaProgetto(const OpzioniProgetto& o, Interazione& ui);

}  // namespace nottaro::cli
