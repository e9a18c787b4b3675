#include <gtest/gtest.h>

#include <QScreen>
#include <QScrollBar>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QStyle>
#include <QTest>
#include <QTimer>
#include <memory>
#include <utility>
#include <vector>

#include "commands/core_list.h"
#include "commands/maker_info.h"
#include "tests/support/named_case.h"
#include "tests/ui/modal_watcher.h"
#include "tests/ui/url_recorder.h"
#include "tests/ui/widget_lookup.h"
#include "ui/mdi_main.h"
#include "ui/qt_text.h"
#include "ui/shell_links.h"

namespace zova::ui {
namespace {

using test::Find;

void RunDeferredDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

// The text a user reads in a box, a combo box or a label.
QString TextOf(QWidget* widget) {
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) return edit->text();
    if (auto* combo = qobject_cast<QComboBox*>(widget)) return combo->currentText();
    if (auto* label = qobject_cast<QLabel*>(widget)) return label->text();
    ADD_FAILURE() << "no text for " << widget->objectName().toStdString();
    return {};
}

// The visible top-level windows named `name`, the main window's children excluded.
std::vector<QWidget*> TopLevels(const char* name) {
    std::vector<QWidget*> found;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && w->objectName() == QLatin1String(name)) found.push_back(w);
    return found;
}

// The program as it starts: the main window shown and active.
class Shell : public ::testing::Test {
public:
    void SetUp() override {
        main_->show();
        main_->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(main_.get()));
    }

    QMdiArea* area() { return Find<QMdiArea>(main_.get(), "mdiArea"); }
    void choose(const char* item) {
        Find<QAction>(main_.get(), item)->trigger();
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << item << " must not block";
    }
    // The subwindow holding the form named `form`; null when that window is not open.
    QMdiSubWindow* child(const char* form) {
        QMdiSubWindow* found = nullptr;
        for (QMdiSubWindow* sub : area()->subWindowList())
            if (sub->widget() != nullptr && sub->widget()->objectName() == QLatin1String(form)) {
                EXPECT_EQ(found, nullptr) << "two windows " << form;
                found = sub;
            }
        return found;
    }
    QString activeForm() {
        QMdiSubWindow* active = area()->activeSubWindow();
        return active != nullptr && active->widget() != nullptr ? active->widget()->objectName() : QString();
    }

    std::unique_ptr<MDIMain> main_ = std::make_unique<MDIMain>();
};

// The designed client area is 984 x 620, too short for the selection window
// with its title bar: it grows to hold it. On a screen too small for that
// (ctest runs this test on an 800 x 600 screen too) the window with its frame
// fits the screen and the area scrolls to the rest.
TEST_F(Shell, OpensWithTheSelectionWindowWholeAndOnTheScreen) {
    const QRect screen = main_->screen()->availableGeometry();
    const QRect frame = main_->frameGeometry();
    EXPECT_TRUE(screen.contains(frame)) << frame.x() << "," << frame.y() << " " << frame.width() << "x"
                                        << frame.height();
    QMdiSubWindow* selection = child("frmChoise");
    ASSERT_NE(selection, nullptr);
    const bool roomy = screen.width() >= 1000 && screen.height() >= 740;
    if (roomy) {
        EXPECT_EQ(area()->width(), 984);
        EXPECT_TRUE(area()->viewport()->rect().contains(selection->geometry()));
    } else {
        EXPECT_TRUE(frame.width() == screen.width() || frame.height() == screen.height());
        EXPECT_TRUE(area()->verticalScrollBar()->isVisible() || area()->horizontalScrollBar()->isVisible());
    }
}

TEST_F(Shell, StartsWithTheSelectionWindowOpenAndActive) {
    EXPECT_EQ(main_->objectName(), QStringLiteral("MDIMain"));
    EXPECT_EQ(main_->windowTitle(), QStringLiteral("ZOVA磁芯设计工具"));
    EXPECT_EQ(main_->centralWidget(), area());
    EXPECT_EQ(area()->subWindowList().size(), 1);
    ASSERT_NE(child("frmChoise"), nullptr);
    EXPECT_EQ(activeForm(), QStringLiteral("frmChoise"));
    EXPECT_EQ(child("frmDiangan"), nullptr);
    EXPECT_TRUE(TopLevels("frmAbout").empty());
}

