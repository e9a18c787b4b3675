#include "text/json_reader.h"


#include "text/conversions.h"

namespace zova::text {
namespace {

// Thrown inside the reader only; ParseJson turns it into its outcome.
struct Invalid {
    std::size_t offset;
    std::string reason;
};

class Reader {
public:
    explicit Reader(std::string_view s) : s_(s) {}

    JsonValue document() {
        JsonValue v = value();
        space();
        if (i_ != s_.size()) fail("text after the document");
        return v;
    }

private:
    [[noreturn]] void fail(const std::string& what) const { throw Invalid{i_, what}; }
    bool more() const { return i_ < s_.size(); }
    char peek() const { return more() ? s_[i_] : '\0'; }
    void expect(char c) {
        if (peek() != c) fail(std::string("expected '") + c + "'");
        ++i_;
    }
    void space() {
        while (more() && (peek() == ' ' || peek() == '\t' || peek() == '\n' || peek() == '\r')) ++i_;
    }

    JsonValue value() {
        space();
        JsonValue v;
        switch (peek()) {
            case '{': return nested([this] { return object(); });
            case '[': return nested([this] { return array(); });
            case '"':
                v.kind = JsonValue::Kind::String;
                v.text = string();
                return v;
            case 't': literal("true"); v.kind = JsonValue::Kind::Bool; v.boolean = true; return v;
            case 'f': literal("false"); v.kind = JsonValue::Kind::Bool; return v;
            case 'n': literal("null"); return v;
            default: return number();
        }
    }

    template <typename Read>
    JsonValue nested(Read read) {
        if (++depth_ > kJsonMaxDepth) fail("nested deeper than " + std::to_string(kJsonMaxDepth));
        JsonValue v = read();
        --depth_;
        return v;
    }

    void literal(std::string_view word) {
        if (s_.substr(i_, word.size()) != word) fail("unknown literal");
        i_ += word.size();
    }

    JsonValue object() {
        JsonValue v;
        v.kind = JsonValue::Kind::Object;
        expect('{');
        space();
        if (peek() == '}') {
            ++i_;
            return v;
        }
        for (;;) {
            space();
            std::string key = string();
            space();
            expect(':');
            v.members.push_back({std::move(key), value()});
            space();
            if (peek() == '}') {
                ++i_;
                return v;
            }
            expect(',');
        }
    }

    JsonValue array() {
        JsonValue v;
        v.kind = JsonValue::Kind::Array;
        expect('[');
        space();
        if (peek() == ']') {
            ++i_;
            return v;
        }
        for (;;) {
            v.items.push_back(value());
            space();
            if (peek() == ']') {
                ++i_;
                return v;
            }
            expect(',');
        }
    }

    static bool digit(char c) { return c >= '0' && c <= '9'; }
    void digits() {
        if (!digit(peek())) fail("expected a digit");
        while (digit(peek())) ++i_;
    }

    JsonValue number() {
        const std::size_t start = i_;
        if (peek() == '-') ++i_;
        if (peek() == '0')
            ++i_;
        else
            digits();
        if (peek() == '.') {
            ++i_;
            digits();
        }
        if (peek() == 'e' || peek() == 'E') {
            ++i_;
            if (peek() == '+' || peek() == '-') ++i_;
            digits();
        }
        JsonValue v;
        v.kind = JsonValue::Kind::Number;
        v.text = std::string(s_.substr(start, i_ - start));
        return v;
    }

    unsigned hex4() {
        unsigned u = 0;
        for (int k = 0; k < 4; ++k, ++i_) {
            const char c = peek();
            const int d = digit(c) ? c - '0' : (c >= 'a' && c <= 'f') ? c - 'a' + 10 : (c >= 'A' && c <= 'F') ? c - 'A' + 10 : -1;
            if (d < 0) fail("bad \\u escape");
            u = u * 16 + static_cast<unsigned>(d);
        }
        return u;
    }

