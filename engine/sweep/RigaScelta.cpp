#include "engine/sweep/RigaScelta.h"

#include <cmath>
#include <vector>

#include "core/i18n/Messaggi.h"
#include "core/photometry/LettoriFotometria.h"
#include "core/text/Testo.h"
#include "engine/sweep/EsecuzioneSweep.h"

namespace nottaro {

bool CaricaFotometriaRiga(StatoProgetto& s, const RigaScelta& r, Interazione& ui) {
    if (s.FileLista.empty()) return true;
    std::vector<std::string> lista;
    if (LeggiListaFile(s.FileLista, lista, s.DirProg)) {
        for (const std::string& voce : lista) {
            if (!UgualiSenzaDistinguereMaiuscole(NomeFile(voce), r.CatNomeFile)) continue;
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

bool ApriRigaScelta(const RigaScelta& r, StatoProgetto& s, Interazione& ui, int& lampCalc) {
    s.SolLumen = r.SolLumen;
    s.SolPotenza = r.SolPotenza;
    s.SolLampada = r.SolLampada;
    s.CatNomeFile = r.CatNomeFile;
    if (!CaricaFotometriaRiga(s, r, ui)) return false;
    lampCalc = LampadaPerFlusso(s.Foto, r.lumen);
    return true;
}

}  // namespace nottaro
