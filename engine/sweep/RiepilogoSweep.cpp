#include "engine/sweep/RiepilogoSweep.h"

#include <algorithm>

namespace nottaro {

void AggiornaRiepilogo(RiepilogoSweep& r, const DatiRiga& riga) {
    const FigureRiga& f = riga.figure;
    r.MaxInter = std::max(r.MaxInter, riga.INTER);
    r.MaxRapporto = std::max(r.MaxRapporto, f.INDICER);
    r.MinPotMetro = std::min(r.MinPotMetro, f.INDICEI);
    r.MinPotKm = std::min(r.MinPotKm, f.POTENZAKM);
    r.MinPali = std::min(r.MinPali, f.NPALI);
    r.MaxRispManut = std::max(r.MaxRispManut, f.RISPMANUTE);
    r.MaxRispManutA = std::max(r.MaxRispManutA, f.RISPMANUTA);
    r.MinPareggio = std::min(r.MinPareggio, f.BREAKEVEN);

    auto& alt = r.ListaAltezze;
    if (alt.empty() || (riga.HPALO > alt.back() && static_cast<int>(alt.size()) < MaxVociLista))
        alt.push_back(riga.HPALO);
    auto& sbr = r.ListaSbracci;
    if (std::find(sbr.begin(), sbr.end(), riga.SBRACCIO) == sbr.end() && static_cast<int>(sbr.size()) < MaxVociLista)
        sbr.push_back(riga.SBRACCIO);
}

}  // namespace nottaro
