#pragma once
// The lamp data prompt as both readers use it: the first lamp set's values
// go to the prompt, and the designer's answer comes back into set 0 with the
// lamp type rebuilt from the chosen family and wattage ("SAP 150").
#include <string>

#include "core/interaction/Interazione.h"
#include "core/photometry/Fotometria.h"

namespace nottaro {

// Type prefix of lamp family 0..4: "SAP ", "SBP ", "HID ", "HQL ", "LED ".
// Any other number gives the first family's prefix (the prompt's default).
const char* PrefissoFamiglia(int famiglia);

// Shows the lamp data prompt for lamp set 0 of `foto`. When the designer
// answers, set 0 receives the flux (lm), the wattage (W) and the type
// "<prefix><watts in general format>" and the result is true; when the prompt
// cannot be asked, set 0 is left as it is and the result is false.
bool ChiediLampadaSet0(Fotometria& foto, Interazione& ui);

}  // namespace nottaro
