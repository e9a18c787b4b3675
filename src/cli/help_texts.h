#pragma once

#include <string_view>

// The tool's help: its own page and, per command, a synopsis and a page.
namespace zova::cli::help {

inline constexpr std::string_view kToolPage = R"(Usage: zovamagnetic-cli COMMAND [OPTIONS]

The answers of the ZOVAMagnetic windows, for scripts. inductance and select
take every value as the text a user would type into the window's box, with
the same conversions and checks: turns "2.5" count as 2, an empty stack text
counts as 0 cores, and the messages are the windows' own. design and
converter read their values as the design workbench reads its boxes: as
typed, each within its range, refused in the workbench's words.

Commands:
  inductance   inductance of a winding on one core or a stack of cores
  select       the cores that reach an inductance at a peak current
  cores        the offered part numbers, optionally narrowed by a search text
  core         the details of one core
  curve        a DC-bias permeability curve
  design       the design figures of a winding: resistance, losses, layers, size
  converter    a converter's inductor: operating point, candidates by total loss
  spice        a circuit-simulator model of a winding, for ngspice or LTspice

Options are written --name VALUE or --name=VALUE. The value may be empty, hold
blanks or begin with "-" (--current -2). "--" ends the options.
'zovamagnetic-cli COMMAND --help' describes a command; --help (or -h) may
also stand before the command name, and runs nothing: the other options are
not checked.

Every command takes --lang zh|en: the language of the messages, refusals and
results it prints, Chinese (zh) by default or English (en); "--lang=en" as
any other option. JSON keys, the CSV header and design files are the same in
both languages, and the tool's own messages and this help stay English.
Another code is a usage error (exit 64).

Results go to standard output and messages to standard error, both UTF-8.
Exit codes: 0 result, 1 no core found (select), 2 input refused, 3 out of
calculation range, 64 usage error, 74 output not written (standard output
full or closed).
)";

inline constexpr std::string_view kInductanceSynopsis =
    "zovamagnetic-cli inductance --core PARTNO --turns TEXT [--current TEXT] [--stack TEXT] [--format text|json]";
inline constexpr std::string_view kInductance = R"(The inductance calculator: the inductance of a winding on one core, or on a
stack of identical cores, at a DC peak current.

  --core PARTNO    an offered part number exactly as 'cores' lists it;
                   "" stands for "no core selected"
  --turns TEXT     number of turns
  --current TEXT   DC peak current in A (default "0")
  --stack TEXT     number of stacked cores (default "1")
  --format FORMAT  text (default) or json
  --lang CODE      zh (default) or en: the language of the messages

The checks run in the calculator's order and the first that fails decides:
  1. the stack text is converted: a value outside -32768..32767 is out of
     range (exit 3) whatever the other options hold; an empty or non-numeric
     stack text counts as 0 cores;
  2. the core: "" gives "对不起，请选择磁芯料号！" and a text that is not an
     offered part number is refused as unknown (both exit 2); with --lang en
     "Sorry, please choose a core part number.";
  3. the turns, then the current: the calculator's messages (exit 2);
  4. the calculation: "电感量为：…μH" ("Inductance: … μH") (exit 0) or out of
     range (exit 3).
Turns and current are trimmed of blanks; the stack and core texts are not.

json: the texts given, the result text, and as numbers the turns, current,
stack count, the inductance of one core and of the stack (μH).
)";

inline constexpr std::string_view kSelectSynopsis =
    "zovamagnetic-cli select --current TEXT --inductance TEXT [--stack TEXT] [--format text|json|csv] [--figures]";
inline constexpr std::string_view kSelect = R"(The core selection: every offered core that reaches the inductance (μH) at the
DC peak current (A) and whose window holds the winding, one line per core in
catalogue order, its fields separated by two tabs as in the window's list.

  --current TEXT     DC peak current in A
  --inductance TEXT  wanted inductance of the whole stack in μH
  --stack TEXT       number of stacked cores (default "1")
  --format FORMAT    text (default), json, or csv with a header row
  --figures          json and csv: each core also carries its design figures
                     (see 'design') at its turns and the run's current and stack
  --lang CODE        zh (default) or en: the language of the messages

The texts are taken as they stand (not trimmed). The stack text is converted
first: an overflow there is out of range (exit 3) before any other check.
Then the selection's own checks (exit 2, message on standard error).
No core found: exit 1. Out of range during the run: the lines found before
it, then the message, exit 3.
)";

