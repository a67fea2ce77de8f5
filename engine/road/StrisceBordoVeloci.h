#pragma once
// Illuminance of the strips along the carriageway edges (the edge ratio and
// the lit side strips) for a tilt sweep.
//
// The strips are seen from the same poles at every tilt of an overhang:
// gamma, both C forms and cos^3 gamma of every pole and strip point are
// formed once for the geometry, then each tilt turns them in one pass and
// looks the intensities up. The field equals IllumSoluzione over the strips'
// grid to the last bit (the same directions, products and order of sums).
// One object per evaluation; it holds no global state.
#include <vector>

#include "core/intensity/DirezioniInclinabili.h"
#include "core/intensity/RicercaIntensita.h"
#include "engine/comune/CampoIllum.h"
#include "engine/road/Disposizione.h"
#include "engine/road/Griglia.h"
#include "engine/road/ParametriStrada.h"

namespace nottaro {

class StrisceBordoVeloci {
public:
    // campo over the strips of width w beside both edges (GrigliaStrisce) of
    // solution p lit by the poles app. False, with ErrCalcolo raised when a
    // direction or an intensity cannot be formed, or without it when the
    // grid cannot be formed.
    bool Calcola(ContestoCalcolo& ctx, const RicercaIntensita& ricerca, const ParametriStrada& p,
                 const std::vector<Apparecchio>& app, double w, CampoIllum& campo);

private:
    void preparaGeometria(const ParametriStrada& p, const std::vector<Apparecchio>& app, double w);

    bool valida_ = false, grigliaOk_ = false;
    ParametriStrada chiave_;
    double wChiave_ = 0;
    std::vector<Apparecchio> app_;  // the poles the geometry was formed for
    bool errBase_ = false, errInclinata_ = false;
    GrigliaStrada griglia_;
    DirezioniInclinabili geo_;   // [pole][strip point]
    std::vector<double> cos3_;   // the same, cos^3 of the unrotated gamma
    std::vector<double> xs_, ys_, I_;
    FormaDirezioni forma_;
    IntensitaInclinate inclinate_;
};

}  // namespace nottaro
