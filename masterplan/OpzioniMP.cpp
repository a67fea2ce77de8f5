#include "masterplan/OpzioniMP.h"

namespace nottaro::mp {

OpzioniMP OpzioniDaStato(const StatoProgetto& s) {
    OpzioniMP o;
    o.Deprezz = s.Deprezz;
    o.StepInt = s.StepInt;
    o.TutteLampade = s.TutteLampade;
    o.TuttiRisultati = s.TuttiRisultati;
    o.TipoLimite = s.TipoLimite;
    o.ValLimite = s.TipoLimite == 0 ? 0 : s.ValLimite;
    o.DirLdtMaster = s.DirLdtMaster;
    o.Lingua = s.Lingua;
    return o;
}

}  // namespace nottaro::mp
