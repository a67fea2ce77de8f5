#include "engine/sweep/RichiestaCalcolo.h"

namespace nottaro {

RichiestaCalcolo RichiestaDaStato(const StatoProgetto& s, TipoImpianto tipo, OpzioniOttimizza opzioni) {
    RichiestaCalcolo r;
    r.tipo = tipo;
    r.foto = std::make_shared<const Fotometria>(s.Foto);
    auto valori = std::make_shared<StatoProgetto>(s);
    // The record is shared through `foto`; the copy in the values stays empty
    // (a heap temporary: the record is too large for a thread's stack).
    valori->Foto = *std::make_unique<Fotometria>();
    r.valori = std::move(valori);
    r.opzioni = opzioni;
    return r;
}

RichiestaCalcolo RichiestaDaStato(const StatoProgetto& s) {
    return RichiestaDaStato(s, s.TipoProgetto == 1 ? TipoImpianto::Percorso : TipoImpianto::Strada);
}

}  // namespace nottaro
