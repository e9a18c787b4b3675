"""Inductors on toroidal powder cores: the catalogue, the inductance calculator,
the core selection, the design figures and the DC-bias curves of zovamagnetic.

Every function takes numbers and checks them as the windows check the texts a
user types: a refusal raises InputRefused with the windows' message, an
arithmetic failure OutOfRange. Answers are the dicts and lists that
'zovamagnetic-cli ... --format json' writes. Units: current in A, inductance in
µH, lengths in mm, field strength in Oe.

    >>> import zovamagnetic as zm
    >>> zm.inductance("KTB130060", 50, current=5)["text"]
    '电感量为：126.920μH'
"""

from ._zovamagnetic import (
    InputRefused,
    OutOfRange,
    core,
    cores,
    curve,
    design,
    inductance,
    select,
)

__all__ = ["InputRefused", "OutOfRange", "core", "cores", "curve", "design", "inductance", "select"]
