#pragma once
// Field layouts of the dBase tables Nottaro reads and writes: the road and
// path solution tables and the luminaire catalogue. One place for names,
// kinds, widths and decimals, so the sweep, the browser and the tests agree.
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace nottaro {

enum class TipoCampo {
    Numero,  // dBase 'N': right-aligned decimal text
    Testo,   // dBase 'C': fixed-width Windows-1252 text
};

struct DefinizioneCampo {
    std::string nome;   // at most 10 characters (dBase limit)
    TipoCampo tipo = TipoCampo::Numero;
    int larghezza = 0;  // characters on disk
    int decimali = 0;   // digits after the point (numbers only)
};

using Layout = std::vector<DefinizioneCampo>;

// One value of a row, in field order: a number for numeric fields, UTF-8 text
// for text fields.
using ValoreCampo = std::variant<double, std::string>;

// Width and decimals of every floating-point field of the solution tables:
// 20 characters with 8 decimals hold magnitudes up to 9,999,999,999 (costs and
// lumens per km, break-even years) and keep ratios such as W/(m2 x lx) with
// their significant figures.
inline constexpr int LarghezzaNumero = 20;
inline constexpr int DecimaliNumero = 8;

// Road solution table "NTRLUX" (file ntrlux.dbf): 43 fields in append order,
// the edge ratio EIR, power density DP and energy indicator DE last (older
// tables end before them).
const Layout& LayoutNTRLUX();
// Path solution table "NTRLUXA" (file ntrluxa.dbf): 42 fields in append order,
// DP and DE last (older tables end before them).
const Layout& LayoutNTRLUXA();
// Luminaire catalogue "lightlist" (file lightlist.dbf); read-only at run time,
// the layout serves to build test and installation tables.
const Layout& LayoutLightlist();

// Layout of a table known by name (case-insensitive: "NTRLUX", "NTRLUXA",
// "lightlist"); nullptr for any other name.
const Layout* LayoutPerTabella(std::string_view nomeTabella);

}  // namespace nottaro
