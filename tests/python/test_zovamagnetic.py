"""The Python module against the command-line tool of the same build.

Each row calls the module with numbers and the tool with the texts a user would
type for them; the answers (the tool's JSON, read by json.loads) must be the
same objects, value for value and type for type, and a refusal the same
message. The tool is the program ZOVA_CLI names; PYTHONPATH holds the module.
"""

import ast
import doctest
import gc
import json
import math
import os
import subprocess
from pathlib import Path

import pytest

import zovamagnetic as zm
from zovamagnetic import _zovamagnetic

CLI = os.environ["ZOVA_CLI"]
STUBS = Path(zm.__file__).with_name("__init__.pyi")
SOURCE = Path(__file__).parents[2]


def run_tool(args):
    return subprocess.run([CLI, *args], capture_output=True, text=True, check=False)


def exact(value):
    """A value as a tree in which 1, 1.0 and True, or dicts whose keys differ in order, differ."""
    if isinstance(value, dict):
        return ("dict", [(k, exact(v)) for k, v in value.items()])
    if isinstance(value, list):
        return ("list", [exact(v) for v in value])
    if isinstance(value, float):
        return ("float", value.hex())
    return (type(value).__name__, value)


def module_outcome(call):
    try:
        return ("answer", exact(call()))
    except zm.InputRefused as refusal:
        return ("refused", str(refusal))
    except zm.OutOfRange as failure:
        return ("out of range", str(failure))


def tool_outcome(args, pick):
    """What the tool's run stands for: its answer, no core found (an empty
    list), a refusal or an arithmetic failure with its message; the tool's
    own messages name it first, the module's do not."""
    run = run_tool(args)
    if run.returncode == 0:
        return ("answer", exact(pick(run.stdout)))
    if run.returncode == 1:
        return ("answer", exact([]))
    message = run.stderr.removesuffix("\n").removeprefix("zovamagnetic-cli: ")
    if run.returncode == 2:
        return ("refused", message)
    assert run.returncode == 3, run.stderr
    return ("out of range", message)


def whole(out):
    return json.loads(out)


def cores_of(out):
    return json.loads(out)["cores"]


def lines(out):
    return out.splitlines()


SELECT = ["select", "--format", "json"]
INDUCTANCE = ["inductance", "--format", "json"]
DESIGN = ["design", "--format", "json"]

