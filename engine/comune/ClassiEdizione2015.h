#pragma once
// Lighting classes of EN 13201-2:2015 and the verdict of a solution under
// either edition. The Parts' tables (the older edition) judge a road on Lm,
// Uo and Ul and record TI without judging it; the 2015 edition adds TI and
// the edge illuminance ratio EIR as acceptance criteria of every M class.
// One place for the requirements, so the sweep, the browser's colouring,
// evaluate and the report give the same verdict.
#include <span>
#include <string_view>
#include <vector>

namespace nottaro {

// The design value EdizioneEN.
inline constexpr int EdizioneParti = 0;  // the Parts' class tables (default)
inline constexpr int Edizione2015 = 1;   // EN 13201-2:2015

struct ClasseM2015 {
    std::string_view Nome;  // "M1" .. "M6"
    double LmMin;           // cd/m²
    double UoMin;           // ratio
    double UlMin;           // ratio
    double TiMax;           // %
    double EirMin;          // ratio
};

struct ClasseE2015 {
    std::string_view Nome;  // "C0" .. "C5", "P1" .. "P6"
    double EmMin;           // lx, maintained average illuminance
    double UoMin;           // ratio Emin / Em (C classes; 0 for P)
    double EminMin;         // lx (P classes; 0 for C)
    // P classes: Em above this multiple of EmMin overlights the class.
    double EmMaxFattore;    // 1.5 for P, 0 (no upper bound) for C
};

std::span<const ClasseM2015> ClassiM2015();
std::span<const ClasseE2015> ClassiC2015();
std::span<const ClasseE2015> ClassiP2015();

// The class by name, case and blanks ignored ("m3", " P2 "); nullptr if none.
const ClasseM2015* TrovaClasseM2015(std::string_view nome);
const ClasseE2015* TrovaClasseE2015(std::string_view nome);

// The 2015 class of a path class list text ("P1 o S1", "C3 o CE3": its first
// word); nullptr when the text names none.
const ClasseE2015* ClasseE2015DaLista(std::string_view classeA);

// EIR minimum of the 2015 M class a road class code stands for ("m3", "me3",
// "me3a" all mean M3); 0 for a code of no M class (lighting indexes, road
// categories), whose EIR is then recorded but asks nothing.
double EirMinDaCodice(std::string_view codClasse);

// One criterion of a verdict: its name ("Lm", "Uo", "Ul", "TI", "EIR",
// "Em", "Emin"), the required value, the computed one, and whether it is a
// lower bound (else an upper one). Giudicato false: recorded, not judged.
struct Criterio {
    std::string_view nome;
    double richiesto = 0;
    double valore = 0;
    bool minimo = true;
    bool giudicato = true;
    bool soddisfatto = true;
};

// Road figures of a solution; uniformities and EIR as ratios, TI in %.
struct FigureLuminanza {
    double Lm = 0, Uo = 0, Ul = 0, TI = 0, EIR = 0;
};

// Road requirements as the design state holds them (Uo, Ul and TI in %), plus
// the EIR minimum of the 2015 class (ratio; 0 none).
struct RequisitiLuminanza {
    double LmMin = 0, UoMin = 0, UlMin = 0, TiMax = 0, EirMin = 0;
};

// The 2015 requirements of an M class in the design state's units.
RequisitiLuminanza RequisitiDa(const ClasseM2015& c);

// Verdict of a road solution: Lm, Uo, Ul always; TI and EIR judged under the
// 2015 edition, TI only recorded under the Parts' edition (EIR not listed).
std::vector<Criterio> GiudicaStrada(int edizione, const RequisitiLuminanza& req, const FigureLuminanza& f);

// Verdict of a path solution under a 2015 class: Em (and, for P classes, Em
// not above EmMaxFattore x EmMin), then Uo (C) or Emin (P).
std::vector<Criterio> GiudicaPercorso2015(const ClasseE2015& c, double Em, double Emin);

// True when every judged criterion is met.
bool TuttiSoddisfatti(std::span<const Criterio> criteri);

}  // namespace nottaro
