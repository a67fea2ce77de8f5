#!/usr/bin/env python3
"""Independent calculation of the road figures for a luminaire of constant
intensity (every direction the same cd), written from the domain rules
without the program's code: Newton divided differences instead of Lagrange
weights, math.degrees instead of the program's constant, plain loops.
Prints StimaRapida, Ul, Lm, Uo, LmOss, UoOss, UlOss and TI of the cases in
RoadEvaluationTest.cpp. Run from the repository root."""
import csv
import math

BETAS = [0, 2, 5, 10, 15, 20, 25, 30, 35, 40, 45, 60, 75, 90, 105, 120, 135, 150, 165, 180]


def load(name):
    with open(f'engine/road/rtables/{name}.csv') as f:
        rows = [[float(v) for v in r] for r in csv.reader(f)]
    return rows


def quad(xs, ys, x):
    # Newton form of the parabola through three points.
    d1 = (ys[1] - ys[0]) / (xs[1] - xs[0])
    d2 = (ys[2] - ys[1]) / (xs[2] - xs[1])
    d3 = (d2 - d1) / (xs[2] - xs[0])
    return ys[0] + d1 * (x - xs[0]) + d3 * (x - xs[0]) * (x - xs[1])


def coeff_r(T, gamma, beta):
    beta = 0.001 if beta == 0 else (179.999 if beta == 180 else beta)
    if gamma == 0:
        return T[1][1] / 1e4
    t = math.tan(math.radians(gamma))
    if t > 12:
        return 0.0
    tans = [T[r][0] for r in range(1, 30)]
    if t > 11:
        if beta >= 20:
            return 0.0
        # linear along the tan = 11 row between the beta angles around beta
        for c in range(1, 20):
            if BETAS[c - 1] < beta <= BETAS[c]:
                a, b = BETAS[c - 1], BETAS[c]
                fa, fb = T[27][c], T[27][c + 1]
                return (fa + (fb - fa) * (beta - a) / (b - a)) / 1e4
    rw = next(r for r in range(1, 30) if T[r][0] >= t)   # row of the table (1-based rows)
    col = next(c for c in range(1, 21) if T[0][c] >= beta)
    if col < 20:
        fs = []
        for c in (col - 1, col, col + 1):
            fs.append(quad([T[r][0] for r in (rw - 1, rw, rw + 1)], [T[r][c] for r in (rw - 1, rw, rw + 1)], t))
        return quad([T[0][c] for c in (col - 1, col, col + 1)], fs, beta) / 1e4
    def along(r):
        return T[r][19] + (T[r][20] - T[r][19]) * (beta - 165) / 15
    fa, fb = along(rw - 1), along(rw)
    return (fa + (fb - fa) * (t - T[rw - 1][0]) / (T[rw][0] - T[rw - 1][0])) / 1e4


def poles(disp, H, S, W):
    out = []
    if disp in (1, 2, 3):
        y = {1: W, 2: 0, 3: W / 2}[disp]
        nb, na = int(5 * H / S), max(1, int(12 * H / S))
        out = [(-(nb - b) * S, y) for b in range(nb)] + [(a * S, y) for a in range(na + 1)]
    elif disp == 6:
        k1, k2 = max(1, math.floor(5 * H / S)), max(1, math.floor(12 * H / S))
        for k in range(1, k1 + 1):
            out += [(-k * S, 0), (-k * S, W)]
        out += [(0, 0), (0, W)]
        for k in range(1, k2 + 1):
            out += [(k * S, 0), (k * S, W)]
    return out


def beta_angle(xp, yp, lx, ly, xo, yo):
    v1 = (xp - lx, yp - ly)
    v2 = (xp - xo, yp - yo)
    n1, n2 = math.hypot(*v1), math.hypot(*v2)
    if n1 == 0:
        return 0.0
    c = max(-1.0, min(1.0, (v1[0] * v2[0] + v1[1] * v2[1]) / (n1 * n2)))
    return 180 - math.degrees(math.acos(c))


def lum(case, T, xp, yp, xo, yo, pls):
    H, I, mf = case['H'], case['I'], case['mf']
    total = 0.0
    for (px, py) in pls:
        right = py == 0 and case['disp'] in (2, 4, 5, 6)
        s = -case['s'] if right else case['s']
        lx, ly = px, py - s
        g = math.degrees(math.atan2(math.hypot(xp - lx, yp - ly), H))
        b = beta_angle(xp, yp, lx, ly, xo, yo)
        total += I * coeff_r(T, g, b) / H ** 2 * mf
    return total


