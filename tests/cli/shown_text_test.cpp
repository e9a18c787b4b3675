// Arguments as the tool's messages repeat them: through ShownArgument alone, and
// through the tool's refusals of an option, a command, a part number and a
// curve. Expected texts written by hand from the escaping rule.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli/commands.h"
#include "cli/shown_text.h"
#include "support/named_case.h"

namespace zova::cli {
namespace {

struct ShownCase {
    const char* name;
    std::string given;
    std::string shown;
};
ZOVA_PRINT_CASE_NAME(ShownCase)

class Shown : public ::testing::TestWithParam<ShownCase> {};

TEST_P(Shown, PrintsAsPlainText) { EXPECT_EQ(ShownArgument(GetParam().given), GetParam().shown); }

INSTANTIATE_TEST_SUITE_P(
    Cli, Shown,
    ::testing::Values(ShownCase{"plain", "KTA014060", "KTA014060"},
                      ShownCase{"chineseKept", "磁芯μ", "磁芯μ"},
                      ShownCase{"escapeSequence", "\x1b]0;owned\x07\x1b[2J", "\\x1b]0;owned\\x07\\x1b[2J"},
                      ShownCase{"lineBreaksAndTab", "a\r\nb\tc", "a\\x0d\\x0ab\\x09c"},
                      ShownCase{"nulAndDelete", std::string("a\0b\x7f", 4), "a\\x00b\\x7f"},
                      ShownCase{"c1ControlSequenceIntroducer", "\xc2\x9b" "31m", "\\xc2\\x9b31m"},
                      ShownCase{"firstCharacterAfterC1", "\xc2\xa0", "\xc2\xa0"},
                      ShownCase{"latin1Byte", "caf\xe9", "caf\\xe9"},
                      ShownCase{"truncatedSequence", "\xe7\xa3", "\\xe7\\xa3"},
                      ShownCase{"overlongSlash", "\xc0\xaf", "\\xc0\\xaf"},
                      ShownCase{"surrogate", "\xed\xa0\x80", "\\xed\\xa0\\x80"},
                      ShownCase{"backslashDoubled", "a\\x1b", "a\\\\x1b"}),
    [](const auto& info) { return std::string(info.param.name); });

struct RefusalCase {
    const char* name;
    std::vector<std::string> args;
    std::string firstLine;
};
ZOVA_PRINT_CASE_NAME(RefusalCase)

class RepeatedArguments : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(RepeatedArguments, AreEscapedInTheMessage) {
    const CliResult r = RunCli(GetParam().args);
    EXPECT_NE(r.exitCode, kExitOk);
    EXPECT_EQ(r.err.substr(0, r.err.find('\n')), GetParam().firstLine);
}

INSTANTIATE_TEST_SUITE_P(
    Cli, RepeatedArguments,
    ::testing::Values(
        RefusalCase{"unknownCommand", {"\x1b[31mcalc"}, "zovamagnetic-cli: unknown command '\\x1b[31mcalc'"},
        RefusalCase{"unknownToolOption", {"-\x1b"}, "zovamagnetic-cli: unknown option '-\\x1b'"},
        RefusalCase{"unknownOption", {"cores", "--\xff=1"}, "zovamagnetic-cli: unknown option '--\\xff'"},
        RefusalCase{"extraOperand", {"core", "A", "B\n"}, "zovamagnetic-cli: unexpected argument 'B\\x0a'"},
        RefusalCase{"unknownPartNumber", {"core", "KTA\x1b[8m"},
                    "zovamagnetic-cli: unknown part number 'KTA\\x1b[8m' (see 'zovamagnetic-cli cores')"},
        RefusalCase{"unknownCurve", {"curve", "K\x07", "0\x9b"},
                    "zovamagnetic-cli: no curve for series 'K\\x07' and permeability '0\\x9b' (curves: KTB 026, "
                    "KTB 060, KTB 075, KTB 090, KTB 125, KTB 147, KTB 160, KTB 173, KTA 026, KTA 060, KTA 075, "
                    "KTA 090, KTA 125, KRA 026, KRA 060, KRA 075, KRA 090)"},
        RefusalCase{"fieldNotANumber", {"curve", "KTA", "060", "--at", "1\x1b"},
                    "zovamagnetic-cli: --at needs a number, not '1\\x1b'"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace zova::cli
