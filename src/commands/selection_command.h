#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zova {

// How a selection run ended.
enum class SelectionEnd {
    Found,       // lines listed, no message
    Validation,  // an input check failed: message captioned "错误提示", no lines
    NoResult,    // no offered core qualifies: message captioned with the app title
    OutOfRange,  // an arithmetic failure: message captioned with the app title;
                 // the lines found before it are kept
};

struct SelectionOutcome {
    SelectionEnd end = SelectionEnd::Found;
    std::vector<std::string> lines;  // one per accepted core, in catalogue row order
    std::string message;             // empty when end == Found
    std::string caption;             // empty when end == Found

    friend bool operator==(const SelectionOutcome&, const SelectionOutcome&) = default;
};

// The core selection from the texts of its three boxes, taken as they stand
// (nothing is trimmed). Each line: part number, coated OD, ID, height, turns,
// ">" + wire diameter, separated by two tabs.
SelectionOutcome SelectCores(std::string_view currentText, std::string_view inductanceText,
                             std::string_view stackText);

}  // namespace zova
