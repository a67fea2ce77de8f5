#include "catalogue/ElencoLdt.h"

#include <algorithm>
#include <filesystem>

#include "core/files/ListaFile.h"
#include "core/i18n/Messaggi.h"
#include "core/text/Testo.h"

namespace nottaro {
namespace {

// Messages of the list window added to the catalogue.
constexpr int MsgListaIlleggibile = 1800;
constexpr int MsgListaNonSalvata = 1801;

char Minuscola(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

bool PrimaNellElenco(const std::string& a, const std::string& b) {
    const bool minore = std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                                     [](char x, char y) { return Minuscola(x) < Minuscola(y); });
    if (minore) return true;
    const bool maggiore = std::lexicographical_compare(b.begin(), b.end(), a.begin(), a.end(),
                                                       [](char x, char y) { return Minuscola(x) < Minuscola(y); });
    return !maggiore && a < b;
}

void ElencoLdt::Apri() {
    modificata_ = false;
    voci_.clear();
    if (stato_.FileLista.empty()) return;
    std::vector<std::string> lette;
    if (!LeggiListaNtr(stato_.FileLista, lette)) {
        ui_.Avviso(Msg(MsgListaIlleggibile) + "\n" + stato_.FileLista);
        return;
    }
    Aggiungi(lette);
    modificata_ = false;
}

std::string ElencoLdt::NomeLista() const { return NomeFile(stato_.FileLista); }

void ElencoLdt::Aggiungi(const std::vector<std::string>& percorsi) {
    for (const std::string& p : percorsi)
        voci_.insert(std::upper_bound(voci_.begin(), voci_.end(), p, PrimaNellElenco), p);
    if (!percorsi.empty()) modificata_ = true;
}

void ElencoLdt::Elimina(const std::vector<int>& selezionate) {
    int minima = -1;
    for (int i : selezionate)
        if (i >= 0 && static_cast<std::size_t>(i) < voci_.size() && (minima < 0 || i < minima)) minima = i;
    if (minima < 0) return;
    voci_.erase(voci_.begin() + minima);
    modificata_ = true;
}

EsitoSalvaLista ElencoLdt::Salva(const SceltaPercorso& scegli) {
    if (voci_.empty()) return EsitoSalvaLista::ListaVuota;
    std::optional<std::string> scelto = scegli();
    if (!scelto || scelto->empty()) return EsitoSalvaLista::Annullata;
    std::string percorso = *scelto;
    if (std::filesystem::path(percorso).extension().empty()) percorso += ".ntr";
    std::string errore;
    if (!ScriviListaNtr(percorso, voci_, errore)) {
        ui_.Avviso(Msg(MsgListaNonSalvata) + "\n" + percorso);
        return EsitoSalvaLista::Fallita;
    }
    stato_.FileLista = percorso;
    modificata_ = false;
    return EsitoSalvaLista::Salvata;
}

bool ElencoLdt::Carica(const SceltaPercorso& scegliApri, const SceltaPercorso& scegliSalva) {
    if (!voci_.empty() && modificata_ && ui_.Conferma(Msg(106))) {
        if (Salva(scegliSalva) != EsitoSalvaLista::Salvata) return false;
    }
    std::optional<std::string> scelto = scegliApri();
    if (!scelto || scelto->empty()) return false;
    std::vector<std::string> lette;
    if (!LeggiListaNtr(*scelto, lette)) {
        ui_.Avviso(Msg(MsgListaIlleggibile) + "\n" + *scelto);
        return false;
    }
    stato_.FileLista = *scelto;
    voci_.clear();
    Aggiungi(lette);
    modificata_ = false;
    return true;
}

void ElencoLdt::Chiudi() {
    stato_.FileLista.clear();
    voci_.clear();
    modificata_ = false;
}

bool ElencoLdt::Ok(const SceltaPercorso& scegliSalva) {
    if (!voci_.empty() && modificata_ && ui_.Conferma(Msg(107))) {
        if (Salva(scegliSalva) != EsitoSalvaLista::Salvata) return false;
    }
    modificata_ = false;
    return true;
}

std::string ElencoLdt::FileVoce(std::size_t i) const {
    if (i >= voci_.size()) return {};
    return RisolviVoceLista(voci_[i], stato_.FileLista.empty() ? std::string() : CartellaDi(stato_.FileLista),
                            stato_.DirProg);
}

int ElencoLdt::Mancanti() const {
    int n = 0;
    for (std::size_t i = 0; i < voci_.size(); ++i)
        if (FileVoce(i).empty()) ++n;
    return n;
}

}  // namespace nottaro
