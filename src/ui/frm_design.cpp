#include "ui/frm_design.h"

#include <algorithm>

#include <QChartView>
#include <QComboBox>
#include <QCompleter>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QValidator>

#include "catalogue/catalogue.h"
#include "commands/core_list.h"
#include "commands/inductance_command.h"
#include "commands/key_filters.h"
#include "commands/messages.h"
#include "presentation/candidate_table.h"
#include "presentation/chart_series.h"
#include "commands/design_command.h"
#include "presentation/figure_rows.h"
#include "presentation/workbench_texts.h"
#include "text/number_text.h"
#include "ui/candidate_table_model.h"
#include "ui/design_charts.h"
#include "ui/file_export.h"
#include "ui/images.h"
#include "ui/key_press_filter.h"
#include "ui/message_box.h"
#include "ui/qt_text.h"
#include "ui/window_conventions.h"
#include "ui_frm_design.h"

namespace zova::ui {
namespace {

// Part numbers are upper case; what is typed becomes so as it is typed.
class UpperCase : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override {
        input = input.toUpper();
        return Acceptable;
    }
};

// A slice of the candidates' figures between two looks at the event queue:
// well inside one frame.
constexpr qint64 kFillSliceMs = 10;
constexpr std::size_t kFillPiece = 8;
constexpr int kWidthSampleRows = 32;


}  // namespace

FrmDesign::FrmDesign(QWidget* parent)
    : QWidget(parent), ui_(std::make_unique<Ui::frmDesign>()), candidates_(new CandidateTableModel(this)) {
    ui_->setupUi(this);
    setWindowIcon(AppIcon());
    ApplyWindowConventions(this);

    QStringList partNos;
    for (const std::string& partNo : zova::FilterCoreList("")) partNos << q(partNo);
    ui_->cmbCore->addItems(partNos);
    ui_->cmbCore->setCurrentIndex(-1);
    ui_->cmbCore->setValidator(new UpperCase(ui_->cmbCore));
    auto* completer = new QCompleter(partNos, ui_->cmbCore);
    completer->setCaseSensitivity(Qt::CaseInsensitive);
    completer->setFilterMode(Qt::MatchContains);
    ui_->cmbCore->setCompleter(completer);
    KeyPressFilter::install(ui_->txtTurns, &IntegerKeyFilter);
    KeyPressFilter::install(ui_->txtCurrent, &DecimalKeyFilter);
    KeyPressFilter::install(ui_->cmbCoreCount, &IntegerKeyFilter);
    ui_->labWarning->setStyleSheet(QStringLiteral("color: #a00000"));
    ui_->labNoCurve->setText(q(workbench::kNoCurve));
    ui_->labMessage->setText(q(workbench::kHint));

    charts_ = std::make_unique<DesignCharts>(ui_->chtInductance, ui_->chtPermeability);
    ui_->tblFigures->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    ui_->tblFigures->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);

    ui_->grdCandidates->setModel(candidates_);
    ui_->grdCandidates->horizontalHeader()->setSortIndicator(0, Qt::AscendingOrder);  // the catalogue's order
    ui_->grdCandidates->setSortingEnabled(true);
    ui_->grdCandidates->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    // Widths from the first rows: measuring every cell of 400 rows would hold the window.
    ui_->grdCandidates->horizontalHeader()->setResizeContentsPrecision(kWidthSampleRows);
    ui_->labCandidates->setText(q(workbench::kNoRun));
    ui_->cmdExportCsv->setEnabled(false);
    // The figures beside a wider chart, the comparison below; growing the
    // window grows the chart and the comparison most.
    ui_->splTop->setSizes({340, 560});
    ui_->splMain->setSizes({360, 240});
    ui_->splTop->setStretchFactor(1, 1);
    ui_->splMain->setStretchFactor(1, 1);

    fill_.setSingleShot(true);
    fill_.setInterval(0);
    connect(&fill_, &QTimer::timeout, this, &FrmDesign::FillCandidates);
    connect(ui_->cmbCore, &QComboBox::editTextChanged, this, &FrmDesign::cmbCore_Change);
    connect(ui_->txtTurns, &QLineEdit::textChanged, this, &FrmDesign::txtTurns_Change);
    connect(ui_->txtCurrent, &QLineEdit::textChanged, this, &FrmDesign::txtCurrent_Change);
    connect(ui_->cmbCoreCount, &QComboBox::editTextChanged, this, &FrmDesign::cmbCoreCount_Change);
    connect(ui_->grdCandidates->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &FrmDesign::grdCandidates_RowChange);
    connect(ui_->cmdSaveChart, &QPushButton::clicked, this, &FrmDesign::cmdSaveChart_Click);
    connect(ui_->cmdExportCsv, &QPushButton::clicked, this, &FrmDesign::cmdExportCsv_Click);

    ui_->cmbCore->setFocus();
}

