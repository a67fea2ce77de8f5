#include "report/IsoLinee.h"

#include <cmath>

namespace nottaro {

std::vector<double> LivelliIso(double minimo, double massimo, int massimi) {
    std::vector<double> livelli;
    if (!std::isfinite(minimo) || !std::isfinite(massimo) || massimo <= minimo || massimi < 1) return livelli;
    const double grezzo = (massimo - minimo) / (massimi + 1);
    const double potenza = std::pow(10.0, std::floor(std::log10(grezzo)));
    double passo = 10 * potenza;
    for (double m : {1.0, 2.0, 2.5, 5.0})
        if (m * potenza >= grezzo) {
            passo = m * potenza;
            break;
        }
    // Levels as whole multiples of the step, so 0.1 × 3 prints as 0.3.
    for (long long n = static_cast<long long>(std::floor(minimo / passo)) + 1; static_cast<double>(n) * passo < massimo; ++n) {
        const double v = static_cast<double>(n) * passo;
        if (v > minimo && static_cast<int>(livelli.size()) < massimi) livelli.push_back(v);
    }
    return livelli;
}

std::vector<SegmentoIso> SegmentiIso(const std::vector<double>& valori, const std::vector<double>& xs,
                                     const std::vector<double>& ys, double livello) {
    std::vector<SegmentoIso> segmenti;
    const std::size_t nx = xs.size(), ny = ys.size();
    if (nx < 2 || ny < 2 || valori.size() < nx * ny) return segmenti;
    auto v = [&](std::size_t i, std::size_t j) { return valori[i * ny + j]; };
    for (std::size_t i = 0; i + 1 < nx; ++i)
        for (std::size_t j = 0; j + 1 < ny; ++j) {
            // Corners counter-clockwise from (i, j); edge e joins corner e and e + 1.
            const std::array<double, 4> c{v(i, j), v(i + 1, j), v(i + 1, j + 1), v(i, j + 1)};
            const std::array<std::array<double, 2>, 4> p{{{xs[i], ys[j]}, {xs[i + 1], ys[j]}, {xs[i + 1], ys[j + 1]},
                                                          {xs[i], ys[j + 1]}}};
            int caso = 0;
            for (int k = 0; k < 4; ++k)
                if (c[k] >= livello) caso |= 1 << k;
            if (caso == 0 || caso == 15) continue;
            auto punto = [&](int e) {
                const int a = e, b = (e + 1) % 4;
                const double t = (livello - c[a]) / (c[b] - c[a]);
                return std::array<double, 2>{p[a][0] + t * (p[b][0] - p[a][0]), p[a][1] + t * (p[b][1] - p[a][1])};
            };
            // Edges crossed, in order round the square.
            std::vector<int> lati;
            for (int e = 0; e < 4; ++e)
                if (((caso >> e) & 1) != ((caso >> ((e + 1) % 4)) & 1)) lati.push_back(e);
            if (lati.size() == 2) {
                segmenti.push_back({punto(lati[0]), punto(lati[1])});
                continue;
            }
            // Four edges crossed (a saddle): the centre decides which corners join.
            const bool centroSopra = (c[0] + c[1] + c[2] + c[3]) / 4 >= livello;
            const bool angolo0Sopra = (caso & 1) != 0;
            if (centroSopra == angolo0Sopra) {
                segmenti.push_back({punto(0), punto(1)});
                segmenti.push_back({punto(2), punto(3)});
            } else {
                segmenti.push_back({punto(3), punto(0)});
                segmenti.push_back({punto(1), punto(2)});
            }
        }
    return segmenti;
}

}  // namespace nottaro
