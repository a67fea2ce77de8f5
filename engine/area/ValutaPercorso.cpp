#include "engine/area/ValutaPercorso.h"

#include <cmath>
#include <utility>

#include "engine/area/IlluminamentoArea.h"
#include "engine/comune/FattUtil.h"

namespace nottaro {

RisultatoPercorso ValutaPercorso(const Fotometria& foto, const ParametriArea& p, const RequisitiArea& req) {
    RisultatoPercorso r;
    if (p.LampCalc < 0 || p.LampCalc >= MaxLampade) {
        r.Esito = EsitoA::SerieLampadeNonValida;
    } else {
        r.Esito = CreaGrigliaA(p, r.Griglia);
        if (r.Esito == EsitoA::Ok && !DisponiApparecchiA(p, r.Apparecchi)) r.Esito = EsitoA::DisposizioneSconosciuta;
    }
    if (r.Esito != EsitoA::Ok) {
        r.Messaggio = TestoEsitoA(r.Esito, p);
        return r;
    }
    ContestoCalcolo ctx;
    if (!CalcolaIllum(ctx, foto, p, r.Griglia, r.Apparecchi, r.Campo, r.Stat)) {
        r.ErrCalcolo = true;
        r.Routine = "CalcolaIllum";
        return r;
    }
    // A figure that is not a number is a calculation error, never a result.
    for (const auto& [nome, x] : {std::pair<const char*, double>{"EmCalc", r.Stat.EmCalc},
                                  {"EminCalc", r.Stat.EminCalc}, {"EmaxCalc", r.Stat.EmaxCalc}}) {
        if (!std::isfinite(x)) {
            r.ErrCalcolo = true;
            r.FiguraNonFinita = nome;
            return r;
        }
    }
    r.Uo = r.Stat.Uo();
    r.Conforme = VerificaClasseA(r.Stat, req);
    r.FattUtil = FattUtilArea(r.Campo, p, foto.FlussoLamp[p.LampCalc]);
    return r;
}

}  // namespace nottaro
