#pragma once

#include <array>
#include <cstdint>
#include <optional>
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

// One accepted core: its catalogue row and the smallest turn count that reaches
// the per-core target and fits the window.
struct SelectedCore {
    int row = 0;
    std::int16_t turns = 0;

    friend bool operator==(const SelectedCore&, const SelectedCore&) = default;
};

struct SelectionOutcome {
    SelectionEnd end = SelectionEnd::Found;
    std::vector<std::string> lines;  // one per accepted core, in catalogue row order
    std::vector<SelectedCore> cores;  // the same cores as numbers, line for line
    std::int16_t stackSize = 0;         // once the stack text has been converted
    float current = 0.0f;               // A, once the current text has been converted
    double inductance = 0.0;            // µH, the whole stack's target, once its text has been converted
    std::optional<float> bareDiameter;  // mm, once the wire has been sized from the current
    std::string wireText;            // the wire column without its ">", once sized
    std::string message;             // empty when end == Found
    std::string caption;             // empty when end == Found

    friend bool operator==(const SelectionOutcome&, const SelectionOutcome&) = default;
};

// The core selection from the texts of its three boxes, taken as they stand
// (nothing is trimmed). Each line: part number, coated OD, ID, height, turns,
// ">" + wire diameter, separated by two tabs.
// The six columns of a result line, as the line writes them: part number,
// coated OD, ID, height, turns, ">" + wire text.
std::array<std::string, 6> ResultColumns(const SelectedCore& selected, const std::string& wireText);

// A run's lines said again in the current language (the wire's advice to
// use stranded wire is worded); its message is left as it was said.
void SayLinesAgain(SelectionOutcome& run);

SelectionOutcome SelectCores(std::string_view currentText, std::string_view inductanceText,
                             std::string_view stackText);

// The same command trying every core at 1, 2, 3, ... turns, exactly as the rule
// reads. SelectCores leaves out the turn counts that provably cannot change its
// outcome; this plain scan is what it is checked against.
SelectionOutcome SelectCoresPlainScan(std::string_view currentText, std::string_view inductanceText,
                                      std::string_view stackText);

}  // namespace zova
