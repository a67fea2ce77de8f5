#pragma once
// Whether the design's road requirements are still those of a class item:
// values typed by hand afterwards make them no class at all.
#include "core/state/StatoProgetto.h"
#include "engine/sweep/ScegliClasse.h"

namespace nottaro::ui {

inline bool RequisitiDellaClasse(const StatoProgetto& s, const ClasseStrada& c) {
    return s.CodClasse == c.CodClasse && s.LmMin == c.LmMin && s.UoMin == c.UoMin && s.UlMin == c.UlMin &&
           s.TiMax == c.TiMax;
}

}  // namespace nottaro::ui
