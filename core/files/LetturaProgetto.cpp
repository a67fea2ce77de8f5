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

    // Next line of the file; false (with the message) at the end of the file.
    bool Riga(const char* nome, std::string& riga) {
        if (!LeggiRiga(in_, riga)) {
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
        return std::visit(
            [&](auto campo) { return Assegna(campo, r.nome, riga); }, r.campo);
    }

    // A line the file may end before: fine is set, and nothing read, at the end.
    bool LeggiOpzionale(const RigaProgetto& r, bool& fine) {
        std::string riga;
        if (!LeggiRiga(in_, riga)) {
            fine = true;
            return true;
        }
        ++numero_;
        return std::visit([&](auto campo) { return Assegna(campo, r.nome, riga); }, r.campo);
    }

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
    bool Assegna(bool StatoProgetto::* m, const char*, const std::string& riga) {
        s_.*m = Trim(riga) == "1";
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

    for (const auto& r : RigheBase())
        if (!lettore.Leggi(r)) return false;
    if (versione.testo != "0") {
        if (!lettore.Leggi(RigaOssUNI())) return false;
    } else {
        s.OssUNI = 1;  // the 2.x program of version-0 files placed the observers as UNI 10439
    }
    for (const auto& r : RigheTesti())
        if (!lettore.Leggi(r)) return false;
    if (versione.numero >= 4) {
        for (const auto& r : RigheCicloPedonale())
            if (!lettore.Leggi(r)) return false;
        // Optional lines: files written before each existed end there, and
        // what they lack keeps the default (the older class tables, the
        // burning hours at full power).
        s.EdizioneEN = 0;
        s.OrePiena = s.OreRid1 = s.OreRid2 = 0;
        s.FrazRid1 = s.FrazRid2 = 1;
        bool fine = false;
        if (!lettore.LeggiOpzionale(RigaCodClasse(), fine)) return false;
        for (const auto& r : RigheOpzionali()) {
            if (fine) break;
            if (!lettore.LeggiOpzionale(r, fine)) return false;
        }
    } else {
        s.TipoProgetto = 0;
    }
    return true;
}

}  // namespace nottaro
