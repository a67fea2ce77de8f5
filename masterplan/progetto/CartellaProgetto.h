#pragma once
// Gathering a plan's material: the photographs each printable row needs and
// the photometric files the solutions use, copied into the project folder.
#include <string>
#include <vector>

#include "masterplan/CalcolaMasterplan.h"

namespace nottaro::mp {

// The nine applications that are printed (every known one but the roundabout).
bool ApplicazioneStampata(const std::string& applicazione);

// The photograph of a printable row: folder + "/" + identifier + ".jpg", or
// with fotoInLR17 any ".jpg" whose name starts with the row's LR17/00 text as
// the workbook gave it (not the spacing remark that may replace it in the
// table). The extension in any letter case. Empty when there is none.
std::string FotoRiga(const RigaTabellaMP& r, const std::string& cartella, bool fotoInLR17);

// Identifiers (or LR17/00 texts) of the printable rows whose photograph is
// missing, in table order.
std::vector<std::string> ImmaginiMancanti(const std::vector<RigaTabellaMP>& righe, const std::string& cartella,
                                          bool fotoInLR17);

// Writes the list, one name per line with CR LF. False with errore set.
bool ScriviElencoMancanti(const std::string& percorso, const std::vector<std::string>& nomi, std::string& errore);

// "_IMMAGINI MANCANTI.txt" in the program folder.
std::string PercorsoElencoMancanti(const std::string& dirProg);

struct EsitoCopia {
    std::vector<std::string> copiati;  // file names, each once
    std::vector<std::string> errori;   // "name: reason"
};

// Copies every file a row names in "Fotometrica1" or "Fotometrica2" from
// `da` to `a` under its own name, replacing a file of that name.
EsitoCopia CopiaFotometriche(const std::vector<RigaTabellaMP>& righe, const std::string& da, const std::string& a);

}  // namespace nottaro::mp
