#include "engine/comune/IndicatoriEnergia.h"

namespace nottaro {

ProfiloEsercizio ProfiloDaStato(const StatoProgetto& s) {
    return {s.OrePiena > 0 ? s.OrePiena : s.OreAcc, s.OreRid1, s.FrazRid1, s.OreRid2, s.FrazRid2};
}

IndicatoriEnergia CalcolaIndicatori(double P, std::span<const SottoArea> aree, const ProfiloEsercizio& profilo) {
    double EA = 0, A = 0;
    for (const SottoArea& s : aree) {
        EA += s.Em * s.A;
        A += s.A;
    }
    IndicatoriEnergia r;
    if (EA > 0) r.Dp = P / EA;
    // Wh over the year to kWh.
    if (A > 0) r.De = P * profilo.OreEquivalenti() / 1000.0 / A;
    return r;
}

}  // namespace nottaro
