#pragma once
// Calculation field of one spacing and the observer positions.
#include <vector>

#include "engine/road/ParametriStrada.h"

namespace nottaro {

struct PuntoGriglia {
    double x = 0, y = 0;  // m, road coordinates
};

struct GrigliaStrada {
    int NPtiLong = 0;   // rows along the road
    int NPtiTrasv = 0;  // points across (lanes x NPtiCorsia)
    std::vector<PuntoGriglia> Punti;  // row-major: point (i, j) at i * NPtiTrasv + j
    const PuntoGriglia& operator()(int i, int j) const { return Punti[static_cast<std::size_t>(i) * NPtiTrasv + j]; }
};

// Rows: 10 up to InterMaxGriglia, else ceil(S / PassoRigheMax); across, the
// centres of NCorsie x NPtiCorsia equal strips. The EN grid puts the first row
// half a row step after the pole at x = 0, the UNI grid on it. Returns false
// (grid emptied) when a count or the spacing is not positive.
bool CreaGriglia(const ParametriStrada& p, GrigliaStrada& g);

struct Osservatori {
    double OssX = OssXStrada;
    std::vector<double> OssY;      // lane centre lines, at least 2 entries (0 beyond the lanes)
    double PosOssUNIX = OssXStrada, PosOssUNIY = 0;  // the single UNI observer
};

// Lane centres W (2k - 1) / (2n), k = 1..n; the UNI observer at (-60, W/4).
void ImpostaOsservatori(const ParametriStrada& p, Osservatori& o);

}  // namespace nottaro
