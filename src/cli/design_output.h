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


CliResult RunDesign(const Arguments& a);

}  // namespace zova::cli
