#pragma once

#include <string>
#include <vector>

#include "support/json_reader.h"

// Runs the built zovamagnetic-cli as a script would: arguments passed verbatim
// (no shell), standard output and standard error captured apart.
namespace zova::test {

struct ToolRun {
    int exitCode = -1;
    std::string out;
    std::string err;
};

// Where the child's standard output goes: captured, a device that is always
// full, or nowhere (the descriptor closed).
enum class StdoutTo { Capture, DevFull, Closed };

ToolRun RunTool(const std::vector<std::string>& args, StdoutTo stdoutTo = StdoutTo::Capture);

// The run's standard output parsed as JSON, with nothing on standard error; a
// text that does not parse fails the test and gives an empty document.
Json JsonOf(const ToolRun& run);

// The lines of a text, each line feed ending one.
std::vector<std::string> LinesOf(const std::string& text);

}  // namespace zova::test
