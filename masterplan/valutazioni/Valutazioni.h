#pragma once
// The three Masterplan evaluations of a row (road by luminance, path or area
// by illuminance, roundabout on its ring) and the figures they attach to a
// solution. Every call into the road and path engines lives in this folder.
#include <array>
#include <atomic>
#include <utility>
#include <vector>

#include "core/intensity/RicercaIntensita.h"
#include "engine/comune/CampoIllum.h"
#include "engine/area/ParametriArea.h"
#include "engine/road/CampoStrada.h"
#include "engine/road/ParametriStrada.h"
#include "masterplan/SoluzioniMP.h"

namespace nottaro::mp {

EsitoRigaMP CalcoloStradaMP(const DatiRigaMP& d, const OpzioniMP& o);
EsitoRigaMP CalcoloAreaMP(const DatiRigaMP& d, const OpzioniMP& o);
EsitoRigaMP CalcoloRotatoriaMP(const DatiRigaMP& d, const OpzioniMP& o);

// The road candidate of a row: EN grid, C2, EN observers, no tilt, arrangement
// 5 on the centre line.
ParametriStrada ParametriStradaMP(const DatiRigaMP& d, const OpzioniMP& o, double S, int lampada);
// The path candidate of a row (the Masterplan's maintenance factor, no tilt).
ParametriArea ParametriAreaMP(const DatiRigaMP& d, const OpzioniMP& o, double S, int lampada);
// The class band of a path or roundabout row (wing cut and ErrEm of the run).
RequisitiArea RequisitiAreaMP(const DatiRigaMP& d, const OpzioniMP& o);

// Illuminance (lx) of one strip of width w beside the road (lato 0 left, 1
// right): Trunc(w / 1.5) + 1 points across (at least 3) at the road grid's
// rows, every pole summed. False with ErrCalcolo raised on a direction that
// cannot be formed. e, when given, gets every point's value row by row.
bool IllumAreeLaterali(ContestoCalcolo& ctx, const RicercaIntensita& ric, const ParametriStrada& p,
                       const CampoStrada& campo, int lato, double w, Striscia& esito, std::vector<double>* e = nullptr);

// Em and Emin (lx) a strip must reach in pass p (0..2) of the blocking
// options, by the class's LmMin: 1 and more, exactly 0.75, any other.
std::pair<double, double> RiferimentoStriscia(double LmMin, int p);
// Option 2 blocks a candidate whose strip has Em below the reference, option
// 3 also Emin below it; options 0 and 1 never block.
bool StrisceBloccano(int opzione, const std::array<Striscia, 2>& strisce, std::pair<double, double> rif);

// Edge illuminance ratio: the smaller of outer/inner on the left and on the
// right, each strip as wide as one lane's points, rounded to 2 decimals.
bool RapportoBordi(ContestoCalcolo& ctx, const RicercaIntensita& ric, const ParametriStrada& p,
                   const CampoStrada& campo, double& rei);

// Threshold increment estimate (%) of a path for an eye 1.5 m high at
// yOcchio across and the average luminance Lav (cd/m2); -1 when no luminaire
// can be placed 20 degrees above the eye.
double StimaTIArea(const RicercaIntensita& ric, const ParametriArea& p, double yOcchio, double Lav);

// The ring grid of a roundabout and its illuminance for n luminaires.
struct AnelloMP {
    double R = 0, W = 0, s = 0, H = 0;
    int NPtiLong = 0, NPtiTrasv = 0;
    std::vector<double> X, Y;  // points, row-major (i along, j across)
};
AnelloMP CreaAnello(double R, double W, double s, double H, int nCorsie);
// Em, Emin, Emax of the ring lit by n luminaires, each rounded (below 10 to 2
// decimals, above 20 whole, else 1). False with ErrCalcolo raised on a failure.
bool IllumRotatoria(ContestoCalcolo& ctx, const RicercaIntensita& ric, const AnelloMP& a, int n, double fattore,
                    StatisticheIllum& stat, std::vector<double>* e = nullptr);

}  // namespace nottaro::mp
