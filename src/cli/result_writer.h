#pragma once

#include <cstdio>

#include "cli/commands.h"

namespace zova::cli {

// Writes a run's standard output, then its standard error, to the given streams
// and returns the exit code: the run's own, or kExitWriteFailed (with a message
// on err) when the output could not be written in full, because a result
// that never arrived must not read as success.
int WriteResult(const CliResult& result, std::FILE* out, std::FILE* err);

}  // namespace zova::cli
