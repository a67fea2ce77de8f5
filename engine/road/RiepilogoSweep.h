#pragma once
// Summary of a sweep run kept for the results browser: the extremes of the
// stored rows and the lists of distinct pole heights and overhangs.
#include <vector>

#include "store/LayoutTabelle.h"

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

// Positions, in a row without NUM, of the fields the summary reads.
struct IndiciRiepilogo {
    int HPALO = -1, SBRACCIO = -1, INTER = -1, INDICER = -1, INDICEI = -1, POTENZAKM = -1, NPALI = -1,
        RISPMANUTE = -1, RISPMANUTA = -1, BREAKEVEN = -1;
};
// From a table layout whose first field is NUM.
IndiciRiepilogo IndiciDaLayout(const Layout& layout);

// Takes one stored row (values without NUM) into the summary.
void AggiornaRiepilogo(RiepilogoSweep& r, const IndiciRiepilogo& ind, const std::vector<ValoreCampo>& valori);

}  // namespace nottaro
