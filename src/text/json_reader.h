#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// A strict reader of JSON documents (RFC 8259) for files a user opens: any
// bytes may arrive, so it checks UTF-8, bounds its depth and never throws.
namespace zova::text {

struct JsonMember;

struct JsonValue {
    enum class Kind { Null, Bool, Number, String, Array, Object };
    Kind kind = Kind::Null;
    bool boolean = false;
    std::string text;  // a string's value, or a number exactly as written
    std::vector<JsonValue> items;
    std::vector<JsonMember> members;  // in document order

    // The member with this key, or nullptr (also when this is not an object).
    // With a key given twice, the last one, as most readers take it.
    const JsonValue* find(std::string_view key) const;
    // A number's value in double precision (infinite when beyond its range);
    // nothing unless this is a number.
    std::optional<double> number() const;
};

struct JsonMember {
    std::string first;  // the key
    JsonValue second;
};

struct JsonParse {
    std::optional<JsonValue> value;  // the document, when it is valid JSON
    std::size_t offset = 0;          // where it stops being valid
    std::string reason;              // why, in English, for messages that quote it
};

// Containers nest at most this deep; a deeper document is refused rather than
// read by recursion that could run out of stack.
inline constexpr int kJsonMaxDepth = 64;

JsonParse ParseJson(std::string_view text);

}  // namespace zova::text
