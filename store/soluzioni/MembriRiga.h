#pragma once
// Where each member of the solution-row schema lives in the typed rows: the
// one bridge between a schema field and RigaStrada / RigaPercorso.
#include <string>

#include "engine/sweep/RigheSoluzione.h"
#include "store/schema/SchemaSoluzioni.h"

namespace nottaro {

// The floating-point figure `m` of a row; nullptr for NUM, the texts and the
// other kind's light figures.
double* Figura(RigaStrada& r, MembroRiga m);
double* Figura(RigaPercorso& r, MembroRiga m);
const double* Figura(const RigaStrada& r, MembroRiga m);
const double* Figura(const RigaPercorso& r, MembroRiga m);

// The text `m` (LAMPADA, CORPO, FILELDT) of a row; nullptr for any other member.
std::string* TestoMembro(DatiRiga& r, MembroRiga m);
const std::string* TestoMembro(const DatiRiga& r, MembroRiga m);

}  // namespace nottaro
