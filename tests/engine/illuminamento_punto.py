#!/usr/bin/env python3
"""Illuminance of a path at a few points, computed apart from the C++ engine.

Reads an EULUMDAT file with every C plane (symmetry 0), lays out the path's
luminaires, and sums E = I cos^3(gamma) / H^2 x maintenance factor over them,
with the intensity interpolated quadratically through the three nearest C
planes (periodic over the circle) and the three nearest gamma angles. Prints
the figures the path test compares with.

    python3 tests/engine/illuminamento_punto.py tests/fixtures/photometry/<file>.ldt
"""
import math
import sys


def leggi_ldt(path):
    righe = open(path, encoding="latin-1").read().splitlines()
    assert int(righe[2]) == 0, "symmetry 0 only"
    mc, ng = int(righe[3]), int(righe[5])
    n_serie = int(righe[25])
    flusso = float(righe[26 + 2])  # first set: lamps, type, flux, ...
    k = 26 + 6 * n_serie + 10
    c = [float(x) for x in righe[k:k + mc]]
    g = [float(x) for x in righe[k + mc:k + mc + ng]]
    v = [float(x) for x in righe[k + mc + ng:k + mc + ng + mc * ng]]
    tab = [v[i * ng:(i + 1) * ng] for i in range(mc)]
    return c, g, tab, flusso


def lagrange(xs, fs, x):
    a, b, c = xs
    return (fs[0] * (x - b) * (x - c) / ((a - b) * (a - c)) + fs[1] * (x - a) * (x - c) / ((b - a) * (b - c)) +
            fs[2] * (x - a) * (x - b) / ((c - a) * (c - b)))


def intensita(cang, gang, tab, flusso, gamma, c):
    n, ng = len(cang), len(gang)
    if gamma > gang[-1]:
        return 0.0
    # First C plane at or beyond c, taking the circle as periodic.
    i = next((k for k in range(n) if cang[k] >= c), n)
    nodi = [i - 1, i, i + 1]
    angoli = [cang[k % n] + 360 * (k // n) for k in nodi]
    j = next(k for k in range(ng) if gang[k] >= gamma)
    ja = min(max(j - 1, 0), ng - 3)
    colonne = range(ja, ja + 3)
    per_colonna = [lagrange(angoli, [tab[k % n][col] for k in nodi], c) for col in colonne]
    return lagrange([gang[col] for col in colonne], per_colonna, gamma) * flusso / 1000


def illuminamento(foto, disp, H, sbr, S, W, D, xp, yp):
    cang, gang, tab, flusso = foto
    pali = []
    for k in range(12):
        if disp == 1: pali.append(((k - 5) * S, W))
        if disp == 2: pali.append(((k - 5) * S, 0.0))
        if disp == 4: pali.append(((k - 5) * S, 0.0 if k % 2 == 0 else W))
        if disp == 6: pali += [((5 - k) * S, W), ((5 - k) * S, 0.0)]
    e = 0.0
    for x, y in pali:
        lontano = y >= W / 2
        yt = y - sbr if lontano else y + sbr
        dx, dy = xp - x, yp - yt
        cosg = H / math.sqrt(dx * dx + dy * dy + H * H)
        # C from the luminaire's axis toward the path it faces.
        c = math.degrees(math.atan2(-dy, -dx) if lontano else math.atan2(dy, dx)) % 360
        e += intensita(cang, gang, tab, flusso, math.degrees(math.acos(cosg)), c) * cosg ** 3 / (H * H) * D
    return e


def millimetri(v):
    t = v * 1000
    return (int(t + 1) if t - int(t) > 0.5 else int(t)) / 1000


def punto(S, W, i, j):
    """Point (i, j) of the standard grid."""
    nl = 10 if S <= 30 else int(S / 3) + 1
    nt = 3 if W / 1.5 <= 3 else int(W / 1.5) + 1
    px, py = millimetri(S / nl), millimetri(W / nt)
    return i * px + px / 2, j * py + py / 2


if __name__ == "__main__":
    foto = leggi_ldt(sys.argv[1])
    # arrangement, height, overhang, spacing, width, maintenance factor, point
    casi = [(2, 6, 0.5, 25, 4, 0.8, 0, 0), (1, 6, 0.5, 25, 4, 0.8, 5, 2),
            (4, 8, 1.0, 30, 6, 0.9, 1, 1), (6, 5, 0.0, 20, 3, 0.8, 5, 1)]
    for disp, H, sbr, S, W, D, i, j in casi:
        xp, yp = punto(S, W, i, j)
        print(disp, H, sbr, S, W, D, i, j, repr(illuminamento(foto, disp, H, sbr, S, W, D, xp, yp)))
