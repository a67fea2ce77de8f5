#include "engine/road/Griglia.h"

#include <algorithm>
#include <cmath>

namespace nottaro {

bool CreaGriglia(const ParametriStrada& p, GrigliaStrada& g) {
    const double S = p.Interdist, W = p.LargStrada;
    g.Punti.clear();
    g.NPtiLong = g.NPtiTrasv = 0;
    if (!(S > 0) || !(W > 0) || p.NCorsie < 1 || p.NPtiCorsia < 1) return false;
    int nLong = 10;
    if (S > p.InterMaxGriglia) {
        if (!(p.PassoRigheMax > 0)) return false;
        nLong = static_cast<int>(std::ceil(S / p.PassoRigheMax));
    }
    const int nTrasv = p.NCorsie * p.NPtiCorsia;
    g.NPtiLong = nLong;
    g.NPtiTrasv = nTrasv;
    g.Punti.resize(static_cast<std::size_t>(nLong) * nTrasv);
    for (int i = 0; i < nLong; ++i)
        for (int j = 0; j < nTrasv; ++j) {
            auto& q = g.Punti[static_cast<std::size_t>(i) * nTrasv + j];
            q.x = (S / (2 * nLong)) * p.GrigliaEN + (S / nLong) * i;
            q.y = W / (2 * nTrasv) + (W / nTrasv) * j;
        }
    return true;
}

void ImpostaOsservatori(const ParametriStrada& p, Osservatori& o) {
    const int n = p.NCorsie;
    const double W = p.LargStrada;
    o.OssX = OssXStrada;
    o.OssY.assign(static_cast<std::size_t>(std::max(n, 2)), 0.0);
    if (p.OssUNI == 1) {
        o.PosOssUNIX = OssXStrada;
        o.PosOssUNIY = W / 4;
    }
    for (int k = 1; k <= n; ++k) o.OssY[k - 1] = W * (2 * k - 1) / (2 * n);
}

}  // namespace nottaro
