#include "ui/frm_design.h"

#include <algorithm>
#include <array>
#include <span>

#include <QAccessible>
#include <QCloseEvent>
#include <QDate>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QSettings>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QCompleter>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QResizeEvent>
#include <QSplitter>
#include <QPushButton>
#include <QScrollBar>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QValidator>

#include "catalogue/catalogue.h"
#include "commands/converter_command.h"
#include "commands/core_list.h"
#include "documents/design_file.h"
#include "documents/design_report.h"
#include "files/read_file.h"
#include "commands/inductance_command.h"
#include "presentation/candidate_table.h"
#include "presentation/chart_series.h"
#include "presentation/converter_outputs.h"
#include "commands/design_command.h"
#include "presentation/figure_rows.h"
#include "presentation/workbench_texts.h"
#include "text/conversions.h"
#include "text/number_text.h"
#include "ui/candidate_table_model.h"
#include "ui/design_charts.h"
#include "ui/file_export.h"
#include "ui/images.h"
#include "ui/labelled_combo.h"
#include "ui/message_box.h"
#include "ui/qt_text.h"
#include "ui/report_printer.h"
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
// The candidates table never shows fewer rows than this.
constexpr int kLeastCandidateRows = 5;
// Side by side, a chart needs this much height to keep its axis titles and
// the figures and charts this much width; a smaller window shows the figures,
// the charts and the candidates as pages of one tab widget.
constexpr int kLeastChartHeight = 260;
constexpr int kLeastSideBySideWidth = 760;

constexpr FileType kChartTypes[] = {{"PNG 图像 (*.png)", "png"}, {"SVG 图像 (*.svg)", "svg"}};

const QString kRefusalStyle = QStringLiteral("color: #a00000");

}  // namespace

FrmDesign::FrmDesign(QWidget* parent)
    : QWidget(parent), ui_(std::make_unique<Ui::frmDesign>()), candidates_(new CandidateTableModel(this)) {
    ui_->setupUi(this);
    NameByLabel(ui_->cmbCore);
    NameByLabel(ui_->cmbCoreCount);
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
    // What is typed stays as typed: the workbench reads it and says what is wrong.
    ui_->labWarning->setStyleSheet(kRefusalStyle);
    ui_->labMessage->setText(q(workbench::kHint));

    charts_ = std::make_unique<DesignCharts>(ui_->chtInductance, ui_->chtPermeability);
    ui_->tblFigures->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    ui_->labConverter->setText(q(workbench::kConverterHint));
    ui_->tblFigures->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);

    QTableView* grid = ui_->grdCandidates;
    grid->setModel(candidates_);
    grid->horizontalHeader()->setSortIndicator(0, Qt::AscendingOrder);  // the catalogue's order
    grid->setSortingEnabled(true);
    // The part number heads each row instead of scrolling away with its column.
    grid->setColumnHidden(static_cast<int>(CandidateColumn("partNo")), true);
    grid->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid->setMinimumHeight(grid->horizontalHeader()->sizeHint().height() +
                           kLeastCandidateRows * grid->verticalHeader()->defaultSectionSize() +
                           grid->horizontalScrollBar()->sizeHint().height() + 2 * grid->frameWidth());
    // Widths from the first rows: measuring every cell of 400 rows would hold the window.
    grid->horizontalHeader()->setResizeContentsPrecision(kWidthSampleRows);
    ui_->labCandidates->setText(q(workbench::kNoRun));
    ui_->cmdExportCsv->setEnabled(false);
    // The figures beside a wider chart, the comparison below; growing the
    // window grows the chart and the comparison most.
    ui_->tabCharts->setCornerWidget(ui_->cmdSaveChart);
    ui_->splTop->setStretchFactor(1, 1);
    ui_->splMain->setStretchFactor(1, 1);
    SizeSplitters();
    ShowNoFigures(q(workbench::kNoFigures));

    fill_.setSingleShot(true);
    fill_.setInterval(0);
    connect(&fill_, &QTimer::timeout, this, &FrmDesign::FillCandidates);
    connect(ui_->cmbCore, &QComboBox::editTextChanged, this, &FrmDesign::cmbCore_Change);
    connect(ui_->txtTurns, &QLineEdit::textChanged, this, &FrmDesign::txtTurns_Change);
    connect(ui_->txtCurrent, &QLineEdit::textChanged, this, &FrmDesign::txtCurrent_Change);
    connect(ui_->cmbCoreCount, &QComboBox::editTextChanged, this, &FrmDesign::cmbCoreCount_Change);
    connect(ui_->txtFrequency, &QLineEdit::textChanged, this, &FrmDesign::txtFrequency_Change);
    connect(ui_->txtRipple, &QLineEdit::textChanged, this, &FrmDesign::txtRipple_Change);
    connect(ui_->txtLossCoefficients, &QLineEdit::textChanged, this, &FrmDesign::txtLossCoefficients_Change);
    connect(ui_->cmdConverter, &QPushButton::clicked, this, &FrmDesign::cmdConverter_Click);
    connect(grid->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &FrmDesign::grdCandidates_RowChange);
    // Choosing the row already current loads it again (the inputs may have changed since).
    connect(grid, &QTableView::clicked, this, &FrmDesign::grdCandidates_Click);
    connect(grid, &QTableView::activated, this, &FrmDesign::grdCandidates_Click);
    connect(ui_->tabCharts, &QTabWidget::currentChanged, this, &FrmDesign::tabCharts_Change);
    connect(ui_->cmdSaveChart, &QPushButton::clicked, this, &FrmDesign::cmdSaveChart_Click);
    connect(ui_->cmdExportCsv, &QPushButton::clicked, this, &FrmDesign::cmdExportCsv_Click);

    // Typed by hand: a design worth keeping, which closing the window should not lose unasked.
    for (QLineEdit* box : {ui_->cmbCore->lineEdit(), ui_->txtTurns, ui_->txtCurrent, ui_->cmbCoreCount->lineEdit(),
                           ui_->txtFrequency, ui_->txtRipple, ui_->txtLossCoefficients})
        connect(box, &QLineEdit::textEdited, this, &FrmDesign::txtInput_Edited);
    BuildMenu();

    ui_->cmbCore->setFocus();
}

