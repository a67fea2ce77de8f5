#pragma once
// A run window's interaction on its own thread: messages and questions go to
// the window's Interazione, the progress to the window itself.
#include <functional>
#include <utility>

#include "core/interaction/Interazione.h"

namespace nottaro::ui {

class InterazioneConProgresso : public Interazione {
public:
    InterazioneConProgresso(Interazione& ui, std::function<void(const Avanzamento&)> progresso)
        : ui_(ui), progresso_(std::move(progresso)) {}
    void Avviso(const std::string& t) override { ui_.Avviso(t); }
    bool Conferma(const std::string& t) override { return ui_.Conferma(t); }
    void Informazione(const std::string& t) override { ui_.Informazione(t); }
    bool ChiediDatiLampada(DatiLampada& d) override { return ui_.ChiediDatiLampada(d); }
    void Progresso(const Avanzamento& a) override { progresso_(a); }

private:
    Interazione& ui_;
    std::function<void(const Avanzamento&)> progresso_;
};

}  // namespace nottaro::ui
