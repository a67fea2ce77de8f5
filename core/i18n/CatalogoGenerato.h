#pragma once
// The catalogue texts as compiled from core/i18n/messages.tsv at build time.
// Only Messaggi.cpp reads this; everything else calls Msg().
#include <span>
#include <string_view>

#include "core/i18n/Messaggi.h"

namespace nottaro::catalogo {

// kTesti[l][n]: message n in language l (0 it, 1 en, 2 fr, 3 de, 4 es), UTF-8.
extern const std::string_view kTesti[NumLingue][NumMessaggi];

// Messages added after the original ones, numbered from PrimoMessaggioAggiunto
// up, in ascending order of `n`.
struct VoceAggiunta {
    int n;
    std::string_view testi[NumLingue];
};
extern const std::span<const VoceAggiunta> kAggiunti;

}  // namespace nottaro::catalogo
