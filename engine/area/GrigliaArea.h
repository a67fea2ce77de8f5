#pragma once
// Calculation grid of a path over one spacing: points at the centres of equal
// cells, steps rounded to the millimetre.
#include <string>
#include <vector>

#include "engine/area/ParametriArea.h"

namespace nottaro {

struct PuntoArea {
    double x = 0, y = 0;  // m, along and across the path (0 right edge)
};

struct GrigliaArea {
    int NPtiLong = 0;   // points along
    int NPtiTrasv = 0;  // points across
    double PassoX = 0;  // m, step along
    double PassoY = 0;  // m, step across
    std::vector<PuntoArea> Punti;  // row-major: point (i, j) at i * NPtiTrasv + j
    const PuntoArea& operator()(int i, int j) const { return Punti[static_cast<std::size_t>(i) * NPtiTrasv + j]; }
};

enum class EsitoA {
    Ok,
    ContiPersonalizzatiNonValidi,  // custom grid with a count below 1
    TipoGrigliaSconosciuto,        // GrigliaPers neither 0 nor 1
    MisureNonValide,               // spacing or width not positive (or not finite)
    TroppiPunti,                   // more than MaxPuntiGrigliaA points
    DisposizioneSconosciuta,       // DispPaliA outside 1..6 (layout, not grid)
    SerieLampadeNonValida,         // LampCalc outside the record's lamp sets
};

// Largest grid accepted (far beyond any real path; guards the allocation).
inline constexpr long long MaxPuntiGrigliaA = 1000000;

// Standard grid: 10 points along up to S = 30 m, else Trunc(S / 3) + 1; across
// 3 points up to W = 4.5 m, else Trunc(W / 1.5) + 1. Custom grid: NPtiX x NPtiY.
// Steps Arrotonda(S / n, 3) and Arrotonda(W / m, 3); point (i, j) at
// ((i + 1/2) PassoX, (j + 1/2) PassoY). Any status other than Ok leaves the
// grid unchanged.
EsitoA CreaGrigliaA(const ParametriArea& p, GrigliaArea& g);

// One line for the user explaining a refused grid or layout, in the language
// the catalogue shows (empty for Ok).
std::string TestoEsitoA(EsitoA esito, const ParametriArea& p);

}  // namespace nottaro