def ti(case, yo, Lm, nlong):
    H, S, W, s, I, mf = case['H'], case['S'], case['W'], case['s'], case['I'], case['mf']
    f1, f2 = 1 + (23 / 62.5) ** 4, 1 + (23 / 66.4) ** 4
    x0 = -2.75 * abs(H - 1.5)
    row = []
    k = 0
    while True:
        if case['disp'] == 1:
            row.append((k * S, W - s))
        else:  # 6: pairs
            row += [(k * S, s), (k * S, W - s)]
        # the row goes on while the luminaire (pair) before the one added is
        # within 500 m + S of x0
        if k > 0 and abs(row[-2 if case['disp'] == 1 else -3][0] - x0) > 500 + S:
            break
        k += 1
    best = 0.0
    dz = H - 1.5
    for m in range(nlong + 1):
        xo = x0 + case['step2'] * m
        lv = 0.0
        for n, (x, y) in enumerate(row):
            if n > 0 and abs(x - xo) > 500:
                break
            dx, dy = x - xo, y - yo
            if dx <= 0 or math.degrees(math.atan(dz / dx)) > 20:
                continue
            d = math.sqrt(dx * dx + dy * dy + dz * dz)
            th = math.acos((dx * math.cos(math.radians(1)) - dz * math.sin(math.radians(1))) / d)
            E = I * math.cos(th) / d ** 2 * math.cos(math.radians(1))
            t = math.degrees(th)
            lv += E * (10 / t ** 3 + 5 / t ** 2 * f1) if t <= 1.5 else 9.86 * E / t ** 2 * f2
        best = max(best, 65 * lv / (Lm / mf) ** 0.8)
    return best


def run(case):
    T = load(case['table'])
    W, n, S, H = case['W'], case['lanes'], case['S'], case['H']
    pls = poles(case['disp'], H, S, W)
    nlong = 10 if S <= case['intermax'] else math.ceil(S / case['step2'])
    ntr = n * case['pts']
    xs = [(S / (2 * nlong)) * case['en'] + (S / nlong) * i for i in range(nlong)]
    ys = [W / (2 * ntr) + (W / ntr) * j for j in range(ntr)]
    lanes = [W * (2 * k - 1) / (2 * n) for k in range(1, n + 1)]
    # quick estimate: pole at x = 0, first row, observer of lane 2 (or UNI)
    so = (-60, W / 4) if case['uni'] else (-60, lanes[1] if n > 1 else 0)
    p0 = [p for p in pls if p[0] == 0][:1]
    stima = max(lum(case, T, xs[0], y, so[0], so[1], p0) for y in ys)
    ul = []
    for k in range(n):
        axis = [lum(case, T, x, lanes[k], -60, lanes[k], pls) for x in xs]
        ul.append(min(100, min(axis)) / max(0.01, max(axis)))
    observers = [(-60, W / 4)] if case['uni'] else [(-60, y) for y in lanes]
    lm, uo = [], []
    for (xo, yo) in observers:
        vals = [lum(case, T, x, y, xo, yo, pls) for x in xs for y in ys]
        m = sum(vals) / len(vals)
        lm.append(m)
        uo.append(min(100, min(vals)) / m)
    Lm = min(lm)
    TI = max(ti(case, y, Lm, nlong) for y in lanes)
    print(case['name'])
    for k, v in [('StimaRapida', stima), ('Ul', min(ul)), ('Lm', Lm), ('Uo', min(uo)), ('TI', TI)]:
        print(f'  {k} = {v:.15g}')
    print('  LmOss =', ', '.join(f'{v:.15g}' for v in lm))
    print('  UoOss =', ', '.join(f'{v:.15g}' for v in uo))
    print('  UlOss =', ', '.join(f'{v:.15g}' for v in ul))


CASES = [
    dict(name='one side left, EN grid, R3', disp=1, W=7, lanes=2, table='R3', mf=0.8, H=8, s=1, S=24, I=1000,
         en=1, pts=3, intermax=30, step2=3, uni=False),
    dict(name='opposite, UNI grid and observer, C2', disp=6, W=10, lanes=3, table='C2', mf=0.7, H=10, s=-0.5, S=62,
         I=2500, en=0, pts=5, intermax=50, step2=5, uni=True),
]

if __name__ == '__main__':
    for c in CASES:
        run(c)
