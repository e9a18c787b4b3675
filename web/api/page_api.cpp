#include "page_api.h"

#include <initializer_list>
#include <memory>
#include <utility>

#include "catalogue/catalogue.h"
#include "commands/core_list.h"
#include "commands/design_command.h"
#include "commands/inductance_command.h"
#include "commands/input_rules.h"
#include "commands/messages.h"
#include "commands/rule_texts.h"
#include "commands/selection_command.h"
#include "presentation/candidate_table.h"
#include "presentation/chart_series.h"
#include "presentation/figure_meanings.h"
#include "presentation/figure_rows.h"
#include "presentation/figure_table.h"
#include "presentation/workbench_texts.h"
#include "text/conversions.h"
#include "text/json_writer.h"
#include "text/number_text.h"

namespace zova::web {
namespace {

using Json = text::JsonWriter;

// The page's state between calls, as the windows keep it: the last selection
// that listed cores and its candidates' rows, once computed.
struct Run {
    SelectionOutcome selection;
    bool computed = false;
    CandidateRowsOutcome table;
};
std::unique_ptr<Run>& lastRun() {
    static std::unique_ptr<Run> run;
    return run;
}

// The last run's rows with their figures, computed on first use; nullptr before any run.
const CandidateRowsOutcome* candidateTable() {
    Run* run = lastRun().get();
    if (run == nullptr) return nullptr;
    if (!run->computed) {
        run->table = CandidateRows(run->selection, 0, run->selection.cores.size());
        run->computed = true;
    }
    return &run->table;
}

// The calculator's and the selection's boxes read as typed, in order, by the
// one reader of a design's inputs. The commands then get the values read, in
// their shortest texts; the first refusal stops the reading.
struct BoxesRead {
    DesignBox refused = DesignBox::None;
    std::string refusal;
    std::vector<std::string> texts;
};

BoxesRead readBoxes(std::initializer_list<std::pair<DesignBox, std::string_view>> boxes) {
    BoxesRead read;
    for (const auto& [box, typed] : boxes) {
        BoxReading r = ReadBox(box, typed);
        if (!r.refusal.empty()) {
            read.refused = box;
            read.refusal = std::move(r.refusal);
            return read;
        }
        read.texts.push_back(text::ShortestText(r.value));
    }
    return read;
}

void point(Json& j, const ChartPoint& p) { j.beginArray().number(p.x).number(p.y).endArray(); }

void points(Json& j, std::string_view key, const std::vector<ChartPoint>& ps) {
    j.key(key).beginArray();
    for (const ChartPoint& p : ps) point(j, p);
    j.endArray();
}

}  // namespace

std::string CoreListJson(std::string_view searchText) {
    LoadCatalogue();
    Json j;
    j.beginObject().key("cores").beginArray();
    for (const std::string& partNo : FilterCoreList(text::Trimmed(searchText))) j.string(partNo);
    j.endArray().endObject();
    return j.text();
}

std::string WorkbenchTextsJson() {
    Json j;
    j.beginObject()
        .key("hint").string(workbench::kHint)
        .key("noRun").string(workbench::kNoRun)
        .key("noFigures").string(workbench::kNoFigures)
        .key("noCurve").string(workbench::kNoCurve)
        .endObject();
    return j.text();
}

std::string FigureTableJson() {
    Json j;
    j.beginObject().key("figures").beginArray();
    for (const Figure* figure : FiguresInReadingOrder())
        j.beginObject()
            .key("key").string(figure->key)
            .key("name").string(Caption(*figure))
            .key("unit").string(figure->unit)
            .key("group").string(GroupName(figure->group))
            .key("meaning").string(FigureMeaning(figure->key))
            .endObject();
    j.endArray().endObject();
    return j.text();
}

std::string CoreDetailsJson(std::string_view listItem) {
    LoadCatalogue();
    Json j;
    j.beginObject().key("text").string(CoreDetailsText(listItem)).endObject();
    return j.text();
}

std::string CalculatorHelpJson() {
    Json j;
    j.beginObject().key("text").string(CalculatorHelpText()).endObject();
    return j.text();
}

std::string CalculateJson(std::string_view selectedPartNo, std::string_view turnsText, std::string_view currentText,
                          std::string_view stackText) {
    LoadCatalogue();
    Json j;
    j.beginObject();
    const BoxesRead read =
        readBoxes({{DesignBox::Turns, turnsText}, {DesignBox::BiasCurrent, currentText}, {DesignBox::Stack, stackText}});
    if (read.refused != DesignBox::None) {
        j.key("end").string("validation").key("box").string(RuleOf(read.refused).key).key("text").string(read.refusal);
        j.endObject();
        return j.text();
    }
    const InductanceOutcome o = CalculateInductance(selectedPartNo, read.texts[0], read.texts[1], read.texts[2]);
    j.key("box").string("");
    switch (o.end) {
        case InductanceEnd::Result: j.key("end").string("result").key("text").string(o.resultText); break;
        case InductanceEnd::Validation:
        case InductanceEnd::UnknownCore: j.key("end").string("validation").key("text").string(o.resultText); break;
        case InductanceEnd::OutOfRange:
            j.key("end").string("outOfRange").key("text").string(messages::kOutOfRange);
            break;
    }
    j.endObject();
    return j.text();
}

std::string SelectJson(std::string_view currentText, std::string_view inductanceText, std::string_view stackText) {
    LoadCatalogue();
    Json j;
    j.beginObject();
    const BoxesRead read = readBoxes(
        {{DesignBox::Current, currentText}, {DesignBox::Inductance, inductanceText}, {DesignBox::Stack, stackText}});
    if (read.refused != DesignBox::None) {
        j.key("end").string("validation").key("box").string(RuleOf(read.refused).key);
        j.key("lines").beginArray().endArray().key("message").string(read.refusal).endObject();
        return j.text();
    }
    SelectionOutcome o = SelectCores(read.texts[0], read.texts[1], read.texts[2]);
    j.key("box").string("").key("end");
    switch (o.end) {
        case SelectionEnd::Found: j.string("found"); break;
        case SelectionEnd::Validation: j.string("validation"); break;
        case SelectionEnd::NoResult: j.string("noResult"); break;
        case SelectionEnd::OutOfRange: j.string("outOfRange"); break;
    }
    j.key("lines").beginArray();
    for (std::size_t i = 0; i < o.lines.size(); ++i) {
        const SelectedCore& core = o.cores[i];
        j.beginObject()
            .key("text").string(o.lines[i])
            .key("partNo").string(CoreCatalogue(core.row).PartNo)
            .key("turns").integer(core.turns)
            .endObject();
    }
    j.endArray();
    j.key("current").string(text::ShortestText(o.current)).key("stack").integer(o.stackSize);
    j.key("message").string(o.message).key("caption").string(o.caption);
    j.key("status").string(o.end == SelectionEnd::Found ? messages::CoresFoundText(o.cores.size()) : o.message);
    j.endObject();
    if (!o.cores.empty()) {
        auto run = std::make_unique<Run>();
        run->selection = std::move(o);
        lastRun() = std::move(run);
    }
    return j.text();
}

std::string CandidatesJson() {
    LoadCatalogue();
    Json j;
    j.beginObject();
    const CandidateRowsOutcome* table = candidateTable();
    if (table == nullptr) {
        j.key("end").string("none").endObject();
        return j.text();
    }
    const CandidateRowsOutcome& t = *table;
    const SelectionOutcome& selection = lastRun()->selection;
    j.key("end").string(t.end == DesignEnd::Found ? "found" : "outOfRange").key("message").string(t.message);
    j.key("captions").beginArray();
    for (std::size_t c = 0; c < kCandidateColumns; ++c) j.string(CandidateCaption(c));
    j.endArray();
    j.key("rows").beginArray();
    for (std::size_t i = 0; i < t.rows.size(); ++i) {
        const CandidateRow& row = t.rows[i];
        j.beginObject()
            .key("line").integer(static_cast<long long>(i))
            .key("partNo").string(CoreCatalogue(row.core.row).PartNo)
            .key("turns").integer(row.core.turns)
            .key("fits").boolean(row.windingFits)
            .key("cells").beginArray();
        for (const CandidateCell& cell : row.cells) j.string(cell.text);
        j.endArray().endObject();
    }
    j.endArray();
    j.key("count").integer(static_cast<long long>(selection.cores.size()));
    j.key("current").string(text::ShortestText(selection.current));
    j.key("stack").integer(selection.stackSize);
    j.key("summary").string(
        workbench::CandidatesSummary(selection.cores.size(), selection.current, selection.inductance, selection.stackSize));
    j.endObject();
    return j.text();
}

std::string CandidateOrderJson(std::size_t column, bool descending) {
    Json j;
    j.beginObject().key("order").beginArray();
    if (const CandidateRowsOutcome* table = candidateTable(); table != nullptr && column < kCandidateColumns)
        for (const std::size_t i : SortedOrder(table->rows, column, descending)) j.integer(static_cast<long long>(i));
    j.endArray().endObject();
    return j.text();
}

std::string CandidatesCsvJson(const std::vector<std::size_t>& order) {
    Json j;
    j.beginObject().key("csv");
    const CandidateRowsOutcome* table = candidateTable();
    if (table == nullptr || table->end != DesignEnd::Found) {
        j.string("");
    } else {
        std::vector<std::size_t> valid;
        for (const std::size_t i : order)
            if (i < table->rows.size()) valid.push_back(i);
        j.string(CandidatesCsv(table->rows, valid));
    }
    j.endObject();
    return j.text();
}

std::string DesignJson(std::string_view coreText, std::string_view turnsText, std::string_view currentText,
                       std::string_view stackText, std::string_view frequencyText, std::string_view rippleText,
                       std::string_view coefficientsText) {
    LoadCatalogue();
    // Its boxes read as the desktop workbench reads them.
    const DesignOutcome o = DesignAsTyped(coreText, turnsText, currentText, stackText,
                                          {frequencyText, rippleText, coefficientsText});
    const std::string& partNo = o.partNo;
    Json j;
    j.beginObject().key("end");
    switch (o.end) {
        case DesignEnd::Found: j.string("found"); break;
        case DesignEnd::Validation:
        case DesignEnd::UnknownCore: j.string("validation"); break;
        case DesignEnd::OutOfRange: j.string("outOfRange"); break;
    }
    j.key("box").string(RuleOf(o.box).key);
    j.key("partNo").string(partNo).key("message").string(o.message);
    if (o.end == DesignEnd::Found) {
        const DesignFigures& f = *o.figures;
        // An empty coefficients box stands for the material's fit: it shows which.
        j.key("coefficients").string(workbench::CoefficientsText(f.lossCoefficients));
        j.key("result").string(o.biasCurve ? InductanceResultText(f.inductance)
                                           : workbench::NoCurveResult(partNo, o.current, f.inductanceZeroBias));
        std::string warning = o.biasCurve ? std::string() : std::string(workbench::kNoCurve);
        if (const std::string w = WindingWarning(f, o.turns); !w.empty()) warning += (warning.empty() ? "" : "\n") + w;
        j.key("warning").string(warning);
        j.key("sections").beginArray();
        for (const FigureSection& section : FigureSections(f, o.biasCurve)) {
            j.beginObject().key("heading").string(section.heading).key("rows").beginArray();
            for (const FigureRow& row : section.rows)
                j.beginObject().key("name").string(row.name).key("value").string(row.value).endObject();
            j.endArray().endObject();
        }
        j.endArray();
        // Without a bias curve the roll-off would fall straight to 0: no chart, a sentence.
        j.key("inductanceChart");
        if (o.biasCurve) {
            const InductanceChart l = InductanceChartOf(f, o.current);
            j.beginObject();
            points(j, "curve", l.curve);
            j.key("operating");
            point(j, l.operating);
            j.key("zeroBias").number(l.zeroBias).endObject();
        } else {
            j.null();
        }
        j.key("permeabilityChart");
        if (const auto mu = PermeabilityChartOf(FindCore(partNo), f)) {
            j.beginObject();
            points(j, "points", mu->points);
            points(j, "lookedUp", mu->lookedUp);
            j.key("operating");
            point(j, mu->operating);
            j.key("fieldFrom").number(mu->fieldFrom).key("fieldTo").number(mu->fieldTo).endObject();
        } else {
            j.null();
        }
    }
    j.endObject();
    return j.text();
}

void ResetRun() { lastRun().reset(); }

}  // namespace zova::web
