#pragma once
// The values a road or path sweep walks through: pole heights, spacings per
// height, arm overhangs and luminaire tilts, from the design state's fixed
// values, steps and calculation limit. Every level runs its body at least
// once and goes on while the value after adding the step is within the
// level's bound; a fixed value makes exactly one pass and is left unchanged.
// Values are formed as start + i x step (no running sum), and the bound is
// met within a billionth of a step, so a range that ends on its bound keeps
// its last value whatever the step's binary rounding. A step that is not
// positive makes one pass.
#include <vector>

#include "core/state/StatoProgetto.h"
#include "engine/sweep/EnergiaCosti.h"

namespace nottaro {

struct Livello {
    std::vector<double> valori;  // in loop order, never empty
    bool variabile = false;      // swept (false: one fixed pass)
    double passo = 0;            // step of a swept level
    // The variable's value once the loop has left this level after `v`:
    // v + step when swept, v itself when fixed.
    double Dopo(double v) const { return variabile ? v + passo : v; }
};

// What the sweep reads from the design state, for either kind of project.
struct ParametriSequenze {
    TipoImpianto tipo = TipoImpianto::Strada;
    double HPalo = 0;        // 0: swept from 2 m to 20 m (road) or 15 m (path)
    double Sbraccio = 99;    // 99: swept from minus one lane width to W/2
    double Inclina = 99;     // 99: swept from -20 to 20 degrees
    double Interdist = 0;    // kept when DaProgetto
    bool DaProgetto = false;
    double StepAlt = 0.5, StepInt = 0.5, StepSbr = 0.5, StepAng = 5;
    double W = 7;            // carriageway or path width
    int NCorsie = 2;
    int TipoLimite = 0;      // 0 none, 1 fixed spacing, 2 minimum spacing, 3 minimum spacing/height
    double ValLimite = 0;
};

// Road values (HPalo, Sbraccio, Inclina, LargStrada) or path values
// (HPaloA, SbraccioA, InclinaA, LargStradaA) of a design state.
ParametriSequenze ParametriDaStato(const StatoProgetto& s, TipoImpianto tipo);

Livello Altezze(const ParametriSequenze& p);
// Spacings for pole height H: from H (no limit), from the limit (a minimum:
// metres from 8 up, else a spacing/height ratio) up to 7H (road) or 8H
// (path), or only the fixed spacing; with DaProgetto only Interdist.
Livello Interdistanze(const ParametriSequenze& p, double H);
Livello Sbracci(const ParametriSequenze& p);
Livello Inclinazioni(const ParametriSequenze& p);

// Candidates of one lamp set of one file: sum over the heights of
// spacings x overhangs x tilts.
long long CandidatiPerLampada(const ParametriSequenze& p);

}  // namespace nottaro
