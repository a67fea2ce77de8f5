#include "engine/progetto/ValutaProgetto.h"

#include "core/state/LimitiValori.h"
#include "engine/area/OttimizzaArea.h"
#include "engine/road/OttimizzaStrada.h"

namespace nottaro {
namespace {

MessaggioCatalogo GeometriaFissata(const StatoProgetto& s, bool percorso) {
    const std::string a = percorso ? "A" : "";
    if ((percorso ? s.HPaloA : s.HPalo) == HPaloVariabile) return {1106, {"HPalo" + a}};
    if ((percorso ? s.SbraccioA : s.Sbraccio) == SbraccioVariabile) return {1106, {"Sbraccio" + a}};
    if ((percorso ? s.InclinaA : s.Inclina) == InclinaVariabile) return {1106, {"Inclina" + a}};
    if (!(s.Interdist > 0)) return {1107, {}};
    return {};
}

}  // namespace

MessaggioCatalogo VerificaRichiesta(const RichiestaCalcolo& r, ScopoCalcolo scopo) {
    if (!r.valori) return {1103, {}};
    const StatoProgetto& s = r.Valori();
    if (auto m = VerificaLimiti(s); !m.Vuoto()) return m;
    const bool percorso = r.tipo == TipoImpianto::Percorso;
    if (scopo == ScopoCalcolo::Valutazione || !r.ConLista()) {
        if (!r.foto) return {1103, {}};
        if (r.foto->NumC() < 1 || r.foto->NumG() < 1) return {1115, {}};
    }
    if (scopo == ScopoCalcolo::Valutazione) return GeometriaFissata(s, percorso);
    if (s.DaProgetto && !(s.Interdist > 0)) return {1107, {}};
    if ((percorso ? s.DispPaliA : s.DispPali) < 1) return {1108, {percorso ? "DispPaliA" : "DispPali"}};
    if (!s.TuttiRisultati && !((percorso ? s.EmMin : s.LmMin) > 0)) return {1109, {percorso ? "Em" : "Lm"}};
    return {};
}

ValutazioneProgetto ValutaProgetto(const RichiestaCalcolo& r) {
    ValutazioneProgetto v;
    v.errore = VerificaRichiesta(r, ScopoCalcolo::Valutazione);
    if (!v.errore.Vuoto()) return v;
    const StatoProgetto& s = r.Valori();
    const int lampada = r.foto->LampSel;
    if (r.tipo == TipoImpianto::Percorso) {
        v.parametriArea = ParametriAreaDaStato(s, lampada);
        v.percorso = ValutaPercorso(*r.foto, v.parametriArea, RequisitiAreaDaStato(s));
        const RisultatoPercorso& p = *v.percorso;
        if (p.Esito != EsitoA::Ok) {
            v.errore = {1116, {p.Messaggio}};
        } else if (p.ErrCalcolo) {
            v.erroreCalcolo = true;
            v.errore = *p.FiguraNonFinita ? MessaggioCatalogo{1111, {p.FiguraNonFinita}}
                                          : MessaggioCatalogo{1104, {p.Routine}};
        }
    } else {
        v.parametriStrada = ParametriStradaDaStato(s, lampada);
        v.strada = ValutaStradaFissa(*r.foto, v.parametriStrada);
        v.errore = v.strada->errore;
        v.erroreCalcolo = v.strada->ErrCalcolo;
    }
    return v;
}

}  // namespace nottaro
