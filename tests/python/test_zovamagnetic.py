"""The Python module against the command-line tool of the same build.

Each row calls the module with numbers and the tool with the texts a user would
type for them; the answers (the tool's JSON, read by json.loads, and the
module's, its Candidate mappings made plain dicts with dict()) must be the same
objects, value for value and type for type, and a refusal the same message.
The tool is the program ZOVA_CLI names; PYTHONPATH holds the module.
"""

import ast
import doctest
import gc
import json
import locale
import math
import os
import re
import subprocess
from collections.abc import Mapping
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


def plain(value):
    """The module's answer in plain Python types: each Candidate as dict() makes it."""
    if isinstance(value, zm.Candidate):
        value = dict(value)
    if isinstance(value, dict):
        return {k: plain(v) for k, v in value.items()}
    if isinstance(value, list):
        return [plain(v) for v in value]
    return value


def module_outcome(call):
    try:
        return ("answer", exact(plain(call())))
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
CONVERTER = ["converter", "--format", "json"]

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
    ("design at 100 kHz with 1 A of ripple", lambda: zm.design("KTB130060", 50, 5, 2, frequency=100, ripple=1),
     DESIGN + ["--core", "KTB130060", "--turns", "50", "--current", "5", "--stack", "2", "--frequency", "100",
               "--ripple", "1"], whole),
    ("design at 0.5 kHz, no ripple, own loss fit",
     lambda: zm.design("KTA092060", 54, 10, frequency=0.5, loss_coefficients=(1.5, 2, 1.25)),
     DESIGN + ["--core", "KTA092060", "--turns", "54", "--current", "10", "--frequency", "0.5",
               "--loss-coefficients", "1.5,2,1.25"], whole),
    ("design at AC that does not fit the hole", lambda: zm.design("KTA014060", 200, 5, frequency=50, ripple=0.5),
     DESIGN + ["--core", "KTA014060", "--turns", "200", "--current", "5", "--frequency", "50", "--ripple", "0.5"],
     whole),
    ("design, ripple without a frequency", lambda: zm.design("KTA092060", 54, 10, ripple=1),
     DESIGN + ["--core", "KTA092060", "--turns", "54", "--current", "10", "--ripple", "1"], whole),
    ("design, frequency beyond range", lambda: zm.design("KTA092060", 54, 10, frequency=1e6),
     DESIGN + ["--core", "KTA092060", "--turns", "54", "--current", "10", "--frequency", "1e+06"], whole),
    ("design, negative ripple", lambda: zm.design("KTA092060", 54, 10, frequency=100, ripple=-1),
     DESIGN + ["--core", "KTA092060", "--turns", "54", "--current", "10", "--frequency", "100", "--ripple", "-1"],
     whole),
    ("design, a loss coefficient 0", lambda: zm.design("KTA092060", 54, 10, frequency=100, loss_coefficients=(0, 2, 1)),
     DESIGN + ["--core", "KTA092060", "--turns", "54", "--current", "10", "--frequency", "100",
               "--loss-coefficients", "0,2,1"], whole),
    # a converter's inductor
    ("buck converter", lambda: zm.converter("buck", 48, 12, 5, 100),
     CONVERTER + ["--topology", "buck", "--vin", "48", "--vout", "12", "--iout", "5", "--frequency", "100"], whole),
    ("boost converter for 47 µH by copper loss",
     lambda: zm.converter("boost", 12, 24, 2, 250, inductance=47, sort="copperLoss100"),
     CONVERTER + ["--topology", "boost", "--vin", "12", "--vout", "24", "--iout", "2", "--frequency", "250",
                  "--inductance", "47", "--sort", "copperLoss100"], whole),
    ("buck-boost on 2 cores, own loss fit, by layers",
     lambda: zm.converter("buck-boost", 24, 15, 3, 50, ripple_ratio=0.4, stack=2, sort="layers",
                          loss_coefficients=(2, 2.2, 1.3)),
     CONVERTER + ["--topology", "buck-boost", "--vin", "24", "--vout", "15", "--iout", "3", "--frequency", "50",
                  "--ripple-ratio", "0.4", "--stack", "2", "--sort", "layers", "--loss-coefficients", "2,2.2,1.3"],
     whole),
    ("buck converter, vout above vin", lambda: zm.converter("buck", 12, 48, 5, 100),
     CONVERTER + ["--topology", "buck", "--vin", "12", "--vout", "48", "--iout", "5", "--frequency", "100"], whole),
    ("converter, ripple ratio and inductance", lambda: zm.converter("buck", 48, 12, 5, 100, 0.3, 47),
     CONVERTER + ["--topology", "buck", "--vin", "48", "--vout", "12", "--iout", "5", "--frequency", "100",
                  "--ripple-ratio", "0.3", "--inductance", "47"], whole),
    ("converter, ripple ratio 3", lambda: zm.converter("boost", 12, 24, 2, 250, ripple_ratio=3),
     CONVERTER + ["--topology", "boost", "--vin", "12", "--vout", "24", "--iout", "2", "--frequency", "250",
                  "--ripple-ratio", "3"], whole),
    ("converter, stack 0", lambda: zm.converter("buck", 48, 12, 5, 100, stack=0),
     CONVERTER + ["--topology", "buck", "--vin", "48", "--vout", "12", "--iout", "5", "--frequency", "100",
                  "--stack", "0"], whole),
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
        zm.design("KTA092060", 54, 1e-45)
    # Numbers the workbench would refuse are refused in its words.
    with pytest.raises(zm.InputRefused, match="^绕线圈数必须是整数。$"):
        zm.design("KTA092060", 2.5, 10)
    assert zm.InputRefused.__module__ == "zovamagnetic"


