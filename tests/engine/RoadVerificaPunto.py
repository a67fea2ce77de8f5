#!/usr/bin/env python3
"""Independent check of one luminance value on real photometry: the first
grid point of the sample road project strada.nt0 (arrangement 2, W 7.5 m,
2 lanes, R2, maintenance 0.85, EN grid, H 8 m, overhang 0.5 m, tilt 5 deg,
spacing 31.5 m, the street optic of sample_19 at 400 lm) for the observer of
lane 1. The EULUMDAT file is parsed here, the tilt is applied by rotating
the direction vector, angles use math.degrees/atan2, and interpolation uses
the Newton form. Run from the repository root; prints the luminance
(cd/m2), to compare with LumGriglia observer 1, row 1, point 1 of
`nottaro-cli evaluate --project tests/fixtures/projects/strada.nt0`."""
import math
import os
import sys

sys.path.insert(0, os.path.dirname(__file__))
from RoadVerificaIndipendente import coeff_r, beta_angle, load, quad  # noqa: E402


def read_ldt(path):
    with open(path, encoding='latin-1') as f:
        lines = [l.strip() for l in f.read().splitlines()]
    isym, mc, ng = int(lines[2]), int(lines[3]), int(lines[5])
    assert isym == 0
    nsets = int(lines[25])
    base = 26 + 6 * nsets
    flux = float(lines[26 + 2].replace(',', '.'))
    base += 10  # direct ratios
    cs = [float(v) for v in lines[base:base + mc]]
    gs = [float(v) for v in lines[base + mc:base + mc + ng]]
    vals = [float(v) for v in lines[base + mc + ng:base + mc + ng + mc * ng]]
    table = [vals[i * ng:(i + 1) * ng] for i in range(mc)]
    return cs, gs, table, flux


def intensity(cs, gs, table, flux, gamma, c):
    n = len(cs)
    if gamma == 0:
        raise ValueError('not needed here')
    j = next(k for k in range(len(gs)) if gs[k] >= gamma)
    js = [j - 1, j, j + 1] if j + 1 < len(gs) else [j - 2, j - 1, j]
    # planes around c, wrapping through 360
    if c > cs[n - 2] and c >= cs[n - 1]:
        ps = [(n - 1, cs[n - 1]), (0, cs[0] + 360), (1, cs[1] + 360)]
    elif c > cs[n - 2]:
        ps = [(n - 2, cs[n - 2]), (n - 1, cs[n - 1]), (0, cs[0] + 360)]
    else:
        i = next(k for k in range(n) if cs[k] >= c)
        ps = [(i - 1, cs[i - 1]), (i, cs[i]), (i + 1, cs[i + 1])]
    col = [quad([a for _, a in ps], [table[p][jj] for p, _ in ps], c) for jj in js]
    return quad([gs[jj] for jj in js], col, gamma) * flux / 1000


def main():
    cs, gs, table, flux = read_ldt('tests/fixtures/photometry/eulumdat-analysis_sample_19_LEDiL_STRADA_street_isym0.ldt')
    T = load('R2')
    H, S, W, sbr, tilt, mf = 8.0, 31.5, 7.5, 0.5, 5.0, 0.85
    xp, yp = S / 22, W / 12          # first point of the EN grid (11 rows, 6 points)
    xo, yo = -60.0, W / 4            # observer of lane 1
    total = 0.0
    for px in (-31.5, 0.0, 31.5, 63.0, 94.5):
        lx, ly = px, 0.0 + sbr       # right-edge poles reach over the road
        dx, dy = xp - lx, yp - ly
        gamma = math.degrees(math.atan2(math.hypot(dx, dy), H))
        v = (dx, dy, -H)             # direction light centre -> point
        norm = math.sqrt(sum(t * t for t in v))
        v = tuple(t / norm for t in v)
        # luminaire tilted by +5 deg about the road axis, lifting its C 90 side
        th = -math.radians(tilt)
        vy = v[1] * math.cos(th) - v[2] * math.sin(th)
        vz = v[1] * math.sin(th) + v[2] * math.cos(th)
        g_rot = math.degrees(math.acos(-vz))
        c_rot = math.degrees(math.atan2(vy, v[0])) % 360
        I = intensity(cs, gs, table, flux, g_rot, c_rot)
        b = beta_angle(xp, yp, lx, ly, xo, yo)
        total += I * coeff_r(T, gamma, b) / H ** 2 * mf
    print(f'{total:.15g}')


if __name__ == '__main__':
    main()
