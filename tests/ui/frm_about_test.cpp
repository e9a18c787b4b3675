#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include "commands/maker_info.h"
#include "tests/support/named_case.h"
#include "tests/ui/url_recorder.h"
#include "tests/ui/widget_lookup.h"
#include "ui/frm_about.h"
#include "ui/qt_text.h"

namespace zova::ui {
namespace {

using test::Find;

// Deletion on close is deferred; run it so a QPointer to the box tells whether
// it still exists.
void RunDeferredDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

FrmAbout* ShowAbout() {
    auto* about = new FrmAbout;
    about->show();
    about->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(about));
    return about;
}

TEST(FrmAbout, TextsAfterLoad) {
    QPointer<FrmAbout> about = ShowAbout();
    EXPECT_EQ(about->windowTitle(), QStringLiteral("关于磁芯计算软件"));
    EXPECT_EQ(Find<QLabel>(about, "lblTitle")->text(), QStringLiteral("关于磁芯选型计算工具"));
    EXPECT_EQ(Find<QLabel>(about, "lblVersion")->text(), QStringLiteral("V1.0"));
    EXPECT_EQ(Find<QLabel>(about, "lblDescription")->text(),
              QStringLiteral("本工具用于环形磁芯的选型、计算电感量辅助电感设计，如果对计算或选型有任何问题请访问：") +
                  q(maker::kHomePage));
    EXPECT_EQ(Find<QLabel>(about, "lblDisclaimer")->text(), q(Say(maker::kDisclaimer)));
    EXPECT_EQ(Find<QPushButton>(about, "cmdOK")->text(), QStringLiteral("确定"));

    const QString contacts = Find<QLabel>(about, "labMsg")->text();
    EXPECT_EQ(contacts.split(QStringLiteral("\r\n")),
              (QStringList{QStringLiteral("如果您需要样品，联系我们："), QStringLiteral("电话:") + q(maker::kTelephones),
                           QStringLiteral("Email:") + q(maker::kSalesEmail)}));
    delete about;
}

TEST(FrmAbout, ContactLabelShowsThreeLines) {
    QPointer<FrmAbout> about = ShowAbout();
    auto* labMsg = Find<QLabel>(about, "labMsg");
    // As tall as its three lines set without any width limit: no line wraps and
    // each CR LF breaks the line once.
    QLabel unwrapped(labMsg->text().replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    unwrapped.setFont(labMsg->font());
    unwrapped.setWordWrap(true);
    EXPECT_EQ(labMsg->heightForWidth(labMsg->width()), unwrapped.heightForWidth(10000));
    QLabel oneLine(QStringLiteral("如果您需要样品，联系我们："));
    oneLine.setFont(labMsg->font());
    EXPECT_GT(labMsg->heightForWidth(labMsg->width()), 2 * oneLine.sizeHint().height());
    delete about;
}

TEST(FrmAbout, FixedDialogWithEveryTextInsideItsBox) {
    QPointer<FrmAbout> about = ShowAbout();
    EXPECT_EQ(about->size(), QSize(395, 303));
    EXPECT_EQ(about->minimumSize(), about->maximumSize());
    EXPECT_FALSE(about->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_FALSE(about->isModal());
    EXPECT_EQ(about->parentWidget(), nullptr);

    for (const char* name : {"lblTitle", "lblVersion", "lblDescription", "labMsg", "lblDisclaimer"}) {
        SCOPED_TRACE(name);
        auto* label = Find<QLabel>(about, name);
        EXPECT_TRUE(about->rect().contains(label->geometry()));
        if (label->wordWrap())
            EXPECT_LE(label->heightForWidth(label->width()), label->height());
        else
            EXPECT_LE(label->sizeHint().width(), label->width());
    }
    auto* picIcon = Find<QLabel>(about, "picIcon");
    ASSERT_FALSE(picIcon->pixmap().isNull());
    EXPECT_TRUE(picIcon->rect().contains(QRect(QPoint(0, 0), picIcon->pixmap().size())));
    delete about;
}

TEST(FrmAbout, FocusStartsOnOkThenTheLogo) {
    QPointer<FrmAbout> about = ShowAbout();
    auto* cmdOK = Find<QPushButton>(about, "cmdOK");
    auto* picIcon = Find<QLabel>(about, "picIcon");
    EXPECT_EQ(QApplication::focusWidget(), cmdOK);
    QTest::keyClick(cmdOK, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), picIcon);
    QTest::keyClick(picIcon, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), cmdOK);
    delete about;
}

struct CloseCase {
    const char* name;
    const char* focusOn;
    Qt::Key key;  // Qt::Key_unknown: a mouse click on cmdOK
};
ZOVA_PRINT_CASE_NAME(CloseCase)

class FrmAboutCloses : public ::testing::TestWithParam<CloseCase> {};

TEST_P(FrmAboutCloses, LikeClickingOk) {
    const CloseCase& c = GetParam();
    QPointer<FrmAbout> about = ShowAbout();
    auto* target = Find<QWidget>(about, c.focusOn);
    target->setFocus();
    ASSERT_EQ(QApplication::focusWidget(), target);
    if (c.key == Qt::Key_unknown)
        QTest::mouseClick(Find<QPushButton>(about, "cmdOK"), Qt::LeftButton);
    else
        QTest::keyClick(target, c.key, c.key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
    ASSERT_FALSE(about.isNull());
    EXPECT_FALSE(about->isVisible());
    RunDeferredDeletes();
    EXPECT_TRUE(about.isNull());
    delete about;
}

INSTANTIATE_TEST_SUITE_P(
    Keys, FrmAboutCloses,
    ::testing::Values(CloseCase{"Return", "cmdOK", Qt::Key_Return}, CloseCase{"KeypadEnter", "cmdOK", Qt::Key_Enter},
                      CloseCase{"Escape", "cmdOK", Qt::Key_Escape},
                      CloseCase{"ReturnOnLogo", "picIcon", Qt::Key_Return},
                      CloseCase{"EscapeOnLogo", "picIcon", Qt::Key_Escape},
                      CloseCase{"ClickOk", "cmdOK", Qt::Key_unknown}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FrmAbout, LogoOpensTheHomePageAndTheBoxStays) {
    QPointer<FrmAbout> about = ShowAbout();
    auto* picIcon = Find<QLabel>(about, "picIcon");
    EXPECT_EQ(picIcon->cursor().shape(), Qt::BitmapCursor);
    EXPECT_EQ(picIcon->cursor().hotSpot(), QPoint(9, 1));

    test::UrlRecorder urls;
    QTest::mouseClick(picIcon, Qt::LeftButton);
    ASSERT_EQ(urls.opened().size(), 1);
    EXPECT_EQ(urls.opened().front(), QUrl(q(maker::kHomePage)));
    RunDeferredDeletes();
    ASSERT_FALSE(about.isNull());
    EXPECT_TRUE(about->isVisible());
    EXPECT_EQ(Find<QLabel>(about, "lblTitle")->text(), QStringLiteral("关于磁芯选型计算工具"));
    delete about;
}

}  // namespace
}  // namespace zova::ui
