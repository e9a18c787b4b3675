#!/usr/bin/env python3
"""Reference figures of a winding, computed straight from the formulas in the
README's design section, independently of the C++ code. Prints one table row
per case for tests/design/design_figures_test.cpp.

Core fields are copied from src/catalogue/catalogue_tables.cpp (size table:
coated OD, ID, height in mm, path length in cm; AL table in nH/turn²) and the
KTB 060 curve from src/engine/bias_curves.cpp.

Rounding follows the engine step by step. A figure the engine keeps in single
precision (field strength, curve lookup, inductance, wire diameter) is formed
in double from its single-precision inputs and rounded to single once, where
the engine rounds it (f32 below):
- field strength: n x 1.25664 x I / path length, left to right, then f32;
- curve lookup: (H - H1) x (P1 - P2) / (H1 - H2) + P1, then f32;
- inductance of one core: n x AL x n x percent, left to right, then / 100000,
  then f32 (at 0 A: n x AL x n / 1000, then f32); the stack's is that single
  times the stack, rounded to single (a single-precision product);
- bare diameter: I / 8 in single, 2 x sqrt(area / 3.1416) in double, then f32;
  overall diameter: f32(bare x 0.045 + 0.007), plus the bare one in single.
Everything after that is double throughout. Python floats are doubles and its
arithmetic is IEEE with the same order of operations, so every figure should
come out to the last bit.
"""
import math
import struct


def f32(x):
    return struct.unpack('f', struct.pack('f', x))[0]


# part: (coated OD, coated ID, coated height, path length, AL, curve or None)
KTB060_H = [1000, 500, 400, 360, 300, 260, 250, 220, 200, 180, 170, 160, 155, 150, 145, 140, 120,
            115, 110, 100, 96, 90, 85, 80, 75, 70, 66, 62, 60, 58, 55, 50, 56, 40, 35, 30, 26, 25,
            20, 16, 15, 10, 7, 4, 2]
KTB060_P = [5.0, 7.5, 8.0, 10.0, 12.5, 15.0, 17.5, 20.0, 22.5, 25.0, 27.5, 30.0, 32.5, 35.0, 37.5,
            40.0, 42.5, 45.0, 47.5, 50.0, 52.5, 55.0, 57.5, 60.0, 62.5, 65.0, 67.5, 70.0, 71.0,
            72.5, 75.0, 77.5, 80.0, 82.5, 85.0, 87.5, 90.0, 91.0, 92.5, 95.0, 94.0, 96.0, 97.5,
            98.0, 99.0]
CORES = {
    'KTB130060': (33.83, 19.3, 11.61, 8.15, 61, (KTB060_H, KTB060_P)),
    'KTB014060': (3.76, 1.52, 1.73, 0.817, 13, (KTB060_H, KTB060_P)),
    'KRA037125': (10.29, 4.27, 3.81, 2.18, 53, None),  # no KRA 125 curve
}

R20 = [0.050, 0.056, 0.063, 0.071, 0.080, 0.090, 0.100, 0.112, 0.125, 0.140, 0.160, 0.180, 0.200,
       0.224, 0.250, 0.280, 0.315, 0.355, 0.400, 0.450, 0.500, 0.560, 0.630, 0.710, 0.800, 0.900,
       1.00, 1.12, 1.25, 1.40, 1.60, 1.80, 2.00, 2.24, 2.50, 2.80, 3.15, 3.55, 4.00, 4.50, 5.00]


def percent_at(curve, h):
    hs, ps = curve
    for i in range(45):
        if h == f32(hs[i]) or h >= 1000:
            return f32(ps[i])
        if h > f32(hs[i]) or i == 44:
            h1, h2, p1, p2 = f32(hs[i - 1]), f32(hs[i]), f32(ps[i - 1]), f32(ps[i])
            return f32((h - h1) * (p1 - p2) / (h1 - h2) + p1)


def inductance_uh(t, al, pct):
    """One core's inductance in µH: the products in double, one rounding."""
    return f32(t * al * t * pct / 100000.0)


def zero_bias_uh(t, al):
    return f32(t * al * t / 1000.0)


def id_sq(part):
    id_ = f32(CORES[part][1])
    return id_ * id_


