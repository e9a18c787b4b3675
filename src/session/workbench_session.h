#pragma once

#include <array>
#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "commands/converter_command.h"
#include "commands/design_command.h"
#include "commands/selection_command.h"
#include "documents/design_file.h"
#include "documents/design_report.h"
#include "documents/spice_model.h"
#include "language/language.h"
#include "presentation/candidate_table.h"
#include "presentation/chart_series.h"
#include "presentation/figure_rows.h"
#include "session/session_boxes.h"

// The design workbench as one object, whatever draws it: the desktop window
// and the web page both type into its boxes, run its converter, load its
// candidates, save and open its files, and show what it says. It holds every
// rule of the workbench; the faces hold none.
namespace zova {

// What the workbench shows of the design its boxes hold.
struct DesignView {
    DesignEnd end = DesignEnd::Validation;
    std::optional<SessionBox> refused;  // the box whose text was refused
    std::string message;                // the result sentence, or why there are no figures
    std::string warning;                // lines; "" when none
    std::string coefficients;           // the material's fit as the coefficients box would take it
    std::vector<FigureSection> sections;
    std::optional<InductanceChart> inductance;      // none without figures or without a bias curve
    std::optional<PermeabilityChart> permeability;  // likewise
    std::string noChart;                            // what stands where a chart is not drawn
    std::string chartTitle;                         // "KTA092060，54 圈，10 A，1 个磁芯"
};

// What the converter page shows.
struct ConverterView {
    std::optional<SessionBox> refused;  // the converter box whose text was refused
    bool failed = false;                // the last run ended in `text`, a refusal or no result
    std::string text;                   // the hint, the operating point's lines, or why it failed
    bool stale = false;                 // the inputs changed since the run: its point and candidates are old
};

// A design file's text, or why the design cannot be saved.
struct FileText {
    std::string text;
    std::string message;
};

struct OpenedFile {
    bool opened = false;
    std::string message;  // why not; or, when opened, the figures computed otherwise now ("" for none)
};

// Everything it says is in the current language (language/language.h), also
// after a switch: the words it holds from before (a refusal, the candidates'
// warnings) are said again by the first call that shows them.
class WorkbenchSession {
public:
    WorkbenchSession();

    // A person's typing: the box holds `text`, the design is read again, and
    // what was typed marks the design unsaved.
    void Type(SessionBox box, std::string_view text);
    const std::string& Text(SessionBox box) const { return texts_[Index(box)]; }

    // The design as the boxes stand (end Found with figures, or why not).
    const DesignOutcome& Design() const {
        Retell();
        return design_;
    }
    DesignView View() const;

    // A selection run, its first line loaded; false (nothing changes) for the
    // run already taken. Its line `line` loads that core with its turns at the
    // run's current and stack; a converter's run's cores also take the
    // converter's frequency and their own ripple.
    bool TakeSelection(std::shared_ptr<const SelectionOutcome> run);
    void LoadCandidate(std::size_t line);
    // The run's line loaded last (the row a face shows chosen), none before a
    // run or when its candidates failed.
    std::optional<std::size_t> ChosenCandidate() const { return chosen_; }

    // Runs the converter on its boxes: the operating point, then every candidate's
    // figures, ranked by total loss, the first loaded.
    void RunConverter();
    ConverterView Converter() const;

    // The run's candidates: computed `count` more at a time (for a window to show
    // progress between); false once every row is computed or the computation failed.
    bool ComputeCandidates(std::size_t count);
    const std::vector<CandidateRow>& Candidates() const;
    std::size_t CandidateTotal() const { return run_ ? run_->cores.size() : 0; }
    bool ConverterRun() const { return point_.has_value(); }
    // Row positions as shown: sorted by a column (ties in the run's order), or
    // as a converter run ranks them (those without a warning first, each part
    // by total loss); without the warned rows while those are hidden.
    const std::vector<std::size_t>& CandidateOrder() const { return order_; }
    void SortCandidates(std::size_t column, bool descending);
    std::size_t SortColumn() const { return sortColumn_; }
    bool SortDescending() const { return sortDescending_; }
    void HideWarned(bool hide);
    bool WarnedHidden() const { return hideWarned_; }
    std::string CandidatesStatus() const;
    std::string CandidatesCsv() const;

