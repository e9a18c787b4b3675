#pragma once

#include <QObject>
#include <QTimer>
#include <cstddef>

class QModelIndex;

namespace Ui {
class frmDesign;
}

namespace zova {
class WorkbenchSession;
}

namespace zova::ui {

class CandidateTableModel;

// The workbench's comparison of a run's candidates: the rows are computed by
// the session in slices between looks at the event queue, sorted by any
// column, exported as CSV; choosing a row has the session load it.
class WorkbenchCandidates : public QObject {
    Q_OBJECT
public:
    WorkbenchCandidates(Ui::frmDesign& ui, WorkbenchSession& session, QWidget* window);

    // The session took a new run: its rows are computed from the first.
    void ShowRun();
    // A converter's run, all of whose rows the session has: by total loss, the first chosen.
    void ShowRanked();
    // The row of the run's `line`, chosen when computed already; false otherwise.
    bool Choose(std::size_t line);
    void ShowStatus();
    // The rows, their columns and the status in the language now chosen.
    void SayAgain();

signals:
    // The session loaded a candidate into the design boxes.
    void loaded();

private:
    void grdCandidates_RowChange(const QModelIndex& current);
    void grdCandidates_Click(const QModelIndex& index);
    void cmdExportCsv_Click();
    void chkHideWarned_Toggle(bool checked);
    void grdCandidates_Sort(std::size_t column, bool descending);
    void ShowOrder();
    void FillCandidates();
    void Load(int viewRow);
    void FinishRows();

    Ui::frmDesign& ui_;
    WorkbenchSession& session_;
    QWidget* window_;
    CandidateTableModel* model_;
    QTimer fill_;
};

}  // namespace zova::ui
