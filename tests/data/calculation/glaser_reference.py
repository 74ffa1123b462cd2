#!/usr/bin/env python3
"""Reference figures for the Glaser tests, worked independently of the C++ code.

The classic hand method of DIN 4108-3, written out step by step the way a textbook table does
it: dry resistances, interface temperatures, saturation pressures (ISO 13788 exponential
formula for winter, the DIN power formula for summer), the diffusion diagram with the
sd-values on the abscissa, the real vapour pressure as the taut string (found here by the
graphical "steepest tangent" rule, one segment after the other), then the closed formulas for
one plane, one zone and two planes.

Run: python3 glaser_reference.py   (prints the tables that tests/calculation/tst_Calculation.cpp
quotes; the numbers there are copied from this output, rounded as a textbook prints them).
"""
import json
import math
import os

DAY = 86400.0


def psat_exp(t):
    if t >= 0:
        return 610.5 * math.exp(17.269 * t / (237.3 + t))
    return 610.5 * math.exp(21.875 * t / (265.5 + t))


def psat_pow(t):
    if t >= 0:
        return 288.68 * (1.098 + t / 100) ** 8.02
    return 4.689 * (1.486 + t / 100) ** 12.3


def temp_pow(p):
    if p >= 611:
        return 49.342 * p ** (1 / 8.02) - 109.8
    return 88.196 * p ** (1 / 12.3) - 148.6


def climate_2001():
    return dict(Ti=20, phii=50, Rsi=0.13, Te=-10, phie=80, Rse=0.04, tc=60 * DAY,
                Tis=12, phiis=70, Tes=12, phies=70, te=90 * DAY)


def climate_2014():
    ts = temp_pow(1700)
    rh = 1200 / 1700 * 100
    return dict(Ti=20, phii=50, Rsi=0.25, Te=-5, phie=80, Rse=0.04, tc=90 * DAY,
                Tis=ts, phiis=rh, Tes=ts, phies=rh, te=90 * DAY)


def taut_string(xs, ys):
    """Graphical tangent rule: from the current point draw the steepest line down to any later
    point; the first point it reaches is the next corner. Returns the indices of the corners
    and of points lying on a segment (to 1e-9 relative)."""
    on = {0}
    i = 0
    last = len(xs) - 1
    while i < last:
        best = None
        for j in range(i + 1, last + 1):
            s = (ys[j] - ys[i]) / (xs[j] - xs[i])
            if best is None or s < best - 1e-12 * abs(best):
                best, bj = s, j
        # every point on that line up to the corner touches the string too
        for j in range(i + 1, bj + 1):
            yline = ys[i] + best * (xs[j] - xs[i])
            if ys[j] - yline <= 1e-9 * max(abs(ys[j]), abs(yline)):
                on.add(j)
        i = bj
    return sorted(on)


