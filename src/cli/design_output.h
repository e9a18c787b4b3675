#pragma once

#include <string_view>

#include "cli/arguments.h"
#include "cli/commands.h"
#include "design/converter.h"

// zovamagnetic-cli design and converter.
namespace zova::cli {

inline constexpr std::string_view kDesignFormats[] = {"text", "json"};
inline constexpr OptionSpec kDesignOptions[] = {
    {.name = "core", .required = true, .replacedBy = "open"},
    {.name = "turns", .required = true, .replacedBy = "open"},
    {.name = "current", .required = true, .replacedBy = "open"},
    {.name = "stack", .replacedBy = "open"},
    {.name = "format", .choices = kDesignFormats},
    {.name = "frequency", .replacedBy = "open"},
    {.name = "ripple", .replacedBy = "open"},
    {.name = "loss-coefficients", .replacedBy = "open"},
    {.name = "al-tolerance", .replacedBy = "open"},
    {.name = "hot-limit", .replacedBy = "open"},
    {.name = "rolloff-limit", .replacedBy = "open"},
    {.name = "save"},
    {.name = "open"},
    kLanguageOption,
};

inline constexpr std::string_view kConverterFormats[] = {"text", "json", "csv"};
inline constexpr OptionSpec kConverterOptions[] = {
    {.name = "topology", .required = true, .choices = kTopologyNames},
    {.name = "vin", .required = true},
    {.name = "vout", .required = true},
    {.name = "iout", .required = true},
    {.name = "frequency", .required = true},
    {.name = "ripple-ratio"},
    {.name = "inductance"},
    {.name = "stack"},
    {.name = "loss-coefficients"},
    {.name = "al-tolerance"},
    {.name = "hot-limit"},
    {.name = "rolloff-limit"},
    {.name = "format", .choices = kConverterFormats},
    {.name = "sort"},
    {.name = "hide-warned", .flag = true},
    kLanguageOption,
};

inline constexpr std::string_view kSpiceDialects[] = {"ngspice", "ltspice"};
inline constexpr OptionSpec kSpiceOptions[] = {
    {.name = "core", .required = true},
    {.name = "turns", .required = true},
    {.name = "stack"},
    {.name = "dialect", .choices = kSpiceDialects},
    {.name = "with-losses", .flag = true},
    {.name = "current"},
    {.name = "frequency"},
    {.name = "ripple"},
    {.name = "output"},
    kLanguageOption,
};

CliResult RunDesign(const Arguments& a);
CliResult RunSpice(const Arguments& a);
CliResult RunConverter(const Arguments& a);

}  // namespace zova::cli
