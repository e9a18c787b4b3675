#include "ui/frm_design.h"

#include <QAccessible>
#include <QChartView>
#include <QCloseEvent>
#include <QComboBox>
#include <QCompleter>
#include <QHeaderView>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QResizeEvent>
#include <QScrollBar>
#include <QShortcut>
#include <QSplitter>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTableWidget>
#include <QValidator>
#include <algorithm>
#include <array>
#include <utility>

#include "commands/core_list.h"
#include "language/texts.h"
#include "presentation/workbench_texts.h"
#include "ui/design_charts.h"
#include "ui/file_export.h"
#include "ui/images.h"
#include "ui/labelled_combo.h"
#include "ui/message_box.h"
#include "ui/qt_text.h"
#include "ui/window_conventions.h"
#include "ui/workbench_candidates.h"
#include "ui/workbench_converter.h"
#include "ui/workbench_document.h"
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

// Side by side, a chart needs this much height to keep its axis titles and
// the figures and charts this much width; a smaller window shows the figures,
// the charts and the candidates as pages of one tab widget.
constexpr int kLeastChartHeight = 260;
constexpr int kLeastSideBySideWidth = 760;

constexpr FileType kChartTypes[] = {{QT_TRANSLATE_NOOP("FileExport", "PNG 图像 (*.png)"), "png"},
                                    {QT_TRANSLATE_NOOP("FileExport", "SVG 图像 (*.svg)"), "svg"}};

const QString kRefusalStyle = QStringLiteral("color: #a00000");

}  // namespace

FrmDesign::FrmDesign(QWidget* parent) : QWidget(parent), ui_(std::make_unique<Ui::frmDesign>()) {
    ui_->setupUi(this);
    NameByLabel(ui_->cmbCore);
    NameByLabel(ui_->cmbCoreCount);
    NameByLabel(ui_->cmbTopology);
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
    // What is typed stays as typed: the session reads it and says what is wrong.
    ui_->labWarning->setStyleSheet(kRefusalStyle);
    ui_->labMessage->setText(q(Say(texts::workbench::hint)));

    charts_ = std::make_unique<DesignCharts>(ui_->chtInductance, ui_->chtPermeability);
    ui_->tblFigures->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    ui_->tblFigures->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    // The figures beside a wider chart, the comparison below; growing the
    // window grows the chart and the comparison most.
    ui_->tabCharts->setCornerWidget(ui_->cmdSaveChart);
    ui_->splTop->setStretchFactor(1, 1);
    ui_->splMain->setStretchFactor(1, 1);
    SizeSplitters();

    candidates_ = new WorkbenchCandidates(*ui_, session_, this);
    converter_ = new WorkbenchConverter(*ui_, session_, this);
    document_ = new WorkbenchDocument(this, ui_->layWindow, session_);
    connect(candidates_, &WorkbenchCandidates::loaded, this, &FrmDesign::ShowSession);
    connect(converter_, &WorkbenchConverter::typed, this, &FrmDesign::ShowSession);
    connect(converter_, &WorkbenchConverter::ran, this, [this] {
        candidates_->ShowRanked();
        ShowSession();
    });
    connect(document_, &WorkbenchDocument::opened, this, &FrmDesign::ShowSession);

    connect(ui_->cmbCore, &QComboBox::editTextChanged, this, &FrmDesign::cmbCore_Change);
    connect(ui_->txtTurns, &QLineEdit::textChanged, this, &FrmDesign::txtTurns_Change);
    connect(ui_->txtCurrent, &QLineEdit::textChanged, this, &FrmDesign::txtCurrent_Change);
    connect(ui_->cmbCoreCount, &QComboBox::editTextChanged, this, &FrmDesign::cmbCoreCount_Change);
    connect(ui_->txtFrequency, &QLineEdit::textChanged, this, &FrmDesign::txtFrequency_Change);
    connect(ui_->txtRipple, &QLineEdit::textChanged, this, &FrmDesign::txtRipple_Change);
    connect(ui_->txtLossCoefficients, &QLineEdit::textChanged, this, &FrmDesign::txtLossCoefficients_Change);
    connect(ui_->txtAlTolerance, &QLineEdit::textChanged, this, &FrmDesign::txtAlTolerance_Change);
    connect(ui_->txtHotLimit, &QLineEdit::textChanged, this, &FrmDesign::txtHotLimit_Change);
    connect(ui_->txtRollOffLimit, &QLineEdit::textChanged, this, &FrmDesign::txtRollOffLimit_Change);
    connect(ui_->tabCharts, &QTabWidget::currentChanged, this, &FrmDesign::tabCharts_Change);
    connect(ui_->cmdSaveChart, &QPushButton::clicked, this, &FrmDesign::cmdSaveChart_Click);
    ReachHiddenPages();

    ShowSession();
    ui_->labMessage->setText(q(Say(texts::workbench::hint)));
    ui_->labMessage->setStyleSheet({});
    ui_->cmbCore->setFocus();
}

