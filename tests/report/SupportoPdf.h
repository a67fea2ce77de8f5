#pragma once
// Running the command line in a folder of the test's own and reading the
// PDFs it writes back with poppler's pdftotext and pdfinfo.
#include <sys/wait.h>

#include <cstdio>
#include <string>
#include <vector>

#include "support/EseguiCli.h"
#include "support/LeggiFile.h"
#include "support/Percorsi.h"

namespace nottaro::test {

// The output of a shell command ("" when it did not run).
inline std::string Comando(const std::string& c, int* esito = nullptr) {
    std::string out;
    FILE* p = ::popen(c.c_str(), "r");
    if (!p) return out;
    char buf[4096];
    std::size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, p)) > 0) out.append(buf, n);
    const int s = ::pclose(p);
    if (esito) *esito = WIFEXITED(s) ? WEXITSTATUS(s) : -1;
    return out;
}

// nottaro-cli run with `cartella` as its working folder.
inline UscitaCli CliIn(const std::string& cartella, const std::string& argomenti) {
    UscitaCli u;
    const std::string err = cartella + "/.stderr";
    u.out = Comando("cd " + Tra(cartella) + " && " + Tra(ProgrammaCli()) + " " + argomenti + " 2>" + Tra(err), &u.esito);
    u.err = LeggiFile(err);
    std::remove(err.c_str());
    return u;
}

// Text of the PDF (one page when `pagina` > 0), in reading layout.
inline std::string TestoPdf(const std::string& pdf, int pagina = 0) {
    const std::string pagine = pagina > 0 ? " -f " + std::to_string(pagina) + " -l " + std::to_string(pagina) : "";
    return Comando("pdftotext -layout" + pagine + " " + Tra(pdf) + " -");
}

inline int PaginePdf(const std::string& pdf) {
    const std::string info = Comando("pdfinfo " + Tra(pdf));
    const auto p = info.find("Pages:");
    return p == std::string::npos ? -1 : std::stoi(info.substr(p + 6));
}

// The words of one page with their boxes in millimetres from the page's
// top-left corner (pdftotext -bbox), in reading order.
struct ParolaPdf {
    std::string testo;
    double x0, y0, x1, y1;
};
inline std::vector<ParolaPdf> ParolePdf(const std::string& pdf, int pagina) {
    const std::string xml = Comando("pdftotext -bbox -f " + std::to_string(pagina) + " -l " + std::to_string(pagina) +
                                    " " + Tra(pdf) + " -");
    std::vector<ParolaPdf> parole;
    const double mm = 25.4 / 72;
    for (std::size_t p = xml.find("<word "); p != std::string::npos; p = xml.find("<word ", p + 1)) {
        auto attributo = [&](const char* nome) {
            const std::size_t a = xml.find(std::string(nome) + "=\"", p) + std::string(nome).size() + 2;
            return std::stod(xml.substr(a, xml.find('"', a) - a)) * mm;
        };
        const std::size_t inizio = xml.find('>', p) + 1;
        parole.push_back({xml.substr(inizio, xml.find("</word>", inizio) - inizio), attributo("xMin"),
                          attributo("yMin"), attributo("xMax"), attributo("yMax")});
    }
    return parole;
}

inline bool Contiene(const std::string& testo, const std::string& parte) { return testo.find(parte) != std::string::npos; }

}  // namespace nottaro::test
