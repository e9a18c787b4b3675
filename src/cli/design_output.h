#pragma once

#include <string_view>

#include "cli/arguments.h"
#include "cli/commands.h"

// zovamagnetic-cli design, and the figures 'select --figures' adds.
namespace zova::cli {

inline constexpr std::string_view kDesignFormats[] = {"text", "json"};
inline constexpr OptionSpec kDesignOptions[] = {
    {.name = "core", .required = true},
    {.name = "turns", .required = true},
    {.name = "current", .required = true},
    {.name = "stack"},
    {.name = "format", .choices = kDesignFormats},
};

inline constexpr std::string_view kDesignSynopsis =
    "zovamagnetic-cli design --core PARTNO --turns TEXT --current TEXT [--stack TEXT] [--format text|json]";
inline constexpr std::string_view kDesignHelp = R"(The figures an engineer weighs when choosing a winding: inductance at the
current and at 0 A, field strength, permeability left, stored energy, the
wire (the selection's: sized at 8 A/mm², with its insulation allowance), its
nearest IEC 60317 R20 size and AWG gauge, window fill, the layers the turns
take on the hole's circumference, wire length, DC resistance and copper loss
at 20 °C and 100 °C, temperature rise in still air, the wound size, and the
inductance from 0 A to twice the current in 50 steps.

  --core PARTNO    an offered part number exactly as 'cores' lists it
  --turns TEXT     number of turns
  --current TEXT   DC peak current in A
  --stack TEXT     number of stacked cores (default "1")
  --format FORMAT  text (default) or json

The texts pass the inductance calculator's conversions and checks, with its
messages in its order (an unknown part number is refused where the core is
checked); then turns below 1, a current not above 0 and a stack below 1 are
refused. Refusals exit 2, out of range exits 3.

json: one object of the figures, null where a figure is undefined (the
winding does not fit the hole, no standard wire or gauge is thick enough).
)";

CliResult RunDesign(const Arguments& a);

}  // namespace zova::cli
