#pragma once
// The photometric files of a Masterplan run: the folder is listed once, each
// matching file read once (before any worker starts) into its own record.
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "core/photometry/Fotometria.h"

namespace nottaro::mp {

struct FileLdt {
    std::string Percorso;
    std::string Nome;          // file name, as the table shows it
    bool Leggibile = false;    // found, with planes, angles and lamp sets
    std::unique_ptr<Fotometria> Foto;
    std::vector<std::string> Avvisi;  // the reader's warnings
};

class ArchivioLdt {
public:
    // Lists the folder (file names in name order).
    explicit ArchivioLdt(std::string cartella);

    // Names matching model + " " + power + "W " + source + "*.ldt", ignoring
    // case, in name order.
    std::vector<std::string> Corrispondenti(const std::string& modello, const std::string& potenza,
                                            const std::string& sorgente) const;

    // Reads every named file not read yet (no lamp data prompt).
    void Carica(const std::vector<std::string>& nomi);
    // A file read by Carica; nullptr when never asked for.
    const FileLdt* File(const std::string& nome) const;

private:
    std::string cartella_;
    std::vector<std::string> nomi_;
    std::map<std::string, FileLdt> letti_;
};

}  // namespace nottaro::mp
