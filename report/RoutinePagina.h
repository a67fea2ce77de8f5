#pragma once
// The page routines of the printed project, each drawing one part of a page
// from a DatiReport on a PaginaReport (plain or standard style as
// PaginaReport::stile says). The single project and the Masterplan print
// with the same routines.
#include <QString>

#include <string>
#include <vector>

#include "report/DatiReport.h"
#include "report/PaginaReport.h"

namespace nottaro {

// A picture of w x h fitted into a W x H box keeping its aspect ratio: a
// picture smaller than the box both ways is enlarged first. Results in
// whole units (truncated).
struct Misura {
    int w = 0, h = 0;
};
Misura AdattaImmagine(double w, double h, double W, double H);

// `testo` word-wrapped to lines of at most `larghezza` characters, breaking
// after a blank, a hyphen or a tab; line breaks already in the text stay. A
// word longer than a line is cut.
std::vector<QString> SpezzaTesto(const QString& testo, int larghezza);
// Prints the wrapped lines at (x, y0 + k·passo) in the current font. With a
// `fondo` (device units, 0: none) a text that would run below it is printed
// smaller (down to 8 pt, more characters per line, a shorter step), and
// what still does not fit ends with " …" and is noted under `campo`. No
// line runs past the right margin (10 mm).
void StampaTesto(PaginaReport& pg, const QString& testo, int larghezza, int y0, int x, int passo, int fondo = 0,
                 const QString& campo = {});

// `testo` wrapped at blanks into lines that end before `destra` (device
// units) in the current font, a word longer than a line broken where it
// must; each line k printed at (x, y + k·passo). Returns the lines printed
// (at least 1).
int StampaAcapo(PaginaReport& pg, int x, int y, const QString& testo, int destra, int passo);
std::vector<QString> RigheAcapo(const PaginaReport& pg, const QString& testo, int larghezza);
// The same on at most `massimo` lines: a longer text ends the last line with
// "…" and is noted under `campo`. Returns the lines printed.
int StampaAcapoEntro(PaginaReport& pg, int x, int y, const QString& testo, int destra, int passo, int massimo,
                     const QString& campo);

// Numbers as the report writes them: `Arrotonda` to n decimals, general format.
QString Cifra(double v, int n);
// An illuminance: 2 decimals below 10 lx, 1 up to 20 lx, 0 above.
QString CifraE(double v);
// a / b to n decimals, "-" when b is not above 0.
QString Rapporto(double a, double b, int n);

void StampaIntestazione(PaginaReport& pg, const DatiReport& d);
void StampaPiePagina(PaginaReport& pg, const DatiReport& d);
// Whether the header prints a letterhead (company lines or a logo): without
// one the first page moves up into the room it would take.
bool HaIntestazione(const PaginaReport& pg, const DatiReport& d);
// One line of the table of contents: a section's title and its page.
struct VoceIndice {
    QString titolo;
    int pagina = 0;
};
// The first page: identification, the class verdict, the photograph in the
// room the texts leave, and the table of contents when `indice` has lines.
void StampaPresentazione(PaginaReport& pg, const DatiReport& d, const std::vector<VoceIndice>& indice = {});
void StampaDati(PaginaReport& pg, const DatiReport& d);
void StampaDatiStandard(PaginaReport& pg, const DatiReport& d);
// The polar intensity diagram in a square of side x(70) at (L, T).
void StampaCurva(PaginaReport& pg, const DatiReport& d, int L, int T);
// Luminance plan of observer i (0-based).
void StampaLuminanze(PaginaReport& pg, const DatiReport& d, int i);
void StampaIlluminamenti(PaginaReport& pg, const DatiReport& d);
void StampaIlluminamentiArea(PaginaReport& pg, const DatiReport& d);

// The class as chosen with its standard ("ME3b — EN 13201-2"), and the
// one-line verdict naming the criteria not met.
QString TestoClasse(const PaginaReport& pg, const DatiReport& d);
QString TestoEsitoClasse(const PaginaReport& pg, const DatiReport& d);
// The verification page: class, verdict table, energy indicators, the
// luminaire, the calculation data and the report's origin.
void StampaVerifica(PaginaReport& pg, const DatiReport& d);

}  // namespace nottaro
