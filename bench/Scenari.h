#pragma once
// The designs the benchmarks run: a 7 m two-lane ME3b road over R3 and a
// P2 path, lit by the street luminaire of the fixtures with a lamp flux that
// suits each class, and the directions and sweep plans drawn from them.
#include <atomic>
#include <string>
#include <vector>

#include "core/interaction/Interazione.h"
#include "core/state/StatoProgetto.h"
#include "engine/sweep/EsecuzioneSweep.h"
#include "store/soluzioni/RigaDbf.h"
#include "store/TabellaDbf.h"

namespace nottaro::bench {

// Street luminaire on an even angle grid (5 degree planes, 0.5 degree gamma).
inline constexpr const char* FileStradale = "photometry/eulumdat-analysis_sample_19_LEDiL_STRADA_street_isym0.ldt";
// Luminaire with uneven gamma steps (binary search instead of direct index).
inline constexpr const char* FileGammaIrregolare =
    "photometry/eulumdat-analysis_sample_20_Signify_isym4_nonequidistant_gamma.ldt";

std::string Fixture(const std::string& nome);

// Reads a fixture; flusso > 0 replaces the lamp flux of set 0 (lm). Aborts
// the benchmark program when the file cannot be read.
Fotometria CaricaFotometria(const std::string& nome, double flusso = 0);


// Size of a sweep: which pole heights it walks.
enum class Ampiezza {
    Minima,   // one height, one spacing, every candidate stored: the smoke run
    Ridotta,  // one height, every spacing: the fast/plain comparison
    Media,    // heights every 4 m
    Ampia,    // heights every 1 m (memory against Media)
};

// Road: 7 m, two lanes, arrangement 2 (right edge), R3, ME3b (Lm 1.0, Uo 40 %,
// Ul 60 %), EN grid, 20,000 lm; overhang -3.5..3.5 by 0.5, tilt -20..20 by 5
// always swept; the height as the size says.
StatoProgetto StatoStradaME3b(Ampiezza a);
// Path: 3 m, arrangement 2, P2 (Em 10 lx, Emin 2 lx), 2,500 lm; overhang and
// tilt swept as on the road, heights as the size says.
StatoProgetto StatoPercorsoP2(Ampiezza a);

// A solution table in a fresh temporary folder, emptied and open; the folder
// goes with the object.
class TabellaTemporanea {
public:
    explicit TabellaTemporanea(const std::string& nomeTabella);
    ~TabellaTemporanea();
    TabellaTemporanea(const TabellaTemporanea&) = delete;
    TabellaTemporanea& operator=(const TabellaTemporanea&) = delete;
    TabellaDbf& Tabella() { return tabella_; }
    // The sweep's row destination over the table.
    DestinazioneRighe& Destinazione() { return destinazione_; }
    // Every row as the texts of its fields, NUM included.
    std::vector<std::vector<std::string>> Righe();

private:
    std::string cartella_;
    TabellaDbf tabella_;
    RigheInTabella destinazione_;
};

// Directions (gamma, C in degrees) of every pole toward every field point of
// one road candidate (H 10 m, S 30 m, overhang 1 m, tilt 10 degrees), after
// orientation and tilt: what the sweep asks the intensity lookup.
struct Direzione {
    double gamma, c;
};
std::vector<Direzione> DirezioniStrada();
// The same pairs before the tilt rotation (unrotated gamma, oriented C).
std::vector<Direzione> DirezioniStradaNonRuotate();
// Tilt of that candidate, degrees.
inline constexpr double InclinaTipica = 10;
// (gamma, beta) of every pole, field point and observer of the same candidate.
std::vector<Direzione> AngoliRiflessione();

}  // namespace nottaro::bench
