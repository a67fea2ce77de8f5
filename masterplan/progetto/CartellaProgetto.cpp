#include "masterplan/progetto/CartellaProgetto.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <set>
#include <system_error>

#include "core/files/NomeInCartella.h"
#include "core/files/SostituisciFile.h"
#include "masterplan/VerificaDati.h"

namespace nottaro::mp {

namespace fs = std::filesystem;

bool ApplicazioneStampata(const std::string& applicazione) {
    const std::string a = Minuscolo(applicazione);
    return a != "rotatoria" && ApplicazioneNota(a);
}

namespace {

bool FinisceInJpg(const std::string& nome) {
    return nome.size() >= 4 && Minuscolo(nome.substr(nome.size() - 4)) == ".jpg";
}

}  // namespace

std::string FotoRiga(const RigaTabellaMP& r, const std::string& cartella, bool fotoInLR17) {
    const std::string radice = fotoInLR17 ? r.Origine[CLR17] : r.Celle[TIdentificativo];
    // An identifier such as "../../x" would print a picture from outside the folder.
    if (!NomeSenzaCartella(radice) || cartella.empty()) return {};
    std::error_code ec;
    // The exact name first, then any letter case of the extension (pictures
    // copied from other systems often end in .JPG).
    if (!fotoInLR17) {
        const fs::path esatto = fs::path(cartella) / (radice + ".jpg");
        if (fs::is_regular_file(esatto, ec)) return esatto.string();
    }
    std::vector<std::string> trovati;
    for (fs::directory_iterator it(cartella, ec), fine; !ec && it != fine; it.increment(ec)) {
        if (!it->is_regular_file(ec)) continue;
        const std::string nome = it->path().filename().string();
        if (!FinisceInJpg(nome)) continue;
        const std::string stelo = nome.substr(0, nome.size() - 4);
        if (fotoInLR17 ? nome.compare(0, radice.size(), radice) == 0 : stelo == radice)
            trovati.push_back(it->path().string());
    }
    if (trovati.empty()) return {};
    std::sort(trovati.begin(), trovati.end());
    return trovati.front();
}

std::vector<std::string> ImmaginiMancanti(const std::vector<RigaTabellaMP>& righe, const std::string& cartella,
                                          bool fotoInLR17) {
    std::vector<std::string> mancanti;
    for (const auto& r : righe) {
        if (!ApplicazioneStampata(r.Celle[TApplicazione])) continue;
        if (FotoRiga(r, cartella, fotoInLR17).empty())
            mancanti.push_back(fotoInLR17 ? r.Origine[CLR17] : r.Celle[TIdentificativo]);
    }
    return mancanti;
}

bool ScriviElencoMancanti(const std::string& percorso, const std::vector<std::string>& nomi, std::string& errore) {
    std::string testo;
    for (const auto& n : nomi) testo += n + "\r\n";
    if (const std::string e = SostituisciFile(percorso, testo); !e.empty()) {
        errore = percorso + ": cannot be written (" + e + ")";
        return false;
    }
    return true;
}

std::string PercorsoElencoMancanti(const std::string& dirProg) {
    return (fs::path(dirProg) / "_IMMAGINI MANCANTI.txt").string();
}

EsitoCopia CopiaFotometriche(const std::vector<RigaTabellaMP>& righe, const std::string& da, const std::string& a) {
    EsitoCopia esito;
    std::set<std::string> fatti;
    for (const auto& r : righe)
        for (int base : {TSol1, TSol2}) {
            const std::string& nome = r.Celle[base + SFotometrica];
            if (nome.empty() || !fatti.insert(nome).second) continue;
            std::error_code ec;
            fs::copy_file(fs::path(da) / nome, fs::path(a) / nome, fs::copy_options::overwrite_existing, ec);
            if (ec) esito.errori.push_back(nome + ": " + ec.message());
            else esito.copiati.push_back(nome);
        }
    return esito;
}

}  // namespace nottaro::mp