FrmDesign::~FrmDesign() = default;

// 设计文件: the design kept as a file, its report, the last few files. The keys
// act while the workbench is the active window.
void FrmDesign::BuildMenu() {
    auto* bar = new QMenuBar(this);
    QMenu* menu = bar->addMenu(QStringLiteral("设计文件(&J)"));
    const auto add = [&](const QString& text, auto handler, QKeySequence keys = {}) {
        QAction* action = menu->addAction(text);
        action->setShortcut(keys);
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        addAction(action);
        connect(action, &QAction::triggered, this, handler);
        return action;
    };
    add(QStringLiteral("打开设计(&O)…"), &FrmDesign::mnuOpen_Click, QKeySequence::Open);
    fileActions_.push_back(add(QStringLiteral("保存设计(&S)"), &FrmDesign::mnuSave_Click, QKeySequence::Save));
    fileActions_.push_back(add(QStringLiteral("另存为(&A)…"), &FrmDesign::mnuSaveAs_Click, QKeySequence::SaveAs));
    menu->addSeparator();
    fileActions_.push_back(add(QStringLiteral("导出报告 (PDF)(&R)…"), &FrmDesign::mnuExportReport_Click));
    fileActions_.push_back(add(QStringLiteral("打印(&P)…"), &FrmDesign::mnuPrint_Click, QKeySequence::Print));
    menu->addSeparator();
    recent_ = menu->addMenu(QStringLiteral("最近的设计(&T)"));
    ui_->layWindow->setMenuBar(bar);
    for (QAction* action : fileActions_) action->setEnabled(false);
    ShowRecent();
}

void FrmDesign::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Arrange();
}