@pytest.mark.parametrize("call, words", [
    pytest.param(lambda: zm.inductance("", 50, language="en"), "Sorry, please choose a core part number.",
                 id="calculator"),
    pytest.param(lambda: zm.design("KTA092060", 2.5, 10, language="en"), "The number of turns must be a whole number.",
                 id="design"),
    pytest.param(lambda: zm.converter("buck", 12, 24, 1, 100, language="en"),
                 "A buck converter's output voltage must be lower than its input voltage.", id="converter"),
])
def test_refusals_in_english_when_asked(call, words):
    with pytest.raises(zm.InputRefused, match="^" + re.escape(words) + "$"):
        call()
    # The language was the call's alone.
    with pytest.raises(zm.InputRefused, match="^对不起，请选择磁芯料号！$"):
        zm.inductance("", 50)


def test_an_unknown_language_is_a_value_error():
    with pytest.raises(ValueError, match="^language must be 'zh' or 'en', not 'fr'$") as refusal:
        zm.inductance("KTB130060", 50, language="fr")
    assert not isinstance(refusal.value, zm.InputRefused)


@pytest.mark.parametrize("kwargs, args", [
    pytest.param({}, [], id="ngspice"),
    pytest.param({"stack": 3, "dialect": "ltspice"}, ["--stack", "3", "--dialect", "ltspice"], id="ltspiceStack"),
    pytest.param({"with_losses": True, "current": 10, "frequency": 100, "ripple": 2.685},
                 ["--with-losses", "--current", "10", "--frequency", "100", "--ripple", "2.685"], id="losses"),
])
def test_spice_is_the_tools_model(kwargs, args):
    run = run_tool(["spice", "--core", "KTA106090", "--turns", "18", *args])
    assert run.returncode == 0 and run.stderr == ""
    assert zm.spice("KTA106090", 18, **kwargs) == run.stdout


def test_spice_refusals_are_the_designs():
    with pytest.raises(zm.InputRefused, match="^该磁芯没有直流偏置曲线"):
        zm.spice("KRA037125", 20)
    with pytest.raises(zm.InputRefused, match="^绕线圈数必须是整数。$"):
        zm.spice("KTA092060", 2.5)
    with pytest.raises(ValueError, match="dialect"):
        zm.spice("KTA092060", 54, dialect="spice3")


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


# The tool's JSON writes the shortest text of a single or a double (the C++
# standard's shortest form: fixed unless the exponent form is shorter); json.loads
# reads a text without a point or an exponent as an int. Worked by hand.
NUMBERS = [
    ("whole single", 100.0, True, 100),
    ("negative zero is the int 0", -0.0, False, 0),
    ("exponent form shorter: a float", 100000.0, True, 1e5),
    ("single read from its shortest text", 100.28274, True, 100.28274),
    ("single tenth", 0.1, True, 0.1),
    ("double as it is", 0.1 + 0.2, False, 0.30000000000000004),
    ("small double", 1e-07, False, 1e-07),
    ("2^60: the fixed form, shorter, is an int", 2.0**60, False, 2**60),
    ("beyond single precision is null", 1e39, True, None),
    ("not a number is null", math.nan, False, None),
]


@pytest.mark.parametrize("value, single, loaded", [row[1:] for row in NUMBERS], ids=[row[0] for row in NUMBERS])
def test_numbers_are_what_json_loads_reads(value, single, loaded):
    assert exact(_zovamagnetic._json_number(value, single)) == exact(loaded)


def test_converter_without_a_core_gives_its_operating_point_and_no_candidate():
    # Buck, 64 V to 16 V, 1 A out, 128 kHz, 1 H wanted (Erickson & Maksimović, ch. 2):
    # D = 16/64, I_L = 1 A, λ = (64 − 16) V × D ÷ 128 kHz = 93.75 V·µs,
    # r = λ ÷ (L I_L), ripple r I_L, peak I_L (1 + r/2). No core reaches 1 H.
    r = 93.75 / 1e6
    point = {"dutyCycle": 0.25, "inductorCurrent": 1, "voltSeconds": 93.75, "inductance": 1e6, "ripple": r,
             "peakCurrent": 1 + r / 2}
    assert exact(zm.converter("buck", 64, 16, 1, 128, inductance=1e6)) == exact(
        {"operatingPoint": point, "candidates": []})
    assert run_tool(CONVERTER + ["--topology", "buck", "--vin", "64", "--vout", "16", "--iout", "1",
                                 "--frequency", "128", "--inductance", "1e+06"]).returncode == 1


