// The conversions every number box goes through, on any text at all. Beyond
// "no crash, no undefined behaviour" it checks what the commands rely on: a
// text that passes the numeric check reads as exactly its value, the 16-bit
// conversion either gives the nearest integer or refuses, and the shown forms
// of a single read back as that single to their precision.
#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "engine/arithmetic_error.h"
#include "fuzz_support.h"
#include "text/conversions.h"
#include "text/number_text.h"

namespace {

using namespace zova;

bool sameDouble(double a, double b) { return (std::isnan(a) && std::isnan(b)) || a == b; }

// The value of a text IsNumeric accepts, read without LeadingValue's machinery:
// the blanks around it dropped, a leading "+" dropped (from_chars takes no plus).
double valueOfNumericText(std::string_view s, bool& outOfRange) {
    const std::string t = text::Trimmed(s);
    std::string_view body = t;
    if (!body.empty() && body.front() == '+') body.remove_prefix(1);
    double v = 0.0;
    const auto [end, ec] = std::from_chars(body.data(), body.data() + body.size(), v);
    ZOVA_FUZZ_CHECK(end == body.data() + body.size());
    outOfRange = ec == std::errc::result_out_of_range;
    ZOVA_FUZZ_CHECK(ec == std::errc() || outOfRange);
    return v;
}

void checkInt16(double v) {
    const double nearest = std::nearbyint(v);
    try {
        const std::int16_t n = text::ToInt16(v);
        ZOVA_FUZZ_CHECK(static_cast<double>(n) == nearest);
        ZOVA_FUZZ_CHECK(std::fabs(static_cast<double>(n) - v) <= 0.5);
        if (std::fabs(static_cast<double>(n) - v) == 0.5) ZOVA_FUZZ_CHECK(n % 2 == 0);
    } catch (const ArithmeticError&) {
        ZOVA_FUZZ_CHECK(std::isnan(v) || nearest < -32768.0 || nearest > 32767.0);
    }
}

void checkFixed(float f, int decimals) {
    const std::string shown = text::FormatFixed(f, decimals);
    const std::size_t point = shown.find('.');
    ZOVA_FUZZ_CHECK(point != std::string::npos && shown.size() - point - 1 == static_cast<std::size_t>(decimals));
    const std::size_t firstDigit = shown[0] == '-' ? 1 : 0;
    ZOVA_FUZZ_CHECK(point > firstDigit);
    ZOVA_FUZZ_CHECK(shown.find_first_not_of("0123456789", firstDigit) == point);
    ZOVA_FUZZ_CHECK(shown.find_first_not_of("0123456789", point + 1) == std::string::npos);
    // Off by at most half a unit of the last digit, plus what reading back the
    // decimal text into a double can add.
    const double back = std::strtod(shown.c_str(), nullptr);
    const double half = decimals == 3 ? 0.0005 : 0.005;
    ZOVA_FUZZ_CHECK(std::fabs(back - static_cast<double>(f)) <= half * (1 + 1e-9) + std::fabs(back) * 1e-15);
}

void checkShownForms(float f) {
    if (!std::isfinite(f)) return;
    checkFixed(f, 3);
    checkFixed(f, 2);
    // Seven significant digits read back within half a unit of the seventh.
    const std::string general = text::GeneralForm(f);
    ZOVA_FUZZ_CHECK(!general.empty());
    const double back = std::strtod(general.c_str(), nullptr);
    ZOVA_FUZZ_CHECK(std::fabs(back - static_cast<double>(f)) <= std::fabs(static_cast<double>(f)) * 5.0000001e-7);
}

void checkSingle(double v) {
    try {
        const float f = text::ToSingle(v);
        ZOVA_FUZZ_CHECK(std::isfinite(f) && f == static_cast<float>(v));
        checkShownForms(f);
    } catch (const ArithmeticError&) {
        ZOVA_FUZZ_CHECK(std::isnan(v) || std::isinf(static_cast<float>(v)));
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view s = fuzz::AsText(data, size);

    const std::string trimmed = text::Trimmed(s);
    ZOVA_FUZZ_CHECK(trimmed.empty() || (trimmed.front() != ' ' && trimmed.back() != ' '));
    ZOVA_FUZZ_CHECK(s.find(trimmed) != std::string_view::npos);
    ZOVA_FUZZ_CHECK(text::Trimmed(trimmed) == trimmed);

    const bool numeric = text::IsNumeric(s);
    ZOVA_FUZZ_CHECK(numeric == text::IsNumeric(trimmed));

    const double v = text::LeadingValue(s);
    ZOVA_FUZZ_CHECK(!std::isnan(v));
    // Reading stops at a character that cannot continue a number, whatever follows.
    ZOVA_FUZZ_CHECK(sameDouble(text::LeadingValue(std::string(s) + "x5"), v));

    if (numeric) {
        bool outOfRange = false;
        const double expected = valueOfNumericText(s, outOfRange);
        if (outOfRange)
            ZOVA_FUZZ_CHECK(std::isinf(v) || std::fabs(v) < DBL_MIN);
        else
            ZOVA_FUZZ_CHECK(v == expected);
    }

    checkInt16(v);
    checkSingle(v);

    // The conversions also see values no text produces directly: NaN, the
    // infinities, subnormals, every exponent.
    if (size >= sizeof(double)) {
        double raw;
        std::memcpy(&raw, data, sizeof raw);
        checkInt16(raw);
        checkSingle(raw);
    }
    return 0;
}
