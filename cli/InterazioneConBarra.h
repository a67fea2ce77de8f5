#pragma once
// Command-line interaction with a progress bar on stderr: a bar, the share
// done, what the job counts and the time left, redrawn in place on a
// terminal, nothing otherwise. A warning or information starts on a new line.
#include <functional>
#include <string>

#include "cli/InterazioneCli.h"

namespace nottaro::cli {

class InterazioneConBarra : public InterazioneCli {
public:
    // `conteggi` writes what follows the percentage ("rows 12/40", ...).
    InterazioneConBarra(bool terminale, std::function<std::string(const Avanzamento&)> conteggi);

    void Progresso(const Avanzamento& a) override;
    void Avviso(const std::string& testo) override;
    void Informazione(const std::string& testo) override;
    // Ends the bar's line, if one was drawn.
    void ChiudiRiga();

private:
    bool terminale_;
    std::function<std::string(const Avanzamento&)> conteggi_;
    bool scritto_ = false;
};

}  // namespace nottaro::cli
