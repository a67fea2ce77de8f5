#pragma once
// The catalogue texts as compiled from core/i18n/messages.tsv at build time.
// Only Messaggi.cpp reads this; everything else calls Msg().
#include <string_view>

#include "core/i18n/Messaggi.h"

namespace nottaro::catalogo {

// kTesti[l][n]: message n in language l (0 it, 1 en, 2 fr, 3 de, 4 es), UTF-8.
extern const std::string_view kTesti[NumLingue][NumMessaggi];

// Messages added after the original catalogue, by rising number; the list
// ends with number -1.
struct Aggiunto {
    int n;
    std::string_view testi[NumLingue];
};
extern const Aggiunto kAggiunti[];

}  // namespace nottaro::catalogo
