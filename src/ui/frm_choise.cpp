#include "ui/frm_choise.h"

#include <QComboBox>
#include <QFocusEvent>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>

#include "commands/key_filters.h"
#include "commands/maker_info.h"
#include "commands/selection_command.h"
#include "ui/images.h"
#include "ui/key_press_filter.h"
#include "ui/message_box.h"
#include "ui/qt_text.h"
#include "ui/shell_links.h"
#include "ui/tab_columns_delegate.h"

namespace zova::ui {
namespace {

// The window was laid out in twips; 15 of them make a pixel at 96 dpi.
constexpr int px(int twips) { return twips / 15; }
QRect twips(int left, int top, int width, int height) { return {px(left), px(top), px(width), px(height)}; }

template <typename W>
W* place(QWidget* parent, const char* name, const QRect& where) {
    auto* w = new W(parent);
    w->setObjectName(QString::fromLatin1(name));
    w->setGeometry(where);
    return w;
}

QGroupBox* frame(QWidget* parent, const char* name, const QString& caption, const QRect& where) {
    auto* box = place<QGroupBox>(parent, name, where);
    box->setTitle(caption);
    return box;
}

// One line of text, as wide as its caption.
QLabel* label(QWidget* parent, const char* name, const QString& caption, int left, int top) {
    auto* l = new QLabel(caption, parent);
    l->setObjectName(QString::fromLatin1(name));
    l->move(px(left), px(top));
    l->adjustSize();
    return l;
}

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

FrmChoise::FrmChoise(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("frmChoise"));
    setWindowTitle(QStringLiteral("环形磁芯选型"));
    setWindowIcon(AppIcon());
    // The layout below is measured for a 9-point font.
    QFont font9 = font();
    font9.setPointSize(9);
    setFont(font9);
    setFixedSize(px(11835), px(9420));

    // Created in focus order: the first one holds the focus on opening.
    QGroupBox* input = frame(this, "fraInput", QStringLiteral("用户输入"), twips(120, 120, 6855, 1815));
    label(input, "labDianliu", QStringLiteral("峰值电流(A)"), 120, 480);
    txtDianliu = place<QLineEdit>(input, "txtDianliu", twips(1200, 360, 2175, 360));
    label(input, "labTishiDianliu", QStringLiteral("请输入电流大小"), 3480, 480);
    label(input, "labDianganliang", QStringLiteral("电感量(μH)"), 120, 960);
    txtDianganliang = place<QLineEdit>(input, "txtDianganliang", twips(1200, 840, 2175, 360));
    label(input, "labTishiGanliang", QStringLiteral("请输入在以上电流下要达到的电感量"), 3480, 960);
    label(input, "Label7", QStringLiteral("磁芯个数"), 120, 1440);
    cmbCoreCount = place<QComboBox>(input, "cmbCoreCount", twips(1200, 1320, 2175, 315));
    cmbCoreCount->setEditable(true);
    cmbCoreCount->setInsertPolicy(QComboBox::NoInsert);
    cmbCoreCount->addItems({QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("4"),
                            QStringLiteral("5"), QStringLiteral("6")});
    cmbCoreCount->setCurrentIndex(0);

    cmdJiSuan = place<QPushButton>(this, "cmdJiSuan", twips(7080, 1440, 1680, 495));
    cmdJiSuan->setText(QStringLiteral("磁芯选型"));

    QGroupBox* result = frame(this, "fraResult", QStringLiteral("计算结果："), twips(120, 2160, 11535, 4095));
    const QList<QWidget*> captions = {
        label(result, "Label12", QStringLiteral("可选磁芯"), 240, 480),
        label(result, "Label13", QStringLiteral("磁芯外径(mm)"), 2160, 480),
        label(result, "Label14", QStringLiteral("磁芯内径(mm)"), 3600, 480),
        label(result, "Label15", QStringLiteral("磁芯高度(mm)"), 5040, 480),
        label(result, "Label16", QStringLiteral("绕线圈数"), 6480, 480),
        label(result, "Label17", QStringLiteral("线径(mm)"), 8040, 480),
    };
    lstResut = place<QListWidget>(result, "lstResut", twips(120, 720, 11295, 3180));
    lstResut->setSelectionMode(QAbstractItemView::SingleSelection);
    lstResut->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    lstResut->setItemDelegate(new TabColumnsDelegate(lstResut, captions));

    cmdRequestSample = place<QPushButton>(this, "cmdRequestSample", twips(7080, 240, 1680, 495));
    cmdRequestSample->setText(QStringLiteral("申请样品"));

    picLogo = place<QLabel>(this, "picLogo", twips(8880, 0, 2760, 2130));
    picLogo->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    picLogo->setPixmap(LogoPixmap());
    picLogo->setCursor(LinkCursor());
    picLogo->setFocusPolicy(Qt::StrongFocus);

