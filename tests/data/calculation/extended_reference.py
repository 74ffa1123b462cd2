#!/usr/bin/env python3
"""Reference figures for tests/calculation/tst_ExtendedCalculation.cpp, worked independently of the
C++ code.

The condensation zone calculation written out plainly, the way one would do it by hand with a
pocket calculator and a table per pass: layer values, three passes with the moisture-dependent
conductivity, the exhaustive search over the plane combinations (each system solved by plain
Gaussian elimination with partial pivoting, not by the program's LU solver), the zone evaluation
with wet zone lengths and moisture contents, the time before accumulation, the time constant, the
time factor and the drying in the evaporation period.

Besides some hand-picked constructions it works 40 random condensing ones of up to 8 layers (a
fixed seed, half of them with layers that take up no water). The search's accepted set and its
number of trials over the three passes must match too, so these check the order of the search and
every acceptance decision of the program's fast plane search. Constructions where a decision lies
so close to its limit that rounding could tip it are skipped.

Climate of DIN 4108-3 (2014 to 2024): inside 20 C / 50 % / Rsi 0.25, outside -5 C / 80 % / Rse
0.04, 90 days each; summer 1700 Pa saturation and 1200 Pa on both sides (the summer temperature
follows from the inverse power formula). Some hand-picked constructions also run with a summer of
20 C / 50 % inside and 15 C / 70 % outside: only then do the summer temperatures differ through the
construction, so only then does it matter at which interface the drying takes the saturation
pressure.

Run: python3 extended_reference.py   (prints the tables and writes extended_reference.json, the
figures as printed, which the tests read and compare to the printed digits).
"""
import json
import math
import os
import random

DAY = 86400.0


def psat(t):
    if t >= 0:
        return 288.68 * (1.098 + t / 100) ** 8.02
    return 4.689 * (1.486 + t / 100) ** 12.3


def temp_of_psat(p):
    if p >= 611:
        return 49.342 * p ** (1 / 8.02) - 109.8
    return 88.196 * p ** (1 / 12.3) - 148.6


TS = temp_of_psat(1700)
CLIMATE = dict(Ti=20, phii=50, Rsi=0.25, Te=-5, phie=80, Rse=0.04, tT=90 * DAY, tev=90 * DAY,
               Tis=TS, phiis=1200 / 1700 * 100, Tes=TS, phies=1200 / 1700 * 100)
CLIMATES = {'DIN 4108-3 2014': CLIMATE,
            'summer 20 C / 50 % inside, 15 C / 70 % outside': dict(CLIMATE, Tis=20, phiis=50, Tes=15, phies=70)}

# name: lambda, mu, w80, wsat, Aw  (the materials of the test helper header)
MATERIALS = {
    'gypsum board': (0.25, 4, 0.007, 0.35, 0.13),
    'lime plaster': (1.0, 15, 0.01, 0.28, 0.06),
    'lime cement render': (1.0, 35, 0.015, 0.25, 0.035),
    'historic brick': (0.68, 10, 0.0095, 0.37, 0.4),
    'calcium silicate board': (0.065, 3, 0.02, 0.79, 1.1),
    'mineral wool': (0.035, 1, 0.0005, 0.9, 0.0005),
    'OSB': (0.13, 200, 0.072, 0.6, 0.002),
    'bitumen membrane': (0.23, 50000, 0.0001, 0.001, 0.0),
    'solid brick': (0.81, 10, 0.006, 0.24, 0.2),
    'reinforced concrete': (2.3, 130, 0.055, 0.13, 0.015),
    'wood fibre board': (0.045, 5, 0.02, 0.5, 0.003),
    'EPS': (0.035, 100, 0.0005, 0.05, 0.0005),
    'spruce': (0.12, 50, 0.072, 0.55, 0.002),
    'XPS': (0.035, 150, 0.0005, 0.05, 0.0),
    'PE foil': (0.33, 500000, 0.0001, 0.001, 0.0),
    'EPS without water uptake': (0.035, 100, 0.0005, 0.05, 0.0),
}
# The materials the random constructions are drawn from (the list the published figures were made with).
RANDOM_MATERIALS = list(MATERIALS)[:15]

