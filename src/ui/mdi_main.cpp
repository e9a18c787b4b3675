#include "ui/mdi_main.h"

#include <algorithm>

#include <QActionGroup>
#include <QCloseEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QScreen>
#include <QShowEvent>
#include <QStyle>

#include "catalogue/catalogue.h"
#include "commands/maker_info.h"
#include "ui/frm_about.h"
#include "ui/frm_choise.h"
#include "ui/frm_design.h"
#include "ui/frm_diangan.h"
#include "ui/images.h"
#include "ui/qt_text.h"
#include "ui/shell_links.h"
#include "ui_mdi_main.h"

namespace zova::ui {
namespace {

// The calculator windows have a fixed size: no maximize button, no resizing.
constexpr Qt::WindowFlags kChildFlags = Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                        Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                                        Qt::WindowCloseButtonHint;

// Brings a window to the front, restoring it first if it was minimized.
void BringToFront(QWidget* window) {
    if (window->isMinimized())
        window->showNormal();
    else
        window->show();
    window->raise();
}

}  // namespace

MDIMain::MDIMain(QWidget* parent) : QMainWindow(parent), ui_(std::make_unique<Ui::MDIMain>()) {
    // The selection window is taller than the client area: the area scrolls to
    // its foot. The menu bar is the window's own, not a desktop-wide one, so
    // the client area keeps its size.
    ui_->setupUi(this);
    setWindowIcon(AppIcon());

    connect(ui_->meuRequestSample, &QAction::triggered, this, &MDIMain::meuRequestSample_Click);
    connect(ui_->meuExit, &QAction::triggered, this, &MDIMain::meuExit_Click);
    connect(ui_->meuChoise, &QAction::triggered, this, &MDIMain::meuChoise_Click);
    connect(ui_->menToroidalL, &QAction::triggered, this, &MDIMain::menToroidalL_Click);
    connect(ui_->meuDesign, &QAction::triggered, this, &MDIMain::meuDesign_Click);
    connect(ui_->meuHelpMain, &QAction::triggered, this, &MDIMain::meuHelpMain_Click);
    connect(ui_->meuAbout, &QAction::triggered, this, &MDIMain::meuAbout_Click);
    // The language menu names each language in itself, the same in both.
    auto* languages = new QActionGroup(this);
    languages->addAction(ui_->meuChinese);
    languages->addAction(ui_->meuEnglish);
    connect(ui_->meuChinese, &QAction::triggered, this, &MDIMain::meuChinese_Click);
    connect(ui_->meuEnglish, &QAction::triggered, this, &MDIMain::meuEnglish_Click);
    ShowLanguage();

    MDIForm_Load();
    FitClientArea();
}

MDIMain::~MDIMain() {
    // The About box is a window of its own, not our child: it goes with us.
    delete frmAbout_;
}

void MDIMain::MDIForm_Load() {
    // The windows read the catalogue from their first moment on.
    LoadCatalogue();
    ShowSelection();
}

void MDIMain::meuRequestSample_Click() { OpenUrl(this, q(maker::kSampleRequestPage)); }

void MDIMain::meuExit_Click() { close(); }

void MDIMain::meuChoise_Click() { ShowSelection(); }

void MDIMain::menToroidalL_Click() { ShowChild<FrmDiangan>(frmDiangan_); }

void MDIMain::meuDesign_Click() {
    const bool opening = frmDesign_.isNull();
    FrmDesign* design = ShowChild<FrmDesign>(frmDesign_, true);
    if (opening) design->ShowRun(lastRun_);
}

void MDIMain::ShowSelection() {
    const bool opening = frmChoise_.isNull();
    FrmChoise* selection = ShowChild<FrmChoise>(frmChoise_);
    if (!opening) return;
    connect(selection, &FrmChoise::selectionRan, this, &MDIMain::frmChoise_SelectionRan);
    connect(selection, &FrmChoise::designRequested, this, &MDIMain::frmChoise_DesignRequested);
}

// A run that listed cores becomes the workbench's comparison, at once when the
// workbench is open.
void MDIMain::frmChoise_SelectionRan(const std::shared_ptr<const SelectionOutcome>& run) {
    lastRun_ = run;
    if (!frmDesign_.isNull()) qobject_cast<FrmDesign*>(frmDesign_->widget())->ShowRun(run);
}

void MDIMain::frmChoise_DesignRequested(const std::shared_ptr<const SelectionOutcome>& run, std::size_t line) {
    lastRun_ = run;
    ShowChild<FrmDesign>(frmDesign_, true)->ShowCandidate(run, line);
}

void MDIMain::meuHelpMain_Click() { ShowHelpContents(this); }

void MDIMain::meuAbout_Click() {
    if (frmAbout_.isNull()) frmAbout_ = new FrmAbout;  // no owner: a window beside ours
    BringToFront(frmAbout_);
    frmAbout_->activateWindow();
}

void MDIMain::meuChinese_Click() { ChooseLanguage(Language::Chinese); }

void MDIMain::meuEnglish_Click() { ChooseLanguage(Language::English); }

void MDIMain::ChooseLanguage(Language language) {
    SaveLanguage(language);
    if (language != CurrentLanguage()) ApplyLanguage(language);
    ShowLanguage();
}

void MDIMain::ShowLanguage() {
    ui_->meuChinese->setChecked(CurrentLanguage() == Language::Chinese);
    ui_->meuEnglish->setChecked(CurrentLanguage() == Language::English);
}

void MDIMain::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() != QEvent::LanguageChange) return;
    ui_->retranslateUi(this);
    ShowLanguage();
}

