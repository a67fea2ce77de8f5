#pragma once
// How a photometric file's values are written into the catalogue's fixed-width
// text fields.
#include <cstddef>
#include <string>

namespace nottaro::campione {

// x in the general format, rounded to fewer decimals until it fits `larghezza`
// characters (88.629073 in 5 -> "88.63"); "" when even the whole number does not.
std::string NumeroInCampo(double x, std::size_t larghezza);

// A text cut to `larghezza` characters (code points), trailing blanks removed.
std::string TestoInCampo(const std::string& s, std::size_t larghezza);

// A text only when it fits whole, else "" (a colour "4000" does not go into
// a two-character field as "40").
std::string SeEntra(const std::string& s, std::size_t larghezza);

// The maker as the catalogue names it: the file's first line when it fits,
// else its part before the first "/" (where the file's tool adds a date),
// cut to the field.
std::string Produttore(const std::string& ditta, std::size_t larghezza);

}  // namespace nottaro::campione
