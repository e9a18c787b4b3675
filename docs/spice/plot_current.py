#!/usr/bin/env python3
"""The simulated inductor current of buck-48v-12v.cir beside the tool's ripple.

Reads ngspice's wrdata output (time, current), keeps the last three periods
and draws them as SVG with two dashed lines: the tool's valley and peak,
I_L - ΔI/2 and I_L + ΔI/2, with ΔI the converter's ripple for the first
candidate. Standard library only.
Usage: plot_current.py buck-inductor-current.txt RIPPLE_APP > buck-inductor-current.svg
"""
import sys

PERIOD = 10e-6
DC = 10.0


def main():
    path, ripple = sys.argv[1], float(sys.argv[2])
    rows = [tuple(map(float, line.split())) for line in open(path, encoding="ascii") if line.strip()]
    end = rows[-1][0]
    rows = [(t, i) for t, i in rows if t >= end - 3 * PERIOD]
    w, h, left, right, top, bottom = 640, 300, 60, 20, 20, 40
    t0, t1 = rows[0][0], rows[-1][0]
    lo, hi = 8.0, 12.0

    def x(t):
        return left + (t - t0) / (t1 - t0) * (w - left - right)

    def y(i):
        return top + (hi - i) / (hi - lo) * (h - top - bottom)

    out = [f'<svg xmlns="http://www.w3.org/2000/svg" width="{w}" height="{h}" font-family="sans-serif" font-size="12">',
           f'<rect width="{w}" height="{h}" fill="white"/>']
    for i in (8, 9, 10, 11, 12):
        out.append(f'<line x1="{left}" x2="{w - right}" y1="{y(i):.1f}" y2="{y(i):.1f}" stroke="#ddd"/>')
        out.append(f'<text x="{left - 6}" y="{y(i) + 4:.1f}" text-anchor="end">{i}</text>')
    for k in range(4):
        t = t0 + k * PERIOD
        out.append(f'<text x="{x(t):.1f}" y="{h - bottom + 16}" text-anchor="middle">{(t - t0) * 1e6:.0f}</text>')
    out.append(f'<text x="{(left + w - right) / 2}" y="{h - 6}" text-anchor="middle">t (μs), last three periods</text>')
    out.append(f'<text x="14" y="{(top + h - bottom) / 2}" transform="rotate(-90 14 {(top + h - bottom) / 2})"'
               ' text-anchor="middle">inductor current (A)</text>')
    for level, name in ((DC + ripple / 2, "tool: I + ΔI/2"), (DC - ripple / 2, "tool: I − ΔI/2")):
        out.append(f'<line x1="{left}" x2="{w - right}" y1="{y(level):.1f}" y2="{y(level):.1f}" stroke="#d62728"'
                   ' stroke-dasharray="6 4"/>')
        out.append(f'<text x="{w - right - 4}" y="{y(level) - 4:.1f}" text-anchor="end" fill="#d62728">{name}'
                   f' = {level:.3f} A</text>')
    points = " ".join(f"{x(t):.1f},{y(i):.2f}" for t, i in rows[:: max(1, len(rows) // 1500)])
    out.append(f'<polyline points="{points}" fill="none" stroke="#1f77b4" stroke-width="1.5"/>')
    out.append("</svg>")
    print("\n".join(out))


main()
