#include "store/soluzioni/RigaAperta.h"

#include "store/schema/SchemaSoluzioni.h"

namespace nottaro {

bool LeggiRigaScelta(const TabellaDbf& t, RigaScelta& r) {
    using M = MembroRiga;
    auto testo = [&t](MembroRiga m) { return t.Testo(NomeCampo(m)); };
    auto numero = [&t](MembroRiga m) { return t.Numero(NomeCampo(m)); };
    const auto lumen = testo(M::LUMEN), potenza = testo(M::POTENZA), lampada = testo(M::LAMPADA),
               file = testo(M::FILELDT);
    const auto fl = numero(M::LUMEN), h = numero(M::HPALO), o = numero(M::SBRACCIO), s = numero(M::INTER),
               i = numero(M::INCLINA);
    if (!lumen || !potenza || !lampada || !file || !fl || !h || !o || !s || !i) return false;
    r.SolLumen = *lumen;
    r.SolPotenza = *potenza;
    r.SolLampada = *lampada;
    r.CatNomeFile = *file;
    r.lumen = *fl;
    r.HPalo = *h;
    r.Sbraccio = *o;
    r.Interdist = *s;
    r.Inclina = *i;
    return true;
}

SoluzioneStrada RicalcolaSoluzione(const TabellaDbf& t, StatoProgetto& s, Interazione& ui) {
    RigaScelta r;
    if (!LeggiRigaScelta(t, r)) return {};
    return RicalcolaSoluzione(r, s, ui);
}

DettaglioPercorso DettaglioA(const TabellaDbf& t, StatoProgetto& s, Interazione& ui) {
    RigaScelta r;
    if (!LeggiRigaScelta(t, r)) return {};
    return DettaglioA(r, s, ui);
}

}  // namespace nottaro
