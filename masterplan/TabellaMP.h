#pragma once
// The Masterplan result table: 74 text columns, header row apart. The
// exported workbook and the printed report take these texts as they stand.
#include <array>
#include <string>
#include <vector>

#include "masterplan/ColonneMP.h"
#include "masterplan/SoluzioniMP.h"

namespace nottaro::mp {

// The energy indicators Dp and De of the two solutions close the table, so
// the 70 columns before them keep their places.
inline constexpr int NumColonneTabella = 74;
using CelleRiga = std::array<std::string, NumColonneTabella>;

// The 74 column headers.
const CelleRiga& IntestazioniTabella();

// Table columns of the row's own texts.
enum ColonnaTabella : int {
    TPosizione = 0, TVia = 1, TApplicazione = 2, TCategoria = 3, TAltezza = 4, TAvanzamento = 5, TTilt = 6,
    TLarghezza = 7, TIntProgetto = 8, TDisposizione = 9, TPosPali = 10, TCorsie = 11, TDirMarcia = 12,
    TLR17 = 13, TSorgente = 14, TW = 15, TCorpo = 16, TNote = 17, TSol1 = 18, TSol2 = 27,
    TIdentificativo = 36, TIPEI1 = 37, TIPEI2 = 42, TDescrizione = 47, TTipoSx = 50, TSx = 51, TStrisceSx = 52,
    TTipoDx = 58, TDx = 59, TStrisceDx = 60, TIPEA = 66, TDp1 = 70, TDe1 = 71, TDp2 = 72, TDe2 = 73
};
// Offsets inside a solution's nine columns.
inline constexpr int SLumen = 0, SInt = 1, SLivello = 2, SUniformita = 3, STerzo = 4, STi = 5, SRei = 6, SClasse = 7,
                     SFotometrica = 8;

// A number as the table shows it: Arrotonda to `decimali`, general format.
std::string NumeroCella(double x, int decimali);
// Light levels and uniformities: two decimals below 10, none above 20, else one.
std::string NumeroLivello(double x);

// A solution's nine columns from `base` (TSol1 or TSol2), its IPEI column and
// its Dp and De columns. Ti shows the real threshold increment (empty for a
// roundabout, as are Dp and De).
void CelleSoluzione(const SoluzioneMP& s, CelleRiga& c, int base, int colonnaIPEI);

// Columns 1..16, 36, 47 and the strip kinds and widths from the row's texts;
// column 6 is "0". Column 0 is left to the caller.
void CelleDaRiga(const RigaMP& r, CelleRiga& celle);

// The row texts a revision reads back from a table row (the inverse of
// CelleDaRiga; the LR17/00 text comes from `lr17` since the column may hold
// the spacing remark).
RigaMP RigaDaCelle(const CelleRiga& celle, const std::string& lr17);

}  // namespace nottaro::mp
