#pragma once
// The program folder: where the language, the solution tables, the projects
// and the letterheads are kept between starts. It is a folder the user owns:
// a working folder that already is one (the source tree's data/, a folder
// kept as before), the folder named on the command line, or the per-user
// folder $XDG_DATA_HOME/nottaro, filled at its first use from the shipped
// program folder. The shipped folder itself (under /usr/share) is only ever
// read.
#include <string>
#include <vector>

namespace nottaro {

struct FontiCartellaProgramma {
    std::string richiesta;  // the folder named by --program-dir, empty when none
    std::string corrente;   // the working folder at start
    std::string xdgDataHome;
    std::string home;
    // Shipped program folders in order of preference; the first that exists
    // seeds a new folder.
    std::vector<std::string> spedite;
};

struct CartellaProgramma {
    std::string cartella;  // empty when no folder could be had
    bool seminata = false; // created now and filled from a shipped folder
    std::string errore;    // why there is no folder
};

// A folder already used as a program folder: one the user can write holding
// a configuration file, a solution table, the catalogue or the letterheads.
bool ECartellaProgramma(const std::string& cartella);

// $XDG_DATA_HOME/nottaro, or ~/.local/share/nottaro when XDG_DATA_HOME is
// unset or not absolute (as the XDG rules ask); empty without either.
std::string CartellaUtente(const std::string& xdgDataHome, const std::string& home);

// The requested folder (created and seeded when missing), else the working
// folder when it is a program folder other than a shipped one, else the
// per-user folder (created and seeded when missing). An existing folder is
// used as it is.
CartellaProgramma ScegliCartellaProgramma(const FontiCartellaProgramma& f);

// Creates `destinazione` with a copy of `spedita` (folders and regular files;
// what a user writes at run time, such as ntr.cfg, solution tables and
// projects, is not copied). The copy is made beside it under a temporary
// name and renamed into place, so a cut start leaves no half-filled folder;
// another program filling it at the same time is no failure. Returns the
// reason of a failure, empty on success.
std::string SeminaCartella(const std::string& spedita, const std::string& destinazione);

// The sources of this process: its environment, its working folder, and the
// shipped folders <program>/../share/nottaro (an install, or an unpacked
// package) and the source tree's data/ (a development build).
FontiCartellaProgramma FontiDelProcesso(const std::string& richiesta);

}  // namespace nottaro
