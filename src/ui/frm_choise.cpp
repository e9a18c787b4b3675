#include "ui/frm_choise.h"

#include <algorithm>
#include <numeric>

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>

#include "commands/key_filters.h"
#include "commands/maker_info.h"
#include "commands/messages.h"
#include "commands/rule_texts.h"
#include "commands/selection_command.h"
#include "presentation/candidate_table.h"
#include "presentation/workbench_texts.h"
#include "ui/file_export.h"
#include "ui/images.h"
#include "ui/key_press_filter.h"
#include "ui/language.h"
#include "ui/message_box.h"
#include "ui/qt_text.h"
#include "ui/shell_links.h"
#include "ui/tab_columns_delegate.h"
#include "ui/window_conventions.h"
#include "ui_frm_choise.h"

namespace zova::ui {
namespace {

class WaitCursor {
public:
    WaitCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QGuiApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

bool isLeftClickOn(const QWidget* widget, const QEvent* event) {
    if (event->type() != QEvent::MouseButtonRelease) return false;
    const auto* mouse = static_cast<const QMouseEvent*>(event);
    return mouse->button() == Qt::LeftButton && widget->rect().contains(mouse->position().toPoint());
}

}  // namespace

FrmChoise::FrmChoise(QWidget* parent) : QWidget(parent), ui_(std::make_unique<Ui::frmChoise>()) {
    ui_->setupUi(this);
    setWindowIcon(AppIcon());
    setFixedSize(size());
    mnuOpenInDesign_ = new QAction(this);
    mnuCopyAll_ = new QAction(this);
    mnuExportCsv_ = new QAction(this);
    ShowTexts();
    SizeLabels();
    QLabel* const captions[] = {ui_->Label12, ui_->Label13, ui_->Label14, ui_->Label15, ui_->Label16, ui_->Label17};
    // The rules' first line sits below the frame's title, not on its border.
    ui_->Label1->move(ui_->Label1->x(), std::max(ui_->Label1->y(), ui_->fraRules->contentsRect().top()));

    ui_->lstResut->setItemDelegate(
        new TabColumnsDelegate(ui_->lstResut, QList<QWidget*>(std::begin(captions), std::end(captions))));
    ui_->picLogo->setPixmap(LogoPixmap());
    ui_->picLogo->setCursor(LinkCursor());
    ui_->labURL->setCursor(LinkCursor());
    ui_->txtDianliu->setFocus();
    ApplyWindowConventions(this);

    KeyPressFilter::install(ui_->txtDianliu, &DecimalKeyFilter);
    KeyPressFilter::install(ui_->txtDianganliang, &DecimalKeyFilter);
    KeyPressFilter::install(ui_->cmbCoreCount, &IntegerKeyFilter);
    ui_->txtDianliu->installEventFilter(this);
    ui_->labURL->installEventFilter(this);
    ui_->picLogo->installEventFilter(this);

    connect(ui_->cmdJiSuan, &QPushButton::clicked, this, &FrmChoise::cmdJiSuan_Click);
    connect(ui_->cmdRequestSample, &QPushButton::clicked, this, &FrmChoise::cmdRequestSample_Click);

    ui_->lstResut->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(ui_->lstResut, &QListWidget::itemDoubleClicked, this, &FrmChoise::lstResut_DblClick);
    connect(ui_->lstResut, &QListWidget::customContextMenuRequested, this, &FrmChoise::lstResut_ContextMenu);
    connect(mnuOpenInDesign_, &QAction::triggered, this, &FrmChoise::mnuOpenInDesign_Click);
    connect(mnuCopyAll_, &QAction::triggered, this, &FrmChoise::mnuCopyAll_Click);
    connect(mnuExportCsv_, &QAction::triggered, this, &FrmChoise::mnuExportCsv_Click);
}

FrmChoise::~FrmChoise() = default;

// The texts the form adds to those of its layout.
void FrmChoise::ShowTexts() {
    QLabel* const captions[] = {ui_->Label12, ui_->Label13, ui_->Label14, ui_->Label15, ui_->Label16, ui_->Label17};
    const auto texts = messages::ResultColumnCaptions();
    for (std::size_t i = 0; i < std::size(captions); ++i) captions[i]->setText(q(texts[i]));
    ui_->labURL->setText(ui_->labURL->text() + q(maker::kHomePage));
    ui_->Label1->setText(q(messages::SelectionBasisText()));
    mnuOpenInDesign_->setText(tr("在设计分析中打开"));
    mnuCopyAll_->setText(tr("复制全部"));
    mnuExportCsv_->setText(tr("导出 CSV…"));
}

// Captions stay on one line as wide as their text in whatever font the
// desktop supplies; the layout gives only their positions.
void FrmChoise::SizeLabels() {
    for (QLabel* caption : findChildren<QLabel*>())
        if (caption != ui_->picLogo) caption->adjustSize();
    FitLabels(this);
}

void FrmChoise::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() != QEvent::LanguageChange) return;
    ui_->retranslateUi(this);
    ShowTexts();
    SayLinesAgain();
    SizeLabels();
}

