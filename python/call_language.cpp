#include "call_language.h"

#include <condition_variable>
#include <mutex>

#include <pybind11/pybind11.h>

namespace py = pybind11;

namespace zova::python {
namespace {

std::mutex gate;
std::condition_variable gateOpen;
// Guarded by the gate: how many calls run, their language, and the one before them.
int callsRunning = 0;
Language callsLanguage = kDefaultLanguage;
Language languageBefore = kDefaultLanguage;

}  // namespace

Language LanguageArgument(const std::string& code) {
    if (const auto language = LanguageNamed(code)) return *language;
    throw py::value_error("language must be 'zh' or 'en', not " + py::repr(py::str(code)).cast<std::string>());
}

CallLanguage::CallLanguage(Language language) {
    // The calls in the other language may need the GIL to finish.
    const py::gil_scoped_release released;
    std::unique_lock lock(gate);
    gateOpen.wait(lock, [language] { return callsRunning == 0 || callsLanguage == language; });
    if (callsRunning++ == 0) {
        languageBefore = CurrentLanguage();
        callsLanguage = language;
        SetLanguage(language);
    }
}

CallLanguage::~CallLanguage() {
    const std::lock_guard lock(gate);
    if (--callsRunning == 0) {
        SetLanguage(languageBefore);
        gateOpen.notify_all();
    }
}

}  // namespace zova::python