void FrmDesign::Arrange() {
    const int sideBySide = ui_->layInputs->sizeHint().height() + ui_->labMessage->sizeHint().height() +
                           kLeastChartHeight + ui_->pnlCandidates->minimumSizeHint().height() +
                           4 * ui_->layWindow->spacing();
    const bool compact = height() < sideBySide || width() < kLeastSideBySideWidth;
    if (compact == compact_) return;
    compact_ = compact;
    QTabWidget* tabs = ui_->tabCharts;
    QWidget* current = tabs->currentWidget();
    if (compact) {
        tabs->insertTab(0, ui_->pnlWinding, QStringLiteral("设计数据"));
        tabs->addTab(ui_->pnlCandidates, QStringLiteral("候选磁芯"));
        ui_->layWindow->addWidget(tabs);
        ui_->splMain->hide();
    } else {
        tabs->removeTab(tabs->indexOf(ui_->pnlWinding));
        tabs->removeTab(tabs->indexOf(ui_->pnlCandidates));
        ui_->splTop->insertWidget(0, ui_->pnlWinding);
        ui_->splTop->insertWidget(1, tabs);
        ui_->splMain->insertWidget(1, ui_->pnlCandidates);
        ui_->pnlWinding->show();
        ui_->pnlCandidates->show();
        ui_->splMain->show();
        SizeSplitters();
    }
    if (tabs->indexOf(current) >= 0) tabs->setCurrentWidget(current);
    tabCharts_Change();
}

void FrmDesign::SizeSplitters() {
    ui_->splTop->setSizes({340, 560});
    ui_->splMain->setSizes({kLeastChartHeight + 40, 200});
}

void FrmDesign::ShowCandidate(const std::shared_ptr<const SelectionOutcome>& run, std::size_t line) {
    TakeRun(run);
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
    ShowCandidate(run, 0);
}

void FrmDesign::TakeRun(const std::shared_ptr<const SelectionOutcome>& run, const CandidateConditions& conditions,
                        std::optional<OperatingPoint> point) {
    if (run == run_) return;
    run_ = run;
    conditions_ = conditions;
    point_ = point;
    if (!point_) converter_.reset();
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
        CandidateRowsOutcome piece = CandidateRows(*run_, filled_ + rows.size(), kFillPiece, conditions_);
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
        ui_->labCandidates->setText(
            q(workbench::CandidatesSummary(total, run_->current, run_->inductance, run_->stackSize)));
    }
}

void FrmDesign::cmbCore_Change() { DoCalculation(); }

void FrmDesign::txtTurns_Change() { DoCalculation(); }

void FrmDesign::txtCurrent_Change() { DoCalculation(); }

void FrmDesign::cmbCoreCount_Change() { DoCalculation(); }

void FrmDesign::txtFrequency_Change() { DoCalculation(); }

void FrmDesign::txtRipple_Change() { DoCalculation(); }

void FrmDesign::txtLossCoefficients_Change() { DoCalculation(); }

void FrmDesign::grdCandidates_RowChange(const QModelIndex& current) {
    if (current.isValid()) LoadRow(current.row());
}

void FrmDesign::grdCandidates_Click(const QModelIndex& index) {
    if (index.isValid()) LoadRow(index.row());
}

