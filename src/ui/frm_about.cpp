#include "ui/frm_about.h"

#include <QCloseEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>

#include "commands/maker_info.h"
#include "ui/images.h"
#include "ui/qt_text.h"
#include "ui/shell_links.h"

namespace zova::ui {
namespace {

// The etched separator: a grey line with a two-pixel white line beneath it,
// drawn white first so the grey stays on top.
class EtchedLine : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.fillRect(0, 0, 370, 2, Qt::white);
        p.fillRect(1, 0, 371, 1, QColor(128, 128, 128));
    }
};

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, QRect where, bool wrap) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(where);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(wrap);
    return label;
}

}  // namespace

FrmAbout::FrmAbout(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("关于磁芯计算软件"));
    setWindowIcon(AppIcon());
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(395, 303);

    // Created first so it leads the focus order and holds the focus on opening.
    cmdOK = new QPushButton(QStringLiteral("确定"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setGeometry(288, 232, 84, 23);
    cmdOK->setDefault(true);

    picIcon = new QLabel(this);
    picIcon->setObjectName(QStringLiteral("picIcon"));
    picIcon->setGeometry(48, 24, 84, 34);
    picIcon->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // The ring and the name without the caption line beneath: the whole logo
    // would be too small to read in this strip.
    picIcon->setPixmap(SmallLogoPixmap());
    picIcon->setCursor(LinkCursor());
    picIcon->setFocusPolicy(Qt::TabFocus);
    picIcon->installEventFilter(this);
    setTabOrder(cmdOK, picIcon);

    lblTitle = MakeLabel(this, "lblTitle", QStringLiteral("ZOVA 磁芯选型计算工具"), {144, 24, 171, 16}, false);
    lblVersion = MakeLabel(this, "lblVersion", QStringLiteral("V1.0"), {144, 56, 171, 15}, false);
    lblDescription = MakeLabel(
        this, "lblDescription",
        QStringLiteral("本工具用于环形磁芯的选型、计算电感量辅助电感设计，如果对计算或选型有任何问题请访问：") +
            q(maker::kHomePage),
        {70, 75, 259, 46}, true);
    labMsg = MakeLabel(this, "labMsg", QStringLiteral("如果您需要样品，联系我们："), {70, 136, 265, 49}, true);

    auto* line = new EtchedLine(this);
    line->setObjectName(QStringLiteral("Line1"));
    line->setGeometry(7, 216, 372, 2);

    lblDisclaimer = MakeLabel(this, "lblDisclaimer", q(maker::kDisclaimer), {16, 232, 258, 55}, true);

    connect(cmdOK, &QPushButton::clicked, this, &FrmAbout::cmdOK_Click);
    Form_Load();
}

void FrmAbout::Form_Load() {
    lblTitle->setText(QStringLiteral("关于磁芯选型计算工具"));
    labMsg->setText(labMsg->text() + QStringLiteral("\r\n") + QStringLiteral("电话:") + q(maker::kTelephones) +
                    QStringLiteral("\r\n") + QStringLiteral("Email:") + q(maker::kSalesEmail));
}

void FrmAbout::cmdOK_Click() { close(); }

void FrmAbout::picIcon_Click() { OpenUrl(this, q(maker::kHomePage)); }

void FrmAbout::reject() { cmdOK->click(); }

void FrmAbout::closeEvent(QCloseEvent* event) { event->accept(); }

bool FrmAbout::eventFilter(QObject* watched, QEvent* event) {
    // A click is a left-button release over the picture, as with a button.
    if (watched == picIcon && event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton && picIcon->rect().contains(mouse->position().toPoint())) {
            picIcon_Click();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace zova::ui
