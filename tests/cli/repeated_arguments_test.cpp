// Arguments repeated in the tool's refusals of an option, a command, a part
// number and a curve: every command shows them escaped. Expected texts written
// by hand from the escaping rule.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli/commands.h"
#include "support/named_case.h"

namespace zova::cli {
namespace {

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
        RefusalCase{"unknownPartNumberToInductance", {"inductance", "--core", "KT\x1b[31mX", "--turns", "5"},
                    "zovamagnetic-cli: unknown part number 'KT\\x1b[31mX' (see 'zovamagnetic-cli cores')"},
        RefusalCase{"unknownPartNumberToDesign",
                    {"design", "--core", "KT\x1b[31mX", "--turns", "5", "--current", "1"},
                    "目录中没有磁芯料号“KT\\x1b[31mX”。"},
        RefusalCase{"unknownCurve", {"curve", "K\x07", "0\x9b"},
                    "zovamagnetic-cli: no curve for series 'K\\x07' and permeability '0\\x9b' (curves: KTB 026, "
                    "KTB 060, KTB 075, KTB 090, KTB 125, KTB 147, KTB 160, KTB 173, KTA 026, KTA 060, KTA 075, "
                    "KTA 090, KTA 125, KRA 026, KRA 060, KRA 075, KRA 090)"},
        RefusalCase{"fieldNotANumber", {"curve", "KTA", "060", "--at", "1\x1b"},
                    "zovamagnetic-cli: --at needs a number, not '1\\x1b'"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace zova::cli
