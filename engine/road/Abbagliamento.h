#pragma once
// Threshold increment TI (percent): the disability glare of a long row of
// luminaires ahead of a driver whose eye is 1.5 m high, looking 1 degree down
// along the road, age 23, luminaires above 20 degrees screened by the roof.
#include <cmath>
#include <vector>

#include "core/intensity/DirezioneLuce.h"
#include "engine/road/ParametriStrada.h"

namespace nottaro {

struct CentroLuce {
    double x = 0, y = 0;  // light centre, m
    int Verso = 0;        // 0: faces -y when y > overhang; 1: faces -y; -1: faces +y
};

inline bool VersoMenoY(const CentroLuce& l, double s) { return l.Verso == 0 ? l.y > s : l.Verso > 0; }

// The glare row of p (light centres, overhang s taken as given): from the
// first luminaire ahead of the first eye position x0 to one luminaire (pair)
// past 500 m + S from x0. Empty for an arrangement outside 1..6 or S <= 0.
void FilaAbbagliamento(const ParametriStrada& p, double x0, std::vector<CentroLuce>& fila);

// Veiling luminance (cd/m2) of an illuminance E (lx) at the eye from a
// source theta degrees off the line of sight, for the observer's age factors
// f1 (near the line of sight, up to 1.5 degrees) and f2 (beyond).
inline double LuminanzaVelo(double E, double theta, double f1, double f2) {
    if (theta <= 1.5) return E * (10 / (theta * theta * theta) + (5 / (theta * theta)) * f1);
    return 9.86 * E / (theta * theta) * f2;
}

// First eye position: where the first luminaire is seen 20 degrees up.
inline double PrimaPosizioneOcchio(double H) { return -2.75 * std::abs(H - 1.5); }

// TI in percent for a driver on the lane line yo and maintained average
// luminance Lm: the largest over the eye positions x0 + PassoRigheMax * m,
// m = 0..nPtiLong. Luminaires at or behind the eye are skipped. Failures
// (no finite value, Lm = 0) raise ErrCalcolo and give 0. fila is the work
// array of the row (reused, grown as needed).
// What the fast and the plain threshold increment share, written once.
// Age factors of a 23-year-old observer and the line of sight 1 degree below
// the horizontal.
struct CostantiVelo {
    double f1, f2;
    double cos1, sin1;
    static const CostantiVelo& Valori() {
        static const CostantiVelo c = [] {
            constexpr double eta = 23;
            return CostantiVelo{1 + eta * eta * eta * eta / 15258789.0625, 1 + eta * eta * eta * eta / 19438928.2816,
                                std::cos(1 * RadPerGrado), std::sin(1 * RadPerGrado)};
        }();
        return c;
    }
};

// A luminaire dx ahead of the eye and dz above it glares a driver looking
// ahead: not at or behind the eye, and below the 20 degree screen.
inline bool Abbaglia(double dx, double dz) { return dx > 0 && !(Gradi(std::atan(dz / dx)) > 20); }

// Geometry of one veil: squared distance (m2), angle off the line of sight
// (degrees) and its cosine.
struct GeometriaVelo {
    double d2 = 0, theta = 0, cosT = 0;
};
inline GeometriaVelo GeometriaDelVelo(double dx, double dy, double dz, const CostantiVelo& c) {
    GeometriaVelo g;
    g.d2 = dx * dx + dy * dy + dz * dz;
    const double d = std::sqrt(g.d2);
    const double thetaRad = std::acos((dx * c.cos1 - dz * c.sin1) / d);
    g.theta = Gradi(thetaRad);
    g.cosT = std::cos(thetaRad);
    return g;
}

// Veiling luminance of intensity I (cd) of one veil at the eye; a reduced
// flux (fattRiduzione, 1 at full flux) dims the veil as it dims the field.
inline double VeloDi(double I, const GeometriaVelo& g, const CostantiVelo& c, double fattRiduzione) {
    const double E = I * g.cosT / g.d2 * c.cos1 * fattRiduzione;
    return LuminanzaVelo(E, g.theta, c.f1, c.f2);
}

// Threshold increment (%) of the veils' sum over the initial luminance
// (Lm before maintenance, to the power 0.8).
inline double LuminanzaIniziale(double Lm, double deprezz) { return std::pow(Lm / deprezz, 0.8); }
inline double IncrementoSoglia(double lvSomma, double luminanzaIniziale) { return 65 * lvSomma / luminanzaIniziale; }

// The veils a driver at (xo, yo), the light centres dz above the eye, sees
// along the row: the first luminaire and those after it within 500 m of the
// eye, less those that do not glare (Abbaglia). f(luce, geometria) takes them
// in row order and returns false to stop; false then.
template <class F>
bool PerOgniVelo(const std::vector<CentroLuce>& fila, double xo, double yo, double dz, const CostantiVelo& c, F&& f) {
    for (std::size_t n = 0; n < fila.size(); ++n) {
        const CentroLuce& l = fila[n];
        if (n > 0 && std::abs(l.x - xo) > 500) break;
        const double dx = l.x - xo, dy = l.y - yo;
        if (!Abbaglia(dx, dz)) continue;
        if (!f(l, GeometriaDelVelo(dx, dy, dz, c))) return false;
    }
    return true;
}

template <class Lookup>
double CalcTI(ContestoCalcolo& ctx, const Lookup& lookup, const ParametriStrada& p, int nPtiLong, double yo,
              double Lm, std::vector<CentroLuce>& fila) {
    const CostantiVelo& c = CostantiVelo::Valori();
    const double H = p.HPalo, s = p.Sbraccio, dz = H - 1.5;
    const double x0 = PrimaPosizioneOcchio(H);
    FilaAbbagliamento(p, x0, fila);
    const double Liniziale = LuminanzaIniziale(Lm, p.Deprezz);
    double tiCalc = 0;
    for (int m = 0; m <= nPtiLong; ++m) {
        const double xo = x0 + p.PassoRigheMax * m;
        double lvSomma = 0;
        const bool calcolati = PerOgniVelo(fila, xo, yo, dz, c, [&](const CentroLuce& l, const GeometriaVelo& g) {
            // Toward the eye: gamma over the height difference H - 1.5, zero
            // reach; a light centre left of y = s faces the -y side.
            DirezioneLuce dir;
            if (!CalcolaDirezione(ctx, lookup, xo, yo, l.x, l.y, 0, dz, p.Inclina, VersoMenoY(l, s), dir)) return false;
            lvSomma += VeloDi(dir.I, g, c, p.FattRiduzione);
            return true;
        });
        if (!calcolati) return 0;
        const double ti = IncrementoSoglia(lvSomma, Liniziale);
        if (!std::isfinite(ti)) {
            ctx.ErrCalcolo = true;
            return 0;
        }
        if (ti > tiCalc) tiCalc = ti;
    }
    return tiCalc;
}

}  // namespace nottaro
