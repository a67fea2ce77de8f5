#include "ui/isolum/EsportaCsv.h"

#include <charconv>

#include "core/files/SostituisciFile.h"

namespace nottaro::ui {
namespace {

// The shortest text that reads back as the same double.
std::string Esatto(double x) {
    char b[32];
    const auto r = std::to_chars(b, b + sizeof b, x);
    return std::string(b, r.ptr);
}

}  // namespace

std::string TestoCsv(const CampoVista& c) {
    std::string s = "Y/X";
    for (double x : c.x) s += "," + Esatto(x);
    s += "\r\n";
    for (std::size_t r = c.y.size(); r-- > 0;) {
        s += Esatto(c.y[r]);
        for (std::size_t i = 0; i < c.x.size(); ++i) s += "," + Esatto(c.Valore(i, r));
        s += "\r\n";
    }
    return s;
}

std::string EsportaCsv(const CampoVista& c, const std::string& percorso) {
    return SostituisciFile(percorso, TestoCsv(c));
}

}  // namespace nottaro::ui