FrmDesign::~FrmDesign() = default;

void FrmDesign::cmbCore_Change() { Type(SessionBox::Core, ui_->cmbCore->currentText()); }

void FrmDesign::txtTurns_Change() { Type(SessionBox::Turns, ui_->txtTurns->text()); }

void FrmDesign::txtCurrent_Change() { Type(SessionBox::Current, ui_->txtCurrent->text()); }

void FrmDesign::cmbCoreCount_Change() { Type(SessionBox::Stack, ui_->cmbCoreCount->currentText()); }

void FrmDesign::txtFrequency_Change() { Type(SessionBox::Frequency, ui_->txtFrequency->text()); }

void FrmDesign::txtRipple_Change() { Type(SessionBox::Ripple, ui_->txtRipple->text()); }

void FrmDesign::txtLossCoefficients_Change() { Type(SessionBox::Coefficients, ui_->txtLossCoefficients->text()); }

void FrmDesign::txtAlTolerance_Change() { Type(SessionBox::AlTolerance, ui_->txtAlTolerance->text()); }

void FrmDesign::txtHotLimit_Change() { Type(SessionBox::HotLimit, ui_->txtHotLimit->text()); }

void FrmDesign::txtRollOffLimit_Change() { Type(SessionBox::RollOffLimit, ui_->txtRollOffLimit->text()); }

void FrmDesign::Type(SessionBox box, const QString& text) {
    if (showing_) return;
    session_.Type(box, u8(text));
    ShowSession();
}

void FrmDesign::ShowCandidate(const std::shared_ptr<const SelectionOutcome>& run, std::size_t line) {
    if (session_.TakeSelection(run)) candidates_->ShowRun();
    // Its row, when computed already, shows which candidate is loaded.
    if (run && line < run->cores.size() && !candidates_->Choose(line)) session_.LoadCandidate(line);
    ShowSession();
}

void FrmDesign::ShowRun(const std::shared_ptr<const SelectionOutcome>& run) {
    if (!session_.TakeSelection(run)) return;
    candidates_->ShowRun();
    ShowSession();
}

bool FrmDesign::OpenDesignFile(const QString& path) { return document_->Open(path); }

QString FrmDesign::DesignFile() const { return document_->Path(); }

// Everything the window shows, as the session now has it.
void FrmDesign::ShowSession() {
    ShowBoxes();
    ShowDesign(session_.View());
    converter_->Show();
    candidates_->ShowStatus();
    document_->ShowState();
}