def glaser(layers, c, name, climate_name):
    """layers: list of (d m, lambda W/mK, mu). Prints the hand calculation and returns the
    figures as printed (strings, so the number of digits travels with them)."""
    out = {'name': name, 'climate': climate_name,
           'layers': [[repr(d), repr(l), repr(mu)] for d, l, mu in layers]}
    n = len(layers)
    R = [d / l for d, l, mu in layers]
    sd = [d * mu for d, l, mu in layers]
    Z = [s / 2e-10 for s in sd]
    Rt = c['Rsi'] + sum(R) + c['Rse']
    q = (c['Ti'] - c['Te']) / Rt
    T = [c['Ti'] - q * (c['Rsi'] + sum(R[:k])) for k in range(n + 1)]
    ps = [psat_exp(t) for t in T]
    pin = psat_exp(c['Ti']) * c['phii'] / 100
    pout = psat_exp(c['Te']) * c['phie'] / 100
    X = [sum(Z[:k]) for k in range(n + 1)]
    pv = [pin - (pin - pout) * X[k] / X[n] for k in range(n + 1)]
    pv[n] = pout
    print('=' * 70)
    print(name)
    print('R = %.4f m2K/W, R_T = %.4f, q = %.3f W/m2' % (sum(R), Rt, q))
    print(' k      T [C]     psat [Pa]   pv line [Pa]  sum sd [m]')
    for k in range(n + 1):
        print('%2d %10.3f %12.3f %12.3f %10.4f' % (k, T[k], ps[k], pv[k], X[k] * 2e-10))
    print('pv_in = %.3f  pv_out = %.3f' % (pin, pout))
    out['T'] = ['%.3f' % t for t in T]
    out['psat'] = ['%.3f' % p for p in ps]
    out['pv'] = ['%.3f' % p for p in pv]
    out['planes'] = []
    out['mc'] = out['mev'] = out['tev_days'] = '0'
    if pv[0] >= ps[0]:
        print('case 4')
        out['case'] = 4
        return out
    if pv[n] >= ps[n]:
        print('case 5')
        out['case'] = 5
        return out
    if all(pv[k] < ps[k] for k in range(n + 1)):
        print('case 7')
        out['case'] = 7
        return out
    xs = X[:]
    ys = [pin] + ps[1:n] + [pout]
    planes = [k for k in taut_string(xs, ys) if 0 < k < n]
    out['planes'] = planes
    if not planes:
        print('case 7 (string does not touch)')
        out['case'] = 7
        return out
    runs = []
    for k in planes:
        if runs and runs[-1][1] == k - 1:
            runs[-1][1] = k
        else:
            runs.append([k, k])
    print('condensation interfaces', planes, 'runs', runs)
    k1, kl = planes[0], planes[-1]
    Zl, Zr = X[k1], X[n] - X[kl]
    tc = c['tc']
    pis = psat_pow(c['Tis']) * c['phiis'] / 100
    pes = psat_pow(c['Tes']) * c['phies'] / 100
    pss = psat_pow(c['Tis'])
    print('summer: ps = %.3f  pv_i = %.3f  pv_e = %.3f' % (pss, pis, pes))
    te = c['te']
    if len(planes) == 1:
        gi = (pin - ps[k1]) / Zl
        ge = (ps[k1] - pout) / Zr
        mc = tc * (gi - ge)
        gev = (pss - pis) / Zl + (pss - pes) / Zr
        mev = te * gev
        tev = mc / gev
        out['case'] = 9
        print('case 9: gi = %.4e  ge = %.4e kg/m2s' % (gi, ge))
    elif len(runs) == 1:
        gi = (pin - ps[k1]) / Zl
        ge = (ps[kl] - pout) / Zr
        mc = tc * (gi - ge)
        Zh = 0.5 * (X[kl] - X[k1])
        gev = (pss - pis) / (Zl + Zh) + (pss - pes) / (Zr + Zh)
        mev = te * gev
        tev = mc / gev
        out['case'] = 10
        print('case 10: gi = %.4e  ge = %.4e kg/m2s' % (gi, ge))
    elif len(planes) == 2:
        Zm = X[kl] - X[k1]
        g1 = (pin - ps[k1]) / Zl
        gm = (ps[k1] - ps[kl]) / Zm
        g2 = (ps[kl] - pout) / Zr
        mc1 = tc * (g1 - gm)
        mc2 = tc * (gm - g2)
        mc = mc1 + mc2
        gi = (pss - pis) / Zl
        ge = (pss - pes) / Zr
        t1 = mc1 / gi
        t2 = mc2 / ge
        if t2 > t1:
            gp = (pss - pis) / (Zm + Zl) + ge
            tev = (mc2 - t1 * ge) / gp + t1
            tf = t1
        else:
            gp = (pss - pes) / (Zm + Zr) + gi
            tev = (mc1 - t2 * gi) / gp + t2
            tf = t2
        mev = min(te, tf) * (gi + ge) + max(0.0, te - tf) * gp
        if tf > te:
            print('  (evaporating on past the period would give mev = %.4f kg/m2)'
                  % ((te - tf) * gp + tf * (gi + ge)))
        out['case'] = 11
        out['mc1'] = '%.4f' % mc1
        out['mc2'] = '%.4f' % mc2
        print('case 11: mc1 = %.4f  mc2 = %.4f kg/m2, t1 = %.2f d  t2 = %.2f d, g\' = %.4e'
              % (mc1, mc2, t1 / DAY, t2 / DAY, gp))
    else:
        print('case 3')
        out['case'] = 3
        return out
    print('mc = %.4f kg/m2   mev = %.4f kg/m2   tev = %.2f d' % (mc, mev, tev / DAY))
    out['mc'] = '%.4f' % mc
    out['mev'] = '%.4f' % mev
    out['tev_days'] = '%.2f' % (tev / DAY)
    return out


