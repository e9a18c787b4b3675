// The tool's --lang: the library's texts in the language asked for, Chinese
// when none is asked for, and a code it does not know refused as a usage error.
// Each English sentence is written out here as an engineer reads it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli/tool_runner.h"
#include "support/named_case.h"

namespace zova {
namespace {

using test::RunTool;
using test::ToolRun;
using Args = std::vector<std::string>;

struct LanguageCase {
    const char* name;
    Args args;
    int exitCode;
    std::string out;
    std::string err;  // exact standard error, or its start when errIsPrefix
    bool errIsPrefix = false;
};
ZOVA_PRINT_CASE_NAME(LanguageCase)

class ToolLanguage : public ::testing::TestWithParam<LanguageCase> {};

TEST_P(ToolLanguage, SaysItsTextsInTheLanguageAskedFor) {
    const LanguageCase& c = GetParam();
    const ToolRun run = RunTool(c.args);
    EXPECT_EQ(run.exitCode, c.exitCode);
    EXPECT_EQ(run.out, c.out);
    if (c.errIsPrefix)
        EXPECT_TRUE(run.err.starts_with(c.err)) << run.err;
    else
        EXPECT_EQ(run.err, c.err);
}

INSTANTIATE_TEST_SUITE_P(
    Cli, ToolLanguage,
    ::testing::Values(
        LanguageCase{"inductanceNoTurns",
                     {"inductance", "--core", "KTB130060", "--turns", "", "--lang", "en"}, 2, "",
                     "Sorry, please enter the number of turns.\n"},
        // 50 turns on KTB130060 at 5 A give 126.920 µH; the number before its unit.
        LanguageCase{"inductanceResultWithTheEqualsForm",
                     {"inductance", "--lang=en", "--core", "KTB130060", "--turns", "50", "--current", "5"}, 0,
                     "Inductance: 126.920 μH\n", ""},
        LanguageCase{"selectNoCurrent", {"select", "--current", "", "--inductance", "100", "--lang", "en"}, 2, "",
                     "Sorry, please enter the current.\n"},
        LanguageCase{"designTurnsNotWhole",
                     {"design", "--core", "KTB130060", "--turns", "2.5", "--current", "5", "--lang", "en"}, 2, "",
                     "The number of turns must be a whole number.\n"},
        // The range's ends and unit fall where English puts them.
        LanguageCase{"designNoTurnsInRange",
                     {"design", "--core", "KTB130060", "--turns", "0", "--current", "5", "--lang", "en"}, 2, "",
                     "The number of turns must be between 1 and 32767 turns.\n"},
        LanguageCase{"converterBuckStepsUp",
                     {"converter", "--topology", "buck", "--vin", "12", "--vout", "24", "--iout", "1",
                      "--frequency", "100", "--lang", "en"},
                     2, "", "A buck converter's output voltage must be lower than its input voltage.\n"},
        LanguageCase{"converterNoOutputCurrent",
                     {"converter", "--topology", "boost", "--vin", "12", "--vout", "24", "--iout", "0",
                      "--frequency", "100", "--lang", "en"},
                     2, "", "The output current must be above 0 and at most 10000 A.\n"},
        LanguageCase{"designFileMissing",
                     {"design", "--open", "/nonexistent/zova.json", "--lang", "en"}, 2, "",
                     "Cannot open \"/nonexistent/zova.json\": the file does not exist.\n"},
        // Without --lang the tool says what it always said.
        LanguageCase{"chineseByDefault", {"inductance", "--core", "KTB130060", "--turns", ""}, 2, "",
                     "对不起，请输入绕线圈数！\n"},
        LanguageCase{"chineseAskedFor", {"select", "--current", "", "--inductance", "100", "--lang", "zh"}, 2, "",
                     "对不起，请输入电流！\n"},
        LanguageCase{"unknownCode",
                     {"inductance", "--core", "KTB130060", "--turns", "50", "--lang", "fr"}, 64, "",
                     "zovamagnetic-cli: --lang must be one of: zh, en\nUsage: zovamagnetic-cli inductance ", true},
        LanguageCase{"codeInCapitals", {"cores", "--lang=EN"}, 64, "",
                     "zovamagnetic-cli: --lang must be one of: zh, en\n", true}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace zova
