#include "engine/area/DettaglioA.h"

#include "engine/area/OttimizzaArea.h"
#include "engine/sweep/RigaScelta.h"

namespace nottaro {

DettaglioPercorso DettaglioA(const TabellaDbf& t, StatoProgetto& s, Interazione& ui) {
    DettaglioPercorso d;
    RigaScelta r;
    if (!ApriRigaScelta(t, s, ui, r, d.LampCalc)) return d;
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
