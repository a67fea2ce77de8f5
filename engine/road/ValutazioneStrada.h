#pragma once
// Fast evaluation of road candidates, for sweeps and single geometries.
//
// Gives the figures of riferimento::ValutaStrada to the last bit (the same
// formulas, elementary functions and order of sums) with less work:
// - the layout, grid and observers are kept while height, spacing and road
//   stay the same;
// - gamma, C, beta and r of every pole and point are kept while only the tilt
//   changes (none of them depends on the tilt);
// - the intensity of a pole toward a point is looked up once and shared by
//   every observer, through the indexed lookup;
// - all work arrays are flat and reused: nothing is allocated per candidate
//   once the largest candidate has been seen.
// One object per thread; it holds no global state.
#include <vector>

#include "core/intensity/DirezioniInclinabili.h"
#include "core/intensity/RicercaIntensita.h"
#include "engine/comune/CampoIllum.h"
#include "engine/road/Abbagliamento.h"
#include "engine/road/CampoStrada.h"

namespace nottaro {

class ValutazioneStrada {
public:
    // Indexed lookup of foto's lamp set lampCalc; candidates must carry the
    // same LampCalc (a set outside the record leaves every candidate
    // NonValido). Call again when the photometry or the lamp set changes.
    void ImpostaFotometria(const Fotometria& foto, int lampCalc);

    // Evaluates candidate p as the sweep does (quick estimate, Ul over the
    // lanes, Lm and Uo, TI over the lanes). With soglie the sweep's early
    // exits and acceptance apply; without, every figure is computed. The
    // fields of the candidate stay in Campo() until the next call.
    RisultatoStrada Valuta(const ParametriStrada& p, const SoglieStrada* soglie);

    // Maintained horizontal illuminance of the grid for the last candidate
    // Valuta accepted, from the very intensities its luminance field used:
    // the figures of IllumSoluzione to the last bit, without a lookup. False
    // when the last candidate stopped before its luminance field.
    bool Illuminamento(const ParametriStrada& p, CampoIllum& campo, StatisticheIllum& stat) const;

    const CampoStrada& Campo() const { return campo_; }
    const RicercaIntensita& Ricerca() const { return ricerca_; }

private:
    struct Errori {
        bool base = false;      // gamma, beta or r could not be formed
        bool inclinata = false; // only the tilted C could not be formed
        bool Per(double inclina) const { return base || (inclina != 0 && inclinata); }
    };

    bool preparaDisposizione(const ParametriStrada& p);
    void preparaGeometria(const ParametriStrada& p);
    void preparaCampo(const ParametriStrada& p);
    // Directions from pole a toward the n points (xs, ys) into entries
    // [da, da + n) of d; their tan gamma stays in tanGamma_.
    void direzioni(const ParametriStrada& p, const Apparecchio& a, const double* xs, const double* ys, std::size_t n,
                   DirezioniInclinabili& d, std::size_t da, Errori& e);
    // r of n points seen from (xo, yo), gamma from d[da, da + n) and tan
    // gamma from tanG.
    void coeffR(const ParametriStrada& p, const Apparecchio& a, const double* xs, const double* ys, std::size_t n,
                const DirezioniInclinabili& d, std::size_t da, const double* tanG, double xo, double yo, double* r,
                Errori& e);
    void preparaAbbagliamento(const ParametriStrada& p);
    double abbagliamento(ContestoCalcolo& ctx, const ParametriStrada& p, double Lm);

    RicercaIntensita ricerca_;
    int lampCalc_ = -1;
    CampoStrada campo_;
    bool disposizioneValida_ = false, geometriaValida_ = false;
    ParametriStrada chiaveDisp_, chiaveGeo_;

    int np_ = 0, nq_ = 0, na_ = 0;  // poles, field points, lane-line points
    int palo0_ = -1;                // the pole at x = 0
    DirezioniInclinabili geoCampo_, geoAsse_;    // [pole][point]
    std::vector<double> rCampo_;                 // [observer][pole][point]
    std::vector<double> rAsse_;                  // [pole][lane point]
    std::vector<double> rStima_;                 // [point of row 0]
    DirezioniInclinabili geoStima_;              // [point of row 0], the pole at x = 0
    // The field's geometry and r are formed when the first candidate of a
    // geometry passes the Ul test: most candidates that fail it fail it for
    // every tilt of their overhang, and the field is three times the lanes.
    bool campoValido_ = false;
    bool iCampoValide_ = false;      // iCampo_ belongs to the last candidate
    std::vector<double> cos3Campo_;  // [pole][point], cos^3 of the unrotated gamma
    Errori errStima_, errAsse_, errCampo_;
    std::vector<double> iCampo_, iAsse_, iStima_, iVeli_;
    IntensitaInclinate inclinate_;  // the rotated angles of the tilt in hand
    std::vector<CentroLuce> fila_;
    // Block work arrays of the geometry: points, tan gamma and beta.
    std::vector<double> xs_, ys_, tanGamma_, beta_;
    FormaDirezioni forma_;

    // Glare: for every lane and eye position the luminaires that glare it
    // (ahead of the eye, below the screen), with what does not depend on the tilt.
    bool veloValido_ = false;
    Errori errVelo_;
    std::vector<GeometriaVelo> veli_;
    DirezioniInclinabili geoVeli_;  // [veil], toward the eye (gamma over H - 1.5)
    std::vector<double> gammaVeli_, cZeroVeli_, cIncVeli_;  // the same, gathered before the block
    std::vector<int> inizioVeli_;  // [lane * (NPtiLong + 1) + m], one past the end last
};

}  // namespace nottaro