void FrmDesign::ShowBoxes() {
    showing_ = true;
    const auto put = [&](QLineEdit* edit, SessionBox box) {
        if (const QString text = q(session_.Text(box)); edit->text() != text) edit->setText(text);
    };
    if (const QString core = q(session_.Text(SessionBox::Core)); ui_->cmbCore->currentText() != core)
        ui_->cmbCore->setEditText(core);
    put(ui_->txtTurns, SessionBox::Turns);
    put(ui_->txtCurrent, SessionBox::Current);
    if (const QString stack = q(session_.Text(SessionBox::Stack)); ui_->cmbCoreCount->currentText() != stack)
        ui_->cmbCoreCount->setEditText(stack);
    put(ui_->txtFrequency, SessionBox::Frequency);
    put(ui_->txtRipple, SessionBox::Ripple);
    put(ui_->txtLossCoefficients, SessionBox::Coefficients);
    put(ui_->txtAlTolerance, SessionBox::AlTolerance);
    put(ui_->txtHotLimit, SessionBox::HotLimit);
    put(ui_->txtRollOffLimit, SessionBox::RollOffLimit);
    showing_ = false;
}

void FrmDesign::ShowDesign(const DesignView& v) {
    MarkRefused(v);
    const bool found = v.end == DesignEnd::Found;
    ui_->labMessage->setStyleSheet(found ? QString() : kRefusalStyle);
    if (ui_->labMessage->text() != q(v.message)) ui_->labMessage->setText(q(v.message));
    // Said once, not again on every keystroke.
    if (!found && said_ != q(v.message)) {
        QAccessibleEvent alert(ui_->labMessage, QAccessible::Alert);
        QAccessible::updateAccessibility(&alert);
    }
    said_ = found ? QString() : q(v.message);
    ui_->labWarning->setText(q(v.warning));
    ui_->labWarning->setVisible(!v.warning.empty());
    ShowFigures(v.sections);
    // An empty coefficients box stands for the material's fit: it shows which.
    if (found) ui_->txtLossCoefficients->setPlaceholderText(q(v.coefficients));

    if (v.inductance && v.permeability) {
        charts_->showInductance(*v.inductance);
        charts_->showPermeability(*v.permeability);
        ui_->stkInductance->setCurrentWidget(ui_->chtInductance);
        ui_->stkPermeability->setCurrentWidget(ui_->chtPermeability);
    } else {
        charts_->clear();
        ui_->labNoInductance->setText(q(v.noChart));
        ui_->labNoCurve->setText(q(v.noChart));
        ui_->stkInductance->setCurrentWidget(ui_->labNoInductance);
        ui_->stkPermeability->setCurrentWidget(ui_->labNoCurve);
    }
    tabCharts_Change();
}

// The refused box carries the reason as its description until it is put right;
// the other boxes of the design carry none.
void FrmDesign::MarkRefused(const DesignView& v) {
    const std::array<std::pair<SessionBox, QWidget*>, 10> boxes = {{{SessionBox::Core, ui_->cmbCore},
                                                                    {SessionBox::Turns, ui_->txtTurns},
                                                                    {SessionBox::Current, ui_->txtCurrent},
                                                                    {SessionBox::Stack, ui_->cmbCoreCount},
                                                                    {SessionBox::Frequency, ui_->txtFrequency},
                                                                    {SessionBox::Ripple, ui_->txtRipple},
                                                                    {SessionBox::Coefficients, ui_->txtLossCoefficients},
                                                                    {SessionBox::AlTolerance, ui_->txtAlTolerance},
                                                                    {SessionBox::HotLimit, ui_->txtHotLimit},
                                                                    {SessionBox::RollOffLimit, ui_->txtRollOffLimit}}};
    for (const auto& [box, widget] : boxes) {
        const QString description = v.refused == box ? q(v.message) : QString();
        if (widget->accessibleDescription() != description) widget->setAccessibleDescription(description);
    }
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
    FitFigures();
}

