#include "engine/comune/ClassiEdizione2015.h"

#include <array>
#include <cctype>
#include <string>

namespace nottaro {
namespace {

constexpr std::array<ClasseM2015, 6> kM{{
    {"M1", 2.00, 0.40, 0.70, 10, 0.35},
    {"M2", 1.50, 0.40, 0.70, 10, 0.35},
    {"M3", 1.00, 0.40, 0.60, 15, 0.30},
    {"M4", 0.75, 0.40, 0.60, 15, 0.30},
    {"M5", 0.50, 0.35, 0.40, 15, 0.30},
    {"M6", 0.30, 0.35, 0.40, 20, 0.30},
}};

constexpr std::array<ClasseE2015, 6> kC{{
    {"C0", 50.0, 0.40, 0, 0},
    {"C1", 30.0, 0.40, 0, 0},
    {"C2", 20.0, 0.40, 0, 0},
    {"C3", 15.0, 0.40, 0, 0},
    {"C4", 10.0, 0.40, 0, 0},
    {"C5", 7.50, 0.40, 0, 0},
}};

constexpr std::array<ClasseE2015, 6> kP{{
    {"P1", 15.0, 0, 3.00, 1.5},
    {"P2", 10.0, 0, 2.00, 1.5},
    {"P3", 7.50, 0, 1.50, 1.5},
    {"P4", 5.00, 0, 1.00, 1.5},
    {"P5", 3.00, 0, 0.60, 1.5},
    {"P6", 2.00, 0, 0.40, 1.5},
}};

std::string Normale(std::string_view nome) {
    std::string n;
    for (char ch : nome)
        if (!std::isspace(static_cast<unsigned char>(ch))) n += static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
    return n;
}

template <class Classe, std::size_t N>
const Classe* Cerca(const std::array<Classe, N>& tabella, const std::string& nome) {
    for (const Classe& c : tabella)
        if (c.Nome == nome) return &c;
    return nullptr;
}

Criterio Minimo(std::string_view nome, double richiesto, double valore, bool giudicato = true) {
    return {nome, richiesto, valore, true, giudicato, !giudicato || valore >= richiesto};
}

Criterio Massimo(std::string_view nome, double richiesto, double valore, bool giudicato = true) {
    return {nome, richiesto, valore, false, giudicato, !giudicato || valore <= richiesto};
}

}  // namespace

std::span<const ClasseM2015> ClassiM2015() { return kM; }
std::span<const ClasseE2015> ClassiC2015() { return kC; }
std::span<const ClasseE2015> ClassiP2015() { return kP; }

const ClasseM2015* TrovaClasseM2015(std::string_view nome) { return Cerca(kM, Normale(nome)); }

const ClasseE2015* TrovaClasseE2015(std::string_view nome) {
    const std::string n = Normale(nome);
    if (const ClasseE2015* c = Cerca(kC, n)) return c;
    return Cerca(kP, n);
}

const ClasseE2015* ClasseE2015DaLista(std::string_view classeA) {
    std::size_t i = classeA.find_first_not_of(' ');
    if (i == std::string_view::npos) return nullptr;
    const std::size_t fine = classeA.find(' ', i);
    return TrovaClasseE2015(classeA.substr(i, fine == std::string_view::npos ? fine : fine - i));
}

double EirMinDaCodice(std::string_view codClasse) {
    std::string n = Normale(codClasse);
    if (n.size() >= 2 && n[0] == 'M' && n[1] == 'E') n.erase(1, 1);
    if (n.size() > 2) n.resize(2);
    const ClasseM2015* c = Cerca(kM, n);
    return c ? c->EirMin : 0;
}

RequisitiLuminanza RequisitiDa(const ClasseM2015& c) {
    return {c.LmMin, c.UoMin * 100, c.UlMin * 100, c.TiMax, c.EirMin};
}

std::vector<Criterio> GiudicaStrada(int edizione, const RequisitiLuminanza& req, const FigureLuminanza& f) {
    const bool ed2015 = edizione == Edizione2015;
    std::vector<Criterio> v{
        Minimo("Lm", req.LmMin, f.Lm),
        Minimo("Uo", req.UoMin / 100, f.Uo),
        Minimo("Ul", req.UlMin / 100, f.Ul),
        // Under the older tables the designer judges glare: TI is shown against
        // its limit but decides nothing.
        Massimo("TI", req.TiMax, f.TI, ed2015),
    };
    if (ed2015) v.push_back(Minimo("EIR", req.EirMin, f.EIR));
    return v;
}

std::vector<Criterio> GiudicaPercorso2015(const ClasseE2015& c, double Em, double Emin) {
    std::vector<Criterio> v{Minimo("Em", c.EmMin, Em)};
    if (c.EmMaxFattore > 0) v.push_back(Massimo("Em", c.EmMaxFattore * c.EmMin, Em));
    if (c.EminMin > 0)
        v.push_back(Minimo("Emin", c.EminMin, Emin));
    else
        v.push_back(Minimo("Uo", c.UoMin, Em > 0 ? Emin / Em : 0));
    return v;
}

bool TuttiSoddisfatti(std::span<const Criterio> criteri) {
    for (const Criterio& c : criteri)
        if (!c.soddisfatto) return false;
    return true;
}

}  // namespace nottaro