# Set when a decision of the search lies so close to its limit (or a system so close to singular)
# that rounding could tip it: such constructions make no reliable reference.
NEAR = [False]


def gauss_solve(A, b):
    n = len(b)
    M = [row[:] + [b[i]] for i, row in enumerate(A)]
    for c in range(n):
        p = max(range(c, n), key=lambda r: abs(M[r][c]))
        if abs(M[p][c]) < 1e-300:
            return None
        M[c], M[p] = M[p], M[c]
        for r in range(c + 1, n):
            f = M[r][c] / M[c][c]
            for j in range(c, n + 1):
                M[r][j] -= f * M[c][j]
    x = [0.0] * n
    for r in range(n - 1, -1, -1):
        x[r] = (M[r][n] - sum(M[r][j] * x[j] for j in range(r + 1, n))) / M[r][r]
    # a singular system shows up as a residual that is not small
    for i in range(n):
        ax = sum(A[i][j] * x[j] for j in range(n))
        if abs(ax - b[i]) > 1e-9 * max(abs(b[i]), 1e-30):
            return None
    return x


def calculate(layers, climate=CLIMATE):
    n = len(layers)
    d = [w for _, w in layers]
    lam = [MATERIALS[m][0] for m, _ in layers]
    mu = [MATERIALS[m][1] for m, _ in layers]
    w95 = [MATERIALS[m][2] * 95 / 80 for m, _ in layers]
    wsat = [MATERIALS[m][3] for m, _ in layers]
    Aw = [MATERIALS[m][4] for m, _ in layers]
    K = [Aw[i] ** 2 * 5e-8 / (wsat[i] - w95[i]) ** 3 for i in range(n)]
    Z = [mu[i] * d[i] * 5.4e9 for i in range(n)]
    L = [d[i] / K[i] / 1000 if K[i] > 0 else math.inf for i in range(n)]
    r = [0.0] + [(wsat[k - 1] - w95[k - 1]) / (wsat[k] - w95[k]) for k in range(1, n)] + [0.0]
    c = climate
    pv_in = psat(c['Ti']) * c['phii'] / 100
    pv_out = psat(c['Te']) * c['phie'] / 100

    def liq(i, rr=1.0):  # Z_i / (2 L_i r^2); nothing for a layer without capillary uptake
        return 0.0 if math.isinf(L[i]) else Z[i] / (2 * L[i] * rr * rr)

    sk = [0.0] * n
    wl = [0.0] * n
    wr = [0.0] * n
    remembered = None
    out = {}
    for p in (1, 2, 3):
        R = []
        for i in range(n):
            l = sk[i]
            if l == 0:
                R.append(d[i] / lam[i])
            elif l == d[i]:
                R.append(d[i] / (0.55 * 0.5 * (wl[i] + wr[i]) + lam[i]))
            else:
                wp = wl[i] if wl[i] > w95[i] else wr[i]
                R.append(l / (0.55 * 0.5 * (w95[i] + wp) + lam[i]) + (d[i] - l) / lam[i])
        Rtot = c['Rsi'] + sum(R) + c['Rse']
        q = (c['Ti'] - c['Te']) / Rtot
        T = [c['Ti'] - q * (c['Rsi'] + sum(R[:k])) for k in range(n + 1)]
        ps = [psat(t) for t in T]
        g = (pv_in - pv_out) / sum(Z)
        pv = [pv_in - g * sum(Z[:k]) for k in range(n)] + [pv_out]
        out.update(U=1 / Rtot, T=T, psat=ps, R=R)
        if ps[0] < pv[0]:
            return dict(out, calcState=4)
        if ps[n] < pv[n]:
            return dict(out, calcState=5)
        wl = [pv[i] / ps[i] * w95[i] for i in range(n)]
        wr = [pv[i + 1] / ps[i + 1] * w95[i] for i in range(n)]
        if not any(ps[k] < pv[k] for k in range(1, n)):
            if p == 1:
                continue
            return dict(out, calcState=7, pv=pv, wl=wl, wr=wr)

        # exhaustive search: remembered first, then 1, 2, ...
        def trial(m):
            planes = [j for j in range(1, n) if m >> (j - 1) & 1]
            k = len(planes)
            A = [[0.0] * (k + 1) for _ in range(k + 1)]
            b = [0.0] * (k + 1)
            for qi, j in enumerate(planes, start=1):
                A[qi - 1][0] = sum(Z[:j])
                b[qi - 1] = pv_in - ps[j]
                for rho in range(qi - 1, k + 1):
                    A[rho][qi] += liq(j - 1)
                for rho in range(qi, k + 1):
                    A[rho][qi] -= liq(j, r[j])
            A[k][0] = sum(Z)
            b[k] = pv_in - pv_out
            x = gauss_solve(A, b)
            if x is None:
                NEAR[0] = True
                return None
            if any(abs(v) < 1e-6 * max(abs(t) for t in x[1:]) for v in x[1:]):
                NEAR[0] = True
            if any(v < 0 for v in x[1:]):
                return None
            pn = [pv[0]]
            for i in range(n):
                v = pn[i] - x[0] * Z[i]
                if i in planes:
                    v += x[planes.index(i) + 1] * liq(i, r[i])
                if i + 1 in planes:
                    v -= x[planes.index(i + 1) + 1] * liq(i)
                pn.append(v)
            if abs(abs(pn[n] - pv[n]) - 0.001) < 1e-4 or any(
                    abs(ps[j] - pn[j]) < 1e-6 * ps[j] for j in range(1, n) if j not in planes):
                NEAR[0] = True
            if abs(pn[n] - pv[n]) > 0.001:
                return None
            if any(ps[j] - pn[j] < -1e-8 for j in range(1, n) if j not in planes):
                return None
            return planes, x, pn

        found = None
        order = ([remembered] if remembered else []) + list(range(1, 2 ** (n - 1)))
        for trials, m in enumerate(order, start=1):
            found = trial(m)
            if found:
                mask = m
                break
        if found is None:
            return dict(out, calcState=2)
        planes, x, pv = found
        out['trials_pass%d' % p] = trials
        remembered = mask
        wl = [pv[i] / ps[i] * w95[i] for i in range(n)]
        wr = [pv[i + 1] / ps[i + 1] * w95[i] for i in range(n)]
        zones = []
        for j in planes:
            if zones and zones[-1][1] == j - 1:
                zones[-1][1] = j
            else:
                zones.append([j - 1, j])
        x0 = x[0]
        s_of = {j: math.sqrt(x[i + 1]) for i, j in enumerate(planes)}  # by interface
        sk = [0.0] * n
        mc = [0.0] * n
        for a, bb in zones:
            if K[a] > 0:
                sk[a] = d[a] * (x0 - (pv[a] - ps[a + 1]) / Z[a]) / (x0 - (ps[a] - ps[a + 1]) / Z[a])
            if K[bb] > 0:
                sk[bb] = d[bb] * (x0 * Z[bb] - (ps[bb] - pv[bb + 1])) / (x0 * Z[bb] - (ps[bb] - ps[bb + 1]))
            for u in range(a, bb):
                wr[u] = w95[u] + s_of[u + 1]
                wl[u + 1] = s_of[u + 1] / r[u + 1] + w95[u + 1]
            for u in range(a + 1, bb):
                sk[u] = d[u]
                dl, dr = wl[u] - w95[u], wr[u] - w95[u]
                mc[u] = 2000 / 3 * d[u] * (dl ** 3 - dr ** 3) / (dl ** 2 - dr ** 2)
            mc[a] = (wr[a] - w95[a]) * 2000 / 3 * sk[a]
            mc[bb] = (wl[bb] - w95[bb]) * 2000 / 3 * sk[bb]
        mc0 = sum(mc)
        a, bb = zones[0][0], zones[-1][1]
        Zl = sum(Z[:a + 1])
        Zr = sum(Z[bb:])
        gin = (pv[0] - ps[a + 1]) / Zl
        gout = (ps[bb] - pv[n]) / Zr
        phi = [0.0] * (n + 1)
        for k in range(1, n):
            if k <= a:
                phi[k] = sum(Z[:k]) / Zl * ps[a + 1] / ps[k]
            elif k <= bb:
                phi[k] = 1.0
            else:
                phi[k] = sum(Z[k:]) / Zr * ps[bb] / ps[k]
        H = sum(d[i] * w95[i] * (phi[i] + phi[i + 1]) / 2 for i in range(n))
        thyg = 1000 * 0.02 * H / (gin - gout)
        tau = 3 * mc0 / (gin - gout)
        X = -3 * (c['tT'] - thyg) / tau
        f = 1 - math.exp(X) if X <= 700 else 0
        if f <= 0:
            f = 1e-17
        s = math.sqrt(f)
        for a_, b_ in zones:
            rho = {u: (wsat[u] - w95[u]) / (wsat[u + 1] - w95[u + 1]) for u in range(a_, b_)}
            Min = sum(mc[a_ + 1:b_])
            Mall = sum(mc[a_:b_ + 1])
            kappa = s if Min == 0 else Mall * f / ((mc[a_] + mc[b_]) * s + Min)
            sk[a_] *= s
            sk[b_] *= s
            wl[b_] = (wr[b_ - 1] - w95[b_ - 1]) / rho[b_ - 1] * kappa + w95[b_]
            for u in range(a_ + 1, b_):
                wl[u] = (wr[u - 1] - w95[u - 1]) / rho[u - 1] * kappa + w95[u]
            for u in range(a_ + 1, b_):
                wr[u] = (wr[u] - w95[u]) * kappa + w95[u]
            wr[a_] = (wr[a_] - w95[a_]) * kappa + w95[a_]
            mc[a_] *= s * kappa
            mc[b_] *= s * kappa
            for u in range(a_ + 1, b_):
                mc[u] *= kappa
        mcsum = sum(mc)
        # drying, first zone's first layer
        a = zones[0][0]
        qs = (c['Tis'] - c['Tes']) / Rtot
        Ts = c['Tis'] - qs * (c['Rsi'] + sum(R[:a + 1]))
        pss = psat(Ts)
        pvis = psat(c['Tis']) * c['phiis'] / 100
        pves = psat(c['Tes']) * c['phies'] / 100
        Zl = sum(Z[:a + 1])
        Zr = sum(Z[a + 1:])
        gev = (pss - pves) / Zr + (pss - pvis) / Zl
        out.update(zones=[tuple(z) for z in zones], mask=mask, x=x, pv=pv, sk=sk[:], mc_layers=mc[:], wl=wl[:],
                   wr=wr[:], mc0=mc0, mc=mcsum, thyg=thyg, tau=tau, f=f, mev=c['tev'] * gev, tdry=mcsum / gev)
    nz = len(out['zones'])
    state = 11 if nz > 1 else (9 if out['zones'][0][1] == out['zones'][0][0] + 1 else 10)
    return dict(out, calcState=state)


