#pragma once
// Photometric records built in code for the engine tests.
#include <functional>
#include <vector>

#include "core/photometry/Fotometria.h"

namespace nottaro::test {

inline std::vector<double> Angoli(double primo, double passo, int n) {
    std::vector<double> v(n);
    for (int k = 0; k < n; ++k) v[k] = primo + passo * k;
    return v;
}

// A record with the given C planes and gamma angles, cd/klm = f(C, gamma),
// one lamp set of the given flux.
inline Fotometria FotometriaDa(const std::vector<double>& c, const std::vector<double>& g,
                               const std::function<double(double, double)>& f, double flusso) {
    Fotometria foto;
    foto.Intens.Dimensiona(static_cast<int>(c.size()), static_cast<int>(g.size()));
    foto.NumLampade = 1;
    foto.FlussoLamp[0] = flusso;
    foto.PotLamp[0] = 100;
    for (int j = 0; j < foto.NumG(); ++j) foto.Intens.ImpostaAngoloG(j + 1, g[j]);
    for (int i = 0; i < foto.NumC(); ++i) {
        foto.Intens.ImpostaAngoloC(i + 1, c[i]);
        for (int j = 0; j < foto.NumG(); ++j) foto.Intens.ImpostaValore(i + 1, j + 1, f(c[i], g[j]));
    }
    return foto;
}

}  // namespace nottaro::test
