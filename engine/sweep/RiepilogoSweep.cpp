#include "engine/sweep/RiepilogoSweep.h"

#include <algorithm>
#include <cctype>
#include <string>

namespace nottaro {
namespace {

bool Uguale(const std::string& a, const char* b) {
    std::string u(a);
    for (char& c : u) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return u == b;
}

double Valore(const std::vector<ValoreCampo>& v, int i) {
    if (i < 0 || i >= static_cast<int>(v.size())) return 0;
    const double* d = std::get_if<double>(&v[static_cast<std::size_t>(i)]);
    return d ? *d : 0;
}

}  // namespace

IndiciRiepilogo IndiciDaLayout(const Layout& layout) {
    IndiciRiepilogo ind;
    struct Voce {
        const char* nome;
        int* dove;
    };
    const Voce voci[] = {{"HPALO", &ind.HPALO},         {"SBRACCIO", &ind.SBRACCIO},     {"INTER", &ind.INTER},
                         {"INDICER", &ind.INDICER},     {"INDICEI", &ind.INDICEI},       {"POTENZAKM", &ind.POTENZAKM},
                         {"NPALI", &ind.NPALI},         {"RISPMANUTE", &ind.RISPMANUTE}, {"RISPMANUTA", &ind.RISPMANUTA},
                         {"BREAKEVEN", &ind.BREAKEVEN}};
    for (std::size_t i = 1; i < layout.size(); ++i)
        for (const Voce& v : voci)
            if (Uguale(layout[i].nome, v.nome)) *v.dove = static_cast<int>(i) - 1;
    return ind;
}

void AggiornaRiepilogo(RiepilogoSweep& r, const IndiciRiepilogo& ind, const std::vector<ValoreCampo>& v) {
    r.MaxInter = std::max(r.MaxInter, Valore(v, ind.INTER));
    r.MaxRapporto = std::max(r.MaxRapporto, Valore(v, ind.INDICER));
    r.MinPotMetro = std::min(r.MinPotMetro, Valore(v, ind.INDICEI));
    r.MinPotKm = std::min(r.MinPotKm, Valore(v, ind.POTENZAKM));
    r.MinPali = std::min(r.MinPali, Valore(v, ind.NPALI));
    r.MaxRispManut = std::max(r.MaxRispManut, Valore(v, ind.RISPMANUTE));
    r.MaxRispManutA = std::max(r.MaxRispManutA, Valore(v, ind.RISPMANUTA));
    r.MinPareggio = std::min(r.MinPareggio, Valore(v, ind.BREAKEVEN));

    const double h = Valore(v, ind.HPALO);
    auto& alt = r.ListaAltezze;
    if (alt.empty() || (h > alt.back() && static_cast<int>(alt.size()) < MaxVociLista)) alt.push_back(h);
    const double o = Valore(v, ind.SBRACCIO);
    auto& sbr = r.ListaSbracci;
    if (std::find(sbr.begin(), sbr.end(), o) == sbr.end() && static_cast<int>(sbr.size()) < MaxVociLista)
        sbr.push_back(o);
}

}  // namespace nottaro
