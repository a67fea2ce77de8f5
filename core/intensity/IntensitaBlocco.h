#pragma once
// The intensity lookup of many luminaire-point directions in one pass: the
// angle indices of a whole block first, then the quadratic interpolation of
// every direction with its nine table values gathered, several directions
// per instruction on the machine's vector unit. Directions with gamma above 0
// take this path, across the seam at C = 0 / 360 too; those at the nadir, on
// a rounding edge of an even angle grid, with a node triple of zero width or
// with a figure that is not finite are left to the lookup one direction at a
// time. The arithmetic is that of InterpolaIntensita, term by term, so an
// intensity formed here has the very bits of the single lookup.
#include <cstddef>
#include <vector>

#include "core/intensity/InterpolaIntensita.inl"

namespace nottaro {

// The three planes around a C across the seam at C = 0 / 360: their indices,
// their angles on a line with C (the planes past 360 moved by a turn) and the
// reciprocals of their weight denominators.
struct NodiCucitura {
    int p0 = 1, p1 = 1, p2 = 1;
    double a = 0, b = 0, c = 0;
    double i1 = 0, i2 = 0;  // as dettaglio::InversiLagrange(a, b, c)
};

// The indexed table of one luminaire and one lamp set's scale, as raw arrays.
struct TabellaBlocco {
    const double* angC = nullptr;  // planes at 1..N (0 and N + 1 read 0)
    const double* angG = nullptr;  // gamma columns at 1..G
    int N = 0, G = 0;
    bool uniformeC = false, uniformeG = false;  // even grids: direct index
    double primoC = 0, inversoPassoC = 0, primoG = 0, inversoPassoG = 0;
    const double* val = nullptr;  // cd/klm, plane-major, `passo` values a plane
    int passo = 0;
    const dettaglio::InversiLagrange* invC = nullptr;
    const dettaglio::InversiLagrange* invG = nullptr;
    double scala = 0;  // lamp flux / 1000
    // C past the last plane; between the last two; at or before the first.
    NodiCucitura dopoUltimo, traUltimi, primaDelPrimo;
    // Three or more nodes on both axes, finite and strictly ascending.
    bool utilizzabile = false;
};

// The vector widths the block lookup is built for; the widest the processor
// runs is chosen once, when first used.
enum class LarghezzaVettore { Base, Avx2, Avx512 };
const char* NomeLarghezza(LarghezzaVettore l);
// The widths this processor runs, narrowest first (Base always).
std::vector<LarghezzaVettore> LarghezzeDisponibili();

// The most directions one call of InterpolaBlocco takes.
inline constexpr std::size_t DirezioniPerBlocco = 256;

// I[k] for the n <= DirezioniPerBlocco directions (gamma[k], c[k]); fatto[k]
// is 1 where I[k] is the final intensity, 0 where the direction must be
// looked up alone (I[k] is then meaningless).
void InterpolaBlocco(const TabellaBlocco& t, const double* gamma, const double* c, std::size_t n, double* I,
                     int* fatto);
// The same on a given width, which the processor must run (benchmarks and the
// tests that hold every width to the same bits).
void InterpolaBloccoCon(LarghezzaVettore l, const TabellaBlocco& t, const double* gamma, const double* c,
                        std::size_t n, double* I, int* fatto);

}  // namespace nottaro
