#pragma once

#include <cstddef>
#include <string_view>

namespace zova::test {

// Where the first code point of the CJK blocks or of the full-width
// punctuation Chinese uses stands in UTF-8 text; npos for none. English said
// by the program holds neither.
std::size_t FirstChinese(std::string_view utf8);

inline bool HoldsChinese(std::string_view utf8) { return FirstChinese(utf8) != std::string_view::npos; }

}  // namespace zova::test
