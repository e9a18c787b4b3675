#pragma once

#include <QString>
#include <QTimer>
#include <QWidget>
#include <cstddef>
#include <memory>
#include <optional>
#include <vector>

#include "commands/selection_command.h"
#include "design/converter.h"
#include "documents/design_file.h"
#include "documents/design_report.h"
#include "presentation/candidate_table.h"
#include "presentation/figure_rows.h"

namespace Ui {
class frmDesign;
}

class QMenu;
class QAction;

namespace zova::ui {

class CandidateTableModel;
class DesignCharts;

// The design workbench: one winding's figures and charts, recalculated as its
// four inputs change, above a sortable comparison of a selection run's
// candidates; choosing a candidate loads it above.
class FrmDesign : public QWidget {
    Q_OBJECT
public:
    explicit FrmDesign(QWidget* parent = nullptr);
    ~FrmDesign() override;

    // The run's candidates in the table (computed in pieces, not again for
    // the run already shown) and its core at `line` in the inputs.
    void ShowCandidate(const std::shared_ptr<const SelectionOutcome>& run, std::size_t line);
    // The same for the run's first line: the inputs follow a new run.
    void ShowRun(const std::shared_ptr<const SelectionOutcome>& run);

    // Opens a design file: its inputs replace the window's, and the figures
    // computed otherwise now than when it was saved are named. A file that is
    // not a readable design gets a message and changes nothing. True when opened.
    bool OpenDesignFile(const QString& path);
    // The file the design is kept in; empty before it was saved or opened.
    QString DesignFile() const { return file_; }
    // Whether the design differs from the file's (or, kept in none, was typed by hand).
    bool HasUnsavedChanges() const;

protected:
    void resizeEvent(QResizeEvent* event) override;
    // With unsaved changes: 保存 / 不保存 / 取消.
    void closeEvent(QCloseEvent* event) override;

private:
    void cmbCore_Change();
    void txtTurns_Change();
    void txtCurrent_Change();
    void cmbCoreCount_Change();
    void txtFrequency_Change();
    void txtRipple_Change();
    void txtLossCoefficients_Change();
    void cmdConverter_Click();
    void mnuOpen_Click();
    void mnuSave_Click();
    void mnuSaveAs_Click();
    void mnuExportReport_Click();
    void mnuPrint_Click();
    void mnuRecent_Click(const QString& path);
    void txtInput_Edited();
    void grdCandidates_RowChange(const QModelIndex& current);
    void grdCandidates_Click(const QModelIndex& index);
    void tabCharts_Change();
    void cmdSaveChart_Click();
    void cmdExportCsv_Click();

    void Arrange();
    void SizeSplitters();
    void TakeRun(const std::shared_ptr<const SelectionOutcome>& run, const CandidateConditions& conditions = {},
                 std::optional<OperatingPoint> point = std::nullopt);
    void DoCalculation();
    void ShowRefusal(const QString& message, QWidget* box);
    QWidget* BoxOf(DesignBox box, bool converter) const;
    void MarkRefused(bool converter, QWidget* box, const QString& message);
    void ShowNoFigures(const QString& sentence);
    void FillCandidates();
    void LoadRow(int viewRow);
    void LoadInputs(const QString& partNo, int turns, float current, int stack);
    void BuildMenu();
    bool SaveTo(const QString& path);
    bool SaveChanges();  // asks when there are unsaved changes; false: the user cancelled
    DesignOutcome DesignOfInputs() const;  // inputs_ must hold a design
    std::optional<DesignReport> Report() const;
    void ShowTitle();
    void Remember(const QString& path);
    void ShowRecent();
    void ShowFigures(const std::vector<FigureSection>& sections);
    QString SelectedPartNo() const;

    // The winding the figures and charts show, for the saved files' names.
    struct Shown {
        QString partNo;
        int turns = 0;
        float current = 0.0f;
        int stack = 0;
    };

    std::unique_ptr<Ui::frmDesign> ui_;
    std::unique_ptr<DesignCharts> charts_;
    CandidateTableModel* candidates_ = nullptr;
    std::shared_ptr<const SelectionOutcome> run_;
    CandidateConditions conditions_;      // what run_'s rows are worked out at
    std::optional<OperatingPoint> point_;  // the converter's, when it ran run_
    std::size_t filled_ = 0;  // candidates of run_ computed so far
    QTimer fill_;
    bool loading_ = false;  // the inputs are being set together: one calculation at the end
    Shown shown_;
    // The design as its inputs stand (none while a box is refused), and the file.
    std::optional<DesignInputs> inputs_;
    std::optional<ConverterInputs> converter_;  // the converter a loaded candidate came from
    QString file_;
    std::optional<DesignInputs> saved_;  // as the file holds it
    bool edited_ = false;                // typed by hand since the window opened
    QMenu* recent_ = nullptr;
    std::vector<QAction*> fileActions_;  // those that need a design
    bool compact_ = false;  // figures, charts and candidates are pages of one tab widget
};

}  // namespace zova::ui
