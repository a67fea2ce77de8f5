#pragma once
// One place where the viewer's computations read the intensity table: plane c
// (1..NumC), gamma column g (1..NumG), intensities in cd/klm.
#include "core/photometry/Fotometria.h"

namespace nottaro::tabella {

inline double I(const Fotometria& f, int c, int g) { return f.Intens[c][g]; }
inline double GradiC(const Fotometria& f, int c) { return f.Intens[c][0]; }
inline double GradiG(const Fotometria& f, int g) { return f.Intens[0][g]; }

}  // namespace nottaro::tabella
