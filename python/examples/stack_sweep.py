#!/usr/bin/python3
"""For 10 A and 100 µH: the lowest copper loss the selection offers on a stack
of 1, 2, 3 and 4 cores, with the core and turns that reach it, as a table and a
bar chart.

    python3 stack_sweep.py                 # writes stack_sweep.png
    python3 stack_sweep.py out.png         # or another file
    python3 stack_sweep.py --table-only    # no chart, no matplotlib needed

The chart needs Debian's python3-matplotlib
(bash scripts/install-deps.sh --python-examples).
"""

import sys

import zovamagnetic as zm

CURRENT = 10  # A
INDUCTANCE = 100  # µH
STACKS = [1, 2, 3, 4]


def lowest_copper_loss(stack):
    """The candidate with the lowest copper loss at 100 °C whose winding fits the hole."""
    candidates = zm.select(CURRENT, INDUCTANCE, stack=stack, figures=True)
    fitting = [c for c in candidates if c["copperLoss100"] is not None]
    return min(fitting, key=lambda c: c["copperLoss100"])


def plot(rows, path):
    import matplotlib

    matplotlib.use("Agg")
    import matplotlib.pyplot as plt

    fig, ax = plt.subplots(figsize=(6.4, 4))
    losses = [best["copperLoss100"] for _, best in rows]
    bars = ax.bar([str(stack) for stack, _ in rows], losses, color="#4a7ab5")
    for bar, (_, best) in zip(bars, rows):
        ax.annotate(f"{best['partNo']}\n{best['turns']} turns, {best['copperLoss100']:.2f} W",
                    (bar.get_x() + bar.get_width() / 2, bar.get_height()),
                    ha="center", va="bottom", fontsize=8, xytext=(0, 3), textcoords="offset points")
    ax.set_xlabel("cores in the stack")
    ax.set_ylabel("lowest copper loss at 100 °C (W)")
    ax.set_title(f"{CURRENT} A, {INDUCTANCE} µH: the best winding per stack")
    ax.set_ylim(0, max(losses) * 1.25)
    fig.tight_layout()
    fig.savefig(path, dpi=100)


def main():
    rows = [(stack, lowest_copper_loss(stack)) for stack in STACKS]
    print("stack  core       turns  L (µH)   copper loss 100 °C (W)  rise (K)")
    for stack, best in rows:
        print(f"{stack:5}  {best['partNo']}  {best['turns']:5}  {best['inductance']:7.3f}  "
              f"{best['copperLoss100']:22.3f}  {best['temperatureRise']:8.1f}")
    if sys.argv[1:] != ["--table-only"]:
        plot(rows, sys.argv[1] if len(sys.argv) > 1 else "stack_sweep.png")


if __name__ == "__main__":
    main()
