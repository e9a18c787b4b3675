#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "text/number_text.h"
#include "support/named_case.h"

namespace zova::text {
namespace {

// The two ways to the texts: std::to_chars (the native build's) and printf with
// strtod (the WebAssembly build's, where the standard library has no
// floating-point std::to_chars). Every row below holds both to the same bytes.
struct Implementation {
    const char* name;
    std::string (*formatFixed)(double, int);
    std::string (*generalForm)(float);
    std::string (*shortestSingle)(float);
    std::string (*shortestDouble)(double);
    std::string (*significant)(double, int);
};
const Implementation kImplementations[] = {
    {"to_chars", &FormatFixed, &GeneralForm, &ShortestText, &ShortestText, &SignificantText},
    {"printf", &detail::printf_texts::FormatFixed, &detail::printf_texts::GeneralForm,
     &detail::printf_texts::ShortestText, &detail::printf_texts::ShortestText,
     &detail::printf_texts::SignificantText},
};

struct FixedCase {
    const char* name;
    double value;
    int decimals;
    const char* text;
};
ZOVA_PRINT_CASE_NAME(FixedCase)

class Fixed : public ::testing::TestWithParam<FixedCase> {};
TEST_P(Fixed, Formats) {
    for (const Implementation& with : kImplementations)
        EXPECT_EQ(with.formatFixed(GetParam().value, GetParam().decimals), GetParam().text) << with.name;
}
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
TEST_P(General, ShortestUpToSevenDigits) {
    for (const Implementation& with : kImplementations)
        EXPECT_EQ(with.generalForm(GetParam().value), GetParam().text) << with.name;
}
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

struct ShortestCase {
    const char* name;
    double value;
    const char* text;
};
ZOVA_PRINT_CASE_NAME(ShortestCase)

// The fewer characters of fixed and scientific notation, fixed on a tie; a
// whole number in fixed notation is its exact value.
class ShortestDouble : public ::testing::TestWithParam<ShortestCase> {};
TEST_P(ShortestDouble, ReadsBackAsTheSameDouble) {
    for (const Implementation& with : kImplementations)
        EXPECT_EQ(with.shortestDouble(GetParam().value), GetParam().text) << with.name;
}
INSTANTIATE_TEST_SUITE_P(
    Text, ShortestDouble,
    ::testing::Values(ShortestCase{"tenth", 0.1, "0.1"}, ShortestCase{"sumOfTenths", 0.1 + 0.2, "0.30000000000000004"},
                      ShortestCase{"third", 1.0 / 3.0, "0.3333333333333333"},
                      ShortestCase{"tenThousandTieGoesFixed", 1e4, "10000"},
                      ShortestCase{"hundredThousand", 1e5, "1e+05"}, ShortestCase{"thousandthTie", 0.001, "0.001"},
                      ShortestCase{"tenThousandth", 1e-4, "1e-04"}, ShortestCase{"whole", 123456.0, "123456"},
                      ShortestCase{"negative", -2.5, "-2.5"}, ShortestCase{"zero", 0.0, "0"},
                      ShortestCase{"negativeZero", -0.0, "-0"}, ShortestCase{"smallestSubnormal", 5e-324, "5e-324"},
                      ShortestCase{"largest", DBL_MAX, "1.7976931348623157e+308"},
                      ShortestCase{"twoToThe53", 9007199254740992.0, "9007199254740992"},
                      ShortestCase{"twoToThe60Exact", 1152921504606846976.0, "1152921504606846976"},
                      ShortestCase{"tenToThe23", 1e23, "1e+23"},
                      ShortestCase{"infinity", std::numeric_limits<double>::infinity(), "inf"},
                      ShortestCase{"negativeInfinity", -std::numeric_limits<double>::infinity(), "-inf"},
                      ShortestCase{"nan", std::numeric_limits<double>::quiet_NaN(), "nan"}),
    [](const auto& info) { return std::string(info.param.name); });

struct ShortestSingleCase {
    const char* name;
    float value;
    const char* text;
};
ZOVA_PRINT_CASE_NAME(ShortestSingleCase)

class ShortestSingle : public ::testing::TestWithParam<ShortestSingleCase> {};
TEST_P(ShortestSingle, ReadsBackAsTheSameSingle) {
    for (const Implementation& with : kImplementations)
        EXPECT_EQ(with.shortestSingle(GetParam().value), GetParam().text) << with.name;
}
INSTANTIATE_TEST_SUITE_P(
    Text, ShortestSingle,
    ::testing::Values(ShortestSingleCase{"tenth", 0.1f, "0.1"}, ShortestSingleCase{"threeTenths", 0.3f, "0.3"},
                      ShortestSingleCase{"calculatorResult", 126.92023f, "126.92023"},
                      ShortestSingleCase{"twoToThe27Exact", 134217728.0f, "134217728"},
                      ShortestSingleCase{"tenToThe10", 1e10f, "1e+10"},
                      ShortestSingleCase{"smallFraction", 1e-5f, "1e-05"},
                      ShortestSingleCase{"sevenDigits", 1234567.0f, "1234567"},
                      ShortestSingleCase{"largest", FLT_MAX, "3.4028235e+38"},
                      ShortestSingleCase{"smallestSubnormal", 1e-45f, "1e-45"},
                      ShortestSingleCase{"negativeZero", -0.0f, "-0"}),
    [](const auto& info) { return std::string(info.param.name); });

struct SignificantCase {
    const char* name;
    double value;
    int digits;
    const char* text;
};
ZOVA_PRINT_CASE_NAME(SignificantCase)

// printf's "%.*g": e-style when the exponent is below -4 or not below the
// digits, trailing zeros dropped, exact halves to even.
class Significant : public ::testing::TestWithParam<SignificantCase> {};
TEST_P(Significant, AsPercentG) {
    for (const Implementation& with : kImplementations)
        EXPECT_EQ(with.significant(GetParam().value, GetParam().digits), GetParam().text) << with.name;
}
INSTANTIATE_TEST_SUITE_P(
    Text, Significant,
    ::testing::Values(SignificantCase{"twoThirds", 2.0 / 3.0, 6, "0.666667"},
                      SignificantCase{"fourWholeDigits", 5014.1503, 6, "5014.15"},
                      SignificantCase{"hundred", 100.0, 6, "100"}, SignificantCase{"large", 1e30, 6, "1e+30"},
                      SignificantCase{"tenThousandth", 0.0001, 6, "0.0001"},
                      SignificantCase{"hundredThousandth", 0.00001, 6, "1e-05"},
                      SignificantCase{"roundedMantissa", 123456789.0, 6, "1.23457e+08"},
                      SignificantCase{"carryIntoExponent", 999999.5, 6, "1e+06"},
                      SignificantCase{"exactHalfToEven", 0.125, 2, "0.12"},
                      SignificantCase{"wholeHalfToEven", 2.5, 1, "2"}, SignificantCase{"negative", -0.5, 3, "-0.5"},
                      SignificantCase{"infinity", std::numeric_limits<double>::infinity(), 6, "inf"}),
    [](const auto& info) { return std::string(info.param.name); });

// Beyond the rows: the printf way against std::to_chars, the standard
// library's own writer, over values drawn from every corner of both types:
// random bit patterns, every power of two (where a value's interval is
// lopsided), whole numbers around 2^24 and 2^53, and decimal fractions.
class PrintfAgainstToChars : public ::testing::Test {
protected:
    template <typename A, typename B>
    void same(const std::string& what, A expected, B actual) {
        const std::string e = expected, a = actual;
        if (e == a) return;
        if (++mismatches_ <= 10) ADD_FAILURE() << what << ": to_chars " << e << ", printf " << a;
    }
    void checkDouble(double v) {
        namespace p = detail::printf_texts;
        char label[64];
        std::snprintf(label, sizeof label, "%a", v);
        same(std::string("ShortestText ") + label, ShortestText(v), p::ShortestText(v));
        const int digits = 1 + static_cast<int>(std::fabs(std::fmod(v * 7.0, 17.0)));
        same(std::string("SignificantText ") + label, SignificantText(v, digits), p::SignificantText(v, digits));
        if (std::fabs(v) < 1e25) {
            const int decimals = static_cast<int>(std::fabs(std::fmod(v * 3.0, 4.0)));
            same(std::string("FormatFixed ") + label, FormatFixed(v, decimals), p::FormatFixed(v, decimals));
        }
    }
    void checkSingle(float v) {
        namespace p = detail::printf_texts;
        char label[64];
        std::snprintf(label, sizeof label, "%a", static_cast<double>(v));
        same(std::string("ShortestText(float) ") + label, ShortestText(v), p::ShortestText(v));
        same(std::string("GeneralForm ") + label, GeneralForm(v), p::GeneralForm(v));
    }
    int mismatches_ = 0;
};

TEST_F(PrintfAgainstToChars, SameTextsOverBothTypes) {
    std::mt19937_64 random(20240522);
    int checked = 0;
    for (int i = 0; i < 60000; ++i) {
        const std::uint64_t bits = random();
        double d;
        std::memcpy(&d, &bits, sizeof d);
        if (std::isfinite(d)) checkDouble(d), ++checked;
        const auto bits32 = static_cast<std::uint32_t>(bits >> 11);
        float f;
        std::memcpy(&f, &bits32, sizeof f);
        if (std::isfinite(f)) checkSingle(f), ++checked;
    }
    for (int e = -1074; e <= 1023; ++e) {
        checkDouble(std::ldexp(1.0, e));
        checkDouble(-std::ldexp(1.0, e));
        checkDouble(std::nextafter(std::ldexp(1.0, e), 0.0));
        checked += 3;
    }
    for (int e = -149; e <= 127; ++e) {
        checkSingle(std::ldexp(1.0f, e));
        checkSingle(std::nextafter(std::ldexp(1.0f, e), 0.0f));
        checked += 2;
    }
    for (int k = -300; k <= 300; ++k) {
        checkDouble(9007199254740992.0 + 2.0 * k);
        checkSingle(16777216.0f + 2.0f * static_cast<float>(k));
        checked += 2;
    }
    for (int k = 1; k <= 2000; ++k) {
        for (const double scale : {1e-6, 1e-3, 1.0, 1e3, 1e15, 1e21}) {
            checkDouble(k * scale / 7.0);
            checkDouble(k * 0.001 * scale);
            checkSingle(static_cast<float>(k * 0.001 * scale));
            checked += 3;
        }
    }
    EXPECT_EQ(mismatches_, 0) << "of " << checked << " values";
}

}  // namespace
}  // namespace zova::text
