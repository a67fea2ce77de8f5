#pragma once
// The data sheet of one catalogue row as the window shows it: caption and
// value per line, with the catalogue's material names translated.
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace nottaro {

struct VoceDettaglio {
    std::string campo;       // the field the value comes from (also the label's name)
    std::string didascalia;  // caption in the current language ("" for the note)
    std::string valore;
    bool grassetto = false;
};

// Reads a field of the row by name: nullopt for a missing field; numeric
// fields give their value in the general format, "" when empty.
using CampoRiga = std::function<std::optional<std::string>(const char* campo)>;

// The lines of the data sheet in display order: NOMEAPP (model, bold),
// NUMAPP, MATCORPO, MATRIFLE, MATDIFFUS, CLASSEI, IP, TESTATILT, SBRTILT,
// TIPOLAMP, RESAC, COLORELAMP, POTENZAR, LUMEN, POSLAMP, ATTACCO, VENTO,
// NOMEFILE, MARCHI (bold), LORL, DFF (upward flux = 100 - DFF), NOTA (the
// measurement-tilt note) and PRODUTTORE (bold: the maker's display line).
std::vector<VoceDettaglio> MostraDettagli(const CampoRiga& campo, const std::vector<std::string>& nomiProduttori);

// Body material as shown: the combinations the catalogue uses, tested in
// order ("Alluminio + Acciaio" before "Alluminio"), else the stored text.
std::string TestoCorpo(const std::string& matcorpo);
std::string TestoRiflettore(const std::string& matrifle);
std::string TestoDiffusore(const std::string& matdiffus);
// "65/44", "65", "44" or "".
std::string TestoIP(const std::string& ipvl, const std::string& ipva);
// 100 - DFF in the general format; "-" when DFF is empty, zero or not a number.
std::string TestoFlussoAlto(const std::string& dff);
// LORL as stored; "-" when empty or zero.
std::string TestoLorl(const std::string& lorl);

}  // namespace nottaro