# name, module call, tool arguments, what of the tool's output is the answer
ROWS = [
    # the inductance calculator
    ("calculator", lambda: zm.inductance("KTB130060", 50, current=5),
     INDUCTANCE + ["--core", "KTB130060", "--turns", "50", "--current", "5"], whole),
    ("calculator, stack of 2", lambda: zm.inductance("KTB130060", 50, 5, 2),
     INDUCTANCE + ["--core", "KTB130060", "--turns", "50", "--current", "5", "--stack", "2"], whole),
    ("calculator at the default 0 A", lambda: zm.inductance("KTA092060", 54),
     INDUCTANCE + ["--core", "KTA092060", "--turns", "54"], whole),
    ("calculator, 54.5 turns", lambda: zm.inductance("KTA092060", 54.5, 10),
     INDUCTANCE + ["--core", "KTA092060", "--turns", "54.5", "--current", "10"], whole),
    ("calculator, 0.1 + 0.2 A", lambda: zm.inductance("KTA092060", 54, 0.1 + 0.2),
     INDUCTANCE + ["--core", "KTA092060", "--turns", "54", "--current", "0.30000000000000004"], whole),
    ("calculator, 1e-7 A", lambda: zm.inductance("KTA092060", 54, 1e-7),
     INDUCTANCE + ["--core", "KTA092060", "--turns", "54", "--current", "1e-07"], whole),
    ("calculator, -2 A", lambda: zm.inductance("KTA092060", 54, -2),
     INDUCTANCE + ["--core", "KTA092060", "--turns", "54", "--current", "-2"], whole),
    ("calculator, no core", lambda: zm.inductance("", 50, 5),
     INDUCTANCE + ["--core", "", "--turns", "50", "--current", "5"], whole),
    ("calculator, unknown part number", lambda: zm.inductance("KTX000000", 50),
     INDUCTANCE + ["--core", "KTX000000", "--turns", "50"], whole),
    ("calculator, part number in lower case", lambda: zm.inductance("kta092060", 54),
     INDUCTANCE + ["--core", "kta092060", "--turns", "54"], whole),
    ("calculator, turns not a number", lambda: zm.inductance("KTA092060", math.nan, 5),
     INDUCTANCE + ["--core", "KTA092060", "--turns", "nan", "--current", "5"], whole),
    ("calculator, current infinite", lambda: zm.inductance("KTA092060", 54, math.inf),
     INDUCTANCE + ["--core", "KTA092060", "--turns", "54", "--current", "inf"], whole),
    ("calculator, turns beyond 16 bits", lambda: zm.inductance("KTA092060", 100000, 1),
     INDUCTANCE + ["--core", "KTA092060", "--turns", "1e+05", "--current", "1"], whole),
    ("calculator, stack overflow before the unknown part", lambda: zm.inductance("KTX", 5, 1, 1e6),
     INDUCTANCE + ["--core", "KTX", "--turns", "5", "--current", "1", "--stack", "1e+06"], whole),
    ("calculator, stack 0", lambda: zm.inductance("KTA092060", 54, 10, 0),
     INDUCTANCE + ["--core", "KTA092060", "--turns", "54", "--current", "10", "--stack", "0"], whole),
    # the core selection
    ("selection", lambda: zm.select(10, 100),
     SELECT + ["--current", "10", "--inductance", "100"], cores_of),
    ("selection with figures", lambda: zm.select(10, 100, figures=True),
     SELECT + ["--current", "10", "--inductance", "100", "--figures"], cores_of),
    ("selection of stacks of 3 with figures", lambda: zm.select(2.5, 470, 3, figures=True),
     SELECT + ["--current", "2.5", "--inductance", "470", "--stack", "3", "--figures"], cores_of),
    ("selection, no core reaches", lambda: zm.select(10, 1e5),
     SELECT + ["--current", "10", "--inductance", "1e+05"], cores_of),
    ("selection, current 0", lambda: zm.select(0, 100),
     SELECT + ["--current", "0", "--inductance", "100"], cores_of),
    ("selection, inductance -1", lambda: zm.select(10, -1),
     SELECT + ["--current", "10", "--inductance", "-1"], cores_of),
    ("selection, inductance not a number", lambda: zm.select(10, math.nan),
     SELECT + ["--current", "10", "--inductance", "nan"], cores_of),
    ("selection out of range", lambda: zm.select(3.4e38, 1, figures=True),
     SELECT + ["--current", "3.4e+38", "--inductance", "1", "--figures"], cores_of),
    # design figures
    ("design", lambda: zm.design("KTB130060", 50, 5, 2),
     DESIGN + ["--core", "KTB130060", "--turns", "50", "--current", "5", "--stack", "2"], whole),
    ("design that does not fit the hole", lambda: zm.design("KTA014060", 200, 5),
     DESIGN + ["--core", "KTA014060", "--turns", "200", "--current", "5"], whole),
    ("design, 0 turns", lambda: zm.design("KTA092060", 0, 5),
     DESIGN + ["--core", "KTA092060", "--turns", "0", "--current", "5"], whole),
    ("design, 0 A", lambda: zm.design("KTA092060", 54, 0),
     DESIGN + ["--core", "KTA092060", "--turns", "54", "--current", "0"], whole),
    ("design, stack 0", lambda: zm.design("KTA092060", 54, 10, 0),
     DESIGN + ["--core", "KTA092060", "--turns", "54", "--current", "10", "--stack", "0"], whole),
    ("design, unknown part number", lambda: zm.design("KTA999999", 54, 10),
     DESIGN + ["--core", "KTA999999", "--turns", "54", "--current", "10"], whole),
    ("design out of range", lambda: zm.design("KTA092060", 54, 3.4e38),
     DESIGN + ["--core", "KTA092060", "--turns", "54", "--current", "3.4e+38"], whole),
    # curves
    ("curve", lambda: zm.curve("KTA", "060"), ["curve", "KTA", "060", "--format", "json"], whole),
    ("curve at two fields", lambda: zm.curve("KTB", "125", at=[10, 100.5]),
     ["curve", "KTB", "125", "--at", "10", "--at", "100.5", "--format", "json"], whole),
    ("curve at one field", lambda: zm.curve("KTA", "060", at=0.25),
     ["curve", "KTA", "060", "--at", "0.25", "--format", "json"], whole),
    ("curve, unknown", lambda: zm.curve("KTZ", "999"), ["curve", "KTZ", "999", "--format", "json"], whole),
    ("curve, field beyond single precision", lambda: zm.curve("KTA", "060", at=[10, 1e39]),
     ["curve", "KTA", "060", "--at", "10", "--at", "1e+39", "--format", "json"], whole),
    # the catalogue
    ("core", lambda: zm.core("KTA092060"), ["core", "KTA092060", "--format", "json"], whole),
    ("core, unknown", lambda: zm.core("NOPE"), ["core", "NOPE", "--format", "json"], whole),
    ("core named like an option", lambda: zm.core("-h"), ["core", "--format", "json", "--", "-h"], whole),
    ("cores", lambda: zm.cores(), ["cores"], lines),
    ("cores, search", lambda: zm.cores(" kta09 "), ["cores", "--search", " kta09 "], lines),
    ("cores, nothing found", lambda: zm.cores("XYZ"), ["cores", "--search", "XYZ"], lines),
]


