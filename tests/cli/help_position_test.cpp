// --help (or -h) asks for help wherever it stands, before or after the command
// name: it shows the command's help (the tool's without a command) and runs
// nothing, so no other option is checked. Two things are refused either way: a
// command name that names no command, and --help with a value. Each row holds
// two argument lists that must end alike.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli/commands.h"
#include "support/named_case.h"

namespace zova::cli {
namespace {

using Args = std::vector<std::string>;

struct HelpCase {
    const char* name;
    Args first;
    Args second;
    int exitCode;
    std::string outStart;  // "" when nothing is printed
    std::string errLine;   // first line of standard error
};
ZOVA_PRINT_CASE_NAME(HelpCase)

std::string firstLine(const std::string& s) { return s.substr(0, s.find('\n')); }

class HelpPosition : public ::testing::TestWithParam<HelpCase> {};

TEST_P(HelpPosition, EndsAlikeBeforeAndAfter) {
    const HelpCase& c = GetParam();
    for (const Args& args : {c.first, c.second}) {
        const CliResult r = RunCli(args);
        EXPECT_EQ(r.exitCode, c.exitCode) << args[0];
        EXPECT_TRUE(r.out.starts_with(c.outStart) && r.out.empty() == c.outStart.empty()) << r.out;
        EXPECT_EQ(firstLine(r.err), c.errLine) << args[0];
    }
    EXPECT_EQ(RunCli(c.first).out, RunCli(c.second).out);
}

INSTANTIATE_TEST_SUITE_P(
    Cli, HelpPosition,
    ::testing::Values(
        HelpCase{"toolHelpUnknownOption", {"--help", "--bogus"}, {"--bogus", "--help"}, 0,
                 "Usage: zovamagnetic-cli COMMAND [OPTIONS]\n", ""},
        HelpCase{"commandHelpUnknownOption", {"--help", "core", "--bogus"}, {"core", "--help", "--bogus"}, 0,
                 "Usage: zovamagnetic-cli core PARTNO", ""},
        HelpCase{"commandHelpMissingOperand", {"-h", "curve", "KTA"}, {"curve", "KTA", "-h"}, 0,
                 "Usage: zovamagnetic-cli curve SERIES PERM", ""},
        HelpCase{"commandHelpBadChoice", {"--help", "select", "--format=xml"}, {"select", "--format=xml", "--help"},
                 0, "Usage: zovamagnetic-cli select ", ""},
        HelpCase{"helpWithValue", {"--help=x"}, {"core", "--help=x"}, 64, "",
                 "zovamagnetic-cli: --help takes no value"},
        HelpCase{"helpWithValueBesideHelp", {"--help=x", "select"}, {"select", "--help=", "--current", "1"}, 64, "",
                 "zovamagnetic-cli: --help takes no value"},
        HelpCase{"unknownCommand", {"--help", "calc"}, {"calc", "--help"}, 64, "",
                 "zovamagnetic-cli: unknown command 'calc'"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace zova::cli
