#pragma once
// The verdict of a design's fixed geometry: each criterion of its class with
// the required value, under the design's edition, the edge illuminance ratio
// (2015 edition, road) and the energy indicators Dp and De. What evaluate
// prints and the report and the browser colour by.
#include <optional>
#include <vector>

#include "engine/comune/ClassiEdizione2015.h"
#include "engine/comune/IndicatoriEnergia.h"
#include "engine/progetto/ValutaProgetto.h"

namespace nottaro {

struct GiudizioProgetto {
    std::optional<double> EIR;  // road under the 2015 edition
    IndicatoriEnergia indicatori;
    std::vector<Criterio> criteri;
    bool conforme = false;
};

// A path judged by the Parts' requirements as the design state holds them:
// Em always, Emin when EminMin is set, Uo (UeMin in %) when UeMin is set.
std::vector<Criterio> GiudicaPercorsoParti(double EmMin, double EminMin, double UeMin, const StatisticheIllum& st);

// The class requirements of a design, taken once from its state: a road's
// Lm, Uo, Ul, TI and the EIR of its class code, under its edition; a path's
// 2015 class when the edition and the class name give one, else its Em,
// Emin and Uo minimums.
struct RequisitiClasse {
    bool percorso = false;
    int edizione = EdizioneParti;
    RequisitiLuminanza strada;
    const ClasseE2015* classe2015 = nullptr;
    double EmMin = 0, EminMin = 0, UeMin = 0;  // lx, lx, %
};
RequisitiClasse RequisitiDiClasse(const StatoProgetto& s, bool percorso);

// The figures a verdict reads, from an evaluation or from a stored solution.
struct FigureGiudizio {
    FigureLuminanza strada;   // road
    double Em = 0, Emin = 0;  // path, lx
};

// The class verdict of a solution's figures: the one routine behind
// evaluate, the report and the results browser's colours. Under the Parts'
// edition a road's TI is listed against its limit but not judged.
std::vector<Criterio> GiudicaClasse(const RequisitiClasse& r, const FigureGiudizio& f);

// From the design values s, the photometry foto evaluated and its evaluation
// v (which must hold a figure set). False when the edge strips cannot be computed.
bool GiudicaProgetto(const StatoProgetto& s, const Fotometria& foto, const ValutazioneProgetto& v, GiudizioProgetto& g);

}  // namespace nottaro
