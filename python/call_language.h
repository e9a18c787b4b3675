#pragma once

#include <string>

#include "language/language.h"

// The language one call of the module answers in (its `language` argument).
// The library says its texts in the process's language, and the module runs
// the library without the GIL, so calls from several threads may overlap: a
// call in one language waits, without the GIL, while calls in the other run;
// calls in the same language run together. The language before comes back
// once no call runs.
namespace zova::python {

// "zh" or "en"; any other code raises ValueError.
Language LanguageArgument(const std::string& code);

class CallLanguage {
public:
    // Called with the GIL held.
    explicit CallLanguage(Language language);
    ~CallLanguage();
    CallLanguage(const CallLanguage&) = delete;
    CallLanguage& operator=(const CallLanguage&) = delete;
};

}  // namespace zova::python
