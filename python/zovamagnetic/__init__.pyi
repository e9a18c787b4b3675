"""Type stubs of zovamagnetic. Units: current in A, inductance in µH, lengths in
mm, field strength in Oe, frequency in kHz. The keys of the dicts and of the
Candidate mappings are those of 'zovamagnetic-cli ... --format json' (see the
README's table of design figures). `language` is 'zh' (the default) or 'en':
the language of the answer's texts and of the refusals, as the tool's --lang;
another code raises ValueError."""

from typing import Any, Iterator, Mapping, Sequence

class InputRefused(ValueError):
    """An input was refused; the message is the windows' own in the call's
    language, or names an unknown part number or curve."""

class OutOfRange(ArithmeticError):
    """A calculation left the range of its numbers: '超出计算范围，请您调整计算参数。'."""

class Candidate(Mapping[str, Any]):
    """One core a selection or a converter listed: a read-only mapping keyed and
    ordered as the tool's JSON object of it, each value made when it is read;
    dict(candidate) gives a plain dict."""
    def __getitem__(self, key: str) -> Any: ...
    def __iter__(self) -> Iterator[str]: ...
    def __len__(self) -> int: ...

def cores(search: str = "") -> list[str]:
    """Part numbers the calculator's list offers for a search text, in catalogue order."""

def core(part_no: str, language: str = "zh") -> dict[str, Any]:
    """partNo, lines (the six lines of the details), coatedOD, coatedID,
    coatedHeight (mm), AL (nH/turn²), pathLength (cm)."""

def inductance(core: str, turns: float, current: float = 0, stack: float = 1, language: str = "zh") -> dict[str, Any]:
    """The calculator at a DC peak current (A): core, turnsText, currentText,
    stackText, text, turns, current, stack, perCore and inductance (µH)."""

def select(current: float, inductance: float, stack: float = 1, figures: bool = False,
           language: str = "zh") -> list[Candidate]:
    """Cores reaching `inductance` µH at `current` A: line, partNo, coatedOD,
    coatedID, coatedHeight (mm), turns, wire; with figures=True also design()'s
    keys. An empty list when no core qualifies."""

def design(core: str, turns: float, current: float, stack: float = 1, frequency: float | None = None,
           ripple: float | None = None,
           loss_coefficients: tuple[float, float, float] | None = None, al_tolerance: float | None = None,
           hot_limit: float | None = None, rolloff_limit: float | None = None, language: str = "zh") -> dict[str, Any]:
    """The design figures of a winding at a DC current (A), keyed as
    'zovamagnetic-cli design --format json'; with a switching frequency (kHz) and
    a ripple (A peak to peak) also the AC figures, with the material's core-loss
    fit or (a, b, c) of your own (P = a × B^b × f^c, mW/cm³, T, kHz). None
    where undefined. 'warnings' lists what the figures raise at the margins:
    the AL tolerance (%, default 8), the temperature rise warned above (K,
    default 60) and the permeability left at the peak warned below (%, 50)."""

def spice(core: str, turns: float, stack: float = 1, dialect: str = "ngspice", with_losses: bool = False,
          current: float | None = None, frequency: float | None = None, ripple: float | None = None,
          language: str = "zh") -> str:
    """A circuit-simulator model of the winding as the text of a two-pin
    subcircuit, 'ngspice' or 'ltspice', as 'zovamagnetic-cli spice' writes it;
    with losses the DC resistance at 100 °C (wire sized for `current`, A) and,
    with a frequency (kHz) and ripple (A peak to peak), the core loss there."""

def converter(topology: str, vin: float, vout: float, iout: float, frequency: float,
              ripple_ratio: float | None = None, inductance: float | None = None, stack: float = 1,
              sort: str = "totalLoss",
              loss_coefficients: tuple[float, float, float] | None = None, al_tolerance: float | None = None,
              hot_limit: float | None = None, rolloff_limit: float | None = None,
              hide_warned: bool = False, language: str = "zh") -> dict[str, Any]:
    """A DC-DC converter's inductor ('buck', 'boost', 'buck-boost'; V, A, kHz;
    a ripple ratio or the inductance in µH): {'operatingPoint': dict,
    'candidates': list[Candidate]} ordered by the figure `sort` names, those
    without a warning first (the others left out with hide_warned), as
    'zovamagnetic-cli converter --format json'."""

def curve(series: str, perm: str, at: float | Sequence[float] | None = None, language: str = "zh") -> dict[str, Any]:
    """series, perm and points ({h: Oe, percent: %}): the curve's 45 points, or
    one per field strength in `at`."""