def figures(part, n, i, k):
    od, id_, height, path, al, curve = CORES[part]
    od, id_, height, path, al, i = (f32(v) for v in (od, id_, height, path, al, i))
    h = f32(n * 1.25664 * i / path)
    pct = percent_at(curve, h) if curve else 0.0
    t = float(n)
    ind = f32(inductance_uh(t, al, pct) * f32(k))
    db = f32(2.0 * math.sqrt(f32(i / f32(8.0)) / 3.1416))
    do = f32(f32(db * 0.045 + 0.007) + db)
    r = {'inductance': ind, 'inductanceZeroBias': f32(zero_bias_uh(t, al) * f32(k)),
         'percentPermeability': pct, 'fieldStrength': h,
         'energy': 0.5 * ind * (i * i), 'bareDiameter': db, 'overallDiameter': do,
         'windowFill': n * (do * do) / (id_ * id_),
         'ampereTurnsPerMetre': n * i / (path / 100)}
    r['standardWire'] = next((s for s in R20 if s >= db), None)
    gauges = [g for g in range(41) if 0.127 * 92 ** ((36 - g) / 39) >= db]
    r['awg'] = max(gauges) if gauges else None
    placed, j, left = [], 1, n
    while left > 0:
        rj = id_ / 2 - (j - 0.5) * do
        if rj < do / 2:
            break
        take = min(left, math.floor(math.pi / math.asin(do / (2 * rj))))
        placed.append(take)
        left -= take
        j += 1
    r['turnsPerLayer'] = placed
    # Roll-off point 10 of 50: 10 x 2I / 50, rounded to single as the calculator takes it.
    i10 = f32(10 * (2.0 * i) / 50)
    h10 = f32(n * 1.25664 * i10 / path)
    p10 = percent_at(curve, h10) if curve else 0.0
    r['rolloff10'] = (i10, f32(inductance_uh(t, al, p10) * f32(k)), p10)
    if left > 0:
        r['layers'] = None
        return r
    layers = len(placed)
    hs = k * height
    mlt = [(od - id_) + 2 * hs + 2 * math.pi * (jj - 0.5) * do for jj in range(1, layers + 1)]
    r['layers'] = layers
    r['meanTurnLength'] = mlt[0]
    r['wireLength'] = sum(t * m for t, m in zip(placed, mlt)) / 1000
    area = math.pi * (db * db) / 4
    for temp in (20, 100):
        rho = 0.017241 * (1 + 0.00393 * (temp - 20))
        r['resistance%d' % temp] = rho * r['wireLength'] / area
        r['copperLoss%d' % temp] = i * i * r['resistance%d' % temp]
    wod = od + 2 * layers * do
    wid = max(0.0, id_ - 2 * layers * do)
    wh = hs + 2 * layers * do
    r['woundOD'], r['woundID'], r['woundHeight'] = wod, wid, wh
    r['surfaceArea'] = (math.pi * wod * wh + math.pi * wid * wh + 2 * math.pi / 4 * (wod * wod - wid * wid)) / 100
    r['temperatureRise'] = (r['copperLoss100'] * 1000 / r['surfaceArea']) ** 0.833
    r['woundVolume'] = math.pi / 4 * (wod * wod) * wh / 1000
    return r


CASES = [
    ('workedExample', 'KTB130060', 50, 5.0, 2),
    ('threeLayers', 'KTB130060', 200, 2.0, 1),
    ('doesNotFit', 'KTB014060', 60, 1.0, 1),
    ('noCurveThinWire', 'KRA037125', 40, 0.01, 3),
    ('thickWireNoStandard', 'KTB130060', 3, 200.0, 1),
    ('beyondAwg0', 'KTB130060', 1, 500.0, 1),
    # n x AL x n = 60 878 061 needs 26 bits: a product taken in single loses its last ones.
    ('manyTurns', 'KTB130060', 999, 0.1, 1),
]

WOUND = ['meanTurnLength', 'wireLength', 'resistance20', 'resistance100', 'copperLoss20', 'copperLoss100',
         'woundOD', 'woundID', 'woundHeight', 'surfaceArea', 'temperatureRise', 'woundVolume']


def cpp(v):
    if v is None:
        return 'std::nullopt'
    if isinstance(v, bool):
        return 'true' if v else 'false'
    return repr(v)


if __name__ == '__main__':
    # Rows of kReferenceCases in design_figures_test.cpp.
    for name, part, n, i, k in CASES:
        r = figures(part, n, i, k)
        wound = 'std::nullopt' if r['layers'] is None else \
            'Wound{' + ', '.join(repr(r[key]) for key in WOUND) + '}'
        print('    {"%s", "%s", %d, %rf, %d,' % (name, part, n, i, k))
        print('     %s, %s, %s, %s, %s, %s,' % tuple(repr(r[key]) for key in
                                                 ('inductance', 'inductanceZeroBias', 'fieldStrength',
                                                  'percentPermeability', 'energy', 'ampereTurnsPerMetre')))
        print('     %s, %s, %s, %s, {%s},' % (cpp(r['standardWire']), cpp(r['awg']), repr(r['windowFill']),
                                          cpp(id_sq(part) * 0.55 / (r['overallDiameter'] * r['overallDiameter']) > n),
                                          ', '.join(str(t) for t in r['turnsPerLayer'])))
        print('     {%rf, %rf, %rf},' % r['rolloff10'])
        print('     %s},' % wound)
