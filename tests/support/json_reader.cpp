#include "support/json_reader.h"

#include <charconv>
#include <stdexcept>

#include "text/json_reader.h"

namespace zova::test {
namespace {

Json copyOf(const text::JsonValue& v) {
    Json j;
    j.kind = static_cast<Json::Kind>(v.kind);
    j.boolean = v.boolean;
    j.text = v.text;
    for (const text::JsonValue& item : v.items) j.items.push_back(copyOf(item));
    for (const text::JsonMember& m : v.members) j.members.push_back({m.first, copyOf(m.second)});
    return j;
}

}  // namespace

const Json& Json::operator[](std::string_view key) const {
    if (kind == Kind::Object)
        for (const auto& [k, v] : members)
            if (k == key) return v;
    throw std::out_of_range("no member " + std::string(key));
}

std::vector<std::string> Json::keys() const {
    std::vector<std::string> names;
    for (const auto& m : members) names.push_back(m.first);
    return names;
}

float Json::single() const {
    if (kind != Kind::Number) throw std::runtime_error("not a number");
    float v = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
    if (ec != std::errc() || end != text.data() + text.size()) throw std::runtime_error("not a single: " + text);
    return v;
}

long long Json::integer() const {
    if (kind != Kind::Number) throw std::runtime_error("not a number");
    long long v = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
    if (ec != std::errc() || end != text.data() + text.size()) throw std::runtime_error("not an integer: " + text);
    return v;
}

const std::string& Json::str() const {
    if (kind != Kind::String) throw std::runtime_error("not a string");
    return text;
}

Json ParseJson(std::string_view text) {
    const text::JsonParse parsed = text::ParseJson(text);
    if (!parsed.value)
        throw std::runtime_error("invalid JSON at offset " + std::to_string(parsed.offset) + ": " + parsed.reason);
    return copyOf(*parsed.value);
}

}  // namespace zova::test