    static void appendUtf8(std::string& out, unsigned cp) {
        if (cp < 0x80) {
            out += static_cast<char>(cp);
        } else if (cp < 0x800) {
            out += static_cast<char>(0xC0 | (cp >> 6));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        } else if (cp < 0x10000) {
            out += static_cast<char>(0xE0 | (cp >> 12));
            out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (cp >> 18));
            out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        }
    }

    unsigned escapedCodePoint() {
        unsigned cp = hex4();
        if (cp >= 0xDC00 && cp <= 0xDFFF) fail("lone low surrogate");
        if (cp >= 0xD800 && cp <= 0xDBFF) {
            if (s_.substr(i_, 2) != "\\u") fail("high surrogate without its pair");
            i_ += 2;
            const unsigned low = hex4();
            if (low < 0xDC00 || low > 0xDFFF) fail("high surrogate without its pair");
            cp = 0x10000 + ((cp - 0xD800) << 10) + (low - 0xDC00);
        }
        return cp;
    }

    // Raw text must be well-formed UTF-8: decode one character and reject
    // overlong forms, surrogates and code points past U+10FFFF.
    void rawCharacter(std::string& out) {
        const auto lead = static_cast<unsigned char>(peek());
        const int extra = lead < 0x80 ? 0 : (lead >> 5) == 0x6 ? 1 : (lead >> 4) == 0xE ? 2 : (lead >> 3) == 0x1E ? 3 : -1;
        if (extra < 0) fail("invalid UTF-8 lead byte");
        if (i_ + static_cast<std::size_t>(extra) >= s_.size()) fail("truncated UTF-8");
        unsigned cp = extra == 0 ? lead : lead & (0x3F >> extra);
        for (int k = 1; k <= extra; ++k) {
            const auto c = static_cast<unsigned char>(s_[i_ + static_cast<std::size_t>(k)]);
            if ((c & 0xC0) != 0x80) fail("invalid UTF-8 continuation");
            cp = (cp << 6) | (c & 0x3F);
        }
        static constexpr unsigned kSmallest[] = {0, 0x80, 0x800, 0x10000};
        if (cp < kSmallest[extra] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) fail("invalid UTF-8 value");
        out.append(s_.substr(i_, static_cast<std::size_t>(extra) + 1));
        i_ += static_cast<std::size_t>(extra) + 1;
    }

    std::string string() {
        expect('"');
        std::string out;
        for (;;) {
            if (!more()) fail("unterminated string");
            const char c = peek();
            if (c == '"') {
                ++i_;
                return out;
            }
            if (static_cast<unsigned char>(c) < 0x20) fail("control character in a string");
            if (c != '\\') {
                rawCharacter(out);
                continue;
            }
            ++i_;
            const char e = peek();
            ++i_;
            switch (e) {
                case '"': out += '"'; break;
                case '\\': out += '\\'; break;
                case '/': out += '/'; break;
                case 'b': out += '\b'; break;
                case 'f': out += '\f'; break;
                case 'n': out += '\n'; break;
                case 'r': out += '\r'; break;
                case 't': out += '\t'; break;
                case 'u': appendUtf8(out, escapedCodePoint()); break;
                default: fail("unknown escape");
            }
        }
    }

    std::string_view s_;
    std::size_t i_ = 0;
    int depth_ = 0;
};

}  // namespace

const JsonValue* JsonValue::find(std::string_view key) const {
    const JsonValue* found = nullptr;
    for (const JsonMember& m : members)
        if (m.first == key) found = &m.second;
    return found;
}

std::optional<double> JsonValue::number() const {
    if (kind != Kind::Number) return std::nullopt;
    return LeadingValue(text);  // JSON's numbers are a subset of the decimal texts it reads
}

JsonParse ParseJson(std::string_view text) {
    try {
        return {Reader(text).document(), 0, {}};
    } catch (const Invalid& e) {
        return {std::nullopt, e.offset, e.reason};
    }
}

}  // namespace zova::text
