#pragma once

#include <string_view>

#include "cli/arguments.h"
#include "cli/commands.h"

// zovamagnetic-cli design and converter.
namespace zova::cli {

inline constexpr std::string_view kDesignFormats[] = {"text", "json"};
inline constexpr OptionSpec kDesignOptions[] = {
    {.name = "core", .required = true},
    {.name = "turns", .required = true},
    {.name = "current", .required = true},
    {.name = "stack"},
    {.name = "format", .choices = kDesignFormats},
    {.name = "frequency"},
    {.name = "ripple"},
    {.name = "loss-coefficients"},
};

inline constexpr std::string_view kTopologies[] = {"buck", "boost", "buck-boost"};
inline constexpr std::string_view kConverterFormats[] = {"text", "json", "csv"};
inline constexpr OptionSpec kConverterOptions[] = {
    {.name = "topology", .required = true, .choices = kTopologies},
    {.name = "vin", .required = true},
    {.name = "vout", .required = true},
    {.name = "iout", .required = true},
    {.name = "frequency", .required = true},
    {.name = "ripple-ratio"},
    {.name = "inductance"},
    {.name = "stack"},
    {.name = "loss-coefficients"},
    {.name = "format", .choices = kConverterFormats},
    {.name = "sort"},
};


CliResult RunDesign(const Arguments& a);
CliResult RunConverter(const Arguments& a);

}  // namespace zova::cli
