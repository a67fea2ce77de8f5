#pragma once
// Interaction for the command line: nobody is there to answer, so warnings
// and information go to stderr, confirmations answer No, and the lamp data
// prompt is answered from values given on the command line (or declined).
#include <iosfwd>
#include <optional>
#include <string>

#include "core/interaction/Interazione.h"

namespace nottaro::cli {

class InterazioneCli : public Interazione {
public:
    // Answers for the lamp data prompt; when neither flux nor watts is given
    // the prompt is declined and the file's values stay.
    struct RisposteLampada {
        std::optional<double> flusso;  // lm
        std::optional<double> watt;    // W
        std::optional<int> famiglia;   // 0 SAP, 1 SBP, 2 HID, 3 HQL, 4 LED
    };

    explicit InterazioneCli(std::ostream& err);

    void ImpostaLampada(const RisposteLampada& r) { lampada_ = r; }
    // Progress lines on stderr (off by default).
    void MostraProgresso(bool si) { progresso_ = si; }

    void Avviso(const std::string& testo) override;
    bool Conferma(const std::string& testo) override;
    void Informazione(const std::string& testo) override;
    bool ChiediDatiLampada(DatiLampada& dati) override;
    void Progresso(const Avanzamento& stato) override;

    int Avvisi() const { return avvisi_; }

private:
    std::ostream& err_;
    RisposteLampada lampada_;
    bool progresso_ = false;
    int avvisi_ = 0;
};

// "sap", "sbp", "hid", "hql", "led" (any case) to family 0..4; nullopt otherwise.
std::optional<int> FamigliaDaNome(const std::string& nome);

}  // namespace nottaro::cli
