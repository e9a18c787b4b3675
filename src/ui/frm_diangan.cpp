#include "ui/frm_diangan.h"

#include <QComboBox>
#include <QFocusEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QStringList>

#include "commands/core_list.h"
#include "commands/inductance_command.h"
#include "commands/key_filters.h"
#include "commands/maker_info.h"
#include "commands/messages.h"
#include "text/conversions.h"
#include "ui/images.h"
#include "ui/key_press_filter.h"
#include "ui/language.h"
#include "ui/message_box.h"
#include "ui/qt_text.h"
#include "ui/shell_links.h"
#include "ui/window_conventions.h"
#include "ui_frm_diangan.h"

namespace zova::ui {

FrmDiangan::FrmDiangan(QWidget* parent) : QWidget(parent), ui_(std::make_unique<Ui::frmDiangan>()) {
    ui_->setupUi(this);
    setWindowIcon(AppIcon());
    // A fixed single border without a maximize button; inside the main window
    // the sub-window frame gets the same treatment.
    if (parent == nullptr)
        setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                       Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFixedSize(size());
    ApplyWindowConventions(this);

    ShowTexts();
    ui_->Label7->setCursor(LinkCursor());
    ui_->Label7->installEventFilter(this);
    ui_->txtDianliu->installEventFilter(this);

    KeyPressFilter::install(ui_->txtXianquanN, &IntegerKeyFilter);
    KeyPressFilter::install(ui_->cmbCoreCount, &IntegerKeyFilter);
    KeyPressFilter::install(ui_->txtDianliu, &DecimalKeyFilter);

    connect(ui_->txtSearch, &QLineEdit::textChanged, this, &FrmDiangan::txtSearch_Change);
    connect(ui_->lstCoreList, &QListWidget::itemSelectionChanged, this, &FrmDiangan::lstCoreList_Click);
    connect(ui_->cmdJiSuan, &QPushButton::clicked, this, &FrmDiangan::cmdJiSuan_Click);
    connect(ui_->txtXianquanN, &QLineEdit::textChanged, this, &FrmDiangan::txtXianquanN_Change);
    connect(ui_->txtDianliu, &QLineEdit::textChanged, this, &FrmDiangan::txtDianliu_Change);
    // textEdited comes just before the editTextChanged of the same keystroke.
    connect(ui_->cmbCoreCount->lineEdit(), &QLineEdit::textEdited, this, [this] { stackTextTyped_ = true; });
    connect(ui_->cmbCoreCount, &QComboBox::editTextChanged, this, &FrmDiangan::cmbCoreCount_Change);
    connect(ui_->cmbCoreCount, &QComboBox::activated, this, &FrmDiangan::cmbCoreCount_Click);

    Form_Load();
}

FrmDiangan::~FrmDiangan() = default;

void FrmDiangan::Form_Load() {
    FilterCoreList(QString());  // every offered core, none selected
    ShowHelp();
    SizeLabels();
    ui_->txtSearch->setFocus();
}

// The texts the form adds to those of its layout.
void FrmDiangan::ShowTexts() { ui_->Label7->setText(ui_->Label7->text() + q(maker::kHomePage)); }

void FrmDiangan::SizeLabels() {
    for (QLabel* label : findChildren<QLabel*>()) label->adjustSize();
    FitLabels(this);
}

void FrmDiangan::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() != QEvent::LanguageChange) return;
    ui_->retranslateUi(this);
    ShowTexts();
    SayLibraryTextsAgain();
    SizeLabels();
}

// The core's details and the result in the library's new language. A result
// is calculated again rather than translated; one that ended out of range
// left the result as it was, and it stays so without its message again.
void FrmDiangan::SayLibraryTextsAgain() {
    const QString partNo = SelectedPartNo();
    if (!partNo.isEmpty()) ui_->labCoreInfo->setText(q(CoreDetailsText(u8(partNo))));
    if (showingHelp_) {
        ShowHelp();
    } else if (TurnsAndCoreGiven()) {
        const InductanceOutcome outcome = Calculate();
        if (outcome.end != InductanceEnd::OutOfRange) ShowResult(q(outcome.resultText));
    }
}

