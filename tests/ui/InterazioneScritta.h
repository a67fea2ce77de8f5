#pragma once
// Scripted interaction for window tests: answers as told, records what was
// shown and on which thread.
#include <QThread>

#include <deque>
#include <string>
#include <vector>

#include "core/interaction/Interazione.h"

namespace nottaro::test {

class InterazioneScritta : public Interazione {
public:
    struct Voce {
        std::string tipo;  // "avviso", "conferma", "informazione", "lampada"
        std::string testo;
        QThread* thread;
    };
    std::deque<bool> risposte;        // confirmations, in order; then `predefinita`
    bool predefinita = false;
    std::deque<DatiLampada> lampade;  // lamp prompt answers; then declined
    std::vector<Voce> mostrati;
    std::vector<Avanzamento> progressi;
    std::vector<QThread*> threadProgressi;

    void Avviso(const std::string& t) override { mostrati.push_back({"avviso", t, QThread::currentThread()}); }
    bool Conferma(const std::string& t) override {
        mostrati.push_back({"conferma", t, QThread::currentThread()});
        if (risposte.empty()) return predefinita;
        const bool r = risposte.front();
        risposte.pop_front();
        return r;
    }
    void Informazione(const std::string& t) override {
        mostrati.push_back({"informazione", t, QThread::currentThread()});
    }
    bool ChiediDatiLampada(DatiLampada& d) override {
        mostrati.push_back({"lampada", d.LampTipo, QThread::currentThread()});
        if (lampade.empty()) return false;
        d = lampade.front();
        lampade.pop_front();
        return true;
    }
    void Progresso(const Avanzamento& a) override {
        progressi.push_back(a);
        threadProgressi.push_back(QThread::currentThread());
    }

    int Conta(const std::string& tipo) const {
        int n = 0;
        for (const auto& v : mostrati) n += v.tipo == tipo;
        return n;
    }
    void Svuota() { mostrati.clear(); }
};

}  // namespace nottaro::test
