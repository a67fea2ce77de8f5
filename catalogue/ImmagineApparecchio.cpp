#include "catalogue/ImmagineApparecchio.h"

#include <filesystem>

#include "core/files/ListaFile.h"

namespace nottaro {

RiquadroImmagine AdattaImmagine(int w, int h) {
    if (w <= 0 || h <= 0) return {};
    constexpr int L = LatoRiquadroImmagine;
    const double r = static_cast<double>(w) / h;
    if (w < L && h < L) {
        if (h > w) {
            h = L;
            w = static_cast<int>(L * r);
        } else {
            w = L;
            h = static_cast<int>(L / r);
        }
    }
    if (w > L) {
        w = L;
        h = static_cast<int>(L / r);
    }
    if (h > L) {
        h = L;
        w = static_cast<int>(L * r);
    }
    return {(L - w) / 2, (L - h) / 2, w, h};
}

std::string PercorsoImmagine(const std::string& dirProg, const std::string& filefoto) {
    return FileInCartella((std::filesystem::path(dirProg) / "img").string(), filefoto);
}

std::string PercorsoImmagineMancante(const std::string& dirProg) { return PercorsoImmagine(dirProg, "ND.jpg"); }

}  // namespace nottaro
