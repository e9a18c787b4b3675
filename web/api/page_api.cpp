#include "page_api.h"

#include <cmath>
#include <cstdio>
#include <optional>
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
#include "language/language.h"
#include "language/texts.h"
#include "presentation/candidate_table.h"
#include "presentation/chart_series.h"
#include "presentation/figure_meanings.h"
#include "presentation/figure_rows.h"
#include "presentation/figure_table.h"
#include "presentation/workbench_texts.h"
#include "session/workbench_session.h"
#include "text/conversions.h"
#include "text/json_writer.h"
#include "text/number_text.h"

namespace zova::web {
namespace {

using Json = text::JsonWriter;

// The page's workbench between calls, as a window keeps its own, and which
// run its candidates belong to (the page builds its table once per run).
struct Page {
    WorkbenchSession session;
    long long run = 0;
};
std::unique_ptr<Page>& page() {
    static std::unique_ptr<Page> p = std::make_unique<Page>();
    return p;
}
WorkbenchSession& session() { return page()->session; }

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

// A label as the axis format writes it (printf's, in the C locale the page and the tool run in).
std::string label(const std::string& format, double value) {
    char text[64];
    std::snprintf(text, sizeof text, format.c_str(), value);
    return text;
}

// A linear axis from 0: its top, its step and each tick with its label.
void axis(Json& j, std::string_view key, const AxisScale& a) {
    j.key(key).beginObject().key("top").number(a.top).key("step").number(a.step).key("ticks").beginArray();
    const long long steps = std::llround(a.top / a.step);
    for (long long k = 0; k <= steps; ++k) {
        const double v = a.step * static_cast<double>(k);
        j.beginArray().number(v).string(label(a.labelFormat, v)).endArray();
    }
    j.endArray().endObject();
}

void chartTexts(Json& j, std::string_view key, const workbench::ChartTexts& t) {
    j.key(key).beginObject()
        .key("xAxis").string(t.xAxis)
        .key("yAxis").string(t.yAxis)
        .key("curve").string(t.curve)
        .key("reference").string(t.reference)
        .key("operating").string(t.operating)
        .key("band").string(t.band)
        .key("name").string(t.name)
        .endObject();
}

std::string_view keyOr(const std::optional<SessionBox>& box) { return box ? KeyOf(*box) : std::string_view(); }

void designView(Json& j, const DesignView& v) {
    j.key("design").beginObject().key("end");
    switch (v.end) {
        case DesignEnd::Found: j.string("found"); break;
        case DesignEnd::Validation:
        case DesignEnd::UnknownCore: j.string("validation"); break;
        case DesignEnd::OutOfRange: j.string("outOfRange"); break;
    }
    j.key("refused").string(keyOr(v.refused)).key("message").string(v.message).key("warning").string(v.warning);
    j.key("coefficients").string(v.coefficients);
    j.key("sections").beginArray();
    for (const FigureSection& section : v.sections) {
        j.beginObject().key("heading").string(section.heading).key("rows").beginArray();
        for (const FigureRow& row : section.rows)
            j.beginObject().key("name").string(row.name).key("value").string(row.value).endObject();
        j.endArray().endObject();
    }
    j.endArray();
    j.key("inductanceChart");
    if (v.inductance) {
        const InductanceChart& l = *v.inductance;
        j.beginObject();
        points(j, "curve", l.curve);
        j.key("operating");
        point(j, l.operating);
        j.key("zeroBias").number(l.zeroBias).key("rippleBand");
        if (l.rippleBand) j.beginArray().number(l.rippleBand->first).number(l.rippleBand->second).endArray();
        else j.null();
        axis(j, "currentAxis", l.currentAxis);
        axis(j, "inductanceAxis", l.inductanceAxis);
        j.endObject();
    } else {
        j.null();
    }
    j.key("permeabilityChart");
    if (v.permeability) {
        const PermeabilityChart& mu = *v.permeability;
        j.beginObject();
        points(j, "points", mu.points);
        points(j, "lookedUp", mu.lookedUp);
        j.key("operating");
        point(j, mu.operating);
        j.key("fieldFrom").number(mu.fieldFrom).key("fieldTo").number(mu.fieldTo);
        // A tick at each decade, labelled as the desktop's axis labels it.
        j.key("fieldTicks").beginArray();
        const long first = std::lround(std::log10(mu.fieldFrom)), last = std::lround(std::log10(mu.fieldTo));
        for (long e = first; e <= last; ++e) {
            const double decade = std::pow(10.0, static_cast<double>(e));
            j.beginArray().number(decade).string(label("%g", decade)).endArray();
        }
        j.endArray();
        axis(j, "percentAxis", mu.percentAxis);
        j.endObject();
    } else {
        j.null();
    }
    j.key("noChart").string(v.noChart).key("chartTitle").string(v.chartTitle).endObject();
}

void sessionMembers(Json& j) {
    const Page& p = *page();
    const WorkbenchSession& s = p.session;
    j.key("boxes").beginObject();
    for (std::size_t i = 0; i < kSessionBoxes; ++i) {
        const auto box = static_cast<SessionBox>(i);
        j.key(KeyOf(box)).string(s.Text(box));
    }
    j.endObject();
    j.key("title").string(s.Title()).key("unsaved").boolean(s.Unsaved()).key("hasDesign").boolean(s.HasDesign());
    designView(j, s.View());
    const ConverterView c = s.Converter();
    j.key("converter").beginObject()
        .key("refused").string(keyOr(c.refused))
        .key("failed").boolean(c.failed)
        .key("text").string(c.text)
        .key("stale").boolean(c.stale)
        .endObject();
    j.key("candidates").beginObject()
        .key("run").integer(p.run)
        .key("status").string(s.CandidatesStatus())
        .key("total").integer(static_cast<long long>(s.CandidateTotal()))
        .key("converterRun").boolean(s.ConverterRun())
        .key("chosen").integer(s.ChosenCandidate() ? static_cast<long long>(*s.ChosenCandidate()) : -1)
        .key("warnedHidden").boolean(s.WarnedHidden())
        .endObject();
    j.key("fileNames").beginObject()
        .key("design").string(s.DesignFileName())
        .key("report").string(s.ReportFileName())
        .key("inductanceChart").string(s.FileNameFor(workbench::InductanceChartTexts().name))
        .key("permeabilityChart").string(s.FileNameFor(workbench::PermeabilityChartTexts().name))
        .key("candidates").string(s.CandidatesFileName())
        .endObject();
}

// Every row of the run computed, as a window computes them between its frames.
void computeCandidates(WorkbenchSession& s) {
    while (s.ComputeCandidates(64)) {
    }
}

}  // namespace

std::string CatalogueJson(std::string_view area) {
    constexpr Language kLanguages[] = {Language::Chinese, Language::English};  // the default first
    Json j;
    j.beginObject().key("languages").beginArray();
    for (const Language language : kLanguages) j.string(LanguageCode(language));
    j.endArray().key("phrases").beginObject();
    for (const Phrase* phrase : Catalogue()) {
        const std::string_view key = phrase->key;
        if (!area.empty() && !(key.size() > area.size() && key.starts_with(area) && key[area.size()] == '.'))
            continue;
        j.key(key).beginObject();
        for (const Language language : kLanguages) j.key(LanguageCode(language)).string(Say(*phrase, language));
        j.endObject();
    }
    j.endObject().endObject();
    return j.text();
}

std::string SetLanguageJson(std::string_view code) {
    const std::optional<Language> language = LanguageNamed(code);
    if (language) SetLanguage(*language);
    Json j;
    j.beginObject().key("known").boolean(language.has_value()).key("language").string(LanguageCode(CurrentLanguage()));
    j.endObject();
    return j.text();
}

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
    j.beginObject().key("hint").string(Say(texts::workbench::hint));
    chartTexts(j, "inductanceChart", workbench::InductanceChartTexts());
    chartTexts(j, "permeabilityChart", workbench::PermeabilityChartTexts());
    j.key("fileMaxBytes").integer(static_cast<long long>(kDesignFileMaxBytes)).endObject();
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
            j.key("end").string("outOfRange").key("text").string(Say(texts::messages::outOfRange));
            break;
    }
    j.endObject();
    return j.text();
}

