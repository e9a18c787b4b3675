#include "ui/mdi_main.h"

#include <algorithm>

#include <QCloseEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QStyle>

#include "catalogue/catalogue.h"
#include "commands/maker_info.h"
#include "ui/frm_about.h"
#include "ui/frm_choise.h"
#include "ui/frm_diangan.h"
#include "ui/images.h"
#include "ui/qt_text.h"
#include "ui/shell_links.h"

namespace zova::ui {
namespace {

// The calculator windows have a fixed size: no maximize button, no resizing.
constexpr Qt::WindowFlags kChildFlags = Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                        Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                                        Qt::WindowCloseButtonHint;

QAction* AddItem(QMenu* menu, const char* name, const QString& caption) {
    QAction* item = menu->addAction(caption);
    item->setObjectName(QString::fromLatin1(name));
    return item;
}

QMenu* AddMenu(QMenuBar* bar, const char* name, const QString& caption) {
    QMenu* menu = bar->addMenu(caption);
    menu->setObjectName(QString::fromLatin1(name));
    return menu;
}

// Brings a window to the front, restoring it first if it was minimized.
void BringToFront(QWidget* window) {
    if (window->isMinimized())
        window->showNormal();
    else
        window->show();
    window->raise();
}

}  // namespace

MDIMain::MDIMain(QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("MDIMain"));
    setWindowTitle(QStringLiteral("ZOVA磁芯设计工具"));
    setWindowIcon(AppIcon());

    mdiArea_ = new QMdiArea(this);
    mdiArea_->setObjectName(QStringLiteral("mdiArea"));
    // The selection window is taller than the client area: let the user scroll to its foot.
    mdiArea_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mdiArea_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(mdiArea_);

    // In the window, not in a desktop-wide menu bar, so the client area keeps its size.
    menuBar()->setNativeMenuBar(false);
    meuFile = AddMenu(menuBar(), "meuFile", QStringLiteral("文件(&F)"));
    meuRequestSample = AddItem(meuFile, "meuRequestSample", QStringLiteral("样品申请(&S)"));
    meuExit = AddItem(meuFile, "meuExit", QStringLiteral("退出(&X)"));
    meuTools = AddMenu(menuBar(), "meuTools", QStringLiteral("计算工具(&D)"));
    meuChoise = AddItem(meuTools, "meuChoise", QStringLiteral("磁芯选型(&C)"));
    menToroidalL = AddItem(meuTools, "menToroidalL", QStringLiteral("环形磁芯感量计算(&L)"));
    meuHelp = AddMenu(menuBar(), "meuHelp", QStringLiteral("帮助(&H)"));
    meuHelpMain = AddItem(meuHelp, "meuHelpMain", QStringLiteral("帮助主题(&M)"));
    meuAbout = AddItem(meuHelp, "meuAbout", QStringLiteral("关于(&A)"));

    connect(meuRequestSample, &QAction::triggered, this, &MDIMain::meuRequestSample_Click);
    connect(meuExit, &QAction::triggered, this, &MDIMain::meuExit_Click);
    connect(meuChoise, &QAction::triggered, this, &MDIMain::meuChoise_Click);
    connect(menToroidalL, &QAction::triggered, this, &MDIMain::menToroidalL_Click);
    connect(meuHelpMain, &QAction::triggered, this, &MDIMain::meuHelpMain_Click);
    connect(meuAbout, &QAction::triggered, this, &MDIMain::meuAbout_Click);

    // Client area of 984 x 620 below the menu bar.
    resize(984, 620 + menuBar()->sizeHint().height());

    MDIForm_Load();
}

MDIMain::~MDIMain() {
    // The About box is a window of its own, not our child: it goes with us.
    delete frmAbout_;
}

void MDIMain::MDIForm_Load() {
    // The windows read the catalogue from their first moment on.
    LoadCatalogue();
    ShowChild<FrmChoise>(frmChoise_);
}

void MDIMain::meuRequestSample_Click() { OpenUrl(this, q(maker::kSampleRequestPage)); }

void MDIMain::meuExit_Click() { close(); }

void MDIMain::meuChoise_Click() { ShowChild<FrmChoise>(frmChoise_); }

void MDIMain::menToroidalL_Click() { ShowChild<FrmDiangan>(frmDiangan_); }

void MDIMain::meuHelpMain_Click() { ShowHelpContents(this); }

void MDIMain::meuAbout_Click() {
    if (frmAbout_.isNull()) frmAbout_ = new FrmAbout;  // no owner: a window beside ours
    BringToFront(frmAbout_);
    frmAbout_->activateWindow();
}

template <typename Form>
void MDIMain::ShowChild(QPointer<QMdiSubWindow>& window) {
    if (window.isNull()) {
        window = mdiArea_->addSubWindow(new Form, kChildFlags);
        window->setAttribute(Qt::WA_DeleteOnClose);  // closing discards the window and its contents
        window->setWindowIcon(AppIcon());
        window->setFixedSize(window->sizeHint());
        window->move(FreeCascadePosition(window));
    }
    BringToFront(window);
    mdiArea_->setActiveSubWindow(window);
}

// Cascade from the top left corner, one title bar further each step: the first
// step no other open window starts at, so a window reopened after another was
// closed never lies exactly on top of one still open.
QPoint MDIMain::FreeCascadePosition(const QMdiSubWindow* window) const {
    const int step = window->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, window);
    const auto windows = mdiArea_->subWindowList();
    for (int k = 0;; ++k) {
        const QPoint candidate(k * step, k * step);
        const bool taken = std::any_of(windows.begin(), windows.end(), [&](const QMdiSubWindow* other) {
            return other != window && other->pos() == candidate;
        });
        if (!taken) return candidate;
    }
}

void MDIMain::closeEvent(QCloseEvent* event) {
    mdiArea_->closeAllSubWindows();
    if (!frmAbout_.isNull()) frmAbout_->close();
    event->accept();
}

}  // namespace zova::ui
