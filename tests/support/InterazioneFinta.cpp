#include "support/InterazioneFinta.h"

#include <algorithm>

namespace nottaro::test {

bool InterazioneFinta::Conferma(const std::string& testo) {
    mostrati.push_back({"conferma", testo});
    if (risposte.empty()) return rispostaPredefinita;
    bool r = risposte.front();
    risposte.pop_front();
    return r;
}

bool InterazioneFinta::ChiediDatiLampada(DatiLampada& dati) {
    mostrati.push_back({"lampada", dati.LampTipo});
    if (lampade.empty()) return false;
    dati = lampade.front();
    lampade.pop_front();
    return true;
}

int InterazioneFinta::Conta(const std::string& tipo) const {
    return static_cast<int>(std::count_if(mostrati.begin(), mostrati.end(),
                                          [&](const Voce& v) { return v.tipo == tipo; }));
}

int InterazioneFinta::ContaTesto(const std::string& testo) const {
    return static_cast<int>(std::count_if(mostrati.begin(), mostrati.end(), [&](const Voce& v) {
        return v.testo.find(testo) != std::string::npos;
    }));
}

}  // namespace nottaro::test
