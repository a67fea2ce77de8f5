#pragma once
// Interpolation in the cd/klm table, shared by the plain scan and the indexed
// lookup so that both give bit-identical intensities.

namespace nottaro::dettaglio {

// The reciprocals of the two weight denominators of the nodes a, b, c: they
// depend on the nodes alone, so the indexed lookup keeps them per node. A
// weight formed with the reciprocal is within one unit in the last place of
// the quotient, so a node is reproduced to that last place.
struct InversiLagrange {
    double i1 = 0, i2 = 0;
    InversiLagrange() = default;
    InversiLagrange(double a, double b, double c) : i1(1 / ((c - b) * (b - a))), i2(1 / ((c - b) * (c - a))) {}
};

// Quadratic Lagrange through (a, fa), (b, fb), (c, fc) at x.
struct PesiLagrange {
    double wa = 1, wb = 0, v = 0;
    PesiLagrange() = default;
    PesiLagrange(double a, double b, double c, const InversiLagrange& inv, double x)
        : wb((x - a) * (c - x) * inv.i1), v((x - a) * (b - x) * inv.i2) {
        wa = 1 - wb + v;
    }
    double operator()(double fa, double fb, double fc) const { return wa * fa + wb * fb - v * fc; }
};

// Weights through three nodes a <= b <= c of one axis where two of them
// share an angle: those nodes are one plane or one gamma angle (an edited
// table, or a full circle listed with both C = 0 and C = 360), the first of
// them is kept and the weights fall back to a straight line between the two
// distinct angles, so no weight divides by a segment of zero width.
inline PesiLagrange PesiDoppi(double a, double b, double c, double x) {
    PesiLagrange p;
    if (a == b && b == c) {
        p.wa = 1, p.wb = 0, p.v = 0;
    } else if (a == b) {  // a straight line from a to c
        const double t = (x - a) / (c - a);
        p.wa = 1 - t, p.wb = 0, p.v = -t;
    } else {  // b == c: a straight line from a to b
        const double t = (x - a) / (b - a);
        p.wa = 1 - t, p.wb = t, p.v = 0;
    }
    return p;
}

// The quadratic weights, or those of PesiDoppi when a denominator is zero.
inline PesiLagrange PesiSenzaDoppi(double a, double b, double c, const InversiLagrange& inv, double x) {
    if (__builtin_expect(__builtin_isfinite(inv.i1 + inv.i2), 1)) return PesiLagrange(a, b, c, inv, x);
    return PesiDoppi(a, b, c, x);
}

template <class AngoliC, class AngoliG, class Valore, class InversiC, class InversiG>
double InterpolaIntensitaGrezza(const AngoliC& angC, int N, const AngoliG& angG, int G, const Valore& val,
                                const InversiC& invC, const InversiG& invG, double gamma, double c, int i, int j);

// invC(i): the reciprocals of the planes i - 1, i, i + 1 (2 <= i <= N - 1);
// invG(j): those of the gamma columns j, j + 1, j + 2 (1 <= j <= G - 2).
// The quadratic overshoots below zero next to a steep cut-off: an
// interpolated intensity below 0 is no light, 0.
template <class AngoliC, class AngoliG, class Valore, class InversiC, class InversiG>
double InterpolaIntensita(const AngoliC& angC, int N, const AngoliG& angG, int G, const Valore& val,
                          const InversiC& invC, const InversiG& invG, double gamma, double c, int i, int j) {
    const double r = InterpolaIntensitaGrezza(angC, N, angG, G, val, invC, invG, gamma, c, i, j);
    return r < 0 ? 0.0 : r;
}

template <class AngoliC, class AngoliG, class Valore, class InversiC, class InversiG>
double InterpolaIntensitaGrezza(const AngoliC& angC, int N, const AngoliG& angG, int G, const Valore& val,
                                const InversiC& invC, const InversiG& invG, double gamma, double c, int i, int j) {
    if (N < 1 || G < 1) return 0;
    // No plane at or after c although c is not past the last plane: only an
    // axis with angles that are not numbers; no plane is read.
    constexpr double nessuno = __builtin_nan("");
    // A C that is not a number has no planes around it: no intensity (the
    // callers raise ErrCalcolo on the non-finite result) and no plane read.
    const bool cIgnoto = c != c;
    if (gamma <= 0) {
        if (cIgnoto) return c;
        // Nadir: linear between planes, across C = 0 through plane 1 at 360.
        if (c == 0) return val(1, 1);
        if (c > angC(N)) {
            const double iN = val(N, 1), i1 = val(1, 1);
            return iN + (i1 - iN) * (c - angC(N)) / (360 - angC(N));
        }
        if (i > N) return nessuno;
        if (angC(i) == c || i == 1) return val(i, 1);
        const double ia = val(i - 1, 1), ib = val(i, 1);
        return ia + (ib - ia) * (c - angC(i - 1)) / (angC(i) - angC(i - 1));
    }
    if (j > G) return 0;  // beyond the last tabulated gamma
    if (cIgnoto) return c;

    // Three plane nodes (index, angle); planes past 360 wrap to the start.
    int p[3];
    double cp[3] = {0, 0, 0};
    bool generale = false;
    if (N == 1) {
        p[0] = p[1] = p[2] = 1;
    } else if (c > angC(N - 1) && c >= angC(N)) {
        p[0] = N; cp[0] = angC(N);
        p[1] = 1; cp[1] = angC(1) + 360;
        p[2] = 2; cp[2] = angC(2) + 360;
    } else if (c > angC(N - 1)) {
        p[0] = N - 1; cp[0] = angC(N - 1);
        p[1] = N; cp[1] = angC(N);
        p[2] = 1; cp[2] = angC(1) + 360;
    } else if (i <= 1) {
        // c at or before the first plane (a rotated C of exactly 0).
        p[0] = N; cp[0] = angC(N) - 360;
        p[1] = 1; cp[1] = angC(1);
        p[2] = 2; cp[2] = angC(2);
    } else {
        if (i + 1 > N) return nessuno;
        p[0] = i - 1; cp[0] = angC(i - 1);
        p[1] = i; cp[1] = angC(i);
        p[2] = i + 1; cp[2] = angC(i + 1);
        generale = true;
    }
    // The same weights in C serve every gamma column.
    const PesiLagrange pesiC =
        PesiSenzaDoppi(cp[0], cp[1], cp[2], generale ? invC(i) : InversiLagrange(cp[0], cp[1], cp[2]), c);
    auto inC = [&](int col) {
        if (N == 1) return val(1, col);
        return pesiC(val(p[0], col), val(p[1], col), val(p[2], col));
    };

    if (G == 1) return inC(1);
    if (G == 2) {
        const double fa = inC(1), fb = inC(2);
        if (angG(2) == angG(1)) return fa;  // one gamma angle listed twice
        return fa + (fb - fa) * (gamma - angG(1)) / (angG(2) - angG(1));
    }
    // Gamma nodes j-1, j, j+1; at either end of the table the last (first)
    // three tabulated angles, never a node outside it.
    int ja = j - 1;
    if (ja < 1) ja = 1;
    if (ja > G - 2) ja = G - 2;
    const PesiLagrange pesiG = PesiSenzaDoppi(angG(ja), angG(ja + 1), angG(ja + 2), invG(ja), gamma);
    return pesiG(inC(ja), inC(ja + 1), inC(ja + 2));
}

}  // namespace nottaro::dettaglio
