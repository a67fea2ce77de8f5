#pragma once
// The catalogue texts as compiled from core/i18n/messages.tsv at build time.
// Only Messaggi.cpp reads this; everything else calls Msg().
#include <cstddef>
#include <string_view>

#include "core/i18n/Messaggi.h"

namespace nottaro::catalogo {

// kTesti[l][n]: message n in language l (0 it, 1 en, 2 fr, 3 de, 4 es), UTF-8.
extern const std::string_view kTesti[NumLingue][NumMessaggi];

// Messages added after the original ones, in blocks of numbers from 1000 up,
// in ascending order.
struct MessaggioAggiunto {
    int n;
    std::string_view testi[NumLingue];
};
extern const std::size_t kNumAggiunti;
extern const MessaggioAggiunto kAggiunti[];

}  // namespace nottaro::catalogo
