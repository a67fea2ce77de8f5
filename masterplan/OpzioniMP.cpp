#include "masterplan/OpzioniMP.h"

#include <string_view>
#include <utility>

#include "core/state/LimitiValori.h"
#include "core/text/Testo.h"

namespace nottaro::mp {

void ImpostaErrMasterplan(StatoProgetto& s) {
    s.ErrLm = ErrLmMasterplan;
    s.ErrEm = ErrEmMasterplan;
}

OpzioniMP OpzioniDaStato(const StatoProgetto& s) {
    OpzioniMP o;
    o.Deprezz = s.Deprezz;
    o.StepInt = s.StepInt;
    o.TutteLampade = s.TutteLampade;
    o.TuttiRisultati = s.TuttiRisultati;
    o.TipoLimite = s.TipoLimite;
    o.ValLimite = s.TipoLimite == 0 ? 0 : s.ValLimite;
    o.EdizioneEN = s.EdizioneEN;
    o.Profilo = ProfiloDaStato(s);
    o.DirLdtMaster = s.DirLdtMaster;
    o.Lingua = s.Lingua;
    return o;
}

namespace {

std::string Fuori(const char* nome, double v, const std::string& intervallo) {
    return std::string(nome) + " " + FormatoGenerale(v) + " is outside its range " + intervallo;
}

}  // namespace

std::string VerificaOpzioniMP(const OpzioniMP& o, int thread) {
    StatoProgetto s;
    s.Deprezz = o.Deprezz;
    s.ValLimite = o.ValLimite;
    for (const char* nome : {"Deprezz", "ValLimite"}) {
        if (std::string_view(nome) == "ValLimite" && o.TipoLimite == 0) continue;
        const LimiteValore* l = TrovaLimite(nome);
        if (l && !l->Ammesso(l->Leggi(s))) return Fuori(nome, l->Leggi(s), l->TestoIntervallo());
    }
    if (!(o.FattRiduzione > 0 && o.FattRiduzione <= 1)) return Fuori("FattRiduzione", o.FattRiduzione, "(0, 1]");
    if (!(o.TaglioAli >= 0 && o.TaglioAli <= 100)) return Fuori("TaglioAli", o.TaglioAli, "[0, 100]");
    if (o.OpzioneStrisce < 0 || o.OpzioneStrisce > 3) return Fuori("OpzioneStrisce", o.OpzioneStrisce, "0..3");
    if (o.M < 0 || o.M > 2) return Fuori("M", o.M, "0..2");
    if (o.EdizioneEN != 0 && o.EdizioneEN != 1) return Fuori("EdizioneEN", o.EdizioneEN, "0..1");
    const ProfiloEsercizio& pr = o.Profilo;
    for (auto [nome, ore] : {std::pair{"OrePiena", pr.OrePiena}, std::pair{"OreRid1", pr.OreRid1},
                             std::pair{"OreRid2", pr.OreRid2}})
        if (!(ore >= 0 && ore <= 8784)) return Fuori(nome, ore, "[0, 8784]");
    if (!(pr.OrePiena + pr.OreRid1 + pr.OreRid2 <= 8784))
        return Fuori("OrePiena + OreRid1 + OreRid2", pr.OrePiena + pr.OreRid1 + pr.OreRid2, "[0, 8784]");
    for (auto [nome, f] : {std::pair{"FrazRid1", pr.FrazRid1}, std::pair{"FrazRid2", pr.FrazRid2}})
        if (!(f >= 0 && f <= 1)) return Fuori(nome, f, "[0, 1]");
    if (thread < 0 || thread > MaxThreadMP) return Fuori("threads", thread, "0.." + std::to_string(MaxThreadMP));
    return {};
}

}  // namespace nottaro::mp
