#include "presentation/converter_outputs.h"

#include "presentation/warning_texts.h"

#include <algorithm>
#include <numeric>

#include "catalogue/catalogue.h"
#include "commands/input_rules.h"
#include "language/texts.h"
#include "presentation/candidate_table.h"
#include "presentation/figure_formats.h"
#include "presentation/figure_table.h"
#include "text/csv_record.h"
#include "text/json_writer.h"
#include "text/number_text.h"

namespace zova {

std::vector<PointFigure> PointFigures() {
    namespace W = texts::workbench;
    namespace F = texts::figures;
    return {
        {"dutyCycle", Say(W::dutyCycle), "", 3, &OperatingPoint::dutyCycle},
        {"inductorCurrent", Say(W::inductorCurrent), "A", 3, &OperatingPoint::inductorCurrent},
        {"voltSeconds", Say(W::voltSeconds), "V·μs", 2, &OperatingPoint::voltSeconds},
        {"inductance", Say(F::inductance), "μH", 3, &OperatingPoint::inductance},
        {"ripple", Say(F::ripple), "A", 3, &OperatingPoint::ripple},
        {"peakCurrent", Say(F::peakCurrent), "A", 3, &OperatingPoint::peakCurrent},
    };
}

PointFigure RippleRatioFigure() {
    // The box the ratio is typed into names it; shown to the duty cycle's thousandths.
    return {"rippleRatio", Say(RuleOf(DesignBox::RippleRatio).name), "", 3, &OperatingPoint::rippleRatio};
}

std::optional<std::vector<std::size_t>> CandidateOrder(const std::vector<DesignFigures>& figures, std::string_view key,
                                                       const DesignLimits& limits, bool hideWarned) {
    const Figure* figure = nullptr;
    for (const Figure& f : Figures())
        if (f.key == key && (f.kind == FigureKind::Number || f.kind == FigureKind::Whole)) figure = &f;
    if (figure == nullptr) return std::nullopt;
    std::vector<std::optional<double>> values;
    for (const DesignFigures& f : figures) values.push_back(ShownNumber(*figure, f));
    std::vector<std::size_t> order(figures.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        if (values[a].has_value() != values[b].has_value()) return values[a].has_value();
        return values[a] && *values[a] < *values[b];
    });
    const auto clean = [&](std::size_t i) { return DesignWarningsOf(figures[i], limits).empty(); };
    if (hideWarned)
        std::erase_if(order, [&](std::size_t i) { return !clean(i); });
    else
        std::stable_partition(order.begin(), order.end(), clean);
    return order;
}

std::string ConverterJson(const ConverterOutcome& o, const std::vector<std::size_t>& order) {
    text::JsonWriter j;
    j.beginObject();
    j.key("operatingPoint").beginObject();
    for (const PointFigure& p : PointFigures()) j.key(p.key).number((*o.point).*p.member);
    j.endObject();
    j.key("candidates").beginArray();
    for (const std::size_t i : order) {
        j.beginObject();
        j.key("partNo").string(CoreCatalogue(o.selection.cores[i].row).PartNo);
        j.key("turns").integer(o.selection.cores[i].turns);
        WriteFigureMembers(j, o.figures[i]);
        WriteWarningsMember(j, WarningLines(o.figures[i], o.limits));
        j.endObject();
    }
    j.endArray();
    j.endObject();
    return j.text();
}

std::string ConverterCsv(const ConverterOutcome& o, const std::vector<std::size_t>& order) {
    const std::vector<std::string> keys = FigureKeys();
    std::vector<std::string> header = {"partNo", "turns"};
    for (const std::string& key : keys)
        if (key != "rolloff") header.push_back(key);
    std::string out = text::CsvRecord(header);
    for (const std::size_t i : order) {
        std::vector<std::string> fields = {CoreCatalogue(o.selection.cores[i].row).PartNo,
                                           std::to_string(o.selection.cores[i].turns)};
        const std::vector<std::string> all = FigureFields(o.figures[i]);
        for (std::size_t k = 0; k < keys.size(); ++k)
            if (keys[k] != "rolloff") fields.push_back(all[k]);
        out += text::CsvRecord(fields);
    }
    return out;
}

std::string OperatingPointLines(const OperatingPoint& point) {
    std::string out;
    for (const PointFigure& p : PointFigures()) {
        out += p.name;
        if (!p.unit.empty()) out.append(" (").append(p.unit).append(")");
        out += '\t';
        out += text::FormatFixed(point.*p.member, p.decimals);
        out += '\n';
    }
    return out;
}

std::string ConverterText(const ConverterOutcome& o, const std::vector<std::size_t>& order) {
    std::string out = OperatingPointLines(*o.point);
    out += '\n';
    out += CandidateCaption(CandidateColumn("partNo"));
    out += '\t';
    out += CandidateCaption(CandidateColumn("turns"));
    for (const std::string_view key : kConverterTextKeys) {
        out += '\t';
        out += Caption(FigureOf(key));
    }
    out += '\t';
    out += CandidateCaption(CandidateColumn("warnings"));
    out += '\n';
    for (const std::size_t i : order) {
        out += CoreCatalogue(o.selection.cores[i].row).PartNo + "\t" + std::to_string(o.selection.cores[i].turns);
        for (const std::string_view key : kConverterTextKeys) {
            out += '\t';
            out += ShownText(FigureOf(key), o.figures[i]);
        }
        out += '\t';
        out += WarningNames(DesignWarningsOf(o.figures[i], o.limits));
        out += "\n";
    }
    return out;
}

}  // namespace zova
