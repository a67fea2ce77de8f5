#include "cli/InterazioneConBarra.h"

#include <algorithm>
#include <iostream>

namespace nottaro::cli {

InterazioneConBarra::InterazioneConBarra(bool terminale, std::function<std::string(const Avanzamento&)> conteggi)
    : InterazioneCli(std::cerr), terminale_(terminale), conteggi_(std::move(conteggi)) {}

void InterazioneConBarra::Progresso(const Avanzamento& a) {
    if (!terminale_ || a.totale <= 0) return;
    const double quota = std::clamp(static_cast<double>(a.fatti) / static_cast<double>(a.totale), 0.0, 1.0);
    const int pieni = static_cast<int>(quota * 30);
    std::cerr << "\r[" << std::string(static_cast<std::size_t>(pieni), '#') << std::string(30 - pieni, ' ') << "] ";
    const int percento = static_cast<int>(quota * 100);
    std::cerr << (percento < 10 ? "  " : percento < 100 ? " " : "") << percento << "%  " << conteggi_(a);
    if (a.secondiRimasti >= 0) std::cerr << "  left " << static_cast<long long>(a.secondiRimasti + 0.5) << "s";
    std::cerr << "   " << std::flush;
    scritto_ = true;
}

void InterazioneConBarra::Avviso(const std::string& testo) {
    ChiudiRiga();
    InterazioneCli::Avviso(testo);
}

void InterazioneConBarra::Informazione(const std::string& testo) {
    ChiudiRiga();
    InterazioneCli::Informazione(testo);
}

void InterazioneConBarra::ChiudiRiga() {
    if (scritto_) std::cerr << "\n";
    scritto_ = false;
}

}  // namespace nottaro::cli
