#pragma once
// A multi-line text kept on one line of a line-per-value file.
//
// Encoding: a backslash becomes "\\", every line break (CR LF, LF or a lone
// CR) becomes "\n" (backslash, letter n). Decoding undoes it, giving LF line
// breaks; a backslash followed by anything else, or ending the line, is kept
// as it is, so an older file with a plain "C:\dati" in its text reads back
// unchanged.
#include <string>
#include <string_view>

namespace nottaro {

std::string CodificaSuRiga(std::string_view testo);
std::string DecodificaDaRiga(std::string_view riga);

}  // namespace nottaro
