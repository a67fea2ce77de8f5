#include "core/text/Testo.h"

#include <array>
#include <cctype>
#include <charconv>
#include <istream>

namespace nottaro {

std::string Trim(std::string_view s) {
    auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    std::size_t a = 0, b = s.size();
    while (a < b && blank(s[a])) ++a;
    while (b > a && blank(s[b - 1])) --b;
    return std::string(s.substr(a, b - a));
}

std::optional<int> ConvertiIntero(std::string_view s) {
    std::string t = Trim(s);
    if (t.empty()) return std::nullopt;
    const char* first = t.data();
    if (*first == '+') ++first;
    int v = 0;
    auto [p, ec] = std::from_chars(first, t.data() + t.size(), v);
    if (ec != std::errc() || p != t.data() + t.size()) return std::nullopt;
    return v;
}

std::optional<double> ConvertiReale(std::string_view s) {
    std::string t = Trim(s);
    if (t.empty()) return std::nullopt;
    const char* first = t.data();
    if (*first == '+') ++first;
    double v = 0;
    auto [p, ec] = std::from_chars(first, t.data() + t.size(), v, std::chars_format::general);
    if (ec != std::errc() || p != t.data() + t.size()) return std::nullopt;
    return v;
}

std::string FormatoGenerale(double x) {
    if (x == 0) return "0";  // also folds -0 into "0"
    std::array<char, 64> buf{};
    auto r = std::to_chars(buf.data(), buf.data() + buf.size(), x, std::chars_format::general, 15);
    std::string s(buf.data(), r.ptr);
    return s;
}

bool LeggiRiga(std::istream& in, std::string& riga) {
    riga.clear();
    if (!std::getline(in, riga)) return false;
    if (!riga.empty() && riga.back() == '\r') riga.pop_back();
    return true;
}

bool Utf8Valido(std::string_view s) {
    std::size_t i = 0;
    while (i < s.size()) {
        auto c = static_cast<unsigned char>(s[i]);
        int n = c < 0x80 ? 0 : (c >> 5) == 0x6 ? 1 : (c >> 4) == 0xE ? 2 : (c >> 3) == 0x1E ? 3 : -1;
        if (n < 0 || (n == 1 && c < 0xC2)) return false;
        for (int k = 1; k <= n; ++k)
            if (i + k >= s.size() || (static_cast<unsigned char>(s[i + k]) >> 6) != 0x2) return false;
        i += static_cast<std::size_t>(n) + 1;
    }
    return true;
}

namespace {
// Windows-1252 code points 0x80..0x9F; 0 where the code page has a hole.
constexpr std::array<char32_t, 32> Cp1252Alti = {
    0x20AC, 0, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0, 0x017D, 0,
    0, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0, 0x017E, 0x0178};

void AggiungiUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}
}  // namespace

std::string Cp1252InUtf8(std::string_view s) {
    std::string out;
    out.reserve(s.size() + s.size() / 4);
    for (char ch : s) {
        auto c = static_cast<unsigned char>(ch);
        char32_t cp = c;
        if (c >= 0x80 && c < 0xA0) cp = Cp1252Alti[c - 0x80] ? Cp1252Alti[c - 0x80] : U'?';
        AggiungiUtf8(out, cp);
    }
    return out;
}

std::string DecodificaLegacy(std::string_view s) { return Utf8Valido(s) ? std::string(s) : Cp1252InUtf8(s); }

std::string Utf8InCp1252(std::string_view s) {
    std::string out;
    out.reserve(s.size());
    std::size_t i = 0;
    while (i < s.size()) {
        auto c = static_cast<unsigned char>(s[i]);
        char32_t cp;
        std::size_t n;
        if (c < 0x80) { cp = c; n = 1; }
        else if ((c >> 5) == 0x6 && i + 1 < s.size()) { cp = ((c & 0x1Fu) << 6) | (s[i + 1] & 0x3F); n = 2; }
        else if ((c >> 4) == 0xE && i + 2 < s.size()) {
            cp = ((c & 0x0Fu) << 12) | ((s[i + 1] & 0x3Fu) << 6) | (s[i + 2] & 0x3F); n = 3;
        } else if ((c >> 3) == 0x1E && i + 3 < s.size()) { cp = 0x10000; n = 4; }
        else { cp = U'?'; n = 1; }
        i += n;
        if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) { out += static_cast<char>(cp); continue; }
        char sost = '?';
        for (std::size_t k = 0; k < Cp1252Alti.size(); ++k)
            if (Cp1252Alti[k] == cp && cp != 0) { sost = static_cast<char>(0x80 + k); break; }
        out += sost;
    }
    return out;
}

namespace {

// Code point at s[i] (advancing i); an invalid byte is taken as itself.
char32_t PuntoCodice(std::string_view s, std::size_t& i) {
    const auto b = static_cast<unsigned char>(s[i]);
    const int n = b < 0x80 ? 1 : (b >> 5) == 0x6 ? 2 : (b >> 4) == 0xE ? 3 : (b >> 3) == 0x1E ? 4 : 0;
    if (n <= 1 || i + n > s.size()) return ++i, b;
    char32_t c = b & (0x7F >> n);
    for (int k = 1; k < n; ++k) c = (c << 6) | (static_cast<unsigned char>(s[i + k]) & 0x3F);
    i += n;
    return c;
}

char32_t Minuscola(char32_t c) {
    if ((c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7)) return c + 0x20;
    if (c == 0x160 || c == 0x152 || c == 0x17D) return c + 1;  // Š Œ Ž
    if (c == 0x178) return 0xFF;                                // Ÿ
    return c;
}

char32_t Maiuscola(char32_t c) {
    if ((c >= 'a' && c <= 'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7)) return c - 0x20;
    if (c == 0x161 || c == 0x153 || c == 0x17E) return c - 1;  // š œ ž
    if (c == 0xFF) return 0x178;                                // ÿ
    return c;
}

template <class Mappa>
std::string Converti(std::string_view s, Mappa m) {
    std::string out;
    out.reserve(s.size());
    for (std::size_t i = 0; i < s.size();) {
        const std::size_t inizio = i;
        const char32_t c = PuntoCodice(s, i);
        const char32_t d = m(c);
        if (d == c) out.append(s.substr(inizio, i - inizio));  // untouched bytes, invalid ones included
        else AggiungiUtf8(out, d);  // the case pairs all lie below U+0180
    }
    return out;
}

}  // namespace

std::string Minuscole(std::string_view utf8) { return Converti(utf8, Minuscola); }
std::string Maiuscole(std::string_view utf8) { return Converti(utf8, Maiuscola); }
bool UgualiSenzaDistinguereMaiuscole(std::string_view a, std::string_view b) { return Minuscole(a) == Minuscole(b); }

std::string NomeFile(std::string_view percorso) {
    auto p = percorso.find_last_of("/\\");
    return std::string(p == std::string_view::npos ? percorso : percorso.substr(p + 1));
}

std::string EstensioneMinuscola(std::string_view percorso) {
    std::string nome = NomeFile(percorso);
    auto p = nome.find_last_of('.');
    if (p == std::string::npos) return {};
    return Minuscole(nome.substr(p));
}

}  // namespace nottaro
