// Build-time tool: turns the translators' table core/i18n/messages.tsv into a
// C++ source holding the five-language message catalogue, so the program
// carries its texts and reads nothing at run time.
//
// Usage: nottaro_genera_catalogo <messages.tsv> <output.cpp>
// Exit status 0 on success; on a malformed table it names the line and the
// fault on stderr, writes nothing and exits with 1, which stops the build.
#include <array>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "core/i18n/Messaggi.h"

namespace {

constexpr const char* kIntestazione = "n\tit\ten\tfr\tde\tes";

// Splits a line on tabs; an escaped tab inside a text is written "\t", so
// every real tab separates two columns.
std::vector<std::string> Colonne(const std::string& riga) {
    std::vector<std::string> out;
    std::string::size_type inizio = 0;
    for (;;) {
        auto tab = riga.find('\t', inizio);
        out.push_back(riga.substr(inizio, tab == std::string::npos ? std::string::npos : tab - inizio));
        if (tab == std::string::npos) break;
        inizio = tab + 1;
    }
    return out;
}

// Undoes the table's escapes: "\n" line break, "\t" tab, "\\" backslash.
// Any other backslash sequence is a typing error and is refused.
bool Decodifica(const std::string& s, std::string& out) {
    out.clear();
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] != '\\') {
            out += s[i];
            continue;
        }
        if (i + 1 >= s.size()) return false;
        switch (s[++i]) {
            case 'n': out += '\n'; break;
            case 't': out += '\t'; break;
            case '\\': out += '\\'; break;
            default: return false;
        }
    }
    return true;
}

// A C++ string literal that survives any source encoding: printable ASCII as
// is, everything else (UTF-8 bytes, controls) as three-digit octal escapes.
std::string Letterale(const std::string& s) {
    std::string out = "\"";
    for (unsigned char c : s) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c >= 0x20 && c < 0x7f) {
            out += static_cast<char>(c);
        } else {
            char buf[5];
            std::snprintf(buf, sizeof buf, "\\%03o", c);
            out += buf;
        }
    }
    return out + "\"";
}

// A message number written as plain decimal digits, or -1.
int Numero(const std::string& s) {
    if (s.empty() || s.size() > 9) return -1;
    int n = 0;
    for (char c : s) {
        if (c < '0' || c > '9') return -1;
        n = n * 10 + (c - '0');
    }
    return n;
}

}  // namespace

int main(int argc, char** argv) {
    using nottaro::NumLingue;
    using nottaro::NumMessaggi;
    if (argc != 3) {
        std::cerr << "usage: nottaro_genera_catalogo <messages.tsv> <output.cpp>\n";
        return 1;
    }
    std::ifstream in(argv[1], std::ios::binary);
    if (!in) {
        std::cerr << argv[1] << ": cannot be opened\n";
        return 1;
    }
    auto errore = [&](int riga, const std::string& cosa) {
        std::cerr << argv[1] << ":" << riga << ": " << cosa << "\n";
        return 1;
    };

    // The original messages 0 … NumMessaggi-1 in order, then the added ones
    // (PrimoMessaggioAggiunto and up) in strictly ascending order, gaps allowed.
    std::vector<std::array<std::string, NumLingue>> testi;
    std::vector<std::pair<int, std::array<std::string, NumLingue>>> aggiunti;
    std::string riga;
    int numeroRiga = 0;
    while (std::getline(in, riga)) {
        ++numeroRiga;
        if (!riga.empty() && riga.back() == '\r') riga.pop_back();
        if (numeroRiga == 1) {
            if (riga.size() >= 3 && riga.compare(0, 3, "\xEF\xBB\xBF") == 0) riga.erase(0, 3);
            if (riga != kIntestazione) return errore(1, "header must read: n<TAB>it<TAB>en<TAB>fr<TAB>de<TAB>es");
            continue;
        }
        if (riga.empty() && in.peek() == std::char_traits<char>::eof()) break;
        auto col = Colonne(riga);
        if (col.size() != NumLingue + 1)
            return errore(numeroRiga, "expected 6 tab-separated columns, found " + std::to_string(col.size()));
        std::array<std::string, NumLingue> r;
        for (int l = 0; l < NumLingue; ++l)
            if (!Decodifica(col[l + 1], r[l])) return errore(numeroRiga, "unknown escape in column " + std::to_string(l + 2));
        if (testi.size() < static_cast<std::size_t>(NumMessaggi)) {
            if (col[0] != std::to_string(testi.size()))
                return errore(numeroRiga, "message number " + col[0] + " where " + std::to_string(testi.size()) + " was expected");
            testi.push_back(std::move(r));
            continue;
        }
        const int n = Numero(col[0]);
        const int minimo = aggiunti.empty() ? nottaro::PrimoMessaggioAggiunto : aggiunti.back().first + 1;
        if (n < minimo)
            return errore(numeroRiga, "message number " + col[0] + " where a number from " + std::to_string(minimo) +
                                          " up was expected (added messages follow in ascending order)");
        aggiunti.emplace_back(n, std::move(r));
    }
    if (numeroRiga == 0) return errore(1, "empty table");
    if (testi.size() != static_cast<std::size_t>(NumMessaggi))
        return errore(numeroRiga, "table holds " + std::to_string(testi.size()) + " messages, the program needs " +
                                      std::to_string(NumMessaggi));

    std::ostringstream out;
    out << "// Generated from core/i18n/messages.tsv by nottaro_genera_catalogo; edit the table, not this file.\n"
        << "#include \"core/i18n/CatalogoGenerato.h\"\n\n#include <array>\n\n"
        << "namespace nottaro::catalogo {\n\n"
        << "const std::string_view kTesti[NumLingue][NumMessaggi] = {\n";
    for (int l = 0; l < NumLingue; ++l) {
        out << "  {\n";
        for (const auto& r : testi) out << "    " << Letterale(r[l]) << ",\n";
        out << "  },\n";
    }
    out << "};\n\n"
        << "static const std::array<VoceAggiunta, " << aggiunti.size() << "> kVoci{{\n";
    for (const auto& [n, r] : aggiunti) {
        out << "  {" << n << ", {";
        for (int l = 0; l < NumLingue; ++l) out << (l ? ", " : "") << Letterale(r[l]);
        out << "}},\n";
    }
    out << "}};\n\n"
        << "const std::span<const VoceAggiunta> kAggiunti(kVoci);\n\n"
        << "}  // namespace nottaro::catalogo\n";

    const std::string nuovo = out.str();
    std::ofstream f(argv[2], std::ios::binary | std::ios::trunc);
    f << nuovo;
    f.close();
    if (!f) {
        std::cerr << argv[2] << ": cannot be written\n";
        return 1;
    }
    return 0;
}
