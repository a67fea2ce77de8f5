#pragma once
// Work arrays and results of one road candidate, sized from the candidate
// (poles, rows, points, lanes), so no capacity can be overrun.
#include <vector>

#include "engine/road/Disposizione.h"
#include "engine/road/Griglia.h"

namespace nottaro {

struct CampoStrada {
    std::vector<Apparecchio> Apparecchi;
    GrigliaStrada Griglia;
    Osservatori Oss;
    int NOss = 0;  // observers of the luminance field: 1 (UNI rule) or NCorsie
    // Maintained luminance (cd/m2) per field observer, row, point:
    // LumGriglia[(k * NPtiLong + i) * NPtiTrasv + j].
    std::vector<double> LumGriglia;
    // Luminance on the centre line of lane k at row i: LumAsse[k * NPtiLong + i].
    std::vector<double> LumAsse;
    std::vector<double> LmOss, UoOss;  // per field observer (Uo a ratio)
    std::vector<double> UlOss;         // per lane (a ratio)

    int NApparecchi() const { return static_cast<int>(Apparecchi.size()); }
    double Lum(int k, int i, int j) const {
        return LumGriglia[(static_cast<std::size_t>(k) * Griglia.NPtiLong + i) * Griglia.NPtiTrasv + j];
    }
};

// Field observers of p: 1 with the UNI rule, else one per lane.
inline int NumeroOsservatori(const ParametriStrada& p) { return p.OssUNI == 1 ? 1 : p.NCorsie; }

// Lays out the poles, the grid and the observers of p into campo and sizes
// its result arrays. False when p has no arrangement or a degenerate
// spacing, height, width or grid.
bool PreparaCampo(const ParametriStrada& p, CampoStrada& campo);

// Zeroes the luminance fields and the figures of every observer.
void AzzeraCampi(CampoStrada& campo);

// Where a candidate stopped.
enum class EsitoStrada {
    Accettato,      // computed (and compliant when thresholds were given)
    SottoStima,     // quick estimate at or below 0.9 LmMin
    SottoUl,        // Ul below UlMin
    FuoriClasse,    // Lm or Uo outside the class
    Errore,         // ErrCalcolo raised: see RisultatoStrada::Routine
    NonValido,      // no arrangement, or a degenerate geometry
};

// Requirements of the sweep's acceptance; without them every figure is computed.
struct SoglieStrada {
    double LmMin = 0;      // cd/m2
    double UoMin = 0;      // percent
    double UlMin = 0;      // percent
    double ErrLm = 20;     // accepted excess of Lm over LmMin, percent
    bool TuttiRisultati = false;
    // The single-pole quick estimate rejects geometries that meet the class
    // once the neighbouring poles add their light, so the sweep never uses it
    // to drop a candidate; it stays available as an explicit pre-test.
    bool ScartaSottoStima = false;
};

// The class's acceptance, written once for the fast and the plain path
// (never with TuttiRisultati or without requirements): Ul below UlMin;
// Lm outside LmMin .. LmMin (1 + ErrLm/100) or Uo below UoMin.
inline bool SottoUlMin(const SoglieStrada* s, double Ul) { return s && !s->TuttiRisultati && Ul < s->UlMin / 100; }
inline bool FuoriClasseLmUo(const SoglieStrada* s, double Lm, double Uo) {
    return s && !s->TuttiRisultati && !(s->LmMin <= Lm && Lm <= s->LmMin * (1 + s->ErrLm / 100) && Uo >= s->UoMin / 100);
}

struct RisultatoStrada {
    EsitoStrada Esito = EsitoStrada::NonValido;
    const char* Routine = "";  // the routine that raised ErrCalcolo
    double StimaRapida = 0;    // cd/m2
    double Ul = 0, Lm = 0, Uo = 0;
    double TI = 0;             // percent, largest over the lanes
};

}  // namespace nottaro
