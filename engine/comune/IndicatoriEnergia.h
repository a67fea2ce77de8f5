#pragma once
// Energy performance indicators of EN 13201-5 beside the IPEI index: the
// power density Dp = P / sum(E_i A_i) in W/(lx m²) and the annual energy
// consumption indicator De = sum_j(P_j t_j) / A in kWh/(m² year), over the
// operating profile of the design.
#include <span>

#include "core/state/StatoProgetto.h"

namespace nottaro {

// One lit sub-area of the field: carriageway, path or a lit side strip.
struct SottoArea {
    double Em = 0;  // lx, maintained average horizontal illuminance
    double A = 0;   // m²
};

// Operating profile: hours at full power, then up to two dimmed periods
// (hours and power fraction 0..1). Hours per year.
struct ProfiloEsercizio {
    double OrePiena = 0;
    double OreRid1 = 0, FrazRid1 = 1;
    double OreRid2 = 0, FrazRid2 = 1;
    // Equivalent hours at full power over a year.
    double OreEquivalenti() const { return OrePiena + OreRid1 * FrazRid1 + OreRid2 * FrazRid2; }
};

struct IndicatoriEnergia {
    double Dp = 0;  // W/(lx m²); 0 when no sub-area is lit
    double De = 0;  // kWh/(m² year); 0 when the area is 0
};

// P: system power of the luminaires lighting the field (W), luminaires and
// their gear. A in De is the total area of the sub-areas.
// The design's profile; OrePiena 0 stands for the project's burning hours OreAcc.
ProfiloEsercizio ProfiloDaStato(const StatoProgetto& s);

IndicatoriEnergia CalcolaIndicatori(double P, std::span<const SottoArea> aree, const ProfiloEsercizio& profilo);

}  // namespace nottaro
