#include "language/phrase.h"

#include <cstddef>

namespace zova {

std::string_view Say(const Phrase& phrase, Language language) {
    return language == Language::English ? phrase.english : phrase.chinese;
}

std::string_view Say(const Phrase& phrase) { return Say(phrase, CurrentLanguage()); }

std::string Fill(std::string_view pattern, std::initializer_list<std::string_view> values) {
    std::string out;
    out.reserve(pattern.size() + 16 * values.size());
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const bool placeholder = pattern[i] == '{' && i + 2 < pattern.size() && pattern[i + 1] >= '1' &&
                                 pattern[i + 1] <= '9' && pattern[i + 2] == '}';
        const std::size_t index = placeholder ? static_cast<std::size_t>(pattern[i + 1] - '1') : 0;
        if (placeholder && index < values.size()) {
            out += *(values.begin() + index);
            i += 2;
        } else {
            out += pattern[i];
        }
    }
    return out;
}

std::string Fill(const Phrase& phrase, std::initializer_list<std::string_view> values) {
    return Fill(Say(phrase), values);
}

}  // namespace zova
