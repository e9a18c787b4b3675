// The built tool with a standard output that takes nothing: a full device and a
// closed descriptor. A result that was not written must not end with the
// command's own code; a run that had nothing to write loses nothing.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli/tool_runner.h"
#include "commands/messages.h"
#include "support/named_case.h"

namespace zova {
namespace {

using test::RunTool;
using test::StdoutTo;

const std::string kFull = "zovamagnetic-cli: cannot write to standard output: No space left on device\n";
const std::string kClosed = "zovamagnetic-cli: cannot write to standard output: Bad file descriptor\n";

struct WriteCase {
    const char* name;
    std::vector<std::string> args;
    StdoutTo stdoutTo;
    int exitCode;
    std::string err;
};
ZOVA_PRINT_CASE_NAME(WriteCase)

class WriteFailures : public ::testing::TestWithParam<WriteCase> {};

TEST_P(WriteFailures, ReportedOnStandardErrorWithTheirOwnCode) {
    const WriteCase& c = GetParam();
    const test::ToolRun run = RunTool(c.args, c.stdoutTo);
    EXPECT_EQ(run.exitCode, c.exitCode);
    EXPECT_EQ(run.err, c.err);
}

INSTANTIATE_TEST_SUITE_P(
    Cli, WriteFailures,
    ::testing::Values(
        WriteCase{"oneLineToAFullDevice", {"inductance", "--core", "KTB130060", "--turns", "50"}, StdoutTo::DevFull,
                  74, kFull},
        // 203 lines: more than the stream buffers, so fwrite itself fails.
        WriteCase{"manyLinesToAFullDevice", {"select", "--current", "10", "--inductance", "100"}, StdoutTo::DevFull,
                  74, kFull},
        WriteCase{"helpToAClosedOutput", {"--help"}, StdoutTo::Closed, 74, kClosed},
        // Out of range still writes its JSON document; its message is kept.
        WriteCase{"messageKeptBeforeTheFailure",
                  {"select", "--current", "10", "--inductance", "100", "--stack", "0", "--format", "json"},
                  StdoutTo::DevFull, 74, std::string(Say(texts::messages::outOfRange)) + "\n" + kFull},
        WriteCase{"nothingToWriteToAFullDevice", {"select", "--current", "", "--inductance", "100"},
                  StdoutTo::DevFull, 2, std::string(Say(texts::messages::enterCurrent)) + "\n"},
        WriteCase{"nothingToWriteToAClosedOutput", {"cores", "--search", "KRB"}, StdoutTo::Closed, 0, ""}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace zova
