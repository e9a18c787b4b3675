#pragma once

#include <QString>
#include <QWidget>
#include <cstddef>
#include <memory>
#include <vector>

#include "commands/selection_command.h"
#include "presentation/figure_rows.h"
#include "session/workbench_session.h"

namespace Ui {
class frmDesign;
}

namespace zova::ui {

class DesignCharts;
class WorkbenchCandidates;
class WorkbenchConverter;
class WorkbenchDocument;

// The design workbench: one winding's figures and charts, recalculated as its
// boxes change, above a sortable comparison of a run's candidates; choosing a
// candidate loads it above. The window draws its session (the library's
// workbench), with the candidates, the converter page and the design file as
// panels of their own.
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
    QString DesignFile() const;
    // Whether the design differs from the file's (or, kept in none, was typed by hand).
    bool HasUnsavedChanges() const { return session_.Unsaved(); }

protected:
    void resizeEvent(QResizeEvent* event) override;
    // With unsaved changes: 保存 / 不保存 / 取消.
    void closeEvent(QCloseEvent* event) override;
    // A change of language translates the window's own texts again.
    void changeEvent(QEvent* event) override;

private:
    void cmbCore_Change();
    void txtTurns_Change();
    void txtCurrent_Change();
    void cmbCoreCount_Change();
    void txtFrequency_Change();
    void txtRipple_Change();
    void txtLossCoefficients_Change();
    void txtAlTolerance_Change();
    void txtHotLimit_Change();
    void txtRollOffLimit_Change();
    void tabCharts_Change();
    void cmdSaveChart_Click();

    void Type(SessionBox box, const QString& text);
    void ShowSession();
    void ShowBoxes();
    void ShowDesign(const DesignView& view);
    void ShowFigures(const std::vector<FigureSection>& sections);
    void FitFigures();
    void MarkRefused(const DesignView& view);
    void Arrange();
    void RetitleTabs();
    void SizeSplitters();
    void ReachHiddenPages();

    WorkbenchSession session_;
    std::unique_ptr<Ui::frmDesign> ui_;
    std::unique_ptr<DesignCharts> charts_;
    WorkbenchCandidates* candidates_ = nullptr;
    WorkbenchConverter* converter_ = nullptr;
    WorkbenchDocument* document_ = nullptr;
    bool showing_ = false;  // the session's texts are being written into the boxes
    QString said_;          // the refusal last announced, not again on every keystroke
    bool compact_ = false;  // figures, charts and candidates are pages of one tab widget
    bool figuresFitted_ = false;  // the figures shown in this language have had their width
};

}  // namespace zova::ui
