#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Conversions of the texts users type into the number boxes. They follow the
// rules the calculator windows have always applied, so a script that passes the
// same texts gets the same answers.
namespace zova::text {

// Leading and trailing blanks (U+0020 only) removed.
std::string Trimmed(std::string_view s);

// A decimal number: optional sign, digits with at most one point, optional
// exponent (e/E, optional sign, digits), blanks around it allowed. "" is not.
bool IsNumeric(std::string_view s);

// The value of the number at the start of s. Blanks, tabs and line feeds are
// skipped wherever they stand ("1 2" is 12); reading stops at the first other
// character that cannot continue the number; no number at the start gives 0.
// A value beyond the double range comes back as an infinity.
double LeadingValue(std::string_view s);

// Nearest integer, halves to the even neighbour; outside -32768..32767 (or NaN)
// throws ArithmeticError.
std::int16_t ToInt16(double v);

// v in single precision; beyond the single range (or NaN) throws ArithmeticError.
float ToSingle(double v);

}  // namespace zova::text
