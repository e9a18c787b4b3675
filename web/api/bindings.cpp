// The page's WebAssembly module: the calls of page_api.h, each taking and
// giving JavaScript strings (UTF-8 inside).
#include <emscripten/bind.h>

#include <cstddef>
#include <string>
#include <vector>

#include "page_api.h"

namespace {

std::string coreList(std::string search) { return zova::web::CoreListJson(search); }
std::string coreDetails(std::string item) { return zova::web::CoreDetailsJson(item); }
std::string calculate(std::string partNo, std::string turns, std::string current, std::string stack) {
    return zova::web::CalculateJson(partNo, turns, current, stack);
}
std::string select(std::string current, std::string inductance, std::string stack) {
    return zova::web::SelectJson(current, inductance, stack);
}
std::string candidateOrder(int column, bool descending) {
    return zova::web::CandidateOrderJson(column < 0 ? ~std::size_t{0} : static_cast<std::size_t>(column), descending);
}
std::string candidatesCsv(const emscripten::val& order) {
    std::vector<std::size_t> rows;
    for (const int i : emscripten::vecFromJSArray<int>(order))
        if (i >= 0) rows.push_back(static_cast<std::size_t>(i));
    return zova::web::CandidatesCsvJson(rows);
}
std::string design(std::string core, std::string turns, std::string current, std::string stack,
                   std::string frequency, std::string ripple, std::string coefficients) {
    return zova::web::DesignJson(core, turns, current, stack, frequency, ripple, coefficients);
}

}  // namespace

EMSCRIPTEN_BINDINGS(zova_page) {
    emscripten::function("coreList", &coreList);
    emscripten::function("coreDetails", &coreDetails);
    emscripten::function("calculatorHelp", &zova::web::CalculatorHelpJson);
    emscripten::function("workbenchTexts", &zova::web::WorkbenchTextsJson);
    emscripten::function("figureTable", &zova::web::FigureTableJson);
    emscripten::function("calculate", &calculate);
    emscripten::function("select", &select);
    emscripten::function("candidates", &zova::web::CandidatesJson);
    emscripten::function("candidateOrder", &candidateOrder);
    emscripten::function("candidatesCsv", &candidatesCsv);
    emscripten::function("design", &design);
    emscripten::function("resetRun", &zova::web::ResetRun);
}
