#!/usr/bin/env python3
"""Reference figures of the flux density a bias curve gives, computed from
their definitions independently of the C++ code. Prints the rows of
kFluxCases in tests/design/flux_density_test.cpp.

  B = 1e-4 x mu_i x (integral from 0 to H of p(H) dH) / 100   T
      (CGS: B in gauss = mu_i x integral of p/100 dH in oersted, 1 G = 1e-4 T)
  p: the curve's points joined in the table's order by straight lines, each
     segment's share an exact trapezoid, signed by the direction it runs in;
     below the lowest point the line through the two lowest points; above the
     top point (1000 Oe) the top point's percentage.
  H at the peak current I + dI/2 (or I without ripple) as the engine rounds
  it: f32(n x 1.25664 x f32(Ipk) / path length).
  percent at the peak: the curve lookup of design_reference.py at that H.
  ratio = B / saturation (KTA 1.5 T, KTB 1.0 T, KRA 1.6 T)
  Lmin = L x (1 - 8 / 100); with volt-seconds, rippleMax = lambda / Lmin.

Curve points are copied from src/engine/bias_curves.cpp (KTB 160 here; KTA 060
and KRA 090 in ac_reference.py; KTB 060 in design_reference.py), core fields
from src/catalogue/catalogue_tables.cpp.
"""
from design_reference import CORES, KTB060_H, KTB060_P, f32, figures, percent_at

KTB160_H = [1000, 300, 250, 170, 150, 145, 140, 125, 105, 100, 92, 83, 80, 75, 70, 64, 60, 56, 54, 52, 49,
            45, 43, 41, 38, 35, 33, 30, 28, 26, 25, 23, 21.5, 19.5, 18, 16, 14.5, 12, 10, 8.1, 6.5, 5, 3.3,
            2, 1.4]
KTB160_P = [1.5, 2.0, 2.5, 5.0, 6.25, 7.5, 8.0, 10.0, 12.5, 13.0, 15.0, 17.5, 18.0, 20.0, 22.5, 25.0, 27.5,
            30.0, 32.5, 35.0, 37.5, 40.0, 42.5, 45.0, 47.5, 50.0, 52.5, 55.0, 57.5, 60.0, 62.5, 65.0, 67.5,
            70.0, 72.5, 75.0, 77.5, 80.0, 82.5, 85.0, 87.5, 90.0, 92.5, 95.0, 98.0]
CORES['KTB135160'] = (35.1, 22.56, 9.83, 8.95, 101, (KTB160_H, KTB160_P))

SATURATION = {'KTA': 1.5, 'KTB': 1.0, 'KRA': 1.6}
TOLERANCE = 8.0  # % of AL


def curve_area(curve, h):
    """Integral of p from 0 to h in percent x oersted: a walk along the polyline
    from 0 Oe through the points from the last to the first, each edge's part
    below h added as a trapezoid (negative where the edge runs backwards)."""
    hs = [f32(v) for v in curve[0]]
    ps = [f32(v) for v in curve[1]]
    p_at_zero = ps[-1] + (0.0 - hs[-1]) * (ps[-2] - ps[-1]) / (hs[-2] - hs[-1])
    walk = [(0.0, p_at_zero)] + list(zip(reversed(hs), reversed(ps)))
    total = 0.0
    for (h1, p1), (h2, p2) in zip(walk, walk[1:]):
        a, b = min(h1, h), min(h2, h)
        if a == b:
            continue
        line = lambda x: p1 + (x - h1) * (p2 - p1) / (h2 - h1)
        total += (b - a) * (line(a) + line(b)) / 2
    if h > hs[0]:
        total += (h - hs[0]) * ps[0]
    return total


def flux_density(curve, mu, h):
    return 1e-4 * mu * (curve_area(curve, h) / 100)


def check_against_lookup(curve, h, steps=40000):
    """On a curve whose fields fall strictly, the trapezoids must agree with a
    fine midpoint sum of the lookup's own percentages (single precision)."""
    hs = curve[0]
    if any(a <= b for a, b in zip(hs, hs[1:])):
        return
    dx = h / steps
    approx = sum(percent_at(curve, f32((j + 0.5) * dx)) for j in range(steps)) * dx
    assert abs(approx - curve_area(curve, h)) <= 1e-5 * curve_area(curve, h), (h, approx, curve_area(curve, h))


def flux(part, n, i, k, ripple=None, volt_seconds=None):
    """[H at the peak, percent at the peak, B, B / Bsat, Lmin, rippleMax or nan]."""
    r = figures(part, n, i, k)
    path, curve = f32(CORES[part][3]), CORES[part][5]
    L = r['inductance']
    if volt_seconds is not None:
        ripple = volt_seconds / L
    ipk = f32(f32(i) + (ripple or 0.0) / 2)
    hpk = f32(n * 1.25664 * ipk / path)
    b = flux_density(curve, int(part[-3:]), hpk)
    lmin = L * (1 - TOLERANCE / 100)
    ripple_max = volt_seconds / lmin if volt_seconds is not None else float('nan')
    return [hpk, percent_at(curve, hpk), b, b / SATURATION[part[:3]], lmin, ripple_max]


CASES = [
    # name, part, turns, current A, stack, ripple A p-p, volt-seconds V.us
    ('sendustBelowCurve', 'KTB135160', 151, 0.05, 1, None, None),   # 1.06 Oe, under the lowest 1.4 Oe
    ('sendust2A', 'KTB135160', 151, 2.0, 1, None, None),
    ('sendust6A', 'KTB135160', 151, 6.0, 1, None, None),
    ('sendust14A', 'KTB135160', 151, 14.0, 1, None, None),
    ('sendustBeyondCurve', 'KTB135160', 151, 50.0, 1, None, None),  # 1060 Oe
    ('sendustStackedRipple', 'KTB135160', 151, 6.0, 2, 2.0, None),
    ('sendustFold', 'KTB130060', 50, 6.8, 1, None, None),           # 52.4 Oe, on KTB 060's 50/56 fold
    ('highFluxBelowCurve', 'KTA092060', 54, 0.4, 1, None, None),    # 4.6 Oe, under the lowest 6 Oe
    ('highFluxRipple', 'KTA092060', 54, 10.0, 1, 3.0, None),
    ('highFluxBeyondCurve', 'KTA092060', 54, 100.0, 1, None, None),
    ('ironSiliconBelowCurve', 'KRA106090', 30, 0.5, 1, None, None),  # 2.97 Oe, under the lowest 5 Oe
    ('ironSiliconVoltSeconds', 'KRA106090', 30, 8.0, 1, None, 60.0),
    ('ironSiliconBeyondCurve', 'KRA106090', 30, 200.0, 1, None, None),
]

if __name__ == '__main__':
    import ac_reference  # noqa: F401  (puts KTA092060 and KRA106090 in CORES)

    for name, part, n, i, k, ripple, lam in CASES:
        row = flux(part, n, i, k, ripple, lam)
        check_against_lookup(CORES[part][5], row[0])
        opt = lambda v: 'std::nullopt' if v is None else repr(v)
        print('    {"%s", "%s", %d, %rf, %d, %s, %s,' % (name, part, n, i, k, opt(ripple), opt(lam)))
        print('     {%s}},' % ', '.join('NAN' if v != v else repr(v) for v in row))