if __name__ == '__main__':
    gyp = (0.0125, 0.25, 8)          # gypsum board
    c01, c14 = climate_2001(), climate_2014()
    examples = []
    examples.append(glaser([gyp, (0.16, 0.04, 1), (0.015, 0.13, 200)], c01,
           'A: gypsum board | mineral wool | OSB, DIN 4108-3 2001 climate', '2001'))
    examples.append(glaser([(0.15, 0.035, 2), (0.05, 0.04, 2), (0.02, 0.13, 1000), (0.15, 0.035, 2)], c14,
           'B: the straight line crosses at 1 and 2, the string touches only 2; 2014 climate', '2014'))
    examples.append(glaser([gyp, (0.14, 0.04, 1), (0.06, 0.045, 5), (0.02, 0.8, 50)], c14,
           'C: gypsum | mineral wool | wood fibre board | render, 2014 climate (zone)', '2014'))
    examples.append(glaser([gyp, (0.10, 0.04, 1), (0.015, 0.13, 200), (0.10, 0.04, 1), (0.015, 0.13, 200)], c14,
           'D: two planes, warm-side plane dries first', '2014'))
    examples.append(glaser([gyp, (0.14, 0.04, 1), (0.015, 0.13, 200), (0.06, 0.04, 1), (0.015, 0.13, 200)], c14,
           'E: two planes, cold-side plane dries first', '2014'))
    examples.append(glaser([gyp, (0.16, 0.04, 1), (0.015, 0.13, 200), (0.04, 0.04, 1), (0.015, 0.13, 800)], c14,
           'F: two planes, neither dry after 90 d, t2 > t1', '2014'))
    examples.append(glaser([gyp, (0.17, 0.04, 1), (0.015, 0.13, 200), (0.03, 0.04, 1), (0.015, 0.13, 800)], c14,
           'G: two planes, neither dry after 90 d, t2 <= t1', '2014'))
    examples.append(glaser([gyp, (0.10, 0.04, 1), (0.015, 0.13, 200), (0.10, 0.04, 1), (0.008, 0.35, 50)], c14,
           'H: the straight line crosses at 2 and 4, the string touches only 2', '2014'))
    examples.append(glaser([gyp, (0.08, 0.04, 1), (0.015, 0.13, 100), (0.04, 0.04, 1), (0.015, 0.13, 800),
            (0.04, 0.04, 1), (0.015, 0.13, 800)], c14, 'I: three separate planes', '2014'))
    examples.append(glaser([(0.015, 0.7, 10), (0.175, 0.99, 25), (0.12, 0.035, 60), (0.01, 0.87, 20)], c01,
           'J: plaster | sand-lime brick | EPS | render, DIN 4108-3 2001 climate', '2001'))
    with open(os.path.join(os.path.dirname(os.path.abspath(__file__)), 'glaser_reference.json'), 'w') as f:
        f.write('[\n' + ',\n'.join(json.dumps(e) for e in examples) + '\n]\n')
