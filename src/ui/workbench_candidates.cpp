#include "ui/workbench_candidates.h"

#include <QCheckBox>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <algorithm>
#include <vector>

#include "presentation/candidate_table.h"
#include "session/workbench_session.h"
#include "ui/candidate_table_model.h"
#include "ui/file_export.h"
#include "ui/qt_text.h"
#include "ui_frm_design.h"

namespace zova::ui {
namespace {

// A slice of the candidates' figures between two looks at the event queue:
// well inside one frame.
constexpr qint64 kFillSliceMs = 10;
constexpr std::size_t kFillPiece = 8;
constexpr int kWidthSampleRows = 32;
// The table never shows fewer rows than this.
constexpr int kLeastCandidateRows = 5;

}  // namespace

WorkbenchCandidates::WorkbenchCandidates(Ui::frmDesign& ui, WorkbenchSession& session, QWidget* window)
    : QObject(window), ui_(ui), session_(session), window_(window), model_(new CandidateTableModel(this)) {
    QTableView* grid = ui_.grdCandidates;
    grid->setModel(model_);
    grid->horizontalHeader()->setSortIndicator(0, Qt::AscendingOrder);  // the catalogue's order
    grid->setSortingEnabled(true);
    // The part number heads each row instead of scrolling away with its column.
    grid->setColumnHidden(static_cast<int>(CandidateColumn("partNo")), true);
    grid->verticalHeader()->setDefaultSectionSize(grid->fontMetrics().height() + 6);
    grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid->setMinimumHeight(grid->horizontalHeader()->sizeHint().height() +
                           kLeastCandidateRows * grid->verticalHeader()->defaultSectionSize() +
                           grid->horizontalScrollBar()->sizeHint().height() + 2 * grid->frameWidth());
    // Widths from the first rows: measuring every cell of 400 rows would hold the window.
    grid->horizontalHeader()->setResizeContentsPrecision(kWidthSampleRows);
    ui_.cmdExportCsv->setEnabled(false);

    fill_.setSingleShot(true);
    fill_.setInterval(0);
    connect(&fill_, &QTimer::timeout, this, &WorkbenchCandidates::FillCandidates);
    connect(grid->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &WorkbenchCandidates::grdCandidates_RowChange);
    // Choosing the row already current loads it again (the inputs may have changed since).
    connect(grid, &QTableView::clicked, this, &WorkbenchCandidates::grdCandidates_Click);
    connect(grid, &QTableView::activated, this, &WorkbenchCandidates::grdCandidates_Click);
    connect(ui_.cmdExportCsv, &QPushButton::clicked, this, &WorkbenchCandidates::cmdExportCsv_Click);
    connect(ui_.chkHideWarned, &QCheckBox::toggled, this, &WorkbenchCandidates::chkHideWarned_Toggle);
    connect(model_, &CandidateTableModel::sortAsked, this, &WorkbenchCandidates::grdCandidates_Sort);
    ShowStatus();
}

// The header's arrow where the session's order is, without asking for that order again.
void WorkbenchCandidates::ShowOrder() {
    model_->setOrder(session_.CandidateOrder());
    QHeaderView* header = ui_.grdCandidates->horizontalHeader();
    const QSignalBlocker quiet(header);
    header->setSortIndicator(static_cast<int>(session_.SortColumn()),
                             session_.SortDescending() ? Qt::DescendingOrder : Qt::AscendingOrder);
}

void WorkbenchCandidates::grdCandidates_Sort(std::size_t column, bool descending) {
    session_.SortCandidates(column, descending);
    ShowOrder();
}

void WorkbenchCandidates::chkHideWarned_Toggle(bool checked) {
    session_.HideWarned(checked);
    ShowOrder();
    ShowStatus();
    // The chosen line stays chosen where it is still shown. It is loaded
    // already: loading it again would undo what was typed since.
    const std::optional<std::size_t> chosen = session_.ChosenCandidate();
    const std::vector<std::size_t>& shown = model_->order();
    const auto at = chosen ? std::find(shown.begin(), shown.end(), *chosen) : shown.end();
    if (at == shown.end()) return;
    const int row = static_cast<int>(at - shown.begin());
    const QSignalBlocker quiet(ui_.grdCandidates->selectionModel());
    ui_.grdCandidates->selectRow(row);
    // Into view up or down only: the columns stay scrolled as they were.
    ui_.grdCandidates->scrollTo(model_->index(row, ui_.grdCandidates->columnAt(0)));
}

void WorkbenchCandidates::ShowRun() {
    fill_.stop();
    model_->clear();
    ui_.cmdExportCsv->setEnabled(false);
    ui_.prgCandidates->setRange(0, static_cast<int>(session_.CandidateTotal()));
    ui_.prgCandidates->setValue(0);
    ui_.prgCandidates->hide();
    ShowStatus();
    if (session_.CandidateTotal() > 0) FillCandidates();
}

void WorkbenchCandidates::ShowRanked() {
    fill_.stop();
    model_->clear();
    model_->append(session_.Candidates());
    ShowOrder();
    ui_.grdCandidates->resizeColumnsToContents();
    FinishRows();
    QSignalBlocker quiet(ui_.grdCandidates->selectionModel());  // the session has loaded the first already
    if (model_->rowCount() == 0) return;
    ui_.grdCandidates->selectRow(0);
    // The column the rows are ranked by is in view, however narrow the window:
    // once the view has laid out the columns it was just given.
    QTimer::singleShot(0, ui_.grdCandidates, [this] {
        if (model_->rowCount() > 0)
            ui_.grdCandidates->scrollTo(model_->index(0, static_cast<int>(CandidateColumn("totalLoss"))),
                                        QAbstractItemView::PositionAtCenter);
    });
}

void WorkbenchCandidates::FillCandidates() {
    QElapsedTimer slice;
    slice.start();
    bool more = true;
    while (more && slice.elapsed() < kFillSliceMs) more = session_.ComputeCandidates(kFillPiece);
    const std::vector<CandidateRow>& rows = session_.Candidates();
    const std::size_t had = model_->rows().size();
    if (rows.size() > had) {
        model_->append({rows.begin() + static_cast<std::ptrdiff_t>(had), rows.end()});
        ShowOrder();
        if (had == 0) ui_.grdCandidates->resizeColumnsToContents();
    }
    ui_.cmdExportCsv->setEnabled(!rows.empty());
    ui_.prgCandidates->setValue(static_cast<int>(rows.size()));
    if (more) {
        ui_.prgCandidates->show();
        fill_.start();
    } else {
        FinishRows();
    }
    ShowStatus();
}

void WorkbenchCandidates::FinishRows() {
    ui_.prgCandidates->hide();
    ui_.cmdExportCsv->setEnabled(!session_.Candidates().empty());
    // Part numbers differ in width: the column holds the widest of the run.
    QHeaderView* header = ui_.grdCandidates->horizontalHeader();
    header->setResizeContentsPrecision(-1);
    ui_.grdCandidates->resizeColumnToContents(static_cast<int>(CandidateColumn("partNo")));
    header->setResizeContentsPrecision(kWidthSampleRows);
}

void WorkbenchCandidates::SayAgain() {
    model_->sayAgain(session_.Candidates());
    ShowStatus();
}

void WorkbenchCandidates::ShowStatus() { ui_.labCandidates->setText(q(session_.CandidatesStatus())); }

bool WorkbenchCandidates::Choose(std::size_t line) {
    const std::vector<std::size_t>& order = model_->order();
    const auto at = std::find(order.begin(), order.end(), line);
    if (at == order.end()) return false;
    const int row = static_cast<int>(at - order.begin());
    if (ui_.grdCandidates->currentIndex().row() != row) {
        ui_.grdCandidates->selectRow(row);  // loads it
        ui_.grdCandidates->scrollTo(model_->index(row, 0));
    } else {
        Load(row);
    }
    return true;
}

void WorkbenchCandidates::grdCandidates_RowChange(const QModelIndex& current) {
    if (current.isValid()) Load(current.row());
}

void WorkbenchCandidates::grdCandidates_Click(const QModelIndex& index) {
    if (index.isValid()) Load(index.row());
}

void WorkbenchCandidates::Load(int viewRow) {
    session_.LoadCandidate(model_->order()[static_cast<std::size_t>(viewRow)]);
    emit loaded();
}

void WorkbenchCandidates::cmdExportCsv_Click() {
    ExportCandidatesCsv(window_, model_->rows(), model_->order(), q(session_.CandidatesFileName()));
}

}  // namespace zova::ui
