#pragma once

#include <span>
#include <string_view>

#include "language/phrase.h"

// The library's texts: every message, refusal, figure name, warning, result
// sentence and report text, each once, in Chinese and English. The texts
// live in texts/*.def, one file per area, as ZOVA_PHRASE(area, name, chinese,
// english); each becomes zova::texts::area::name with the key "area.name".
namespace zova::texts {

#define ZOVA_PHRASE(area, name, chinese, english) \
    namespace area {                              \
    inline constexpr Phrase name{#area "." #name, chinese, english}; \
    }
#include "language/texts/all.def"
#undef ZOVA_PHRASE

}  // namespace zova::texts

namespace zova {

// Every phrase of the library, in the order of the texts files.
std::span<const Phrase* const> Catalogue();

// The phrase with this key; nullptr for a key that names none.
const Phrase* PhraseNamed(std::string_view key);

}  // namespace zova
