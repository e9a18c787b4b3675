#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "commands/selection_command.h"
#include "design/design_command.h"

namespace zova {

// The columns of the candidates' comparison, left to right.
inline constexpr std::array<std::string_view, 16> kCandidateCaptions = {
    "序号",          "料号",        "系列",         "外径 (mm)",  "内径 (mm)",
    "高度 (mm)",     "圈数",        "线径 (mm)",    "电感量 (μH)", "磁导率保持 (%)",
    "窗口占用率 (%)", "绕线层数",    "直流电阻 100 °C (mΩ)", "铜损 100 °C (W)", "温升估算 (K)",
    "绕后体积 (cm³)"};
inline constexpr std::size_t kCandidateColumns = kCandidateCaptions.size();
inline constexpr std::size_t kPartNoColumn = 1;

// What the layers column shows for a winding whose turns do not all fit.
inline constexpr std::string_view kDoesNotFit = "放不下";

struct CandidateCell {
    std::string text;
    std::optional<double> key;  // what the column sorts by; text columns have none

    friend bool operator==(const CandidateCell&, const CandidateCell&) = default;
};

// One selected core with its figures, as the comparison shows it.
struct CandidateRow {
    SelectedCore core;
    bool windingFits = false;
    std::array<CandidateCell, kCandidateColumns> cells;

    friend bool operator==(const CandidateRow&, const CandidateRow&) = default;
};

struct CandidateRowsOutcome {
    DesignEnd end = DesignEnd::Found;  // Found or OutOfRange
    std::vector<CandidateRow> rows;    // empty unless Found
    std::string message;               // empty when end == Found
};

// Rows first .. first + count − 1 of a selection's cores (fewer at its end),
// each at its own turns and the run's current and stack. In pieces, so a
// window can show its progress between them.
CandidateRowsOutcome CandidateRows(const SelectionOutcome& selection, std::size_t first, std::size_t count);

// The row positions in the order of `column`: numbers by value, texts by their
// bytes; rows without a value last whichever the direction; ties keep the order
// they had in the run.
std::vector<std::size_t> SortedOrder(const std::vector<CandidateRow>& rows, std::size_t column, bool descending);

// The rows, in the given order, as CSV: a byte-order mark (spreadsheet programs
// read UTF-8 only with it), the captions, then the texts as shown.
std::string CandidatesCsv(const std::vector<CandidateRow>& rows, const std::vector<std::size_t>& order);

}  // namespace zova
