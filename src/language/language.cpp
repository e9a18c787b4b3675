#include "language/language.h"

#include <atomic>

namespace zova {

namespace {
// Atomic because the desktop program computes some figures off its window's
// thread while the window may be switching the language.
std::atomic<Language> current{kDefaultLanguage};
}  // namespace

std::optional<Language> LanguageNamed(std::string_view code) {
    if (code == "zh") return Language::Chinese;
    if (code == "en") return Language::English;
    return std::nullopt;
}

std::string_view LanguageCode(Language language) { return language == Language::English ? "en" : "zh"; }

Language CurrentLanguage() { return current.load(std::memory_order_relaxed); }

void SetLanguage(Language language) { current.store(language, std::memory_order_relaxed); }

LanguageScope::LanguageScope(Language language) : previous_(CurrentLanguage()) { SetLanguage(language); }

LanguageScope::~LanguageScope() { SetLanguage(previous_); }

}  // namespace zova
