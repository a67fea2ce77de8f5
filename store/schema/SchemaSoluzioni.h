#pragma once
// The one description of a solution row: for every field of the road table
// NTRLUX and the path table NTRLUXA its name, kind, width and decimals on
// disk, the catalogue title and unit the designer reads, the decimals the
// browser shows and the printed lists print, and the member of the typed row
// (RigaStrada, RigaPercorso) it holds. The store's layouts, the row
// conversion, the browser, its criteria, the lists and the exports all read
// this table, so a field is named, sized and titled in one place.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "store/LayoutTabelle.h"

namespace nottaro {

// The value of a typed solution row a field holds. Road and path rows share
// all but the light figures (LUMINA .. TI, EIR against EM .. EMAX).
enum class MembroRiga : unsigned char {
    NUM, HPALO, SBRACCIO, INTER, INCLINA,
    LUMINA, UNIFG, UNIFL, TI, EIR,
    EM, UO, EMIN, EMAX,
    INDICER, INDICEI, POTENZAM2, POTENZALM, POTENZA, LUMEN,
    LAMPADA, CORPO, FILELDT,
    NPALI, COSTONUOVO, POTENZAKM, KWHANNO, SPESAEANNO, COSTOTOT, RISPIMPIAN, RISPIMPIAP, RISPMANUTE, RISPMANUTP,
    RISPEANNO, RISPEANNOP, RISPE25ANN, COSTOADEGU, DELTAWKM, DELTALMKM, DELTALMP, DELTAKWHAN, RISPEANNOA, RISPEAP,
    RISPMANUTA, BREAKEVEN,
    DP, DE,
};

// A figure the printed lists leave out.
inline constexpr int NonStampato = -1;
// A figure the browser shows as stored.
inline constexpr int ComeRegistrato = -1;

struct CampoSoluzione {
    MembroRiga membro;
    const char* nome;        // dBase field name (at most 10 characters)
    TipoCampo tipo;
    int larghezza;           // characters on disk
    int decimali;            // digits after the point on disk
    int titolo;              // catalogue message of the browser's column title, 0 for none
    std::string_view unita;  // unit of the figure, empty for ratios, counts and texts
    bool unitaNelTitolo;     // the title message lacks the unit: the browser adds " [unit]"
    int decimaliMostrati;    // browser cells, or ComeRegistrato
    int decimaliElenco;      // printed lists (texts: 0, printed as stored), or NonStampato
};

using SchemaRiga = std::vector<CampoSoluzione>;

// The fields of a table written before the edge ratio and the energy
// indicators: the first 40 of either schema. Later fields read as 0 there.
inline constexpr std::size_t CampiPrimaVersione = 40;

// Road rows (NTRLUX, 43 fields) and path rows (NTRLUXA, 42 fields), in the
// order of the table's fields.
const SchemaRiga& SchemaStrada();
const SchemaRiga& SchemaPercorso();
inline const SchemaRiga& SchemaRighe(bool percorso) { return percorso ? SchemaPercorso() : SchemaStrada(); }

// The field of `schema` holding `m`, or whose name is `nome` (case ignored);
// nullptr when it has none.
const CampoSoluzione* CercaCampo(const SchemaRiga& schema, MembroRiga m);
const CampoSoluzione* CercaCampo(const SchemaRiga& schema, std::string_view nome);

// The field of a member, from the road schema or, for a path's own figures,
// the path schema (the fields both kinds share are alike in both).
const CampoSoluzione& CampoDelMembro(MembroRiga m);
// Its name.
inline const char* NomeCampo(MembroRiga m) { return CampoDelMembro(m).nome; }
// "HPALO [m]": the name with the unit, as exported columns head a figure.
std::string NomeConUnita(MembroRiga m);

// The dBase layout of a schema.
Layout LayoutSchema(const SchemaRiga& schema);

// The open table's fields hold a path's illuminances rather than a road's
// luminances.
bool CampiDiPercorso(const Layout& campi);

// The printed lists show a path's illuminances in the columns of a road's
// luminance figures (Em under Lm, Uo under Uo, Emin under Ul, Emax under TI):
// the road member whose column prints `m`.
MembroRiga ColonnaElenco(MembroRiga m);

}  // namespace nottaro