void FrmDesign::LoadRow(int viewRow) {
    if (!run_) return;
    const CandidateRow& row = candidates_->rowAt(viewRow);
    if (point_) {
        // A converter's candidate: its operation, with the ripple its own inductance gives.
        loading_ = true;
        ui_->txtFrequency->setText(q(text::ShortestText(conditions_.options.ac->frequency)));
        ui_->txtRipple->setText(q(text::ShortestText(row.ripple)));
        loading_ = false;
    }
    LoadInputs(q(CoreCatalogue(row.core.row).PartNo), row.core.turns, conditions_.current.value_or(run_->current),
               run_->stackSize);
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
    const std::string frequency = u8(ui_->txtFrequency->text()), ripple = u8(ui_->txtRipple->text()),
                      coefficients = u8(ui_->txtLossCoefficients->text());
    const DesignOutcome o = DesignAsTyped(u8(partNo), u8(ui_->txtTurns->text()), u8(ui_->txtCurrent->text()),
                                          u8(ui_->cmbCoreCount->currentText()), {frequency, ripple, coefficients});
    if (o.end != DesignEnd::Found) {
        inputs_.reset();
        ShowTitle();
        ShowRefusal(q(o.message), BoxOf(o.box, false));
        return;
    }
    DesignInputs in = InputsOf(o, u8(ui_->txtCurrent->text()));
    in.converter = converter_;
    inputs_ = std::move(in);
    ShowTitle();
    ShowRefusal({}, nullptr);
    const DesignFigures& f = *o.figures;
    shown_ = {partNo, o.turns, o.current, o.stackSize};
    ui_->labMessage->setText(o.biasCurve ? q(InductanceResultText(f.inductance))
                                         : q(workbench::NoCurveResult(u8(partNo), o.current, f.inductanceZeroBias)));
    QStringList warnings;
    if (!o.biasCurve) warnings << q(workbench::kNoCurve);
    if (const std::string w = WindingWarning(f, o.turns); !w.empty()) warnings << q(w);
    ui_->labWarning->setText(warnings.join(QLatin1Char('\n')));
    ui_->labWarning->setVisible(!warnings.isEmpty());

    ShowFigures(FigureSections(f, o.biasCurve));
    // An empty coefficients box stands for the material's fit: it shows which.
    ui_->txtLossCoefficients->setPlaceholderText(q(workbench::CoefficientsText(f.lossCoefficients)));

    const auto curve = PermeabilityChartOf(FindCore(u8(partNo)), f);
    if (curve) {
        charts_->showInductance(InductanceChartOf(f, o.current));
        charts_->showPermeability(*curve);
        ui_->stkInductance->setCurrentWidget(ui_->chtInductance);
        ui_->stkPermeability->setCurrentWidget(ui_->chtPermeability);
    } else {
        // A roll-off read off no curve would fall straight to 0 at the first step.
        charts_->clear();
        ui_->labNoInductance->setText(q(workbench::kNoCurve));
        ui_->labNoCurve->setText(q(workbench::kNoCurve));
        ui_->stkInductance->setCurrentWidget(ui_->labNoInductance);
        ui_->stkPermeability->setCurrentWidget(ui_->labNoCurve);
    }
    tabCharts_Change();
}

// Each group under a heading row across both columns, the key figures first.
void FrmDesign::ShowFigures(const std::vector<FigureSection>& sections) {
    QTableWidget* table = ui_->tblFigures;
    table->clearSpans();
    int rows = 0;
    for (const FigureSection& s : sections) rows += 1 + static_cast<int>(s.rows.size());
    table->setRowCount(rows);
    QFont bold = table->font();
    bold.setBold(true);
    int r = 0;
    for (const FigureSection& s : sections) {
        auto* heading = new QTableWidgetItem(q(s.heading));
        heading->setFont(bold);
        heading->setFlags(Qt::ItemIsEnabled);
        heading->setBackground(palette().alternateBase());
        table->setItem(r, 0, heading);
        table->setItem(r, 1, new QTableWidgetItem);
        table->setSpan(r, 0, 1, 2);
        ++r;
        for (const FigureRow& row : s.rows) {
            table->setItem(r, 0, new QTableWidgetItem(q(row.name)));
            auto* value = new QTableWidgetItem(q(row.value));
            value->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            table->setItem(r, 1, value);
            ++r;
        }
    }
}