FrmDesign::~FrmDesign() = default;

void FrmDesign::ShowCandidate(const std::shared_ptr<const SelectionOutcome>& run, std::size_t line) {
    ShowRun(run);
    if (!run || line >= run->cores.size()) return;
    // Its row, when computed already, shows which candidate is loaded.
    const std::vector<std::size_t>& order = candidates_->order();
    const auto at = std::find(order.begin(), order.end(), line);
    const int row = at == order.end() ? -1 : static_cast<int>(at - order.begin());
    if (row >= 0 && ui_->grdCandidates->currentIndex().row() != row) {
        ui_->grdCandidates->selectRow(row);  // loads it
        ui_->grdCandidates->scrollTo(candidates_->index(row, 0));
        return;
    }
    const SelectedCore& core = run->cores[line];
    LoadInputs(q(CoreCatalogue(core.row).PartNo), core.turns, run->current, run->stackSize);
}

void FrmDesign::ShowRun(const std::shared_ptr<const SelectionOutcome>& run) {
    if (run == run_) return;
    run_ = run;
    fill_.stop();
    filled_ = 0;
    candidates_->clear();
    ui_->cmdExportCsv->setEnabled(false);
    if (!run_ || run_->cores.empty()) {
        ui_->prgCandidates->hide();
        ui_->labCandidates->setText(q(workbench::kNoRun));
        return;
    }
    ui_->prgCandidates->setRange(0, static_cast<int>(run_->cores.size()));
    ui_->prgCandidates->setValue(0);
    ui_->labCandidates->setText(q(workbench::kComputingCandidates));
    FillCandidates();
}

void FrmDesign::FillCandidates() {
    const std::size_t total = run_->cores.size();
    std::vector<CandidateRow> rows;
    QElapsedTimer slice;
    slice.start();
    bool failed = false;
    while (filled_ + rows.size() < total && slice.elapsed() < kFillSliceMs) {
        CandidateRowsOutcome piece = CandidateRows(*run_, filled_ + rows.size(), kFillPiece);
        if (piece.end != DesignEnd::Found) {
            failed = true;
            ui_->labCandidates->setText(q(piece.message));
            break;
        }
        std::move(piece.rows.begin(), piece.rows.end(), std::back_inserter(rows));
    }
    const bool first = filled_ == 0;
    filled_ += rows.size();
    candidates_->append(std::move(rows));
    if (first) ui_->grdCandidates->resizeColumnsToContents();
    ui_->cmdExportCsv->setEnabled(filled_ > 0);
    ui_->prgCandidates->setValue(static_cast<int>(filled_));
    if (failed) {
        ui_->prgCandidates->hide();
    } else if (filled_ < total) {
        ui_->prgCandidates->show();
        fill_.start();
    } else {
        ui_->prgCandidates->hide();
        // Part numbers differ in width: the column holds the widest of the run.
        QHeaderView* header = ui_->grdCandidates->horizontalHeader();
        header->setResizeContentsPrecision(-1);
        ui_->grdCandidates->resizeColumnToContents(static_cast<int>(CandidateColumn("partNo")));
        header->setResizeContentsPrecision(kWidthSampleRows);
        ui_->labCandidates->setText(q(workbench::CandidatesSummary(total, run_->current, run_->stackSize)));
    }
}

void FrmDesign::cmbCore_Change() { DoCalculation(); }

void FrmDesign::txtTurns_Change() { DoCalculation(); }

void FrmDesign::txtCurrent_Change() { DoCalculation(); }

