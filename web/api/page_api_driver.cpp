// Runs the page's calls natively for the tests that hold the WebAssembly
// module to them. Each line of standard input is one call, its name and its
// texts separated by tabs:
//   catalogue (area), setLanguage (code), repeatSelect (as select),
//   coreList, coreDetails, calculatorHelp, workbenchTexts, figureTable, calculate, select, candidates,
//   candidateOrder (column, "1" for descending), candidatesCsv, session, type (box key, text),
//   runConverter, loadCandidate (line), saveDesign, saved (name), openDesign (the
//   bytes in hexadecimal, name), reportHtml (date, charts), hideWarned ("1" to hide),
//   spice (dialect, "1" with losses), resetSession
//   bench COUNT CURRENT INDUCTANCE STACK: the median time of one select call
// Each answer is written followed by a line holding only the character RS (0x1e).
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "page_api.h"

namespace {

std::vector<std::string> fields(const std::string& line) {
    std::vector<std::string> out;
    std::size_t from = 0;
    while (true) {
        const std::size_t tab = line.find('\t', from);
        out.push_back(line.substr(from, tab == std::string::npos ? std::string::npos : tab - from));
        if (tab == std::string::npos) return out;
        from = tab + 1;
    }
}

std::string fromHex(const std::string& hex) {
    std::string bytes;
    for (std::size_t i = 0; i + 1 < hex.size(); i += 2)
        bytes.push_back(static_cast<char>(std::stoi(hex.substr(i, 2), nullptr, 16)));
    return bytes;
}

std::string bench(int count, const std::string& current, const std::string& inductance, const std::string& stack) {
    std::vector<double> micros;
    std::size_t bytes = 0;
    for (int i = 0; i < count; ++i) {
        const auto start = std::chrono::steady_clock::now();
        bytes += zova::web::SelectJson(current, inductance, stack).size();
        micros.push_back(std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count());
    }
    std::sort(micros.begin(), micros.end());
    std::ostringstream out;
    out << "{\"medianMicroseconds\": " << micros[micros.size() / 2] << ", \"bytes\": " << bytes << "}\n";
    return out.str();
}

}  // namespace

int main() {
    namespace web = zova::web;
    std::string line;
    while (std::getline(std::cin, line)) {
        const std::vector<std::string> f = fields(line);
        const auto arg = [&](std::size_t i) { return i < f.size() ? f[i] : std::string(); };
        const std::string& call = f[0];
        std::string answer;
        if (call == "catalogue") {
            answer = web::CatalogueJson(arg(1));
        } else if (call == "setLanguage") {
            answer = web::SetLanguageJson(arg(1));
        } else if (call == "repeatSelect") {
            answer = web::RepeatSelectJson(arg(1), arg(2), arg(3));
        } else if (call == "coreList") {
            answer = web::CoreListJson(arg(1));
        } else if (call == "coreDetails") {
            answer = web::CoreDetailsJson(arg(1));
        } else if (call == "calculatorHelp") {
            answer = web::CalculatorHelpJson();
        } else if (call == "workbenchTexts") {
            answer = web::WorkbenchTextsJson();
        } else if (call == "figureTable") {
            answer = web::FigureTableJson();
        } else if (call == "calculate") {
            answer = web::CalculateJson(arg(1), arg(2), arg(3), arg(4));
        } else if (call == "select") {
            answer = web::SelectJson(arg(1), arg(2), arg(3));
        } else if (call == "candidates") {
            answer = web::CandidatesJson();
        } else if (call == "candidateOrder") {
            answer = web::CandidateOrderJson(std::strtoul(arg(1).c_str(), nullptr, 10), arg(2) == "1");
        } else if (call == "candidatesCsv") {
            answer = web::CandidatesCsvJson();
        } else if (call == "session") {
            answer = web::SessionJson();
        } else if (call == "type") {
            answer = web::TypeJson(arg(1), arg(2));
        } else if (call == "runConverter") {
            answer = web::RunConverterJson();
        } else if (call == "loadCandidate") {
            answer = web::LoadCandidateJson(std::strtoul(arg(1).c_str(), nullptr, 10));
        } else if (call == "saveDesign") {
            answer = web::SaveDesignJson();
        } else if (call == "saved") {
            answer = web::SavedJson(arg(1));
        } else if (call == "openDesign") {
            answer = web::OpenDesignJson(fromHex(arg(1)), arg(2));
        } else if (call == "reportHtml") {
            answer = web::ReportHtmlJson(arg(1), arg(2));
        } else if (call == "hideWarned") {
            answer = web::HideWarnedJson(arg(1) == "1");
        } else if (call == "spice") {
            answer = web::SpiceJson(arg(1), arg(2) == "1");
        } else if (call == "resetSession") {
            web::ResetSession();
            answer = "null\n";
        } else if (call == "bench") {
            answer = bench(std::atoi(arg(1).c_str()), arg(2), arg(3), arg(4));
        } else {
            std::cerr << "unknown call: " << call << "\n";
            return 64;
        }
        std::cout << answer << "\x1e\n";
    }
    return std::cout.good() ? 0 : 74;
}
