// Compiled with core's include path only: the engine is a higher layer, so
// its header must not be found.
#include "core/state/StatoProgetto.h"
#include "engine/comune/ClassiEdizione2015.h"
