#pragma once
// Class requirements of a Masterplan row and the efficiency classes of its
// solutions: installation index IPEI, luminaire efficacy class IPEA and the
// reference pedestrian category of a strip beside the road.
#include <optional>
#include <string>

namespace nottaro::mp {

enum class TipoRiga { Strada = 0, Area = 1, Rotatoria = 2 };

struct RequisitiMP {
    TipoRiga Tipo = TipoRiga::Strada;
    double LmMin = 0, UoMin = 0, UlMin = 0, TiMax = 0;  // roads: cd/m2, %, %, %
    double EmMin = 0, EminMin = 0, UeMin = 0;           // the rest: lx, lx, %
};

// Requirements and kind of a lower-case class code; "rotatoria" turns the
// ce/c classes into a roundabout. nullopt for an unknown code.
std::optional<RequisitiMP> ImpostaClasseMP(const std::string& classe, const std::string& applicazione);

// Reference power density Dref of a class code; nullopt when it has none.
std::optional<double> DrefClasse(const std::string& classe);

// The spacing one luminaire lights: half the spacing where two luminaires
// stand per spacing (roads 4, 5, 6; paths 5, 6: the path's 4 alternates sides
// a spacing apart).
double SpaziaturaPerApparecchio(TipoRiga tipo, int disp, double S);

// IPEI class text of an index: "A7+" below 0.15 ... "G" from 3.0.
std::string ClasseIPEI(double ipei);

// IPEI of a spacing: D = P / (E S' W 0.8 / Deprezz) over Dref, with S' the
// spacing per luminaire. nullopt when the class has no Dref.
std::optional<double> IndiceIPEI(double potenza, double E, double spaziaturaPerApparecchio, double larghezza,
                                 double deprezz, const std::string& classe);

// "P1" ... "P6" for a strip's Em and Emin.
std::string CategoriaRifP(double Em, double Emin);

// Luminaire efficacy class of efficacy / reference: "G" below 0.4 ... "A12+" from 2.3.
std::string ClasseIPEA(double rapporto);

// Reference efficacies (lm/W) for lamp power P (W): S, A, P, C sets.
struct RiferimentiIPEA {
    double S, A, P, C;
};
RiferimentiIPEA RiferimentiPerPotenza(double P);

}  // namespace nottaro::mp
