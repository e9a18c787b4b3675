#pragma once

#include <optional>
#include <string_view>

// The language the library's texts are said in. Chinese is the default and its
// texts are the program's originals; English is said from the same keys.
//
// The language is a setting of the whole process, as a locale is: the desktop
// program sets it from its menu, the tool from --lang, the page from its
// switch. A caller that answers in a language of its own for one call (the
// Python module's language argument) holds a LanguageScope for that call.
namespace zova {

enum class Language { Chinese, English };

inline constexpr Language kDefaultLanguage = Language::Chinese;

// "zh" or "en", exactly: the tool's --lang, the page's address and storage,
// the module's argument and the desktop program's settings use these codes.
std::optional<Language> LanguageNamed(std::string_view code);
std::string_view LanguageCode(Language language);

Language CurrentLanguage();
void SetLanguage(Language language);

// The language for as long as the scope lives; the one before comes back after.
class LanguageScope {
public:
    explicit LanguageScope(Language language);
    ~LanguageScope();
    LanguageScope(const LanguageScope&) = delete;
    LanguageScope& operator=(const LanguageScope&) = delete;

private:
    Language previous_;
};

}  // namespace zova
