#include "session/workbench_session.h"

#include <algorithm>
#include <numeric>
#include <utility>

#include "catalogue/catalogue.h"
#include "commands/inductance_command.h"
#include "presentation/converter_outputs.h"
#include "presentation/figure_table.h"
#include "presentation/warning_texts.h"
#include "presentation/workbench_texts.h"
#include "language/texts.h"
#include "text/number_text.h"

namespace zova {
namespace {

using S = SessionBox;

// The boxes a converter run reads: a change in any of them makes the run old.
constexpr S kConverterReads[] = {S::Topology,    S::Vin,
                                 S::Vout,        S::Iout,
                                 S::ConverterFrequency, S::RippleRatio,
                                 S::ConverterInductance, S::ConverterStack,
                                 S::Coefficients};

// A ripple as the ripple figure shows it, which is how a person would type it.
std::string rippleText(double ripple) { return ShownNumberText(FigureOf("ripple"), ripple); }

double valueOf(DesignBox box, std::string_view text) { return ReadBox(box, text).value; }

namespace W = texts::workbench;

}  // namespace

// One core, and a buck, until the user says otherwise.
WorkbenchSession::WorkbenchSession()
    : texts_{"", "", "", "1", "", "", "", std::string(kTopologyNames[0]), "", "", "", "", "", "", "1", "", "", ""} {
    Read();
}

void WorkbenchSession::Put(SessionBox box, std::string text) { texts_[Index(box)] = std::move(text); }

void WorkbenchSession::Type(SessionBox box, std::string_view text) {
    std::string& held = texts_[Index(box)];
    if (held == text) return;
    held = text;
    edited_ = true;
    // Another current, frequency or ripple is no longer the converter's design.
    if (converter_ && !Attached()) converter_.reset();
    if (!IsConverterBox(box)) Read();
}

// While the design is the converter's, its current and frequency are those the
// converter gave and its ripple follows from the converter's volt-seconds and
// the winding's own inductance, whatever core and turns are chosen.
bool WorkbenchSession::Attached() const {
    return converter_ && Text(S::Current) == currentWritten_ && Text(S::Frequency) == frequencyWritten_ &&
           Text(S::Ripple) == rippleWritten_;
}

DesignOutcome WorkbenchSession::ReadDesign() const {
    const bool attached = Attached();
    // The ripple the session wrote stands for the exact value behind its text.
    std::string ripple = Text(S::Ripple);
    if (!rippleWritten_.empty() && ripple == rippleWritten_) ripple = text::ShortestText(rippleExact_);
    const AcTexts ac{Text(S::Frequency), attached ? std::string_view() : std::string_view(ripple),
                     Text(S::Coefficients)};
    return DesignAsTyped(Text(S::Core), Text(S::Turns), Text(S::Current), Text(S::Stack), ac, Margins(),
                         attached ? std::optional(voltSeconds_) : std::nullopt);
}

void WorkbenchSession::Read() {
    Retell();
    const bool attached = Attached();
    design_ = ReadDesign();
    if (attached && design_.end == DesignEnd::Found) {
        // Unknown only for a core without a bias curve, whose inductance at a current reads 0.
        rippleExact_ = design_.figures->ripple.value_or(0.0);
        rippleWritten_ = rippleText(rippleExact_);
        Put(S::Ripple, rippleWritten_);
    }
}

MarginTexts WorkbenchSession::Margins() const {
    return {Text(S::AlTolerance), Text(S::HotLimit), Text(S::RollOffLimit)};
}

ConverterOutcome WorkbenchSession::RunConverterOn(const std::array<std::string, kSessionBoxes>& t) {
    const auto at = [&](S box) -> std::string_view { return t[Index(box)]; };
    return zova::RunConverter({at(S::Topology), at(S::Vin), at(S::Vout), at(S::Iout), at(S::ConverterFrequency),
                               at(S::RippleRatio), at(S::ConverterInductance), at(S::ConverterStack),
                               at(S::Coefficients), {at(S::AlTolerance), at(S::HotLimit), at(S::RollOffLimit)}});
}

// What the session holds in words was said in the language current then: the
// design's refusal, the converter's, the candidates' failure and the words of
// their cells. After a switch they are said again, from what they were made
// of, before anything shows them or anything new is said beside them.
void WorkbenchSession::Retell() const {
    if (toldIn_ == CurrentLanguage()) return;
    toldIn_ = CurrentLanguage();
    if (design_.end != DesignEnd::Found) design_.message = ReadDesign().message;
    if (converterEnd_ != ConverterEnd::Found) converterMessage_ = RunConverterOn(failedTexts_).message;
    for (CandidateRow& row : rows_) RetellCells(row);
    if (!failure_.empty() && run_) {
        // The rows from the one that failed on fail again, at the same row.
        std::string message =
            CandidateRows(*run_, rows_.size(), run_->cores.size() - rows_.size(), conditions_).message;
        if (!message.empty()) failure_ = std::move(message);
    }
}

DesignView WorkbenchSession::View() const {
    Retell();
    DesignView v;
    v.end = design_.end;
    if (design_.end != DesignEnd::Found) {
        if (design_.box != DesignBox::None) v.refused = SessionBoxOf(design_.box, false);
        v.message = design_.message;
        v.noChart = Say(W::noFigures);
        return v;
    }
    const DesignFigures& f = *design_.figures;
    v.message = design_.biasCurve ? InductanceResultText(f.inductance)
                                  : workbench::NoCurveResult(design_.partNo, design_.current, f.inductanceZeroBias);
    // The winding's own warning, then what the figures raise (the missing curve among them).
    std::string warning = WindingWarning(f, design_.turns);
    for (const WarningLine& w : WarningLines(f, design_.limits)) warning += (warning.empty() ? "" : "\n") + w.text;
    v.warning = std::move(warning);
    v.coefficients = workbench::CoefficientsText(f.lossCoefficients);
    v.sections = FigureSections(f, design_.biasCurve);
    if (design_.biasCurve) {
        v.inductance = InductanceChartOf(f, design_.current);
        v.permeability = PermeabilityChartOf(FindCore(design_.partNo), f);
    } else {
        // A roll-off read off no curve would fall straight to 0 at the first step.
        v.noChart = Say(W::noCurve);
    }
    v.chartTitle = workbench::ChartTitle(design_.partNo, design_.turns, design_.current, design_.stackSize);
    return v;
}

bool WorkbenchSession::TakeSelection(std::shared_ptr<const SelectionOutcome> run) {
    if (run == run_) return false;
    run_ = std::move(run);
    conditions_ = {};
    point_.reset();
    runInputs_.reset();
    rows_.clear();
    order_.clear();
    sortColumn_ = 0;
    sortDescending_ = false;
    ranked_ = false;
    failure_.clear();
    chosen_.reset();
    if (run_ && !run_->cores.empty()) LoadCandidate(0);
    return true;
}

void WorkbenchSession::LoadCandidate(std::size_t line) {
    if (!run_ || line >= run_->cores.size()) return;
    chosen_ = line;
    if (line < rows_.size()) {
        LoadRow(rows_[line]);
        return;
    }
    CandidateRow row;
    row.core = run_->cores[line];
    LoadRow(row);
}

void WorkbenchSession::LoadRow(const CandidateRow& row) {
    const float current = conditions_.current.value_or(run_->current);
    if (point_) {
        // A converter's candidate: its operation, with the ripple its own inductance gives.
        converter_ = runInputs_;
        voltSeconds_ = point_->voltSeconds;
        frequencyWritten_ = text::ShortestText(conditions_.options.ac->frequency);
        currentWritten_ = text::ShortestText(current);
        rippleExact_ = row.ripple;
        rippleWritten_ = rippleText(row.ripple);
        Put(S::Frequency, frequencyWritten_);
        Put(S::Ripple, rippleWritten_);
    } else {
        converter_.reset();
    }
    Put(S::Core, CoreCatalogue(row.core.row).PartNo);
    Put(S::Turns, std::to_string(row.core.turns));
    Put(S::Current, text::ShortestText(current));
    Put(S::Stack, std::to_string(run_->stackSize));
    Read();
}

void WorkbenchSession::RunConverter() {
    Retell();
    const ConverterOutcome o = RunConverterOn(texts_);
    converterEnd_ = o.end;
    converterMessage_ = o.message;
    converterRefused_.reset();
    if (o.end == ConverterEnd::Validation && o.box != DesignBox::None)
        converterRefused_ = SessionBoxOf(o.box, true);
    if (o.end != ConverterEnd::Found) {
        failedTexts_ = texts_;
        return;
    }

    ConverterInputs in{std::string(TrimmedBox(Text(S::Topology))),
                       valueOf(DesignBox::Vin, Text(S::Vin)),
                       valueOf(DesignBox::Vout, Text(S::Vout)),
                       valueOf(DesignBox::Iout, Text(S::Iout)),
                       o.options.ac->frequency,
                       o.point->rippleRatio,
                       std::nullopt};
    if (!TrimmedBox(Text(S::ConverterInductance)).empty()) {
        in.rippleRatio.reset();
        in.inductance = o.point->inductance;
    }
    runTexts_ = texts_;
    runInputs_ = std::move(in);
    run_ = std::make_shared<const SelectionOutcome>(o.selection);
    conditions_ = {o.current, o.options, o.limits};
    point_ = o.point;
    rows_.clear();
    failure_.clear();
    chosen_.reset();
    CandidateRowsOutcome rows = CandidateRows(*run_, 0, run_->cores.size(), conditions_);
    if (rows.end != DesignEnd::Found) {
        failure_ = rows.message;
        order_.clear();
        return;
    }
    rows_ = std::move(rows.rows);
    // Ranked by total loss, those without a warning first; the first of them is loaded.
    sortColumn_ = CandidateColumn("totalLoss");
    sortDescending_ = false;
    ranked_ = true;
    Reorder();
    if (order_.empty()) return;
    chosen_ = order_.front();
    LoadRow(rows_[*chosen_]);
}

bool WorkbenchSession::RunIsOld() const {
    return std::any_of(std::begin(kConverterReads), std::end(kConverterReads),
                       [&](S box) { return Text(box) != runTexts_[Index(box)]; });
}

ConverterView WorkbenchSession::Converter() const {
    Retell();
    ConverterView v;
    if (converterEnd_ != ConverterEnd::Found) {
        v.failed = true;
        v.refused = converterRefused_;
        v.text = converterMessage_;
        return v;
    }
    if (!point_) {
        v.text = Say(W::converterHint);
        return v;
    }
    std::string lines = OperatingPointLines(*point_);
    const std::string_view between = Say(W::nameValueBetween);
    for (std::size_t at = lines.find('\t'); at != std::string::npos; at = lines.find('\t', at))
        lines.replace(at, 1, between);
    v.stale = RunIsOld();
    v.text = v.stale ? std::string(Say(W::converterStale)) + "\n" + lines : lines;
    return v;
}

bool WorkbenchSession::ComputeCandidates(std::size_t count) {
    Retell();
    if (!run_ || !failure_.empty() || rows_.size() >= run_->cores.size()) return false;
    CandidateRowsOutcome piece = CandidateRows(*run_, rows_.size(), count, conditions_);
    if (piece.end != DesignEnd::Found) {
        failure_ = piece.message;
        return false;
    }
    std::move(piece.rows.begin(), piece.rows.end(), std::back_inserter(rows_));
    Reorder();
    return rows_.size() < run_->cores.size();
}

void WorkbenchSession::SortCandidates(std::size_t column, bool descending) {
    sortColumn_ = column;
    sortDescending_ = descending;
    ranked_ = false;
    Reorder();
}

void WorkbenchSession::HideWarned(bool hide) {
    hideWarned_ = hide;
    Reorder();
}

void WorkbenchSession::Reorder() {
    if (ranked_) {
        order_ = RankedOrder(rows_, sortColumn_);
    } else if (sortColumn_ == 0 && !sortDescending_) {
        order_.resize(rows_.size());
        std::iota(order_.begin(), order_.end(), std::size_t{0});
    } else {
        order_ = SortedOrder(rows_, sortColumn_, sortDescending_);
    }
    if (hideWarned_) order_ = WithoutWarned(rows_, std::move(order_));
}

const std::vector<CandidateRow>& WorkbenchSession::Candidates() const {
    Retell();
    return rows_;
}

std::string WorkbenchSession::CandidatesStatus() const {
    Retell();
    if (!run_ || run_->cores.empty()) return std::string(Say(W::noRun));
    if (!failure_.empty()) return failure_;
    if (rows_.size() < run_->cores.size()) return std::string(Say(W::computingCandidates));
    std::string summary =
        workbench::CandidatesSummary(run_->cores.size(), run_->current, run_->inductance, run_->stackSize);
    if (hideWarned_ && order_.size() < rows_.size()) summary += workbench::WarnedHiddenText(rows_.size() - order_.size());
    if (point_ && RunIsOld()) summary += Say(W::candidatesStale);
    return summary;
}

std::string WorkbenchSession::CandidatesCsv() const { return zova::CandidatesCsv(Candidates(), order_); }

DesignInputs WorkbenchSession::Inputs() const {
    DesignInputs in = InputsOf(design_, Text(S::Current));
    if (Attached()) {
        in.ripple = rippleExact_;
        in.converter = converter_;
    } else if (!rippleWritten_.empty() && Text(S::Ripple) == rippleWritten_) {
        in.ripple = rippleExact_;
    }
    return in;
}

FileText WorkbenchSession::SaveText() const {
    if (!HasDesign()) return {{}, Fill(W::cannotSave, {Design().message})};
    return {DesignFileText(Inputs(), *design_.figures), {}};
}

void WorkbenchSession::Saved(std::string name) {
    file_ = std::move(name);
    savedTexts_ = texts_;
    savedAttached_ = Attached();
    edited_ = false;
}

OpenedFile WorkbenchSession::Open(std::string_view bytes, std::string name) {
    const OpenedDesign opened = OpenDesign(bytes);
    if (!opened.inputs) return {false, opened.message};
    const DesignInputs& in = *opened.inputs;
    const DesignTexts t = TextsOf(in);
    Put(S::Core, t.core);
    Put(S::Turns, t.turns);
    Put(S::Current, t.current);
    Put(S::Stack, t.stack);
    Put(S::Frequency, t.frequency);
    Put(S::Ripple, t.ripple);
    Put(S::Coefficients, t.coefficients);
    Put(S::AlTolerance, t.alTolerance);
    Put(S::HotLimit, t.hotLimit);
    Put(S::RollOffLimit, t.rollOffLimit);
    rippleWritten_.clear();
    converter_.reset();
    if (in.converter) {
        const ConverterInputs& c = *in.converter;
        Put(S::Topology, c.topology);
        Put(S::Vin, text::ShortestText(c.vin));
        Put(S::Vout, text::ShortestText(c.vout));
        Put(S::Iout, text::ShortestText(c.iout));
        Put(S::ConverterFrequency, text::ShortestText(c.frequency));
        Put(S::RippleRatio, c.rippleRatio ? text::ShortestText(*c.rippleRatio) : std::string());
        Put(S::ConverterInductance, c.inductance ? text::ShortestText(*c.inductance) : std::string());
        Put(S::ConverterStack, t.stack);
        // The converter stays the design's source while the file's current and
        // frequency are its own (the checks of the file guarantee the rest).
        if (const std::optional<double> voltSeconds = ConverterVoltSeconds(in)) {
            converter_ = c;
            voltSeconds_ = *voltSeconds;
            currentWritten_ = t.current;
            frequencyWritten_ = t.frequency;
            rippleExact_ = *in.ripple;
            rippleWritten_ = t.ripple;
        }
    }
    Read();
    Saved(std::move(name));
    return {true, ChangesMessage(opened.changes)};
}

bool WorkbenchSession::Unsaved() const {
    if (file_.empty() || !savedTexts_) return edited_;
    return texts_ != *savedTexts_ || Attached() != savedAttached_;
}

std::string WorkbenchSession::Title() const {
    std::string title(Say(W::title));
    if (!file_.empty()) title += " - " + file_.substr(file_.find_last_of("/\\") + 1);
    if (Unsaved()) title += " *";
    return title;
}

std::optional<DesignReport> WorkbenchSession::Report(std::string_view date) const {
    if (!HasDesign()) return std::nullopt;
    return DesignReportOf(Inputs(), design_, date);
}

SpiceOutcome WorkbenchSession::SpiceModel(SpiceDialect dialect, bool withLosses) const {
    return SpiceModelOf(design_, dialect, withLosses);
}

std::string WorkbenchSession::FileNameFor(std::string_view what) const {
    if (!HasDesign()) return std::string(what);
    return workbench::ChartFileName(what, design_.partNo, design_.turns, design_.current, design_.stackSize);
}

std::string WorkbenchSession::DesignFileName() const { return FileNameFor(Say(W::designFile)); }

std::string WorkbenchSession::ReportFileName() const { return FileNameFor(Say(W::reportFile)); }

std::string WorkbenchSession::CandidatesFileName() const {
    if (!run_) return std::string(Say(W::candidatesFile));
    return workbench::CandidatesFileName(run_->current, run_->inductance, run_->stackSize);
}

}  // namespace zova
