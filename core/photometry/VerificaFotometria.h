#pragma once
// Checks a designer runs on a maker's file before trusting a sweep on it:
// upward light against the 1 cd/klm limit, agreement of the planes at the
// nadir (and zenith), coverage of the angles, and the flux the table holds
// against the declared light output ratio and downward fraction.
#include <string>
#include <utility>
#include <vector>

#include "core/photometry/Fotometria.h"

namespace nottaro {

// Upward-light limit, cd/klm: a value equal to it passes.
inline constexpr double LimiteLuceAlto = 1.0;
// The nadir (zenith) planes disagree when they differ by more than both.
inline constexpr double ToleranzaNadirRelativa = 0.01;
inline constexpr double ToleranzaNadirAssoluta = 0.1;  // cd/klm
// Coverage: largest gamma step within 0..90°, largest gap between C planes.
inline constexpr double PassoGammaMassimo = 5.0;
inline constexpr double DistanzaPianiMassima = 15.0;
// Largest difference, percentage points, between the flux the table holds
// and the declared LORL / DFF.
inline constexpr double ScartoFlussoMassimo = 2.0;

struct EsitoVerifica {
    std::string nome;  // "upward_light", "nadir", "zenith", "coverage", "flux"
    bool ok = false;   // a check that cannot be made is not passed
    std::string testo; // one line in the catalogue's current language
    std::vector<std::pair<std::string, double>> valori;  // the figures behind the line
};

// Flux of the table by constant zones: each intensity holds over the
// solid angle between the midpoints to its neighbours (gamma: nothing
// beyond the first and last measured angle; C: half the gap to each
// neighbouring plane round the circle, 2π for a single plane).
struct FlussoTabella {
    double totale = 0;  // lm per 1000 lm of lamp flux
    double basso = 0;   // the part below gamma 90°
};
FlussoTabella FlussoZonale(const Fotometria& f);

// The checks in display order: upward light, nadir, zenith (only when gamma
// 180° is measured), coverage, flux.
std::vector<EsitoVerifica> VerificaFotometria(const Fotometria& f);

}  // namespace nottaro
