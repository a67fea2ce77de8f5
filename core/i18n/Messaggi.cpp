// The five-language message catalogue, answered from the table compiled in
// from messages.tsv.
#include "core/i18n/Messaggi.h"

#include <array>
#include <atomic>
#include <map>

#include "core/i18n/CatalogoGenerato.h"

namespace nottaro {
namespace {

// English until the program folder's ntr.cfg says otherwise: it is also the
// language an unreadable setting falls back to.
std::atomic<int> linguaCorrente{1};

bool LinguaValida(int lingua) { return lingua >= 0 && lingua < NumLingue; }

// Callers keep references to the texts, so they are built once and never move.
const std::array<std::string, NumLingue * NumMessaggi>& Testi() {
    static const auto testi = [] {
        std::array<std::string, NumLingue * NumMessaggi> t;
        for (int l = 0; l < NumLingue; ++l)
            for (int n = 0; n < NumMessaggi; ++n) t[l * NumMessaggi + n] = std::string(catalogo::kTesti[l][n]);
        return t;
    }();
    return testi;
}

const std::map<int, std::array<std::string, NumLingue>>& Aggiunti() {
    static const auto aggiunti = [] {
        std::map<int, std::array<std::string, NumLingue>> m;
        for (const catalogo::Aggiunto* a = catalogo::kAggiunti; a->n >= 0; ++a)
            for (int l = 0; l < NumLingue; ++l) m[a->n][l] = std::string(a->testi[l]);
        return m;
    }();
    return aggiunti;
}

}  // namespace

const std::string& Msg(int n, int lingua) {
    static const std::string vuoto;
    if (n < 0 || !LinguaValida(lingua)) return vuoto;
    if (n < NumMessaggi) return Testi()[lingua * NumMessaggi + n];
    const auto& aggiunti = Aggiunti();
    const auto it = aggiunti.find(n);
    return it == aggiunti.end() ? vuoto : it->second[lingua];
}

const std::string& Msg(int n) { return Msg(n, linguaCorrente.load()); }
int LinguaCatalogo() { return linguaCorrente.load(); }

void ImpostaLinguaCatalogo(int lingua) {
    if (LinguaValida(lingua)) linguaCorrente.store(lingua);
}

}  // namespace nottaro
