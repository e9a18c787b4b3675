#include "ui/frm_choise.h"

#include <algorithm>

#include <QComboBox>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>

#include "commands/key_filters.h"
#include "commands/maker_info.h"
#include "commands/messages.h"
#include "commands/selection_command.h"
#include "ui/images.h"
#include "ui/key_press_filter.h"
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
    QLabel* const captions[] = {ui_->Label12, ui_->Label13, ui_->Label14, ui_->Label15, ui_->Label16, ui_->Label17};
    for (std::size_t i = 0; i < std::size(captions); ++i) captions[i]->setText(q(messages::kResultColumnCaptions[i]));
    ui_->labURL->setText(ui_->labURL->text() + q(maker::kHomePage));
    // Captions stay on one line as wide as their text in whatever font the
    // desktop supplies; the layout gives only their positions.
    for (QLabel* caption : findChildren<QLabel*>())
        if (caption != ui_->picLogo) caption->adjustSize();
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
}

FrmChoise::~FrmChoise() = default;

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
    if (!outcome.message.empty()) ShowMessage(this, q(outcome.message), q(outcome.caption));
}

void FrmChoise::txtDianliu_GotFocus() {
    if (ui_->txtDianliu->text() == QLatin1String("0")) ui_->txtDianliu->clear();
}

void FrmChoise::labURL_Click() { OpenUrl(this, q(maker::kHomePage)); }

void FrmChoise::picLogo_Click() { OpenUrl(this, q(maker::kHomePage)); }

void FrmChoise::cmdRequestSample_Click() { OpenUrl(this, q(maker::kSampleRequestPage)); }

}  // namespace zova::ui
