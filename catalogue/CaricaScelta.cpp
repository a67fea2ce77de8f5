#include "catalogue/CaricaScelta.h"

#include <cmath>
#include <memory>

#include "core/i18n/Messaggi.h"
#include "core/photometry/LettoriFotometria.h"
#include "core/text/Testo.h"

namespace nottaro {
namespace {

bool FotometriaCaricata(const StatoProgetto& s) { return !s.FileFoto.empty() && s.Foto.NumC() > 0 && s.Foto.NumG() > 0; }

}  // namespace

int LampadaConFlusso(const Fotometria& f, double flusso) {
    if (flusso > 0)
        for (int l = 0; l < f.NumLampade && l < MaxLampade; ++l)
            if (std::fabs(f.FlussoLamp[static_cast<std::size_t>(l)] - flusso) <= 1e-6 * flusso) return l;
    return f.LampSel;
}

EsitoScelta CaricaSceltaCatalogo(StatoProgetto& s, const SceltaCatalogo& scelta, Interazione& ui) {
    s.DaCatalogo = true;
    s.FlussoCatalogo = scelta.flusso;
    auto letta = std::make_unique<Fotometria>();
    EsitoScelta esito = EsitoScelta::NonCaricata;
    if (LeggiFotometria(scelta.file, *letta, ui) == 0) {
        esito = EsitoScelta::Caricata;
        if (!s.FileLista.empty()) {
            if (ui.Conferma(Msg(52))) s.FileLista.clear();
            else esito = EsitoScelta::ListaTenuta;
        }
    }
    if (esito == EsitoScelta::Caricata) {
        letta->LampSel = LampadaConFlusso(*letta, scelta.flusso);
        s.Foto = *letta;
        s.FileFoto = scelta.file;
        s.CatNomeFile = scelta.nomeFile;
        s.FotoApp = scelta.fotoApp;
        s.FotoCaricata = true;
    }
    s.DaCatalogo = false;
    return esito;
}

void DopoElencoLdt(StatoProgetto& s) { s.FotoCaricata = !s.FileLista.empty() || FotometriaCaricata(s); }

std::string EtichettaFotometria(const StatoProgetto& s, bool conPrefisso) {
    if (!s.FileLista.empty()) return (conPrefisso ? "Lista: " : "") + NomeFile(s.FileLista);
    return FotometriaCaricata(s) ? NomeFile(s.FileFoto) : std::string();
}

}  // namespace nottaro