@pytest.mark.parametrize("call, args, pick", [row[1:] for row in ROWS], ids=[row[0] for row in ROWS])
def test_module_answers_as_the_tool(call, args, pick):
    assert module_outcome(call) == tool_outcome(args, pick)


# The texts the module types for numbers, written by hand: the shortest decimal
# text that reads back as the same double.
TYPED = [
    ("whole", 10, "10"),
    ("tenth", 0.1, "0.1"),
    ("sum with a rounding error", 0.1 + 0.2, "0.30000000000000004"),
    ("small", 1e-7, "1e-07"),
    ("exponent shorter", 100000, "1e+05"),
    ("fixed as short", 12345, "12345"),
    ("negative zero", -0.0, "-0"),
]


@pytest.mark.parametrize("number, text", [row[1:] for row in TYPED], ids=[row[0] for row in TYPED])
def test_numbers_are_typed_as_their_shortest_text(number, text):
    got = zm.inductance("KTA092060", 54, current=number, stack=1)
    assert got["currentText"] == text
    assert got["turnsText"] == "54" and got["stackText"] == "1"


def test_worked_example_of_the_selection():
    # KTA092060: AL 51 nH/turn² (the maker's table); 54 turns give
    # 51 × 54² = 148 716 nH at 0 A, and the README's 100.283 μH at 10 A.
    first = zm.select(10, 100, figures=True)[0]
    assert (first["partNo"], first["turns"]) == ("KTA092060", 54)
    assert first["inductanceZeroBias"] == 51 * 54**2 / 1000
    assert round(first["inductance"], 3) == 100.283
    assert first["rolloff"][0] == {"current": 0, "inductance": 148.716, "percent": 100}


def test_refusals_are_value_and_arithmetic_errors():
    with pytest.raises(ValueError, match="^对不起，请选择磁芯料号！$"):
        zm.inductance("", 50)
    with pytest.raises(ArithmeticError, match="^超出计算范围，请您调整计算参数。$"):
        zm.design("KTA092060", 54, 3.4e38)
    assert zm.InputRefused.__module__ == "zovamagnetic"


def test_curve_at_no_field_has_no_points():
    assert zm.curve("KTA", "060", at=[]) == {"series": "KTA", "perm": "060", "points": []}
    with pytest.raises(zm.InputRefused, match="^no curve for series 'KTZ'"):
        zm.curve("KTZ", "060", at=[])


