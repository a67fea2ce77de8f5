#include "engine/area/GrigliaArea.h"

#include <cmath>

#include "core/i18n/Argomenti.h"
#include "core/i18n/Messaggi.h"
#include "core/intensity/Intensita.h"

namespace nottaro {

EsitoA CreaGrigliaA(const ParametriArea& p, GrigliaArea& g) {
    const double S = p.Interdist, W = p.LargStradaA;
    if (!(S > 0) || !(W > 0) || !std::isfinite(S) || !std::isfinite(W)) return EsitoA::MisureNonValide;
    long long nLong = 0, nTrasv = 0;
    if (p.GrigliaPers == 0) {
        nLong = S <= 30 ? 10 : static_cast<long long>(std::trunc(S / 3)) + 1;
        nTrasv = W / 1.5 <= 3 ? 3 : static_cast<long long>(std::trunc(W / 1.5)) + 1;
    } else if (p.GrigliaPers == 1) {
        if (p.NPtiX < 1 || p.NPtiY < 1) return EsitoA::ContiPersonalizzatiNonValidi;
        nLong = p.NPtiX;
        nTrasv = p.NPtiY;
    } else {
        return EsitoA::TipoGrigliaSconosciuto;
    }
    if (nLong * nTrasv > MaxPuntiGrigliaA) return EsitoA::TroppiPunti;

    g.NPtiLong = static_cast<int>(nLong);
    g.NPtiTrasv = static_cast<int>(nTrasv);
    g.PassoX = Arrotonda(S / g.NPtiLong, 3);
    g.PassoY = Arrotonda(W / g.NPtiTrasv, 3);
    g.Punti.resize(static_cast<std::size_t>(nLong * nTrasv));
    for (int i = 0; i < g.NPtiLong; ++i)
        for (int j = 0; j < g.NPtiTrasv; ++j) {
            auto& q = g.Punti[static_cast<std::size_t>(i) * g.NPtiTrasv + j];
            q.x = i * g.PassoX + g.PassoX / 2;
            q.y = j * g.PassoY + g.PassoY / 2;
        }
    return EsitoA::Ok;
}

std::string TestoEsitoA(EsitoA esito, const ParametriArea& p) {
    const auto n = [](auto v) { return std::to_string(v); };
    switch (esito) {
    case EsitoA::Ok: return {};
    case EsitoA::ContiPersonalizzatiNonValidi: return ConArgomenti(Msg(2700), {n(p.NPtiX), n(p.NPtiY)});
    case EsitoA::TipoGrigliaSconosciuto: return ConArgomenti(Msg(2701), {n(p.GrigliaPers)});
    case EsitoA::MisureNonValide: return Msg(2702);
    case EsitoA::TroppiPunti: return ConArgomenti(Msg(2703), {n(MaxPuntiGrigliaA)});
    case EsitoA::DisposizioneSconosciuta: return ConArgomenti(Msg(2704), {n(p.DispPaliA)});
    case EsitoA::SerieLampadeNonValida: return ConArgomenti(Msg(2705), {n(p.LampCalc + 1)});
    }
    return {};
}

}  // namespace nottaro
