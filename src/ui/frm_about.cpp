#include "ui/frm_about.h"

#include <QCloseEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

#include "commands/maker_info.h"
#include "ui/images.h"
#include "ui/qt_text.h"
#include "ui/shell_links.h"
#include "ui/window_conventions.h"
#include "ui_frm_about.h"

namespace zova::ui {

FrmAbout::FrmAbout(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      ui_(std::make_unique<Ui::frmAbout>()) {
    ui_->setupUi(this);
    setWindowIcon(AppIcon());
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(size());
    ApplyWindowConventions(this);

    // The ring and the name without the caption line beneath: the whole logo
    // would be too small to read in this strip.
    ui_->picIcon->setPixmap(SmallLogoPixmap());
    ui_->picIcon->setCursor(LinkCursor());
    ui_->picIcon->installEventFilter(this);
    connect(ui_->cmdOK, &QPushButton::clicked, this, &FrmAbout::cmdOK_Click);
    Form_Load();
}

FrmAbout::~FrmAbout() = default;

void FrmAbout::Form_Load() { ShowTexts(); }

// The texts the box adds to those of its layout.
void FrmAbout::ShowTexts() {
    ui_->lblDescription->setText(ui_->lblDescription->text() + q(maker::kHomePage));
    ui_->lblDisclaimer->setText(q(Say(maker::kDisclaimer)));
    ui_->lblTitle->setText(tr("关于磁芯选型计算工具"));
    ui_->labMsg->setText(ui_->labMsg->text() + QStringLiteral("\r\n") + tr("电话:") + q(maker::kTelephones) +
                         QStringLiteral("\r\n") + QStringLiteral("Email:") + q(maker::kSalesEmail));
}

void FrmAbout::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() != QEvent::LanguageChange) return;
    ui_->retranslateUi(this);
    ShowTexts();
}

void FrmAbout::cmdOK_Click() { close(); }

void FrmAbout::picIcon_Click() { OpenUrl(this, q(maker::kHomePage)); }

void FrmAbout::reject() { ui_->cmdOK->click(); }

void FrmAbout::closeEvent(QCloseEvent* event) { event->accept(); }

bool FrmAbout::eventFilter(QObject* watched, QEvent* event) {
    // A click is a left-button release over the picture, as with a button.
    if (watched == ui_->picIcon && event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton && ui_->picIcon->rect().contains(mouse->position().toPoint())) {
            picIcon_Click();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace zova::ui
