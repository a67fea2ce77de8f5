#include "engine/area/DettaglioA.h"

#include "engine/area/OttimizzaArea.h"

namespace nottaro {

DettaglioPercorso DettaglioA(const RigaScelta& r, StatoProgetto& s, Interazione& ui) {
    DettaglioPercorso d;
    if (!ApriRigaScelta(r, s, ui, d.LampCalc)) return d;
    s.HPaloA = r.HPalo;
    s.SbraccioA = r.Sbraccio;
    s.Interdist = r.Interdist;
    s.InclinaA = r.Inclina;
    s.TipoProgetto = 1;
    d.ok = true;
    ParametriArea p = ParametriAreaDaStato(s);
    p.LampCalc = d.LampCalc;
    d.risultato = ValutaPercorso(s.Foto, p, RequisitiAreaDaStato(s));
    return d;
}

}  // namespace nottaro
