#include "presentation/candidate_table.h"

#include <algorithm>
#include <array>
#include <numeric>
#include <stdexcept>

#include "catalogue/catalogue.h"
#include "commands/messages.h"
#include "language/texts.h"
#include "presentation/figure_table.h"
#include "presentation/warning_texts.h"
#include "engine/arithmetic_error.h"
#include "engine/formulas.h"
#include "text/csv_record.h"

namespace zova {
namespace {

// The selection's own columns: what its result line and catalogue row say.
struct SelectionColumn {
    std::string_view key;
    const Phrase* caption;
    bool text;
};

namespace W = texts::workbench;

constexpr SelectionColumn kSelectionColumns[] = {
    {"index", &W::columnIndex, false},     {"partNo", &W::columnPartNo, true},
    {"series", &W::columnSeries, true},    {"coatedOD", &W::columnOD, false},
    {"coatedID", &W::columnID, false},     {"coatedHeight", &W::columnHeight, false},
    {"turns", &W::columnTurns, false},     {"wire", &W::columnWire, false},
};

const SelectionColumn* selectionColumn(std::string_view key) {
    for (const SelectionColumn& c : kSelectionColumns)
        if (c.key == key) return &c;
    return nullptr;
}

// One candidate as its selection line shows it.
struct SelectionLine {
    std::size_t index;
    const SelectedCore& selected;
    const CoreRecord& core;
    std::array<std::string, 6> columns;  // the result line's
    double wire;                         // mm, bare
};

CandidateCell selectionCell(std::string_view key, const SelectionLine& s) {
    const auto& [index, selected, core, line, wire] = s;
    if (key == "index") return {std::to_string(index + 1), static_cast<double>(index + 1)};
    if (key == "partNo") return {core.PartNo, std::nullopt};
    if (key == "series") return {std::string(SeriesCodeOf(core.PartNo)), std::nullopt};
    if (key == "coatedOD") return {line[1], core.CoatedOD};
    if (key == "coatedID") return {line[2], core.CoatedID};
    if (key == "coatedHeight") return {line[3], core.CoatedHeight};
    if (key == "turns") return {line[4], static_cast<double>(selected.turns)};
    return {line[5], wire};
}

CandidateCell figureCell(const Figure& figure, const DesignFigures& f) {
    const std::optional<double> number = ShownNumber(figure, f);
    // A winding whose turns do not all fit has no layers to count.
    if (!number && figure.key == "layers") return {std::string(Say(W::doesNotFit)), std::nullopt};
    return {ShownText(figure, f), number};
}

CandidateRow rowOf(const SelectionOutcome& selection, std::size_t index, const CandidateConditions& conditions) {
    const SelectedCore& selected = selection.cores[index];
    const CoreRecord& core = CoreCatalogue(selected.row);
    DesignOptions rowOnly = conditions.options;
    rowOnly.rolloff = false;  // the roll-off is the chart's, of the one design loaded
    const DesignFigures f = ComputeDesignFigures(core, selected.turns, conditions.current.value_or(selection.current),
                                                 selection.stackSize, rowOnly);
    const SelectionLine line{index, selected, core, ResultColumns(selected, selection.wireText),
                             selection.bareDiameter.value_or(f.bareDiameter)};
    CandidateRow row;
    row.core = selected;
    row.windingFits = f.windingFits;
    row.ripple = f.ripple.value_or(0.0);  // a selected core has a curve: always known
    // A run at a current of its own (a converter's, at its inductor's DC current
    // where the selection sized the wire at the peak) works its figures out with
    // the wire of that current: the column names that wire, as the figures show
    // it, so that it agrees with the resistance and the fill beside it.
    const bool ownCurrent = conditions.current && *conditions.current != selection.current;
    row.warnings = DesignWarningsOf(f, conditions.limits);
    for (std::size_t c = 0; c < kCandidateColumns; ++c) {
        const std::string_view key = kCandidateColumnKeys[c];
        if (key == "warnings")
            row.cells[c] = {WarningNames(row.warnings), static_cast<double>(row.warnings.size())};
        else if (key == "wire" && ownCurrent)
            row.cells[c] = figureCell(FigureOf("bareDiameter"), f);
        else
            row.cells[c] = selectionColumn(key) ? selectionCell(key, line) : figureCell(FigureOf(key), f);
    }
    return row;
}

}  // namespace

CandidateRowsOutcome CandidateRows(const SelectionOutcome& selection, std::size_t first, std::size_t count,
                                   const CandidateConditions& conditions) {
    CandidateRowsOutcome out;
    const std::size_t size = selection.cores.size();
    const std::size_t end = first >= size ? first : first + std::min(count, size - first);
    try {
        for (std::size_t i = first; i < end; ++i) out.rows.push_back(rowOf(selection, i, conditions));
    } catch (const ArithmeticError&) {
        out.end = DesignEnd::OutOfRange;
        out.rows.clear();
        out.message = Say(texts::messages::outOfRange);
    }
    return out;
}

std::size_t CandidateColumn(std::string_view key) {
    for (std::size_t c = 0; c < kCandidateColumns; ++c)
        if (kCandidateColumnKeys[c] == key) return c;
    throw std::out_of_range("no candidate column named " + std::string(key));
}

std::string CandidateCaption(std::size_t column) {
    const std::string_view key = kCandidateColumnKeys.at(column);
    if (key == "warnings") return std::string(Say(W::columnWarnings));
    if (const SelectionColumn* c = selectionColumn(key)) return std::string(Say(*c->caption));
    return Caption(FigureOf(key));
}

void RetellCells(CandidateRow& row) {
    static const std::size_t warnings = CandidateColumn("warnings");
    static const std::size_t layers = CandidateColumn("layers");
    row.cells[warnings].text = WarningNames(row.warnings);
    if (!row.cells[layers].key) row.cells[layers].text = Say(W::doesNotFit);
}

bool IsTextColumn(std::size_t column) {
    const SelectionColumn* c = selectionColumn(kCandidateColumnKeys.at(column));
    return c != nullptr && c->text;
}

std::vector<std::size_t> SortedOrder(const std::vector<CandidateRow>& rows, std::size_t column, bool descending) {
    std::vector<std::size_t> order(rows.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        const CandidateCell& x = rows[a].cells[column];
        const CandidateCell& y = rows[b].cells[column];
        if (x.key.has_value() != y.key.has_value()) return x.key.has_value();
        if (x.key) return descending ? *y.key < *x.key : *x.key < *y.key;
        if (x.text == y.text) return false;
        // Neither has a number: a text column, or two rows without a value.
        return descending ? y.text < x.text : x.text < y.text;
    });
    return order;
}

std::vector<std::size_t> RankedOrder(const std::vector<CandidateRow>& rows, std::size_t column) {
    std::vector<std::size_t> order = SortedOrder(rows, column, false);
    std::stable_partition(order.begin(), order.end(), [&](std::size_t i) { return rows[i].warnings.empty(); });
    return order;
}

std::vector<std::size_t> WithoutWarned(const std::vector<CandidateRow>& rows, std::vector<std::size_t> order) {
    std::erase_if(order, [&](std::size_t i) { return !rows[i].warnings.empty(); });
    return order;
}

std::string CandidatesCsv(const std::vector<CandidateRow>& rows, const std::vector<std::size_t>& order) {
    std::string out = "\xEF\xBB\xBF";
    std::vector<std::string> header;
    for (std::size_t c = 0; c < kCandidateColumns; ++c) header.push_back(CandidateCaption(c));
    out += text::CsvRecord(header);
    std::vector<std::string> fields(kCandidateColumns);
    for (const std::size_t i : order) {
        for (std::size_t c = 0; c < kCandidateColumns; ++c) fields[c] = rows[i].cells[c].text;
        out += text::CsvRecord(fields);
    }
    return out;
}

}  // namespace zova