    // Files: the design on screen as a file, kept under `name` once written;
    // a file's bytes opened into every box.
    FileText SaveText() const;
    void Saved(std::string name);
    OpenedFile Open(std::string_view bytes, std::string name);
    const std::string& FileName() const { return file_; }
    bool Unsaved() const;
    bool HasDesign() const { return design_.end == DesignEnd::Found; }
    // "设计分析" ("Design workbench"), then " - " and the file's name, then " *"
    // with unsaved changes.
    std::string Title() const;
    // The inputs a file would keep of the design on screen (HasDesign()).
    DesignInputs Inputs() const;
    std::optional<DesignReport> Report(std::string_view date) const;

    // A circuit-simulator model of the design on screen; with losses, the
    // winding's resistance and the core loss at its operating point.
    SpiceOutcome SpiceModel(SpiceDialect dialect, bool withLosses) const;

    // The names offered when saving (without extension).
    std::string FileNameFor(std::string_view what) const;  // a chart's name and the design's part
    std::string DesignFileName() const;                     // "设计_KTA092060_54turns_10A_stack1"
    std::string ReportFileName() const;                     // "设计报告_…", in English "design-report_…"
    std::string CandidatesFileName() const;

private:
    static std::size_t Index(SessionBox box) { return static_cast<std::size_t>(box); }
    void Put(SessionBox box, std::string text);  // the session's own writing: not a person's
    void Read();
    DesignOutcome ReadDesign() const;  // the design the boxes hold, as Read() reads it
    MarginTexts Margins() const;
    static ConverterOutcome RunConverterOn(const std::array<std::string, kSessionBoxes>& texts);
    void Retell() const;
    void Reorder();
    bool RunIsOld() const;  // a box the converter's last run read has changed since
    void LoadRow(const CandidateRow& row);
    bool Attached() const;

    std::array<std::string, kSessionBoxes> texts_;
    // The language the words held below were said in; they are said again
    // (mutable: by a const call that shows them) once it is not the current one.
    mutable Language toldIn_ = CurrentLanguage();
    mutable DesignOutcome design_;
    bool edited_ = false;  // typed by hand since the session began or was saved
    std::string file_;
    std::optional<std::array<std::string, kSessionBoxes>> savedTexts_;
    bool savedAttached_ = false;

    // The run whose candidates are shown.
    std::shared_ptr<const SelectionOutcome> run_;
    CandidateConditions conditions_;
    mutable std::vector<CandidateRow> rows_;
    std::vector<std::size_t> order_;
    std::optional<std::size_t> chosen_;
    std::size_t sortColumn_ = 0;
    bool sortDescending_ = false;
    bool ranked_ = false;      // as the converter ranks: warned rows after the others
    bool hideWarned_ = false;
    mutable std::string failure_;  // why the candidates' figures could not be computed

    // The converter: its last run's outcome, what its boxes held then, and the
    // converter the design on screen came from.
    std::optional<OperatingPoint> point_;
    std::optional<ConverterInputs> runInputs_;
    std::array<std::string, kSessionBoxes> runTexts_;
    ConverterEnd converterEnd_ = ConverterEnd::Found;
    std::optional<SessionBox> converterRefused_;
    mutable std::string converterMessage_;
    std::array<std::string, kSessionBoxes> failedTexts_;  // the boxes of a run that failed
    std::optional<ConverterInputs> converter_;
    double voltSeconds_ = 0.0;
    // The ripple the session wrote into its box, with figure decimals, and the
    // exact value behind that text.
    std::string rippleWritten_;
    double rippleExact_ = 0.0;
    std::string currentWritten_, frequencyWritten_;
};

}  // namespace zova
