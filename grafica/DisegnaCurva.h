#pragma once
// Draws the polar intensity diagram on any painter (screen, image, SVG,
// printed page) in a W x H box at the painter's origin, texts in the
// painter's current font, without antialiasing so that every line falls on
// the pixels PuntiCurva gives.
#include "core/photometry/Fotometria.h"
#include "core/photometry/MisuraCurva.h"

class QPainter;

namespace nottaro {

void DisegnaCurva(QPainter& p, int W, int H, double zoom, const Fotometria& f, const DatiCurva& d);

}  // namespace nottaro
