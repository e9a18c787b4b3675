"""Type stubs of zovamagnetic. Units: current in A, inductance in µH, lengths in
mm, field strength in Oe. The keys of the dicts are those of
'zovamagnetic-cli ... --format json' (see the README's table of design figures)."""

from typing import Any, Sequence

class InputRefused(ValueError):
    """An input was refused; the message is the windows' own, or names an
    unknown part number or curve."""

class OutOfRange(ArithmeticError):
    """A calculation left the range of its numbers: '超出计算范围，请您调整计算参数。'."""

def cores(search: str = "") -> list[str]:
    """Part numbers the calculator's list offers for a search text, in catalogue order."""

def core(part_no: str) -> dict[str, Any]:
    """partNo, lines (the six lines of the details), coatedOD, coatedID,
    coatedHeight (mm), AL (nH/turn²), pathLength (cm)."""

def inductance(core: str, turns: float, current: float = 0, stack: float = 1) -> dict[str, Any]:
    """The calculator at a DC peak current (A): core, turnsText, currentText,
    stackText, text, turns, current, stack, perCore and inductance (µH)."""

def select(current: float, inductance: float, stack: float = 1, figures: bool = False) -> list[dict[str, Any]]:
    """Cores reaching `inductance` µH at `current` A: line, partNo, coatedOD,
    coatedID, coatedHeight (mm), turns, wire; with figures=True also design()'s
    keys. An empty list when no core qualifies."""

def design(core: str, turns: float, current: float, stack: float = 1) -> dict[str, Any]:
    """The design figures of a winding at a DC current (A), keyed as
    'zovamagnetic-cli design --format json'; None where undefined."""

def curve(series: str, perm: str, at: float | Sequence[float] | None = None) -> dict[str, Any]:
    """series, perm and points ({h: Oe, percent: %}): the curve's 45 points, or
    one per field strength in `at`."""
