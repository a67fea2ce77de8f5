#include "engine/road/RicalcolaSoluzione.h"

#include <cctype>
#include <cmath>
#include <vector>

#include "core/i18n/Messaggi.h"
#include "core/photometry/LettoriFotometria.h"
#include "core/text/Testo.h"
#include "engine/road/EsecuzioneSweep.h"
#include "engine/road/FattUtil.h"
#include "engine/road/IllumSoluzione.h"
#include "engine/road/OttimizzaStrada.h"
#include "engine/road/ValutazioneStrada.h"

namespace nottaro {
namespace {

bool UgualiSenzaMaiuscole(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

}  // namespace

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

bool CaricaFotometriaRiga(StatoProgetto& s, const RigaScelta& r, Interazione& ui) {
    if (s.FileLista.empty()) return true;
    std::vector<std::string> lista;
    if (LeggiListaFile(s.FileLista, lista, s.DirProg)) {
        for (const std::string& voce : lista) {
            if (!UgualiSenzaMaiuscole(NomeFile(voce), r.CatNomeFile)) continue;
            if (LeggiFotometria(voce, s.Foto, ui) != 0) break;
            s.FileFoto = voce;
            return true;
        }
    }
    ui.Informazione(Msg(140));
    return false;
}

int LampadaPerFlusso(const Fotometria& f, double lumen) {
    for (int l = 0; l < f.NumLampade && l < MaxLampade; ++l) {
        const double fl = f.FlussoLamp[static_cast<std::size_t>(l)];
        if (std::fabs(fl - lumen) <= 1e-6 * std::max(1.0, std::fabs(fl))) return l;
    }
    return f.LampSel;
}

bool ApriRigaScelta(const TabellaDbf& t, StatoProgetto& s, Interazione& ui, RigaScelta& r, int& lampCalc) {
    if (!LeggiRigaScelta(t, r)) return false;
    s.SolLumen = r.SolLumen;
    s.SolPotenza = r.SolPotenza;
    s.SolLampada = r.SolLampada;
    s.CatNomeFile = r.CatNomeFile;
    if (!CaricaFotometriaRiga(s, r, ui)) return false;
    lampCalc = LampadaPerFlusso(s.Foto, r.lumen);
    return true;
}

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
