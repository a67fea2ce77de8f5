#include "ui/risultati/PuntiGrafico.h"

#include <algorithm>
#include <limits>
#include <map>
#include <set>
#include <tuple>

#include "store/schema/SchemaSoluzioni.h"

namespace nottaro::ui {
namespace {

int OrdineClasse(const std::string& c) {
    static const char* const classi[] = {"A++", "A+", "A", "B", "C", "D", "E", "F", "G"};
    for (int k = 0; k < 9; ++k)
        if (c == classi[k]) return k;
    return 9;
}

}  // namespace

std::size_t PuntiGrafico::Punti() const {
    std::size_t n = 0;
    for (const auto& s : serie) n += s.punti.size();
    return n;
}

PuntiGrafico RaccogliPunti(const TabellaDbf& t) {
    PuntiGrafico p;
    std::map<std::string, SerieGrafico> perClasse;
    std::map<std::string, std::set<std::pair<double, double>>> visti;
    double xmin = std::numeric_limits<double>::max(), xmax = -xmin, ymin = xmin, ymax = -xmin;
    for (std::size_t r = 0; r < t.NumeroRighe(); ++r) {
        const auto x = t.NumeroRiga(r, NomeCampo(MembroRiga::INTER));
        const auto y = t.NumeroRiga(r, NomeCampo(MembroRiga::POTENZAKM));
        if (!x || !y) continue;
        const std::string classe = t.TestoRiga(r, NomeCampo(MembroRiga::CORPO)).value_or("");
        if (!visti[classe].insert({*x, *y}).second) continue;
        SerieGrafico& s = perClasse[classe];
        if (s.punti.empty()) {
            s.classe = classe;
            s.ordine = OrdineClasse(classe);
        }
        s.punti.emplace_back(*x, *y);
        s.righe.push_back(static_cast<int>(r));
        xmin = std::min(xmin, *x), xmax = std::max(xmax, *x), ymin = std::min(ymin, *y), ymax = std::max(ymax, *y);
    }
    for (auto& [classe, s] : perClasse) p.serie.push_back(std::move(s));
    std::stable_sort(p.serie.begin(), p.serie.end(),
                     [](const SerieGrafico& a, const SerieGrafico& b) { return a.ordine < b.ordine; });
    if (!p.serie.empty()) p.xmin = xmin, p.xmax = xmax, p.ymin = ymin, p.ymax = ymax;
    return p;
}

PuntiGrafico RaccogliPuntiDaFile(const std::string& percorso, const std::string& filtro, bool filtroAttivo) {
    TabellaDbf t;
    t.CollegaFile(percorso);
    if (!t.Apri(true)) return {};
    if (filtroAttivo) {
        if (!filtro.empty() && !t.ImpostaFiltro(filtro)) return {};
        t.AttivaFiltro(true);
    }
    return RaccogliPunti(t);
}

}  // namespace nottaro::ui