    QGroupBox* rules = frame(this, "fraRules", QStringLiteral("ZOVA环形磁芯选型说明"), twips(120, 6480, 7215, 2655));
    label(rules, "Label1", QStringLiteral("以上选型电流密度为8安培每平方毫米，有效绕线面积按窗口面积的55%来估算的结果"),
          120, 240);
    label(rules, "Label2", QStringLiteral("选型原则："), 120, 600);
    label(rules, "Label4", QStringLiteral("1、成本考虑，相同尺寸下KTB成本 < KRA成本 < KTA成本"), 240, 960);
    label(rules, "Label5", QStringLiteral("2、绕线困难度，如果小尺寸绕线困难，再选择大尺寸"), 240, 1320);
    label(rules, "Label6", QStringLiteral("3、当需求感量过大、体积限制，请考虑多颗磁芯叠用"), 240, 1680);
    label(rules, "Label10", QStringLiteral("4、当电流大、感量高或其他原因无法选型时，请联系我们"), 240, 2040);

    QGroupBox* partNo = frame(this, "fraCoreNote", QStringLiteral("磁芯料号说明"), twips(7440, 6480, 4215, 2655));
    label(partNo, "labCoreNote", QStringLiteral("磁芯料号由三部分组成"), 120, 360);
    label(partNo, "labCoreNote01", QStringLiteral("1、前三个字母代表磁芯的系列"), 120, 600);
    label(partNo, "labNote_01_01", QStringLiteral("KTA系列等同行业高磁通磁芯"), 360, 840);
    label(partNo, "Label9", QStringLiteral("KTB系列等同行业铁硅铝磁芯"), 360, 1080);
    label(partNo, "Label8", QStringLiteral("KRA系列等同行业铁硅磁芯"), 360, 1320);
    label(partNo, "labCoreNote02", QStringLiteral("2、中间三位数字表示磁芯外径尺寸，英寸制"), 120, 1560);
    label(partNo, "labCoreNote03", QStringLiteral("3、磁芯料号最后三位数字表示磁芯导磁率"), 120, 1800);
    labURL = label(partNo, "labURL", QStringLiteral("更多磁芯资料请登陆 ") + q(maker::kHomePageShown), 120, 2160);
    labURL->setCursor(LinkCursor());

    setTabOrder(txtDianliu, txtDianganliang);
    setTabOrder(txtDianganliang, cmbCoreCount);
    setTabOrder(cmbCoreCount, cmdJiSuan);
    setTabOrder(cmdJiSuan, lstResut);
    setTabOrder(lstResut, cmdRequestSample);
    setTabOrder(cmdRequestSample, picLogo);
    txtDianliu->setFocus();

    KeyPressFilter::install(txtDianliu, &DecimalKeyFilter);
    KeyPressFilter::install(txtDianganliang, &DecimalKeyFilter);
    KeyPressFilter::install(cmbCoreCount, &IntegerKeyFilter);
    txtDianliu->installEventFilter(this);
    labURL->installEventFilter(this);
    picLogo->installEventFilter(this);

    connect(cmdJiSuan, &QPushButton::clicked, this, &FrmChoise::cmdJiSuan_Click);
    connect(cmdRequestSample, &QPushButton::clicked, this, &FrmChoise::cmdRequestSample_Click);
}

bool FrmChoise::eventFilter(QObject* watched, QEvent* event) {
    if (watched == txtDianliu && event->type() == QEvent::FocusIn) {
        // Coming back from another program or from the box's context menu is
        // not entering the box.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) txtDianliu_GotFocus();
    } else if (watched == labURL && isLeftClickOn(labURL, event)) {
        labURL_Click();
    } else if (watched == picLogo && isLeftClickOn(picLogo, event)) {
        picLogo_Click();
    }
    return QWidget::eventFilter(watched, event);
}

void FrmChoise::cmdJiSuan_Click() {
    lstResut->clear();
    SelectionOutcome outcome;
    {
        // The scan holds the window until it ends.
        const WaitCursor busy;
        outcome = SelectCores(u8(txtDianliu->text()), u8(txtDianganliang->text()), u8(cmbCoreCount->currentText()));
    }
    QStringList lines;
    lines.reserve(static_cast<qsizetype>(outcome.lines.size()));
    for (const std::string& line : outcome.lines) lines << q(line);
    lstResut->addItems(lines);
    if (!outcome.message.empty()) ShowMessage(this, q(outcome.message), q(outcome.caption));
}

void FrmChoise::txtDianliu_GotFocus() {
    if (txtDianliu->text() == QLatin1String("0")) txtDianliu->clear();
}

void FrmChoise::labURL_Click() { OpenUrl(this, q(maker::kHomePage)); }

void FrmChoise::picLogo_Click() { OpenUrl(this, q(maker::kHomePage)); }

void FrmChoise::cmdRequestSample_Click() { OpenUrl(this, q(maker::kSampleRequestPage)); }

}  // namespace zova::ui
