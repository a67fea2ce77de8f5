#pragma once
// The message catalogue: every caption and message Nottaro shows, by number,
// in Italian (0), English (1), French (2), German (3) and Spanish (4).
#include <span>
#include <string>

namespace nottaro {

// The original messages are 0 … NumMessaggi-1; texts added later are numbered
// from PrimoMessaggioAggiunto up (with gaps between blocks), so the numbers
// the original ones are known by never move.
inline constexpr int NumMessaggi = 485;
inline constexpr int PrimoMessaggioAggiunto = 1000;
inline constexpr int NumLingue = 5;

// Text of message n in language `lingua` (UTF-8, "&" marks the accelerator,
// "\n" a line break); empty for an unknown n or language. The reference stays
// valid for the whole run.
const std::string& Msg(int n, int lingua);
// Text of message n in the language currently shown.
const std::string& Msg(int n);

// Every message number the catalogue holds, ascending: 0 … NumMessaggi-1,
// then the added ones.
std::span<const int> NumeriMessaggi();

// Language the catalogue answers Msg(n) in (the program's `Lingua`); English
// until set. A language outside 0 … NumLingue-1 is ignored.
int LinguaCatalogo();
void ImpostaLinguaCatalogo(int lingua);

}  // namespace nottaro
