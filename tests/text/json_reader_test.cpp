// The reader of files a user opens: what it refuses, and where it says the
// document stops being JSON. Offsets counted by hand.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "support/named_case.h"
#include "text/json_reader.h"

namespace zova::text {
namespace {

struct RefusedCase {
    const char* name;
    std::string text;
    std::size_t offset;
};
ZOVA_PRINT_CASE_NAME(RefusedCase)

class RefusedJson : public ::testing::TestWithParam<RefusedCase> {};

TEST_P(RefusedJson, SaysWhere) {
    const JsonParse got = ParseJson(GetParam().text);
    EXPECT_FALSE(got.value);
    EXPECT_EQ(got.offset, GetParam().offset);
    EXPECT_FALSE(got.reason.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Json, RefusedJson,
    ::testing::Values(RefusedCase{"empty", "", 0}, RefusedCase{"notJson", "turns=54", 0},
                      RefusedCase{"truncated", "{\"turns\": 5", 11}, RefusedCase{"trailingText", "{} x", 3},
                      RefusedCase{"invalidUtf8InString", "[\"KT\xff\"]", 4},
                      RefusedCase{"loneSurrogate", "[\"\\udc00\"]", 8},
                      RefusedCase{"controlInString", "[\"a\nb\"]", 3},
                      // 65 arrays deep: the 65th opening bracket is refused.
                      RefusedCase{"tooDeep", std::string(65, '[') + std::string(65, ']'), 64}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Json, ReadsAsDeepAsItsLimit) {
    EXPECT_TRUE(ParseJson(std::string(64, '[') + std::string(64, ']')).value);
}

TEST(Json, FindsTheLastOfADuplicatedKeyAndReadsNumbers) {
    const JsonParse got = ParseJson(R"({"turns": 5, "current": 1e400, "turns": 54, "core": "KTA092060"})");
    ASSERT_TRUE(got.value);
    EXPECT_EQ(got.value->find("turns")->number(), 54.0);
    EXPECT_TRUE(std::isinf(*got.value->find("current")->number()));
    EXPECT_FALSE(got.value->find("core")->number());
    EXPECT_EQ(got.value->find("stack"), nullptr);
}

}  // namespace
}  // namespace zova::text
