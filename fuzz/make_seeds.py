#!/usr/bin/env python3
"""Writes the seed corpus of the fuzz targets under fuzz/corpus/.

Each seed is a short input in the target's own format (texts separated by NUL)
that reaches one behaviour worth starting from: a result, each message, the
out-of-range failure, and the awkward texts users type or paste. Run it again
after changing the list; the fuzzer's own finds are not kept here.
"""
import pathlib

HERE = pathlib.Path(__file__).resolve().parent

SEEDS = {
    "text_conversions": [
        "50", " 2.5 ", "1e5", "-0.5", "+.5e-3", "32767.5", "32768.5", "-32768.5", "-32769",
        "1 2", "\t3\n4", "1e", "1e-", "1.2.3", "abc", "", " ", ".", "-", "1e400", "-1e400",
        "1e-400", "4.9e-324", "3.4028235e38", "3.5e38", "0.0005", "2.0049999",
        "00000000000000000000000000000000001", "9" * 40, "12345678", "-0", "5x", "0x10",
    ],
    # list item or search text, pick, turns, current, stack
    "inductance_command": [
        ["KTB130060", "0", "50", "5", "2"],
        ["ktb13", "1", "50", "5", "2"],
        ["KRA037125", "0", "10", "0.5", "1"],
        ["", "", "50", "5", "1"],
        ["KTA092060", "0", "", "5", "1"],
        ["KTA092060", "0", "2.5x", "5", "1"],
        ["KTA092060", "0", "50", "", "1"],
        ["KTA092060", "0", "2.5", "abc", "1"],
        ["KTA092060", "0", "350", "1e30", "1"],
        ["KTA092060", "0", "50", "5", "40000"],
        ["KT", "7", "-3", "-2", "-1"],
        ["KTB130060", "0", "32767", "1e-45", " 3 "],
        ["NOSUCHCORE", "0", "50", "5", "1"],
        ["kta", "3", "1 2", "3e38", "0"],
    ],
    # current, inductance, stack
    "selection_command": [
        ["10", "100", "1"], ["10", "100", "2"], ["30", "100", "1"], ["0", "100", "1"],
        ["10", "", "1"], ["10", "abc", "1"], ["10", "-5", "1"], ["10", "100000", "1"],
        ["1e36", "100", "3"], ["3e35", "1e4", "6"], ["0.01", "0.001", "1"], ["25.1328", "47", "6"],
        ["3.3", "330", ""], ["10", "100", "70000"], ["1 0", "1e2", "x"], [" 10 ", " 100 ", " 1 "],
    ],
    # core, turns, current, stack, frequency, ripple, coefficients
    "design_boxes": [
        ["KTA092060", "54", "10", "1", "100", "3", ""],
        [" kta092060 ", "54.0", "1e-3", "2", "", "", ""],
        ["KTB130060", "50", "5", "2", "100", "1", " 1.5, 2 ,3"],
        ["KRA037125", "40", "2", "1", "100", "", ""],
        ["KRA306075", "32767", "10000", "32767", "100000", "20000", ""],
        ["KTA092060", "2.5", "1,5", "-5", "0", "-1", "1,2"],
        ["KTA092060", "54", "1e-45", "1", "", "", ""],
        ["KTA092060", "54", "12\n34", "NaN", "1e999", "", ""],
        ["KTA09", "", "", "", "", "3", ""],
        ["", "", "", "1", "", "", "", "buck", "48", "12", "10", "100", "0.3", "", "1"],
        ["KTA092060", "54", "10", "1", "", "", "", "boost", "100", "400", "2", "100", "2", "", "1"],
        ["", "", "", "", "", "", "", "buck", "48", "60", "10", "100", "", "0.001", "2.5"],
        ["KTA092060", "54", "10", "1", "", "", "", "", "", "", "", "", "", "", "", "", "100", "5"],
        ["KTB135160", "151", "14", "1", "10", "0", "", "boost", "100", "400", "2", "100", "2", "", "1", "12", "40", "70"],
    ],
    # the bytes of a design file
    "design_file": [
        '{"format": "zovamagnetic-design", "version": 1, "inputs": {"core": "KTA092060", "turns": 54, '
        '"current": 10, "stack": 1, "frequency": 100, "ripple": 3}}',
        '\ufeff{"format": "zovamagnetic-design", "version": 1, "inputs": {"core": "kta092060", "turns": 5000, '
        '"current": 1e-4, "stack": 100}}',
        '{"format": "zovamagnetic-design", "version": 1, "inputs": {"core": "KTB130060", "turns": 50, '
        '"current": 5, "stack": 2, "frequency": 100, "lossCoefficients": [1.5, 2, 3]}, '
        '"converter": {"topology": "buck", "vin": 48, "vout": 12, "iout": 10, "frequency": 100, "rippleRatio": 0.3}, '
        '"figures": {"inductance": 100, "ripple": null}}',
        '{"format": "zovamagnetic-design", "version": 1, "inputs": {"core": "KTA092060", "turns": 2.5, '
        '"current": 1e38, "stack": 0}, "converter": {"topology": "buck", "vin": 48, "vout": 60}}',
        '{"format": "zovamagnetic-design", "version": 2, "inputs": {"core": "KT\\u001b[2J", "turns": 54}}',
        '{"format": "zovamagnetic-design", "version": 1, "inputs": [[[[{"core": null}]]]]}',
        '{"format": "x"}', '[', '',
    ],
    # arguments after the program name
    "cli_arguments": [
        ["inductance", "--core", "KTB130060", "--turns", "50", "--current", "5", "--stack", "2"],
        ["inductance", "--core=KTB130060", "--turns=50", "--current=5", "--format", "json"],
        ["inductance", "--core", "\xff\"\\q\x01", "--turns", "1", "--format", "json"],
        ["inductance", "--core", "", "--turns", "1"],
        ["inductance", "--core", "KTB130060", "--turns", "1", "--stack", "99999", "--format=json"],
        ["select", "--current", "10", "--inductance", "100", "--format", "csv"],
        ["select", "--current", "10", "--inductance", "100", "--format", "json"],
        ["select", "--current", "1e36", "--inductance", "100", "--stack", "3", "--format", "json"],
        ["select", "--current", "-2", "--inductance", "100"],
        ["select", "--", "--current"],
        ["cores", "--search", "kta"],
        ["cores", "--search", "nothing"],
        ["core", "KTB130060", "--format", "json"],
        ["core", "KTB130060\n\"x\""],
        ["curve", "KTA", "060", "--at", "10", "20", "1e39", "--format", "json"],
        ["curve", "KTA", "060"],
        ["--help"], ["inductance", "--help"], ["bogus"], ["-x"], [],
        ["select", "--current", "1", "--current", "2", "--inductance", "3"],
        ["inductance", "--help=1"], ["curve", "-", "-h"],
        ["design", "--core", "KT\x1b[31mX", "--turns", "5", "--current", "1"],
        ["design", "--core", "KTA092060", "--turns", "54", "--current", "10", "--format", "json"],
        ["design", "--core", "KTA092060", "--turns", "54", "--current", "10", "--frequency", "100", "--ripple",
         "3", "--loss-coefficients", "1,2,1.5", "--format", "json"],
        ["converter", "--topology", "buck", "--vin", "48", "--vout", "12", "--iout", "10", "--frequency", "100",
         "--format", "csv", "--sort", "coreLoss"],
        ["converter", "--topology", "boost", "--vin", "5", "--vout", "12", "--iout", "1e30", "--frequency", "1e-3",
         "--inductance", "0.5"],
    ],
}


def encode(seed):
    if isinstance(seed, str):
        return seed.encode("utf-8", "surrogateescape")
    return b"\0".join(s.encode("latin-1") if any(ord(c) > 0x7f for c in s) else s.encode() for s in seed)


for target, seeds in SEEDS.items():
    folder = HERE / "corpus" / target
    folder.mkdir(parents=True, exist_ok=True)
    for old in folder.iterdir():
        old.unlink()
    for i, seed in enumerate(seeds, 1):
        (folder / f"seed-{i:02d}").write_bytes(encode(seed))
