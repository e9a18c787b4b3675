#!/usr/bin/python3
"""Times zovamagnetic.select(10, 100, figures=True) and the C++ benchmark of the
same work (bench/design_bench: the selection and the figures of its
candidates), in alternating rounds so that both meet the same load on a shared
machine: CPU time per call, the median of the rounds, the garbage collector on
as in any script. Not a test: timings depend on the machine and its load.

    PYTHONPATH=build/release/python /usr/bin/python3 python/bench/select_figures_timing.py build/release
"""

import argparse
import gc
import json
import statistics
import subprocess
import time
from pathlib import Path

import zovamagnetic

# name, binary under the build directory, benchmark
CXX_BENCHES = [
    ("the selection and the figures of its candidates", "bench/design_bench", "BM_SelectionWithFigures"),
]


def python_seconds_per_call(calls):
    gc.enable()
    start = time.process_time()
    for _ in range(calls):
        answer = zovamagnetic.select(10, 100, figures=True)
    seconds = (time.process_time() - start) / calls
    if len(answer) != 203:
        raise SystemExit(f"select(10, 100) listed {len(answer)} cores, not 203")
    return seconds


def cxx_seconds_per_call(binary, name):
    run = subprocess.run([str(binary), f"--benchmark_filter=^{name}$", "--benchmark_format=json",
                          "--benchmark_min_time=0.5"], check=True, capture_output=True, text=True)
    (result,) = json.loads(run.stdout)["benchmarks"]
    if result.get("error_occurred"):
        raise SystemExit(f"{binary}: {result['error_message']}")
    scale = {"ns": 1e-9, "us": 1e-6, "ms": 1e-3}[result["time_unit"]]
    return result["cpu_time"] * scale


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("build", type=Path, help="the release build directory")
    parser.add_argument("--rounds", type=int, default=7)
    parser.add_argument("--calls", type=int, default=100, help="Python calls per round")
    args = parser.parse_args()

    zovamagnetic.select(10, 100, figures=True)  # loads what the first call loads
    python = []
    cxx = {name: [] for name, _, _ in CXX_BENCHES}
    for _ in range(args.rounds):
        python.append(python_seconds_per_call(args.calls))
        for name, binary, bench in CXX_BENCHES:
            cxx[name].append(cxx_seconds_per_call(args.build / binary, bench))

    python_ms = statistics.median(python) * 1e3
    print(f"CPU time per call, median of {args.rounds} rounds")
    print(f"  {python_ms:7.3f} ms  Python: zovamagnetic.select(10, 100, figures=True)")
    for name, _, bench in CXX_BENCHES:
        cxx_ms = statistics.median(cxx[name]) * 1e3
        print(f"  {cxx_ms:7.3f} ms  C++ {bench}: {name}; Python / C++ = {python_ms / cxx_ms:.2f}")


if __name__ == "__main__":
    main()
