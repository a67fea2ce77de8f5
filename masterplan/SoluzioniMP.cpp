#include "masterplan/SoluzioniMP.h"

#include "core/intensity/Intensita.h"
#include "core/text/Testo.h"

namespace nottaro::mp {

int SceltaSoluzioni::Posti(double S) const {
    if (esito_.Trattenuti == 0) return 3;
    int p = 0;
    if (S < esito_.Sol[0].Spaziatura) p |= 1;
    if (S > esito_.Sol[1].Spaziatura) p |= 2;
    return p;
}

void SceltaSoluzioni::Trattieni(const SoluzioneMP& c, int posti) {
    ++esito_.Trattenuti;
    if (posti & 1) esito_.Sol[0] = c;
    if (posti & 2) esito_.Sol[1] = c;
    esito_.Sol[0].Presente = esito_.Sol[1].Presente = true;
}

std::string ParolaRisultato(int n, bool daProgetto) {
    if (n == 0) return "0 Risultati";
    if (daProgetto) return "ESATTO";
    return n >= 2 ? "MIN+MAX" : "Solo MIN";
}

std::string OsservazioneSpaziatura(double r, TipoOsservazione tipo) {
    const std::string testo = FormatoGenerale(Arrotonda(r, 1));
    const double basso = tipo == TipoOsservazione::Area ? 3.5 : 3.3;
    const bool anello = tipo == TipoOsservazione::Rotatoria;
    if (r < basso) return "BASSO I/H: " + testo;
    if (r > 5.3) return (anello ? "ALTA I/H: " : "ALTO I/H: ") + testo;
    return (anello ? "media I/H: " : "medio I/H: ") + testo;
}

}  // namespace nottaro::mp
