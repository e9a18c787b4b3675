#include "text/number_text.h"

#include <charconv>
#include <cmath>
#include <string>

namespace zova::text {
namespace {

// The exact decimal expansion of |v| (every double has a finite one), split at
// the point. std::to_chars, unlike printf, never looks at the process locale,
// whose decimal separator may be a comma once a GUI has set it from the
// environment.
void exactDigits(double v, std::string& whole, std::string& frac) {
    static constexpr int kAllDigits = 1100;  // beyond the 1074 fractional digits a double can have
    std::string buf(kAllDigits + 400, '\0');
    const auto end = std::to_chars(buf.data(), buf.data() + buf.size(), std::fabs(v), std::chars_format::fixed,
                                   kAllDigits).ptr;
    buf.resize(static_cast<std::size_t>(end - buf.data()));
    const auto dot = buf.find('.');
    whole = buf.substr(0, dot);
    frac = buf.substr(dot + 1);
}

}  // namespace

std::string FormatFixed(double v, int decimals) {
    if (std::isnan(v)) return "NaN";
    if (std::isinf(v)) return v < 0 ? "-Infinity" : "Infinity";
    std::string whole, frac;
    exactDigits(v, whole, frac);
    std::string digits = whole + frac.substr(0, static_cast<std::size_t>(decimals));
    if (frac[static_cast<std::size_t>(decimals)] >= '5') {
        // Half away from zero: carry one into the last kept digit.
        std::size_t k = digits.size();
        while (k > 0) {
            --k;
            if (digits[k] == '9') {
                digits[k] = '0';
            } else {
                ++digits[k];
                break;
            }
            if (k == 0) digits.insert(digits.begin(), '1');
        }
    }
    const std::size_t wholeLen = digits.size() - static_cast<std::size_t>(decimals);
    std::string out = digits.substr(0, wholeLen);
    if (decimals > 0) {
        out.push_back('.');
        out.append(digits, wholeLen, std::string::npos);
    }
    const bool zero = digits.find_first_not_of('0') == std::string::npos;
    if (std::signbit(v) && !zero) out.insert(0, 1, '-');
    return out;
}

std::string GeneralForm(float v) {
    if (std::isnan(v)) return "NaN";
    if (std::isinf(v)) return v < 0 ? "-Infinity" : "Infinity";
    if (v == 0.0f) return "0";
    char buf[64];
    // The same digits as printf's "%.7g" in the C locale, whatever the process locale.
    const auto end = std::to_chars(buf, buf + sizeof buf, static_cast<double>(v), std::chars_format::general, 7).ptr;
    std::string s(buf, end);
    std::string exponent;
    if (const auto e = s.find('e'); e != std::string::npos) {
        // Very large or small magnitudes: mantissa then "E+07" / "E-05".
        exponent = s.substr(e);
        s.erase(e);
        exponent[0] = 'E';
    }
    if (s.find('.') != std::string::npos) {
        while (s.back() == '0') s.pop_back();
        if (s.back() == '.') s.pop_back();
    }
    return s + exponent;
}

namespace {

template <typename T>
std::string shortest(T v) {
    char buf[32];
    return std::string(buf, std::to_chars(buf, buf + sizeof buf, v).ptr);
}

}  // namespace

std::string ShortestText(float v) { return shortest(v); }
std::string ShortestText(double v) { return shortest(v); }

std::string SignificantText(double v, int digits) {
    char buf[64];
    return std::string(buf, std::to_chars(buf, buf + sizeof buf, v, std::chars_format::general, digits).ptr);
}

}  // namespace zova::text
