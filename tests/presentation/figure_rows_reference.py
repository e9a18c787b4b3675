#!/usr/bin/env python3
"""The design window's figure texts for the cases of design_reference.py,
rounded as the window shows them: a fixed number of decimals, exact halves of
the binary value away from zero. Prints the rows of kFigureTextCases in
tests/presentation/figure_rows_test.cpp.

The inductances are taken as the calculator takes them: turns x AL x turns x
percent in double, rounded to single once, then times the stack in single.
"""
import math
import os
import sys
from decimal import Decimal, ROUND_HALF_UP

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', 'design'))
from design_reference import CORES, f32, figures, percent_at
from flux_reference import flux_density


def fixed(v, decimals, scale=1):
    if v is None:
        return '—'
    q = Decimal(v) * scale if scale != 1 else Decimal(v)
    s = str(q.quantize(Decimal(1).scaleb(-decimals), rounding=ROUND_HALF_UP))
    return s[1:] if s.startswith('-') and set(s[1:]) <= set('0.') else s


FAMILY = {'KTA': '高磁通', 'KTB': '铁硅铝', 'KRA': '铁硅'}
SATURATION = {'KTA': 1.5, 'KTB': 1.0, 'KRA': 1.6}


def texts(part, n, i, k):
    """The rows in the window's order: inductance and field (with what a ripple
    would add, here none), winding, losses and temperature, wound size. Without
    a curve the figures that need the inductance at a current are undefined."""
    r = figures(part, n, i, k)
    od, id_, height, path, al, curve = CORES[part]
    al, i32, path = f32(al), f32(i), f32(path)
    h = f32(n * 1.25664 * i32 / path)
    pct = percent_at(curve, h) if curve else 0.0
    ind = f32(f32(n * al * n * pct / 100000.0) * f32(k))
    zero = f32(f32(n * al * n / 1000.0) * f32(k))
    energy = 0.5 * ind * (i32 * i32)
    std = r['standardWire']
    ae = al * path / (4 * math.pi * int(part[-3:]))
    fits = r['layers'] is not None
    # Flux density off the curve at the current (no ripple: the peak is the current).
    b = flux_density(curve, int(part[-3:]), h) if curve else None
    # DC alone: no ripple, no core loss, no AC copper loss, no skin depth.
    inductance_and_field = [
        fixed(ind, 3), fixed(zero, 3), fixed(r['fieldStrength'], 2), fixed(r['ampereTurnsPerMetre'], 0),
        fixed(pct, 2), fixed(energy, 1),
        fixed(0.0, 3), fixed(i32, 3), fixed(ind, 3), fixed(ae, 3), fixed(k * ae * path, 2), fixed(0.0, 1),
        fixed(b, 3), fixed(SATURATION[part[:3]], 2), fixed(b and b / SATURATION[part[:3]], 3),
        fixed(curve and pct, 2), fixed(curve and ind * (1 - 8.0 / 100), 3), '—',
    ]
    winding = [
        fixed(r['bareDiameter'], 3), fixed(r['overallDiameter'], 3),
        '—' if std is None else repr(std).rstrip('0').rstrip('.') if '.' in repr(std) else repr(std),
        '—' if r['awg'] is None else str(r['awg']),
        fixed(r['windowFill'] * 100, 1),
        '是' if f32(id_) ** 2 * 0.55 / (r['overallDiameter'] ** 2) > n else '否',
        ' / '.join(str(t) for t in r['turnsPerLayer']) or '—',
        '—' if r['layers'] is None else str(r['layers']),
        fixed(r.get('meanTurnLength'), 2), fixed(r.get('wireLength'), 3),
    ]
    losses = [
        fixed(r.get('resistance20'), 2, 1000), fixed(r.get('resistance100'), 2, 1000),
        fixed(r.get('copperLoss20'), 3), fixed(r.get('copperLoss100'), 3),
        fixed(r.get('temperatureRise'), 1),
        fixed(0.0, 1), fixed(0.0, 3), '—', '—', fixed(0.0 if fits else None, 3),
        fixed(r.get('copperLoss100'), 3), fixed(r.get('temperatureRise'), 1),
        '%s %sμ 拟合' % (FAMILY[part[:3]], int(part[-3:])),
    ]
    wound = [fixed(r.get('woundOD'), 2), fixed(r.get('woundID'), 2), fixed(r.get('woundHeight'), 2),
             fixed(r.get('surfaceArea'), 2), fixed(r.get('woundVolume'), 2)]
    return inductance_and_field + winding + losses + wound


CASES = [
    ('workedExample', 'KTB130060', 50, 5.0, 2),
    ('doesNotFit', 'KTB014060', 60, 1.0, 1),
    ('noCurveThinWire', 'KRA037125', 40, 0.01, 3),
]

if __name__ == '__main__':
    for name, part, n, i, k in CASES:
        t = texts(part, n, i, k)
        print('    {"%s", "%s", %d, %rf, %d,' % (name, part, n, i, k))
        print('     {' + ', '.join('"%s"' % s for s in t) + '}},')
