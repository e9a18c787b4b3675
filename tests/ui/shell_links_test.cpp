#include <gtest/gtest.h>

#include <QDesktopServices>
#include <QFile>
#include <QUrl>

#include "commands/maker_info.h"
#include "tests/ui/url_recorder.h"
#include "ui/qt_text.h"
#include "ui/shell_links.h"

namespace zova::ui {
namespace {

TEST(ShellLinks, OpenUrlHandsTheAddressToTheDesktop) {
    test::UrlRecorder urls;
    OpenUrl(nullptr, q(maker::kSampleRequestPage));
    ASSERT_EQ(urls.opened().size(), 1);
    EXPECT_EQ(urls.opened().front(), QUrl(q(maker::kSampleRequestPage)));
    EXPECT_TRUE(urls.opened().front().path() == q(maker::kSampleRequestPath));
}

TEST(ShellLinks, HelpWithoutAFileDoesNothing) {
    ASSERT_FALSE(QFile::exists(HelpFilePath()));
    test::UrlRecorder urls;
    ShowHelpContents(nullptr);
    EXPECT_TRUE(urls.opened().isEmpty());
}

TEST(ShellLinks, HelpFileBesideTheProgramIsOpened) {
    QFile help(HelpFilePath());
    ASSERT_TRUE(help.open(QIODevice::WriteOnly));
    help.close();
    test::UrlRecorder urls;
    ShowHelpContents(nullptr);
    help.remove();
    ASSERT_EQ(urls.opened().size(), 1);
    EXPECT_EQ(urls.opened().front(), QUrl::fromLocalFile(HelpFilePath()));
}

}  // namespace
}  // namespace zova::ui
