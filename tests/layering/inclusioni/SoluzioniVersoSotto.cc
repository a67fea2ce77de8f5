// Compiled with the solution tables' include path: every layer below them
// (core, the store, the engine) is found, so the two refusals beside this
// file fail for the layer alone.
#include "core/state/StatoProgetto.h"
#include "engine/comune/ClassiEdizione2015.h"
#include "store/TabellaDbf.h"
#include "store/soluzioni/RigaDbf.h"
