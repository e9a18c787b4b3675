#include "support/chinese_text.h"

namespace zova::test {

std::size_t FirstChinese(std::string_view utf8) {
    for (std::size_t i = 0; i + 2 < utf8.size(); ++i) {
        const auto byte = [&](std::size_t k) { return static_cast<unsigned>(static_cast<unsigned char>(utf8[k])); };
        if ((byte(i) & 0xF0u) != 0xE0u) continue;
        const unsigned code = ((byte(i) & 0x0Fu) << 12) | ((byte(i + 1) & 0x3Fu) << 6) | (byte(i + 2) & 0x3Fu);
        if ((code >= 0x4E00 && code <= 0x9FFF) || (code >= 0x3000 && code <= 0x303F) ||
            (code >= 0xFF00 && code <= 0xFFEF))
            return i;
    }
    return std::string_view::npos;
}

}  // namespace zova::test
