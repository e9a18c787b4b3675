#pragma once

#include <stdexcept>
#include <string>

#include "cli/commands.h"

// What the module raises when an input is refused or a calculation fails:
// zovamagnetic.InputRefused and zovamagnetic.OutOfRange (module.cpp registers them).
namespace zova::python {

// A check of the inputs failed: what() is the windows' message (UTF-8), or the
// tool's for an unknown part number or curve.
class InputRefusedError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// An arithmetic failure: what() is "超出计算范围，请您调整计算参数。".
class OutOfRangeError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The refusal of one of the tool's own messages (an unknown part number or
// curve), without the tool's name before it and the line feed after it.
[[noreturn]] inline void RefuseAsTheTool(const cli::CliResult& refusal) {
    constexpr std::string_view kToolPrefix = "zovamagnetic-cli: ";
    std::string_view m = refusal.err;
    if (m.ends_with('\n')) m.remove_suffix(1);
    if (m.starts_with(kToolPrefix)) m.remove_prefix(kToolPrefix.size());
    throw InputRefusedError(std::string(m));
}

}  // namespace zova::python
