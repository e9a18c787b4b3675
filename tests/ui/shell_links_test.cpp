#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QUrl>

#include "commands/maker_info.h"
#include "language/language.h"
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

TEST(ShellLinks, HelpInEnglishIsTheEnglishPageWhereThereIsOne) {
    const QDir programDir(QCoreApplication::applicationDirPath());
    const QString chinese = programDir.filePath(QStringLiteral("help.html"));
    const QString english = programDir.filePath(QStringLiteral("help-en.html"));
    ASSERT_FALSE(QFile::exists(chinese) || QFile::exists(english));
    const LanguageScope inEnglish(Language::English);
    for (const QString& path : {chinese, english}) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    EXPECT_EQ(HelpFilePath(), english);
    QFile::remove(english);
    EXPECT_EQ(HelpFilePath(), chinese);
    QFile::remove(chinese);
}

}  // namespace
}  // namespace zova::ui