// The first figures shown in a language widen their panel where their names
// and numbers would not fit side by side (English names run longer than
// Chinese); the panel is never narrowed, and a width the user chooses then stays.
void FrmDesign::FitFigures() {
    QTableWidget* table = ui_->tblFigures;
    if (figuresFitted_ || compact_ || table->rowCount() == 0) return;
    figuresFitted_ = true;
    // Room for a number beside the names; a text figure (the loss model's) may run on, as in Chinese.
    const QFontMetrics metrics(table->font());
    const int values = std::max(table->horizontalHeader()->defaultSectionSize(),
                                metrics.horizontalAdvance(QStringLiteral("00000.000")) + 2 * metrics.averageCharWidth());
    const int needed = table->horizontalHeader()->sectionSize(0) + values +
                       table->verticalScrollBar()->sizeHint().width() + 2 * table->frameWidth();
    QList<int> sizes = ui_->splTop->sizes();
    const QMargins margins = ui_->pnlWinding->layout() != nullptr ? ui_->pnlWinding->layout()->contentsMargins() : QMargins();
    const int shown = needed + margins.left() + margins.right();
    if (sizes.size() != 2 || sizes[0] >= shown) return;
    const int total = sizes[0] + sizes[1];
    ui_->splTop->setSizes({shown, std::max(0, total - shown)});
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
        tabs->insertTab(0, ui_->pnlWinding, QString());
        tabs->addTab(ui_->pnlCandidates, QString());
        RetitleTabs();
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

// The figures' and the candidates' pages while the window is compact.
void FrmDesign::RetitleTabs() {
    QTabWidget* tabs = ui_->tabCharts;
    if (const int page = tabs->indexOf(ui_->pnlWinding); page >= 0) tabs->setTabText(page, tr("设计数据"));
    if (const int page = tabs->indexOf(ui_->pnlCandidates); page >= 0) tabs->setTabText(page, tr("候选磁芯"));
}

void FrmDesign::SizeSplitters() {
    ui_->splTop->setSizes({340, 560});
    ui_->splMain->setSizes({kLeastChartHeight + 40, 200});
}

// A label's access key reaches its box on a page of the tab widget that is not
// shown: the page comes forward. While the label is shown its own key acts, so
// the two never compete; and the key never falls through as a typed letter.
void FrmDesign::ReachHiddenPages() {
    for (QLabel* label : findChildren<QLabel*>()) {
        QWidget* buddy = label->buddy();
        const QKeySequence key = QKeySequence::mnemonic(label->text());
        if (buddy == nullptr || key.isEmpty()) continue;
        auto* shortcut = new QShortcut(key, this);
        shortcut->setContext(Qt::WidgetWithChildrenShortcut);
        shortcut->setEnabled(false);
        connect(shortcut, &QShortcut::activated, this, [this, label, buddy] {
            for (QWidget* w = label; w != nullptr; w = w->parentWidget()) {
                const int page = ui_->tabCharts->indexOf(w);
                if (page >= 0) {
                    ui_->tabCharts->setCurrentIndex(page);
                    break;
                }
            }
            buddy->setFocus(Qt::ShortcutFocusReason);
        });
        connect(ui_->tabCharts, &QTabWidget::currentChanged, shortcut,
                [shortcut, label] { shortcut->setEnabled(!label->isVisible()); });
        shortcut->setEnabled(!label->isVisibleTo(this));
    }
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
    const QString suggested = q(session_.FileNameFor(u8(ui_->tabCharts->tabText(ui_->tabCharts->currentIndex()))));
    const QString path = AskSaveName(this, tr("保存图表"), suggested, kChartTypes);
    if (path.isEmpty()) return;
    const bool svg = path.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive);
    const QString title = q(session_.View().chartTitle);
    const QByteArray bytes = svg ? ChartSvg(view, title) : ChartPng(view, title);
    if (bytes.isEmpty()) {
        ShowMessage(this, tr("无法生成图表图像，没有保存。"));
        return;
    }
    SaveBytes(this, path, bytes);
}

void FrmDesign::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() != QEvent::LanguageChange) return;
    // The title is the session's (the design's name), not the layout's; the
    // session says it, the figures, the charts and the candidates in the new language.
    ui_->retranslateUi(this);
    RetitleTabs();
    document_->Retranslate();
    figuresFitted_ = false;
    ShowSession();
    candidates_->SayAgain();
}

void FrmDesign::closeEvent(QCloseEvent* event) {
    if (document_->SaveChanges()) {
        event->accept();
    } else {
        event->ignore();
    }
}

}  // namespace zova::ui
