// The page's WebAssembly module: the calls of page_api.h, each taking and
// giving JavaScript strings (UTF-8 inside).
#include <emscripten/bind.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "page_api.h"

namespace {

std::string catalogue(std::string area) { return zova::web::CatalogueJson(area); }
std::string setLanguage(std::string code) { return zova::web::SetLanguageJson(code); }
std::string coreList(std::string search) { return zova::web::CoreListJson(search); }
std::string coreDetails(std::string item) { return zova::web::CoreDetailsJson(item); }
std::string calculate(std::string partNo, std::string turns, std::string current, std::string stack) {
    return zova::web::CalculateJson(partNo, turns, current, stack);
}
std::string select(std::string current, std::string inductance, std::string stack) {
    return zova::web::SelectJson(current, inductance, stack);
}
std::string repeatSelect(std::string current, std::string inductance, std::string stack) {
    return zova::web::RepeatSelectJson(current, inductance, stack);
}
std::string candidateOrder(int column, bool descending) {
    return zova::web::CandidateOrderJson(column < 0 ? ~std::size_t{0} : static_cast<std::size_t>(column), descending);
}
std::string type(std::string key, std::string text) { return zova::web::TypeJson(key, text); }
std::string loadCandidate(int line) {
    return zova::web::LoadCandidateJson(line < 0 ? ~std::size_t{0} : static_cast<std::size_t>(line));
}
std::string saved(std::string name) { return zova::web::SavedJson(name); }
// A file's bytes as a Uint8Array: not text until the library has read them.
std::string openDesign(const emscripten::val& bytes, std::string name) {
    const std::vector<std::uint8_t> b = emscripten::convertJSArrayToNumberVector<std::uint8_t>(bytes);
    return zova::web::OpenDesignJson(std::string(b.begin(), b.end()), name);
}
std::string reportHtml(std::string date, std::string charts) { return zova::web::ReportHtmlJson(date, charts); }
std::string hideWarned(bool hide) { return zova::web::HideWarnedJson(hide); }
std::string spice(std::string dialect, bool withLosses) { return zova::web::SpiceJson(dialect, withLosses); }

}  // namespace

EMSCRIPTEN_BINDINGS(zova_page) {
    emscripten::function("catalogue", &catalogue);
    emscripten::function("setLanguage", &setLanguage);
    emscripten::function("coreList", &coreList);
    emscripten::function("coreDetails", &coreDetails);
    emscripten::function("calculatorHelp", &zova::web::CalculatorHelpJson);
    emscripten::function("workbenchTexts", &zova::web::WorkbenchTextsJson);
    emscripten::function("figureTable", &zova::web::FigureTableJson);
    emscripten::function("calculate", &calculate);
    emscripten::function("select", &select);
    emscripten::function("repeatSelect", &repeatSelect);
    emscripten::function("candidates", &zova::web::CandidatesJson);
    emscripten::function("candidateOrder", &candidateOrder);
    emscripten::function("candidatesCsv", &zova::web::CandidatesCsvJson);
    emscripten::function("session", &zova::web::SessionJson);
    emscripten::function("type", &type);
    emscripten::function("runConverter", &zova::web::RunConverterJson);
    emscripten::function("loadCandidate", &loadCandidate);
    emscripten::function("saveDesign", &zova::web::SaveDesignJson);
    emscripten::function("saved", &saved);
    emscripten::function("openDesign", &openDesign);
    emscripten::function("reportHtml", &reportHtml);
    emscripten::function("hideWarned", &hideWarned);
    emscripten::function("spice", &spice);
    emscripten::function("resetSession", &zova::web::ResetSession);
}
