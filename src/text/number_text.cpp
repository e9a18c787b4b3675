#include "text/number_text.h"

#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <string>
#include <string_view>
#include <type_traits>
#include <version>

// Two ways to the same digits. Where the standard library has the
// floating-point std::to_chars (g++ 12 does), it writes them. Where it has only
// the integer overloads (the libc++ of Debian's emscripten, which builds the web
// page), the C library's printf and strtod do: both are correctly rounded. The
// printf way is compiled everywhere so that the native tests hold both to the
// same texts.
#if defined(__cpp_lib_to_chars) && __cpp_lib_to_chars >= 201611L
#define ZOVA_FLOATING_TO_CHARS 1
#endif

namespace zova::text {
namespace {

std::string specialText(double v) {
    if (std::isnan(v)) return std::signbit(v) ? "-nan" : "nan";
    return v < 0 ? "-inf" : "inf";
}

#ifdef ZOVA_FLOATING_TO_CHARS
// std::to_chars never looks at the process locale.
struct ToCharsDigits {
    // Every digit of |v| (every double has a finite expansion), fixed notation.
    static std::string exact(double v) {
        static constexpr int kAllDigits = 1100;  // beyond the 1074 fractional digits a double can have
        std::string buf(kAllDigits + 400, '\0');
        const auto end = std::to_chars(buf.data(), buf.data() + buf.size(), std::fabs(v), std::chars_format::fixed,
                                       kAllDigits).ptr;
        buf.resize(static_cast<std::size_t>(end - buf.data()));
        return buf;
    }
    // As printf's "%.*g" writes v.
    static std::string general(double v, int digits) {
        char buf[64];
        return std::string(buf, std::to_chars(buf, buf + sizeof buf, v, std::chars_format::general, digits).ptr);
    }
    template <typename T>
    static std::string shortest(T v) {
        char buf[32];
        return std::string(buf, std::to_chars(buf, buf + sizeof buf, v).ptr);
    }
};
#endif

// printf and strtod follow the process locale's decimal separator, which a GUI
// may have set to a comma: texts are written and read back in that locale, and
// its separator becomes the point only in the result.
struct PrintfDigits {
    static std::string withPoint(std::string s) {
        const char* sep = std::localeconv()->decimal_point;
        if (sep != nullptr && *sep != '\0' && std::string_view(sep) != ".") {
            const std::string separator(sep);
            if (const auto at = s.find(separator); at != std::string::npos) {
                s.erase(at, separator.size());
                s.insert(s.begin() + static_cast<std::ptrdiff_t>(at), '.');
            }
        }
        return s;
    }
    template <typename... Args>
    static std::string print(const char* format, Args... args) {
        const int n = std::snprintf(nullptr, 0, format, args...);
        std::string s(static_cast<std::size_t>(n) + 1, '\0');
        std::snprintf(s.data(), s.size(), format, args...);
        s.pop_back();
        return s;
    }
    static std::string exact(double v) {
        return withPoint(print("%.*f", 1100, std::fabs(v)));
    }
    static std::string general(double v, int digits) {
        if (!std::isfinite(v)) return specialText(v);
        // At most 17 significant digits and a three-digit exponent: one call fits a small buffer.
        char buf[48];
        const int n = std::snprintf(buf, sizeof buf, "%.*g", digits, v);
        if (n < 0 || n >= static_cast<int>(sizeof buf)) return withPoint(print("%.*g", digits, v));
        return withPoint(std::string(buf, static_cast<std::size_t>(n)));
    }

    // A decimal as digits and the power of ten of the first one (1.25e+02:
    // "125", 2). Written back as "125e0" it needs no separator, so strtod reads
    // it the same in every locale.
    struct Decimal {
        bool negative = false;
        std::string digits;
        int exponent = 0;
    };
    static Decimal parsed(const std::string& scientific) {
        Decimal d;
        d.negative = scientific[0] == '-';
        const std::size_t e = scientific.find('e');
        for (std::size_t i = 0; i < e; ++i)
            if (scientific[i] >= '0' && scientific[i] <= '9') d.digits.push_back(scientific[i]);
        d.exponent = std::atoi(scientific.c_str() + e + 1);
        return d;
    }
    template <typename T>
    static bool readsBack(const Decimal& d, T v) {
        const std::string s = (d.negative ? "-" : "") + d.digits + "e" +
                              std::to_string(d.exponent - static_cast<int>(d.digits.size()) + 1);
        if constexpr (std::is_same_v<T, float>)
            return std::strtof(s.c_str(), nullptr) == v;
        else
            return std::strtod(s.c_str(), nullptr) == v;
    }
    // One unit more in the last digit; false when that needs another digit (9.99).
    static bool nextUp(std::string& digits) {
        for (std::size_t k = digits.size(); k-- > 0;) {
            if (digits[k] != '9') {
                ++digits[k];
                return true;
            }
            digits[k] = '0';
        }
        return false;
    }