TIMBER_FRAME = [('gypsum board', 0.0125), ('mineral wool', 0.2), ('OSB', 0.015)]
INTERIOR_INSULATION = [('lime plaster', 0.01), ('calcium silicate board', 0.06), ('lime plaster', 0.015),
                       ('historic brick', 0.365), ('lime cement render', 0.02)]
# Planes on both sides of the EPS: it lies inside the zone and is wet throughout although it takes
# up no water from a single plane.
ACROSS_EPS = [('lime plaster', 0.015), ('wood fibre board', 0.1), ('EPS without water uptake', 0.06),
              ('OSB', 0.015)]
SUMMER = 'summer 20 C / 50 % inside, 15 C / 70 % outside'
CASES = {
    'one plane: gypsum board | mineral wool 200 mm | OSB 15 mm': TIMBER_FRAME,
    'one zone of two planes: interior insulation of a historic brick wall': INTERIOR_INSULATION,
    'bitumen membrane on the cold side of the plane (no capillary uptake)':
        [('gypsum board', 0.0125), ('mineral wool', 0.2), ('bitumen membrane', 0.004)],
    'zone across EPS without water uptake: lime plaster | wood fibre | EPS | OSB': ACROSS_EPS,
    'one plane, warmer summer inside than outside': (TIMBER_FRAME, SUMMER),
    'one zone, warmer summer inside than outside': (INTERIOR_INSULATION, SUMMER),
    'zone across EPS, warmer summer inside than outside': (ACROSS_EPS, SUMMER),
}

