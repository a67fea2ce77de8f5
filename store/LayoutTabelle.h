#pragma once
// Field layouts of the dBase tables Nottaro reads and writes: the road and
// path solution tables (drawn from the solution-row schema) and the luminaire
// catalogue, so the store creates each table with the fields its readers expect.
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

// Road solution table "NTRLUX" (file ntrlux.dbf) and path solution table
// "NTRLUXA" (file ntrluxa.dbf): the layouts of the solution-row schema
// (store/schema/SchemaSoluzioni.h), 43 and 42 fields in append order.
const Layout& LayoutNTRLUX();
const Layout& LayoutNTRLUXA();
// Luminaire catalogue "lightlist" (file lightlist.dbf); read-only at run time,
// the layout serves to build test and installation tables.
const Layout& LayoutLightlist();

// Layout of a table known by name (case-insensitive: "NTRLUX", "NTRLUXA",
// "lightlist"); nullptr for any other name.
const Layout* LayoutPerTabella(std::string_view nomeTabella);

}  // namespace nottaro
