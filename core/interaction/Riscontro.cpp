#include "core/interaction/Riscontro.h"

#include "core/i18n/Messaggi.h"

namespace nottaro {

std::string MessaggioCatalogo::Testo() const {
    if (Vuoto()) return {};
    const std::string& modello = Msg(numero);
    std::string t;
    std::vector<bool> usati(argomenti.size(), false);
    for (std::size_t i = 0; i < modello.size(); ++i) {
        if (modello[i] == '%' && i + 1 < modello.size() && modello[i + 1] >= '1' && modello[i + 1] <= '9') {
            const auto k = static_cast<std::size_t>(modello[i + 1] - '1');
            if (k < argomenti.size()) {
                t += argomenti[k];
                usati[k] = true;
            }
            ++i;
            continue;
        }
        t += modello[i];
    }
    for (std::size_t k = 0; k < argomenti.size(); ++k)
        if (!usati[k]) t += (t.empty() ? "" : " ") + argomenti[k];
    return t;
}

Riscontro::Riscontro(Interazione* ui) : ui_(ui), chiamante_(std::this_thread::get_id()) {}

void Riscontro::Progresso(const Avanzamento& a) {
    std::lock_guard lk(m_);
    progresso_ = a;
    progressoNuovo_ = true;
}

void Riscontro::Messaggio(MessaggioCatalogo m, Tipo tipo) {
    std::lock_guard lk(m_);
    coda_.push_back({std::move(m), tipo});
}

void Riscontro::ConsegnaSeChiamante() {
    if (std::this_thread::get_id() == chiamante_) Consegna();
}

void Riscontro::Consegna() {
    std::vector<Voce> coda;
    Avanzamento a;
    bool nuovo;
    {
        std::lock_guard lk(m_);
        coda.swap(coda_);
        a = progresso_;
        nuovo = progressoNuovo_;
        progressoNuovo_ = false;
    }
    if (!ui_) return;
    for (const Voce& v : coda) {
        if (v.tipo == Tipo::Avviso) ui_->Avviso(v.messaggio.Testo());
        else ui_->Informazione(v.messaggio.Testo());
    }
    if (nuovo) ui_->Progresso(a);
}

Avanzamento Riscontro::UltimoProgresso() const {
    std::lock_guard lk(m_);
    return progresso_;
}

}  // namespace nottaro
