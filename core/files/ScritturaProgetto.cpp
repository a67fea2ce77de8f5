#include <cctype>
#include <charconv>
#include <filesystem>
#include <fstream>
#include <ostream>
#include <sstream>
#include <system_error>

#include "core/files/DescrizioneSuRiga.h"
#include "core/files/FileProgetto.h"
#include "core/files/RigheProgetto.h"
#include "core/files/SostituisciFile.h"
#include "core/i18n/Argomenti.h"
#include "core/i18n/Messaggi.h"
#include "core/i18n/MessaggiFotometria.h"
#include "core/photometry/ScriviEulumdat.h"
#include "core/text/Testo.h"

namespace nottaro {

namespace {

// One-line texts: a stray line break would shift every later line.
std::string SenzaACapo(const std::string& t) {
    std::string out;
    out.reserve(t.size());
    for (std::size_t i = 0; i < t.size(); ++i) {
        if (t[i] == '\r' && i + 1 < t.size() && t[i + 1] == '\n') continue;
        out += (t[i] == '\r' || t[i] == '\n') ? ' ' : t[i];
    }
    return out;
}

std::string TestoRiga(const RigaProgetto& riga, const StatoProgetto& s) {
    struct Visitatore {
        const StatoProgetto& s;
        std::string operator()(double StatoProgetto::* m) const { return FormatoGenerale(s.*m); }
        std::string operator()(int StatoProgetto::* m) const { return std::to_string(s.*m); }
        std::string operator()(bool StatoProgetto::* m) const { return s.*m ? "1" : "0"; }
        std::string operator()(std::string StatoProgetto::* m) const { return SenzaACapo(s.*m); }
        std::string operator()(TestoCodificato t) const { return CodificaSuRiga(s.*(t.membro)); }
    };
    return std::visit(Visitatore{s}, riga.campo);
}

void Scrivi(std::ostream& out, const RigaProgetto& riga, const StatoProgetto& s) {
    out << TestoRiga(riga, s) << FineRiga;
}

}  // namespace

VersioneProgetto VersioneDaRiga(const std::string& riga1) {
    // Version-0 files (written by a 2.x program: no observer line, no path
    // lines) open with a banner holding "Nottaro " instead of a version.
    if (riga1.find("Nottaro ") != std::string::npos) return VersioneProgetto{std::string(1, '0'), 0.0};
    VersioneProgetto v;
    v.testo = riga1;
    const std::string t = Trim(riga1);
    std::size_t fine = 0;
    while (fine < t.size() && std::isdigit(static_cast<unsigned char>(t[fine]))) ++fine;
    if (fine > 0 && fine + 1 < t.size() && t[fine] == '.' &&
        std::isdigit(static_cast<unsigned char>(t[fine + 1]))) {
        ++fine;
        while (fine < t.size() && std::isdigit(static_cast<unsigned char>(t[fine]))) ++fine;
    }
    if (fine > 0) std::from_chars(t.data(), t.data() + fine, v.numero);
    return v;
}

void ScriviFileProgetto(std::ostream& out, const StatoProgetto& s) {
    out << VersioneProgramma << FineRiga;
    for (const auto& r : RigheBase()) Scrivi(out, r, s);
    Scrivi(out, RigaOssUNI(), s);
    for (const auto& r : RigheTesti()) Scrivi(out, r, s);
    for (const auto& r : RigheCicloPedonale()) Scrivi(out, r, s);
    Scrivi(out, RigaCodClasse(), s);
    for (const auto& r : RigheOpzionali()) Scrivi(out, r, s);
}

bool SalvaProgetto(const std::string& percorso, const StatoProgetto& s, Interazione& ui) {
    namespace fs = std::filesystem;
    // An edited photometry travels with the project as its ".nt1" companion,
    // written first: the project alone would reload the file's old table. A
    // companion already there is rewritten too, or its stale table would win.
    fs::path compagno(percorso);
    compagno.replace_extension(".nt1");
    std::error_code ecc;
    if (compagno != fs::path(percorso) && (s.Foto.Modificata || fs::exists(compagno, ecc)) &&
        !ScriviEulumdat(compagno.string(), s.Foto)) {
        ui.Avviso(ConArgomenti(Msg(MsgCompagnoFallito), {NomeFile(compagno.string())}));
        return false;
    }
    std::ostringstream testo;
    ScriviFileProgetto(testo, s);
    const bool ok = SostituisciFile(percorso, testo.str()).empty();
    if (!ok) ui.Avviso(NomeFile(percorso) + ": the project file could not be written.");
    return ok;
}

}  // namespace nottaro
