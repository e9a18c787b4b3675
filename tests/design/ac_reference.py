#!/usr/bin/env python3
"""Reference figures of a winding under a switching ripple, computed straight
from the formulas of the README's AC section, independently of the C++ code.
Prints the rows of kAcCases in tests/design/ac_figures_test.cpp.

The DC figures come from design_reference.py; the inductance at the peak
current is the calculator's, taken as design_reference.py takes it. Everything
else is double precision in the order the formulas are written:
  Ae = AL x le / (4 pi mu_i)            cm2, one core
  Ve = k x Ae x le                      cm3
  lambda = L x dI  (or given, then dI = lambda / L)
  dB = lambda / (N x k x Ae) x 0.01     T peak to peak
  Bpk from the bias curve at the peak current's field (flux_reference.py)
  Pv = a x (dB / 2)^b x f^c             mW/cm3, Pcore = Pv x Ve / 1000
  delta = 66.1 / sqrt(f x 1000) x sqrt(rho100 / rho20)
  Dowell: h = 0.886 db, eta = h / do, D = h / delta x sqrt(eta),
    FR = D [(sinh 2D + sin 2D)/(cosh 2D - cos 2D) + 2(m^2 - 1)/3 (sinh D - sin D)/(cosh D + cos D)]
  Pac = FR x R100 x (dI / sqrt 12)^2, Ptot = Pcu100 + Pac + Pcore, rise = (Ptot mW / area)^0.833
"""
import math

from design_reference import CORES, f32, figures, inductance_uh, percent_at
from flux_reference import flux_density

KTA060_H = [1000, 800, 700, 630, 550, 480, 440, 380, 350, 305, 280, 260, 250, 240, 230, 210, 200, 195,
            180, 170, 165, 160, 155, 150, 145, 135, 130, 115, 100, 95, 91, 87, 81, 80, 77, 70, 65, 58,
            53, 50, 40, 30, 25, 20, 6]
KTA060_P = [6.5, 7.5, 8.5, 10.0, 12.5, 15.0, 17.5, 20.0, 22.5, 25.0, 27.5, 30.0, 32.5, 35.0, 37.5, 40.0,
            42.0, 42.5, 45.0, 47.5, 50.0, 52.5, 55.0, 57.5, 60.0, 62.5, 65.0, 67.5, 70.0, 72.5, 75.0,
            77.5, 80.0, 81.5, 82.5, 85.0, 87.5, 90.0, 92.5, 93.0, 95.0, 96.0, 97.5, 98.0, 99.0]
KRA090_H = [1000, 800, 550, 420, 350, 300, 270, 240, 220, 195, 170, 165, 160, 150, 145, 140, 135, 125,
            120, 110, 100, 95, 90, 86, 81, 80, 77, 75, 68, 65, 60, 59, 56, 55, 52, 48, 44, 40, 33, 30,
            25, 20, 18, 10, 5]
KRA090_P = [5.5, 6.0, 7.75, 10.0, 12.5, 15.0, 17.5, 20.0, 22.5, 25.0, 27.5, 30.0, 32.5, 35.0, 37.5,
            40.0, 42.5, 45.0, 47.5, 50.0, 52.0, 55.0, 57.5, 60.0, 62.5, 63.0, 65.0, 67.5, 70.0, 72.5,
            75.0, 76.0, 77.5, 80.0, 82.5, 85.0, 87.5, 90.0, 92.5, 93.0, 95.0, 97.5, 97.5, 98.0, 99.0]
# Coated OD, ID, height (mm), path length (cm), AL (nH) from the catalogue tables.
CORES['KTA092060'] = (24.28, 13.77, 9.7, 5.88, 51, (KTA060_H, KTA060_P))
CORES['KRA106090'] = (27.69, 14.1, 11.99, 6.35, 113, (KRA090_H, KRA090_P))

# The fits of the README's table, and the saturation of each material.
FITS = {('KTA', '060'): (246.5, 2.218, 1.311), ('KTB', '060'): (44.30, 1.988, 1.541),
        ('KRA', '090'): (542.8, 2.015, 1.194), ('KTB', '147'): (44.30, 1.988, 1.541)}
SATURATION = {'KTA': 1.5, 'KTB': 1.0, 'KRA': 1.6}


def rho(t):
    return 0.017241 * (1 + 0.00393 * (t - 20))


def ac(part, n, i, k, f, ripple=None, volt_seconds=None, coefficients=None):
    r = figures(part, n, i, k)
    od, id_, height, path, al, curve = CORES[part]
    path, al, i = f32(path), f32(al), f32(i)
    mu = int(part[-3:])
    L = r['inductance']
    if ripple is not None:
        lam = L * ripple
    else:
        lam = volt_seconds
        ripple = lam / L
    ipk = i + ripple / 2
    ipk32 = f32(ipk)
    hpk = f32(n * 1.25664 * ipk32 / path)
    lpk = f32(inductance_uh(float(n), al, percent_at(curve, hpk)) * f32(k))
    ae = al * path / (4 * math.pi * mu)
    ve = k * ae * path
    db = lam / (n * k * ae) * 0.01
    bpk = flux_density(curve, mu, hpk)
    a, b, c = coefficients or FITS[(part[:3], part[-3:])]
    pv = a * (db / 2) ** b * f ** c
    pcore = pv * ve / 1000
    delta = 66.1 / math.sqrt(f * 1000) * math.sqrt(rho(100) / rho(20))
    h = 0.886 * r['bareDiameter']
    eta = h / r['overallDiameter']
    d = h / delta * math.sqrt(eta)
    m = r['layers']
    fr = d * ((math.sinh(2 * d) + math.sin(2 * d)) / (math.cosh(2 * d) - math.cos(2 * d)) +
              2 * (m * m - 1) / 3 * (math.sinh(d) - math.sin(d)) / (math.cosh(d) + math.cos(d)))
    pac = fr * r['resistance100'] * (ripple / math.sqrt(12)) ** 2
    total = r['copperLoss100'] + pac + pcore
    rise = (total * 1000 / r['surfaceArea']) ** 0.833
    return [ripple, ipk, lpk, ae, ve, db, bpk, SATURATION[part[:3]], pv, pcore, delta, fr, pac, total, rise]


CASES = [
    # name, part, turns, current, stack, kHz, ripple A p-p, volt-seconds V.us, own coefficients
    ('highFluxRipple', 'KTA092060', 54, 10.0, 1, 100.0, 3.0, None, None),
    ('sendustStack', 'KTB130060', 50, 5.0, 2, 50.0, 1.0, None, None),
    ('ironSiliconVoltSeconds', 'KRA106090', 30, 8.0, 1, 200.0, None, 60.0, None),
    ('ownCoefficients', 'KTB130060', 200, 2.0, 1, 20.0, 0.5, None, (100.0, 2.5, 1.5)),
]

if __name__ == '__main__':
    for name, part, n, i, k, f, ripple, lam, own in CASES:
        row = ac(part, n, i, k, f, ripple, lam, own)
        print('    {"%s", "%s", %d, %rf, %d, %r, %s, %s, %s,' % (
            name, part, n, i, k, f, 'std::nullopt' if ripple is None else repr(ripple),
            'std::nullopt' if lam is None else repr(lam),
            'std::nullopt' if own is None else 'LossCoefficients{%r, %r, %r}' % own))
        print('     {%s}},' % ', '.join(repr(v) for v in row))