bool FrmDiangan::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ui_->txtDianliu && (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut)) {
        // Switching to another program or opening the box's context menu takes
        // Qt's focus away for a moment but does not leave the box.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
            if (event->type() == QEvent::FocusIn)
                txtDianliu_GotFocus();
            else
                txtDianliu_LostFocus();
        }
    } else if (watched == ui_->Label7 && event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton && ui_->Label7->rect().contains(mouse->position().toPoint()))
            Label7_Click();
    }
    return QWidget::eventFilter(watched, event);
}

void FrmDiangan::txtSearch_Change() { FilterCoreList(q(text::Trimmed(u8(ui_->txtSearch->text())))); }

void FrmDiangan::FilterCoreList(const QString& searchText) {
    QStringList items;
    for (const std::string& partNo : zova::FilterCoreList(u8(searchText))) items << q(partNo);
    // Clearing drops the selection; the details and the result stay on screen.
    ui_->lstCoreList->clear();
    ui_->lstCoreList->addItems(items);
}

void FrmDiangan::lstCoreList_Click() {
    const QString item = SelectedPartNo();
    if (item.isEmpty()) return;  // the list was cleared: nothing was clicked
    ui_->labCoreInfo->setText(q(CoreDetailsText(u8(item))));
    ui_->labCoreInfo->adjustSize();
    if (!text::Trimmed(u8(ui_->txtXianquanN->text())).empty() && !text::Trimmed(u8(ui_->txtDianliu->text())).empty())
        DoCalculation();
}

void FrmDiangan::Label7_Click() { OpenUrl(this, q(maker::kHomePage)); }

void FrmDiangan::cmdJiSuan_Click() { DoCalculation(); }

void FrmDiangan::txtXianquanN_Change() {
    if (TurnsAndCoreGiven())
        DoCalculation();
    else
        ShowResult(QString());
}

// Tests the turns box, not the current box: clearing the current still
// recalculates (and asks for a current) once turns and a core are given.
void FrmDiangan::txtDianliu_Change() { txtXianquanN_Change(); }

void FrmDiangan::cmbCoreCount_Change() {
    // A pick from the drop-down sets the text before it reports the pick:
    // remember that, so the pick itself does not calculate a second time.
    stackTextSetByPick_ = !stackTextTyped_;
    stackTextTyped_ = false;
    if (TurnsAndCoreGiven()) DoCalculation();
}

void FrmDiangan::cmbCoreCount_Click() {
    const bool alreadyCalculated = stackTextSetByPick_;
    stackTextSetByPick_ = false;
    if (!alreadyCalculated && TurnsAndCoreGiven()) DoCalculation();
}

void FrmDiangan::txtDianliu_GotFocus() {
    if (ui_->txtDianliu->text() == QLatin1String("0")) ui_->txtDianliu->setText(QString());
}

void FrmDiangan::txtDianliu_LostFocus() {
    if (ui_->txtDianliu->text().isEmpty()) ui_->txtDianliu->setText(QStringLiteral("0"));
}

InductanceOutcome FrmDiangan::Calculate() const {
    return CalculateInductance(u8(SelectedPartNo()), u8(ui_->txtXianquanN->text()), u8(ui_->txtDianliu->text()),
                               u8(ui_->cmbCoreCount->currentText()));
}

void FrmDiangan::DoCalculation() {
    const InductanceOutcome outcome = Calculate();
    if (outcome.end == InductanceEnd::OutOfRange)
        ShowMessage(this, q(Say(texts::messages::outOfRange)));
    else
        ShowResult(q(outcome.resultText));
}

QString FrmDiangan::SelectedPartNo() const {
    const QList<QListWidgetItem*> selected = ui_->lstCoreList->selectedItems();
    return selected.isEmpty() ? QString() : selected.first()->text();
}

bool FrmDiangan::TurnsAndCoreGiven() const {
    return !ui_->txtXianquanN->text().isEmpty() && !SelectedPartNo().isEmpty();
}

void FrmDiangan::ShowHelp() {
    ShowResult(q(CalculatorHelpText()));
    showingHelp_ = true;
}

void FrmDiangan::ShowResult(const QString& text) {
    showingHelp_ = false;
    ui_->labResult->setText(text);
    ui_->labResult->adjustSize();
}

}  // namespace zova::ui
