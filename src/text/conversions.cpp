#include "text/conversions.h"

#include <cctype>
#include <cfloat>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <locale.h>

#include "engine/arithmetic_error.h"

namespace zova::text {
namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// strtod honours LC_NUMERIC, which a GUI application sets from the user's
// environment; the texts always use a point, so parse in the C locale.
locale_t cLocale() {
    static const locale_t loc = newlocale(LC_NUMERIC_MASK, "C", static_cast<locale_t>(nullptr));
    return loc;
}

}  // namespace

std::string Trimmed(std::string_view s) {
    const auto first = s.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    const auto last = s.find_last_not_of(' ');
    return std::string(s.substr(first, last - first + 1));
}

bool IsNumeric(std::string_view s) {
    std::size_t i = 0;
    const std::size_t n = s.size();
    while (i < n && s[i] == ' ') ++i;
    if (i < n && (s[i] == '+' || s[i] == '-')) ++i;
    std::size_t digits = 0;
    bool point = false;
    for (; i < n; ++i) {
        if (isDigit(s[i])) {
            ++digits;
        } else if (s[i] == '.' && !point) {
            point = true;
        } else {
            break;
        }
    }
    if (digits == 0) return false;
    if (i < n && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        if (i < n && (s[i] == '+' || s[i] == '-')) ++i;
        std::size_t expDigits = 0;
        while (i < n && isDigit(s[i])) ++i, ++expDigits;
        if (expDigits == 0) return false;
    }
    while (i < n && s[i] == ' ') ++i;
    return i == n;
}

double LeadingValue(std::string_view s) {
    // Gather the number's characters, skipping blanks, then let strtod do the
    // correctly rounded conversion.
    std::string number;
    enum class Stage { Sign, Mantissa, ExpSign, Exponent } stage = Stage::Sign;
    bool point = false;
    bool mantissaDigits = false;
    for (const char c : s) {
        if (c == ' ' || c == '\t' || c == '\n') continue;
        if (stage == Stage::Sign && (c == '+' || c == '-')) {
            number += c;
            stage = Stage::Mantissa;
        } else if ((stage == Stage::Sign || stage == Stage::Mantissa) && isDigit(c)) {
            number += c;
            mantissaDigits = true;
            stage = Stage::Mantissa;
        } else if ((stage == Stage::Sign || stage == Stage::Mantissa) && c == '.' && !point) {
            number += c;
            point = true;
            stage = Stage::Mantissa;
        } else if (stage == Stage::Mantissa && mantissaDigits && (c == 'e' || c == 'E')) {
            number += 'e';
            stage = Stage::ExpSign;
        } else if (stage == Stage::ExpSign && (c == '+' || c == '-')) {
            number += c;
            stage = Stage::Exponent;
        } else if ((stage == Stage::ExpSign || stage == Stage::Exponent) && isDigit(c)) {
            number += c;
            stage = Stage::Exponent;
        } else {
            break;
        }
    }
    if (!mantissaDigits) return 0.0;
    // A dangling exponent ("1e", "1e-") is ignored, as if reading had stopped before it.
    while (!number.empty() && (number.back() == 'e' || number.back() == '+' || number.back() == '-'))
        number.pop_back();
    if (number.empty() || number == "+" || number == "-") return 0.0;
    return strtod_l(number.c_str(), nullptr, cLocale());
}

std::int16_t ToInt16(double v) {
    // nearbyint rounds halves to even in the default rounding mode.
    const double r = std::nearbyint(v);
    if (!(r >= -32768.0 && r <= 32767.0)) throw ArithmeticError("16-bit integer overflow");
    return static_cast<std::int16_t>(r);
}

float ToSingle(double v) {
    if (std::isnan(v)) throw ArithmeticError("not a number");
    const float f = static_cast<float>(v);
    if (std::isinf(f)) throw ArithmeticError("single-precision overflow");
    return f;
}

}  // namespace zova::text
