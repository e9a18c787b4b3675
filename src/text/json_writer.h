#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

// JSON as the tool and every other output of the library write it, by hand:
// the library links nothing beyond the standard library.
namespace zova::text {

// A JSON document built value by value, indented by two spaces. Strings are
// written as UTF-8; a byte that is not part of valid UTF-8 (a user text can hold
// anything) becomes U+FFFD so the document stays valid.
class JsonWriter {
public:
    JsonWriter& beginObject();
    JsonWriter& endObject();
    JsonWriter& beginArray();
    JsonWriter& endArray();
    JsonWriter& key(std::string_view name);
    JsonWriter& string(std::string_view s);
    // The shortest decimal text that reads back as the same single.
    // NaN and infinities, which JSON cannot hold, are written as null.
    JsonWriter& number(float v);
    // The shortest decimal text that reads back as the same double; NaN and
    // infinities as null.
    JsonWriter& number(double v);
    JsonWriter& boolean(bool v);
    JsonWriter& integer(long long v);
    JsonWriter& null();

    // The document followed by a line feed.
    std::string text() const { return out_ + "\n"; }

private:
    template <typename Real>
    JsonWriter& real(Real v);
    void beforeValue();
    void open(char bracket);
    void close(char bracket);

    std::string out_;
    std::vector<bool> empty_;  // per open container: nothing written in it yet
    bool afterKey_ = false;
};

// s as a JSON string literal, quotes included.
std::string JsonString(std::string_view s);

}  // namespace zova::text