void FrmDesign::cmbCoreCount_Change() { DoCalculation(); }

void FrmDesign::grdCandidates_RowChange(const QModelIndex& current) {
    if (!current.isValid() || !run_) return;
    const CandidateRow& row = candidates_->rowAt(current.row());
    LoadInputs(q(CoreCatalogue(row.core.row).PartNo), row.core.turns, run_->current, run_->stackSize);
}

void FrmDesign::LoadInputs(const QString& partNo, int turns, float current, int stack) {
    loading_ = true;
    ui_->cmbCore->setEditText(partNo);
    ui_->txtTurns->setText(QString::number(turns));
    ui_->txtCurrent->setText(q(text::ShortestText(current)));
    ui_->cmbCoreCount->setEditText(QString::number(stack));
    loading_ = false;
    DoCalculation();
}

QString FrmDesign::SelectedPartNo() const { return ui_->cmbCore->currentText().trimmed().toUpper(); }

void FrmDesign::DoCalculation() {
    if (loading_) return;
    const QString partNo = SelectedPartNo();
    const DesignOutcome o = DesignWinding(u8(partNo), u8(ui_->txtTurns->text()), u8(ui_->txtCurrent->text()),
                                          u8(ui_->cmbCoreCount->currentText()));
    if (o.end != DesignEnd::Found) {
        ShowNoFigures();
        ui_->labMessage->setText(q(o.message));
        if (o.end == DesignEnd::OutOfRange) ShowMessage(this, q(messages::kOutOfRange));
        return;
    }
    const DesignFigures& f = *o.figures;
    ui_->labMessage->setText(q(InductanceResultText(f.inductance)));
    ui_->labWarning->setText(q(WindingWarning(f, o.turns)));

    const std::vector<FigureRow> rows = FigureRows(f);
    ui_->tblFigures->setRowCount(static_cast<int>(rows.size()));
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        ui_->tblFigures->setItem(r, 0, new QTableWidgetItem(q(rows[static_cast<std::size_t>(r)].name)));
        auto* value = new QTableWidgetItem(q(rows[static_cast<std::size_t>(r)].value));
        value->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        ui_->tblFigures->setItem(r, 1, value);
    }

    charts_->showInductance(InductanceChartOf(f, o.current));
    if (const auto curve = PermeabilityChartOf(FindCore(u8(partNo)), f)) {
        charts_->showPermeability(*curve);
        ui_->stkPermeability->setCurrentWidget(ui_->chtPermeability);
    } else {
        ui_->stkPermeability->setCurrentWidget(ui_->labNoCurve);
    }
}

void FrmDesign::ShowNoFigures() {
    ui_->tblFigures->setRowCount(0);
    ui_->labWarning->clear();
    charts_->clear();
    ui_->stkPermeability->setCurrentWidget(ui_->chtPermeability);
}

void FrmDesign::cmdSaveChart_Click() {
    const bool inductance = ui_->tabCharts->currentWidget() == ui_->tabInductance;
    if (!inductance && ui_->stkPermeability->currentWidget() != ui_->chtPermeability) {
        ShowMessage(this, ui_->labNoCurve->text());
        return;
    }
    QChartView* view = inductance ? ui_->chtInductance : ui_->chtPermeability;
    const QString png = QStringLiteral("PNG 图像 (*.png)");
    const QString svg = QStringLiteral("SVG 图像 (*.svg)");
    QString filter = png;
    QString path = QFileDialog::getSaveFileName(this, QStringLiteral("保存图表"),
                                                ui_->tabCharts->tabText(ui_->tabCharts->currentIndex()) + ".png",
                                                png + ";;" + svg, &filter);
    if (path.isEmpty()) return;
    const QString suffix = filter == svg ? QStringLiteral(".svg") : QStringLiteral(".png");
    if (!path.endsWith(QLatin1String(".png"), Qt::CaseInsensitive) &&
        !path.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive))
        path += suffix;
    if (!SaveChart(view, path)) ShowMessage(this, QStringLiteral("无法保存图表：") + path);
}

void FrmDesign::cmdExportCsv_Click() { ExportCandidatesCsv(this, candidates_->rows(), candidates_->order()); }

}  // namespace zova::ui
