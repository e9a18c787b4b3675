// The parser on a command table shaped like the tool's: required and optional
// options, a choice, operands and a many-valued option.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli/arguments.h"
#include "support/named_case.h"

namespace zova::cli {
namespace {

constexpr std::string_view kFormats[] = {"text", "json"};
constexpr std::string_view kPartNo[] = {"PARTNO"};
constexpr std::string_view kSeriesPerm[] = {"SERIES", "PERM"};
constexpr OptionSpec kCalcOptions[] = {
    {.name = "core", .required = true},
    {.name = "turns", .required = true},
    {.name = "current"},
    {.name = "format", .choices = kFormats},
};
constexpr OptionSpec kCoreOptions[] = {{.name = "format", .choices = kFormats}};
constexpr OptionSpec kCurveOptions[] = {{.name = "at", .many = true}, {.name = "format", .choices = kFormats}};
constexpr CommandSpec kCommands[] = {
    {"inductance", kCalcOptions, {}},
    {"core", kCoreOptions, kPartNo},
    {"curve", kCurveOptions, kSeriesPerm},
};

struct ParseCase {
    const char* name;
    std::vector<std::string> args;
    std::string command;
    bool help;
    std::vector<std::string> operands;
    std::vector<std::pair<std::string, std::string>> options;
    std::string error;  // "" when the arguments are usable
};
ZOVA_PRINT_CASE_NAME(ParseCase)

using Opts = std::vector<std::pair<std::string, std::string>>;
using Strs = std::vector<std::string>;

class Parsing : public ::testing::TestWithParam<ParseCase> {};

TEST_P(Parsing, ReadsCommandOperandsAndOptions) {
    const ParseCase& c = GetParam();
    const ParseResult r = ParseArguments(c.args, kCommands);
    EXPECT_EQ(r.error, c.error);
    EXPECT_EQ(r.ok(), c.error.empty());
    if (!r.ok()) return;
    EXPECT_EQ(r.arguments.command, c.command);
    EXPECT_EQ(r.arguments.help, c.help);
    EXPECT_EQ(r.arguments.operands, c.operands);
    EXPECT_EQ(r.arguments.options, c.options);
}

INSTANTIATE_TEST_SUITE_P(
    Cli, Parsing,
    ::testing::Values(
        // Both spellings, and values taken as they stand.
        ParseCase{"spaceSeparated", {"inductance", "--core", "KTA014060", "--turns", "50"}, "inductance", false, {},
                  Opts{{"core", "KTA014060"}, {"turns", "50"}}, ""},
        ParseCase{"equalsForm", {"inductance", "--core=KTA014060", "--turns=50"}, "inductance", false, {},
                  Opts{{"core", "KTA014060"}, {"turns", "50"}}, ""},
        ParseCase{"emptyValues", {"inductance", "--core=", "--turns", ""}, "inductance", false, {},
                  Opts{{"core", ""}, {"turns", ""}}, ""},
        ParseCase{"blanksKept", {"inductance", "--core", " KTA ", "--turns= 5 "}, "inductance", false, {},
                  Opts{{"core", " KTA "}, {"turns", " 5 "}}, ""},
        ParseCase{"minusValue", {"inductance", "--current", "-2", "--core", "-", "--turns", "-h"}, "inductance", false,
                  {}, Opts{{"current", "-2"}, {"core", "-"}, {"turns", "-h"}}, ""},
        ParseCase{"optionLikeValue", {"inductance", "--core", "--turns", "--turns", "--"}, "inductance", false, {},
                  Opts{{"core", "--turns"}, {"turns", "--"}}, ""},
        ParseCase{"equalsInValue", {"inductance", "--core=a=b", "--turns=="}, "inductance", false, {},
                  Opts{{"core", "a=b"}, {"turns", "="}}, ""},
        ParseCase{"choiceAccepted", {"core", "KTA014060", "--format", "json"}, "core", false, Strs{"KTA014060"},
                  Opts{{"format", "json"}}, ""},
        // Operands.
        ParseCase{"emptyOperand", {"core", ""}, "core", false, Strs{""}, {}, ""},
        ParseCase{"loneDashIsOperand", {"core", "-"}, "core", false, Strs{"-"}, {}, ""},
        ParseCase{"doubleDashEndsOptions", {"core", "--", "--format"}, "core", false, Strs{"--format"}, {}, ""},
        ParseCase{"operandsAroundOptions", {"curve", "KTA", "--format", "text", "060"}, "curve", false,
                  Strs{"KTA", "060"}, Opts{{"format", "text"}}, ""},
        // A many-valued option takes arguments up to the next "--" one.
        ParseCase{"manyValues", {"curve", "KTA", "060", "--at", "10", "-5", "", "20"}, "curve", false,
                  Strs{"KTA", "060"}, Opts{{"at", "10"}, {"at", "-5"}, {"at", ""}, {"at", "20"}}, ""},
        ParseCase{"manyRepeated", {"curve", "KTA", "060", "--at=1", "2", "--at", "3"}, "curve", false,
                  Strs{"KTA", "060"}, Opts{{"at", "1"}, {"at", "2"}, {"at", "3"}}, ""},
        ParseCase{"manyStopsAtOption", {"curve", "KTA", "060", "--at", "1", "--format", "json"}, "curve", false,
                  Strs{"KTA", "060"}, Opts{{"at", "1"}, {"format", "json"}}, ""},
        ParseCase{"manySwallowsOperands", {"curve", "--at", "1", "KTA", "060"}, "", false, {}, {}, "missing SERIES"},
        // Help skips every check but the command name's.
        ParseCase{"toolHelp", {"--help", "--whatever"}, "", true, {}, {}, ""},
        ParseCase{"helpBeforeCommand", {"-h", "core", "A"}, "core", true, Strs{"A"}, {}, ""},
        ParseCase{"helpBeforeUnknownCommand", {"--help", "whatever"}, "", false, {}, {},
                  "unknown command 'whatever'"},
        ParseCase{"helpAsAValue", {"inductance", "--core", "--help", "--turns", "1"}, "inductance", false, {},
                  Opts{{"core", "--help"}, {"turns", "1"}}, ""},
        ParseCase{"toolShortHelp", {"-h"}, "", true, {}, {}, ""},
        ParseCase{"commandHelp", {"inductance", "--help"}, "inductance", true, {}, {}, ""},
        ParseCase{"commandShortHelp", {"core", "-h", "A", "B"}, "core", true, Strs{"A", "B"}, {}, ""},
        ParseCase{"helpSkipsTheOptionCheck", {"core", "--help", "--bogus"}, "core", true, {}, {}, ""},
        // Usage errors.
        ParseCase{"noArguments", {}, "", false, {}, {}, "missing command"},
        ParseCase{"unknownCommand", {"calc"}, "", false, {}, {}, "unknown command 'calc'"},
        ParseCase{"optionBeforeCommand", {"--core", "X"}, "", false, {}, {}, "unknown option '--core'"},
        ParseCase{"unknownOption", {"inductance", "--cores=X"}, "", false, {}, {}, "unknown option '--cores'"},
        ParseCase{"singleDashOption", {"core", "-x"}, "", false, {}, {}, "unknown option '-x'"},
        ParseCase{"helpWithValue", {"core", "--help=yes"}, "", false, {}, {}, "--help takes no value"},
        ParseCase{"toolHelpWithValue", {"--help=yes"}, "", false, {}, {}, "--help takes no value"},
        ParseCase{"firstFaultReported", {"core", "--bogus", "--format=csv", "-x"}, "", false, {}, {},
                  "unknown option '--bogus'"},
        ParseCase{"repeatedOption", {"inductance", "--turns", "1", "--turns=2"}, "", false, {}, {},
                  "--turns given more than once"},
        ParseCase{"valueMissingAtEnd", {"inductance", "--core", "X", "--turns"}, "", false, {}, {},
                  "--turns needs a value"},
        ParseCase{"requiredMissing", {"inductance", "--core", "X"}, "", false, {}, {}, "missing --turns"},
        ParseCase{"choiceRefused", {"core", "A", "--format=csv"}, "", false, {}, {},
                  "--format must be one of: text, json"},
        ParseCase{"choiceIsCaseSensitive", {"core", "A", "--format", "JSON"}, "", false, {}, {},
                  "--format must be one of: text, json"},
        ParseCase{"operandMissing", {"curve", "KTA"}, "", false, {}, {}, "missing PERM"},
        ParseCase{"operandExtra", {"core", "A", "B"}, "", false, {}, {}, "unexpected argument 'B'"},
        ParseCase{"operandWhereNoneTaken", {"inductance", "--core", "X", "--turns", "1", "KTA"}, "", false, {}, {},
                  "unexpected argument 'KTA'"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Arguments, ValueIsTheOneGivenValuesKeepOrder) {
    const ParseResult r = ParseArguments(Strs{"curve", "A", "B", "--at", "3", "1", "--at=2"}, kCommands);
    ASSERT_TRUE(r.ok()) << r.error;
    EXPECT_EQ(r.arguments.values("at"), (Strs{"3", "1", "2"}));
    EXPECT_EQ(r.arguments.values("format"), Strs{});
    EXPECT_EQ(r.arguments.value("format"), std::nullopt);
    EXPECT_EQ(r.arguments.value("at"), "3");
}

}  // namespace
}  // namespace zova::cli