TEST_F(Shell, AReopenedWindowDoesNotCoverAnOpenOneExactly) {
    choose("menToroidalL");
    ASSERT_NE(child("frmDiangan"), nullptr);
    const QPoint calculatorAt = child("frmDiangan")->pos();
    EXPECT_NE(child("frmChoise")->pos(), calculatorAt);
    child("frmChoise")->close();
    RunDeferredDeletes();
    choose("meuChoise");
    ASSERT_NE(child("frmChoise"), nullptr);
    EXPECT_NE(child("frmChoise")->pos(), calculatorAt);
    EXPECT_EQ(child("frmChoise")->pos(), QPoint(0, 0));  // the first free step
}

struct MenuCase {
    const char* name;
    const char* caption;
    std::vector<std::pair<const char*, const char*>> items;  // objectName, caption
};
ZOVA_PRINT_CASE_NAME(MenuCase)

const std::vector<MenuCase> kMenus = {
    {"meuFile", "文件(&F)", {{"meuRequestSample", "样品申请(&S)"}, {"meuExit", "退出(&X)"}}},
    {"meuTools",
     "计算工具(&D)",
     {{"meuChoise", "磁芯选型(&C)"}, {"menToroidalL", "环形磁芯感量计算(&L)"}, {"meuDesign", "设计分析(&E)"}}},
    // Each language named in itself, the same whichever is chosen.
    {"meuLanguage", "语言/Language(&L)", {{"meuChinese", "简体中文"}, {"meuEnglish", "English"}}},
    {"meuHelp", "帮助(&H)", {{"meuHelpMain", "帮助主题(&M)"}, {"meuAbout", "关于(&A)"}}},
};

TEST_F(Shell, MenuBarHoldsTheFourMenusInOrder) {
    QStringList captions;
    for (QAction* a : main_->menuBar()->actions()) captions << a->text();
    EXPECT_EQ(captions, (QStringList{QStringLiteral("文件(&F)"), QStringLiteral("计算工具(&D)"),
                                     QStringLiteral("语言/Language(&L)"), QStringLiteral("帮助(&H)")}));
}

class ShellMenu : public Shell, public ::testing::WithParamInterface<MenuCase> {};

TEST_P(ShellMenu, ItemsWithCaptionsAndNoShortcutsOrSeparators) {
    const MenuCase& c = GetParam();
    auto* menu = Find<QMenu>(main_.get(), c.name);
    EXPECT_EQ(menu->title(), QString::fromUtf8(c.caption));
    const QList<QAction*> actions = menu->actions();
    ASSERT_EQ(actions.size(), static_cast<qsizetype>(c.items.size()));
    for (std::size_t i = 0; i < c.items.size(); ++i) {
        SCOPED_TRACE(c.items[i].first);
        QAction* action = actions[static_cast<qsizetype>(i)];
        EXPECT_EQ(action, Find<QAction>(main_.get(), c.items[i].first));
        EXPECT_EQ(action->text(), QString::fromUtf8(c.items[i].second));
        EXPECT_TRUE(action->shortcut().isEmpty());
        EXPECT_FALSE(action->isSeparator());
        EXPECT_TRUE(action->isEnabled());
    }
}

INSTANTIATE_TEST_SUITE_P(Menus, ShellMenu, ::testing::ValuesIn(kMenus),
                         [](const auto& info) { return std::string(info.param.name); });

// A calculator window as the menu opens it: how to reach it, how to change it,
// and what it shows when freshly loaded.
struct ChildCase {
    const char* name;
    const char* item;
    const char* form;
    const char* title;
    QSize size;
    const char* otherItem;                                   // opens the other child
    std::vector<std::pair<const char*, const char*>> edits;  // typed before closing
    const char* button;                                      // clicked after the edits, or null
    const char* list;
    int freshItems;  // the list's items when freshly loaded
    std::vector<std::pair<const char*, QString>> freshTexts;
};
ZOVA_PRINT_CASE_NAME(ChildCase)

const std::vector<ChildCase> kChildren = {
    {"Calculator",
     "menToroidalL",
     "frmDiangan",
     "环形磁芯电感计算",
     {692, 491},
     "meuChoise",
     {{"txtSearch", "kta05"}, {"txtXianquanN", "50"}},
     nullptr,
     "lstCoreList",
     469,
     {{"txtSearch", QString()},
      {"txtXianquanN", QString()},
      {"txtDianliu", QStringLiteral("0")},
      {"cmbCoreCount", QStringLiteral("1")},
      {"labResult", q(CalculatorHelpText())},
      {"labCoreInfo", QString()}}},
    {"Selection",
     "meuChoise",
     "frmChoise",
     "环形磁芯选型",
     {789, 628},
     "menToroidalL",
     {{"txtDianliu", "10"}, {"txtDianganliang", "100"}},
     "cmdJiSuan",
     "lstResut",
     0,
     {{"txtDianliu", QString()}, {"txtDianganliang", QString()}, {"cmbCoreCount", QStringLiteral("1")}}},
};

