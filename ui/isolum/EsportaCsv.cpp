#include "ui/isolum/EsportaCsv.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <utility>

#include "core/files/SostituisciFile.h"
#include "store/schema/SchemaSoluzioni.h"

namespace nottaro::ui {
namespace {

// The shortest text that reads back as the same double.
std::string Esatto(double x) {
    char b[32];
    const auto r = std::to_chars(b, b + sizeof b, x);
    return std::string(b, r.ptr);
}

// A position to the centimetre, without trailing zeros: a grid step of 10/3 m
// reads 3.33, not 3.3333333333333335.
std::string Posizione(double x) {
    double c = std::round(x * 100) / 100;
    if (c == 0) c = 0;  // no "-0"
    char b[32];
    std::snprintf(b, sizeof b, "%.2f", c);
    std::string t = b;
    while (t.back() == '0') t.pop_back();
    if (t.back() == '.') t.pop_back();
    return t;
}

}  // namespace

SoluzioneCsv SoluzioneDelCampo(const VistaSoluzione& v, int osservatore) {
    SoluzioneCsv s{v.HPalo, v.Sbraccio, v.Interdist, v.Inclina, std::nullopt, "E [lx]"};
    if (osservatore >= 0 && static_cast<std::size_t>(osservatore) < v.osservatori.size()) {
        s.osservatoreY = v.osservatori[static_cast<std::size_t>(osservatore)].y;
        s.grandezza = "L [cd/m\xc2\xb2]";
    }
    return s;
}

std::string TestoCsv(const CampoVista& c, const SoluzioneCsv& sol) {
    // The solution's geometry under the names and units of its table's fields.
    std::string s;
    const std::pair<MembroRiga, double> geometria[] = {{MembroRiga::HPALO, sol.HPalo},
                                                        {MembroRiga::SBRACCIO, sol.Sbraccio},
                                                        {MembroRiga::INTER, sol.Interdist},
                                                        {MembroRiga::INCLINA, sol.Inclina}};
    for (const auto& [membro, valore] : geometria) s += NomeConUnita(membro) + "," + Posizione(valore) + "\r\n";
    if (sol.osservatoreY) s += "OSSERVATORE Y [m]," + Posizione(*sol.osservatoreY) + "\r\n";
    s += "\r\n";
    s += sol.grandezza + " Y [m] \\ X [m]";
    for (double x : c.x) s += "," + Posizione(x);
    s += "\r\n";
    for (std::size_t r = c.y.size(); r-- > 0;) {
        s += Posizione(c.y[r]);
        for (std::size_t i = 0; i < c.x.size(); ++i) s += "," + Esatto(c.Valore(i, r));
        s += "\r\n";
    }
    return s;
}

std::string EsportaCsv(const CampoVista& c, const SoluzioneCsv& s, const std::string& percorso) {
    return SostituisciFile(percorso, TestoCsv(c, s));
}

}  // namespace nottaro::ui
