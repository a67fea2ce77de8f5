#pragma once
// Writes the polar intensity diagram to a file for the designer's own
// documents: PNG at twice the size shown (the painter is scaled, so lines
// and texts keep their proportions), or SVG with the texts kept as text.
#include <string>

#include "core/photometry/Fotometria.h"
#include "core/photometry/MisuraCurva.h"

class QFont;

namespace nottaro {

enum class FormatoDiagramma { Png, Svg };

// Format from the file's suffix (".svg" in any case gives SVG, anything else PNG).
FormatoDiagramma FormatoDaNome(const std::string& percorso);

// Draws a W x H diagram at `zoom` on a white ground in `font` and writes it to
// `percorso`. false when the file cannot be written (nothing is left behind).
bool ScriviDiagramma(const std::string& percorso, FormatoDiagramma formato, int W, int H, double zoom,
                     const QFont& font, const Fotometria& f, const DatiCurva& d);

}  // namespace nottaro
