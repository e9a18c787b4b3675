#include "text/json_writer.h"

#include <cmath>
#include <cstdio>

#include "text/shown_text.h"
#include "text/number_text.h"

namespace zova::text {

std::string JsonString(std::string_view s) {
    std::string out = "\"";
    for (std::size_t i = 0; i < s.size();) {
        const char c = s[i];
        const std::size_t len = Utf8SequenceLength(s, i);
        if (len == 0) {
            out += "\\ufffd";
            ++i;
            continue;
        }
        if (len > 1) {
            out.append(s, i, len);
        } else if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (c == '\n') {
            out += "\\n";
        } else if (c == '\r') {
            out += "\\r";
        } else if (c == '\t') {
            out += "\\t";
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\u%04x", static_cast<unsigned>(c));
            out += buf;
        } else {
            out += c;
        }
        i += len;
    }
    out += '"';
    return out;
}

void JsonWriter::beforeValue() {
    if (afterKey_) {
        afterKey_ = false;
        return;
    }
    if (empty_.empty()) return;
    if (!empty_.back()) out_ += ',';
    empty_.back() = false;
    out_ += '\n';
    out_.append(2 * empty_.size(), ' ');
}

void JsonWriter::open(char bracket) {
    beforeValue();
    out_ += bracket;
    empty_.push_back(true);
}

void JsonWriter::close(char bracket) {
    const bool wasEmpty = empty_.back();
    empty_.pop_back();
    if (!wasEmpty) {
        out_ += '\n';
        out_.append(2 * empty_.size(), ' ');
    }
    out_ += bracket;
}

JsonWriter& JsonWriter::beginObject() {
    open('{');
    return *this;
}

JsonWriter& JsonWriter::endObject() {
    close('}');
    return *this;
}

JsonWriter& JsonWriter::beginArray() {
    open('[');
    return *this;
}

JsonWriter& JsonWriter::endArray() {
    close(']');
    return *this;
}

JsonWriter& JsonWriter::key(std::string_view name) {
    beforeValue();
    out_ += JsonString(name);
    out_ += ": ";
    afterKey_ = true;
    return *this;
}

JsonWriter& JsonWriter::string(std::string_view s) {
    beforeValue();
    out_ += JsonString(s);
    return *this;
}

// The shortest text that reads back as the same value, in any locale.
template <typename Real>
JsonWriter& JsonWriter::real(Real v) {
    if (!std::isfinite(v)) return null();
    beforeValue();
    out_ += ShortestText(v);
    return *this;
}

JsonWriter& JsonWriter::number(float v) { return real(v); }

JsonWriter& JsonWriter::number(double v) { return real(v); }

JsonWriter& JsonWriter::boolean(bool v) {
    beforeValue();
    out_ += v ? "true" : "false";
    return *this;
}

JsonWriter& JsonWriter::integer(long long v) {
    beforeValue();
    out_ += std::to_string(v);
    return *this;
}

JsonWriter& JsonWriter::null() {
    beforeValue();
    out_ += "null";
    return *this;
}

}  // namespace zova::text
