#include <cmath>
#include <istream>

#include "core/files/DescrizioneSuRiga.h"
#include "core/files/FileProgetto.h"
#include "core/files/RigheProgetto.h"
#include "core/text/Testo.h"

namespace nottaro {

namespace {

class LettoreProgetto {
public:
    LettoreProgetto(std::istream& in, StatoProgetto& s, std::string& errore) : in_(in), s_(s), errore_(errore) {}

    // Next line of the file; false (with the message) at the end of the file
    // or when the medium fails under the read.
    bool Riga(const char* nome, std::string& riga) {
        if (!LeggiRiga(in_, riga)) {
            if (in_.bad()) {
                errore_ = "the file cannot be read after line " + std::to_string(numero_);
                return false;
            }
            errore_ = "the file ends after line " + std::to_string(numero_) + "; line " +
                      std::to_string(numero_ + 1) + " (" + nome + ") is missing";
            return false;
        }
        ++numero_;
        return true;
    }

    bool Leggi(const RigaProgetto& r) {
        std::string riga;
        if (!Riga(r.nome, riga)) return false;
        return Assegna(r, riga);
    }

    // The value of `r` from the line just read.
    bool Assegna(const RigaProgetto& r, const std::string& riga) {
        return std::visit([&](auto campo) { return Assegna(campo, r.nome, riga); }, r.campo);
    }

    // A line that follows the last one read, if any. false at the end of the
    // file; an unreadable medium is reported in the message.
    bool Altra(std::string& riga) {
        if (!LeggiRiga(in_, riga)) {
            if (in_.bad()) errore_ = "the file cannot be read after line " + std::to_string(numero_);
            return false;
        }
        ++numero_;
        return true;
    }

    bool Fallito() const { return !errore_.empty(); }
    int numero() const { return numero_; }

private:
    bool Rifiuta(const char* nome, const std::string& riga, const char* atteso) {
        errore_ = "line " + std::to_string(numero_) + " (" + nome + "): \"" + riga + "\" is not " + atteso;
        return false;
    }
    bool Assegna(double StatoProgetto::* m, const char* nome, const std::string& riga) {
        // "nan" and "inf" would slip into the geometry as numbers.
        auto v = ConvertiReale(riga);
        if (!v || !std::isfinite(*v)) return Rifiuta(nome, riga, "a valid number");
        s_.*m = *v;
        return true;
    }
    bool Assegna(int StatoProgetto::* m, const char* nome, const std::string& riga) {
        auto v = ConvertiIntero(riga);
        if (!v) return Rifiuta(nome, riga, "a valid integer");
        s_.*m = *v;
        return true;
    }
    bool Assegna(bool StatoProgetto::* m, const char* nome, const std::string& riga) {
        // The writer puts a flag as "1" or "0": anything else is not a flag
        // that was saved, and taking it as "off" would hide the damage.
        const std::string t = Trim(riga);
        if (t != "1" && t != "0") return Rifiuta(nome, riga, "a flag (1 or 0)");
        s_.*m = t == "1";
        return true;
    }
    bool Assegna(std::string StatoProgetto::* m, const char*, const std::string& riga) {
        s_.*m = DecodificaLegacy(riga);
        return true;
    }
    bool Assegna(TestoCodificato t, const char*, const std::string& riga) {
        s_.*(t.membro) = DecodificaDaRiga(DecodificaLegacy(riga));
        return true;
    }
    bool Assegna(TestoScelto t, const char* nome, const std::string& riga) {
        const std::string testo = DecodificaLegacy(riga);
        if (!t.valido(testo)) return Rifiuta(nome, riga, t.atteso);
        s_.*(t.membro) = Trim(testo);
        return true;
    }

    std::istream& in_;
    StatoProgetto& s_;
    std::string& errore_;
    int numero_ = 0;
};

}  // namespace

bool LeggiFileProgetto(std::istream& in, StatoProgetto& s, VersioneProgetto& versione, std::string& errore) {
    LettoreProgetto lettore(in, s, errore);
    std::string riga1;
    if (!lettore.Riga("version", riga1)) return false;
    // A byte-order mark left by an editor would hide the version number.
    if (riga1.rfind("\xEF\xBB\xBF", 0) == 0) riga1.erase(0, 3);
    versione = VersioneDaRiga(DecodificaLegacy(riga1));
    // The version decides which lines follow: a damaged or foreign first
    // line would read a path project as a road and drop its path lines.
    if (versione.testo != "0" &&
        (versione.numero <= 0 || versione.numero > VersioneDaRiga(VersioneProgramma).numero)) {
        errore = "line 1 (version): \"" + riga1 + "\" is not the version of a project file this program reads";
        return false;
    }

    for (const auto& r : RigheBase())
        if (!lettore.Leggi(r)) return false;
    if (versione.testo != "0") {
        if (!lettore.Leggi(RigaOssUNI())) return false;
    } else {
        s.OssUNI = 1;  // the 2.x program of version-0 files placed the observers as UNI 10439
    }
    for (const auto& r : RigheTesti())
        if (!lettore.Leggi(r)) return false;
    // What a file written before the class edition and the operating profile
    // lacks keeps the default: the older class tables, the burning hours at
    // full power.
    s.EdizioneEN = 0;
    s.OrePiena = s.OreRid1 = s.OreRid2 = 0;
    s.FrazRid1 = s.FrazRid2 = 1;
    s.LargLaterale = 0;
    if (versione.numero < 4) {
        s.TipoProgetto = 0;
    } else {
        for (const auto& r : RigheCicloPedonale())
            if (!lettore.Leggi(r)) return false;
        // Values added later: files written before one existed end before it.
        std::string riga;
        for (const auto& r : RigheFacoltative()) {
            if (!lettore.Altra(riga)) {
                if (lettore.Fallito()) return false;
                return true;
            }
            // After the class code (a text that may be empty) a blank line is
            // one an editor left at the end: only blank lines may follow it.
            if (&r != RigheFacoltative().data() && Trim(riga).empty()) break;
            if (!lettore.Assegna(r, riga)) return false;
        }
    }
    // Anything after the last value belongs to no line this version has:
    // the file is damaged or of another kind. Blank lines at the end are
    // left by editors and carry nothing.
    std::string riga;
    while (lettore.Altra(riga)) {
        if (!Trim(riga).empty()) {
            errore = "line " + std::to_string(lettore.numero()) + ": \"" + riga +
                     "\" is left over after the last value of a version " + versione.testo + " project file";
            return false;
        }
    }
    if (lettore.Fallito()) return false;
    return true;
}

}  // namespace nottaro