// The converter's inputs run through the converter command: the operating
// point above, its candidates below at the inductor's DC current and the
// converter's volt-seconds, by total loss, the first of them loaded.
void FrmDesign::cmdConverter_Click() {
    const std::string_view topology = kTopologyNames[std::max(0, ui_->cmbTopology->currentIndex())];
    const std::string vin = u8(ui_->txtVin->text()), vout = u8(ui_->txtVout->text()), iout = u8(ui_->txtIout->text()),
                      frequency = u8(ui_->txtConverterFrequency->text()), ratio = u8(ui_->txtRippleRatio->text()),
                      inductance = u8(ui_->txtConverterInductance->text()),
                      stack = u8(ui_->txtConverterStack->text()), coefficients = u8(ui_->txtLossCoefficients->text());
    const ConverterOutcome o = RunConverter({topology, vin, vout, iout,
                                             frequency, ratio, inductance, stack, coefficients});
    MarkRefused(true, o.end == ConverterEnd::Validation ? BoxOf(o.box, true) : nullptr, q(o.message));
    if (o.end != ConverterEnd::Found) {
        ui_->labConverter->setStyleSheet(kRefusalStyle);
        ui_->labConverter->setText(q(o.message));
        QAccessibleEvent alert(ui_->labConverter, QAccessible::Alert);
        QAccessible::updateAccessibility(&alert);
        return;
    }
    ui_->labConverter->setStyleSheet({});
    const auto number = [](const std::string& t) { return text::LeadingValue(text::Trimmed(t)); };
    converter_ = ConverterInputs{std::string(topology),
                                 number(vin), number(vout), number(iout), o.options.ac->frequency,
                                 o.point->rippleRatio, std::nullopt};
    if (!text::Trimmed(inductance).empty()) {
        converter_->rippleRatio.reset();
        converter_->inductance = o.point->inductance;
    }
    ui_->labConverter->setText(q(OperatingPointLines(*o.point)).replace(QLatin1Char('\t'), QStringLiteral("：")));
    TakeRun(std::make_shared<const SelectionOutcome>(o.selection), {o.current, o.options}, o.point);
    // Ranked by total loss; its first row is loaded once computed.
    ui_->grdCandidates->sortByColumn(static_cast<int>(CandidateColumn("totalLoss")), Qt::AscendingOrder);
    while (filled_ < run_->cores.size() && fill_.isActive()) {
        fill_.stop();
        FillCandidates();
    }
    ui_->grdCandidates->selectRow(0);
    LoadRow(0);
}

// The box that holds what a design or a converter run read from a box.
QWidget* FrmDesign::BoxOf(DesignBox box, bool converter) const {
    switch (box) {
        case DesignBox::Core: return ui_->cmbCore;
        case DesignBox::Turns: return ui_->txtTurns;
        case DesignBox::Current:
        case DesignBox::BiasCurrent: return ui_->txtCurrent;
        case DesignBox::Stack: return converter ? static_cast<QWidget*>(ui_->txtConverterStack) : ui_->cmbCoreCount;
        case DesignBox::Frequency: return converter ? ui_->txtConverterFrequency : ui_->txtFrequency;
        case DesignBox::Ripple: return ui_->txtRipple;
        case DesignBox::Coefficients: return ui_->txtLossCoefficients;
        case DesignBox::Topology: return ui_->cmbTopology;
        case DesignBox::Vin: return ui_->txtVin;
        case DesignBox::Vout: return ui_->txtVout;
        case DesignBox::Iout: return ui_->txtIout;
        case DesignBox::RippleRatio: return ui_->txtRippleRatio;
        case DesignBox::Inductance: return ui_->txtConverterInductance;
        case DesignBox::None: break;
    }
    return nullptr;
}

// The refused box carries the reason as its description; the other boxes of
// its page (the workbench's or the converter's) carry none.
void FrmDesign::MarkRefused(bool converter, QWidget* box, const QString& message) {
    const std::array<QWidget*, 7> workbench = {ui_->cmbCore,         ui_->txtTurns,  ui_->txtCurrent,
                                               ui_->cmbCoreCount,    ui_->txtFrequency, ui_->txtRipple,
                                               ui_->txtLossCoefficients};
    // The converter reads the coefficients box too.
    const std::array<QWidget*, 9> converterBoxes = {ui_->cmbTopology,           ui_->txtVin,
                                                    ui_->txtVout,               ui_->txtIout,
                                                    ui_->txtConverterFrequency, ui_->txtRippleRatio,
                                                    ui_->txtConverterInductance, ui_->txtConverterStack,
                                                    ui_->txtLossCoefficients};
    for (QWidget* input : converter ? std::span<QWidget* const>(converterBoxes) : std::span<QWidget* const>(workbench)) {
        const QString description = input == box ? message : QString();
        if (input->accessibleDescription() != description) input->setAccessibleDescription(description);
    }
}

