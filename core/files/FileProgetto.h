#pragma once
// Project files (".nt0"): one finished design on 90 lines, one value a line,
// CR LF line ends (read with CR LF or LF), reals in the general format,
// integers in decimal, flags "1"/"0", texts as they are. Line 1 is the
// writer's version text; lines 2..89 follow the fixed layout of RigheProgetto
// (line 61 OssUNI is absent from version-0 files, lines 75..89 from files
// older than version 4); line 90 holds CodClasse and is optional.
// The description PrjDescr keeps its line breaks on one line with the
// DescrizioneSuRiga encoding; a line break in any other text (normally typed
// in one-line fields) is written as a blank, so the layout never shifts.
// A ".nt1" file next to the project is an EULUMDAT file that replaces the
// photometric file named on line 74.
#include <functional>
#include <iosfwd>
#include <string>

#include "core/interaction/Interazione.h"
#include "core/state/Inizializza.h"
#include "core/state/StatoProgetto.h"

namespace nottaro {

// Version text written on line 1.
inline constexpr const char* VersioneProgramma = "5.8d";

// Version of a project file from its line 1: "0" when it holds the old
// banner "Nottaro ", else the line itself; and its number, the leading
// decimal number of the text (5.8 for "5.8d", 0 for "0" or no number).
struct VersioneProgetto {
    std::string testo;
    double numero = 0;
};
VersioneProgetto VersioneDaRiga(const std::string& riga1);

// Writes the 90 lines of `s` to `out` with CR LF line ends.
void ScriviFileProgetto(std::ostream& out, const StatoProgetto& s);

// Reads a project file from `in` over the values already in `s` (the caller
// resets it first). Returns true when every line the version calls for was
// read and nothing but blank lines follows; a version text without a leading
// number or newer than this program's, a flag other than "1"/"0", a class
// text no class list holds and a read error of the medium are refused like
// a line that does not convert: false with `errore` naming the line, the value and what
// went wrong (a line that does not convert, or the end of the file) — `s`
// then holds a partial read and must be thrown away. The version found is
// returned in `versione`. Texts that are not valid UTF-8 are taken as
// Windows-1252. Files without lines 75..89 get TipoProgetto 0 (they can only
// describe a road project); version-0 files get OssUNI 1.
bool LeggiFileProgetto(std::istream& in, StatoProgetto& s, VersioneProgetto& versione, std::string& errore);

// Saves `s` into `percorso` (created or replaced). The file is written next
// to the target and then renamed over it, so a failed write leaves an
// existing project as it was. false, after a warning through `ui`, when the
// file cannot be written. When the photometry was edited (Foto.Modificata)
// or a ".nt1" companion already exists, the record is first written there
// as an EULUMDAT file; if that fails nothing else is written.
bool SalvaProgetto(const std::string& percorso, const StatoProgetto& s, Interazione& ui);

// What the load does to the main window; every hook is optional.
struct AgganciProgetto {
    // The window's part of the reset the load starts from.
    AgganciInizializza Inizializza;
    // Summary labels and geometry controls from the loaded state: arrangement,
    // surface, maintenance factor and Lm (road) or factor, class and Em
    // (path, when TipoProgetto != 0) labels; height, overhang and tilt
    // "Definita" with their values or "Variabile" when at their sentinel;
    // widths and lanes; the limit edit and "Interdistanza fissa [m]" when
    // TipoLimite is 1.
    std::function<void(const StatoProgetto&)> MostraProgetto;
    // The photometry loaded: "Dati fotometrici" enabled and shown, the
    // luminaire-name labels showing Foto.NomeApp, enabling rules re-run.
    std::function<void(const StatoProgetto&)> FotometriaCaricata;
};

struct EsitoCaricaProgetto {
    bool letto = false;          // the whole file was read and the design replaced
    VersioneProgetto versione;
    // The photometry was read: the caller starts the run at once, the
    // cycle/pedestrian run when TipoProgetto != 0, the road run otherwise.
    bool avviaCalcolo = false;
};

// Loads the project `percorso` into `s`:
// 1. reads the whole file into a copy of `s` reset by Inizializza; a file
//    that cannot be opened (file name, " - ", message 25), a line that does
//    not convert or a file that ends early is reported as a warning through
//    `ui` and leaves `s` exactly as it was, with no run;
// 2. when Interdist != 0 it becomes the fixed-spacing limit (ValLimite,
//    TipoLimite 1);
// 3. a relative photometric path on line 74 is taken from the project's
//    folder; a companion ".nt1" (or ".NT1") next to the project replaces it;
// 4. commits the copy into `s` and runs the window hooks;
// 5. reads the photometry with the reader its name calls for (".ies" -> IES,
//    otherwise EULUMDAT). When the file is there: FotoCaricata = 1,
//    DaProgetto = 1, Foto.LampSel = the first lamp set whose flux equals
//    the number in SolLumen (when one does), and avviaCalcolo is set. A
//    missing photometric file is reported by the reader and leaves the
//    loaded design without a run.
EsitoCaricaProgetto CaricaProgetto(const std::string& percorso, StatoProgetto& s, Interazione& ui,
                                   const AgganciProgetto& agganci = {});

}  // namespace nottaro
