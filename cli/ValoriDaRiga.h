#pragma once
// --set NAME=VALUE of evaluate and optimise: a design value by its own name
// (HPalo=10, Sbraccio=99, LargStrada=7.5, ClassePav=3), so a variant can be
// tried without editing the project file. Names are those of the design
// state with a range (LimitiValori); unknown names, values that are not
// numbers and values outside their range are refused in one line.
#include <string>
#include <utility>
#include <vector>

#include "core/state/StatoProgetto.h"

namespace CLI { class App; }

namespace nottaro::cli {

struct ValoriImpostati {
    std::vector<std::pair<std::string, double>> valori;  // in the order given
    std::string errore;                                   // the first refusal (empty: all good)
};

ValoriImpostati ValoriDaRiga(const std::vector<std::string>& testi);
// Writes the values into the state, after the project is loaded.
void ApplicaValori(StatoProgetto& s, const ValoriImpostati& v);
// Adds the repeatable --set option, its help listing every name.
void AggiungiOpzioneSet(CLI::App& sub, std::vector<std::string>& testi);

}  // namespace nottaro::cli
