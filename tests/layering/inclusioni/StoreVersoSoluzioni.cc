// Compiled with the store's include path: the solution tables nested in its
// folder are a library above it, so their header must not be found.
#include "store/TabellaDbf.h"
#include "store/soluzioni/RigaDbf.h"
