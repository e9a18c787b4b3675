#!/usr/bin/env python3
"""Runs the command-line tool over a fixed grid of inputs and writes every run's
exit code, standard output and standard error into one file per run, so that two
builds can be compared byte for byte after a change that must not alter any
result:

    scripts/tool-output-grid.py OLD_CLI /tmp/before
    scripts/tool-output-grid.py NEW_CLI /tmp/after
    diff -r /tmp/before /tmp/after
"""
import hashlib
import os
import random
import subprocess
import sys

cli, out = sys.argv[1], sys.argv[2]
os.makedirs(out, exist_ok=True)
rng = random.Random(20261209)

cores = subprocess.run([cli, "cores"], capture_output=True, check=True).stdout.decode().split()
picked = sorted(set(rng.sample(cores, 40) + ["KTA092060", "KTB130060", "KRA037125", "KTB014060", "KTA014060"]))
turns = ["1", "5", "20", "54", "120", "350", "600", "0", "-3", "", "abc", "1.5", "2.5", "40000", " 12 "]
currents = ["0", "0.001", "0.5", "2", "5", "10", "33", "1e30", "-1", "", "x", "1e-3", "3.4e38", "1e-45"]
stacks = ["1", "2", "4", "", "0", "abc", "40000", "3.5"]

runs = []
for _ in range(260):
    args = ["--core", rng.choice(picked + ["", "KTX000000", "kta092060"]), "--turns", rng.choice(turns),
            "--current", rng.choice(currents), "--stack", rng.choice(stacks)]
    runs.append(["inductance"] + args + ["--format", rng.choice(["text", "json"])])
    runs.append(["design"] + args + ["--format", rng.choice(["text", "json"])])
# Windings that reach a result, the figures' own grid.
for _ in range(220):
    args = ["--core", rng.choice(picked), "--turns", rng.choice(["1", "5", "20", "54", "120", "350"]),
            "--current", rng.choice(["0.001", "0.5", "2", "5", "10", "33"]), "--stack", rng.choice(["1", "2", "4"])]
    runs.append(["design"] + args + ["--format", rng.choice(["text", "json"])])
    runs.append(["inductance"] + args + ["--format", rng.choice(["text", "json"])])
for current in ["0.5", "2", "10", "30", "", "x", "-1", "1e30"]:
    for inductance in ["1", "10", "100", "1000", "100000", "", "abc", "0"]:
        stack = rng.choice(["1", "2", "3", "", "0"])
        base = ["select", "--current", current, "--inductance", inductance, "--stack", stack]
        runs += [base, base + ["--format", "json"], base + ["--format", "csv"],
                 base + ["--format", "json", "--figures"], base + ["--format", "csv", "--figures"]]
for core in rng.sample(cores, 60) + ["KTX", ""]:
    runs += [["core", core], ["core", core, "--format", "json"]]
for search in ["", "kta05", "060", "zz", " b1 "]:
    runs.append(["cores", "--search", search])
for series, perm in [("KTA", "060"), ("KTB", "125"), ("KRA", "090"), ("KTA", "999")]:
    runs += [["curve", series, perm], ["curve", series, perm, "--at", "1", "10", "100", "1000", "5000", "x"],
             ["curve", series, perm, "--at", "0.5", "50", "--format", "json"]]

for args in runs:
    r = subprocess.run([cli] + args, capture_output=True)
    name = hashlib.sha1("\0".join(args).encode()).hexdigest()[:16]
    with open(os.path.join(out, name), "wb") as f:
        f.write(("\0".join(args) + "\n").encode() + b"exit %d\n" % r.returncode + r.stdout + b"\n--stderr--\n" + r.stderr)
print(f"{len(runs)} runs written to {out}")
