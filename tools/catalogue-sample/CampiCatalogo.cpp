#include "CampiCatalogo.h"

#include <cstdio>

#include "core/text/Testo.h"

namespace nottaro::campione {
namespace {

std::size_t Caratteri(const std::string& s) {
    std::size_t n = 0;
    for (unsigned char c : s) n += (c & 0xC0) != 0x80;
    return n;
}

}  // namespace

std::string NumeroInCampo(double x, std::size_t larghezza) {
    std::string s = FormatoGenerale(x);
    for (int decimali = 6; s.size() > larghezza && decimali >= 0; --decimali) {
        char buf[64];
        std::snprintf(buf, sizeof buf, "%.*f", decimali, x);
        s = FormatoGenerale(ConvertiReale(buf).value_or(x));
    }
    return s.size() <= larghezza ? s : std::string();
}

std::string TestoInCampo(const std::string& s, std::size_t larghezza) {
    std::string t = Trim(s);
    std::size_t n = 0;
    for (std::size_t i = 0; i < t.size(); ++i) {
        if ((static_cast<unsigned char>(t[i]) & 0xC0) == 0x80) continue;
        if (n++ == larghezza) {
            t.resize(i);
            break;
        }
    }
    return Trim(t);
}

std::string SeEntra(const std::string& s, std::size_t larghezza) {
    const std::string t = Trim(s);
    return Caratteri(t) <= larghezza ? t : std::string();
}

std::string Produttore(const std::string& ditta, std::size_t larghezza) {
    const std::string t = Trim(ditta);
    if (Caratteri(t) <= larghezza) return t;
    return TestoInCampo(t.substr(0, t.find('/')), larghezza);
}

}  // namespace nottaro::campione
