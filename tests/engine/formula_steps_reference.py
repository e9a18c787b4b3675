#!/usr/bin/env python3
"""Reference values for tests/engine/formula_steps_test.cpp.

Evaluates the field strength, the curve lookup, the inductance and the wire
formulas from their written definitions: python floats are doubles, and
f32() rounds a double to the nearest single. Beside the right evaluation it
evaluates the plausible wrong ones (a step taken in single precision, a
rounding too early, another order) and keeps, besides the fixed rows, the first
row of a grid on which each wrong evaluation gives other bits, so the table
fails for every one of them.

Run: python3 tests/engine/formula_steps_reference.py   (prints the C++ rows)
"""
import math
import struct


def f32(x):
    return struct.unpack("f", struct.pack("f", x))[0]


def lit(x):
    """A C++ float literal that reads back as the single x."""
    text = "%.9g" % x
    if "e" not in text and "." not in text:
        text += ".0"
    return text + "f"


# Catalogue figures of the cores used: path length (cm), AL (nH), curve.
CORES = {
    "KTB130060": (8.15, 61, "KTB060"),
    "KTA106090": (6.35, 113, "KTA090"),
    "KTA200090": (12.73, 109, "KTA090"),
    "KTA026090": (1.363, 39, "KTA090"),
}

CURVES = {
    "KTB060": (
        [1000, 500, 400, 360, 300, 260, 250, 220, 200, 180, 170, 160, 155, 150, 145, 140, 120, 115, 110, 100,
         96, 90, 85, 80, 75, 70, 66, 62, 60, 58, 55, 50, 56, 40, 35, 30, 26, 25, 20, 16, 15, 10, 7, 4, 2],
        [5, 7.5, 8, 10, 12.5, 15, 17.5, 20, 22.5, 25, 27.5, 30, 32.5, 35, 37.5, 40, 42.5, 45, 47.5, 50, 52.5,
         55, 57.5, 60, 62.5, 65, 67.5, 70, 71, 72.5, 75, 77.5, 80, 82.5, 85, 87.5, 90, 91, 92.5, 95, 94, 96,
         97.5, 98, 99]),
    "KTA090": (
        [1000, 800, 550, 420, 350, 300, 270, 240, 220, 195, 170, 165, 160, 150, 145, 140, 135, 125, 120, 110,
         100, 98, 93, 88, 83, 80, 79, 75, 70, 65, 62, 60, 58, 56, 53, 50, 45, 40, 33, 30, 25, 20, 18, 10, 5],
        [5.5, 6, 7.75, 10, 12.5, 15, 17.5, 20, 22.5, 25, 27.5, 30, 32.5, 35, 37.5, 40, 42.5, 45, 47.5, 50,
         52.5, 55, 57.5, 60, 62.5, 64, 65, 67.5, 70, 72.5, 75, 76, 77.5, 80, 82.5, 85, 87.5, 90, 92.5, 93, 95,
         97.5, 97.5, 98, 99]),
}
CURVES = {k: ([f32(v) for v in h], [f32(v) for v in p]) for k, (h, p) in CURVES.items()}


# --- Right evaluations ------------------------------------------------------

def field(n, i, le):
    return f32(float(n) * 1.25664 * i / le)


def interpolate(h1, h2, p1, p2, x):
    return f32((x - h1) * (p1 - p2) / (h1 - h2) + p1)


def lookup(curve, x, interp=interpolate):
    hs, ps = CURVES[curve]
    for k in range(45):
        if x == hs[k] or x >= 1000:
            return ps[k]
        if x > hs[k] or k == 44:
            return interp(hs[k - 1], hs[k], ps[k - 1], ps[k], x)


def inductance(n, al, p):
    return f32(float(n) * al * n * p / 100000.0)


def inductance_zero(n, al):
    return f32(float(n) * al * n / 1000.0)


def wire(i):
    a = f32(i / f32(8.0))
    return f32(2.0 * math.sqrt(a / 3.1416))


def allowance(d):
    return f32(d * 0.045 + 0.007)


RIGHT = dict(field=field, interpolate=interpolate, inductance=inductance, inductance_zero=inductance_zero,
             wire=wire, allowance=allowance)

# --- Wrong evaluations, one step changed each -------------------------------

