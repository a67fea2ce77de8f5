#include "store/RigheOltreIlConteggio.h"

#include <fstream>

namespace nottaro {

namespace {

bool CifraDiNumero(char c) {
    return (c >= '0' && c <= '9') || c == ' ' || c == '.' || c == '-' || c == '+' || c == 'e' || c == 'E';
}

bool RigaScrivibile(const std::string& r, const std::vector<CampoRiga>& campi) {
    if (r.empty() || (r[0] != ' ' && r[0] != '*')) return false;
    if (r.find('\0') != std::string::npos) return false;
    std::size_t pos = 1;
    for (const CampoRiga& c : campi) {
        const auto larghezza = static_cast<std::size_t>(c.larghezza);
        if (pos + larghezza > r.size()) return false;
        if (c.numero)
            for (std::size_t k = pos; k < pos + larghezza; ++k)
                if (!CifraDiNumero(r[k])) return false;
        pos += larghezza;
    }
    return pos == r.size();
}

}  // namespace

std::uint64_t RigheOltreIlConteggio(const std::string& percorso, const IntestazioneDbf& i,
                                    const std::vector<CampoRiga>& campi) {
    if (i.righeIntere <= i.righeDichiarate || i.lunghezzaRiga == 0) return 0;
    std::ifstream in(percorso, std::ios::binary);
    if (!in) return 0;
    in.seekg(static_cast<std::streamoff>(i.lunghezzaTesta + i.righeDichiarate * i.lunghezzaRiga));
    std::string riga(i.lunghezzaRiga, '\0');
    std::uint64_t n = 0;
    while (i.righeDichiarate + n < i.righeIntere) {
        if (!in.read(riga.data(), static_cast<std::streamsize>(riga.size()))) break;
        if (!RigaScrivibile(riga, campi)) break;
        ++n;
    }
    return n;
}

}  // namespace nottaro
