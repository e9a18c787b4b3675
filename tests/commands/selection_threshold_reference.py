#!/usr/bin/env python3
"""Reference rows for SelectionScan.ThresholdTargets in selection_scan_test.cpp.

Targets that fall between the inductance evaluated with one rounding at the end
and the one rounded after every product: the first turn count reaching the
target is the smallest n with InductanceAt(n) >= target, and the core is listed
with it if its window holds n turns (55 % of the inner diameter's square over
the square of the insulated wire).

Run: python3 tests/commands/selection_threshold_reference.py
"""
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "engine"))
from formula_steps_reference import CORES, f32, lookup, field, inductance, wire, allowance  # noqa: E402

INNER_DIAMETER = {"KTA106090": 14.1, "KTA200090": 30.94}  # mm, coated

ROWS = [
    ("justAboveTheRightValue", "KTA106090", "1.5", "1052.3265"),
    ("atTheRightValue", "KTA200090", "0.5", "4273.9209"),
]


def main():
    for name, part, current, target in ROWS:
        le, al, curve = CORES[part]
        le, al, i, goal = f32(le), f32(al), f32(float(current)), f32(float(target))
        n = next(n for n in range(1, 351) if inductance(n, al, lookup(curve, field(n, i, le))) >= goal)
        bare = wire(i)
        overall = f32(allowance(bare) + bare)
        fit = f32(INNER_DIAMETER[part]) ** 2 * 0.55 / overall ** 2
        assert fit > n, name
        print('    {"%s", "%s", "%s", "%s", %d},' % (name, current, target, part, n))


if __name__ == "__main__":
    main()
