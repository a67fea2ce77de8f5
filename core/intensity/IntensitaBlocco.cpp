#include "core/intensity/IntensitaBlocco.h"

#include <cmath>

namespace nottaro {

namespace {

// The kept reciprocals are read as a flat array of pairs.
static_assert(sizeof(dettaglio::InversiLagrange) == 2 * sizeof(double));

// First index k in 1..n with ang[k] >= x on an even grid, for every x of a
// block: the estimate from the step. ok[k] stays 1 only where the estimate is
// proven (the node before is below x, the node at it is not).
// x must be finite where ok is 1; elsewhere any index in 1..n + 1 results.
[[gnu::always_inline]] inline void IndiciUniformi(const double* __restrict ang, int n, double primo,
                                                  double inversoPasso, const double* __restrict x, std::size_t m,
                                                  int* __restrict indice, int* __restrict ok) {
    const double massimo = n + 1;
    for (std::size_t q = 0; q < m; ++q) {
        const double xq = x[q] == x[q] ? x[q] : primo;
        double stima = std::ceil((xq - primo) * inversoPasso) + 1;
        stima = stima < 1 ? 1 : stima;
        stima = stima > massimo ? massimo : stima;
        indice[q] = static_cast<int>(stima);
    }
    // The estimate is almost always the node; one a rounding step off is left
    // to the lookup one direction at a time. The nodes are read in a loop of
    // their own, from indices the compiler knows nothing of, so that the
    // reads are gathers.
    for (std::size_t q = 0; q < m; ++q) {
        const double xq = x[q];
        const int k = indice[q];
        const double prima = ang[k - 1], qui = ang[k];
        const bool sotto = (k == 1) | (prima < xq);
        const bool sopra = (k > n) | (qui >= xq);
        ok[q] = ok[q] & static_cast<int>(sotto & sopra);
    }
}

// The same on an uneven grid: a binary search per direction, the same index
// as AsseAngoli's (a NaN may land anywhere: it is not interpolated).
[[gnu::always_inline]] inline void IndiciCercati(const double* __restrict ang, int n, const double* __restrict x,
                                                 std::size_t m, int* __restrict indice) {
    const double* inizio = ang + 1;
    for (std::size_t q = 0; q < m; ++q) {
        int basso = 0, alto = n;
        while (basso < alto) {
            const int mezzo = (basso + alto) / 2;
            if (inizio[mezzo] < x[q]) basso = mezzo + 1;
            else alto = mezzo;
        }
        indice[q] = basso + 1;
    }
}

// Weights of the nodes a, b, c at x from the kept reciprocals, as
// PesiLagrange forms them.
[[gnu::always_inline]] inline void Pesi(double a, double b, double c, double i1, double i2, double x, double& wa,
                                        double& wb, double& v) {
    wb = (x - a) * (c - x) * i1;
    v = (x - a) * (b - x) * i2;
    wa = 1 - wb + v;
}

// A value that is neither infinite nor NaN: x - x is 0 for it alone.
[[gnu::always_inline]] inline bool Finito(double x) { return x - x == 0; }

// The block lookup: indices of the whole block, then one branch-free pass
// that forms each direction's weights, reads its nine values and marks
// whether the result is final. Built once per vector width below.
[[gnu::always_inline]] inline void InterpolaCorpo(const TabellaBlocco& t, const double* __restrict gamma,
                                                  const double* __restrict c, std::size_t n, double* __restrict I,
                                                  int* __restrict fatto) {
    int iC[DirezioniPerBlocco], jG[DirezioniPerBlocco];
    const double* __restrict angC = t.angC;
    const double* __restrict angG = t.angG;
    const double* __restrict val = t.val;
    const dettaglio::InversiLagrange* __restrict invC = t.invC;
    const dettaglio::InversiLagrange* __restrict invG = t.invG;
    const int N = t.N, G = t.G, passo = t.passo;
    const double scala = t.scala;
    const double cPrimo = angC[1], cPenultimo = angC[N - 1], cUltimo = angC[N], gUltimo = angG[G];
    const NodiCucitura dU = t.dopoUltimo, tU = t.traUltimi, pP = t.primaDelPrimo;

    for (std::size_t q = 0; q < n; ++q) fatto[q] = 1;
    if (t.uniformeC) IndiciUniformi(angC, N, t.primoC, t.inversoPassoC, c, n, iC, fatto);
    else IndiciCercati(angC, N, c, n, iC);
    if (t.uniformeG) IndiciUniformi(angG, G, t.primoG, t.inversoPassoG, gamma, n, jG, fatto);
    else IndiciCercati(angG, G, gamma, n, jG);

    for (std::size_t q = 0; q < n; ++q) {
        const double g = gamma[q], cq = c[q];
        // Beyond the last gamma: no light, whatever C is.
        const bool oltre = g > gUltimo;
        // Which three planes: around the C index, or one of the seam's triples.
        const bool cValido = cq == cq;
        const bool dopoPenultimo = cq > cPenultimo;
        const bool dopoUltimo = dopoPenultimo & (cq >= cUltimo);
        const bool traUltimi = dopoPenultimo & !(cq >= cUltimo);
        const bool dentroC = (cq > cPrimo) & !dopoPenultimo;
        const bool primaDelPrimo = cValido & !dopoPenultimo & !(cq > cPrimo);
        // Off the inner planes the index may be anything: read plane 2.
        int i = iC[q];
        i = dentroC & (i >= 2) & (i <= N - 1) ? i : 2;
        const double* __restrict ic = reinterpret_cast<const double*>(invC);
        const double* __restrict ig = reinterpret_cast<const double*>(invG);
        const double ca = angC[i - 1], cb = angC[i], cc = angC[i + 1];
        const double ic1 = ic[2 * i], ic2 = ic[2 * i + 1];
        const bool cucitura = dopoUltimo | traUltimi | primaDelPrimo;
        auto nodo = [&](auto NodiCucitura::*campo, auto interno) {
            return cucitura ? (dopoUltimo ? dU.*campo : traUltimi ? tU.*campo : pP.*campo) : interno;
        };
        const int p0 = nodo(&NodiCucitura::p0, i - 1), p1 = nodo(&NodiCucitura::p1, i),
                  p2 = nodo(&NodiCucitura::p2, i + 1);
        const double i1 = nodo(&NodiCucitura::i1, ic1), i2 = nodo(&NodiCucitura::i2, ic2);
        double wa, wb, v;
        Pesi(nodo(&NodiCucitura::a, ca), nodo(&NodiCucitura::b, cb), nodo(&NodiCucitura::c, cc), i1, i2, cq, wa, wb,
             v);
        const bool pesiCFiniti = Finito(i1 + i2);

        int ja = jG[q] - 1;
        ja = ja < 1 ? 1 : ja;
        ja = ja > G - 2 ? G - 2 : ja;
        const double gja = angG[ja];
        const double y = oltre ? gja : g;
        const double ig1 = ig[2 * ja], ig2 = ig[2 * ja + 1];
        double ga, gb, v2;
        Pesi(gja, angG[ja + 1], angG[ja + 2], ig1, ig2, y, ga, gb, v2);

        // The nine values: planes p0, p1, p2 at gamma columns ja .. ja + 2.
        const int b0 = p0 * passo + ja, b1 = p1 * passo + ja, b2 = p2 * passo + ja;
        const double f0 = wa * val[b0] + wb * val[b1] - v * val[b2];
        const double f1 = wa * val[b0 + 1] + wb * val[b1 + 1] - v * val[b2 + 1];
        const double f2 = wa * val[b0 + 2] + wb * val[b1 + 2] - v * val[b2 + 2];
        double r = ga * f0 + gb * f1 - v2 * f2;
        r = r < 0 ? 0.0 : r;
        r = oltre ? 0.0 : r;
        const double cd = r * scala;
        const bool ok = (g > 0) & (oltre | ((dentroC | cucitura) & pesiCFiniti & Finito(ig1 + ig2))) & Finito(cd);
        I[q] = cd;
        fatto[q] = fatto[q] & static_cast<int>(ok);
    }
}

using FunzioneBlocco = void (*)(const TabellaBlocco&, const double*, const double*, std::size_t, double*,
                                int*);

void BloccoBase(const TabellaBlocco& t, const double* gamma, const double* c, std::size_t n, double* I,
                int* fatto) {
    InterpolaCorpo(t, gamma, c, n, I, fatto);
}

// One body, built again for each wider unit. The build forms no fused
// multiply-add, so every width forms the same products and sums.
#if defined(__x86_64__) && defined(__GNUC__) && !defined(__clang__) && !defined(NOTTARO_UN_SOLO_VETTORE)
#define NOTTARO_LARGHEZZE_X86 1
[[gnu::target("avx2")]] void BloccoAvx2(const TabellaBlocco& t, const double* gamma, const double* c, std::size_t n,
                                        double* I, int* fatto) {
    InterpolaCorpo(t, gamma, c, n, I, fatto);
}
[[gnu::target("avx512f")]] void BloccoAvx512(const TabellaBlocco& t, const double* gamma, const double* c,
                                             std::size_t n, double* I, int* fatto) {
    InterpolaCorpo(t, gamma, c, n, I, fatto);
}
#endif

FunzioneBlocco FunzioneDi(LarghezzaVettore l) {
#ifdef NOTTARO_LARGHEZZE_X86
    if (l == LarghezzaVettore::Avx512) return BloccoAvx512;
    if (l == LarghezzaVettore::Avx2) return BloccoAvx2;
#endif
    (void)l;
    return BloccoBase;
}

}  // namespace

void InterpolaBlocco(const TabellaBlocco& t, const double* gamma, const double* c, std::size_t n, double* I,
                     int* fatto) {
    if (!t.utilizzabile) {
        for (std::size_t q = 0; q < n; ++q) fatto[q] = 0;
        return;
    }
    static const FunzioneBlocco piuLarga = FunzioneDi(LarghezzeDisponibili().back());
    piuLarga(t, gamma, c, n, I, fatto);
}

void InterpolaBloccoCon(LarghezzaVettore l, const TabellaBlocco& t, const double* gamma, const double* c,
                        std::size_t n, double* I, int* fatto) {
    if (!t.utilizzabile) {
        for (std::size_t q = 0; q < n; ++q) fatto[q] = 0;
        return;
    }
    FunzioneDi(l)(t, gamma, c, n, I, fatto);
}

const char* NomeLarghezza(LarghezzaVettore l) {
    switch (l) {
        case LarghezzaVettore::Avx512: return "AVX-512";
        case LarghezzaVettore::Avx2: return "AVX2";
        case LarghezzaVettore::Base: break;
    }
    return "baseline";
}

std::vector<LarghezzaVettore> LarghezzeDisponibili() {
    std::vector<LarghezzaVettore> l{LarghezzaVettore::Base};
#ifdef NOTTARO_LARGHEZZE_X86
    __builtin_cpu_init();
    if (__builtin_cpu_supports("avx2")) l.push_back(LarghezzaVettore::Avx2);
    if (__builtin_cpu_supports("avx512f")) l.push_back(LarghezzaVettore::Avx512);
#endif
    return l;
}

}  // namespace nottaro