class ShellChild : public Shell, public ::testing::WithParamInterface<ChildCase> {
public:
    QWidget* form() {
        QMdiSubWindow* sub = child(GetParam().form);
        return sub != nullptr ? sub->widget() : nullptr;
    }
    QListWidget* list() { return Find<QListWidget>(form(), GetParam().list); }
    void edit() {
        for (const auto& [name, text] : GetParam().edits) Find<QLineEdit>(form(), name)->setText(QString::fromUtf8(text));
        if (GetParam().button != nullptr) QTest::mouseClick(Find<QPushButton>(form(), GetParam().button), Qt::LeftButton);
        ASSERT_NE(list()->count(), GetParam().freshItems) << "the edits must change the list";
    }
};

TEST_P(ShellChild, FixedSizeChildWithoutMaximizeButtonAndItsTitleBarInView) {
    const ChildCase& c = GetParam();
    // Each row opens its window second, cascaded below the other one.
    child("frmChoise")->close();
    RunDeferredDeletes();
    choose(c.otherItem);
    choose(c.item);
    QMdiSubWindow* sub = child(c.form);
    ASSERT_NE(sub, nullptr);
    const int titleBar = sub->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, sub);
    EXPECT_TRUE(area()->viewport()->rect().contains(QRect(sub->pos(), QSize(sub->width(), titleBar))))
        << "title bar at " << sub->x() << "," << sub->y() << " width " << sub->width();
    EXPECT_EQ(sub->windowTitle(), QString::fromUtf8(c.title));
    EXPECT_EQ(sub->widget()->size(), c.size);
    EXPECT_EQ(sub->minimumSize(), sub->maximumSize());
    EXPECT_FALSE(sub->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_TRUE(sub->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_TRUE(sub->windowFlags().testFlag(Qt::WindowCloseButtonHint));
}

TEST_P(ShellChild, ChoosingAnOpenWindowActivatesItAsItIs) {
    const ChildCase& c = GetParam();
    choose(c.item);
    edit();
    const QPointer<QWidget> opened = form();
    const int items = list()->count();

    choose(c.otherItem);
    ASSERT_NE(activeForm(), QString::fromUtf8(c.form));
    choose(c.item);
    EXPECT_EQ(area()->subWindowList().size(), 2);
    EXPECT_EQ(form(), opened.data());
    EXPECT_EQ(activeForm(), QString::fromUtf8(c.form));
    EXPECT_EQ(list()->count(), items);
    for (const auto& [name, text] : c.edits) EXPECT_EQ(TextOf(Find<QWidget>(form(), name)), QString::fromUtf8(text));

    child(c.form)->showMinimized();
    choose(c.item);
    EXPECT_FALSE(child(c.form)->isMinimized());
    EXPECT_EQ(form(), opened.data());
    EXPECT_EQ(activeForm(), QString::fromUtf8(c.form));
}

TEST_P(ShellChild, ClosingDiscardsTheWindowAndTheNextChoiceLoadsItAfresh) {
    const ChildCase& c = GetParam();
    test::ModalWatcher boxes;
    choose(c.item);
    edit();
    const QPointer<QWidget> closed = form();

    child(c.form)->close();
    RunDeferredDeletes();
    EXPECT_TRUE(closed.isNull());
    EXPECT_EQ(child(c.form), nullptr);

    choose(c.item);
    ASSERT_NE(form(), nullptr);
    EXPECT_EQ(activeForm(), QString::fromUtf8(c.form));
    EXPECT_EQ(list()->count(), c.freshItems);
    for (const auto& [name, text] : c.freshTexts) EXPECT_EQ(TextOf(Find<QWidget>(form(), name)), text) << name;
    EXPECT_TRUE(boxes.boxes().empty());
}

INSTANTIATE_TEST_SUITE_P(Children, ShellChild, ::testing::ValuesIn(kChildren),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Shell, AboutBoxIsOneSeparateModelessWindow) {
    choose("meuAbout");
    std::vector<QWidget*> boxes = TopLevels("frmAbout");
    ASSERT_EQ(boxes.size(), 1u);
    QPointer<QWidget> about = boxes.front();
    EXPECT_EQ(about->parentWidget(), nullptr);
    EXPECT_EQ(Find<QLabel>(about, "lblTitle")->text(), QStringLiteral("关于磁芯选型计算工具"));
    EXPECT_EQ(area()->subWindowList().size(), 1);

    choose("meuAbout");
    EXPECT_EQ(TopLevels("frmAbout"), std::vector<QWidget*>{about.data()});

    QTest::keyClick(about, Qt::Key_Escape);
    RunDeferredDeletes();
    EXPECT_TRUE(about.isNull());
    choose("meuAbout");
    EXPECT_EQ(TopLevels("frmAbout").size(), 1u);
}

struct ExitCase {
    const char* name;
    void (*exit)(MDIMain*);
};
ZOVA_PRINT_CASE_NAME(ExitCase)

class ShellExit : public Shell, public ::testing::WithParamInterface<ExitCase> {};

TEST_P(ShellExit, ClosesEveryChildAndTheMainWindowAndTheProgramEnds) {
    choose("menToroidalL");
    choose("meuAbout");
    ASSERT_EQ(area()->subWindowList().size(), 2);
    const QPointer<QWidget> choise = child("frmChoise")->widget();
    const QPointer<QWidget> diangan = child("frmDiangan")->widget();
    const QPointer<QWidget> about = TopLevels("frmAbout").front();
    QSignalSpy lastWindowClosed(qApp, &QGuiApplication::lastWindowClosed);

    // Exit from inside the event loop, as a user does: the loop must then end
    // by itself, well before the guard would end it.
    QTimer::singleShot(0, main_.get(), [this] { GetParam().exit(main_.get()); });
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(1); });
    guard.start(5000);
    EXPECT_EQ(QApplication::exec(), 0) << "the program went on after its last window closed";
    RunDeferredDeletes();
    EXPECT_FALSE(main_->isVisible());
    EXPECT_TRUE(area()->subWindowList().isEmpty());
    EXPECT_TRUE(choise.isNull());
    EXPECT_TRUE(diangan.isNull());
    EXPECT_TRUE(about.isNull());
    EXPECT_EQ(lastWindowClosed.count(), 1);
}

