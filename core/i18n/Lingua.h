#pragma once
// Everything that follows the user-interface language besides the message
// catalogue: the help file, the two-state choices that must survive a switch,
// the fixed captions of the lamp data prompt and of the first-start dialog,
// and the switch itself.
#include <array>
#include <functional>
#include <string>
#include <string_view>

#include "core/state/StatoProgetto.h"

namespace nottaro {

inline constexpr int LinguaItaliano = 0;
inline constexpr int LinguaInglese = 1;
inline constexpr int LinguaFrancese = 2;
inline constexpr int LinguaTedesco = 3;
inline constexpr int LinguaSpagnolo = 4;

// Help book of a language, relative to the program folder:
// "help/<it|en|fr|de|es>/index.html"; any other number gives the English one.
std::string_view NomeFileHelp(int lingua);

// dirProg joined with the help file name of `lingua` (platform separator).
std::string PercorsoFileHelp(const std::string& dirProg, int lingua);

// Sets stato.FileHelp for stato.DirProg and stato.Lingua.
void AggiornaFileHelp(StatoProgetto& stato);

// The text a two-state choice ("Variabile"/"Definita", messages 45 and 48)
// shows after a switch to `nuovaLingua`: message 48 of the new language when
// `testoAttuale` equals message 48 in any language, otherwise message 45.
// So a choice the designer made survives the language change.
const std::string& SceltaDopoCambioLingua(const std::string& testoAttuale, int nuovaLingua);

// Captions of the lamp data prompt (`TLampProg`), fixed per language and not
// part of the catalogue. `famiglie` follows the family numbers of the prompt:
// high-pressure sodium, low-pressure sodium, metal halide, mercury, LED.
struct TestiLampProg {
    std::string_view titolo;
    std::string_view lampada, potenza, flusso;  // the three edit labels
    std::string_view gruppo;                    // caption of the family group
    std::array<std::string_view, 5> famiglie;
};
// Italian for 0 and for any number outside 1..4.
const TestiLampProg& TestiPromptLampada(int lingua);

// The first-start language dialog (`TLingua`): its texts are the same in
// every language. Buttons in display order, each with the language it sets.
struct PulsanteLingua {
    std::string_view etichetta;
    int lingua;
    bool abilitato;
};
inline constexpr std::string_view TitoloTLingua = "Setup Language";
inline constexpr std::string_view IntestazioneTLingua = "Lucerno - Nottaro - Setup Language:";
inline constexpr std::array<PulsanteLingua, 5> PulsantiTLingua = {{
    {"Italiano", LinguaItaliano, true},
    {"English", LinguaInglese, true},
    {"Fran\xC3\xA7" "ais", LinguaFrancese, true},
    {"Espa\xC3\xB1" "ol", LinguaSpagnolo, true},
    {"Deutsch", LinguaTedesco, true},
}};
// Language when the dialog is closed without a choice.
inline constexpr int LinguaSenzaScelta = LinguaItaliano;

// Start-up: makes stato.Lingua (as read from ntr.cfg or chosen in the
// first-start dialog) the language Msg(n) answers in and points
// stato.FileHelp at its help file. Writes nothing. A language outside 0..4
// is taken as English, as the configuration reader does.
void AdottaLingua(StatoProgetto& stato);

enum class EsitoCambioLingua {
    Invariata,      // already the current language: nothing written, no relabel
    Cambiata,       // language set, ntr.cfg rewritten, window relabelled
    NonSalvata,     // language set and window relabelled, but ntr.cfg could not be written
    LinguaIgnota,   // not 0..4: nothing changed
};

// The "&Lingua" menu: when `lingua` differs from stato.Lingua, sets
// stato.Lingua and the catalogue's language, rewrites stato.DirProg/ntr.cfg,
// points stato.FileHelp at the new language's help file and calls
// `rietichetta` (the main window's relabelling; may be empty). The other
// windows pick the language up the next time they are activated.
EsitoCambioLingua ImpostaLingua(StatoProgetto& stato, int lingua, const std::function<void()>& rietichetta = {});

}  // namespace nottaro