def random_cases(count, seed):
    """Condensing constructions of 2 to 8 random layers (with and without layers that take up no
    water) whose every search decision lies clear of its limit."""
    rng = random.Random(seed)
    names = RANDOM_MATERIALS
    cases = {}
    while len(cases) < count:
        layers = []
        for _ in range(rng.randint(2, 8)):
            m = rng.choice(names)
            f = rng.randrange(1000) / 1000
            layers.append((m, round(0.0002 + 0.004 * f if MATERIALS[m][1] > 10000 else 0.005 + 0.2 * f, 6)))
        NEAR[0] = False
        res = calculate(layers)
        values = res.get('sk', []) + res.get('mc_layers', [])
        if res['calcState'] >= 9 and not NEAR[0] and not any(0 < abs(v) < 1e-10 for v in values):
            cases['random %d: ' % len(cases) + ' | '.join(m for m, _ in layers)] = layers
    return cases


def printed(values, fmt='%.6g'):
    return [fmt % v for v in values]


if __name__ == '__main__':
    cases = []
    CASES.update(random_cases(40, 4108))
    for title, case in CASES.items():
        layers, climate = case if isinstance(case, tuple) else (case, 'DIN 4108-3 2014')
        res = calculate(layers, CLIMATES[climate])
        n = len(layers)
        cases.append({
            'name': title, 'climate': climate, 'layers': [[m, repr(d)] for m, d in layers],
            'calcState': res['calcState'],
            'zones': [list(z) for z in res['zones']], 'mask': res['mask'],
            'trials': sum(res.get('trials_pass%d' % p, 0) for p in (1, 2, 3)),
            'scalars': printed([res['U'], res['mc0'], res['mc'], res['thyg'] / DAY, res['tau'] / DAY, res['mev'],
                                res['tdry'] / DAY]),
            'sk': printed(res['sk']), 'mc_layers': printed(res['mc_layers']), 'w_left': printed(res['wl']),
            'w_right': printed(res['wr']), 'R_layers': printed(res['R']), 'pv': printed(res['pv'][:n], '%.3f')})
        print('=' * 70)
        print(title)
        print('calcState %d  zones %s  accepted mask %d  trials per pass %s' % (
            res['calcState'], res['zones'], res['mask'],
            [res.get('trials_pass%d' % p) for p in (1, 2, 3)]))
        print('U = %.6g W/m2K   x0 = %.6g kg/m2s   liquid fluxes %s' % (
            res['U'], res['x'][0], ['%.6g' % v for v in res['x'][1:]]))
        print('mc_0 = %.6g  mc = %.6g kg/m2   t_hyg = %.6g d   tau = %.6g d   f = %.6g' % (
            res['mc0'], res['mc'], res['thyg'] / DAY, res['tau'] / DAY, res['f']))
        print('mev = %.6g kg/m2   t_dry = %.6g d' % (res['mev'], res['tdry'] / DAY))
        print(' i     sk_Tavo [m]    mc_layers     w_left      w_right     T[i]      psat[i]     pv[i]')
        for i in range(len(layers)):
            print('%2d  %12.6g  %12.6g  %10.6g  %10.6g  %8.4f  %9.3f  %9.3f' % (
                i, res['sk'][i], res['mc_layers'][i], res['wl'][i], res['wr'][i], res['T'][i], res['psat'][i],
                res['pv'][i]))
    with open(os.path.join(os.path.dirname(os.path.abspath(__file__)), 'extended_reference.json'), 'w') as f:
        f.write('[\n' + ',\n'.join(json.dumps(c) for c in cases) + '\n]\n')
