#include "text/shown_text.h"

namespace zova::text {
namespace {

bool continuation(unsigned char c) { return (c & 0xC0) == 0x80; }

void appendEscaped(std::string& out, unsigned char c) {
    static constexpr char kHex[] = "0123456789abcdef";
    out += "\\x";
    out += kHex[c >> 4];
    out += kHex[c & 0xF];
}

}  // namespace

std::size_t Utf8SequenceLength(std::string_view s, std::size_t i) {
    const auto b = [&](std::size_t k) { return static_cast<unsigned char>(s[i + k]); };
    const unsigned char c = b(0);
    if (c < 0x80) return 1;
    std::size_t len = 0;
    unsigned char lo = 0x80, hi = 0xBF;  // allowed range of the second byte
    if (c >= 0xC2 && c <= 0xDF) {
        len = 2;
    } else if (c >= 0xE0 && c <= 0xEF) {
        len = 3;
        if (c == 0xE0) lo = 0xA0;
        if (c == 0xED) hi = 0x9F;
    } else if (c >= 0xF0 && c <= 0xF4) {
        len = 4;
        if (c == 0xF0) lo = 0x90;
        if (c == 0xF4) hi = 0x8F;
    } else {
        return 0;
    }
    if (i + len > s.size() || b(1) < lo || b(1) > hi) return 0;
    for (std::size_t k = 2; k < len; ++k)
        if (!continuation(b(k))) return 0;
    return len;
}

std::string ShownArgument(std::string_view s) {
    std::string out;
    for (std::size_t i = 0; i < s.size();) {
        const auto c = static_cast<unsigned char>(s[i]);
        const std::size_t len = Utf8SequenceLength(s, i);
        // U+0080..U+009F, the C1 controls (CSI is U+009B), are C2 80..C2 9F.
        const bool c1 = len == 2 && c == 0xC2 && static_cast<unsigned char>(s[i + 1]) < 0xA0;
        if (len == 0 || c < 0x20 || c == 0x7F || c1) {
            const std::size_t bytes = len == 0 ? 1 : len;
            for (std::size_t k = 0; k < bytes; ++k) appendEscaped(out, static_cast<unsigned char>(s[i + k]));
            i += bytes;
            continue;
        }
        if (c == '\\') out += '\\';
        out.append(s, i, len);
        i += len;
    }
    return out;
}

}  // namespace zova::text
