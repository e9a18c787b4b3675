"""Inductors on toroidal powder cores: the catalogue, the inductance calculator,
the core selection, the design figures (DC and switching), a DC-DC converter's
inductor and the DC-bias curves of zovamagnetic.

Every function takes numbers and checks them as the windows check the texts a
user types: a refusal raises InputRefused with the windows' message, an
arithmetic failure OutOfRange. Answers are what json.loads makes of
'zovamagnetic-cli ... --format json' for the same inputs, value for value; the
cores of select() and converter() are Candidate mappings, whose values are
made as they are read (dict(candidate) gives a plain dict). Units: current in
A, inductance in µH, lengths in mm, field strength in Oe, frequency in kHz.
Every function but cores() takes language="zh" (the default) or "en": the
language of its answer's texts and its refusals, for that call.

    >>> import zovamagnetic as zm
    >>> zm.inductance("KTB130060", 50, current=5)["text"]
    '电感量为：126.920μH'
"""

from ._zovamagnetic import (
    Candidate,
    InputRefused,
    OutOfRange,
    converter,
    core,
    cores,
    curve,
    design,
    inductance,
    select,
    spice,
)

__all__ = ["Candidate", "InputRefused", "OutOfRange", "converter", "core", "cores", "curve", "design", "inductance",
           "select", "spice"]