def test_converter_refuses_an_unknown_topology_and_sort():
    with pytest.raises(zm.InputRefused, match="^拓扑须为 buck（降压）、boost（升压）或 buck-boost（升降压）。$"):
        zm.converter("flyback", 48, 12, 5, 100)
    with pytest.raises(ValueError, match="^sort needs the key of a figure with a number") as refusal:
        zm.converter("buck", 48, 12, 5, 100, sort="partNo")
    assert not isinstance(refusal.value, zm.InputRefused)


MAPPING = [
    ("a key it has", lambda c: c["turns"], 54),
    ("in", lambda c: ("rolloff" in c, "frequency" in c, 1 in c), (True, False, False)),
    ("get", lambda c: (c.get("partNo"), c.get("frequency", "none")), ("KTA092060", "none")),
    ("equal to its dict, not to another's", lambda c: (c == dict(c), c == {}, c != dict(c)), (True, False, False)),
    ("keys, values and items agree", lambda c: list(zip(c.keys(), c.values())) == list(c.items()), True),
    ("reads the same twice", lambda c: c["rolloff"] == c["rolloff"] and c["rolloff"] is not c["rolloff"], True),
    ("len", lambda c: len(c) == len(list(c)) == len(dict(c)), True),
]


@pytest.mark.parametrize("read, expected", [row[1:] for row in MAPPING], ids=[row[0] for row in MAPPING])
def test_candidate_is_a_read_only_mapping(read, expected):
    candidate = zm.select(10, 100, figures=True)[0]
    assert isinstance(candidate, Mapping)
    assert read(candidate) == expected


def test_candidate_refuses_what_a_mapping_refuses():
    candidate = zm.select(10, 100)[0]
    for key in ["inductance", 1, None]:
        with pytest.raises(KeyError):
            candidate[key]  # noqa: B018 (the lookup is the test)
    with pytest.raises(TypeError):
        hash(candidate)
    with pytest.raises(TypeError):
        candidate["turns"] = 1
    with pytest.raises(TypeError):
        zm.Candidate()


@pytest.mark.parametrize("name", ["selection of stacks of 3 with figures", "design at 100 kHz with 1 A of ripple",
                                  "buck converter", "curve at two fields", "core"])
def test_answers_do_not_follow_a_comma_locale(name):
    _, call, args, pick = next(row for row in ROWS if row[0] == name)
    was = locale.setlocale(locale.LC_ALL)
    try:
        locale.setlocale(locale.LC_ALL, "de_DE.UTF-8")
    except locale.Error:
        pytest.skip("no de_DE.UTF-8 locale (CTest makes one under LOCPATH)")
    try:
        assert locale.localeconv()["decimal_point"] == ","
        assert module_outcome(call) == tool_outcome(args, pick)
    finally:
        locale.setlocale(locale.LC_ALL, was)


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


# The design texts every face reads alike (tests/session/design_cases.json):
# those that are numbers, given to the module as numbers, are accepted or
# refused as the tool accepts or refuses the same texts.
def design_cases():
    cases = json.loads((SOURCE / "tests/session/design_cases.json").read_text(encoding="utf-8"))["cases"]
    numeric = []
    for case in cases:
        boxes = case["boxes"]
        try:
            numbers = {k: float(v) for k, v in boxes.items() if k not in ("core", "lossCoefficients") and v != ""}
            coefficients = tuple(float(a) for a in boxes["lossCoefficients"].split(",")) if boxes.get("lossCoefficients") else None
        except ValueError:
            continue  # a text no number stands for: the module is given numbers only
        if coefficients is not None and len(coefficients) != 3:
            continue
        numeric.append(pytest.param(case, numbers, coefficients, id=case["name"]))
    return numeric


@pytest.mark.parametrize("case, numbers, coefficients", design_cases())
def test_design_texts_are_read_as_every_face_reads_them(case, numbers, coefficients):
    boxes = case["boxes"]
    args = ["design", "--core", boxes["core"]]
    for key, option in (("turns", "--turns"), ("current", "--current"), ("stack", "--stack"),
                        ("frequency", "--frequency"), ("ripple", "--ripple"), ("alTolerance", "--al-tolerance"),
                        ("hotLimit", "--hot-limit"), ("rollOffLimit", "--rolloff-limit")):
        if key in boxes:
            args += [option, boxes[key]]
    call = lambda: zm.design(boxes["core"], numbers["turns"], numbers["current"], numbers.get("stack", 1.0),
                             frequency=numbers.get("frequency"), ripple=numbers.get("ripple"),
                             loss_coefficients=coefficients, al_tolerance=numbers.get("alTolerance"),
                             hot_limit=numbers.get("hotLimit"), rolloff_limit=numbers.get("rollOffLimit"))
    if "refused" in case:
        with pytest.raises(zm.InputRefused, match="^" + re.escape(case["words"]) + "$"):
            call()
        return
    assert module_outcome(call) == tool_outcome(args + ["--format", "json"], whole)
