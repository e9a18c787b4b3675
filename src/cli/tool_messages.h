#pragma once

#include <string>
#include <string_view>

#include "cli/commands.h"

// Refusals of the tool, on standard error. Every text a script passed in is
// shown through text::ShownArgument, so that no control byte reaches the terminal.
namespace zova::cli {

// `message` and a line feed on standard error.
CliResult Failure(int code, std::string_view message);

// "zovamagnetic-cli: " + message, for the tool's own (English) messages.
CliResult ToolFailure(int code, const std::string& message);

// A usage error of a command ("" for the tool itself): the error, the synopsis
// and where to read more; exit 64.
CliResult UsageError(const std::string& command, const std::string& error);

// A part number that no offered core has: exit 2.
CliResult UnknownCore(std::string_view partNo);

// No bias curve for a series and permeability code: exit 2, the known curves listed.
CliResult UnknownCurve(std::string_view series, std::string_view perm);

// A field strength given to 'curve --at' that is not a number: exit 2.
CliResult FieldNotNumeric(std::string_view text);

}  // namespace zova::cli
