#pragma once
// Horizontal illuminance field over a calculation grid and its statistics,
// shared by the path engine and the road illuminance of a chosen solution.
#include <cmath>
#include <vector>

#include "core/intensity/Intensita.h"
#include "core/intensity/SenoCosenoVeloci.h"

namespace nottaro {

// cos^3 of the unrotated gamma (degrees): the cosine law of a horizontal point,
// E = I cos^3(gamma) / H^2.
inline double Cos3(double gamma) {
    const double cg = CosVeloce(gamma * RadPerGrado);
    return cg * cg * cg;
}

// Horizontal illuminance (lx) one luminaire gives a point: intensity I (cd)
// toward it at gamma degrees, mounted H m above it, times the maintenance
// and flux-reduction factor D. Every illuminance field sums these.
inline double IllumOrizzontale(double I, double gamma, double H, double D) { return I * Cos3(gamma) / (H * H) * D; }

struct CampoIllum {
    int NPtiLong = 0;   // rows along
    int NPtiTrasv = 0;  // points across
    std::vector<double> Illum;  // lx, row-major: (i, j) at i * NPtiTrasv + j
    double& operator()(int i, int j) { return Illum[static_cast<std::size_t>(i) * NPtiTrasv + j]; }
    double operator()(int i, int j) const { return Illum[static_cast<std::size_t>(i) * NPtiTrasv + j]; }
};

// Sizes the field to nLong x nTrasv points and sets them to 0 lx (no
// allocation once the capacity suffices). Counts below 0 count as 0.
void AzzeraIllum(CampoIllum& campo, int nLong, int nTrasv);

struct StatisticheIllum {
    double EmCalc = 0;    // lx, average over the points
    double EminCalc = 0;  // lx, smallest point (the scan starts from 1,000,000)
    double EmaxCalc = 0;  // lx, largest point (the scan starts from 0)
    // Overall uniformity Emin / Em as a ratio; 0 when Em is not positive.
    double Uo() const { return EmCalc > 0 ? EminCalc / EmCalc : 0; }
};

// Average, minimum and maximum over the field, in row order. An empty field
// gives all zeros.
StatisticheIllum CalcolaStatisticheIllum(const CampoIllum& campo);

}  // namespace nottaro