// The listed run in the new language, keeping the line chosen and the scroll.
void FrmChoise::SayLinesAgain() {
    if (!lastRun_ || lastRun_->lines.empty()) return;
    auto run = std::make_shared<SelectionOutcome>(*lastRun_);
    zova::SayLinesAgain(*run);
    if (static_cast<std::size_t>(ui_->lstResut->count()) == run->lines.size())
        for (std::size_t i = 0; i < run->lines.size(); ++i)
            ui_->lstResut->item(static_cast<int>(i))->setText(q(run->lines[i]));
    lastRun_ = std::move(run);
}

bool FrmChoise::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ui_->txtDianliu && event->type() == QEvent::FocusIn) {
        // Coming back from another program or from the box's context menu is
        // not entering the box.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) txtDianliu_GotFocus();
    } else if (watched == ui_->labURL && isLeftClickOn(ui_->labURL, event)) {
        labURL_Click();
    } else if (watched == ui_->picLogo && isLeftClickOn(ui_->picLogo, event)) {
        picLogo_Click();
    }
    return QWidget::eventFilter(watched, event);
}

void FrmChoise::cmdJiSuan_Click() {
    ui_->lstResut->clear();
    SelectionOutcome outcome;
    {
        // The scan holds the window until it ends.
        const WaitCursor busy;
        outcome = SelectCores(u8(ui_->txtDianliu->text()), u8(ui_->txtDianganliang->text()),
                              u8(ui_->cmbCoreCount->currentText()));
    }
    QStringList lines;
    lines.reserve(static_cast<qsizetype>(outcome.lines.size()));
    for (const std::string& line : outcome.lines) lines << q(line);
    ui_->lstResut->addItems(lines);
    ui_->lstResut->scrollToTop();  // a new run opens at its smallest cores
    lastRun_ = std::make_shared<const SelectionOutcome>(std::move(outcome));
    if (!lastRun_->cores.empty()) emit selectionRan(lastRun_);
    if (!lastRun_->message.empty()) ShowMessage(this, q(lastRun_->message), q(lastRun_->caption));
}

void FrmChoise::lstResut_DblClick(QListWidgetItem* item) {
    const int line = ui_->lstResut->row(item);
    if (line >= 0 && lastRun_ && static_cast<std::size_t>(line) < lastRun_->cores.size())
        emit designRequested(lastRun_, static_cast<std::size_t>(line));
}

void FrmChoise::lstResut_ContextMenu(const QPoint& position) {
    const QListWidgetItem* item = ui_->lstResut->itemAt(position);
    if (item == nullptr) item = ui_->lstResut->currentItem();
    menuLine_ = item != nullptr ? ui_->lstResut->row(item) : -1;
    const bool listed = lastRun_ && !lastRun_->cores.empty();
    mnuOpenInDesign_->setEnabled(listed && menuLine_ >= 0);
    mnuCopyAll_->setEnabled(ui_->lstResut->count() > 0);
    mnuExportCsv_->setEnabled(listed);
    QMenu menu(this);
    menu.addAction(mnuOpenInDesign_);
    menu.addSeparator();
    menu.addAction(mnuCopyAll_);
    menu.addAction(mnuExportCsv_);
    menu.exec(ui_->lstResut->viewport()->mapToGlobal(position));
}

void FrmChoise::mnuOpenInDesign_Click() {
    if (menuLine_ >= 0) lstResut_DblClick(ui_->lstResut->item(menuLine_));
}

void FrmChoise::mnuCopyAll_Click() {
    QStringList lines;
    for (int i = 0; i < ui_->lstResut->count(); ++i) lines << ui_->lstResut->item(i)->text();
    QGuiApplication::clipboard()->setText(lines.join(QLatin1Char('\n')));
}

void FrmChoise::mnuExportCsv_Click() {
    if (!lastRun_ || lastRun_->cores.empty()) return;
    CandidateRowsOutcome table;
    {
        const WaitCursor busy;
        table = CandidateRows(*lastRun_, 0, lastRun_->cores.size());
    }
    if (table.end != DesignEnd::Found) {
        ShowMessage(this, q(table.message));
        return;
    }
    std::vector<std::size_t> order(table.rows.size());
    std::iota(order.begin(), order.end(), std::size_t{0});  // the run's order
    ExportCandidatesCsv(this, table.rows, order,
                        q(workbench::CandidatesFileName(lastRun_->current, lastRun_->inductance, lastRun_->stackSize)));
}

void FrmChoise::txtDianliu_GotFocus() {
    if (ui_->txtDianliu->text() == QLatin1String("0")) ui_->txtDianliu->clear();
}

void FrmChoise::labURL_Click() { OpenUrl(this, q(maker::kHomePage)); }

void FrmChoise::picLogo_Click() { OpenUrl(this, q(maker::kHomePage)); }

void FrmChoise::cmdRequestSample_Click() { OpenUrl(this, q(maker::kSampleRequestPage)); }

}  // namespace zova::ui
