#include "engine/road/RicalcolaSoluzione.h"

#include "engine/road/IllumSoluzione.h"
#include "engine/road/OttimizzaStrada.h"
#include "engine/road/ValutazioneStrada.h"

namespace nottaro {

SoluzioneStrada RicalcolaSoluzione(const TabellaDbf& t, StatoProgetto& s, Interazione& ui) {
    SoluzioneStrada sol;
    RigaScelta r;
    if (!ApriRigaScelta(t, s, ui, r, sol.LampCalc)) return sol;
    s.HPalo = r.HPalo;
    s.Sbraccio = r.Sbraccio;
    s.Interdist = r.Interdist;
    s.Inclina = r.Inclina;
    s.TipoProgetto = 0;
    sol.ok = true;

    ParametriStrada p = ParametriStradaDaStato(s);
    p.LampCalc = sol.LampCalc;
    ValutazioneStrada v;
    v.ImpostaFotometria(s.Foto, p.LampCalc);
    const RisultatoStrada ris = v.Valuta(p, nullptr);
    if (ris.Esito != EsitoStrada::Accettato) {
        sol.errore = ris.Esito == EsitoStrada::Errore ? ris.Routine : "the solution cannot be laid out";
        return sol;
    }
    sol.SolLm = ris.Lm;
    sol.SolUo = ris.Uo;
    sol.SolUl = ris.Ul;
    sol.TICalc = ris.TI;
    sol.campo = v.Campo();
    ContestoCalcolo ctx;
    if (!IllumSoluzione(ctx, v.Ricerca(), p, sol.campo.Apparecchi, sol.campo.Griglia, sol.illum, sol.stat)) {
        sol.errore = "IllumSoluzione";
        return sol;
    }
    sol.FattUtil = FattUtilStrada(sol.illum, p, s.Foto.FlussoLamp[static_cast<std::size_t>(p.LampCalc)]);
    return sol;
}

}  // namespace nottaro
