#include "cli/InterazioneCli.h"

#include <algorithm>
#include <cctype>
#include <ostream>

#include "core/text/Testo.h"

namespace nottaro::cli {

InterazioneCli::InterazioneCli(std::ostream& err) : err_(err) {}

void InterazioneCli::Avviso(const std::string& testo) {
    ++avvisi_;
    err_ << "warning: " << testo << "\n";
}

bool InterazioneCli::Conferma(const std::string& testo) {
    err_ << "question: " << testo << " -> No\n";
    return false;
}

void InterazioneCli::Informazione(const std::string& testo) { err_ << "note: " << testo << "\n"; }

bool InterazioneCli::ChiediDatiLampada(DatiLampada& dati) {
    if (!lampada_.flusso && !lampada_.watt && !lampada_.famiglia) {
        err_ << "note: lamp data missing in the file (flux " << FormatoGenerale(dati.LampFlusso) << " lm, "
             << FormatoGenerale(dati.LampWatt)
             << " W); keeping the file's values (give --lamp-flux, --lamp-watts, --lamp-family)\n";
        return false;
    }
    if (lampada_.flusso) dati.LampFlusso = *lampada_.flusso;
    if (lampada_.watt) dati.LampWatt = *lampada_.watt;
    dati.Famiglia = lampada_.famiglia.value_or(0);
    return true;
}

void InterazioneCli::Progresso(const Avanzamento& s) {
    if (!progresso_) return;
    err_ << "progress: " << s.fatti;
    if (s.totale > 0) err_ << "/" << s.totale;
    err_ << " found " << s.trovati;
    if (!s.testo.empty()) err_ << " " << s.testo;
    err_ << "\n";
}

std::optional<int> FamigliaDaNome(const std::string& nome) {
    static const char* const nomi[] = {"sap", "sbp", "hid", "hql", "led"};
    const std::string n = Minuscole(Trim(nome));
    for (int i = 0; i < 5; ++i)
        if (n == nomi[i]) return i;
    return std::nullopt;
}

}  // namespace nottaro::cli