// The message line says what is wrong and a screen reader is told; the box
// concerned carries the reason as its description until it is put right.
void FrmDesign::ShowRefusal(const QString& message, QWidget* box) {
    MarkRefused(false, box, message);
    ui_->labMessage->setStyleSheet(message.isEmpty() ? QString() : kRefusalStyle);
    if (message.isEmpty()) return;
    ShowNoFigures(q(workbench::kNoFigures));
    if (ui_->labMessage->text() == message) return;  // said already: not again on every keystroke
    ui_->labMessage->setText(message);
    QAccessibleEvent alert(ui_->labMessage, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
}

void FrmDesign::ShowNoFigures(const QString& sentence) {
    ui_->tblFigures->setRowCount(0);
    ui_->labWarning->clear();
    ui_->labWarning->hide();
    charts_->clear();
    ui_->labNoInductance->setText(sentence);
    ui_->labNoCurve->setText(sentence);
    ui_->stkInductance->setCurrentWidget(ui_->labNoInductance);
    ui_->stkPermeability->setCurrentWidget(ui_->labNoCurve);
    tabCharts_Change();
}

void FrmDesign::tabCharts_Change() {
    const QWidget* page = ui_->tabCharts->currentWidget();
    const QStackedWidget* stack = page == ui_->tabInductance     ? ui_->stkInductance
                                  : page == ui_->tabPermeability ? ui_->stkPermeability
                                                                 : nullptr;
    ui_->cmdSaveChart->setEnabled(stack != nullptr && stack->currentIndex() == 0);  // a chart, not a sentence
}

void FrmDesign::cmdSaveChart_Click() {
    const bool inductance = ui_->tabCharts->currentWidget() == ui_->tabInductance;
    QChartView* view = inductance ? ui_->chtInductance : ui_->chtPermeability;
    const QString suggested = q(workbench::ChartFileName(u8(ui_->tabCharts->tabText(ui_->tabCharts->currentIndex())),
                                                         u8(shown_.partNo), shown_.turns, shown_.current,
                                                         shown_.stack));
    const QString path = AskSaveName(this, QStringLiteral("保存图表"), suggested, kChartTypes);
    if (path.isEmpty()) return;
    const bool svg = path.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive);
    const QString title =
        q(workbench::ChartTitle(u8(shown_.partNo), shown_.turns, shown_.current, shown_.stack));
    const QByteArray bytes = svg ? ChartSvg(view, title) : ChartPng(view, title);
    if (bytes.isEmpty()) {
        ShowMessage(this, QStringLiteral("无法生成图表图像，没有保存。"));
        return;
    }
    SaveBytes(this, path, bytes);
}

void FrmDesign::cmdExportCsv_Click() {
    ExportCandidatesCsv(this, candidates_->rows(), candidates_->order(),
                        q(workbench::CandidatesFileName(run_->current, run_->inductance, run_->stackSize)));
}

void FrmDesign::txtInput_Edited() {
    edited_ = true;
    ShowTitle();
}

bool FrmDesign::HasUnsavedChanges() const { return file_.isEmpty() ? edited_ : inputs_ != saved_; }

void FrmDesign::ShowTitle() {
    QString title = QStringLiteral("设计分析");
    if (!file_.isEmpty()) title += QStringLiteral(" - ") + QFileInfo(file_).fileName();
    if (HasUnsavedChanges()) title += QStringLiteral(" *");
    if (windowTitle() != title) setWindowTitle(title);
    for (QAction* action : fileActions_) action->setEnabled(inputs_.has_value());
}

void FrmDesign::closeEvent(QCloseEvent* event) {
    if (SaveChanges()) {
        event->accept();
    } else {
        event->ignore();
    }
}