void MDIMain::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    // The window's frame is known once it is shown.
    if (!event->spontaneous() && !fittedOnShow_) {
        fittedOnShow_ = true;
        FitClientArea();
    }
}

// A client area of 984 x 620 below the menu bar, grown so that the selection
// window opens whole; the window with its frame never larger than the screen,
// where the area scrolls instead.
void MDIMain::FitClientArea() {
    QSize client(984, 620);
    if (!frmChoise_.isNull()) {
        const int frame = 2 * ui_->mdiArea->frameWidth();
        client = client.expandedTo(QSize(frmChoise_->geometry().right() + 1 + frame,
                                         frmChoise_->geometry().bottom() + 1 + frame));
    }
    QSize wanted = client + QSize(0, menuBar()->sizeHint().height());
    if (const QScreen* shown = screen()) {
        const QRect available = shown->availableGeometry();
        const QSize frame = frameGeometry().size() - size();
        wanted = wanted.boundedTo(available.size() - frame);
        move(std::clamp(x(), available.left(), available.right() + 1 - wanted.width() - frame.width()),
             std::clamp(y(), available.top(), available.bottom() + 1 - wanted.height() - frame.height()));
    }
    resize(wanted);
}

template <typename Form>
Form* MDIMain::ShowChild(QPointer<QMdiSubWindow>& window, bool resizable) {
    bool maximise = false;
    if (window.isNull()) {
        auto* form = new Form;
        window = ui_->mdiArea->addSubWindow(form, resizable ? Qt::SubWindow : kChildFlags);
        window->setAttribute(Qt::WA_DeleteOnClose);  // closing discards the window and its contents
        window->setWindowIcon(AppIcon());
        if (!resizable) window->setFixedSize(window->sizeHint());
        // The area opens a window maximised after one that was closed maximised:
        // placing or sizing it then would leave it maximised but clipped, without
        // its title bar.
        const bool maximised = window->isMaximized();
        if (!maximised) window->move(FreeCascadePosition(window));
        if (resizable && !maximised) {
            // Its designed size where the area has room for it; the whole area where not.
            const QSize designed = form->size() + (window->sizeHint() - form->sizeHint());
            const QSize room = ui_->mdiArea->viewport()->size() - QSize(window->x(), window->y());
            if (room.expandedTo(designed) == room)
                window->resize(designed);
            else
                maximise = true;
        }
    }
    BringToFront(window);
    if (maximise) window->showMaximized();
    ui_->mdiArea->setActiveSubWindow(window);
    return qobject_cast<Form*>(window->widget());
}

// Cascade from the top left corner, one title bar further each step: the first
// step no other open window starts at, so a window reopened after another was
// closed never lies exactly on top of one still open.
QPoint MDIMain::FreeCascadePosition(const QMdiSubWindow* window) const {
    const int step = window->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, window);
    const auto windows = ui_->mdiArea->subWindowList();
    for (int k = 0;; ++k) {
        const QPoint candidate(k * step, k * step);
        const bool taken = std::any_of(windows.begin(), windows.end(), [&](const QMdiSubWindow* other) {
            return other != window && other->pos() == candidate;
        });
        if (!taken) return candidate;
    }
}

void MDIMain::closeEvent(QCloseEvent* event) {
    ui_->mdiArea->closeAllSubWindows();
    // The workbench stays when its user cancels saving a changed design: so does the program.
    const QList<QMdiSubWindow*> open = ui_->mdiArea->subWindowList();
    if (std::any_of(open.begin(), open.end(), [](const QMdiSubWindow* w) { return w->isVisible(); })) {
        event->ignore();
        return;
    }
    if (!frmAbout_.isNull()) frmAbout_->close();
    event->accept();
}

}  // namespace zova::ui
