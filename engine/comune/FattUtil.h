#pragma once
// Utilisation factor of a solution: the share of the lamp flux that reaches
// the strip of one spacing, from the maintained illuminance field.
#include <optional>

#include "engine/comune/CampoIllum.h"

namespace nottaro {

// Luminaires lighting one spacing: 2 for the staggered and opposite road
// arrangements (4, 5, 6), else 1.
int ApparecchiPerInterdistStrada(int dispPali);
// 2 for the paired path arrangements (5 double centre, 6 both edges), else 1;
// the staggered path arrangement places one luminaire per spacing.
int ApparecchiPerInterdistArea(int dispPaliA);

// UF = sum of E[i][j] x (S / NPtiLong) x (W / NPtiTrasv) / (k x flusso), with
// E in lx, S and W in m, flusso the lamp flux (lm) of one luminaire and k the
// luminaires per spacing. The field is maintained, so UF includes the
// maintenance factor. Empty when the field is empty or S, W, k or the flux
// is not positive.
std::optional<double> FattUtil(const CampoIllum& campo, double S, double W, int k, double flusso);

}  // namespace nottaro