@pytest.mark.parametrize("enabled", [True, False], ids=["collector on", "collector off"])
def test_answer_leaves_the_collector_as_it_found_it(enabled):
    was = gc.isenabled()
    try:
        gc.enable() if enabled else gc.disable()
        zm.select(10, 100, figures=True)
        assert gc.isenabled() == enabled
    finally:
        gc.enable() if was else gc.disable()


# The reader of the tool's answers against json.loads on what the tool's writer
# can write and a little more.
DOCUMENTS = [
    ("nesting and empties", '{"a": [], "b": {}, "c": [[1, [2]], {"d": null}], "e": true, "f": false}'),
    ("repeated keys in changing order", '[{"x": 1, "y": 2}, {"y": 3, "x": 4}, {"x": 5}, {"z": 6, "x": 7, "y": 8}]'),
    ("numbers", "[0, -0, -0.0, 1e-07, 2.5E+3, 3e5, 1.2615647, 0.5002386916080168, 123456789012345678901234567890,"
                " 5e-324, 1.7976931348623157e308, 9007199254740993, 9007199254740993.0, 1e23, 0.1e-30]"),
    ("escapes", r'["tab\tand\\ \"quote\" \/ \b\f\n\r", "\u00e9\u4e2d\ufffd\ud83d\ude00", "\ud800 lone", "电感量"]'),
    ("blanks", ' \n\t{ "k" :\r\n [ 1 ,2 ] }\n '),
]


@pytest.mark.parametrize("text", [row[1] for row in DOCUMENTS], ids=[row[0] for row in DOCUMENTS])
def test_reader_reads_as_json_loads(text):
    assert exact(_zovamagnetic._json_to_python(text)) == exact(json.loads(text))


@pytest.mark.parametrize("text", ['{"a": 1', '[1, 2', '{"a" 1}', "01x", '"open', "[1] 2", "nul", "-", "1."])
def test_reader_refuses_what_is_not_one_document(text):
    with pytest.raises(RuntimeError, match="^JSON at offset"):
        _zovamagnetic._json_to_python(text)


REQUIRED = "(no default)"


def stub_functions():
    tree = ast.parse(STUBS.read_text(encoding="utf-8"))
    for node in tree.body:
        if isinstance(node, ast.FunctionDef):
            args = node.args.args
            defaults = [None] * (len(args) - len(node.args.defaults)) + node.args.defaults
            yield node.name, [(a.arg, REQUIRED if d is None else ast.literal_eval(d)) for a, d in zip(args, defaults)]


def module_parameters(function):
    """(name, default) from the signature line pybind11 writes first in a docstring."""
    signature = function.__doc__.splitlines()[0]
    inside = signature[signature.index("(") + 1:signature.rindex(") ->")]
    parameters, depth, current = [], 0, ""
    for ch in inside + ",":
        if ch == "," and depth == 0:
            name, _, rest = current.strip().partition(":")
            default = rest.partition(" = ")[2]
            parameters.append((name, ast.literal_eval(default) if default else REQUIRED))
            current = ""
            continue
        depth += {"[": 1, "]": -1}.get(ch, 0)
        current += ch
    return parameters


def test_stubs_name_every_function_with_its_parameters():
    stubs = dict(stub_functions())
    public = {name for name in zm.__all__ if callable(getattr(zm, name)) and not isinstance(getattr(zm, name), type)}
    assert set(stubs) == public
    for name, parameters in stubs.items():
        assert module_parameters(getattr(zm, name)) == parameters, name


def test_readme_session_answers_as_shown():
    readme = (SOURCE / "README.md").read_text(encoding="utf-8")
    session = doctest.DocTestParser().get_doctest(readme, {}, "README.md", "README.md", 0)
    report = []
    runner = doctest.DocTestRunner(optionflags=doctest.ELLIPSIS)
    runner.run(session, out=report.append)
    assert session.examples and runner.failures == 0, "".join(report)


def test_stack_sweep_example_runs():
    example = SOURCE / "python" / "examples" / "stack_sweep.py"
    run = subprocess.run(["/usr/bin/python3", str(example), "--table-only"], capture_output=True, text=True,
                         check=True)
    rows = run.stdout.splitlines()[1:]
    assert [int(row.split()[0]) for row in rows] == [1, 2, 3, 4]
