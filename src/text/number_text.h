#pragma once

#include <string>

// Number texts shown to the user. The decimal separator is always the point.
namespace zova::text {

// At least one digit before the point, exactly `decimals` after it, rounded to
// the nearest with exact halves away from zero, no digit grouping ("0.000" and
// "0.00" patterns). A value that rounds to zero is shown without a sign.
std::string FormatFixed(double v, int decimals);

inline std::string Format000(float v) { return FormatFixed(v, 3); }
inline std::string Format00(float v) { return FormatFixed(v, 2); }

// The general form of a single: at most seven significant digits, no trailing
// zeros, no point for whole numbers, "0." below 1 (3.76, 13, 35.1, 0.817).
std::string GeneralForm(float v);

// The shortest decimal texts that read back as the same value.
std::string ShortestText(float v);
std::string ShortestText(double v);

// At most `digits` significant digits, as printf's "%.*g" writes them in the C
// locale (1.26165, 5014.15, 1e+30), whatever the process locale.
std::string SignificantText(double v, int digits);

namespace detail::printf_texts {

// The same five texts, byte for byte, written with the C library's printf and
// read back with strtod instead of std::to_chars. The functions above use these
// where the standard library has no floating-point std::to_chars (the libc++ of
// the WebAssembly build); everywhere else they are here for the tests that hold
// both ways to the same texts.
std::string FormatFixed(double v, int decimals);
std::string GeneralForm(float v);
std::string ShortestText(float v);
std::string ShortestText(double v);
std::string SignificantText(double v, int digits);

}  // namespace detail::printf_texts
}  // namespace zova::text
