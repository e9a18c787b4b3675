#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "commands/selection_command.h"
#include "design/design_warnings.h"
#include "commands/design_command.h"

namespace zova {

// The columns of the candidates' comparison, left to right, by key: the
// selection's own columns, then design figures of the figure table.
inline constexpr std::array<std::string_view, 20> kCandidateColumnKeys = {
    "index",         "partNo",        "series",          "coatedOD",   "coatedID",
    "coatedHeight",  "turns",         "wire",            "inductance", "percentPermeability",
    "windowFill",    "layers",        "resistance100",   "copperLoss100", "temperatureRise",
    "woundVolume",   "coreLoss",      "totalLoss",       "temperatureRiseTotal", "warnings"};
inline constexpr std::size_t kCandidateColumns = kCandidateColumnKeys.size();

// The position of the column with this key; throws std::out_of_range for none.
std::size_t CandidateColumn(std::string_view key);

// The caption of a column in the current language: "序号", "电感量 (μH)".
std::string CandidateCaption(std::size_t column);

// Whether a column holds words (part number, series) rather than figures.
bool IsTextColumn(std::size_t column);

struct CandidateCell {
    std::string text;
    std::optional<double> key;  // what the column sorts by; text columns have none

    friend bool operator==(const CandidateCell&, const CandidateCell&) = default;
};

// One selected core with its figures, as the comparison shows it.
struct CandidateRow {
    SelectedCore core;
    bool windingFits = false;
    double ripple = 0.0;  // A peak to peak its figures were worked out with (a converter's run: λ ÷ its own L)
    std::vector<DesignWarning> warnings;  // what its figures raise at the run's limits
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
// What a run's candidates are worked out at: by default the selection's current
// and DC alone; a converter's run gives its inductor's DC current and its
// switching operation (each candidate's ripple then follows from its own L).
// At a current other than the selection's, the wire column shows the bare wire
// of that current as the figures do ("1.262"), not the selection's ">1.35".
struct CandidateConditions {
    std::optional<float> current;  // A; the selection's when none
    DesignOptions options;         // the roll-off is never computed for a row
    DesignLimits limits;           // what the rows' warnings are judged by
};

// The layers column of a winding whose turns do not all fit says so in words
// (texts::workbench::doesNotFit), as the warnings column names its warnings.
CandidateRowsOutcome CandidateRows(const SelectionOutcome& selection, std::size_t first, std::size_t count,
                                   const CandidateConditions& conditions = {});

// The row's cells that hold words (the warnings' names, a winding that does
// not fit) said again in the current language; its figures stay as they are.
void RetellCells(CandidateRow& row);

// The row positions in the order of `column`: numbers by value, texts by their
// bytes; rows without a value last whichever the direction; ties keep the order
// they had in the run.
std::vector<std::size_t> SortedOrder(const std::vector<CandidateRow>& rows, std::size_t column, bool descending);

// A converter's ranking: the rows without a warning first, then those with
// one, each part by `column` rising (rows without a value last, ties in the
// run's order).
std::vector<std::size_t> RankedOrder(const std::vector<CandidateRow>& rows, std::size_t column);

// The order without the rows that raise a warning.
std::vector<std::size_t> WithoutWarned(const std::vector<CandidateRow>& rows, std::vector<std::size_t> order);

// The rows, in the given order, as CSV: a byte-order mark (spreadsheet programs
// read UTF-8 only with it), the captions, then the texts as shown.
std::string CandidatesCsv(const std::vector<CandidateRow>& rows, const std::vector<std::size_t>& order);

}  // namespace zova
