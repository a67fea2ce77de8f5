#include "core/photometry/PianoCompleto.h"

#include <algorithm>
#include <cmath>

#include "core/i18n/Messaggi.h"
#include "core/text/Testo.h"

namespace nottaro {

void TogliPiano360(Fotometria& foto, const std::string& path, Interazione& ui) {
    const TabellaIntensita& t = foto.Intens;
    const int n = t.NumC(), g = t.NumG();
    if (n < 2 || g < 1 || t.AngoloC(1) != 0 || t.AngoloC(n) != 360) return;
    double massimo = 0, scarto = 0;
    for (double v : t.Valori()) massimo = std::max(massimo, std::abs(v));
    for (int j = 1; j <= g; ++j) scarto = std::max(scarto, std::abs(t.Valore(n, j) - t.Valore(1, j)));
    if (scarto > 0.01 * massimo) ui.Avviso(NomeFile(path) + " - " + Msg(1050));

    TabellaIntensita ridotta;
    ridotta.Dimensiona(n - 1, g);
    for (int j = 1; j <= g; ++j) ridotta.ImpostaAngoloG(j, t.AngoloG(j));
    for (int i = 1; i < n; ++i) {
        ridotta.ImpostaAngoloC(i, t.AngoloC(i));
        const auto piano = t.Piano(i);
        std::copy(piano.begin(), piano.end(), ridotta.ScriviPiano(i).begin());
    }
    foto.Intens = std::move(ridotta);
}

}  // namespace nottaro
