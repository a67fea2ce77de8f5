#pragma once
// Scripted interaction for tests: answers as told and records what was shown.
#include <deque>
#include <string>
#include <vector>

#include "core/interaction/Interazione.h"

namespace nottaro::test {

class InterazioneFinta : public Interazione {
public:
    struct Voce {
        std::string tipo;   // "avviso", "conferma", "informazione", "lampada"
        std::string testo;
    };

    // Answers given in order; when exhausted, confirmations answer
    // `rispostaPredefinita` and the lamp prompt declines.
    std::deque<bool> risposte;
    bool rispostaPredefinita = false;
    std::deque<DatiLampada> lampade;

    std::vector<Voce> mostrati;
    std::vector<Avanzamento> progressi;

    void Avviso(const std::string& testo) override { mostrati.push_back({"avviso", testo}); }
    bool Conferma(const std::string& testo) override;
    void Informazione(const std::string& testo) override { mostrati.push_back({"informazione", testo}); }
    bool ChiediDatiLampada(DatiLampada& dati) override;
    void Progresso(const Avanzamento& stato) override { progressi.push_back(stato); }

    int Conta(const std::string& tipo) const;
    int ContaTesto(const std::string& testo) const;
};

}  // namespace nottaro::test
