// The five-language message catalogue, answered from the table compiled in
// from messages.tsv.
#include "core/i18n/Messaggi.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <vector>

#include "core/i18n/CatalogoGenerato.h"

namespace nottaro {
namespace {

// English until the program folder's ntr.cfg says otherwise: it is also the
// language an unreadable setting falls back to.
std::atomic<int> linguaCorrente{1};

bool LinguaValida(int lingua) { return lingua >= 0 && lingua < NumLingue; }

// Callers keep references to the texts, so they are built once and never move.
// Row i holds the message NumeriMessaggi()[i] in the five languages.
struct Catalogo {
    std::vector<int> numeri;
    std::vector<std::array<std::string, NumLingue>> testi;
};

const Catalogo& Testi() {
    static const Catalogo tabella = [] {
        Catalogo c;
        c.numeri.reserve(NumMessaggi + catalogo::kAggiunti.size());
        c.testi.reserve(c.numeri.capacity());
        for (int n = 0; n < NumMessaggi; ++n) {
            c.numeri.push_back(n);
            auto& r = c.testi.emplace_back();
            for (int l = 0; l < NumLingue; ++l) r[l] = std::string(catalogo::kTesti[l][n]);
        }
        for (const auto& v : catalogo::kAggiunti) {
            c.numeri.push_back(v.n);
            auto& r = c.testi.emplace_back();
            for (int l = 0; l < NumLingue; ++l) r[l] = std::string(v.testi[l]);
        }
        return c;
    }();
    return tabella;
}

}  // namespace

const std::string& Msg(int n, int lingua) {
    static const std::string vuoto;
    if (n < 0 || !LinguaValida(lingua)) return vuoto;
    const Catalogo& c = Testi();
    if (n < NumMessaggi) return c.testi[static_cast<std::size_t>(n)][lingua];
    // The added numbers are few and sorted.
    auto it = std::lower_bound(c.numeri.begin() + NumMessaggi, c.numeri.end(), n);
    if (it == c.numeri.end() || *it != n) return vuoto;
    return c.testi[static_cast<std::size_t>(it - c.numeri.begin())][lingua];
}

const std::string& Msg(int n) { return Msg(n, linguaCorrente.load()); }

std::span<const int> NumeriMessaggi() { return Testi().numeri; }

int LinguaCatalogo() { return linguaCorrente.load(); }

void ImpostaLinguaCatalogo(int lingua) {
    if (LinguaValida(lingua)) linguaCorrente.store(lingua);
}

}  // namespace nottaro