namespace {

std::string selectAnswer(std::string_view currentText, std::string_view inductanceText, std::string_view stackText,
                         bool intoWorkbench) {
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
    j.key("message").string(o.message).key("caption").string(o.caption);
    j.key("status").string(o.end == SelectionEnd::Found ? messages::CoresFoundText(o.cores.size()) : o.message);
    j.endObject();
    if (intoWorkbench && !o.cores.empty()) {
        Page& p = *page();
        p.session.TakeSelection(std::make_shared<const SelectionOutcome>(std::move(o)));
        ++p.run;
    }
    return j.text();
}

}  // namespace

std::string SelectJson(std::string_view currentText, std::string_view inductanceText, std::string_view stackText) {
    return selectAnswer(currentText, inductanceText, stackText, true);
}

std::string RepeatSelectJson(std::string_view currentText, std::string_view inductanceText,
                             std::string_view stackText) {
    return selectAnswer(currentText, inductanceText, stackText, false);
}

std::string SessionJson() {
    LoadCatalogue();
    Json j;
    j.beginObject();
    sessionMembers(j);
    j.endObject();
    return j.text();
}

std::string TypeJson(std::string_view key, std::string_view text) {
    LoadCatalogue();
    if (const auto box = SessionBoxNamed(key)) session().Type(*box, text);
    return SessionJson();
}

