#pragma once
// One path geometry evaluated in full, as the detailed view of a solution and
// the command line need it: grid, layout, illuminance field, statistics,
// class test and utilisation factor.
#include <optional>
#include <string>
#include <vector>

#include "core/photometry/Fotometria.h"
#include "engine/comune/CampoIllum.h"
#include "engine/area/DisposizioneArea.h"
#include "engine/area/GrigliaArea.h"
#include "engine/area/ParametriArea.h"

namespace nottaro {

struct RisultatoPercorso {
    EsitoA Esito = EsitoA::Ok;    // grid, layout or lamp set refused: nothing below is set
    std::string Messaggio;        // the refusal in one line (empty when Ok)
    bool ErrCalcolo = false;      // a direction or intensity could not be formed, or a figure is not finite
    const char* Routine = "";     // the routine that raised it ("CalcolaIllum")
    const char* FiguraNonFinita = "";  // or the figure that is not a finite number ("EmCalc")
    StatisticheIllum Stat;        // EmCalc, EminCalc, EmaxCalc (lx)
    double Uo = 0;                // EminCalc / EmCalc
    bool Conforme = false;        // VerificaClasseA against the requirements
    std::optional<double> FattUtil;  // empty when the lamp set has no flux
    GrigliaArea Griglia;
    std::vector<ApparecchioA> Apparecchi;
    CampoIllum Campo;             // Illum, NPtiLong x NPtiTrasv
    bool Valido() const { return Esito == EsitoA::Ok && !ErrCalcolo; }
};

// Evaluates p with the plain reference lookup of foto's lamp set p.LampCalc.
RisultatoPercorso ValutaPercorso(const Fotometria& foto, const ParametriArea& p, const RequisitiArea& req);

}  // namespace nottaro
