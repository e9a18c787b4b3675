#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

#include "language/language.h"

// One text of the library in both its languages, under a key that stays the
// same in every release (the page's catalogue and tests name texts by it).
namespace zova {

struct Phrase {
    std::string_view key;
    std::string_view chinese;
    std::string_view english;
};

std::string_view Say(const Phrase& phrase, Language language);
// In the current language.
std::string_view Say(const Phrase& phrase);

// The phrase in the current language with {1} … {9} replaced by the values,
// so that each language puts them where its word order wants them. A brace
// not followed by a digit and a closing brace is kept as it stands.
std::string Fill(const Phrase& phrase, std::initializer_list<std::string_view> values);
std::string Fill(std::string_view pattern, std::initializer_list<std::string_view> values);

}  // namespace zova
