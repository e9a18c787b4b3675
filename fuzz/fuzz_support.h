#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <vector>

// Shared by the fuzz targets. A broken invariant aborts, which libFuzzer reports
// as a crash with the input saved, and the corpus replay reports as a failed test.
#define ZOVA_FUZZ_CHECK(condition)                                                                \
    do {                                                                                          \
        if (!(condition)) {                                                                       \
            std::fprintf(stderr, "%s:%d: invariant broken: %s\n", __FILE__, __LINE__, #condition); \
            std::abort();                                                                         \
        }                                                                                         \
    } while (false)

namespace zova::fuzz {

inline std::string_view AsText(const std::uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

// The input cut at NUL bytes into exactly `count` texts: missing ones are empty,
// the last one takes the rest (NULs included). A command-line argument can hold
// every byte but NUL, so NUL is the one separator that leaves no real text out.
inline std::vector<std::string_view> Fields(std::string_view input, std::size_t count) {
    std::vector<std::string_view> fields;
    while (fields.size() + 1 < count) {
        const std::size_t cut = input.find('\0');
        if (cut == std::string_view::npos) break;
        fields.push_back(input.substr(0, cut));
        input.remove_prefix(cut + 1);
    }
    fields.push_back(input);
    fields.resize(count);
    return fields;
}

// Every NUL-separated text of the input, empty ones included.
inline std::vector<std::string_view> AllFields(std::string_view input) {
    std::vector<std::string_view> fields;
    for (;;) {
        const std::size_t cut = input.find('\0');
        fields.push_back(input.substr(0, cut));
        if (cut == std::string_view::npos) return fields;
        input.remove_prefix(cut + 1);
    }
}

}  // namespace zova::fuzz