INSTANTIATE_TEST_SUITE_P(
    Ways, ShellExit,
    ::testing::Values(ExitCase{"ExitItem", [](MDIMain* m) { Find<QAction>(m, "meuExit")->trigger(); }},
                      ExitCase{"TitleBarClose", [](MDIMain* m) { m->close(); }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Shell, HelpWithoutAHelpFileShowsNothing) {
    ASSERT_FALSE(QFile::exists(HelpFilePath()));
    test::ModalWatcher boxes;
    test::UrlRecorder urls;
    const QList<QWidget*> before = QApplication::topLevelWidgets();
    choose("meuHelpMain");
    QTest::qWait(20);  // time for a box to appear, were one shown
    EXPECT_TRUE(boxes.boxes().empty());
    EXPECT_TRUE(urls.opened().isEmpty());
    for (QWidget* w : QApplication::topLevelWidgets())
        EXPECT_TRUE(before.contains(w) || !w->isVisible()) << w->metaObject()->className();
    EXPECT_EQ(activeForm(), QStringLiteral("frmChoise"));
}

TEST_F(Shell, SampleRequestOpensTheSampleRequestPage) {
    test::ModalWatcher boxes;
    test::UrlRecorder urls;
    choose("meuRequestSample");
    ASSERT_EQ(urls.opened().size(), 1);
    EXPECT_EQ(urls.opened().front(), QUrl(q(maker::kSampleRequestPage)));
    EXPECT_EQ(urls.opened().front().path(), QStringLiteral("/cn/request-sample.asp"));
    EXPECT_TRUE(boxes.boxes().empty());
    EXPECT_EQ(area()->subWindowList().size(), 1);
    EXPECT_TRUE(main_->isVisible());
}

}  // namespace
}  // namespace zova::ui

namespace zova::ui {
namespace {

// Closed maximised, the workbench opens again whole: maximised, or within the
// area with its title bar in view.
TEST_F(Shell, AWorkbenchClosedMaximisedReopensWhole) {
    choose("meuDesign");
    child("frmDesign")->showMaximized();
    child("frmDesign")->close();
    RunDeferredDeletes();
    choose("meuDesign");
    QMdiSubWindow* reopened = child("frmDesign");
    ASSERT_NE(reopened, nullptr);
    const QRect area = this->area()->viewport()->rect();
    const QRect at = reopened->geometry();
    EXPECT_TRUE(area.contains(at)) << at.x() << "," << at.y() << " " << at.width() << "x" << at.height() << " in "
                                   << area.width() << "x" << area.height();
    if (reopened->isMaximized()) {
        EXPECT_EQ(at, area);
    }
}

}  // namespace
}  // namespace zova::ui
