#include "report/LetteraIntestata.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

#include "core/files/LeggiFileRegolare.h"
#include "core/files/SostituisciFile.h"
#include "core/i18n/Argomenti.h"
#include "core/i18n/Messaggi.h"
#include "core/photometry/LettoriFotometria.h"
#include "core/text/Testo.h"

namespace nottaro {
namespace {

std::string Intestazione::*const CampiTesto[8] = {
    &Intestazione::Societa,  &Intestazione::Unita, &Intestazione::Indirizzo, &Intestazione::Indirizzo2,
    &Intestazione::Localita, &Intestazione::Telefono, &Intestazione::Fax,    &Intestazione::Operatore};

// The bytes of a field that the record holds (empty past its end).
std::string_view Caratteri(std::string_view byte, const CampoLP& c, bool perLunghezza) {
    if (byte.size() <= c.inizio) return {};
    std::size_t n = c.capacita;
    if (perLunghezza) n = std::min<std::size_t>(static_cast<unsigned char>(byte[c.inizio]), c.capacita);
    const std::size_t disponibili = byte.size() - c.inizio - 1;
    return byte.substr(c.inizio + 1, std::min(n, disponibili));
}

}  // namespace

std::string SenzaBlanchiFinali(std::string_view t) {
    while (!t.empty() && (t.back() == ' ' || t.back() == '\t' || t.back() == '\0')) t.remove_suffix(1);
    return std::string(t);
}

RecordLP DecodificaLP(std::string_view byte) {
    RecordLP r;
    r.corto = byte.size() < DimensioneLP;
    if (byte.size() > DimensioneLP) byte = byte.substr(0, DimensioneLP);
    for (int k = 0; k < 8; ++k) r.intest.*CampiTesto[k] = Cp1252InUtf8(Caratteri(byte, CampiLP[k], true));
    r.intest.Logo = Cp1252InUtf8(Caratteri(byte, CampiLP[8], true));
    std::string_view logo = Caratteri(byte, CampiLP[8], false);
    // Unwritten bytes of a short or hand-made record read as blanks.
    while (!logo.empty() && (logo.back() == ' ' || logo.back() == '\0')) logo.remove_suffix(1);
    r.logoInUso = Cp1252InUtf8(logo);
    // The logo is looked for beside the letterhead: a name with a folder part
    // would print any picture of the disk.
    if (r.logoInUso == ".." || r.logoInUso == "." || r.logoInUso.find_first_of("/\\") != std::string::npos) {
        r.logoRifiutato = std::move(r.logoInUso);
        r.logoInUso.clear();
    }
    return r;
}

std::string CodificaLP(const Intestazione& i, const std::string& logo) {
    std::string b(DimensioneLP, '\0');
    auto scrivi = [&](const CampoLP& c, const std::string& testo, bool riempi) {
        std::string t = Utf8InCp1252(testo);
        if (t.size() > c.capacita) t.resize(c.capacita);
        b[c.inizio] = static_cast<char>(static_cast<unsigned char>(t.size()));
        if (riempi) t.resize(c.capacita, ' ');
        std::copy(t.begin(), t.end(), b.begin() + static_cast<std::ptrdiff_t>(c.inizio + 1));
    };
    for (int k = 0; k < 8; ++k) scrivi(CampiLP[k], i.*CampiTesto[k], false);
    scrivi(CampiLP[8], logo, true);
    return b;
}

LetturaLP LeggiLP(const std::string& percorso) {
    LetturaLP l;
    // A letterhead is one 679-byte record; a pipe, a device or a big file is
    // none, and reading one would block or fill the memory.
    constexpr std::uintmax_t kMaxByteLP = 64 * 1024;
    std::string byte;
    if (LeggiFileRegolare(percorso, kMaxByteLP, byte) != EsitoLettura::Letto) return l;
    if (byte.size() > DimensioneLP) byte.resize(DimensioneLP);
    l.letto = true;
    l.record = DecodificaLP(byte);
    return l;
}

std::string ScriviLP(const std::string& percorso, const Intestazione& i, const std::string& logo) {
    return SostituisciFile(percorso, CodificaLP(i, logo));
}

std::string CartellaIntestazioni(const StatoProgetto& s) {
    std::filesystem::path p = s.DirProg.empty() ? std::filesystem::path(".") : std::filesystem::path(s.DirProg);
    return (p / "Intestazioni").string() + static_cast<char>(std::filesystem::path::preferred_separator);
}

void CaricaIntestazione(StatoProgetto& s, Interazione& ui) {
    const std::string cartella = CartellaIntestazioni(s);
    const std::string file = cartella + "custom.LP";
    if (!EsisteFile(file)) return;
    const LetturaLP l = LeggiLP(file);
    if (!l.letto) return;
    s.DirIntest = cartella;
    s.Intest = l.record.intest;
    s.LogoIntest = l.record.logoInUso;
    if (l.record.corto) ui.Avviso(ConArgomenti(Msg(1700), {file}));
    if (!l.record.logoRifiutato.empty()) ui.Avviso(ConArgomenti(Msg(2102), {l.record.logoRifiutato, file}));
}

}  // namespace nottaro
