#include "engine/road/RicalcolaSoluzione.h"

#include "engine/road/OttimizzaStrada.h"
#include "engine/road/ValutaStradaFissa.h"

namespace nottaro {

SoluzioneStrada RicalcolaSoluzione(const RigaScelta& r, StatoProgetto& s, Interazione& ui) {
    SoluzioneStrada sol;
    if (!ApriRigaScelta(r, s, ui, sol.LampCalc)) return sol;
    s.HPalo = r.HPalo;
    s.Sbraccio = r.Sbraccio;
    s.Interdist = r.Interdist;
    s.Inclina = r.Inclina;
    s.TipoProgetto = 0;
    sol.ok = true;

    const ParametriStrada p = ParametriStradaDaStato(s, sol.LampCalc);
    RisultatoValutaStrada ris = ValutaStradaFissa(s.Foto, p);
    if (!ris.Valido()) {
        sol.errore = ris.errore.Testo();
        return sol;
    }
    sol.SolLm = ris.Lm;
    sol.SolUo = ris.Uo;
    sol.SolUl = ris.Ul;
    sol.TICalc = ris.TI;
    sol.campo = std::move(ris.campo);
    sol.illum = std::move(ris.illum);
    sol.stat = ris.stat;
    sol.FattUtil = ris.FattUtil;
    return sol;
}

}  // namespace nottaro