inline constexpr std::string_view kCoresSynopsis =
    "zovamagnetic-cli cores [--search TEXT]";
inline constexpr std::string_view kCores = R"(The part numbers the calculator's list shows for a search text (trimmed of
blanks, case-insensitive, found anywhere in the part number), one per line in
catalogue order. Without --search: all offered part numbers. A search that
matches nothing prints nothing and still exits 0.
)";

inline constexpr std::string_view kCoreSynopsis =
    "zovamagnetic-cli core PARTNO [--format text|json]";
inline constexpr std::string_view kCore = R"(The six lines of a core's details, as the calculator shows them. PARTNO is an
offered part number exactly as 'cores' lists it; another text is refused
(exit 2).

json: the six lines, and as numbers the coated outer and inner diameter and
height (mm), the inductance factor AL (nH) and the path length (cm).
)";

inline constexpr std::string_view kCurveSynopsis =
    "zovamagnetic-cli curve SERIES PERM [--at H...] [--format text|json]";
inline constexpr std::string_view kCurve = R"(A DC-bias permeability curve, e.g. 'curve KTA 060'. Without --at: its 45
points, field strength H (Oe) and percent of the initial permeability, in two
columns separated by a tab. With --at: the percentage at each H given, one per
line, in the order given. "--at 10 20" is the same as "--at 10 --at 20".

An unknown curve or an H that is not a number is refused (exit 2); an H
beyond the single-precision range is out of range (exit 3).

json: {"series": …, "perm": …, "points": [{"h": …, "percent": …}, …]}.
)";

inline constexpr std::string_view kDesignSynopsis =
    "zovamagnetic-cli design (--core PARTNO --turns TEXT --current TEXT [--stack TEXT] [--frequency KHZ "
    "[--ripple APP]] [--loss-coefficients A,B,C] [--al-tolerance PCT] [--hot-limit K] [--rolloff-limit PCT] "
    "[--save FILE] | --open FILE) [--format text|json]";
