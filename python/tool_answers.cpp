#include "tool_answers.h"

#include <string_view>

#include "cli/commands.h"
#include "json_objects.h"
#include "text/number_text.h"

namespace zova::python {
namespace {

// The tool names itself before its own messages (an unknown part number or
// curve); the windows' messages stand alone.
constexpr std::string_view kToolPrefix = "zovamagnetic-cli: ";

std::string messageOf(const cli::CliResult& r) {
    std::string_view m = r.err;
    if (m.ends_with('\n')) m.remove_suffix(1);
    if (m.starts_with(kToolPrefix)) m.remove_prefix(kToolPrefix.size());
    return std::string(m);
}

}  // namespace

std::string NumberText(double v) { return text::ShortestText(v); }

ToolAnswer RunTool(const std::vector<std::string>& args) {
    cli::CliResult r;
    {
        pybind11::gil_scoped_release unlocked;
        r = cli::RunCli(args);
    }
    switch (r.exitCode) {
        case cli::kExitOk:
            return {AnswerEnd::Answer, std::move(r.out)};
        case cli::kExitNoResult:
            return {AnswerEnd::NoResult, {}};
        case cli::kExitRefused:
            throw InputRefusedError(messageOf(r));
        case cli::kExitOutOfRange:
            // select writes the lines it found before the failure; the module
            // reports the failure alone.
            throw OutOfRangeError(messageOf(r));
        default:
            break;
    }
    std::string command;
    for (const std::string& a : args) command += " " + a;
    throw std::logic_error("zovamagnetic-cli" + command + ": exit " + std::to_string(r.exitCode) + ": " +
                           messageOf(r));
}

pybind11::object JsonAnswer(const std::vector<std::string>& args) {
    const ToolAnswer answer = RunTool(args);
    if (answer.end != AnswerEnd::Answer) throw std::logic_error("zovamagnetic-cli " + args.at(0) + ": no answer");
    return JsonToPython(answer.out);
}

}  // namespace zova::python