std::string RunConverterJson() {
    LoadCatalogue();
    Page& p = *page();
    p.session.RunConverter();
    if (!p.session.Converter().failed) ++p.run;
    return SessionJson();
}

std::string LoadCandidateJson(std::size_t line) {
    LoadCatalogue();
    session().LoadCandidate(line);
    return SessionJson();
}

std::string CandidatesJson() {
    LoadCatalogue();
    Page& p = *page();
    WorkbenchSession& s = p.session;
    Json j;
    j.beginObject();
    if (s.CandidateTotal() == 0) {
        j.key("end").string("none").key("status").string(s.CandidatesStatus()).endObject();
        return j.text();
    }
    computeCandidates(s);
    const std::vector<CandidateRow>& rows = s.Candidates();
    j.key("end").string(rows.size() == s.CandidateTotal() ? "found" : "outOfRange");
    j.key("status").string(s.CandidatesStatus());
    j.key("captions").beginArray();
    for (std::size_t c = 0; c < kCandidateColumns; ++c) j.string(CandidateCaption(c));
    j.endArray();
    j.key("rows").beginArray();
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const CandidateRow& row = rows[i];
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
    j.key("order").beginArray();
    for (const std::size_t i : s.CandidateOrder()) j.integer(static_cast<long long>(i));
    j.endArray();
    j.key("sort").beginObject()
        .key("column").integer(static_cast<long long>(s.SortColumn()))
        .key("descending").boolean(s.SortDescending())
        .endObject();
    j.endObject();
    return j.text();
}

std::string CandidateOrderJson(std::size_t column, bool descending) {
    Page& p = *page();
    Json j;
    j.beginObject().key("order").beginArray();
    if (column < kCandidateColumns && p.session.CandidateTotal() > 0) {
        computeCandidates(p.session);
        p.session.SortCandidates(column, descending);
        for (const std::size_t i : p.session.CandidateOrder()) j.integer(static_cast<long long>(i));
    }
    j.endArray().endObject();
    return j.text();
}

std::string CandidatesCsvJson() {
    const WorkbenchSession& s = session();
    Json j;
    j.beginObject().key("csv").string(s.Candidates().empty() ? std::string() : s.CandidatesCsv()).endObject();
    return j.text();
}

std::string SaveDesignJson() {
    LoadCatalogue();
    const WorkbenchSession& s = session();
    const FileText file = s.SaveText();
    // A design saved before keeps its name; a new one is offered the design's.
    std::string name = s.FileName();
    if (name.empty()) {
        name = s.DesignFileName();
    } else if (const std::size_t dot = name.find_last_of('.'); dot != std::string::npos && dot > 0) {
        name.erase(dot);
    }
    Json j;
    j.beginObject().key("text").string(file.text).key("message").string(file.message).key("name").string(name);
    j.endObject();
    return j.text();
}

std::string SavedJson(std::string_view name) {
    session().Saved(std::string(name));
    return SessionJson();
}

std::string OpenDesignJson(std::string_view bytes, std::string_view name) {
    LoadCatalogue();
    const OpenedFile file = session().Open(bytes, std::string(name));
    Json j;
    j.beginObject().key("opened").boolean(file.opened).key("message");
    j.string(file.opened ? file.message : Fill(texts::page::cannotOpen, {name, file.message}));
    j.key("session").beginObject();
    sessionMembers(j);
    j.endObject().endObject();
    return j.text();
}

std::string ReportHtmlJson(std::string_view date, std::string_view chartsHtml) {
    LoadCatalogue();
    const std::optional<DesignReport> report = session().Report(date);
    Json j;
    j.beginObject().key("html").string(report ? DesignReportHtml(*report, chartsHtml) : std::string()).endObject();
    return j.text();
}

std::string HideWarnedJson(bool hide) {
    LoadCatalogue();
    session().HideWarned(hide);
    return SessionJson();
}

std::string SpiceJson(std::string_view dialect, bool withLosses) {
    LoadCatalogue();
    const SpiceDialect d = SpiceDialectNamed(dialect).value_or(SpiceDialect::Ngspice);
    const SpiceOutcome o = session().SpiceModel(d, withLosses);
    Json j;
    j.beginObject()
        .key("name").string(o.written() ? o.name + (d == SpiceDialect::LTspice ? ".lib" : ".cir") : std::string())
        .key("text").string(o.text)
        .key("message").string(o.message)
        .endObject();
    return j.text();
}

void ResetSession() { page() = std::make_unique<Page>(); }

}  // namespace zova::web
