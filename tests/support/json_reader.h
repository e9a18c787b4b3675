#pragma once

#include <string>
#include <string_view>
#include <vector>

// The library's strict JSON reader with the conveniences of tests: members
// that throw when missing, numbers read back exactly as single or integer.
namespace zova::test {

struct JsonMember;

struct Json {
    enum class Kind { Null, Bool, Number, String, Array, Object };
    Kind kind = Kind::Null;
    bool boolean = false;
    std::string text;  // a string's value, or a number exactly as written
    std::vector<Json> items;
    // In document order. A member type of its own, not std::pair: a pair may not
    // hold the still incomplete Json, and clang's libstdc++ checks refuse it.
    std::vector<JsonMember> members;

    // Member by name; throws std::out_of_range when missing or not an object.
    const Json& operator[](std::string_view key) const;
    const Json& operator[](std::size_t i) const { return items.at(i); }
    bool isNull() const { return kind == Kind::Null; }
    std::vector<std::string> keys() const;
    // A number read back in single precision; throws unless this is a number.
    float single() const;
    long long integer() const;
    const std::string& str() const;
};

struct JsonMember {
    std::string first;  // the key
    Json second;
};

// The whole text as one document; throws std::runtime_error naming the offset
// where it stops being valid JSON.
Json ParseJson(std::string_view text);

}  // namespace zova::test
