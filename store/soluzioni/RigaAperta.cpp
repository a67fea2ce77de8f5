#include "store/soluzioni/RigaAperta.h"

namespace nottaro {

bool LeggiRigaScelta(const TabellaDbf& t, RigaScelta& r) {
    auto testo = [&t](const char* c) { return t.Testo(c); };
    auto numero = [&t](const char* c) { return t.Numero(c); };
    const auto lumen = testo("LUMEN"), potenza = testo("POTENZA"), lampada = testo("LAMPADA"), file = testo("FILELDT");
    const auto fl = numero("LUMEN"), h = numero("HPALO"), o = numero("SBRACCIO"), s = numero("INTER"),
               i = numero("INCLINA");
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
