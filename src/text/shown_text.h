#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Arguments repeated in the tool's messages. A script can pass any bytes, and a
// terminal acts on the control characters among them (ESC starts a sequence
// that can move the cursor, recolour or retitle the window), so a message shows
// an argument only in a form that prints as plain text.
namespace zova::text {

// Length of the valid UTF-8 sequence starting at s[i], or 0 when the byte there
// does not start one (overlong forms, surrogates and values past U+10FFFF
// included).
std::size_t Utf8SequenceLength(std::string_view s, std::size_t i);

// s with every byte that is not part of valid UTF-8, every C0 and C1 control
// character and DEL written as \xHH (each byte of a C1 character in turn), and a
// backslash doubled so the escapes stay unambiguous. Other characters, Chinese
// text included, are kept as they are.
std::string ShownArgument(std::string_view s);

}  // namespace zova::text
