#include "design/candidate_table.h"

#include <algorithm>
#include <numeric>

#include "catalogue/catalogue.h"
#include "commands/messages.h"
#include "engine/arithmetic_error.h"
#include "text/csv_record.h"
#include "text/number_text.h"

namespace zova {
namespace {

CandidateCell number(double v, int decimals) { return {text::FormatFixed(v, decimals), v}; }

CandidateCell number(const std::optional<double>& v, int decimals, double scale = 1.0) {
    if (!v) return {"—", std::nullopt};
    return number(*v * scale, decimals);
}

CandidateRow rowOf(const SelectionOutcome& selection, std::size_t index) {
    const SelectedCore& selected = selection.cores[index];
    const CoreRecord& core = CoreCatalogue(selected.row);
    const DesignFigures f = ComputeDesignFigures(core, selected.turns, selection.current, selection.stackSize);
    const auto line = ResultColumns(selected, selection.wireText);

    CandidateRow row;
    row.core = selected;
    row.windingFits = f.windingFits;
    const auto dimension = [](const std::string& shown, float v) { return CandidateCell{shown, v}; };
    const double bare = selection.bareDiameter.value_or(f.bareDiameter);
    row.cells = {
        CandidateCell{std::to_string(index + 1), static_cast<double>(index + 1)},
        CandidateCell{core.PartNo, std::nullopt},
        CandidateCell{core.PartNo.substr(0, 3), std::nullopt},
        dimension(line[1], core.CoatedOD),
        dimension(line[2], core.CoatedID),
        dimension(line[3], core.CoatedHeight),
        CandidateCell{line[4], static_cast<double>(selected.turns)},
        CandidateCell{line[5], bare},
        number(f.inductance, 3),
        number(f.percentPermeability, 2),
        number(f.windowFill * 100.0, 1),
        f.layers ? CandidateCell{std::to_string(*f.layers), static_cast<double>(*f.layers)}
                 : CandidateCell{std::string(kDoesNotFit), std::nullopt},
        number(f.resistance100, 2, 1000.0),
        number(f.copperLoss100, 3),
        number(f.temperatureRise, 1),
        number(f.woundVolume, 2),
    };
    return row;
}

}  // namespace

CandidateRowsOutcome CandidateRows(const SelectionOutcome& selection, std::size_t first, std::size_t count) {
    CandidateRowsOutcome out;
    const std::size_t size = selection.cores.size();
    const std::size_t end = first >= size ? first : first + std::min(count, size - first);
    try {
        for (std::size_t i = first; i < end; ++i) out.rows.push_back(rowOf(selection, i));
    } catch (const ArithmeticError&) {
        out.end = DesignEnd::OutOfRange;
        out.rows.clear();
        out.message = messages::kOutOfRange;
    }
    return out;
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

std::string CandidatesCsv(const std::vector<CandidateRow>& rows, const std::vector<std::size_t>& order) {
    std::string out = "\xEF\xBB\xBF";
    const std::vector<std::string> header(kCandidateCaptions.begin(), kCandidateCaptions.end());
    out += text::CsvRecord(header);
    std::vector<std::string> fields(kCandidateColumns);
    for (const std::size_t i : order) {
        for (std::size_t c = 0; c < kCandidateColumns; ++c) fields[c] = rows[i].cells[c].text;
        out += text::CsvRecord(fields);
    }
    return out;
}

}  // namespace zova
