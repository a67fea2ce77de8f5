#pragma once
// Writes the photometric record back as an EULUMDAT file, so an edited
// luminaire can travel with its project (the ".nt1" companion) and be read
// again by LeggiEulumdat exactly as it was kept.
#include <string>

#include "core/photometry/Fotometria.h"

namespace nottaro {

// CR LF line ends, Windows-1252 texts, reals in their shortest round-trip
// form (so every intensity reads back to the same bits). The table is
// written whole: symmetry 0 with every plane, or 1 for a single plane, never
// the record's Simmetria (which for an IES file holds its photometric type).
// The C and gamma distances are the step when the angles are evenly spaced,
// else 0. The file is written beside `percorso` and renamed over it, so a
// failed write leaves an older file as it was. false when it cannot be written.
bool ScriviEulumdat(const std::string& percorso, const Fotometria& f);

}  // namespace nottaro