bool FrmDesign::SaveChanges() {
    if (!HasUnsavedChanges()) return true;
    QMessageBox box(QMessageBox::Question, QStringLiteral("设计分析"),
                    QStringLiteral("设计已修改，要保存吗？"), QMessageBox::NoButton, this);
    QPushButton* save = box.addButton(QStringLiteral("保存"), QMessageBox::AcceptRole);
    QPushButton* discard = box.addButton(QStringLiteral("不保存"), QMessageBox::DestructiveRole);
    box.addButton(QStringLiteral("取消"), QMessageBox::RejectRole);
    box.setDefaultButton(save);
    box.exec();
    if (box.clickedButton() == discard) return true;
    if (box.clickedButton() != save) return false;
    if (!file_.isEmpty()) return SaveTo(file_);
    mnuSaveAs_Click();
    return !HasUnsavedChanges();
}

namespace {

constexpr FileType kDesignTypes[] = {{"设计文件 (*.json)", "json"}};
constexpr FileType kReportTypes[] = {{"PDF 文档 (*.pdf)", "pdf"}};

}  // namespace

// The figures worked out from the inputs as the file holds them, as opening it will.
DesignOutcome FrmDesign::DesignOfInputs() const {
    const DesignTexts t = TextsOf(*inputs_);
    return DesignAsTyped(t.core, t.turns, t.current, t.stack, {t.frequency, t.ripple, t.coefficients});
}

bool FrmDesign::SaveTo(const QString& path) {
    if (!inputs_) return false;
    const DesignOutcome o = DesignOfInputs();
    if (o.end != DesignEnd::Found) {
        ShowMessage(this, QStringLiteral("无法保存：") + q(o.message));
        return false;
    }
    if (!SaveBytes(this, path, QByteArray::fromStdString(DesignFileText(*inputs_, *o.figures)))) return false;
    file_ = path;
    saved_ = inputs_;
    edited_ = false;
    Remember(path);
    ShowTitle();
    return true;
}

void FrmDesign::mnuSave_Click() {
    if (file_.isEmpty()) {
        mnuSaveAs_Click();
        return;
    }
    SaveTo(file_);
}

void FrmDesign::mnuSaveAs_Click() {
    if (!inputs_) return;
    const QString suggested = file_.isEmpty()
                                  ? q(workbench::ChartFileName("设计", u8(shown_.partNo), shown_.turns, shown_.current,
                                                               shown_.stack))
                                  : QFileInfo(file_).completeBaseName();
    const QString path = AskSaveName(this, QStringLiteral("保存设计"), suggested, kDesignTypes);
    if (!path.isEmpty()) SaveTo(path);
}

void FrmDesign::mnuOpen_Click() {
    if (!SaveChanges()) return;
    const QString path = QFileDialog::getOpenFileName(this, QStringLiteral("打开设计"), QFileInfo(file_).path(),
                                                      QStringLiteral("设计文件 (*.json);;所有文件 (*)"));
    if (!path.isEmpty()) OpenDesignFile(path);
}

