#pragma once
// What the person at the screen is told and asked: messages, confirmations,
// the lamp data prompt and the progress of a long job. The desktop program
// answers with dialogs, the command line with stderr and defaults, tests with
// a scripted double. Long jobs never call it from their workers: they report
// to a Riscontro, which hands everything over on the caller's thread.
#include <string>

namespace nottaro {

// Values exchanged with the lamp data prompt. On entry they hold the file's
// first lamp set; the prompt writes back what the designer typed.
struct DatiLampada {
    std::string LampTipo;
    double LampWatt = 0;
    double LampFlusso = 0;
    int Famiglia = 0;  // 0 SAP, 1 SBP, 2 HID, 3 HQL, 4 LED
};

struct Avanzamento {
    long long fatti = 0;        // candidates (or rows) done
    long long totale = 0;       // estimate of the total, 0 when unknown
    long long trovati = 0;      // rows found so far
    double secondi = 0;         // elapsed
    double secondiRimasti = -1; // estimate, negative when unknown
    std::string testo;          // what is being done
    // Share done, 0..1; 0 while the total is unknown.
    double Frazione() const {
        if (totale <= 0) return 0;
        return fatti >= totale ? 1.0 : static_cast<double>(fatti) / static_cast<double>(totale);
    }
};

class Interazione {
public:
    virtual ~Interazione() = default;
    // Warning with an OK button.
    virtual void Avviso(const std::string& testo) = 0;
    // Question with Yes/No; true for Yes.
    virtual bool Conferma(const std::string& testo) = 0;
    // Information with an OK button.
    virtual void Informazione(const std::string& testo) = 0;
    // Lamp data prompt: returns false when it could not be asked (the caller
    // then keeps the file's values); true when `dati` holds the answer.
    virtual bool ChiediDatiLampada(DatiLampada& dati) = 0;
    // Progress of a long job; called a few times a second at most.
    virtual void Progresso(const Avanzamento& stato) = 0;
};

// Nobody to tell: messages and progress go nowhere, prompts are declined
// (a list entry read for a run, a benchmark).
class InterazioneMuta : public Interazione {
public:
    void Avviso(const std::string&) override {}
    bool Conferma(const std::string&) override { return false; }
    void Informazione(const std::string&) override {}
    bool ChiediDatiLampada(DatiLampada&) override { return false; }
    void Progresso(const Avanzamento&) override {}
};

}  // namespace nottaro