MUTANTS = {
    "field in single": dict(field=lambda n, i, le: f32(f32(f32(n * f32(1.25664)) * i) / le)),
    "interpolation quotient rounded to single":
        dict(interpolate=lambda h1, h2, p1, p2, x: f32(f32((x - h1) * (p1 - p2) / (h1 - h2)) + p1)),
    "interpolation quotient of singles":
        dict(interpolate=lambda h1, h2, p1, p2, x: f32(f32(f32((x - h1) * (p1 - p2)) / f32(h1 - h2)) + p1)),
    "interpolation in single":
        dict(interpolate=lambda h1, h2, p1, p2, x: f32(f32(f32(f32(x - h1) * f32(p1 - p2)) / f32(h1 - h2)) + p1)),
    "inductance products in single":
        dict(inductance=lambda n, al, p: f32(f32(f32(f32(n * al) * n) * p) / 100000.0)),
    "inductance product rounded before the division":
        dict(inductance=lambda n, al, p: f32(f32(float(n) * al * n * p) / 100000.0)),
    "zero-current products in single":
        dict(inductance_zero=lambda n, al: f32(f32(f32(n * al) * n) / 1000.0)),
    "wire root in single": dict(wire=lambda i: f32(2.0 * f32(math.sqrt(f32(f32(i / 8.0) / f32(3.1416)))))),
    "wire pi as a single": dict(wire=lambda i: f32(2.0 * math.sqrt(f32(i / 8.0) / f32(3.1416)))),
    "allowance in single": dict(allowance=lambda d: f32(f32(d * f32(0.045)) + f32(0.007))),
    "allowance constants as singles": dict(allowance=lambda d: f32(d * f32(0.045) + f32(0.007))),
}


def core_row(part, n, i, fns):
    le, al, curve = CORES[part]
    le, al = f32(le), f32(al)
    if i == 0.0:
        return (None, None, fns["inductance_zero"](n, al))
    h = fns["field"](n, i, le)
    p = lookup(curve, h, fns["interpolate"])
    return (h, p, fns["inductance"](n, al, p))


def wire_row(i, fns):
    d = fns["wire"](i)
    return (d, fns["allowance"](d))


# Fixed rows: the maker's worked figures for KTB130060 and three calculator
# results recomputed by hand from the formulas.
FIXED_CORE_ROWS = [
    ("workedZeroCurrent", "KTB130060", 50, 0.0),
    ("workedFiveAmps", "KTB130060", 50, 5.0),
    ("workedTenAmps", "KTB130060", 100, 10.0),
    ("workedNegative", "KTB130060", 30, -2.0),
    ("kta106090At1p5A", "KTA106090", 100, 1.5),
    ("kta200090At0p5A", "KTA200090", 200, 0.5),
    ("kta026090At3001Turns", "KTA026090", 3001, 0.0),
]
FIXED_WIRE_ROWS = [("eightAmps", 8.0), ("thirtyAmps", 30.0)]

CURRENTS = [f32(c) for c in (0.0, 0.3, 0.5, 1.0, 1.5, 2.2, 3.3, 5.0, 7.5, 10.0, 12.5, 20.0, 0.77, 4.3, 17.9)]
TURNS = [1, 2, 3, 5, 8, 13, 21, 34, 55, 89, 144, 233, 350, 7, 77, 123, 299]


def camel(text):
    words = text.split()
    return words[0] + "".join(w[:1].upper() + w[1:] for w in words[1:])


def main():
    core_rows = [(name, part, n, f32(i)) for name, part, n, i in FIXED_CORE_ROWS]
    wire_rows = [(name, f32(i)) for name, i in FIXED_WIRE_ROWS]
    for label, change in MUTANTS.items():
        fns = dict(RIGHT, **change)
        caught = any(core_row(p, n, i, fns) != core_row(p, n, i, RIGHT) for _, p, n, i in core_rows) or \
            any(wire_row(i, fns) != wire_row(i, RIGHT) for _, i in wire_rows)
        if caught:
            continue
        if {"wire", "allowance"} & change.keys():
            found = next((i for i in (f32(k / 100.0) for k in range(1, 4001))
                          if wire_row(i, fns) != wire_row(i, RIGHT)), None)
            if found is not None:
                wire_rows.append((camel(label), found))
        else:
            found = next(((p, n, i) for p in CORES for i in CURRENTS for n in TURNS
                          if core_row(p, n, i, fns) != core_row(p, n, i, RIGHT)), None)
            if found is not None:
                core_rows.append((camel(label),) + found)
        if found is None:
            raise SystemExit("no row tells apart: " + label)

    for label, change in MUTANTS.items():
        fns = dict(RIGHT, **change)
        rows = [r[0] for r in core_rows if core_row(*r[1:], fns) != core_row(*r[1:], RIGHT)] + \
            [r[0] for r in wire_rows if wire_row(r[1], fns) != wire_row(r[1], RIGHT)]
        print("// %s: told apart by %s" % (label, ", ".join(rows)))
    print("// name, part number, turns, current -> field (Oe), percent, inductance (µH)")
    for name, part, n, i in core_rows:
        h, p, l = core_row(part, n, i, RIGHT)
        print('    {"%s", "%s", %d, %s, %s, %s, %s},' % (name, part, n, lit(i), lit(h or 0.0), lit(p or 0.0), lit(l)))
    print("// name, current -> bare diameter (mm), insulation allowance (mm)")
    for name, i in wire_rows:
        d, t = wire_row(i, RIGHT)
        print('    {"%s", %s, %s, %s},' % (name, lit(i), lit(d), lit(t)))


if __name__ == "__main__":
    main()
