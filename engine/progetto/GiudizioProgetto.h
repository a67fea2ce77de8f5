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

// From the design values s, the photometry foto evaluated and its evaluation
// v (which must hold a figure set). False when the edge strips cannot be computed.
bool GiudicaProgetto(const StatoProgetto& s, const Fotometria& foto, const ValutazioneProgetto& v, GiudizioProgetto& g);

}  // namespace nottaro
