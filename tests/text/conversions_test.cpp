#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "engine/arithmetic_error.h"
#include "text/conversions.h"
#include "support/named_case.h"

namespace zova::text {
namespace {

struct NumericCase {
    const char* name;
    const char* text;
    bool numeric;
};
ZOVA_PRINT_CASE_NAME(NumericCase)

class Numeric : public ::testing::TestWithParam<NumericCase> {};
TEST_P(Numeric, Classifies) { EXPECT_EQ(IsNumeric(GetParam().text), GetParam().numeric) << '"' << GetParam().text << '"'; }
INSTANTIATE_TEST_SUITE_P(
    Text, Numeric,
    ::testing::Values(NumericCase{"integer", "42", true}, NumericCase{"decimal", "3.25", true},
                      NumericCase{"leadingPoint", ".5", true}, NumericCase{"trailingPoint", "5.", true},
                      NumericCase{"plus", "+7", true}, NumericCase{"minus", "-7.5", true},
                      NumericCase{"exponent", "1e3", true}, NumericCase{"exponentUpper", "2.5E-2", true},
                      NumericCase{"exponentPlus", "1e+3", true}, NumericCase{"surroundingSpaces", "  12  ", true},
                      NumericCase{"huge", "1e999", true}, NumericCase{"empty", "", false},
                      NumericCase{"blanksOnly", "   ", false}, NumericCase{"twoPoints", "1.2.3", false},
                      NumericCase{"pointOnly", ".", false}, NumericCase{"signOnly", "-", false},
                      NumericCase{"innerBlank", "1 2", false}, NumericCase{"letters", "abc", false},
                      NumericCase{"trailingLetter", "12a", false}, NumericCase{"danglingExponent", "1e", false},
                      NumericCase{"exponentSignOnly", "1e-", false}, NumericCase{"exponentOnly", "e5", false},
                      NumericCase{"comma", "1,5", false}, NumericCase{"tab", "\t1", false},
                      NumericCase{"twoSigns", "+-1", false}, NumericCase{"blankAfterSign", "- 1", false}),
    [](const auto& info) { return std::string(info.param.name); });

struct LeadingCase {
    const char* name;
    const char* text;
    double value;
};
ZOVA_PRINT_CASE_NAME(LeadingCase)

class Leading : public ::testing::TestWithParam<LeadingCase> {};
TEST_P(Leading, ReadsTheNumberAtTheStart) { EXPECT_EQ(LeadingValue(GetParam().text), GetParam().value); }
INSTANTIATE_TEST_SUITE_P(
    Text, Leading,
    ::testing::Values(LeadingCase{"integer", "42", 42.0}, LeadingCase{"decimal", "3.25", 3.25},
                      LeadingCase{"innerBlank", "1 2", 12.0}, LeadingCase{"tabsAndLineFeeds", "\t1\n2 .5", 12.5},
                      LeadingCase{"blankAfterSign", "- 5", -5.0}, LeadingCase{"twoPoints", "1.2.3", 1.2},
                      LeadingCase{"exponent", "1e3", 1000.0}, LeadingCase{"exponentBlanks", "2 e - 2", 0.02},
                      LeadingCase{"danglingExponent", "7e", 7.0}, LeadingCase{"danglingExponentSign", "7e-x", 7.0},
                      LeadingCase{"trailingText", "12abc", 12.0}, LeadingCase{"noNumber", "abc", 0.0},
                      LeadingCase{"empty", "", 0.0}, LeadingCase{"pointOnly", ".", 0.0},
                      LeadingCase{"leadingPoint", ".5", 0.5}, LeadingCase{"carriageReturnStops", "1\r2", 1.0},
                      LeadingCase{"commaStops", "1,5", 1.0}, LeadingCase{"plus", "+8", 8.0},
                      LeadingCase{"signThenLetter", "-x", 0.0}, LeadingCase{"tiny", "1e-400", 0.0},
                      LeadingCase{"correctlyRounded", "0.1", 0.1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Text, LeadingValueBeyondDoubleIsInfinite) {
    EXPECT_EQ(LeadingValue("1e400"), INFINITY);
    EXPECT_EQ(LeadingValue("-1e400"), -INFINITY);
}

TEST(Text, NumericTextsHaveTheirOwnValueAsLeadingValue) {
    for (const char* t : {"42", " -3.5 ", "1e3", "+.25", "6.02E23"})
        EXPECT_EQ(LeadingValue(t), std::stod(t)) << t;
}

struct Int16Case {
    const char* name;
    double in;
    int out;  // only when !overflow
    bool overflow;
};
ZOVA_PRINT_CASE_NAME(Int16Case)

class ToInt16Cases : public ::testing::TestWithParam<Int16Case> {};
TEST_P(ToInt16Cases, RoundsHalvesToEvenAndGuardsTheRange) {
    const auto& c = GetParam();
    if (c.overflow) {
        EXPECT_THROW(ToInt16(c.in), ArithmeticError);
    } else {
        EXPECT_EQ(ToInt16(c.in), c.out);
    }
}
INSTANTIATE_TEST_SUITE_P(
    Text, ToInt16Cases,
    ::testing::Values(Int16Case{"twoAndHalf", 2.5, 2, false}, Int16Case{"threeAndHalf", 3.5, 4, false},
                      Int16Case{"halfToZero", 0.5, 0, false}, Int16Case{"minusHalf", -0.5, 0, false},
                      Int16Case{"minusOneAndHalf", -1.5, -2, false}, Int16Case{"nearest", 2.51, 3, false},
                      Int16Case{"max", 32767.0, 32767, false}, Int16Case{"min", -32768.0, -32768, false},
                      Int16Case{"maxRoundsDown", 32767.4, 32767, false},
                      Int16Case{"minHalfToEven", -32768.5, -32768, false},
                      Int16Case{"aboveMax", 32768.0, 0, true}, Int16Case{"maxHalfToEvenOverflows", 32767.5, 0, true},
                      Int16Case{"belowMin", -32769.0, 0, true}, Int16Case{"minHalfAwayOverflows", -32769.5, 0, true},
                      Int16Case{"forty", 40000.0, 0, true}, Int16Case{"infinite", INFINITY, 0, true},
                      Int16Case{"nan", NAN, 0, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Text, ToSingleGuardsTheRange) {
    EXPECT_EQ(ToSingle(0.1), 0.1f);
    EXPECT_EQ(ToSingle(3.4028234663852886e38), 3.4028234663852886e38f);
    EXPECT_EQ(ToSingle(-3.4028234663852886e38), -3.4028234663852886e38f);
    EXPECT_EQ(ToSingle(1e-50), 0.0f);  // underflow is not a failure
    EXPECT_THROW(ToSingle(3.5e38), ArithmeticError);
    EXPECT_THROW(ToSingle(-3.5e38), ArithmeticError);
    EXPECT_THROW(ToSingle(1e300), ArithmeticError);
    EXPECT_THROW(ToSingle(INFINITY), ArithmeticError);
    EXPECT_THROW(ToSingle(NAN), ArithmeticError);
}

TEST(Text, TrimmedRemovesBlanksOnly) {
    EXPECT_EQ(Trimmed("  a b  "), "a b");
    EXPECT_EQ(Trimmed("   "), "");
    EXPECT_EQ(Trimmed(""), "");
    EXPECT_EQ(Trimmed("\tx\t"), "\tx\t");
}

}  // namespace
}  // namespace zova::text
