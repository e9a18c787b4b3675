#include <algorithm>

#include "language/texts.h"

namespace zova {

namespace {
constexpr const Phrase* kCatalogue[] = {
#define ZOVA_PHRASE(area, name, chinese, english) &texts::area::name,
#include "language/texts/all.def"
#undef ZOVA_PHRASE
};
}  // namespace

std::span<const Phrase* const> Catalogue() { return kCatalogue; }

const Phrase* PhraseNamed(std::string_view key) {
    const auto found = std::find_if(std::begin(kCatalogue), std::end(kCatalogue),
                                    [key](const Phrase* phrase) { return phrase->key == key; });
    return found == std::end(kCatalogue) ? nullptr : *found;
}

}  // namespace zova
