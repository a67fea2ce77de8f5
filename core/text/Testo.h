#pragma once
// Text helpers shared by every reader and writer of Nottaro's files:
// trimming, strict locale-free number conversion, the general real format,
// CR LF / LF line reading and the Windows-1252 legacy encoding.
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>

namespace nottaro {

// Line end of every text file Nottaro writes.
inline constexpr const char* FineRiga = "\r\n";

// Leading and trailing blanks, tabs, CR and LF removed.
std::string Trim(std::string_view s);

// Whole trimmed text as a decimal integer / real ("." decimal separator,
// optional sign and exponent); nullopt when anything else is left over.
std::optional<int> ConvertiIntero(std::string_view s);
std::optional<double> ConvertiReale(std::string_view s);

// General real format: shortest text with up to 15 significant digits,
// "." as decimal separator whatever the locale ("7", "0.8", "1.5", "-0.5").
std::string FormatoGenerale(double x);

// Reads one line ending in LF or CR LF (the CR is dropped); false at the end
// of the stream with nothing read.
bool LeggiRiga(std::istream& in, std::string& riga);

// Legacy texts: valid UTF-8 stays as it is, anything else is taken as
// Windows-1252 and converted to UTF-8.
bool Utf8Valido(std::string_view s);
std::string Cp1252InUtf8(std::string_view s);
std::string DecodificaLegacy(std::string_view s);
// UTF-8 to Windows-1252 for legacy binary formats; characters the code page
// lacks become '?'.
std::string Utf8InCp1252(std::string_view s);

// Letter case of UTF-8 text over the letters Windows-1252 holds: ASCII, the
// accented Latin-1 letters (à/À … þ/Þ, ÿ/Ÿ) and š/Š, œ/Œ, ž/Ž; anything else
// is left as it is (ß has no single capital and stays).
std::string Minuscole(std::string_view utf8);
std::string Maiuscole(std::string_view utf8);
bool UgualiSenzaDistinguereMaiuscole(std::string_view a, std::string_view b);

// File name without its folder (either separator).
std::string NomeFile(std::string_view percorso);
// Extension in lower case with its dot (".ldt"), empty when none.
std::string EstensioneMinuscola(std::string_view percorso);

}  // namespace nottaro
