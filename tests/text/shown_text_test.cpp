// Arguments as messages repeat them. Expected texts written by hand from the
// escaping rule.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "text/shown_text.h"
#include "support/named_case.h"

namespace zova::text {
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

}  // namespace
}  // namespace zova::text
