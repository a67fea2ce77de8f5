#pragma once
// Summary of a sweep run kept for the results browser: the extremes of the
// stored rows and the lists of distinct pole heights and overhangs. The
// sweep returns it; the caller keeps the last run's in the design state.
#include <vector>

namespace nottaro {

inline constexpr int MaxVociLista = 39;

struct RiepilogoSweep {
    double MaxInter = 0;         // largest spacing (INTER)
    double MaxRapporto = 0;      // largest INDICER
    double MinPotMetro = 100;    // smallest INDICEI
    double MinPotKm = 1000000;   // smallest POTENZAKM
    double MinPali = 100000;     // smallest NPALI
    double MaxRispManutA = 0;    // largest RISPMANUTA
    double MaxRispManut = 0;     // largest RISPMANUTE
    double MinPareggio = 1000;   // smallest BREAKEVEN
    // Heights in the order found, each larger than the last one listed; up to 39.
    std::vector<double> ListaAltezze;
    // Distinct overhangs in the order found; up to 39.
    std::vector<double> ListaSbracci;
};

}  // namespace nottaro
