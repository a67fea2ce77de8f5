// Interim catalogue holding the messages the readers need; replaced by the
// generated five-language table.
#include "core/i18n/Messaggi.h"

#include <atomic>
#include <map>

namespace nottaro {
namespace {
std::atomic<int> linguaCorrente{1};
const std::map<int, std::pair<std::string, std::string>>& Tabella() {
    static const std::map<int, std::pair<std::string, std::string>> t = {
        {24, {"Il file selezionato non è un file EULUMDAT!", "The selected Luminaire file is not a EULUMDAT file!"}},
        {25, {"Il file selezionato non è stato trovato.", "File not found"}},
        {394, {"Il file selezionato non è un file IESNA-LM-63-1995", "The selected file is not an IESNA-LM-63-1995 file"}},
    };
    return t;
}
}  // namespace

const std::string& Msg(int n, int lingua) {
    static const std::string vuoto;
    auto it = Tabella().find(n);
    if (it == Tabella().end()) return vuoto;
    return lingua == 0 ? it->second.first : it->second.second;
}

const std::string& Msg(int n) { return Msg(n, linguaCorrente.load()); }
int LinguaCatalogo() { return linguaCorrente.load(); }
void ImpostaLinguaCatalogo(int lingua) { linguaCorrente.store(lingua); }

}  // namespace nottaro
