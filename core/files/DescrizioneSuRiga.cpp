#include "core/files/DescrizioneSuRiga.h"

namespace nottaro {

std::string CodificaSuRiga(std::string_view testo) {
    std::string out;
    out.reserve(testo.size());
    for (std::size_t i = 0; i < testo.size(); ++i) {
        const char c = testo[i];
        if (c == '\\') {
            out += "\\\\";
        } else if (c == '\r') {
            if (i + 1 < testo.size() && testo[i + 1] == '\n') ++i;
            out += "\\n";
        } else if (c == '\n') {
            out += "\\n";
        } else {
            out += c;
        }
    }
    return out;
}

std::string DecodificaDaRiga(std::string_view riga) {
    std::string out;
    out.reserve(riga.size());
    for (std::size_t i = 0; i < riga.size(); ++i) {
        const char c = riga[i];
        if (c == '\\' && i + 1 < riga.size() && (riga[i + 1] == '\\' || riga[i + 1] == 'n')) {
            out += riga[i + 1] == 'n' ? '\n' : '\\';
            ++i;
        } else {
            out += c;
        }
    }
    return out;
}

}  // namespace nottaro
