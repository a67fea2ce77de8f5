#include "catalogue/Catalogo.h"

#include <filesystem>

#include "catalogue/ImmagineApparecchio.h"
#include "core/files/ListaFile.h"
#include "core/i18n/Messaggi.h"
#include "core/text/Testo.h"

namespace nottaro {

std::string FileCatalogo(const std::string& dirProg) { return FileInCartella(dirProg, "lightlist.dbf"); }

bool Catalogo::Apri(const std::string& dirProg, std::string& errore) {
    dirProg_ = dirProg;
    const std::string file = FileCatalogo(dirProg);
    if (file.empty()) {
        errore = Msg(429);
        return false;
    }
    tabella_.CollegaFile(file);
    if (EsitoTabella e = tabella_.Apri(true); !e) {
        errore = e.errore;
        return false;
    }
    prodotti_ = LeggiDatiProdotti(dirProg);
    liste_ = ListeFiltro(prodotti_.modelli, prodotti_.produttori);
    return true;
}

EsitoFiltro Catalogo::ApplicaFiltro(ScelteFiltro& scelte, Interazione& ui, const std::string& aggiunta) {
    erroreFiltro_.clear();
    std::string testo = TestoFiltro(liste_, scelte);
    if (!aggiunta.empty()) testo = testo.empty() ? aggiunta : testo + " AND " + aggiunta;
    tabella_.AttivaFiltro(false);
    tabella_.ImpostaFiltro("");
    if (testo.empty()) {
        tabella_.Primo();
        return EsitoFiltro::Tutte;
    }
    if (EsitoTabella e = tabella_.ImpostaFiltro(testo); !e) {
        erroreFiltro_ = e.errore;
        return EsitoFiltro::Nessuna;
    }
    tabella_.AttivaFiltro(true);
    if (tabella_.NumeroRighe() > 0) {
        tabella_.Primo();
        return EsitoFiltro::Filtrate;
    }
    ui.Avviso(Msg(367));
    tabella_.AttivaFiltro(false);
    tabella_.ImpostaFiltro("");
    scelte.fill(0);
    tabella_.Primo();
    return EsitoFiltro::Nessuna;
}

std::string Catalogo::Campo(std::size_t riga, const char* campo) const {
    return tabella_.TestoRiga(riga, campo).value_or("");
}

std::vector<VoceDettaglio> Catalogo::Dettagli() const { return Dettagli(tabella_.Posizione()); }

std::vector<VoceDettaglio> Catalogo::Dettagli(std::size_t riga) const {
    return MostraDettagli([this, riga](const char* c) { return tabella_.TestoRiga(riga, c); },
                          prodotti_.nomiProduttori);
}

std::string Catalogo::Immagine(std::size_t riga) const { return PercorsoImmagine(dirProg_, Campo(riga, "FILEFOTO")); }

std::string Catalogo::FileFotometrico(std::size_t riga) const {
    return FileInCartella((std::filesystem::path(dirProg_) / "ldt").string(), Campo(riga, "NOMEFILE"));
}

std::optional<SceltaCatalogo> Catalogo::Scegli(std::size_t riga, Interazione& ui) const {
    if (riga >= tabella_.NumeroRighe()) return std::nullopt;
    SceltaCatalogo s;
    s.nomeFile = Campo(riga, "NOMEFILE");
    s.file = FileFotometrico(riga);
    if (s.file.empty()) {
        ui.Avviso(s.nomeFile + " - " + Msg(25));
        return std::nullopt;
    }
    s.flusso = ConvertiReale(Campo(riga, "LUMEN")).value_or(0.0);
    s.fotoApp = Immagine(riga);
    return s;
}

void ScelteLista::Aggiungi(const std::string& file) {
    if (!scelte_.empty() && scelte_.back() == file) return;
    scelte_.push_back(file);
}

}  // namespace nottaro
