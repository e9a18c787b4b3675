#include <gtest/gtest.h>

#include <string>

#include "text/number_text.h"
#include "support/named_case.h"

namespace zova::text {
namespace {

struct FixedCase {
    const char* name;
    double value;
    int decimals;
    const char* text;
};
ZOVA_PRINT_CASE_NAME(FixedCase)

class Fixed : public ::testing::TestWithParam<FixedCase> {};
TEST_P(Fixed, Formats) { EXPECT_EQ(FormatFixed(GetParam().value, GetParam().decimals), GetParam().text); }
INSTANTIATE_TEST_SUITE_P(
    Text, Fixed,
    ::testing::Values(FixedCase{"zero", 0.0, 3, "0.000"}, FixedCase{"negativeZero", -0.0, 3, "0.000"},
                      FixedCase{"belowOne", 0.817f, 3, "0.817"}, FixedCase{"whole", 152.5f, 3, "152.500"},
                      FixedCase{"singleNoise", 54.900002f, 3, "54.900"},
                      FixedCase{"roundsUp", 126.92023f, 3, "126.920"},
                      FixedCase{"roundsUpCarry", 0.9999, 3, "1.000"}, FixedCase{"carryAll", 999.9996, 3, "1000.000"},
                      FixedCase{"exactHalfAway", 1.0625, 3, "1.063"}, FixedCase{"exactHalfAwayNeg", -1.0625, 3, "-1.063"},
                      FixedCase{"noGrouping", 1234567.0, 3, "1234567.000"},
                      FixedCase{"negative", -57.439495f, 3, "-57.439"},
                      FixedCase{"tinyNegativeShowsNoSign", -0.0001, 3, "0.000"},
                      FixedCase{"wire10A", 1.2615662f, 2, "1.26"}, FixedCase{"wire30A", 2.1850944f, 2, "2.19"},
                      FixedCase{"wire25A", 1.994709f, 2, "1.99"}, FixedCase{"halfHundredth", 0.125, 2, "0.13"},
                      FixedCase{"large", 3.4028234663852886e38, 0, "340282346638528859811704183484516925440"}),
    [](const auto& info) { return std::string(info.param.name); });

struct GeneralCase {
    const char* name;
    float value;
    const char* text;
};
ZOVA_PRINT_CASE_NAME(GeneralCase)

class General : public ::testing::TestWithParam<GeneralCase> {};
TEST_P(General, ShortestUpToSevenDigits) { EXPECT_EQ(GeneralForm(GetParam().value), GetParam().text); }
INSTANTIATE_TEST_SUITE_P(
    Text, General,
    ::testing::Values(GeneralCase{"twoDecimals", 3.76f, "3.76"}, GeneralCase{"whole", 13.0f, "13"},
                      GeneralCase{"oneDecimal", 35.1f, "35.1"}, GeneralCase{"belowOne", 0.817f, "0.817"},
                      GeneralCase{"singleNoise", 9.83f, "9.83"}, GeneralCase{"ten", 10.0f, "10"},
                      GeneralCase{"zero", 0.0f, "0"}, GeneralCase{"seven", 22.56f, "22.56"},
                      GeneralCase{"sevenDigits", 1234567.0f, "1234567"},
                      GeneralCase{"roundedToSeven", 54.900002f, "54.9"},
                      GeneralCase{"negative", -2.5f, "-2.5"}, GeneralCase{"thirdDecimal", 0.09372f, "0.09372"},
                      GeneralCase{"large", 1.0e7f, "1E+07"}, GeneralCase{"small", 1.5e-5f, "1.5E-05"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace zova::text
