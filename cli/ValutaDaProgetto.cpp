#include "cli/ValutaDaProgetto.h"

#include <CLI/CLI.hpp>

#include "cli/ValoriDaRiga.h"
#include "core/files/FileProgetto.h"
#include "core/photometry/LettoriFotometria.h"
#include "engine/sweep/ScegliClasse.h"

namespace nottaro::cli {

void AggiungiOpzioniProgetto(CLI::App& sub, OpzioniProgetto& o, bool conLampada, bool conSet) {
    sub.add_option("--project", o.progetto, "Project file (.nt0)")->required();
    sub.add_option("--photometry", o.fotometria, "Photometric file to use instead of the project's");
    if (conLampada)
        sub.add_option("--lamp-set", o.lampada, "Lamp set to use, 1..n as `info` lists them (default: the project's)");
    sub.add_option("--class", o.classe, "Lighting class by name, as `optimise --class` takes it");
    if (conSet) AggiungiOpzioneSet(sub, o.valori);
}

ProgettoValutato ValutaDaProgetto(const OpzioniProgetto& o, Interazione& ui) {
    ProgettoValutato r;
    auto rifiuta = [&r](std::string testo) {
        r.esito = 1;
        r.errore = std::move(testo);
        return std::move(r);
    };
    const auto valori = ValoriDaRiga(o.valori);
    if (!valori.errore.empty()) return rifiuta(valori.errore);
    if (!EsisteFile(o.progetto)) return rifiuta("cannot open project " + o.progetto);
    r.stato = std::make_unique<StatoProgetto>();
    StatoProgetto& stato = *r.stato;
    const EsitoCaricaProgetto esito = CaricaProgetto(o.progetto, stato, ui);
    if (!esito.letto) return rifiuta("cannot read project " + o.progetto);
    if (!o.fotometria.empty()) {
        if (!EsisteFile(o.fotometria)) return rifiuta("cannot open photometry " + o.fotometria);
        if (LeggiFotometria(o.fotometria, stato.Foto, ui) != 0) return rifiuta("cannot read photometry " + o.fotometria);
        stato.FileFoto = o.fotometria;
    } else if (!esito.avviaCalcolo) {
        return rifiuta("the project's photometric file could not be read (give --photometry FILE)");
    }
    Fotometria& f = stato.Foto;
    if (o.lampada) {
        if (*o.lampada < 1 || *o.lampada > f.NumLampade)
            return rifiuta(MessaggioCatalogo{1114, {std::to_string(*o.lampada), std::to_string(f.NumLampade)}}.Testo());
        f.LampSel = *o.lampada - 1;
    }
    if (!o.classe.empty()) {
        std::string e;
        if (!ScegliClasse(stato, stato.TipoProgetto == 1 ? TipoImpianto::Percorso : TipoImpianto::Strada, o.classe, e))
            return rifiuta(e);
    }
    ApplicaValori(stato, valori);
    r.valutazione = ValutaProgetto(RichiestaDaStato(stato));
    if (!r.valutazione.errore.Vuoto()) {
        r.esito = r.valutazione.erroreCalcolo ? 2 : 1;
        r.errore = r.valutazione.errore.Testo();
    }
    return r;
}

}  // namespace nottaro::cli
