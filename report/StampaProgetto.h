#pragma once
// The print run of a project report on any paged device (a printer chosen in
// the print dialog, or a PDF), and the PDF writer the command line and the
// "PDF…" button use: A4, no margins, 600 dpi.
#include <functional>
#include <string>
#include <vector>

#include "report/DatiReport.h"
#include "report/PaginaReport.h"
#include "report/RoutinePagina.h"

class QPagedPaintDevice;

namespace nottaro {

struct SezioniReport {
    bool presentazione = true;
    bool dati = true;
    bool luminanze = true;       // road projects only: one page per observer of the field
    bool illuminamenti = true;
};

struct OpzioniReport {
    SezioniReport sezioni;
    StilePagina stile;
};

// Pages a run prints, in order: 'P' presentation, 'D' data and 'V' its
// verification (class verdict, energy, luminaire, calculation), 'L' luminance
// (one per observer), 'I' illuminance.
std::vector<char> PagineProgetto(const DatiReport& d, const SezioniReport& s);

// Reports longer than this many pages list their sections on the first page.
constexpr std::size_t PagineSenzaIndice = 4;
// The table of contents of `pagine` (a line per page, a luminance page per
// observer) when the run starts with the presentation page and is longer
// than PagineSenzaIndice; else empty.
std::vector<VoceIndice> IndiceProgetto(const std::vector<char>& pagine, int lingua);

struct EsitoStampa {
    bool ok = false;                         // the document was written (or sent) whole
    bool annullato = false;                  // stopped by the progress callback
    int pagine = 0;                          // pages drawn
    bool dispositivoRifiutato = false;       // the printer or file would not start a document
    std::vector<std::string> immaginiIlleggibili;  // pictures whose boxes stayed empty
    std::vector<std::string> testiTagliati;  // fields printed cut with "…" (they could not fit)
    std::string errore;                      // why nothing (or not everything) was written
};

// Called before each page with its number (1-based) and the page count;
// false stops the run (the pages drawn so far are ended properly).
using AvanzamentoStampa = std::function<bool(int pagina, int pagine)>;

// Prints the report on `dispositivo` (which must be set to A4 portrait).
EsitoStampa StampaProgetto(QPagedPaintDevice& dispositivo, const DatiReport& d, const OpzioniReport& o,
                           const AvanzamentoStampa& avanzamento = {});

// Writes the report as a PDF: first to a file beside `file`, renamed over it
// when complete, so a failed or cancelled run leaves no half document (and
// an existing file as it was). Fails when the report fonts are missing.
EsitoStampa StampaProgettoPdf(const std::string& file, const DatiReport& d, const OpzioniReport& o,
                              const AvanzamentoStampa& avanzamento = {});

// The shared PDF path: runs `disegna` on a QPdfWriter (A4, no margins, 600
// dpi, portrait or landscape) writing a temporary file, then renames it over
// `file`. `disegna` fills the result; a result that is not ok or cancelled
// removes the temporary file.
// The document's title and `autore` (the designer; empty: none) go into
// its metadata, its creator is Nottaro with its version.
EsitoStampa ScriviPdf(const std::string& file, bool orizzontale, const std::string& titolo,
                      const std::function<EsitoStampa(QPagedPaintDevice&)>& disegna, const std::string& autore = {});

// The message for the warning about unreadable pictures ("" when none).
std::string AvvisoImmagini(const std::vector<std::string>& file, int lingua);
// The message for the warning naming the fields printed cut ("" when none).
std::string AvvisoTestiTagliati(const std::vector<std::string>& campi, int lingua);

}  // namespace nottaro
