#include "commands/core_list.h"

#include "catalogue/catalogue.h"
#include "language/texts.h"
#include "text/conversions.h"
#include "text/number_text.h"

namespace zova {

std::vector<std::string> FilterCoreList(std::string_view searchText) {
    // Only the pattern is upper-cased: part numbers are stored in capitals.
    std::string pattern(searchText);
    for (char& c : pattern)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    std::vector<std::string> items;
    for (int row = 1; row <= CoreCount(); ++row) {
        const std::string& partNo = CoreCatalogue(row).PartNo;
        if (partNo.find(pattern) != std::string::npos) items.push_back(partNo);
    }
    return items;
}

std::string CoreDetailsText(std::string_view listItem) {
    const CoreRecord core = FindCore(text::Trimmed(listItem));
    namespace m = texts::messages;
    return Fill(m::detailPartNo, {listItem}) + "\r" +
           Fill(m::detailCoatedOuterDiameter, {text::GeneralForm(core.CoatedOD)}) + "\r" +
           Fill(m::detailCoatedInnerDiameter, {text::GeneralForm(core.CoatedID)}) + "\r" +
           Fill(m::detailCoatedHeight, {text::GeneralForm(core.CoatedHeight)}) + "\r" +
           Fill(m::detailInductanceFactor, {text::GeneralForm(core.AL)}) + "\r" +
           Fill(m::detailPathLength, {text::Format000(core.PathLength)});
}

std::vector<std::string> CoreDetailsLines(std::string_view listItem) {
    std::vector<std::string> lines;
    const std::string details = CoreDetailsText(listItem);
    for (std::size_t start = 0;;) {
        const std::size_t end = details.find('\r', start);
        lines.push_back(details.substr(start, end == std::string::npos ? std::string::npos : end - start));
        if (end == std::string::npos) return lines;
        start = end + 1;
    }
}

std::string CalculatorHelpText() {
    return std::string(Say(texts::messages::calculatorHelp));
}

}  // namespace zova
