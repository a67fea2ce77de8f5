#include "engine/road/CampoStrada.h"

#include <algorithm>

namespace nottaro {

bool PreparaCampo(const ParametriStrada& p, CampoStrada& campo) {
    if (!(p.LargStrada > 0) || !DisponiApparecchi(p, campo.Apparecchi) || !CreaGriglia(p, campo.Griglia)) {
        campo.Apparecchi.clear();
        return false;
    }
    ImpostaOsservatori(p, campo.Oss);
    campo.NOss = NumeroOsservatori(p);
    const std::size_t punti = campo.Griglia.Punti.size();
    campo.LumGriglia.assign(punti * campo.NOss, 0.0);
    campo.LumAsse.assign(static_cast<std::size_t>(p.NCorsie) * campo.Griglia.NPtiLong, 0.0);
    campo.LmOss.assign(campo.NOss, 0.0);
    campo.UoOss.assign(campo.NOss, 0.0);
    campo.UlOss.assign(p.NCorsie, 0.0);
    return true;
}

void AzzeraCampi(CampoStrada& campo) {
    std::fill(campo.LumGriglia.begin(), campo.LumGriglia.end(), 0.0);
    std::fill(campo.LumAsse.begin(), campo.LumAsse.end(), 0.0);
    std::fill(campo.LmOss.begin(), campo.LmOss.end(), 0.0);
    std::fill(campo.UoOss.begin(), campo.UoOss.end(), 0.0);
    std::fill(campo.UlOss.begin(), campo.UlOss.end(), 0.0);
}

}  // namespace nottaro
