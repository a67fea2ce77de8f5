#pragma once
// The luminaire list being edited in the list window: its entries kept in
// the list control's order, whether it changed since it was loaded or saved,
// and the load, save and close of list files. The current list of the design
// (`FileLista`) changes only by a completed load, a completed save or a close;
// the runs read the saved file, never these entries.
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/interaction/Interazione.h"
#include "core/state/StatoProgetto.h"

namespace nottaro {

// A file dialog: the chosen path, or nullopt when cancelled.
using SceltaPercorso = std::function<std::optional<std::string>()>;

enum class EsitoSalvaLista { Salvata, ListaVuota, Annullata, Fallita };

class ElencoLdt {
public:
    ElencoLdt(StatoProgetto& stato, Interazione& ui) : stato_(stato), ui_(ui) {}

    // Opening of the window: not modified, entries of the current list (when
    // set and readable; an unreadable one is named in a warning).
    void Apri();

    const std::vector<std::string>& Voci() const { return voci_; }
    bool Modificata() const { return modificata_; }
    // File name of the current list without its folder ("" without a list).
    std::string NomeLista() const;

    // Adds paths (from disk or the catalogue) in sorted place; duplicates stay.
    void Aggiungi(const std::vector<std::string>& percorsi);
    // Removes the selected entry with the lowest position (one per call);
    // nothing when the selection is empty.
    void Elimina(const std::vector<int>& selezionate);

    // Saves a non-empty list to the file `scegli` gives (".ntr" added to a
    // name without extension). Failure: a warning naming the file; the old
    // file and FileLista stay.
    EsitoSalvaLista Salva(const SceltaPercorso& scegli);
    // Loads a list file. With changes, message 106 asks first; Yes saves, and
    // a save that is cancelled or fails stops the load. A cancelled dialog or
    // an unreadable file (warning with its name) changes nothing. True when a
    // list was loaded.
    bool Carica(const SceltaPercorso& scegliApri, const SceltaPercorso& scegliSalva);
    // "&Chiudi": no current list, no entries.
    void Chiudi();
    // "&Ok": with changes, message 107 asks; Yes saves, and a cancelled or
    // failed save keeps the window open (false). True when it may close.
    bool Ok(const SceltaPercorso& scegliSalva);

    // The file entry i names (resolved as the runs resolve it), "" when missing.
    std::string FileVoce(std::size_t i) const;
    // Number of entries whose file is not found.
    int Mancanti() const;

private:
    StatoProgetto& stato_;
    Interazione& ui_;
    std::vector<std::string> voci_;
    bool modificata_ = false;
};

// Order of the list control: letter case ignored, equal texts in byte order.
bool PrimaNellElenco(const std::string& a, const std::string& b);

}  // namespace nottaro