bool FrmDesign::OpenDesignFile(const QString& path) {
    const files::ReadOutcome read = files::ReadFilePrefix(u8(path), kDesignFileMaxBytes);
    if (!read.bytes) {
        ShowMessage(this, q(read.message));
        return false;
    }
    const OpenedDesign opened = OpenDesign(*read.bytes);
    if (!opened.inputs) {
        ShowMessage(this, QStringLiteral("无法打开“%1”：%2").arg(path, q(opened.message)));
        return false;
    }
    const DesignInputs& in = *opened.inputs;
    const DesignTexts t = TextsOf(in);
    loading_ = true;
    ui_->txtFrequency->setText(q(t.frequency));
    ui_->txtRipple->setText(q(t.ripple));
    ui_->txtLossCoefficients->setText(q(t.coefficients));
    converter_ = in.converter;
    if (in.converter) {
        const ConverterInputs& c = *in.converter;
        ui_->cmbTopology->setCurrentIndex(static_cast<int>(*TopologyNamed(c.topology)));
        ui_->txtVin->setText(q(text::ShortestText(c.vin)));
        ui_->txtVout->setText(q(text::ShortestText(c.vout)));
        ui_->txtIout->setText(q(text::ShortestText(c.iout)));
        ui_->txtConverterFrequency->setText(q(text::ShortestText(c.frequency)));
        ui_->txtRippleRatio->setText(c.rippleRatio ? q(text::ShortestText(*c.rippleRatio)) : QString());
        ui_->txtConverterInductance->setText(c.inductance ? q(text::ShortestText(*c.inductance)) : QString());
    }
    ui_->cmbCore->setEditText(q(t.core));
    ui_->txtTurns->setText(q(t.turns));
    ui_->txtCurrent->setText(q(t.current));
    ui_->cmbCoreCount->setEditText(q(t.stack));
    loading_ = false;
    DoCalculation();
    file_ = path;
    saved_ = inputs_;
    edited_ = false;
    Remember(path);
    ShowTitle();
    if (!opened.changes.empty()) ShowMessage(this, q(ChangesMessage(opened.changes)));
    return true;
}

std::optional<DesignReport> FrmDesign::Report() const {
    if (!inputs_) return std::nullopt;
    const DesignOutcome o = DesignOfInputs();
    if (o.end != DesignEnd::Found) return std::nullopt;
    return DesignReportOf(*inputs_, o, u8(QDate::currentDate().toString(Qt::ISODate)));
}

void FrmDesign::mnuExportReport_Click() {
    const std::optional<DesignReport> report = Report();
    if (!report) return;
    const QString path =
        AskSaveName(this, QStringLiteral("导出报告"),
                    q(workbench::ChartFileName("设计报告", u8(shown_.partNo), shown_.turns, shown_.current, shown_.stack)),
                    kReportTypes);
    if (path.isEmpty()) return;
    const QByteArray pdf = ReportPdf(*report);
    if (pdf.isEmpty()) {
        ShowMessage(this, QStringLiteral("无法生成报告，没有保存。"));
        return;
    }
    SaveBytes(this, path, pdf);
}

void FrmDesign::mnuPrint_Click() {
    if (const std::optional<DesignReport> report = Report()) PrintReport(this, *report);
}

// The last few design files, most recent first, in the program's settings
// (~/.config/zova/zovamagnetic.ini).
namespace {

constexpr int kRecentFiles = 5;
const QString kRecentKey = QStringLiteral("recentDesigns");

std::unique_ptr<QSettings> settings() {
    return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("zova"),
                                       QStringLiteral("zovamagnetic"));
}

QStringList recentFiles() { return settings()->value(kRecentKey).toStringList(); }

void storeRecentFiles(const QStringList& files) { settings()->setValue(kRecentKey, files); }

}  // namespace

void FrmDesign::Remember(const QString& path) {
    QStringList files = recentFiles();
    const QString absolute = QFileInfo(path).absoluteFilePath();
    files.removeAll(absolute);
    files.prepend(absolute);
    while (files.size() > kRecentFiles) files.removeLast();
    storeRecentFiles(files);
    ShowRecent();
}

void FrmDesign::ShowRecent() {
    recent_->clear();
    const QStringList files = recentFiles();
    for (int i = 0; i < files.size(); ++i) {
        QAction* action = recent_->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(QFileInfo(files[i]).fileName()));
        action->setToolTip(files[i]);
        action->setStatusTip(files[i]);
        const QString path = files[i];
        connect(action, &QAction::triggered, this, [this, path] { mnuRecent_Click(path); });
    }
    recent_->setEnabled(!files.isEmpty());
}

void FrmDesign::mnuRecent_Click(const QString& path) {
    if (!SaveChanges()) return;
    if (!OpenDesignFile(path)) {
        // A file that is gone, or no design any more, leaves the list.
        QStringList files = recentFiles();
        files.removeAll(path);
        storeRecentFiles(files);
        ShowRecent();
    }
}

}  // namespace zova::ui
