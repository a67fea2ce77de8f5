#include "engine/comune/FattUtil.h"

#include <cmath>

namespace nottaro {

int ApparecchiPerInterdistStrada(int dispPali) { return dispPali == 4 || dispPali == 5 || dispPali == 6 ? 2 : 1; }

int ApparecchiPerInterdistArea(int dispPaliA) { return dispPaliA == 5 || dispPaliA == 6 ? 2 : 1; }

std::optional<double> FattUtil(const CampoIllum& campo, double S, double W, int k, double flusso) {
    const std::size_t n = static_cast<std::size_t>(campo.NPtiLong) * campo.NPtiTrasv;
    if (n == 0 || campo.Illum.size() < n || !(S > 0) || !(W > 0) || k < 1 || !(flusso > 0)) return std::nullopt;
    const double dx = S / campo.NPtiLong, dy = W / campo.NPtiTrasv;
    double somma = 0;
    for (std::size_t q = 0; q < n; ++q) somma += campo.Illum[q] * dx * dy;
    const double uf = somma / (k * flusso);
    if (!std::isfinite(uf)) return std::nullopt;
    return uf;
}

}  // namespace nottaro
