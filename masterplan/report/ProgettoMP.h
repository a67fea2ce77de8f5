#pragma once
// One table row made ready for printing: its two solutions computed again
// from photometric files read afresh, and the DatiReport the page routines
// draw from (the plans' solution, the row's design values, the identification
// and letterhead of the design).
#include <array>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "masterplan/CalcolaMasterplan.h"
#include "masterplan/valutazioni/ValutaSoluzione.h"
#include "report/DatiReport.h"

namespace nottaro::mp {

// The print options of the Masterplan window.
struct OpzioniStampaMP {
    bool TabMinMax = false;          // plans also for rows without a given spacing (solution 2's)
    bool ConIntestazione = false;    // letterhead in header, footer and presentation
    bool Descrizione = false;        // description on the presentation page
    bool Marciapiedi = false;        // the strip page
    bool FormatoStandard = false;    // the standard page style
    bool NumeroIdentificativo = false;  // the identifier as project number
    bool FotoInLR17 = false;         // photographs named by the LR17/00 text
    std::string Luogo;               // place and/or date
};

// Folders the printing reads, and the design's identification and letterhead.
struct AmbienteStampaMP {
    std::string DirLdtMaster, DirCorpi, DirImmagini;
    DatiReport base;  // identification, letterhead; the rest is the row's
};

struct ProgettoMP {
    const RigaTabellaMP* riga = nullptr;
    int indice = 0;                          // table row, 0-based
    std::array<const SoluzioneMP*, 2> sol{};  // MIN, MAX (MAX null when the row gives its spacing)
    std::array<std::shared_ptr<FileLdt>, 2> file;  // read afresh for this print
    std::optional<DettaglioSoluzioneMP> piani;  // the plans' solution, when plans are printed
    std::array<DettaglioSoluzioneMP, 2> dettagli;  // each solution computed again (REI, TI, strips)
    DatiReport dati;
    std::string numero;                      // project number as the footer shows it
};

// Whether the report prints the row at all: a printed application (no
// roundabout) with at least one solution.
bool RigaStampabile(const RigaTabellaMP& r);

// Reads the row's solution files again and computes each solution; nullopt
// with `errore` (the reason) when a file cannot be read or a computation
// fails. `numero` is the project number text.
std::optional<ProgettoMP> PreparaProgettoMP(const RigaTabellaMP& r, int indice, const OpzioniMP& o,
                                            const OpzioniStampaMP& s, const AmbienteStampaMP& a,
                                            const std::string& numero, std::string& errore);

// A photometric file read afresh from the folder; Leggibile false when it
// cannot be read (missing, no planes, angles or lamp sets).
std::shared_ptr<FileLdt> LeggiFileStampa(const std::string& cartella, const std::string& nome);

// The luminaire photograph DirCorpi/model.jpg, empty when there is none.
std::string FotoApparecchio(const std::string& dirCorpi, const std::string& modello);

}  // namespace nottaro::mp