    // The fewest significant digits that read back as v; of several, the one
    // nearest v. Texts of up to digits10 digits survive the round trip through
    // a normal T, so there the correctly rounded digits10-digit text is the
    // shortest one padded with zeros whenever one that short exists; subnormals
    // hold fewer digits and start from one. Longer ones are tried digit by
    // digit. Where v is a power of two its lower neighbour lies closer than its
    // upper one, so the nearest text can fall below v's interval while the next
    // one up lies inside it; the next one down never can.
    template <typename T>
    static Decimal shortestDecimal(T v) {
        const int first = std::fabs(v) < std::numeric_limits<T>::min() ? 1 : std::numeric_limits<T>::digits10;
        constexpr int last = std::numeric_limits<T>::max_digits10;
        for (int digits = first; digits <= last; ++digits) {
            const Decimal nearest = parsed(print("%.*e", digits - 1, static_cast<double>(v)));
            if (readsBack(nearest, v)) return nearest;
            Decimal up = nearest;
            if (nextUp(up.digits) && readsBack(up, v)) return up;
        }
        return parsed(print("%.*e", last - 1, static_cast<double>(v)));
    }

    // std::to_chars(v) without a format: the shorter of the fixed and the
    // scientific text with the fewest digits, fixed on a tie; a whole number
    // written in fixed notation is its exact value.
    template <typename T>
    static std::string shortest(T v) {
        if (!std::isfinite(v)) return specialText(v);
        if (v == 0) return std::signbit(v) ? "-0" : "0";
        Decimal d = shortestDecimal(v);
        std::string& digits = d.digits;
        while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
        const int exponent = d.exponent;
        const int n = static_cast<int>(digits.size());

        std::string scientific = digits.substr(0, 1);
        if (n > 1) {
            scientific += '.';
            scientific.append(digits, 1, std::string::npos);
        }
        const int magnitude = exponent < 0 ? -exponent : exponent;
        std::string expText(magnitude < 10 ? "0" : "");
        expText += std::to_string(magnitude);
        scientific += exponent < 0 ? "e-" : "e+";
        scientific += expText;

        std::string fixed;
        if (exponent >= n - 1) {
            fixed = print("%.0f", std::fabs(static_cast<double>(v)));  // v is a whole number: no separator
        } else if (exponent >= 0) {
            const auto wholeDigits = static_cast<std::size_t>(exponent) + 1;
            fixed = digits.substr(0, wholeDigits) + "." + digits.substr(wholeDigits);
        } else {
            fixed = "0." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
        }
        const std::string& chosen = fixed.size() <= scientific.size() ? fixed : scientific;
        return d.negative ? "-" + chosen : chosen;
    }
};

template <typename Digits>
std::string formatFixed(double v, int decimals) {
    if (std::isnan(v)) return "NaN";
    if (std::isinf(v)) return v < 0 ? "-Infinity" : "Infinity";
    const std::string all = Digits::exact(v);
    const auto dot = all.find('.');
    const std::string whole = all.substr(0, dot);
    const std::string frac = all.substr(dot + 1);
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

template <typename Digits>
std::string generalForm(float v) {
    if (std::isnan(v)) return "NaN";
    if (std::isinf(v)) return v < 0 ? "-Infinity" : "Infinity";
    if (v == 0.0f) return "0";
    // The same digits as printf's "%.7g" in the C locale, whatever the process locale.
    std::string s = Digits::general(static_cast<double>(v), 7);
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

#ifdef ZOVA_FLOATING_TO_CHARS
using Digits = ToCharsDigits;
#else
using Digits = PrintfDigits;
#endif

}  // namespace

std::string FormatFixed(double v, int decimals) { return formatFixed<Digits>(v, decimals); }
std::string GeneralForm(float v) { return generalForm<Digits>(v); }
std::string ShortestText(float v) { return Digits::shortest(v); }
std::string ShortestText(double v) { return Digits::shortest(v); }
std::string SignificantText(double v, int digits) { return Digits::general(v, digits); }

namespace detail::printf_texts {

std::string FormatFixed(double v, int decimals) { return formatFixed<PrintfDigits>(v, decimals); }
std::string GeneralForm(float v) { return generalForm<PrintfDigits>(v); }
std::string ShortestText(float v) { return PrintfDigits::shortest(v); }
std::string ShortestText(double v) { return PrintfDigits::shortest(v); }
std::string SignificantText(double v, int digits) { return PrintfDigits::general(v, digits); }

}  // namespace detail::printf_texts
}  // namespace zova::text
