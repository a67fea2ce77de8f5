#pragma once
// Energy, cost and efficiency figures of one solution row: the lamp family
// (life, price and nominal power of the design lamp), the three costs per
// light point, the per-km figures against a reference and an existing
// installation, and the energy-efficiency index with its class A++ .. G.
// Pure functions of their arguments; powers in W, lengths in m, money in
// euro, times in h. No figure is ever infinite or NaN: a quotient whose
// divisor is 0 (no reference energy, no existing lamp, a life of 0 h) is 0,
// so every row can be written to a dBase table.
#include <string>
#include <string_view>

#include "core/state/StatoProgetto.h"

namespace nottaro {

enum class FamigliaSorgente { SodioAltaPressione, AlogenuriMetallici, Mercurio, Miscelata, SodioBassaPressione, Altra };

struct LampadaProgetto {
    FamigliaSorgente famiglia = FamigliaSorgente::Altra;
    double SorgDurata = 0;  // h, life of the design lamp
    double SorgCosto = 0;   // euro, price of one lamp
    double Potenza = 0;     // W, lamp power after snapping to the family's nominal power
    double PotApp = 0;      // W, one luminaire: Potenza x (1 + PerditaPot/100)
};

// Family of a lamp type text (codes searched in the upper-cased text, group
// by group, first match wins), the life and price of the design lamp (the
// family defaults of the state, or the state's SorgDurata/SorgCosto when
// ChiediLampada is set: the design lamp was chosen by the designer) and the
// luminaire power, snapping `potLamp` to the family's nominal power when it
// lies in one of its ranges.
LampadaProgetto FamigliaLampada(std::string_view tipoLamp, double potLamp, const StatoProgetto& stato);

// Costs per light point, formed once per lamp set.
struct CostiPunto {
    double CostoPunto = 0;   // a complete new light point
    double CostoAdegua = 0;  // adapting an existing point (luminaire replaced)
    double CostoLamp = 0;    // one lamp replacement
};
CostiPunto SommeLampada(const StatoProgetto& stato, double sorgCosto);

enum class TipoImpianto { Strada, Percorso };

// Luminaires standing in one spacing: 2 for the staggered and opposite road
// arrangements (4, 5, 6) and the double-centre and both-sides path
// arrangements (5, 6), else 1.
int ApparecchiPerInterdistanza(TipoImpianto tipo, int disp);

// Luminaires per km: k x ceil(1000 / S); 0 for S <= 0.
double PaliPerKm(TipoImpianto tipo, int disp, double S);

// The candidate the figures describe.
struct CandidatoEnergia {
    TipoImpianto tipo = TipoImpianto::Strada;
    int disp = 1;        // arrangement 1..6
    double H = 0;        // m, pole height
    double S = 0;        // m, spacing
    double W = 0;        // m, carriageway or path width
    double L = 0;        // Lm (cd/m²) on a road, Em (lx) on a path
    double flusso = 0;   // lm, flux of the lamp set
};

// Fields INDICER .. POTENZALM and NPALI .. BREAKEVEN of a solution row.
struct FigureRiga {
    double INDICER = 0, INDICEI = 0, POTENZAM2 = 0, POTENZALM = 0;
    double NPALI = 0, COSTONUOVO = 0, POTENZAKM = 0, KWHANNO = 0, SPESAEANNO = 0, COSTOTOT = 0;
    double RISPIMPIAN = 0, RISPIMPIAP = 0, RISPMANUTE = 0, RISPMANUTP = 0, RISPEANNO = 0, RISPEANNOP = 0;
    double RISPE25ANN = 0, COSTOADEGU = 0, DELTAWKM = 0, DELTALMKM = 0, DELTALMP = 0, DELTAKWHAN = 0;
    double RISPEANNOA = 0, RISPEAP = 0, RISPMANUTA = 0, BREAKEVEN = 0;
};

// Every figure of the row. The candidate's luminaires per km count every
// luminaire (see PaliPerKm); the reference installation has
// ceil(1000 / (H x IntAlt)) poles (IntAltRapp) or ceil(1000 / IntAlt), and
// the existing installation as many as the candidate.
FigureRiga CalcolaFigure(const CandidatoEnergia& c, const LampadaProgetto& lamp, const CostiPunto& costi,
                         const StatoProgetto& stato);

// Energy-efficiency class of a road candidate: index
//   P / (L x Seff x W x k) x (L / (2.1 x Lreq) + 0.524)
// with Seff = S/2 for arrangements 4, 5, 6 (two luminaires per spacing) and S
// otherwise, k from the class code (case ignored). Returns "A++" .. "G";
// empty when the code is not a known class or the index cannot be formed
// (L, Lreq, S or W not positive).
std::string ClasseEnergetica(double P, double L, double Lreq, double S, double W, int disp,
                             std::string_view codClasse);
// The index alone; negative when it cannot be formed.
double IndiceEnergetico(double P, double L, double Lreq, double S, double W, int disp, std::string_view codClasse);
// Class text of an index ("A++" below 0.75 ... "G" from 3.1).
std::string ClassePerIndice(double indice);

}  // namespace nottaro
