// The block routines of the fast evaluations, built for one vector width
// (baseline x86-64, AVX2 or AVX-512 by the build), on a fixed set of points
// with the awkward cases among them: prints one checksum of every bit they
// produce. Every width must print the same checksum (stessi_bit.sh).
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <random>
#include <vector>

#include "core/intensity/AccumulaLuce.h"
#include "core/intensity/DirezioniInclinabili.h"
#include "engine/road/RiflessioneBlocco.h"

using namespace nottaro;

namespace {

std::uint64_t Somma(std::uint64_t h, const std::vector<double>& v) {
    for (double x : v) {
        std::uint64_t b;
        std::memcpy(&b, &x, sizeof b);
        h = (h ^ b) * 1099511628211ull;  // FNV-1a over whole words
    }
    return h;
}

}  // namespace

int main() {
    // Points around a light centre at (1.5, 3 - 0.5): some straight under it,
    // some level with it along the road; an odd count leaves a vector remainder.
    std::mt19937_64 gen(11);
    std::uniform_real_distribution<double> u(-60, 60);
    const std::size_t n = 20011;
    std::vector<double> xs(n), ys(n);
    for (std::size_t k = 0; k < n; ++k) {
        xs[k] = u(gen);
        ys[k] = u(gen) / 4;
        if (k % 997 == 0) xs[k] = 1.5, ys[k] = 2.5;
        if (k % 991 == 0) xs[k] = 1.5;
    }
    std::vector<double> gamma(n), cPiana(n), cInclinata(n);
    ErroriAngoli errori;
    AngoliBlocco(xs.data(), ys.data(), n, 1.5, 3.0, 0.5, 9.0, gamma.data(), cPiana.data(), cInclinata.data(), errori);
    DirezioniInclinabili d;
    d.Ridimensiona(n);
    d.ImpostaBlocco(0, n, gamma.data(), cPiana.data(), cInclinata.data());
    std::uint64_t h = 1469598103934665603ull;
    for (double inclina : {-20.0, 5.0, 15.0}) {
        std::vector<double> gR(n), cR(n), beta(n), tanG(n), somma(n, 1.0);
        RuotaInclinazioni(d, n, inclina, gR.data(), cR.data());
        BetaBlocco(xs.data(), ys.data(), n, 1.5, 3.0, 0.5, -60 + inclina, 1.75, beta.data());
        TanGammaBlocco(gR.data(), n, tanG.data());
        AccumulaLuce(somma.data(), gR.data(), cR.data(), n, 81, 0.8);
        for (const auto* v : {&gR, &cR, &beta, &tanG, &somma}) h = Somma(h, *v);
    }
    for (const auto* v : {&gamma, &cPiana, &cInclinata, &d.sg, &d.cg, &d.sc, &d.cc}) h = Somma(h, *v);
    std::printf("%016llx %d %d\n", static_cast<unsigned long long>(h), errori.gamma, errori.inclinata);
    return 0;
}
