#pragma once
// The catalogue's three text files beside lightlist.dbf: NTRProd0.dat (the
// maker choices), NTRProd1.dat (the model choices) and NTRProd2.dat (the
// makers' display lines).
#include <string>
#include <vector>

namespace nottaro {

// Every line of a NTRProd file, the first one included and the last one too;
// empty lines at the end (a final line end, a blank last line) add nothing.
// Texts that are not valid UTF-8 are taken as Windows-1252. False, leaving
// `righe` untouched, when the file is missing or unreadable.
bool LeggiFileProdotti(const std::string& percorso, std::vector<std::string>& righe);

struct DatiProdotti {
    // Choice lists: entry 0 is the file's first line, the one standing for
    // "no filter" (normally empty). A missing file leaves the single empty entry.
    std::vector<std::string> produttori{""};  // NTRProd0.dat
    std::vector<std::string> modelli{""};     // NTRProd1.dat
    // Display lines of the makers (NTRProd2.dat), each containing a maker's
    // name as written in PRODUTTORE; empty when the file is missing.
    std::vector<std::string> nomiProduttori;
};

// Reads the three files from the program folder (names matched ignoring case).
DatiProdotti LeggiDatiProdotti(const std::string& dirProg);

// The maker line the data sheet shows: the first display line containing
// `produttore`; `produttore` itself when it is empty or no line contains it.
std::string LineaProduttore(const std::vector<std::string>& nomiProduttori, const std::string& produttore);

}  // namespace nottaro
