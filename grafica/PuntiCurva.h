#pragma once
// Everything the polar intensity diagram draws, in pixels of a W x H box
// whose top-left corner is the origin: gamma 0 points down, gamma 180° up,
// the right half shows a plane and the left half its opposite. Pure
// geometry, so the figure is tested to the pixel without a painter.
#include <string>
#include <vector>

#include "core/photometry/Fotometria.h"
#include "core/photometry/MisuraCurva.h"

namespace nottaro {

struct Punto {
    int x = 0, y = 0;
    bool operator==(const Punto&) const = default;
};

struct Colore {
    int r = 0, g = 0, b = 0;
    bool operator==(const Colore&) const = default;
};

inline constexpr Colore Grigio{128, 128, 128};
inline constexpr Colore Nero{0, 0, 0};
inline constexpr Colore Rosso{255, 0, 0};
inline constexpr Colore Blu{0, 0, 255};
inline constexpr Colore Verde{0, 255, 0};

struct Linea {
    Colore colore;
    std::vector<Punto> punti;  // a polyline; two points for a segment
};

// Text whose top-left corner is at `pos`.
struct Etichetta {
    Colore colore;
    Punto pos;
    std::string testo;
};

struct FiguraCurva {
    int cx = 0, cy = 0;
    std::vector<Linea> anelli;       // grey rings at W div 6, 2·(W div 6), … ≤ W div 2
    std::vector<Linea> tratti;       // axes, 70° marks, plane legend, in drawing order
    std::vector<Etichetta> etichette;
    // Curves in drawing order: red right/left, blue right/left, then green
    // right/left only when IMax is not 0.
    std::vector<Linea> curve;
    int pianiCurve[6] = {0, 0, 0, 0, 0, 0};  // 1-based planes of the curves, 0 when not drawn
};

// Plane nearest to the C angle `gradi` round the circle; the first of two
// equally near. On planes evenly spaced from C0 this gives the indices
// 1, Nc div 2 + 1, Nc div 4 + 1 and (3·Nc) div 4 + 1 for C0, C180, C90, C270.
int PianoPiuVicino(const Fotometria& f, double gradi);

// The diagram at `zoom` pixels per cd/klm. A box narrower than 6 pixels has
// no rings. Curve points leaving the box are kept (the painter clips).
FiguraCurva PuntiCurva(int W, int H, double zoom, const Fotometria& f, const DatiCurva& d);

}  // namespace nottaro
