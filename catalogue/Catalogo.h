#pragma once
// The luminaire catalogue: lightlist.dbf of the program folder, opened
// read-only, with the filter panel's lists, the data sheet of the current
// row and the pick. The window and the command line both drive this class.
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "catalogue/DettagliApparecchio.h"
#include "catalogue/FileProdotti.h"
#include "catalogue/FiltriCatalogo.h"
#include "core/interaction/Interazione.h"
#include "store/TabellaDbf.h"

namespace nottaro {

// dirProg/lightlist.dbf (name matched ignoring case), "" when missing. Both
// openers test it first and show message 429 when it is missing.
std::string FileCatalogo(const std::string& dirProg);

// What a pick hands to its caller.
struct SceltaCatalogo {
    std::string file;        // full path of the photometric file (dirProg/ldt/NOMEFILE)
    std::string nomeFile;    // NOMEFILE
    double flusso = 0;       // LUMEN in lm; 0 when empty or not a number
    std::string fotoApp;     // the picture's path, "" when it has none
};

enum class EsitoFiltro {
    Tutte,     // no list filters: every row shown
    Filtrate,  // the filter leaves rows
    Nessuna,   // nothing left: message 367 shown, lists and filter reset
};

class Catalogo {
public:
    // Opens dirProg/lightlist.dbf read-only and reads the NTRProd files.
    // False with the reason when the table is missing or cannot be opened.
    bool Apri(const std::string& dirProg, std::string& errore);

    const std::string& DirProg() const { return dirProg_; }
    const DatiProdotti& Prodotti() const { return prodotti_; }
    // The six filter lists in the current language.
    const std::array<VociFiltro, NumListeFiltro>& Liste() const { return liste_; }

    // Builds and applies the filter of `scelte`. When nothing is left:
    // message 367 as a warning, the filter off and every list back on its
    // first entry (written back to `scelte`). `aggiunta`, when not empty, is
    // joined to the lists' clauses with " AND " (the command line's --filter);
    // a text the table refuses gives Nessuna with `errore` set and no message.
    EsitoFiltro ApplicaFiltro(ScelteFiltro& scelte, Interazione& ui, const std::string& aggiunta = {});
    const std::string& ErroreFiltro() const { return erroreFiltro_; }

    TabellaDbf& Tabella() { return tabella_; }
    const TabellaDbf& Tabella() const { return tabella_; }
    std::size_t NumeroRighe() const { return tabella_.NumeroRighe(); }

    // Data sheet of a visible row (the current one when omitted).
    std::vector<VoceDettaglio> Dettagli() const;
    std::vector<VoceDettaglio> Dettagli(std::size_t riga) const;
    // Picture of a visible row: the file, "" when it has none.
    std::string Immagine(std::size_t riga) const;
    // The photometric file a visible row names (dirProg/ldt/NOMEFILE, letter
    // case ignored), "" when NOMEFILE is empty, has a folder part or is missing.
    std::string FileFotometrico(std::size_t riga) const;

    // The pick of a visible row. A row whose file is missing is refused:
    // its NOMEFILE, " - " and message 25 as a warning, nullopt.
    std::optional<SceltaCatalogo> Scegli(std::size_t riga, Interazione& ui) const;

private:
    std::string Campo(std::size_t riga, const char* campo) const;

    std::string dirProg_;
    TabellaDbf tabella_;
    DatiProdotti prodotti_;
    std::array<VociFiltro, NumListeFiltro> liste_;
    std::string erroreFiltro_;
};

// Picks of the list mode in pick order: the same file picked twice running
// is added once; picking A, B, A adds three.
class ScelteLista {
public:
    void Aggiungi(const std::string& file);
    void Svuota() { scelte_.clear(); }
    const std::vector<std::string>& Scelte() const { return scelte_; }

private:
    std::vector<std::string> scelte_;
};

}  // namespace nottaro