inline constexpr std::string_view kDesign = R"(The figures an engineer weighs when choosing a winding: inductance at the
current and at 0 A, field strength, permeability left, stored energy, the
wire (the selection's: sized at 8 A/mm², with its insulation allowance), its
nearest IEC 60317 R20 size and AWG gauge, window fill, the layers the turns
take on the hole's circumference, wire length, DC resistance and copper loss
at 20 °C and 100 °C, temperature rise in still air, the wound size, and the
inductance from 0 A to twice the current in 50 steps. With a switching
frequency: the ripple's peak current, flux swing and peak flux density, core
loss (Steinmetz fit of the core's material), AC copper loss (Dowell), total
loss and the temperature rise it gives.

  --core PARTNO    an offered part number as 'cores' lists it (either case)
  --turns TEXT     number of turns, whole, 1 to 32767
  --current TEXT   DC current in A (the DC part when a ripple rides on it),
                   above 0 and at most 10000
  --stack TEXT     number of stacked cores, whole, 1 to 32767 (default "1")
  --frequency KHZ  switching frequency in kHz (0.001 to 100000)
  --ripple APP     ripple current in A peak to peak, 0 to 20000 (default 0;
                   needs --frequency)
  --loss-coefficients A,B,C
                   a core-loss fit of your own, P = A × B^B × f^C (mW/cm³,
                   peak flux density in T, f in kHz), for the material's
  --al-tolerance PCT
                   how far below its nominal AL a core may be, 0 to 30 %
                   (default 8, the makers' usual tolerance): inductanceMin
                   and rippleMax are the worst case's
  --hot-limit K    the temperature rise warned above (default 60)
  --rolloff-limit PCT
                   the permeability left at the peak current warned below,
                   0 to 100 % (default 50)
  --save FILE      also keep the design in FILE (a design file: the inputs
                   and the figures; written whole or not at all, exit 74
                   when it cannot be written)
  --open FILE      the design kept in FILE instead of the options above: its
                   figures recomputed (a note says which differ from the
                   file's); a file that is not a readable design exits 2
  --format FORMAT  text (default) or json
  --lang CODE      zh (default) or en: the language of the refusals, the
                   warnings and the text table

The values are read in the order above, as the workbench reads its boxes:
blanks around a value are ignored; a text that is not a decimal number
("1,5", "2A"), a count that is not whole (turns "2.5") or a value outside its
range is refused with the workbench's sentence, and so is a design file whose
inputs it would refuse. Refusals exit 2, out of range exits 3.

json: one object of the figures, null where a figure is undefined (the
winding does not fit the hole, no standard wire or gauge is thick enough, no
frequency for the skin depth and the AC resistance), then "warnings": a list
of {"key", "text"} (hot, deepRollOff, nearSaturation, beyondCurve,
noBiasCurve), each a sentence naming the figure and its limit.
)";

inline constexpr std::string_view kConverterSynopsis =
    "zovamagnetic-cli converter --topology buck|boost|buck-boost --vin V --vout V --iout A --frequency KHZ "
    "[--ripple-ratio R | --inductance UH] [--stack K] [--loss-coefficients A,B,C] [--al-tolerance PCT] "
    "[--hot-limit K] [--rolloff-limit PCT] [--format text|json|csv] [--sort KEY] [--hide-warned]";
inline constexpr std::string_view kConverter = R"(The inductor of a DC-DC converter in continuous conduction with ideal
switches: its operating point (duty cycle, DC current, volt-seconds,
inductance, ripple, peak current), then the core selection run on that peak
current and inductance, and every candidate's DC and AC figures at its own
turns, the inductor's DC current and the converter's volt-seconds (each
candidate's ripple follows from its own inductance).

  --topology T     buck (Vout < Vin), boost (Vout > Vin) or buck-boost
                   (inverting; Vout is its magnitude)
  --vin V, --vout V
                   input and output voltage, 0.1 to 10000
  --iout A         output current, above 0 and at most 10000
  --frequency KHZ  switching frequency in kHz (0.001 to 100000)
  --ripple-ratio R ripple over the inductor's DC current, above 0 and at
                   most 2 (default 0.3); or
  --inductance UH  the inductance wanted, from which the ratio follows
  --stack K        number of stacked cores, whole, 1 to 32767 (default "1")
  --loss-coefficients A,B,C
                   a core-loss fit of your own for every candidate
  --al-tolerance PCT, --hot-limit K, --rolloff-limit PCT
                   the margins every candidate is judged by, as for design
  --format FORMAT  text (default), json or csv
  --sort KEY       the figure the candidates are ordered by, rising
                   (default totalLoss): those that raise no warning first,
                   then those that do, each part in that order; a candidate
                   without the figure comes last in its part, ties keep the
                   catalogue's order
  --hide-warned    leave out the candidates that raise a warning
  --lang CODE      zh (default) or en: the language of the refusals and texts

Refusals exit 2 (one line in the language of --lang), no core found exits 1, out of range 3.
)";

inline constexpr std::string_view kSpiceSynopsis =
    "zovamagnetic-cli spice --core PARTNO --turns TEXT [--stack TEXT] [--dialect ngspice|ltspice] "
    "[--with-losses --current A [--frequency KHZ --ripple APP]] [--output FILE]";
inline constexpr std::string_view kSpice = R"(A circuit-simulator model of a winding: a two-pin subcircuit (pins 1 and 2)
named after the core, the turns and the stack (KTA092060_54T, KTA092060_54T_3S),
whose inductance follows the winding's inductance against DC current as
'design' computes it from the maker's DC-bias curve, from 0 A to the current
at which the field reaches the curve's top point (1000 Oe), constant beyond.
A comment header names the program, the core, the turns, the stack, the curve
and where the model holds.

  --core PARTNO    an offered part number as 'cores' lists it (either case);
                   a core without a DC-bias curve is refused
  --turns TEXT     number of turns, whole, 1 to 32767
  --stack TEXT     number of stacked cores, whole, 1 to 32767 (default "1")
  --dialect D      ngspice (default): an inductor whose value is a piecewise-
                   linear table of the inductance against the current;
                   ltspice: the arbitrary inductor, Flux= a table of the flux
                   linkage (the integral of the inductance) against the current
  --with-losses    the winding's DC resistance at 100 °C in series (the wire
                   is sized for --current, the DC current in A); with
                   --frequency (kHz) and --ripple (A peak to peak) also a
                   resistance across the inductance that dissipates the core
                   loss 'design' gives at that operating point, and only there
  --output FILE    write the model to FILE (whole or not at all, exit 74 when
                   it cannot be written) instead of standard output
  --lang CODE      zh (default) or en: the language of the refusals

The values are read as 'design' reads them and refused in its words (exit 2);
out of range exits 3.
)";

}  // namespace zova::cli::help
